// Formatted string lists: reading items (never writing into the list, never
// past a 520-byte item buffer), adding, counting, and moving lists to and
// from real list boxes, combo boxes and edit fields; the wrong-kind boxes of
// the disk check in both languages.
#include <gtest/gtest.h>
#include "host/box_watcher.h"
#include "host/host.h"
#include "host/main_window.h"
#include "host/product_copy.h"
#include "host/scratch_folder.h"
#include "host/text_checks.h"
#include <string.h>

typedef int(__stdcall *ReadPointerFn)(char *, int, const char *, int);
typedef int(__stdcall *AddFn)(HWND, const char *, HGLOBAL *, int);
typedef int(__stdcall *BoxListFn)(HWND, int, HGLOBAL, int);
typedef int(__stdcall *SaveFn)(HWND, int, HGLOBAL *, int);
typedef int(__stdcall *DialogIdFn)(HWND, int);

static const char kPort[] = "\x83\x7c\x81\x5b\x83\x67"; // "ポート": trail bytes 0x7C and 0x5B

static HGLOBAL ListOf(const char *text) {
  if (!text) return 0;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, strlen(text) + 1);
  strcpy((char *)GlobalLock(block), text);
  GlobalUnlock(block);
  return block;
}

static std::string TextOf(HGLOBAL block) {
  if (!block) return "(none)";
  std::string text = (const char *)GlobalLock(block);
  GlobalUnlock(block);
  return text;
}

// Reads every item of `list` from a read-only guarded copy: "item@next ...".
static std::string ReadAll(const char *list, int separator) {
  char *guarded = GuardedReadOnlyText(list);
  std::string seen;
  char item[520];
  for (int offset = 0, next; (next = HostProc<ReadPointerFn>("GetEachFilesFromFormattedStringPointer")(
                                  item, offset, guarded, separator)) != 0;
       offset = next)
    seen += std::string(item) + "@" + std::to_string(next) + " ";
  FreeGuarded(guarded);
  return seen;
}

TEST(FormattedLists, Reading) {
  const struct { std::string list; int separator; std::string items; } rows[] = {
      {"a; b ;c", ';', "a@2 b@6 c@8 "},
      {";a", ';', "@1 a@3 "},
      {std::string(kPort) + "|x", '|', std::string(kPort) + "@7 x@9 "},
      {"a;\x83", ';', "a@2 \x83@4 "},
  };
  for (const auto &row : rows) EXPECT_EQ(ReadAll(row.list.c_str(), row.separator), row.items) << row.list;
  char item[520];
  EXPECT_EQ(HostProc<ReadPointerFn>("GetEachFilesFromFormattedStringPointer")(item, -1, "a;b", ';'), 0);
}

// A 600-byte item fills at most 519 bytes and a NUL, cut before a character
// that does not fit whole; the next offset still skips the whole item.
TEST(FormattedLists, LongItemsAreCutInTheBuffer) {
  std::string longItem = "xx";
  while (longItem.size() < 600) longItem += "\x83\x41";
  std::string list = longItem + ";b";
  char buffer[600];
  memset(buffer, '#', sizeof buffer);
  int next = HostProc<ReadPointerFn>("GetEachFilesFromFormattedStringPointer")(buffer, 0, list.c_str(), ';');
  EXPECT_EQ(next, (int)longItem.size() + 1);
  EXPECT_EQ(std::string(buffer), longItem.substr(0, 518));
  EXPECT_EQ(std::string(buffer + 519, 81), std::string(81, '#'));
}

