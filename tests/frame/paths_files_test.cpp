// Files on disk: a project file read in each encoding and handed back as
// Shift-JIS, empty and missing files, the nested locks of a function list,
// the existence checks with and without their boxes (answered by the box
// watcher), and the list-box and check-box conveniences.
#include "paths_support.h"
#include "host/box_watcher.h"

static std::string Text(const char *text) { return text ? text : "(null)"; }

typedef LPVOID(__stdcall *LockFn)(void *record);
typedef int(__stdcall *UnlockFn)(void *record);
typedef int(__stdcall *WindowIdFn)(HWND window, int id);
typedef int(__stdcall *WindowIdTextFn)(HWND window, int id, const char *text);
typedef int(__stdcall *WindowIdIntFn)(HWND window, int id, int value);

struct LockRecord {
  HGLOBAL block;
  LPVOID pointer;
  DWORD_PTR count;
};

class PathFiles : public testing::Test {
protected:
  void SetUp() override {
    HostSetLanguage(0);
    folder = MakeScratchFolder();
    ASSERT_FALSE(folder.empty());
  }
  void TearDown() override { RemoveScratchFolder(folder); }
  std::string folder;
};

#define SJIS_TEXT "a\x93\xfa\x96\x7b\x8c\xea\x83\x5c\r\n"
static const char kUtf8[] = "a\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e\xe3\x82\xbd\r\n";
static const char kUtf16[] = "\xff\xfe" "a\x00\xe5\x65\x2c\x67\x9e\x8a\xbd\x30\r\x00\n\x00";

TEST_F(PathFiles, ProjectFileInEachEncoding) {
  auto open = NeedHostProc<ProjectFile>("OpenReadOnlyFileForProject");
  const struct {
    std::string bytes;
    int convert, encoding;
    std::string expected;
  } cases[] = {
      {SJIS_TEXT, 1, 0, SJIS_TEXT},
      {"plain ascii\r\n", 1, 0, "plain ascii\r\n"},
      {kUtf8, 1, 1, SJIS_TEXT},
      {std::string("\xef\xbb\xbf") + kUtf8, 1, 2, SJIS_TEXT},
      {std::string(kUtf16, sizeof kUtf16 - 1), 1, 3, SJIS_TEXT},
      {kUtf8, 0, -7, kUtf8},
      {"", 1, -7, ""},
  };
  for (const auto &c : cases) {
    std::string path = folder + "project.txt";
    ASSERT_TRUE(WriteBytes(path, c.bytes));
    DWORD record[2] = {99, 99};
    int encoding = -7;
    HGLOBAL block = open(path.c_str(), record, &encoding, c.convert);
    ASSERT_NE(block, nullptr) << c.expected;
    EXPECT_EQ(record[0], c.expected.size()) << c.expected;
    EXPECT_EQ(record[1], 0u);
    EXPECT_EQ(encoding, c.encoding) << c.expected;
    EXPECT_EQ(GlobalFlags(block) & GMEM_LOCKCOUNT, 0u) << "handed back locked";
    const char *text = (const char *)GlobalLock(block);
    EXPECT_EQ(std::string(text, record[0]), c.expected);
    EXPECT_EQ(text[record[0]], 0);
    GlobalUnlock(block);
    GlobalFree(block);
  }
  DWORD record[2] = {99, 99};
  EXPECT_EQ(open((folder + "missing.txt").c_str(), record, 0, 1), nullptr);
  EXPECT_EQ(open(folder.c_str(), record, 0, 1), nullptr);
}

TEST_F(PathFiles, ProjectFileThatCannotBeConvertedGivesNothing) {
  std::string path = folder + "broken.txt";
  ASSERT_TRUE(WriteBytes(path, "\xef\xbb\xbf" "bad \xff\xfe bytes"));
  DWORD record[2];
  int encoding = -7;
  EXPECT_EQ(NeedHostProc<ProjectFile>("OpenReadOnlyFileForProject")(path.c_str(), record, &encoding, 1), nullptr);
  EXPECT_EQ(encoding, -7);
}

