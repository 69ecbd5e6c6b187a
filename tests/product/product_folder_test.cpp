// The product folder and its files, seen from a program that runs from a
// folder of its own: a copy of this test program in a temporary folder with
// a blank in its name, holding stub help files, a Veil.exe and a tool that
// plays the elevated helper ORVEXEXT.EXE. The parent tests make the folder
// and run the copy, which runs the InProductFolder tests (they skip in any
// other run). Cases from before SetOrvexDirectory use a fresh library copy.
// Folders too long for the product's paths are tried with a small probe.
#include <gtest/gtest.h>
#include "host/box_watcher.h"
#include "host/fresh_library.h"
#include "host/host.h"
#include "host/journal.h"
#include "host/main_window.h"
#include "host/product_copy.h"
#include <algorithm>
#include <climits>

typedef void(__stdcall *VoidFn)(void);
typedef char *(__stdcall *TextFn)(void);
typedef char *(__stdcall *FullPathFn)(char *);
typedef int(__stdcall *TextTestFn)(const char *);
typedef int(__stdcall *IndexFn)(int);
typedef int(__stdcall *CountFn)(void);
typedef int(__stdcall *HelperFn)(HWND, int);

static const char kChildVariable[] = "ORVEX_IN_PRODUCT_FOLDER";
static const char kOtherFolder[] = "other";

static bool RunningInTheCopy() { return GetEnvironmentVariableA(kChildVariable, 0, 0) != 0; }

// This program's folder (the product folder of the copy), no final backslash.
static std::string Folder() {
  std::string folder = HostFolder();
  return folder.substr(0, folder.size() - 1);
}

static std::string Cased(std::string text, int (*change)(int)) {
  for (char &c : text) c = (char)change((unsigned char)c);
  return text;
}

// ---- The parent: makes the folder and runs the copy in it ----

static std::string MakeProductFolder() {
  std::string folder = TempFolder() + "\\orvex product " + std::to_string(GetCurrentProcessId());
  char self[MAX_PATH];
  GetModuleFileNameA(0, self, MAX_PATH);
  bool made = MakeLibraryFolder(folder) && MakeLibraryFolder(folder + "\\" + kOtherFolder) &&
              CopyInto(self, folder + "\\test_product.exe") &&
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
  EXPECT_NE(output.find("[  PASSED  ] 7 tests"), std::string::npos) << output;
}

// What the probe printed ("name=value" lines) from a folder of the given
// length, and what the elevated helper found there recorded.
struct Probed {
  std::string folder;
  std::vector<std::string> lines;
  std::string helperArguments;
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
    std::string output;
    RunAndCollect("\"" + folder + "\\p.exe\"", kChildVariable, &output, 30000);
    for (size_t at = 0; at < output.size();) {
      size_t end = output.find('\n', at);
      std::string line = output.substr(at, end == std::string::npos ? std::string::npos : end - at);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      probed.lines.push_back(line);
      at = end == std::string::npos ? output.size() : end + 1;
    }
    probed.helperArguments = ReadFileText(folder + "\\args.txt");
  }
  RemoveFolderTree(base);
  return probed;
}

// 246 bytes of folder leave just room for "\ORVEXEXT.EXE" in 259; the
// helper's options then hold "1" and the quoted 256-byte IDE path. One byte
// more and the helper's path would not fit: nothing is taken.
TEST(ProductFolder, LongestFolderWhosePathsFitAndOneByteMore) {
  if (RunningInTheCopy()) GTEST_SKIP() << "this is the copy";
  Probed fits = ProbeFolderOfLength(246);
  std::string ide = fits.folder + "\\ORVEX.EXE";
  EXPECT_EQ(fits.lines, std::vector<std::string>({"folder=" + fits.folder, "ide=" + ide, "help=1", "helper=1"}));
  EXPECT_EQ(fits.helperArguments, "1\"" + ide + "\"");
  EXPECT_EQ(fits.helperArguments.size(), 259u);
  Probed over = ProbeFolderOfLength(247);
  EXPECT_EQ(over.lines, std::vector<std::string>({"folder=", "ide=", "help=0", "helper=0"}));
  EXPECT_EQ(over.helperArguments, "");
}

// ---- The copy: runs in the product folder ----

class InProductFolder : public ::testing::Test {
protected:
  void SetUp() override {
    if (!RunningInTheCopy()) GTEST_SKIP() << "runs only in the copy";
    folder = Folder();
    HostProc<VoidFn>("SetOrvexDirectory")();
    JournalClear();
  }
  std::string folder;
};

// Each name's expected answer, table-driven.
struct TextCase {
  std::string text;
  int expected;
};

static void ExpectAnswers(const char *name, const std::vector<TextCase> &cases) {
  TextTestFn test = HostProc<TextTestFn>(name);
  for (size_t i = 0; i < cases.size(); i++) {
    char *guarded = GuardedText(cases[i].text.c_str());
    EXPECT_EQ(test(guarded), cases[i].expected) << name << " case " << i << ": " << cases[i].text;
    FreeGuarded(guarded);
  }
  EXPECT_EQ(test(nullptr), 0) << name;
}

