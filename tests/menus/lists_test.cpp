// Numbered lists in the menus: heads and identifiers after every change,
// places past the keyed ones, names compared with single-byte letters folded,
// the placeholder of an empty list, the window list's fixed commands, the
// active projects from a combo box, and a failed Windows call.
#include "host/dialog_driver.h"
#include "host/files.h"
#include "menus/menu_calls.h"
#include <string.h>

class ListsTest : public MenuBarTest {
protected:
  std::string folder;
  void SetUp() override {
    MenuBarTest::SetUp();
    folder = ScratchFolder("menus") + "\\";
  }
  void TearDown() override {
    RemoveFolderTree(folder);
    MenuBarTest::TearDown();
  }
  // Names in the ANSI code page, as the library passes them on.
  std::string File(const char *name) {
    CloseHandle(CreateFileA((folder + name).c_str(), GENERIC_WRITE, 0, 0, CREATE_ALWAYS, 0, 0));
    return folder + name;
  }
};

static std::string Head(int place) {
  if (place < 10) return std::string("&") + char('0' + place) + " ";
  return place < 36 ? std::string("&") + char('A' + place - 10) + " " : " ";
}

static int Modify(const char *list, const std::string &name) { return Call<int>(list, name.c_str()); }

TEST_F(ListsTest, RecentFilesComeFirstAndAreComparedByName) {
  std::string a = File("a.c"), b = File("b.c"), kana = File("\x83\x41.c");
  EXPECT_EQ(Modify("ModifyRecentFileMenu", a), 1);
  EXPECT_EQ(Modify("ModifyRecentFileMenu", b), 1);
  HMENU recent = HostMenuPopup(0, 28);
  for (int place : {0, 1}) {
    HostMenuItem item = HostReadMenuItem(recent, place);
    EXPECT_EQ(item.text, Head(place) + (place ? a : b));
    EXPECT_EQ(item.id, 34000 + place);
    EXPECT_EQ(item.state & MFS_GRAYED, 0u);
  }
  std::string upper = a;
  for (char &c : upper) c = (char)toupper((unsigned char)c);
  EXPECT_EQ(Modify("ModifyRecentFileMenu", upper), 0);
  EXPECT_EQ(Modify("ModifyRecentFileMenu", folder + "missing.c"), 0);
  // The file system takes "\x83\x61.c" for the same file; the list does not.
  EXPECT_EQ(Modify("ModifyRecentFileMenu", kana), 1);
  EXPECT_EQ(Modify("ModifyRecentFileMenu", folder + "\x83\x61.c"), 1);
  EXPECT_EQ(GetMenuItemCount(recent), 4);
  std::string renamed = folder + "renamed.c";
  EXPECT_EQ(Call<int>("RenameRecentFileMenu", upper.c_str(), renamed.c_str()), 1);
  EXPECT_EQ(HostReadMenuItem(recent, 3).text, "&3 " + renamed);
}

// Deleting the top moves every name up one place and inserting moves it
// back: heads grow from one blank to "&Z " and shrink again, names intact.
TEST_F(ListsTest, ThirtySevenWindowsKeepTheirNamesThroughRenumbering) {
  auto name = [](int i) { return "w" + std::to_string(100 + i); };
  auto expect = [&](int newest) {
    HMENU list = HostMenuPopup(8);
    ASSERT_EQ(GetMenuItemCount(list), 9 + newest + 1);
    for (int place = 0; place <= newest; place++) {
      HostMenuItem item = HostReadMenuItem(list, 9 + place);
      EXPECT_EQ(item.text, Head(place) + name(newest - place));
      EXPECT_EQ(item.id, 32000 + place);
    }
  };
  for (int i = 0; i < 37; i++) EXPECT_EQ(Modify("ModifyFileInWindowsOpenMenu", name(i)), 1);
  expect(36);
  EXPECT_EQ(Call<int>("DeleteFileInOpenWindowsMenu", "W136"), 9);
  expect(35);
  EXPECT_EQ(Modify("ModifyOpenFileInWindowsMenu", name(36)), 1);
  expect(36);
}

