// The include paths of inactive projects, from a fresh library: saving,
// adding and reading items per slot, emptying, releasing, the handles handed
// to the host, a long item cut to its buffer, and slots outside 0 and 1.
#include <gtest/gtest.h>
#include "host/files.h"
#include "host/host.h"

class IncludePaths : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_NE(fresh = LoadFreshLibrary(), nullptr); }
  void TearDown() override { FreeFreshLibrary(fresh); }
  template <class R, class... A> R Call(const char *name, A... args) {
    return ((R(__stdcall *)(A...))GetProcAddress(fresh, name))(args...);
  }
  void Save(const char *paths, int slot) { Call<void>("SaveIncludePathForNonactiveProject", (HWND)0, paths, slot); }
  INT_PTR Add(const char *path, int slot) { return Call<INT_PTR>("AddIncludePathForNonactiveProject", (HWND)0, path, slot); }
  HGLOBAL Handle(int slot) { return Call<HGLOBAL>("GetGlobalDirectoryHandleForCIncludePathForNonactiveProject", slot); }
  void Initialize(int slot, int force) { Call<void>("InitializeIncludePathForNonactiveProject", (HWND)0, slot, force); }
  // Every item of a slot, read as the host does; the buffer ends empty.
  std::vector<std::string> Items(int slot) {
    std::vector<std::string> items;
    char item[520] = "x";
    for (int offset = 0; (offset = Call<int>("GetEachIncludePathForNonactiveProject", item, offset, slot)) != 0;)
      items.push_back(item);
    EXPECT_STREQ(item, "");
    return items;
  }
  HMODULE fresh = 0;
};

typedef std::vector<std::string> Paths;

TEST_F(IncludePaths, SlotsFromSaveAddInitializeToFree) {
  EXPECT_EQ(Items(1), Paths());
  const char empty[] = "";
  EXPECT_EQ(Add(empty, 1), (INT_PTR)empty);
  Save("", 0);
  EXPECT_EQ(Handle(0), nullptr);
  EXPECT_EQ(Handle(1), nullptr);

  Save("c:\\a; c:\\b ", 1);
  EXPECT_EQ(Items(1), (Paths{"c:\\a", "c:\\b"}));
  INT_PTR added = Add(";c:\\c", 1);
  EXPECT_EQ(added, (INT_PTR)Handle(1));
  Initialize(1, 0);
  EXPECT_EQ(Items(1), (Paths{"c:\\a", "c:\\b", "c:\\c"}));
  Initialize(1, 1);
  EXPECT_EQ(Items(1), Paths());
  EXPECT_NE(Handle(1), nullptr);
  added = Add("c:\\d", 0);
  EXPECT_EQ(added, (INT_PTR)Handle(0));
  EXPECT_EQ(Items(0), Paths{"c:\\d"});
  EXPECT_EQ(*Call<HGLOBAL *>("GetGlobalDirectoryHandlePointerForCIncludePathForNonactiveProject", 0), Handle(0));
  Call<void>("FreeCIncludePathForNonactiveProject");
  EXPECT_EQ(Handle(0), nullptr);
  EXPECT_EQ(Handle(1), nullptr);
}

// A slot outside 0 and 1 keeps nothing and reads as empty; an item longer
// than the buffer is cut to 519 bytes on a whole character, nothing written
// past it.
TEST_F(IncludePaths, OutsideSlotsAndLongItems) {
  for (int slot : {-1, 2, INT_MIN}) {
    Save("c:\\a", slot);
    EXPECT_EQ(Add("c:\\a", slot), 0);
    EXPECT_EQ(Handle(slot), nullptr);
    EXPECT_EQ(Call<HGLOBAL *>("GetGlobalDirectoryHandlePointerForCIncludePathForNonactiveProject", slot), nullptr);
    EXPECT_EQ(Items(slot), Paths());
  }
  std::string item = "c:\\" + std::string(515, 'x') + "\x83\x5c" + std::string(80, 'y');
  Save((item + ";c:\\next").c_str(), 0);
  char buffer[528];
  memset(buffer, '#', sizeof buffer);
  EXPECT_EQ(Call<int>("GetEachIncludePathForNonactiveProject", buffer, 0, 0), (int)item.size() + 1);
  EXPECT_EQ(std::string(buffer), item.substr(0, 518));
  EXPECT_EQ(std::string(buffer + 520, 8), "########");
}
