// The "Add Folders" list editor and the rename dialog, run as real modal
// dialogs: their buttons, what they refuse (with the box the user sees),
// what they leave in the host's list or path buffer, and the host callbacks
// they make.
#include <gtest/gtest.h>
#include "host/box_watcher.h"
#include "host/common_dialogs.h"
#include "host/dialog_driver.h"
#include "host/host.h"
#include "host/main_window.h"
#include "host/product_copy.h"
#include "host/scratch_folder.h"
#include <string.h>

typedef int(__stdcall *OpenEditFn)(HWND, int, int, HGLOBAL *);
typedef int(__stdcall *RenameFn)(HWND, int, const char *, char *);
typedef int(__stdcall *SelectIntoFn)(HWND, int, int, int, HGLOBAL *, int);
typedef void *(__stdcall *SetterFn)(void *);

enum { kEditItem = 1092, kBrowse = 1014, kAdd = 1094, kDelete = 1095, kAddOnOk = 40202, kList = 25000 };
enum { kNewName = 40005, kExtension = 1102 };

static HGLOBAL ListOf(const std::string &text) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  strcpy((char *)GlobalLock(block), text.c_str());
  GlobalUnlock(block);
  return block;
}

static std::string TextOf(HGLOBAL block) {
  std::string text = (const char *)GlobalLock(block);
  GlobalUnlock(block);
  return text;
}

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
    StopDrivingDialogs();
    StopWatchingBoxes();
    HostProc<SetterFn>("CheckFolderSelectionValidForOpenEditDlgAPI")(0);
    RemoveFolderTree(folder);
  }
  std::string Path(const char *name) { return folder + "\\" + name; }
  int Open(HGLOBAL *list, std::function<void(HWND)> action) {
    DriveDialogs(kList, action);
    int answer = HostProc<OpenEditFn>("OpenEditDialog")(HostMainWindow(), 0, 0, list);
    EXPECT_EQ(StopDrivingDialogs(), 1);
    return answer;
  }
  std::string folder;
};

// Buttons follow the list, its selection and the edit; Add refuses a missing
// folder, a file (box 308) and what the host vetoes; Cancel keeps the list
// and puts the host's initial folder back.
TEST_F(EditDialog, ButtonsAndAdding) {
  char *initial = HostProc<char *(__stdcall *)()>("GetInitialFolderAtFileOpenOrvex")();
  strcpy(initial, "C:\\before");
  HGLOBAL list = ListOf(Path("a"));
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
  EXPECT_EQ(TextOf(list), Path("a"));
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
  HGLOBAL empty = ListOf("");
  bool okEnabled = true;
  Open(&empty, [&](HWND d) {
    okEnabled = Enabled(d, IDOK);
    PressButton(d, IDCANCEL);
  });
  EXPECT_FALSE(okEnabled);
  GlobalFree(empty);
  HGLOBAL list = ListOf(Path("a") + ";" + Path("b"));
  EXPECT_EQ(Open(&list, [&](HWND d) {
              SetDlgItemTextA(d, kEditItem, Path("c").c_str());
              CheckDlgButton(d, kAddOnOk, BST_CHECKED);
              PressButton(d, IDOK);
            }), 1);
  EXPECT_EQ(TextOf(list), Path("a") + ";" + Path("b") + ";" + Path("c"));
  EXPECT_EQ(HostProc<int(__stdcall *)()>("IsAddItemsIntoListBoxForEditBoxDialog")(), 1);
  HostProc<void(__stdcall *)(int)>("SetAddItemsIntoListBoxForEditBoxDialog")(0);
  GlobalFree(list);
}

// "..." with kind 100 chooses an existing file into the edit; the list then
// reaches the host's combo box, and a cancelled edit leaves its field alone.
TEST_F(EditDialog, BrowseAndSelectIntoBoxes) {
  HostProc<int(__stdcall *)(int, int, int)>("SetParametesForOpenEditDlg")(100, 0, 8190);
  HWND box = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 200, HostMainWindow(), 0, 0, 0);
  CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | CBS_DROPDOWNLIST, 0, 0, 200, 100, box, (HMENU)7, 0, 0);
  CreateWindowExA(0, "EDIT", "kept", WS_CHILD, 0, 0, 200, 20, box, (HMENU)8, 0, 0);
  HGLOBAL list = ListOf(Path("file.c"));
  std::string chosen;
  DriveDialogs(kList, [&](HWND d) {
    DriveDialogsToo(kFileDialogFilters, [](HWND f) { ChooseInFileDialog(f, "file.c"); });
    ClickNow(d, kBrowse);
    chosen = ControlText(d, kEditItem);
    PressButton(d, IDOK);
  });
  EXPECT_EQ(HostProc<SelectIntoFn>("SelectNewDirectoryIntoComboBox")(box, 0, 0, 0, &list, 0x10007), 1);
  EXPECT_EQ(StopDrivingDialogs(), 2);
  EXPECT_EQ(chosen, Path("file.c"));
  EXPECT_EQ(ControlText(box, 7), Path("file.c"));
  DriveDialogs(kList, [](HWND d) { PressButton(d, 1000); });
  EXPECT_EQ(HostProc<SelectIntoFn>("SelectNewDirectoryIntoEditBox")(box, 0, 0, 0, &list, 8), 0);
  EXPECT_EQ(ControlText(box, 8), "kept");
  EXPECT_EQ(HostProc<OpenEditFn>("OpenEditDialog")(box, 0, 0, nullptr), 0);
  HostProc<int(__stdcall *)(int, int, int)>("SetParametesForOpenEditDlg")(0, 0, 0);
  DestroyWindow(box);
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

