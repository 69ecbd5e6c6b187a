// The product folder and its files, seen from a copy of this test program in
// a temporary folder with a blank in its name, holding stub help files and a
// tool playing the elevated helper ORVEXEXT.EXE. The parent makes the folder
// and runs the copy, which runs the InProductFolder tests (skipped in any
// other run). Folders too long for the product's paths use a small probe.
#include <gtest/gtest.h>
#include "host/dialog_driver.h"
#include "host/files.h"
#include <algorithm>

typedef char *(__stdcall *TextFn)(void);
typedef char *(__stdcall *FullPathFn)(char *);
typedef int(__stdcall *TextTestFn)(const char *);
typedef int(__stdcall *CountFn)(void);
typedef int(__stdcall *HelperFn)(HWND, int);

static const char kChildVariable[] = "ORVEX_IN_PRODUCT_FOLDER";
static const char kOtherFolder[] = "other";

static bool RunningInTheCopy() { return GetEnvironmentVariableA(kChildVariable, 0, 0) != 0; }

static std::string Folder() {
  std::string folder = HostFolder();
  return folder.substr(0, folder.size() - 1);
}

static std::string MakeProductFolder() {
  std::string folder = TempFolder() + "\\orvex product " + std::to_string(GetCurrentProcessId());
  bool made = MakeLibraryFolder(folder) && MakeLibraryFolder(folder + "\\" + kOtherFolder) &&
              CopyInto(HostFolder() + "test_product.exe", folder + "\\test_product.exe") &&
              CopyInto(ToolPath("record_arguments"), folder + "\\ORVEXEXT.EXE") &&
              WriteFileText(folder + "\\ORVEX.HLP", "help") && WriteFileText(folder + "\\OPTHELP.HLP", "help");
  return made ? folder : "";
}

TEST(ProductFolder, FromACopyInAFolderWithABlankInItsName) {
  if (RunningInTheCopy()) GTEST_SKIP() << "this is the copy";
  std::string folder = MakeProductFolder();
  ASSERT_FALSE(folder.empty());
  std::string output;
  int code = RunAndCollect("\"" + folder + "\\test_product.exe\" --gtest_filter=InProductFolder.*", kChildVariable,
                           &output, 60000);
  RemoveFolderTree(folder);
  EXPECT_EQ(code, 0) << output;
  EXPECT_NE(output.find("[  PASSED  ] 3 tests"), std::string::npos) << output;
}

// What the probe printed ("name=value" lines) from a folder of the given
// length, and what the elevated helper found there recorded.
struct Probed {
  std::string folder, output, helperArguments;
};

static Probed ProbeFolderOfLength(size_t length) {
  std::string base = TempFolder() + "\\orvex long " + std::to_string(GetCurrentProcessId());
  Probed probed;
  probed.folder = base;
  while (probed.folder.size() < length)
    probed.folder += "\\" + std::string(std::min<size_t>(60, length - probed.folder.size() - 1), 'd');
  const std::string &folder = probed.folder;
  if (folder.size() == length && MakeLibraryFolder(folder) && CopyInto(ToolPath("product_probe"), folder + "\\p.exe") &&
      CopyInto(ToolPath("record_arguments"), folder + "\\ORVEXEXT.EXE") &&
      WriteFileText(folder + "\\ORVEX.HLP", "help")) {
    RunAndCollect("\"" + folder + "\\p.exe\"", kChildVariable, &probed.output, 30000);
    probed.output.erase(std::remove(probed.output.begin(), probed.output.end(), '\r'), probed.output.end());
    probed.helperArguments = ReadFileText(folder + "\\args.txt");
  }
  RemoveFolderTree(base);
  return probed;
}

// 246 bytes of folder leave just room for "\ORVEXEXT.EXE" in 259; one byte
// more and the helper's path would not fit: nothing is taken.
TEST(ProductFolder, LongestFolderWhosePathsFitAndOneByteMore) {
  if (RunningInTheCopy()) GTEST_SKIP() << "this is the copy";
  Probed fits = ProbeFolderOfLength(246);
  std::string ide = fits.folder + "\\ORVEX.EXE";
  EXPECT_EQ(fits.output, "folder=" + fits.folder + "\nide=" + ide + "\nhelp=1\nhelper=1\n");
  EXPECT_EQ(fits.helperArguments, "1\"" + ide + "\"");
  Probed over = ProbeFolderOfLength(247);
  EXPECT_EQ(over.output, "folder=\nide=\nhelp=0\nhelper=0\n");
  EXPECT_EQ(over.helperArguments, "");
}

class InProductFolder : public ::testing::Test {
protected:
  void SetUp() override {
    if (!RunningInTheCopy()) GTEST_SKIP() << "runs only in the copy";
    folder = Folder();
    HostProc<void(__stdcall *)(void)>("SetOrvexDirectory")();
    JournalClear();
  }
  std::string folder;
};

