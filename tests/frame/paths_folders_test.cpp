// The base folder and the conversion between relative and full paths: a
// file's path stores its folder, what does not fit is refused with the
// folder kept, "." and ".." are resolved, a base inside a longer folder name
// is not taken for its parent, and the base folder stands in for a missing
// base. Also the system folders that must not be deleted or created.
#include "paths_support.h"

static std::string Text(const char *text) { return text ? text : "(null)"; }

class BaseFolder : public testing::Test {
protected:
  void SetUp() override {
    folder = MakeScratchFolder();
    ASSERT_FALSE(folder.empty());
    file = folder + "main.c";
    ASSERT_TRUE(WriteBytes(file, "int main(void) { return 0; }\n"));
    HostProc<NoArgText>("ClearBaseFolder")();
    HostProc<NoArgText>("ClearOldBaseFolder")();
  }
  void TearDown() override {
    HostProc<NoArgText>("ClearBaseFolder")();
    RemoveScratchFolder(folder);
  }
  std::string folder, file;
};

TEST_F(BaseFolder, FromAFilePathOrAFolderAndOverLong) {
  auto save = NeedHostProc<PathToPath>("SaveBaseFolder");
  auto get = NeedHostProc<NoArgText>("GetBaseFolder");
  auto there = NeedHostProc<NoArgInt>("IsBaseFolderThere");
  std::string withoutSlash = folder.substr(0, folder.size() - 1);
  EXPECT_EQ(there(), 0);
  EXPECT_EQ(save(file.c_str()), get());
  EXPECT_EQ(Text(get()), withoutSlash);
  EXPECT_EQ(there(), 1);
  EXPECT_EQ(Text(save(withoutSlash.c_str())), withoutSlash);
  std::string longest(MAX_PATH - 1, 'a'), tooLong(MAX_PATH, 'a');
  EXPECT_EQ(Text(save(longest.c_str())), longest);
  for (const char *refused : {tooLong.c_str(), "", (const char *)0}) {
    EXPECT_EQ(save(refused), nullptr);
    EXPECT_EQ(Text(get()), longest);
  }
  NeedHostProc<NoArgText>("ClearBaseFolder")();
  EXPECT_EQ(there(), 0);
}

TEST_F(BaseFolder, OldBaseFolderKeepsThePathAsItStands) {
  auto save = NeedHostProc<PathToPath>("SaveOldBaseFolder");
  auto get = NeedHostProc<NoArgText>("GetOldBaseFolder");
  auto there = NeedHostProc<NoArgInt>("IsOldBaseFolderThere");
  EXPECT_EQ(Text(save(file.c_str())), file);
  EXPECT_EQ(there(), 1);
  EXPECT_EQ(save(std::string(MAX_PATH, 'b').c_str()), nullptr);
  EXPECT_EQ(save(0), nullptr);
  EXPECT_EQ(Text(get()), file);
  NeedHostProc<NoArgText>("ClearOldBaseFolder")();
  EXPECT_EQ(there(), 0);
}