TEST_F(ListsTest, WindowListMovesAndRenamesBehindItsFixedCommands) {
  for (const char *name : {"one.c", "two.c", "three.c"}) EXPECT_EQ(Call<int>("ModifyFileInWindowsOpenMenu", name), 1);
  auto names = [] {
    std::string all;
    for (int p = 9; p < GetMenuItemCount(HostMenuPopup(8)); p++) all += Text(8, p) + "|";
    return all;
  };
  EXPECT_EQ(Call<int>("MoveToFirstInOpenWindowMenu", 11, -1, 0), 1);
  EXPECT_EQ(names(), "&0 one.c|&1 three.c|&2 two.c|");
  EXPECT_EQ(Call<int>("MoveMenuStringToFirstInOpenWindowMenu", "TWO.C", 0), 1);
  EXPECT_EQ(names(), "&0 two.c|&1 one.c|&2 three.c|");
  // Without a first position nothing is renumbered; position 3 holds a
  // fixed command, not a list item.
  EXPECT_EQ(Call<int>("AddItemsInMenu", "four.c", 8, -1, -1, 32000, 0), 1);
  EXPECT_EQ(Text(8, 0), "&Cascade");
  EXPECT_EQ(Call<int>("DeleteFileInOpenWindowsMenu", "four.c"), 12);
  EXPECT_EQ(Call<int>("MoveToFirstInOpenWindowMenu", 3, -1, 0), 0);
  EXPECT_EQ(Call<int>("DeleteItemFromMenu", 8, 3, -1, 9, 32000, 0), 0);
  EXPECT_EQ(Text(8, 3), "Close &All\tCtrl+Shift+W");
  // The name is replaced behind the head, not where it first occurs.
  for (const char *name : {"1", "z"}) EXPECT_EQ(Call<int>("ModifyFileInWindowsOpenMenu", name), 1);
  EXPECT_EQ(Call<int>("RenameFileInOpenWindowsMenu", "1", "x.c"), 1);
  EXPECT_EQ(Call<int>("RenameFileInOpenWindowsMenu", "ONE.C", "uno.c"), 1);
  EXPECT_EQ(names(), "&0 z|&1 x.c|&2 two.c|&3 uno.c|&4 three.c|");
  EXPECT_EQ(Call<int>("DeleteFileInOpenWindowsMenu", "none"), -1);
  // An item without a head or a blank is passed over.
  AppendMenuA(HostMenuPopup(8), MF_STRING, 32100, "&");
  char text[520];
  EXPECT_EQ(Call<int>("IsItemAlreadyInMenu", "&", 8, -1, 9, text), -1);
  EXPECT_STREQ(text, "&");
  EXPECT_EQ(Call<int>("MoveMenuStringToFirstInOpenWindowMenu", "&", 0), 0);
  for (const char *text : {"", "&", "&1"}) EXPECT_EQ(Call<LPSTR>("GetHeadOfNameInRecentFileFolder", text), nullptr);
}

TEST(ListHeads, HeadsAreRewrittenWholeBeforeTheName) {
  std::string crowded = " " + std::string(518, 'n');
  static const struct {
    const char *text;
    int number, noLetters, clear, result;
    const char *expected;
  } kRows[] = {{"   a.c", 7, 0, 1, 1, "&7 a.c"},
               {"&9 a.c", 10, 1, 0, 1, " a.c"},
               {"xyza.c", 36, 0, 1, 1, " a.c"},
               {crowded.c_str(), 35, 0, 0, 0, crowded.c_str()}};
  for (const auto &row : kRows) {
    char text[520];
    strcpy(text, row.text);
    EXPECT_EQ(Call<int>("FormatRecentFileFolderMenuString", text, row.number, row.noLetters, row.clear), row.result);
    EXPECT_STREQ(text, row.expected);
  }
}

TEST_F(ListsTest, TheLastDeletionLeavesThePlaceholder) {
  std::string project = File("app.prj");
  for (int language : {0, 1}) {
    HostSetLanguage(language);
    EXPECT_EQ(Call<int>("SetFirstItemsInMenu", 0, 29), 1);
    EXPECT_EQ(Modify("ModifyRecentProjectMenu", project), 1);
    EXPECT_EQ(Text(0, 29, 0), "&0 " + project);
    EXPECT_EQ(Modify("DeleteRecentProjectMenu", project), 1);
    EXPECT_EQ(Modify("DeleteRecentProjectMenu", project), 0);
    HostMenuItem placeholder = HostReadMenuItem(HostMenuPopup(0, 29), 0);
    EXPECT_EQ(placeholder.text, language ? "\x96\xB3" : "---");
    EXPECT_EQ(placeholder.id, 1);
    EXPECT_TRUE(placeholder.state & MFS_GRAYED);
  }
}

TEST_F(ListsTest, ActiveProjectsComeFromTheComboBox) {
  HWND combo = CreateWindowA("COMBOBOX", "", WS_CHILD | CBS_DROPDOWNLIST, 0, 0, 200, 200, window, 0, 0, 0);
  for (std::string item : {std::string("p1.prj"), std::string(600, 'p'), std::string("p2.prj")})
    SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM)item.c_str()); // the long one is passed over
  EXPECT_EQ(Call<int>("UpdateAllActiveProjectMenu", 1, combo), 1);
  HMENU list = HostMenuPopup(3, 0);
  ASSERT_EQ(GetMenuItemCount(list), 2);
  EXPECT_EQ(HostReadMenuItem(list, 0).text, "&0 p1.prj");
  EXPECT_EQ(HostReadMenuItem(list, 1).id, 39001);
  EXPECT_EQ(HostReadMenuItem(list, 1).state & MFS_CHECKED, (UINT)MFS_CHECKED);
  EXPECT_EQ(Call<int>("UpdateAllActiveProjectMenu", -1, combo), 0);
  ASSERT_EQ(GetMenuItemCount(list), 1);
  EXPECT_EQ(HostReadMenuItem(list, 0).text, "---");
  EXPECT_EQ(HostReadMenuItem(list, 0).id, 0);
  DestroyWindow(combo);
}

// The list's popup destroyed behind the library's back: the insertion fails,
// the user is told and the name is not reported as listed.
TEST_F(ListsTest, AFailedInsertionIsToldAndGivesZero) {
  std::string project = File("lost.prj");
  DestroyMenu(HostMenuPopup(0, 29));
  WatchBoxes({IDOK});
  EXPECT_EQ(Modify("ModifyRecentProjectMenu", project), 0);
  EXPECT_EQ(StopWatchingBoxes().size(), 1u);
}
