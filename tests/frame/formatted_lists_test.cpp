// Formatted string lists: reading items (never writing into the list, never
// past a 520-byte item buffer), adding, counting, and moving lists to and
// from real list boxes, combo boxes and edit fields; the wrong-kind boxes of
// the disk check in both languages.
#include <gtest/gtest.h>
#include "host/dialog_driver.h"
#include "host/files.h"
#include <string.h>

typedef int(__stdcall *BoxListFn)(HWND, int, HGLOBAL, int);
typedef int(__stdcall *SaveFn)(HWND, int, HGLOBAL *, int);

// Every item of a read-only guarded copy of `list`: "item@next ...". "ポート"
// keeps its trail byte 0x7C; a lead byte before the NUL ends the walk.
TEST(FormattedLists, Reading) {
  const std::string port = "\x83\x7c\x81\x5b\x83\x67";
  const struct { std::string list; int separator; std::string items; } rows[] = {
      {"a; b ;c", ';', "a@2 b@6 c@8 "}, {";a", ';', "@1 a@3 "}, {port + "|x", '|', port + "@7 x@9 "},
      {"a;\x83", ';', "a@2 \x83@4 "}};
  auto read = HostProc<int(__stdcall *)(char *, int, const char *, int)>("GetEachFilesFromFormattedStringPointer");
  char item[520];
  for (const auto &row : rows) {
    char *guarded = GuardedReadOnlyText(row.list.c_str());
    std::string seen;
    for (int offset = 0, next; (next = read(item, offset, guarded, row.separator)) != 0; offset = next)
      seen += std::string(item) + "@" + std::to_string(next) + " ";
    FreeGuarded(guarded);
    EXPECT_EQ(seen, row.items) << row.list;
  }
  // A 600-byte item fills at most 519 bytes, cut before a character that
  // does not fit; the next offset still skips the whole item.
  std::string longItem = "xx";
  while (longItem.size() < 600) longItem += "\x83\x41";
  char buffer[600];
  memset(buffer, '#', sizeof buffer);
  EXPECT_EQ(read(buffer, 0, (longItem + ";b").c_str(), ';'), (int)longItem.size() + 1);
  EXPECT_EQ(std::string(buffer), longItem.substr(0, 518));
  EXPECT_EQ(std::string(buffer + 519, 81), std::string(81, '#'));
}

