// The file and folder choosers, driven through the real common dialogs:
// where they start, the filters they offer in both languages, what a choice
// leaves in the caller's 520-byte buffer, the single-kind check that opens
// the dialog again, and the host callbacks they make.
#include <gtest/gtest.h>
#include "host/dialog_driver.h"
#include "host/files.h"
#include <commdlg.h>
#include <string.h>

typedef int(__stdcall *GetNewFileFn)(HWND, char *, int, int, int, LPARAM);

// The Open dialog's filter list and name field (an edit under Wine, a combo
// box elsewhere), and the folder dialog's tree.
enum { kFilters = 0x470, kNameEdit = 0x480, kNameCombo = 0x47C, kFolderTree = 0x3741 };

// Types `names` (one name, or several each in double quotes) as the file
// name and presses Open, as the user does.
static void ChooseFiles(HWND dialog, const std::string &names) {
  HWND field = GetDlgItem(dialog, kNameEdit);
  SetWindowTextA(field ? field : GetDlgItem(dialog, kNameCombo), names.c_str());
  PressButton(dialog, IDOK);
}

// What the host's callbacks were asked, and what they answer.
static int g_updates = 0;
static LPARAM g_startValue = 0;
static std::string g_hostStart;
static const char *g_extensions[3] = {"c;cpp", 0, 0};
static const char *g_folderNames[3] = {"Sources", "\x83\x7c\x81\x5b\x83\x67", "Other"}; // "ポート"

static int __stdcall UpdateWindows() { return ++g_updates; }
static int __stdcall StartFolder(char *path, LPARAM value) {
  g_startValue = value;
  strcpy(path, g_hostStart.c_str());
  return 0;
}
static const char *__stdcall FolderName(int folder) { return g_folderNames[folder]; }
static const char *__stdcall FolderExtensions(int folder, LPARAM) { return g_extensions[folder]; }
// Cuts the text at its first ';' and tells where, as the host's splitter does.
static char *__stdcall NextExtension(char *text, char **separatorAt, int separator) {
  char *found = strchr(text, separator);
  if (found) *found = 0;
  *separatorAt = found;
  return *text ? text : 0;
}

