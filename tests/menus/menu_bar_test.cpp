// The menu bar addressed by menu number: the start number, rewriting texts
// while keeping shortcuts and popups, the shortcut search, enabling and
// states, and failure results for bad numbers, an empty table, positions past
// the end and item texts longer than a menu text.
#include "host/dialog_driver.h"
#include "host/files.h"
#include "menus/menu_calls.h"
#include <string.h>

// The table's popups stay; top-level places on the bar shift by the start
// number: the second round ungrays the Build menu where the item pushed it.
TEST_F(MenuBarTest, StartNumberCountsTheSystemItemOnTheBar) {
  HMENU bar = GetMenu(window);
  for (int start : {0, 1}) {
    // The system item: one without text first on the bar, as a maximized child window puts it there.
    if (start) InsertMenuA(bar, 0, MF_BYPOSITION | MF_POPUP | MF_STRING, (UINT_PTR)CreatePopupMenu(), "");
    Call<int>("AdjustOSBugForMenuEmpty");
    EXPECT_EQ(Call<int>("GetStartMainMenuNo"), start);
    int position = -9;
    EXPECT_EQ(Call<HMENU>("FindParentMenuHandleWithSubmenu", 4, -1, -1, &position), bar);
    EXPECT_EQ(position, 4 + start);
    char text[520];
    EXPECT_EQ(Call<int>("GetMenuStringFromMenu", text, 4, -1, -1), 1);
    EXPECT_STREQ(text, "&Build");
    UINT flags = MF_BYPOSITION | (start ? MF_ENABLED : MF_GRAYED);
    EXPECT_EQ(Call<int>("myEnableMenuItem", window, 4, -1, flags), 1);
    EXPECT_EQ(Call<int>("myEnableMenuItem", window, 4, 2, flags), 1);
    EXPECT_EQ((GetMenuState(bar, 4 + start, MF_BYPOSITION) & MF_GRAYED) != 0, !start);
    EXPECT_EQ((GetMenuState(GetSubMenu(bar, 4 + start), 2, MF_BYPOSITION) & MF_GRAYED) != 0, !start);
  }
  EXPECT_EQ(Call<int>("DrawMenuBars", window), 1);
  EXPECT_EQ(Call<int>("DrawMenuBars", window), 0);
}

TEST_F(MenuBarTest, RewritesKeepShortcutsTailsAndPopups) {
  char label[520] = "&Open File";
  EXPECT_EQ(Call<int>("ReplaceMenuStringInMenu", label, 0, 1, -1, MF_BYPOSITION), 1);
  EXPECT_EQ(Text(0, 1), "&Open File\tCtrl+O");
  strcpy(label, "&Make");
  EXPECT_EQ(Call<int>("ReplaceMenuStringInMenu", label, 4, 1, -1, MF_BYPOSITION), 1);
  EXPECT_EQ(Text(4, 1), "&Make\tF9");
  for (const char *tail : {": lib.exe", ": dll.exe"})
    EXPECT_EQ(Call<int>("AddItemToMenuStringInMenu", tail, 4, 1, -1, ':'), 1);
  EXPECT_EQ(Text(4, 1), "&Make: dll.exe\tF9");
  strcpy(label, std::string(515, 'a').c_str()); // with the shortcut it would not fit
  EXPECT_EQ(Call<int>("ReplaceMenuStringInMenu", label, 0, 1, -1, MF_BYPOSITION), 0);
  EXPECT_EQ(Text(0, 1), "&Open File\tCtrl+O");

  // Only the text changes: the entry still opens the table's popup.
  HMENU recent = Call<HMENU>("FindMenuHandle", 0, 28);
  EXPECT_EQ(Call<int>("ModifyMenuStringInMenu", "Recent F&iles", 0, 28, -1, MF_BYPOSITION), 1);
  EXPECT_EQ(HostReadMenuItem(HostMenuPopup(0), 28).popup, recent);

  const char *kTitleItems[2][2] = {
      {"Add Foldername to Title Bar", "Remove Foldername from Title Bar"},
      {"\xc0\xb2\xc4\xd9\xca\xde\xb0\x82\xc9\xcc\xab\xd9\xc0\xde\x96\xbc\x92\xc7\x89\xc1",
       "\xc0\xb2\xc4\xd9\xca\xde\xb0\x82\xcc\xcc\xab\xd9\xc0\xde\x96\xbc\x8d\xed\x8f\x9c"}};
  for (int language : {0, 1})
    for (int shown : {1, 0}) {
      HostSetLanguage(language);
      EXPECT_EQ(Call<int>("AddFolderNameInTitleMenu", shown), 1);
      EXPECT_EQ(Text(2, 8), kTitleItems[language][shown]);
    }
}