// Adding and counting; an item too long to be read back whole is refused.
TEST(FormattedLists, AddingAndCounting) {
  static const std::string tooLong(600, 'x');
  const struct { const char *before, *text; int result; const char *after; } rows[] = {
      {"a", "b", 2, "a;b"}, {"a;b", "B", 0, "a;b"}, {"a;b;", "c", 2, "a;b;c"},
      {"a;b", "", 4, ""},   {0, "a", 2, "a"},       {"a", tooLong.c_str(), 0, "a"}};
  auto add = HostProc<int(__stdcall *)(HWND, const char *, HGLOBAL *, int)>("AddFormattedStringFromEachFile");
  for (const auto &row : rows) {
    HGLOBAL list = (row.before ? GlobalText(row.before) : 0);
    EXPECT_EQ(add(0, row.text, &list, ';'), row.result) << row.before;
    EXPECT_EQ(TextOfGlobal(list), row.after) << row.before;
    GlobalFree(list);
  }
  for (auto row : {std::make_pair("a;b;c", 3), std::make_pair("a;;b", 1), std::make_pair("", 0)}) {
    HGLOBAL list = GlobalText(row.first);
    EXPECT_EQ(HostProc<int(__stdcall *)(HGLOBAL, int)>("GetTotalOfItemsFile")(list, ';'), row.second) << row.first;
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
  void TearDown() override { DestroyWindow(window); }
  UINT Message(int id, UINT list, UINT combo) { return id == 1 ? list : combo; }
  void SetLines(int id, std::vector<std::string> lines) {
    SendDlgItemMessageA(window, id, Message(id, LB_RESETCONTENT, CB_RESETCONTENT), 0, 0);
    for (const std::string &line : lines)
      SendDlgItemMessageA(window, id, Message(id, LB_ADDSTRING, CB_ADDSTRING), 0, (LPARAM)line.c_str());
  }
  std::vector<std::string> Lines(int id) {
    std::vector<std::string> lines;
    for (LRESULT i = 0; i < SendDlgItemMessageA(window, id, Message(id, LB_GETCOUNT, CB_GETCOUNT), 0, 0); i++) {
      char line[700] = "";
      SendDlgItemMessageA(window, id, Message(id, LB_GETTEXT, CB_GETLBTEXT), (WPARAM)i, (LPARAM)line);
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
      HGLOBAL list = GlobalText(row.list);
      const char *name = id == 1 ? "IsItemAlteredInListBox" : "IsItemAlteredInComboBox";
      EXPECT_EQ(HostProc<BoxListFn>(name)(window, id, list, ';'), row.altered) << row.list << " box " << id;
      GlobalFree(list);
    }
  }
}

// Saving keeps the box's order, drops case duplicates and skips a line too
// long for an item; an unaltered box saves nothing; an empty edit empties
// the list. Filling adds each item once, cut to the item buffer.
TEST_F(ListBoxes, SavingAndFilling) {
  std::string longLine(600, 'x');
  SetLines(1, {"z", "a", "Z", longLine, "b"});
  HGLOBAL list = GlobalText("x");
  EXPECT_EQ(HostProc<SaveFn>("SaveItemFromListBoxInGlobalMemory")(window, 1, &list, ';'), 1);
  EXPECT_EQ(TextOfGlobal(list), "z;a;b");
  SetLines(2, {"b", "A", "Z"});
  EXPECT_EQ(HostProc<SaveFn>("SaveItemFromComboBoxInGlobalMemory")(window, 2, &list, ';'), 0);
  EXPECT_EQ(HostProc<SaveFn>("SaveItemFromEditBoxInGlobalMemory")(window, 3, &list, 0), -1);
  EXPECT_EQ(TextOfGlobal(list), "");
  GlobalFree(list);
  list = GlobalText("a;b;A;" + longLine);
  for (int id : {1, 2}) {
    SetLines(id, {});
    HostProc<BoxListFn>(id == 1 ? "FillListBoxByGlobalMemory" : "FillComboBoxByGlobalMemory")(window, id, list, ';');
    EXPECT_EQ(Lines(id), (std::vector<std::string>{"a", "b", longLine.substr(0, 519)})) << id;
  }
  GlobalFree(list);
}

// Deleting the selected line gives the line to select next, -1 when the box
// is now empty or nothing was selected, 0 for an empty box.
TEST_F(ListBoxes, Deleting) {
  const struct { std::vector<std::string> lines; int selected, result; std::vector<std::string> after; } rows[] = {
      {{"a", "b", "c"}, 2, 1, {"a", "b"}}, {{"a", "b", "c"}, 0, 0, {"b", "c"}}, {{"a"}, 0, -1, {}},
      {{"a", "b"}, -1, -1, {"a", "b"}},    {{}, -1, 0, {}}};
  for (const auto &row : rows) {
    SetLines(1, row.lines);
    SendDlgItemMessageA(window, 1, LB_SETCURSEL, (WPARAM)row.selected, 0);
    EXPECT_EQ(HostProc<int(__stdcall *)(HWND, int)>("DeleteItemInDirectoryListBox")(window, 1), row.result);
    EXPECT_EQ(Lines(1), row.after);
    if (!row.after.empty() && row.result >= 0) {
      EXPECT_EQ(SendDlgItemMessageA(window, 1, LB_GETCURSEL, 0, 0), row.result);
    }
  }
}

// A file where a folder is wanted shows 308, a folder where a file is
// wanted 118, in the current language; the right kind passes silently.
TEST_F(ListBoxes, DiskCheckOfTheWrongKind) {
  std::string folder = ScratchFolder("lists"), file = folder + "\\a.c";
  WriteFileText(file, "x");
  const struct { int language, kind; std::string path; int message; } rows[] = {
      {0, 0, file, 308}, {1, 0, file, 308}, {0, 1, folder, 118}, {1, 1, folder, 118}, {0, 1, file, 0}};
  for (const auto &row : rows) {
    HostSetLanguage(row.language);
    char text[520];
    strcpy(text, row.path.c_str());
    WatchBoxes({IDOK});
    EXPECT_EQ(HostProc<int(__stdcall *)(HWND, char *, int, int, int, int, int)>("IsItemOkInDisk")(
                  window, text, 1, 40, 41, row.kind, 1),
              row.message ? 0 : 1);
    std::vector<SeenBox> boxes = StopWatchingBoxes();
    ASSERT_EQ(boxes.size(), row.message ? 1u : 0u) << row.path;
    if (!row.message) continue;
    std::string expected = HostMessageText(row.message, row.language);
    EXPECT_EQ(boxes[0].text, expected.replace(expected.find("%s"), 2, row.path));
    EXPECT_EQ(boxes[0].title, HostMessageText(41, row.language));
  }
  HostSetLanguage(0);
  RemoveFolderTree(folder);
}