TEST_F(BaseFolder, RelativeAndFullBothWays) {
  auto normal = NeedHostProc<NormalFromRelative>("FindNormalPathFromRelativePathForOrvex");
  auto relative = NeedHostProc<RelativeFromNormal>("FindRelativePathFromNormalPathForOrvex");
  static const struct {
    const char *relative, *base, *expected; // expected null: no result
  } toFull[] = {
      {"main.c", "C:\\work\\app", "C:\\work\\app\\main.c"},
      {".\\src\\.\\a.c", "C:\\work\\app\\", "C:\\work\\app\\src\\a.c"},
      {"..\\lib\\b.lib", "C:\\work\\app", "C:\\work\\lib\\b.lib"},
      {"..\\..\\..", "C:\\work\\app", nullptr},
      {"..", "C:\\work", "C:\\"},
      {"D:\\other\\x.h", "C:\\work", "D:\\other\\x.h"},
      {"\\top\\y.h", "C:\\work", "C:\\top\\y.h"},
      {"\x83\x5c\\z.c", "C:\\\x83\x5c", "C:\\\x83\x5c\\\x83\x5c\\z.c"},
  };
  for (const auto &c : toFull) {
    char target[MAX_PATH] = "junk";
    EXPECT_EQ(Text(normal(target, c.relative, c.base)), Text(c.expected)) << c.relative << " in " << c.base;
  }
  std::string deep = "C:\\" + std::string(250, 'd');
  char target[MAX_PATH];
  EXPECT_EQ(normal(target, "longer\\name.c", deep.c_str()), nullptr);

  static const struct {
    const char *path, *base;
    int offset; // of the result in the path
  } toRelative[] = {
      {"C:\\work\\app\\main.c", "C:\\work\\app", 12}, {"c:\\WORK\\App\\src\\a.c", "C:\\work\\app", 12},
      {"C:\\work\\app\\main.c", "C:\\work\\", 8},     {"C:\\work\\application\\m.c", "C:\\work\\app", 0},
      {"D:\\work\\app\\main.c", "C:\\work\\app", 0},  {"C:\\work\\app", "C:\\work\\app", 0},
      {"C:\\\x83\x61\\m.c", "C:\\\x83\x41", 0},       {"C:\\\x83\x41\\m.c", "c:\\\x83\x41", 6},
  };
  for (const auto &c : toRelative) {
    const char *result = relative(c.path, c.base);
    EXPECT_EQ(result ? (int)(result - c.path) : -1, c.offset) << c.path << " from " << c.base;
  }
}

TEST_F(BaseFolder, BaseFolderStandsInForNoBase) {
  auto normal = NeedHostProc<NormalFromRelative>("FindNormalPathFromRelativePathForOrvex");
  auto relative = NeedHostProc<RelativeFromNormal>("FindRelativePathFromNormalPathForOrvex");
  char target[MAX_PATH];
  EXPECT_EQ(normal(target, "main.c", 0), nullptr);
  EXPECT_EQ(normal(target, "main.c", ""), nullptr);
  EXPECT_EQ(Text(relative(file.c_str(), 0)), file);
  ASSERT_NE(HostProc<PathToPath>("SaveBaseFolder")(file.c_str()), nullptr);
  EXPECT_EQ(Text(normal(target, "main.c", 0)), file);
  EXPECT_EQ(Text(normal(target, "main.c", "")), file);
  EXPECT_EQ(Text(relative(file.c_str(), "")), "main.c");
  EXPECT_EQ(Text(relative(file.c_str(), "C:\\elsewhere")), file);
}

TEST(SystemFolders, DeleteAndCreateGuards) {
  auto toDelete = NeedHostProc<PathToInt>("ThisContainsSystemFolderToDelete");
  auto toCreate = NeedHostProc<PathToInt>("ThisIsSystemFolderToCreate");
  char windows[MAX_PATH], system[MAX_PATH];
  ASSERT_TRUE(GetWindowsDirectoryA(windows, MAX_PATH));
  ASSERT_TRUE(GetSystemDirectoryA(system, MAX_PATH));
  std::string inside = std::string(windows) + "\\Orvex Test";
  std::string lower = windows;
  for (char &c : lower) c = (char)tolower((unsigned char)c);
  static const char *const none = 0;
  const struct {
    std::string path;
    int deleteAnswer, createAnswer;
  } cases[] = {
      {"C:\\", 1, 1},          {"C:", 1, 1},          {windows, 1, 1},        {lower + "\\", 1, 1},
      {system, 1, 1},          {inside, 0, 1},       {"C:\\Orvex Projects", 0, 0},
      {std::string(windows) + "x", 0, 0},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(toDelete(c.path.c_str()) != 0, c.deleteAnswer != 0) << c.path;
    EXPECT_EQ(toCreate(c.path.c_str()) != 0, c.createAnswer != 0) << c.path;
  }
  EXPECT_EQ(toDelete(none), 0);
  EXPECT_EQ(toCreate(""), 0);
}