TEST_F(InProductFolder, NothingBeforeTheFolderIsSetThenOnlyItsVeilGoes) {
  HMODULE fresh = LoadFreshLibrary();
  ASSERT_NE(fresh, nullptr);
  auto find = [fresh](const char *name) { return GetProcAddress(fresh, name); };
  EXPECT_STREQ(((TextFn)find("GetOrvexDirectory"))(), "");
  char buffer[260] = "left over";
  EXPECT_EQ(((FullPathFn)find("GetOrvexFullPathName"))(buffer), buffer);
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(((TextTestFn)find("ThisIsOrvexDirectory"))(""), 0);
  EXPECT_EQ(((TextTestFn)find("ThisContainsOrvexDirectory"))("C:\\"), 0);
  EXPECT_EQ(((int(__stdcall *)(int))find("IsHelpFileThere"))(0), 0);
  // Before, no Veil.exe is deleted, not even in the current folder.
  std::string other = folder + "\\" + kOtherFolder;
  ASSERT_TRUE(WriteFileText(other + "\\Veil.exe", "veil") && WriteFileText(folder + "\\Veil.exe", "veil"));
  SetCurrentDirectoryA(other.c_str());
  EXPECT_EQ(((CountFn)find("RemoveVeilExe"))(), 0);
  EXPECT_TRUE(FileExists(other + "\\Veil.exe"));
  EXPECT_TRUE(FileExists(folder + "\\Veil.exe"));
  WatchBoxes({IDOK});
  EXPECT_EQ(((HelperFn)find("DoOrvexExtExeForVista"))(HostMainWindow(), 0), 0);
  EXPECT_TRUE(StopWatchingBoxes().empty());
  EXPECT_TRUE(JournalLines().empty());
  FreeFreshLibrary(fresh);
  // Once set, only the product folder's Veil.exe goes.
  CountFn remove = HostProc<CountFn>("RemoveVeilExe");
  EXPECT_EQ(remove(), 1);
  EXPECT_FALSE(FileExists(folder + "\\Veil.exe"));
  EXPECT_TRUE(FileExists(other + "\\Veil.exe"));
  EXPECT_EQ(remove(), 0);
  SetCurrentDirectoryA(folder.c_str());
}

TEST_F(InProductFolder, FolderPathsMatchingAndHelpFiles) {
  EXPECT_EQ(std::string(HostProc<TextFn>("GetOrvexDirectory")()), folder);
  FullPathFn fullPath = HostProc<FullPathFn>("GetOrvexFullPathName");
  char *own = fullPath(nullptr), buffer[260];
  EXPECT_EQ(std::string(own), folder + "\\ORVEX.EXE");
  EXPECT_EQ(fullPath(buffer), buffer);
  EXPECT_EQ(std::string(buffer), folder + "\\ORVEX.EXE");
  EXPECT_STREQ(HostProc<TextFn>("GetOrvexNewerExeFile")(), "");
  std::string shorter = folder.substr(0, folder.size() - 1), lower = folder, upper = folder;
  CharLowerA(&lower[0]);
  CharUpperA(&upper[0]);
  const struct { const char *name; std::string text; int expected; } texts[] = {
      {"ThisIsOrvexDirectory", lower, 1},
      {"ThisIsOrvexDirectory", folder + "\\", 0},
      {"ThisIsOrvexDirectory", shorter, 0},
      {"ThisContainsOrvexDirectory", "\"" + upper + "\\x.c\" -v", 1},
      {"ThisContainsOrvexDirectory", shorter, 0},
  };
  for (const auto &t : texts) {
    char *guarded = GuardedText(t.text.c_str());
    EXPECT_EQ(HostProc<TextTestFn>(t.name)(guarded), t.expected) << t.name << ": " << t.text;
    FreeGuarded(guarded);
  }
  auto there = HostProc<int(__stdcall *)(int)>("IsHelpFileThere");
  const struct { int index, expected; } cases[] = {{0, 1}, {1, 1}, {2, 0}};
  for (const auto &c : cases) EXPECT_EQ(there(c.index), c.expected) << c.index;
}

TEST_F(InProductFolder, ElevatedHelperPresentMissingOrNotAProgram) {
  HelperFn start = HostProc<HelperFn>("DoOrvexExtExeForVista");
  DeleteFileA((folder + "\\args.txt").c_str());
  WatchBoxes({IDOK});
  EXPECT_EQ(start(HostMainWindow(), 0), 1);
  EXPECT_TRUE(StopWatchingBoxes().empty());
  EXPECT_EQ(ReadFileText(folder + "\\args.txt"), "1\"" + folder + "\\ORVEX.EXE\""); // waited for
  std::string runas = JournalLine({"runas", "\"" + folder + "\\ORVEXEXT.EXE\"", "1\"" + folder + "\\ORVEX.EXE\""});
  EXPECT_EQ(JournalLines(), std::vector<std::string>({runas}));

  // Missing, the helper is named to the user and not started; present but
  // not a program, its start fails and so does the call.
  std::string helper = folder + "\\ORVEXEXT.EXE", kept = folder + "\\kept.exe";
  ASSERT_TRUE(MoveFileA(helper.c_str(), kept.c_str()));
  JournalClear();
  WatchBoxes({IDOK});
  EXPECT_EQ(start(HostMainWindow(), 0), 0);
  std::vector<SeenBox> seen = StopWatchingBoxes();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_NE(seen[0].text.find(helper), std::string::npos) << seen[0].text;
  EXPECT_EQ(seen[0].owner, HostMainWindow());
  EXPECT_TRUE(JournalLines().empty());

  ASSERT_TRUE(WriteFileText(helper, "this is not a program"));
  WatchBoxes({IDOK});
  EXPECT_EQ(start(HostMainWindow(), 0), 0);
  StopWatchingBoxes();
  EXPECT_EQ(JournalLines().size(), 1u);
  DeleteFileA(helper.c_str());
  MoveFileA(kept.c_str(), helper.c_str());
}