TEST_F(MenuBarTest, ShortcutsFindTheirCommands) {
  static const struct { const char *key; bool withMask; int wanted, id; } kSearches[] = {
      {"o", false, 0, 40002},  {"o", true, 1, 40002},  {"o", true, 3, 0},
      {"O ", false, 0, 40002}, {"Op", false, 0, 0},    {"back space", false, 0, 40012},
      {"X", true, 2, 40009},   {"F5", true, 5, 40005}, {"", false, 0, 0},
      {"q", false, 0, 0},      {"w", true, 1, 0}, // only at dynamic places of the Edit and Search menus
      {"p", false, 0, 0},                         // a popup inside a popup is not searched
  };
  for (const auto &search : kSearches) {
    int mask = -1;
    EXPECT_EQ(Call<int>("GetIdFromAltCodeFromMenu", search.key, search.withMask ? &mask : kNoOut, search.wanted),
              search.id)
        << search.key;
    EXPECT_EQ(mask, search.withMask ? (search.id ? search.wanted : 0) : -1) << search.key;
  }
}

TEST_F(MenuBarTest, MenusAreEnabledOnlyWhileNoProjectIsRead) {
  HMENU bar = GetMenu(window);
  Call<void>("SetProgjectRead", 1);
  EXPECT_EQ(Call<int>("EnableBuildMenu", window, 0), 0);
  EXPECT_FALSE(GetMenuState(bar, 4, MF_BYPOSITION) & MF_GRAYED);
  Call<void>("SetProgjectRead", 0);
  EXPECT_EQ(Call<int>("EnableBuildMenu", window, 0), 1);
  EXPECT_TRUE(GetMenuState(bar, 4, MF_BYPOSITION) & MF_GRAYED);
  for (int sub : {1, 5}) { // Open, and the first item of the Export popup
    int item = sub == 5 ? 0 : -1;
    EXPECT_EQ(Call<int>("mySetMenuState", window, 0, sub, item, MF_CHECKED | MF_GRAYED), 1);
    EXPECT_EQ(Call<int>("myGetMenuState", window, 0, sub, item), MF_CHECKED | MF_GRAYED);
  }
}

TEST(MenuPlaceholder, EitherLanguageCountsOnAJapaneseSystem) {
  static const struct {
    int language, japaneseSystem, result;
    const char *text;
  } kRows[] = {{0, 0, 1, "---"}, {0, 0, 0, "\x96\xB3"}, {0, 1, 1, "\x96\xB3"}, {1, 0, 0, "---"},
               {1, 1, 1, "---"}, {1, 0, 1, "\x96\xB3"}, {0, 0, 0, ""}};
  for (const auto &row : kRows) {
    HostSetLanguage(row.language);
    Kit<void>("KitSetJapaneseWindowsSystem", row.japaneseSystem);
    EXPECT_EQ(Call<int>("IsMenuStringDefault", row.text), row.result) << row.language << row.japaneseSystem;
  }
  HostSetLanguage(0);
  Kit<void>("KitSetJapaneseWindowsSystem", -1);
}

// None of these shows a box: the watcher would record it.
TEST_F(MenuBarTest, BadAddressesGiveTheFailureResult) {
  WatchBoxes({IDOK});
  int position = 0;
  EXPECT_EQ(Call<HMENU>("FindParentMenuHandleWithSubmenu", 10, -1, -1, &position), nullptr);
  EXPECT_EQ(Call<int>("ModifyMenuStringInMenu", "x", 10, 0, -1, MF_BYPOSITION), 0);
  EXPECT_EQ(Call<int>("myEnableMenuItem", window, 10, -1, MF_BYPOSITION), 0);
  EXPECT_EQ(StopWatchingBoxes().size(), 0u);

  HMODULE fresh = LoadFreshLibrary();
  ASSERT_NE(fresh, nullptr);
  auto modify = ProcOf<int(__stdcall *)(LPCSTR, int, int, int, UINT)>(fresh, "ModifyMenuStringInMenu");
  auto insert = ProcOf<int(__stdcall *)(LPCSTR, int, int, int, int, int)>(fresh, "InsertItemsInMenu");
  EXPECT_EQ(modify("x", 0, -1, -1, MF_BYPOSITION), 0); // not the bar's first menu
  EXPECT_EQ(HostReadMenuItem(GetMenu(window), 0).text, "&File");
  EXPECT_EQ(insert("x", 8, -1, 9, 32000, 0), -1);
  FreeFreshLibrary(fresh);
}

// A text longer than a menu text is read cut on a whole character and never
// rewritten.
TEST_F(MenuBarTest, OverlongItemsAreReadCutAndLeftAlone) {
  std::string longText = "x";
  for (int i = 0; i < 300; i++) longText += "\x82\xa0";
  ModifyMenuA(HostMenuPopup(6), 1, MF_BYPOSITION | MF_STRING, 40062, longText.c_str());
  char text[520];
  EXPECT_EQ(Call<int>("GetMenuStringFromMenu", text, 6, 1, -1), 1);
  EXPECT_EQ(std::string(text), SjisFit(longText, 519));
  strcpy(text, "&Keys");
  EXPECT_EQ(Call<int>("ReplaceMenuStringInMenu", text, 6, 1, -1, MF_BYPOSITION), 0);
  EXPECT_EQ(Call<int>("SetModifiedKeyStrokeInMenuWithoutMenuString", "Ctrl+K\t6 1 -1|1"), 0);
  EXPECT_EQ(Text(6, 1), longText);
}
