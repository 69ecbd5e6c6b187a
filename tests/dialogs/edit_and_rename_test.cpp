// The "Add Folders" list editor and the rename dialog, run as real modal
// dialogs: their buttons, what they refuse (with the box the user sees),
// what they leave in the host's list or path buffer, and the host callbacks
// they make.
#include <gtest/gtest.h>
#include "host/dialog_driver.h"
#include "host/files.h"
#include <string.h>

typedef int(__stdcall *RenameFn)(HWND, int, const char *, char *);
typedef void *(__stdcall *SetterFn)(void *);

enum { kEditItem = 1092, kAdd = 1094, kDelete = 1095, kAddOnOk = 40202, kList = 25000 };
enum { kNewName = 40005, kExtension = 1102 };

static bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != 0; }

// The host's folder check: it refuses names holding "veto".
static std::vector<std::string> g_checked;
static int __stdcall CheckFolder(HWND dialog, const char *folder) {
  g_checked.push_back(folder);
  return strstr(folder, "veto") == 0;
}

class EditDialog : public ::testing::Test {
protected:
  void SetUp() override {
    folder = ScratchFolder("edit dialog");
    for (const char *name : {"a", "b", "c", "veto"}) MakeFolder(folder + "\\" + name);
    WriteFileText(folder + "\\file.c", "x");
    void *stored = HostProc<SetterFn>("CheckFolderSelectionValidForOpenEditDlgAPI")((void *)CheckFolder);
    EXPECT_EQ(stored, (void *)CheckFolder) << "the setter returns what it stores";
    HostProc<int(__stdcall *)(int, int, int)>("SetParametesForOpenEditDlg")(0, 0, 0);
    g_checked.clear();
  }
  void TearDown() override {
    StopWatchingBoxes();
    HostProc<SetterFn>("CheckFolderSelectionValidForOpenEditDlgAPI")(0);
    RemoveFolderTree(folder);
  }
  std::string Path(const char *name) { return folder + "\\" + name; }
  int Open(HGLOBAL *list, std::function<void(HWND)> action) { return OpenDriven("OpenEditDialog", list, kList, action); }
  std::string folder;
};

// Buttons follow the list, its selection and the edit; Add refuses a missing
// folder, a file (box 308) and what the host vetoes; Cancel keeps the list
// and puts the host's initial folder back.
TEST_F(EditDialog, ButtonsAndAdding) {
  char *initial = HostProc<char *(__stdcall *)()>("GetInitialFolderAtFileOpenOrvex")();
  strcpy(initial, "C:\\before");
  HGLOBAL list = GlobalText(Path("a"));
  std::string initialWhileOpen;
  std::vector<bool> states;
  std::vector<int> lines;
  WatchBoxes({IDOK});
  int answer = Open(&list, [&](HWND d) {
    initialWhileOpen = initial;
    states = {Enabled(d, kDelete), Enabled(d, kAdd), Enabled(d, IDOK)};
    for (std::string typed : {Path("missing"), Path("file.c"), Path("veto"), Path("b")}) {
      SetDlgItemTextA(d, kEditItem, typed.c_str());
      states.push_back(Enabled(d, kAdd));
      ClickNow(d, kAdd);
      lines.push_back((int)SendDlgItemMessageA(d, kList, LB_GETCOUNT, 0, 0));
    }
    PressButton(d, 1000);
  });
  std::vector<SeenBox> boxes = StopWatchingBoxes();
  EXPECT_EQ(answer, 0);
  EXPECT_EQ(TextOfGlobal(list), Path("a"));
  EXPECT_EQ(initialWhileOpen, Path("a"));
  EXPECT_STREQ(initial, "C:\\before");
  EXPECT_EQ(states, (std::vector<bool>{true, false, true, true, true, true, true}));
  EXPECT_EQ(lines, (std::vector<int>{1, 1, 1, 2}));
  EXPECT_EQ(g_checked, (std::vector<std::string>{Path("veto"), Path("b")}));
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_NE(boxes[0].text.find(Path("missing")), std::string::npos) << boxes[0].text;
  EXPECT_EQ(boxes[1].text, Path("file.c") + " is a file. Choose a folder.");
  GlobalFree(list);
}

// An empty list disables OK; with 40202 checked OK adds the edit's folder
// and saves "a;b;c" without a final separator.
TEST_F(EditDialog, OkSavesTheList) {
  HGLOBAL empty = GlobalText("");
  bool okEnabled = true;
  Open(&empty, [&](HWND d) {
    okEnabled = Enabled(d, IDOK);
    PressButton(d, IDCANCEL);
  });
  EXPECT_FALSE(okEnabled);
  GlobalFree(empty);
  HGLOBAL list = GlobalText(Path("a") + ";" + Path("b"));
  EXPECT_EQ(Open(&list, [&](HWND d) {
              SetDlgItemTextA(d, kEditItem, Path("c").c_str());
              CheckDlgButton(d, kAddOnOk, BST_CHECKED);
              PressButton(d, IDOK);
            }), 1);
  EXPECT_EQ(TextOfGlobal(list), Path("a") + ";" + Path("b") + ";" + Path("c"));
  EXPECT_EQ(HostProc<int(__stdcall *)()>("IsAddItemsIntoListBoxForEditBoxDialog")(), 1);
  HostProc<void(__stdcall *)(int)>("SetAddItemsIntoListBoxForEditBoxDialog")(0);
  GlobalFree(list);
}