TEST(FunctionListLocks, NestedLockAndUnlock) {
  auto lock = NeedHostProc<LockFn>("GlobalLockForPointerOfFunctionList");
  auto unlock = NeedHostProc<UnlockFn>("GlobalUnlockForPointerOfFunctionList");
  LockRecord record = {GlobalAlloc(GMEM_MOVEABLE, 16), 0, 0};
  ASSERT_NE(record.block, nullptr);
  LPVOID first = lock(&record);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(lock(&record), first);
  EXPECT_EQ(record.count, 2u);
  EXPECT_EQ(unlock(&record), 0);
  EXPECT_EQ(record.pointer, first);
  EXPECT_EQ(unlock(&record), 1);
  EXPECT_EQ(record.pointer, nullptr);
  EXPECT_EQ(GlobalFlags(record.block) & GMEM_LOCKCOUNT, 0u);
  EXPECT_EQ(unlock(&record), 1);
  GlobalFree(record.block);
  LockRecord empty = {0, 0, 0};
  EXPECT_EQ(lock(&empty), nullptr);
  EXPECT_EQ(unlock(&empty), 0);
  EXPECT_EQ(lock(0), nullptr);
  EXPECT_EQ(unlock(0), 0);
}

TEST_F(PathFiles, KindAndExistence) {
  std::string file = folder + "a b.c";
  ASSERT_TRUE(WriteBytes(file, "x"));
  auto kind = NeedHostProc<PathToInt>("IsDirectoryAttributeForOrvex");
  auto exists = NeedHostProc<PathToInt>("IsFileDirExistForOrvex");
  std::string quoted = "\"" + file + "\"";
  const struct {
    std::string path;
    int kind, exists;
  } cases[] = {{file, 2, 1}, {folder, 4, 1}, {quoted, 0, 1}, {folder + "none.c", 0, 0}, {"\"\"", 0, 0}};
  for (const auto &c : cases) {
    char *path = GuardedReadOnlyText(c.path.c_str());
    EXPECT_EQ(kind(path), c.kind) << c.path;
    EXPECT_EQ(exists(path), c.exists) << c.path;
    EXPECT_EQ(std::string(path), c.path);
    FreeGuarded(path);
  }
}

TEST_F(PathFiles, FileExistWithMessage) {
  auto check = NeedHostProc<FileWithMessage>("GetFileExistWithMessage");
  std::string file = folder + "main.c";
  ASSERT_TRUE(WriteBytes(file, "x"));
  char path[MAX_PATH];
  strcpy(path, ("\"" + file + "\"").c_str());
  EXPECT_EQ(check(0, path, 40, 42, 41, 1), path);
  EXPECT_EQ(std::string(path), file);

  std::string missing = folder + "gone.c";
  const struct {
    int secondId, show;
    const char *result; // null: no result, path unchanged
    const char *textStart;
  } cases[] = {
      {42, 0, "Notepad.exe", 0},
      {0, 0, 0, 0},
      {42, 1, "Notepad.exe", "The file or folder cannot be found.Notepad.exe Choosing files \n"},
      {0, 1, 0, "The file or folder cannot be found.\n"},
  };
  for (const auto &c : cases) {
    strcpy(path, missing.c_str());
    WatchBoxes({IDOK});
    char *result = check(0, path, 40, c.secondId, 41, c.show);
    std::vector<SeenBox> seen = StopWatchingBoxes();
    EXPECT_EQ(Text(result), Text(c.result ? c.result : 0));
    EXPECT_EQ(std::string(path), c.result ? c.result : missing);
    if (!c.textStart) {
      EXPECT_TRUE(seen.empty());
      continue;
    }
    ASSERT_EQ(seen.size(), 1u);
    std::string expected = std::string(c.textStart) + missing + "\n\nOS>> ";
    EXPECT_EQ(seen[0].text.substr(0, expected.size()), expected);
    EXPECT_EQ(seen[0].title, "Checking files and folders");
    EXPECT_EQ(seen[0].style, (UINT)(MB_ICONEXCLAMATION | MB_OK));
  }
}