// Adding and counting; an item too long to be read back whole is refused.
TEST(FormattedLists, AddingAndCounting) {
  static const std::string tooLong(600, 'x');
  const struct { const char *before, *text; int result; const char *after; } rows[] = {
      {"a", "b", 2, "a;b"},       {"a;b", "B", 0, "a;b"}, {"a;b;", "c", 2, "a;b;c"},
      {"a;b", "", 4, ""},         {0, "a", 2, "a"},       {"a", tooLong.c_str(), 0, "a"},
  };
  for (const auto &row : rows) {
    HGLOBAL list = ListOf(row.before);
    EXPECT_EQ(HostProc<AddFn>("AddFormattedStringFromEachFile")(0, row.text, &list, ';'), row.result) << row.before;
    EXPECT_EQ(TextOf(list), row.after) << row.before;
    GlobalFree(list);
  }
  auto count = HostProc<int(__stdcall *)(HGLOBAL, int)>("GetTotalOfItemsFile");
  for (auto row : {std::make_pair("a;b;c", 3), std::make_pair("a;;b", 1), std::make_pair("", 0)}) {
    HGLOBAL list = ListOf(row.first);
    EXPECT_EQ(count(list, ';'), row.second) << row.first;
    EXPECT_EQ(TextOf(list), row.first);
    GlobalFree(list);
  }
}

// A window holding a list box (1), a combo box (2) and an edit (3).
class ListBoxes : public ::testing::Test {
protected:
  void SetUp() override {
    window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 200, HostMainWindow(), 0, 0, 0);
    const char *classes[] = {"LISTBOX", "COMBOBOX", "EDIT"};
    for (int id = 1; id <= 3; id++)
      CreateWindowExA(0, classes[id - 1], "", WS_CHILD | (id == 2 ? CBS_DROPDOWNLIST : 0), 0, 0, 200, 100, window,
                      (HMENU)(INT_PTR)id, 0, 0);
  }
  void TearDown() override {
    DestroyWindow(window);
    HostSetLanguage(0);
  }
  void SetLines(int id, std::vector<std::string> lines) {
    SendDlgItemMessageA(window, id, id == 1 ? LB_RESETCONTENT : CB_RESETCONTENT, 0, 0);
    for (const std::string &line : lines)
      SendDlgItemMessageA(window, id, id == 1 ? LB_ADDSTRING : CB_ADDSTRING, 0, (LPARAM)line.c_str());
  }
  std::vector<std::string> Lines(int id) {
    std::vector<std::string> lines;
    LRESULT count = SendDlgItemMessageA(window, id, id == 1 ? LB_GETCOUNT : CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; i++) {
      char line[700] = "";
      SendDlgItemMessageA(window, id, id == 1 ? LB_GETTEXT : CB_GETLBTEXT, (WPARAM)i, (LPARAM)line);
      lines.push_back(line);
    }
    return lines;
  }
  HWND window = 0;
};

// Order is not compared, but each line answers for one item only.
TEST_F(ListBoxes, Alteredness) {
  const struct { const char *list; std::vector<std::string> lines; int altered; } rows[] = {
      {"a;b", {"B", "A"}, 0}, {"a;b", {"a", "b", "c"}, 1}, {"a;A", {"a", "b"}, 1}, {"", {}, 0}};
  for (const auto &row : rows) {
    for (int id : {1, 2}) {
      SetLines(id, row.lines);
      HGLOBAL list = ListOf(row.list);
      EXPECT_EQ(HostProc<BoxListFn>(id == 1 ? "IsItemAlteredInListBox" : "IsItemAlteredInComboBox")(window, id, list,
                                                                                                    ';'),
                row.altered)
          << row.list << " box " << id;
      GlobalFree(list);
    }
  }
}