// ---- Rename ----

static std::string g_newPath;
static std::vector<int> g_pairs;
static int g_sameFileAnswer = 0;
static int __stdcall SameFileExists(HWND, const char *path, const int *first, const int *second, int value, int zero) {
  g_newPath = path;
  g_pairs = {first[0], first[1], second[0], second[1], value, zero};
  return g_sameFileAnswer;
}

// Renames with `name` and `extension` picked, pressing OK, then Cancel
// (which counts only when OK left the dialog open). `shown` receives the
// drop-down list ("*" after the selected line), `titles` the title ids of
// the boxes (0 for Kitlib's own).
static int Rename(char *buffer, const char *extensions, const char *name, const char *extension,
                  std::string *shown, std::string *titles, std::string *firstBox) {
  WatchBoxes({IDOK});
  auto rename = HostProc<RenameFn>("OpenRenameFileDialog");
  int answer = DriveOne(kNewName, [&](HWND d) {
    HWND combo = GetDlgItem(d, kExtension);
    for (int i = 0; i < (int)SendMessageA(combo, CB_GETCOUNT, 0, 0); i++) {
      char text[64] = "";
      SendMessageA(combo, CB_GETLBTEXT, i, (LPARAM)text);
      *shown += text + std::string(i == SendMessageA(combo, CB_GETCURSEL, 0, 0) ? "* " : " ");
    }
    SetDlgItemTextA(d, kNewName, name);
    SendMessageA(combo, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)extension);
    ClickNow(d, IDOK);
    PressButton(d, 1000);
  }, [&] { return rename(HostMainWindow(), 0, extensions, buffer); });
  for (const SeenBox &box : StopWatchingBoxes()) {
    *titles += box.title == HostMessageText(221, 0) ? "221 " : box.title == HostMessageText(125, 0) ? "125 " : "0 ";
    if (firstBox->empty()) *firstBox = box.text;
  }
  return answer;
}

// main.c to .cpp (box 338 naming both files, then old path, NUL, new path);
// the same name (337 and the dialog stays); the host's answer 2 keeps it
// open; "a?b" and a new path of 260 bytes are bad names; an extension that
// is not listed is added and selected, also with no list at all.
TEST(RenameDialog, Cases) {
  HostProc<SetterFn>("StopBecauseSameFileExistAPI")((void *)SameFileExists);
  static const std::string longName(30, 'n'), deep = "C:\\" + std::string(240, 'd') + "\\x.c";
  const struct { std::string path; const char *extensions, *name, *extension; int answer, result;
                 const char *shown, *titles; } rows[] = {
      {"C:\\src\\main.c", "c;cpp", "main", ".cpp", 0, 1, ".c* .cpp ", "221 "},
      {"C:\\src\\main.c", "c;cpp", "main", ".c", 0, 0, ".c* .cpp ", "221 125 "},
      {"C:\\src\\main.c", "c;cpp", "other", ".c", 2, 0, ".c* .cpp ", "221 "},
      {"C:\\src\\main.c", "c;cpp", "a?b", ".c", 0, 0, ".c* .cpp ", "0 "},
      {deep, "c", longName.c_str(), ".c", 0, 0, ".c* ", "0 "},
      {"C:\\src\\x.asm", "c", "y", ".asm", 0, 1, ".c .asm* ", "221 "},
      {"C:\\src\\x.asm", nullptr, "y", ".asm", 0, 1, ".asm* ", "221 "},
  };
  for (const auto &row : rows) {
    char buffer[520] = {};
    strcpy(buffer, row.path.c_str());
    g_sameFileAnswer = row.answer;
    std::string shown, titles, firstBox;
    EXPECT_EQ(Rename(buffer, row.extensions, row.name, row.extension, &shown, &titles, &firstBox), row.result)
        << row.path << " " << row.name;
    EXPECT_EQ(shown, row.shown) << row.path;
    EXPECT_EQ(titles, row.titles) << row.path << " " << row.name;
    if (&row != &rows[0]) continue;
    EXPECT_EQ(firstBox, "Rename the file to main.cpp?\n(now main.c)");
    EXPECT_EQ(std::string(buffer, 30), std::string("C:\\src\\main.c") + '\0' + "C:\\src\\main.cpp" + '\0');
    EXPECT_EQ(g_newPath, "C:\\src\\main.cpp");
    EXPECT_EQ(g_pairs, (std::vector<int>{118, 0, 311, 1, 123, 0}));
  }
  char tooLong[520] = "C:\\";
  memset(tooLong + 3, 'x', 300);
  EXPECT_EQ(HostProc<RenameFn>("OpenRenameFileDialog")(HostMainWindow(), 0, "c", tooLong), 0);
}