TEST_F(PathFiles, DirExistWithMessage) {
  auto check = NeedHostProc<DirWithMessage>("GetDirExistWithMessage");
  char path[MAX_PATH];
  strcpy(path, folder.c_str());
  WatchBoxes({IDOK});
  EXPECT_EQ(check(0, path, 226, 1), path);
  std::string missing = folder + "none";
  strcpy(path, missing.c_str());
  EXPECT_EQ(check(0, path, 226, 0), nullptr);
  EXPECT_EQ(check(0, path, 226, 1), nullptr);
  std::vector<SeenBox> seen = StopWatchingBoxes();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, "The folder is not valid.\n" + missing);
  EXPECT_EQ(seen[0].title, "Checking folders");
}

// A hidden window holding a list box (id 100), a check box (101) and an
// edit control (102).
static HWND MakeControls() {
  HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 200, 0, 0, 0, 0);
  CreateWindowExA(0, "LISTBOX", "", WS_CHILD | LBS_USETABSTOPS, 0, 0, 200, 100, window, (HMENU)100, 0, 0);
  CreateWindowExA(0, "BUTTON", "", WS_CHILD | BS_AUTOCHECKBOX, 0, 110, 100, 20, window, (HMENU)101, 0, 0);
  CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 140, 100, 20, window, (HMENU)102, 0, 0);
  return window;
}

TEST(DialogConveniences, ChecksTabsAndTexts) {
  HWND window = MakeControls();
  ASSERT_NE(window, nullptr);
  auto checked = NeedHostProc<WindowIdFn>("GetCheckedStateForOrvex");
  CheckDlgButton(window, 101, BST_CHECKED);
  EXPECT_EQ(checked(window, 101), 1);
  EnableWindow(GetDlgItem(window, 101), FALSE);
  EXPECT_EQ(checked(window, 101), 0);
  EXPECT_EQ(checked(window, 999), 0);
  EXPECT_EQ(checked(0, 101), 0);

  auto put = NeedHostProc<WindowIdTextFn>("PutVkeyNameInEdit");
  char text[32];
  put(window, 102, "Ctrl+F5");
  GetDlgItemTextA(window, 102, text, sizeof text);
  EXPECT_EQ(std::string(text), "Ctrl+F5");
  put(GetDlgItem(window, 102), 0, "Alt+X");
  GetDlgItemTextA(window, 102, text, sizeof text);
  EXPECT_EQ(std::string(text), "Alt+X");

  HWND box = GetDlgItem(window, 100);
  RECT area;
  GetClientRect(box, &area);
  int outside = area.right + 10;
  const struct {
    const char *function;
    HWND dialog;
    int id, position, expected;
  } cases[] = {
      {"SetTab", window, 100, 0, outside},          {"SetTab", window, 100, 40, 40},
      {"SetTab", window, 999, 40, 0},               {"SetListTabs", window, 100, 0, outside},
      {"SetListTabs", box, 0, 40, 40},              {"SetListTabsOutsideRect", window, 100, 40, outside},
      {"SetListTabsOutsideRect", box, 0, 500, 500}, {"SetListTabs", 0, 0, 40, 0},
  };
  for (const auto &c : cases)
    EXPECT_EQ(NeedHostProc<WindowIdIntFn>(c.function)(c.dialog, c.id, c.position), c.expected)
        << c.function << " " << c.id << " " << c.position;
  DestroyWindow(window);
  typedef int(__stdcall * IntFn)(int);
  EXPECT_EQ(NeedHostProc<IntFn>("SetTerminatedWindowsInOrvexstr")(7), 7);
}