// Saving keeps the box's order, drops case duplicates and skips a line too
// long for an item; an unaltered box saves nothing. Filling adds each item
// once, cut to the item buffer, and selects the first line.
TEST_F(ListBoxes, SavingAndFilling) {
  std::string longLine(600, 'x');
  SetLines(1, {"z", "a", "Z", longLine, "b"});
  HGLOBAL list = ListOf("x");
  EXPECT_EQ(HostProc<SaveFn>("SaveItemFromListBoxInGlobalMemory")(window, 1, &list, ';'), 1);
  EXPECT_EQ(TextOf(list), "z;a;b");
  SetLines(2, {"b", "A", "Z"});
  EXPECT_EQ(HostProc<SaveFn>("SaveItemFromComboBoxInGlobalMemory")(window, 2, &list, ';'), 0);
  GlobalFree(list);
  list = ListOf(("a;b;A;" + longLine).c_str());
  for (int id : {1, 2}) {
    SetLines(id, {});
    HostProc<BoxListFn>(id == 1 ? "FillListBoxByGlobalMemory" : "FillComboBoxByGlobalMemory")(window, id, list, ';');
    EXPECT_EQ(Lines(id), (std::vector<std::string>{"a", "b", longLine.substr(0, 519)})) << id;
    EXPECT_EQ(SendDlgItemMessageA(window, id, id == 1 ? LB_GETCURSEL : CB_GETCURSEL, 0, 0), 0);
  }
  HostProc<void(__stdcall *)(HWND, int, HGLOBAL)>("FillEditBoxByGlobalMemory")(window, 3, list);
  EXPECT_EQ(GetWindowTextLengthA(GetDlgItem(window, 3)), 606);
  GlobalFree(list);
  list = ListOf("a");
  SetDlgItemTextA(window, 3, "");
  EXPECT_EQ(HostProc<SaveFn>("SaveItemFromEditBoxInGlobalMemory")(window, 3, &list, 0), -1);
  EXPECT_EQ(TextOf(list), "");
  SetDlgItemTextA(window, 3, "c:\\x;y");
  EXPECT_EQ(HostProc<SaveFn>("SaveItemFromEditBoxInGlobalMemory")(window, 3, &list, 0), 1);
  EXPECT_EQ(TextOf(list), "c:\\x;y");
  GlobalFree(list);
}

// Deleting the selected line: the next line to select, or -1 when the box is
// now empty or nothing was selected; 0 for an empty box.
TEST_F(ListBoxes, Deleting) {
  const struct { std::vector<std::string> lines; int selected, result; std::vector<std::string> after; } rows[] = {
      {{"a", "b", "c"}, 2, 1, {"a", "b"}},
      {{"a", "b", "c"}, 0, 0, {"b", "c"}},
      {{"a"}, 0, -1, {}},
      {{"a", "b"}, -1, -1, {"a", "b"}},
      {{}, -1, 0, {}},
  };
  for (const auto &row : rows) {
    SetLines(1, row.lines);
    SendDlgItemMessageA(window, 1, LB_SETCURSEL, (WPARAM)row.selected, 0);
    EXPECT_EQ(HostProc<DialogIdFn>("DeleteItemInDirectoryListBox")(window, 1), row.result);
    EXPECT_EQ(Lines(1), row.after);
    if (row.result >= 0 && !row.after.empty()) {
      EXPECT_EQ(SendDlgItemMessageA(window, 1, LB_GETCURSEL, 0, 0), row.result);
    }
  }
}

// A file where a folder is wanted shows 308, a folder where a file is
// wanted 118, in the current language; the right kind passes silently.
TEST_F(ListBoxes, DiskCheckOfTheWrongKind) {
  typedef int(__stdcall *OkInDiskFn)(HWND, char *, int, int, int, int, int);
  std::string folder = ScratchFolder("lists");
  std::string file = folder + "\\a.c";
  WriteFileText(file, "x");
  const struct { int language, kind; std::string path; int message, result; } rows[] = {
      {0, 0, file, 308, 0}, {1, 0, file, 308, 0}, {0, 1, folder, 118, 0},
      {1, 1, folder, 118, 0}, {0, 1, file, 0, 1},  {0, 0, folder, 0, 1},
  };
  for (const auto &row : rows) {
    HostSetLanguage(row.language);
    char text[520];
    strcpy(text, row.path.c_str());
    WatchBoxes({IDOK});
    EXPECT_EQ(HostProc<OkInDiskFn>("IsItemOkInDisk")(window, text, 1, 40, 41, row.kind, 1), row.result);
    std::vector<SeenBox> boxes = StopWatchingBoxes();
    ASSERT_EQ(boxes.size(), row.message ? 1u : 0u) << row.path;
    if (!row.message) continue;
    std::string expected = HostMessageText(row.message, row.language);
    expected.replace(expected.find("%s"), 2, row.path);
    EXPECT_EQ(boxes[0].text, expected);
    EXPECT_EQ(boxes[0].title, HostMessageText(41, row.language));
  }
  RemoveFolderTree(folder);
}