TEST_F(InProductFolder, EverythingIsEmptyAndNothingMatchesBeforeTheFolderIsSet) {
  HMODULE fresh = LoadFreshLibrary();
  ASSERT_NE(fresh, nullptr);
  auto find = [fresh](const char *name) { return GetProcAddress(fresh, name); };
  EXPECT_STREQ(((TextFn)find("GetOrvexDirectory"))(), "");
  EXPECT_STREQ(((FullPathFn)find("GetOrvexFullPathName"))(nullptr), "");
  char buffer[260] = "left over";
  EXPECT_EQ(((FullPathFn)find("GetOrvexFullPathName"))(buffer), buffer);
  EXPECT_STREQ(buffer, "");
  for (const char *text : {"", "x", "C:\\"}) {
    EXPECT_EQ(((TextTestFn)find("ThisIsOrvexDirectory"))(text), 0) << text;
    EXPECT_EQ(((TextTestFn)find("ThisContainsOrvexDirectory"))(text), 0) << text;
  }
  EXPECT_EQ(((IndexFn)find("IsHelpFileThere"))(0), 0);
  // With no product folder, no Veil.exe anywhere is deleted, not even in the
  // current folder.
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
  SetCurrentDirectoryA(folder.c_str());
  FreeFreshLibrary(fresh);
}

TEST_F(InProductFolder, FolderAndPathsOnceSet) {
  EXPECT_EQ(std::string(HostProc<TextFn>("GetOrvexDirectory")()), folder);
  EXPECT_NE(folder.find(' '), std::string::npos);
  FullPathFn fullPath = HostProc<FullPathFn>("GetOrvexFullPathName");
  char *own = fullPath(nullptr);
  EXPECT_EQ(std::string(own), folder + "\\ORVEX.EXE");
  EXPECT_EQ(fullPath(nullptr), own);
  char buffer[260];
  memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(fullPath(buffer), buffer);
  EXPECT_EQ(std::string(buffer), folder + "\\ORVEX.EXE");
  // The newer-executable path is the host's to fill; the library keeps it.
  char *newer = HostProc<TextFn>("GetOrvexNewerExeFile")();
  EXPECT_STREQ(newer, "");
  EXPECT_EQ(HostProc<TextFn>("GetOrvexNewerExeFile")(), newer);
}

TEST_F(InProductFolder, ThisIsAndThisContainsTheFolder) {
  ExpectAnswers("ThisIsOrvexDirectory", {{folder, 1},
                                         {Cased(folder, tolower), 1},
                                         {Cased(folder, toupper), 1},
                                         {folder + "\\", 0},
                                         {folder.substr(0, folder.size() - 1), 0},
                                         {folder + " ", 0},
                                         {"", 0}});
  ExpectAnswers("ThisContainsOrvexDirectory", {{Cased(folder, toupper) + "\\ORVEX.HLP", 1},
                                               {"\"" + Cased(folder, tolower) + "\\x.c\" -v", 1},
                                               {folder, 1},
                                               {folder.substr(0, folder.size() - 1), 0},
                                               {"C:\\elsewhere", 0},
                                               {"", 0}});
}

TEST_F(InProductFolder, HelpFilesThereOrNotByIndex) {
  const struct { int index, expected; } cases[] = {{-1, 0}, {0, 1}, {1, 1}, {2, 0}, {3, 0}, {INT_MIN, 0}, {INT_MAX, 0}};
  IndexFn there = HostProc<IndexFn>("IsHelpFileThere");
  for (const auto &c : cases) EXPECT_EQ(there(c.index), c.expected) << c.index;
}

TEST_F(InProductFolder, RemoveVeilExeDeletesOnlyTheProductFoldersFile) {
  std::string other = folder + "\\" + kOtherFolder;
  ASSERT_TRUE(WriteFileText(other + "\\Veil.exe", "veil") && WriteFileText(folder + "\\Veil.exe", "veil"));
  SetCurrentDirectoryA(other.c_str());
  CountFn remove = HostProc<CountFn>("RemoveVeilExe");
  EXPECT_EQ(remove(), 1);
  EXPECT_FALSE(FileExists(folder + "\\Veil.exe"));
  EXPECT_TRUE(FileExists(other + "\\Veil.exe"));
  EXPECT_EQ(remove(), 0);
  SetCurrentDirectoryA(folder.c_str());
}

TEST_F(InProductFolder, ElevatedHelperGetsTheQuotedIdePath) {
  DeleteFileA((folder + "\\args.txt").c_str());
  WatchBoxes({IDOK});
  EXPECT_EQ(HostProc<HelperFn>("DoOrvexExtExeForVista")(HostMainWindow(), 0), 1);
  EXPECT_TRUE(StopWatchingBoxes().empty());
  // The helper was waited for: its record is there.
  EXPECT_EQ(ReadFileText(folder + "\\args.txt"), "1\"" + folder + "\\ORVEX.EXE\"");
  std::vector<std::string> lines = JournalLines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], JournalLine({"runas", "\"" + folder + "\\ORVEXEXT.EXE\"", "1\"" + folder + "\\ORVEX.EXE\""}));
}

// Missing, the helper is named to the user and not started; present but not
// a program, its start fails and so does the call.
TEST_F(InProductFolder, ElevatedHelperMissingOrNotAProgram) {
  std::string helper = folder + "\\ORVEXEXT.EXE", kept = folder + "\\kept.exe";
  ASSERT_TRUE(MoveFileA(helper.c_str(), kept.c_str()));
  HelperFn start = HostProc<HelperFn>("DoOrvexExtExeForVista");
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