struct RenameRow {
  std::string path;
  const char *extensions, *name, *extension;
  int answer, result;
  std::vector<int> boxes; // message ids of the boxes shown, in order
};

class RenameDialog : public ::testing::Test {
protected:
  void SetUp() override {
    HostProc<SetterFn>("StopBecauseSameFileExistAPI")((void *)SameFileExists);
    g_newPath.clear();
  }
  void TearDown() override {
    StopDrivingDialogs();
    StopWatchingBoxes();
  }
  // Types the name, picks the extension, presses OK, then Cancel (which only
  // counts when OK left the dialog open).
  int Rename(const RenameRow &row, std::vector<std::string> *extensions, std::vector<SeenBox> *boxes) {
    memset(buffer, 0, sizeof buffer);
    strcpy(buffer, row.path.c_str());
    g_sameFileAnswer = row.answer;
    WatchBoxes({IDOK});
    DriveDialogs(kNewName, [&](HWND d) {
      HWND combo = GetDlgItem(d, kExtension);
      for (int i = 0; i < (int)SendMessageA(combo, CB_GETCOUNT, 0, 0); i++) {
        char text[64] = "";
        SendMessageA(combo, CB_GETLBTEXT, i, (LPARAM)text);
        extensions->push_back(text + std::string(i == SendMessageA(combo, CB_GETCURSEL, 0, 0) ? "*" : ""));
      }
      SetDlgItemTextA(d, kNewName, row.name);
      SendMessageA(combo, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)row.extension);
      ClickNow(d, IDOK);
      PressButton(d, 1000);
    });
    int answer = HostProc<RenameFn>("OpenRenameFileDialog")(HostMainWindow(), 0, row.extensions, buffer);
    StopDrivingDialogs();
    *boxes = StopWatchingBoxes();
    return answer;
  }
  char buffer[520];
};

TEST_F(RenameDialog, Cases) {
  static const std::string longName(30, 'n');
  const RenameRow rows[] = {
      {"C:\\src\\main.c", "c;cpp", "main", ".cpp", 0, 1, {338}},
      {"C:\\src\\main.c", "c;cpp", "main", ".c", 0, 0, {338, 337}},
      {"C:\\src\\main.c", "c;cpp", "other", ".c", 2, 0, {338}},
      {"C:\\src\\main.c", "c;cpp", "a?b", ".c", 0, 0, {-1}},
      {"C:\\" + std::string(240, 'd') + "\\x.c", "c", longName.c_str(), ".c", 0, 0, {-1}},
      {"C:\\src\\x.asm", nullptr, "y", ".asm", 0, 1, {338}},
  };
  const std::vector<std::string> shown[] = {{".c*", ".cpp"}, {".c*", ".cpp"}, {".c*", ".cpp"}, {".c*", ".cpp"},
                                            {".c*"},         {".asm*"}};
  for (size_t i = 0; i < sizeof rows / sizeof rows[0]; i++) {
    const RenameRow &row = rows[i];
    std::vector<std::string> extensions;
    std::vector<SeenBox> boxes;
    EXPECT_EQ(Rename(row, &extensions, &boxes), row.result) << i;
    EXPECT_EQ(extensions, shown[i]) << i;
    ASSERT_EQ(boxes.size(), row.boxes.size()) << i;
    for (size_t b = 0; b < boxes.size(); b++) {
      if (row.boxes[b] > 0) {
        EXPECT_EQ(boxes[b].title, HostMessageText(row.boxes[b] == 338 ? 221 : 125, 0)) << i;
      }
    }
  }
  std::string expected = std::string("C:\\src\\x.asm") + '\0' + "C:\\src\\y.asm";
  EXPECT_EQ(std::string(buffer, expected.size() + 1), expected + '\0');
  EXPECT_EQ(g_pairs, (std::vector<int>{118, 0, 311, 1, 123, 0}));
  // The first row: box 338 names the new and the old file.
  std::vector<std::string> ext;
  std::vector<SeenBox> boxes;
  Rename(rows[0], &ext, &boxes);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Rename the file to main.cpp?\n(now main.c)");
  EXPECT_EQ(g_newPath, "C:\\src\\main.cpp");
  // An old path of 260 bytes or more gives 0 and no dialog.
  std::string tooLong = "C:\\" + std::string(300, 'x') + ".c";
  strcpy(buffer, tooLong.c_str());
  EXPECT_EQ(HostProc<RenameFn>("OpenRenameFileDialog")(HostMainWindow(), 0, "c", buffer), 0);
}
