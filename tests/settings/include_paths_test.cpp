// The include paths of inactive projects, from a fresh library: saving,
// adding and reading items per slot, emptying, releasing, the handles handed
// to the host, a long item cut to its buffer, and slots outside 0 and 1.
#include <gtest/gtest.h>
#include "host/fresh_library.h"
#include "host/host.h"

typedef void(__stdcall *SaveFn)(HWND, const char *, int);
typedef INT_PTR(__stdcall *AddFn)(HWND, const char *, int);
typedef int(__stdcall *GetEachFn)(char *, int, int);
typedef HGLOBAL(__stdcall *HandleFn)(int);
typedef HGLOBAL *(__stdcall *HandlePointerFn)(int);

class IncludePaths : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_NE(fresh = LoadFreshLibrary(), nullptr);
    save = (SaveFn)GetProcAddress(fresh, "SaveIncludePathForNonactiveProject");
    add = (AddFn)GetProcAddress(fresh, "AddIncludePathForNonactiveProject");
    getEach = (GetEachFn)GetProcAddress(fresh, "GetEachIncludePathForNonactiveProject");
    handle = (HandleFn)GetProcAddress(fresh, "GetGlobalDirectoryHandleForCIncludePathForNonactiveProject");
  }
  void TearDown() override { FreeFreshLibrary(fresh); }
  // Every item of a slot, read as the host does.
  std::vector<std::string> Items(int slot) {
    std::vector<std::string> items;
    char item[520] = "x";
    for (int offset = 0; (offset = getEach(item, offset, slot)) != 0;) items.push_back(item);
    EXPECT_STREQ(item, "");
    return items;
  }
  void Initialize(int slot, int force) {
    ((void(__stdcall *)(HWND, int, int))GetProcAddress(fresh, "InitializeIncludePathForNonactiveProject"))(0, slot, force);
  }
  HMODULE fresh = 0;
  SaveFn save = 0;
  AddFn add = 0;
  GetEachFn getEach = 0;
  HandleFn handle = 0;
};

TEST_F(IncludePaths, SlotsFromSaveAddInitializeToFree) {
  EXPECT_EQ(Items(1), std::vector<std::string>());
  const char empty[] = "";
  EXPECT_EQ(add(0, empty, 1), (INT_PTR)empty);
  EXPECT_EQ(add(0, nullptr, 1), 0);
  save(0, "", 0);
  EXPECT_EQ(handle(0), nullptr);
  EXPECT_EQ(handle(1), nullptr);

  save(0, "c:\\a; c:\\b ", 1);
  EXPECT_EQ(Items(1), (std::vector<std::string>{"c:\\a", "c:\\b"}));
  INT_PTR added = add(0, ";c:\\c", 1);
  EXPECT_EQ(added, (INT_PTR)handle(1));
  Initialize(1, 0);
  EXPECT_EQ(Items(1), (std::vector<std::string>{"c:\\a", "c:\\b", "c:\\c"}));
  Initialize(1, 1);
  EXPECT_EQ(Items(1), std::vector<std::string>());
  EXPECT_NE(handle(1), nullptr);
  added = add(0, "c:\\d", 0);
  EXPECT_NE(handle(0), nullptr);
  EXPECT_EQ(added, (INT_PTR)handle(0));
  EXPECT_EQ(Items(0), std::vector<std::string>{"c:\\d"});

  auto pointer = (HandlePointerFn)GetProcAddress(fresh, "GetGlobalDirectoryHandlePointerForCIncludePathForNonactiveProject");
  EXPECT_EQ(*pointer(0), handle(0));
  ((void(__stdcall *)())GetProcAddress(fresh, "FreeCIncludePathForNonactiveProject"))();
  EXPECT_EQ(handle(0), nullptr);
  EXPECT_EQ(handle(1), nullptr);
  EXPECT_EQ(Items(0), std::vector<std::string>());
}

// A slot outside 0 and 1 keeps nothing and reads as empty; an item longer
// than the buffer is cut to 519 bytes on a whole character, nothing written
// past it.
TEST_F(IncludePaths, OutsideSlotsAndLongItems) {
  auto pointer = (HandlePointerFn)GetProcAddress(fresh, "GetGlobalDirectoryHandlePointerForCIncludePathForNonactiveProject");
  for (int slot : {-1, 2, INT_MIN}) {
    save(0, "c:\\a", slot);
    EXPECT_EQ(add(0, "c:\\a", slot), 0);
    EXPECT_EQ(handle(slot), nullptr);
    EXPECT_EQ(pointer(slot), nullptr);
    EXPECT_EQ(Items(slot), std::vector<std::string>());
  }
  std::string item = "c:\\" + std::string(515, 'x') + "\x83\x5c" + std::string(80, 'y');
  save(0, (item + ";c:\\next").c_str(), 0);
  char buffer[528];
  memset(buffer, '#', sizeof buffer);
  EXPECT_EQ(getEach(buffer, 0, 0), (int)item.size() + 1);
  EXPECT_EQ(std::string(buffer), item.substr(0, 518));
  EXPECT_EQ(std::string(buffer + 520, 8), "########");
}