class Choosers : public ::testing::Test {
protected:
  void SetUp() override {
    folder = ScratchFolder("choosers");
    const std::pair<const char *, void *> callbacks[] = {
        {"EditorUpdateMDIWindowsAPI", (void *)UpdateWindows},
        {"GetDirectoryForChooseFolderAndFileAPI", (void *)StartFolder},
        {"TreeViewGetFolderForSourceFilesAPI", (void *)FolderName},
        {"TreeViewGetExtForSourceFilesAPI", (void *)FolderExtensions},
        {"GetExtFormSeriesOfStringAPI", (void *)NextExtension}};
    for (const auto &callback : callbacks) HostProc<void(__stdcall *)(void *)>(callback.first)(callback.second);
    g_updates = 0;
    g_hostStart = folder;
    for (const char *name : {"main.c", "main.cpp", "util.cpp"}) WriteFileText(folder + "\\" + name, "x");
  }
  void TearDown() override {
    StopWatchingBoxes();
    HostSetLanguage(0);
    HostProc<void(__stdcall *)()>("SetInitialFolderAtFileOpenOrvexEmpty")();
    RemoveFolderTree(folder);
  }
  // Runs GetNewFile from `start`, each dialog answered by the next action.
  int Choose(const char *start, int filter, std::vector<std::function<void(HWND)>> actions, int option = 0) {
    memset(path, 0, sizeof path);
    strcpy(path, start);
    size_t next = 0;
    // An action that chooses nothing leaves the dialog to be cancelled.
    DriveDialogs(kFilters, [&](HWND dialog) {
      if (next < actions.size()) actions[next++](dialog);
      PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    int answer = HostProc<GetNewFileFn>("GetNewFile")(HostMainWindow(), path, filter, 0, option, 77);
    StopDrivingDialogs();
    return answer;
  }
  std::string folder;
  char path[520];
};

static bool SameFolder(const std::string &a, const std::string &b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

// A file's folder, the nearest folder that exists, the host's folder (asked
// with the host value) for a bare name, and the initial folder before all.
// The source folders' filters in both languages, "ポート" whole (its trail
// byte is '|'); a host with no extensions for folder 0 gives the Windows
// source extensions and no further folder.
TEST_F(Choosers, StartFoldersAndFilterLists) {
  std::string sub = MakeFolder(folder + "\\sub");
  const std::vector<std::string> english = {"Sources(*.c;*.cpp)", "\x83\x7c\x81\x5b\x83\x67(*.c;*.cpp;*.asm;*.rc)",
                                            "All Files(*.*)"},
                                 japanese = {"Sources(*.c;*.cpp;*.asm;*.rc)", "\x91\x53\xcc\xa7\xb2\xd9(*.*)"};
  const struct { std::string path, initial, expected; int language; const char *ext0; } rows[] = {
      {folder + "\\main.c", "", folder, 0, "c;cpp"},
      {sub + "\\gone\\deeper\\x.c", "", sub, 0, "c;cpp"},
      {"x.c", "", folder, 0, "c;cpp"},
      {folder + "\\main.c", sub, sub, 0, "c;cpp"},
      {"x.c", "", folder, 1, nullptr},
  };
  for (const auto &row : rows) {
    HostSetLanguage(row.language);
    g_extensions[0] = row.ext0;
    strcpy(HostProc<char *(__stdcall *)()>("GetInitialFolderAtFileOpenOrvex")(), row.initial.c_str());
    std::string seen;
    std::vector<std::string> filters;
    g_startValue = 0;
    EXPECT_EQ(Choose(row.path.c_str(), 0, {[&](HWND dialog) {
                       char text[MAX_PATH] = "";
                       SendMessageA(dialog, CDM_GETFOLDERPATH, sizeof text, (LPARAM)text);
                       seen = text;
                       for (int i = 0; i < SendDlgItemMessageA(dialog, kFilters, CB_GETCOUNT, 0, 0); i++) {
                         SendDlgItemMessageA(dialog, kFilters, CB_GETLBTEXT, i, (LPARAM)text);
                         filters.push_back(text);
                       }
                     }}),
              0);
    EXPECT_TRUE(SameFolder(seen, row.expected)) << row.path << " started in " << seen;
    EXPECT_STREQ(path, "") << row.path;
    EXPECT_EQ(g_startValue, row.path == "x.c" ? 77 : 0) << row.path;
    EXPECT_EQ(filters, row.language ? japanese : english) << row.path;
  }
  g_extensions[0] = "c;cpp";
  EXPECT_EQ(g_updates, 5) << "one repaint per dialog";
}

// One file, two files (full paths, each NUL-ended, then an empty text), and
// a choice too long for the 520-byte buffer: refused with a box, never cut.
TEST_F(Choosers, ChoicesInTheBuffer) {
  ASSERT_EQ(Choose(folder.c_str(), 8193, {[](HWND d) { ChooseFiles(d, "util.cpp"); }}), 1);
  EXPECT_EQ(std::string(path), folder + "\\util.cpp");
  ASSERT_EQ(Choose(folder.c_str(), 0, {[](HWND d) { ChooseFiles(d, "\"main.c\" \"util.cpp\""); }}, 0x200), 1);
  std::string both(path, strlen(path) + 1 + strlen(path + strlen(path) + 1) + 2);
  EXPECT_EQ(both, folder + "\\main.c" + std::string(1, '\0') + folder + "\\util.cpp" + std::string(2, '\0'));
  std::string names;
  for (int i = 0; i < 12; i++) {
    std::string name = std::string(30, 'n') + std::to_string(i) + ".c";
    WriteFileText(folder + "\\" + name, "x");
    names += "\"" + name + "\" ";
  }
  WatchBoxes({IDOK});
  EXPECT_EQ(Choose(folder.c_str(), 0, {[&](HWND d) { ChooseFiles(d, names); }}, 0x200), 0);
  std::vector<SeenBox> boxes = StopWatchingBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, HostMessageText(366, 0));
  EXPECT_STREQ(path, "");
}

// Filter 8193 takes only .cpp: a .c file shows box 98 naming "cpp" and the
// dialog opens again with an empty name; then a .cpp file is taken.
TEST_F(Choosers, SingleKindChooserAsksAgain) {
  std::string nameShownAgain = "?";
  WatchBoxes({IDOK});
  int answer = Choose(folder.c_str(), 8193,
                      {[](HWND d) { ChooseFiles(d, "main.c"); },
                       [&](HWND d) {
                         char name[64] = "?";
                         GetDlgItemTextA(d, 0x480, name, sizeof name);
                         nameShownAgain = name;
                         ChooseFiles(d, "main.cpp");
                       }});
  std::vector<SeenBox> boxes = StopWatchingBoxes();
  EXPECT_EQ(answer, 1);
  EXPECT_EQ(std::string(path), folder + "\\main.cpp");
  EXPECT_EQ(nameShownAgain, "");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Choose a file with the extension .cpp. ");
  EXPECT_EQ(g_updates, 2);
}

// The folder dialog: OK at once gives its start folder; Cancel gives 0.
TEST_F(Choosers, FolderChooser) {
  std::string sub = MakeFolder(folder + "\\sub");
  auto getNewDirectory = HostProc<int(__stdcall *)(HWND, char *, int)>("GetNewDirectory");
  for (bool ok : {true, false}) {
    strcpy(path, sub.c_str());
    EXPECT_EQ(DriveOne(kFolderTree, [ok](HWND d) { PressButton(d, ok ? IDOK : IDCANCEL); },
                       [&] { return getNewDirectory(HostMainWindow(), path, 0); }),
              ok ? 1 : 0);
    if (ok) {
      EXPECT_TRUE(SameFolder(path, sub)) << path;
    }
  }
  EXPECT_EQ(g_updates, 2);
}
