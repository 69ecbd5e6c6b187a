// The key-stroke store: the snapshot of the menu bar as records (in the
// library's list or the host's tag array), reading a record's place,
// applying records and shortcuts to the items they name, and the node lists
// holding one copy per node until they are released whole.
#include "menus/key_stroke_store.h"
#include "menus/menu_calls.h"
#include <string.h>

typedef MENUKEYNODE *Node;
static KITMEMORYTAG *const kNoTags = nullptr;

static std::vector<std::string> SavedRecords() {
  std::vector<std::string> records;
  Node node = Call<Node>("GetMenuItemSaved", (Node) nullptr, 0);
  for (; node; node = Call<Node>("GetMenuItemSaved", node, 1)) {
    EXPECT_EQ(node->number, (int)records.size());
    records.push_back(node->tag.text);
  }
  return records;
}

// Dynamic places, placeholders, separators and popups inside popups are not
// recorded; a ':' tail is cut; the function-list item is saved under its
// default label.
TEST_F(MenuBarTest, SnapshotRecordsEveryFixedCommand) {
  EXPECT_EQ(Call<int>("SaveMenuItems", 0, kNoTags), 96);
  std::vector<std::string> records = SavedRecords();
  ASSERT_EQ(records.size(), 96u);
  for (const std::string &record : records) {
    int menu, position, popup;
    EXPECT_GE(Call<int>("GetMenuNoFromString", record.c_str(), &menu, &position, &popup), 0) << record;
    EXPECT_EQ(record[0] == '>', popup >= 0) << record;
    EXPECT_EQ(Call<int>("MenuIsNotAllowedToDisplay", menu, position), 0) << record;
  }
  EXPECT_EQ(records[0], "&New\tCtrl+N\t0 0 -1|0");
  EXPECT_EQ(records[4], ">As &Text...\tCtrl+Shift+F5\t0 5 0|4");
  EXPECT_EQ(records[31], "Go to &Line\tCtrl+G\t1 4 -1|3");
  EXPECT_EQ(records[56], ">&Headers\t2 9 0|9");
  EXPECT_EQ(records[78], "&Turbo Debugger\tF8\t5 0 -1|0");
  EXPECT_EQ(records[85], "Create &Function List\tCtrl+L\t7 3 -1|2");

  KITMEMORYTAG current[100] = {}, defaults[100] = {};
  EXPECT_EQ(Call<int>("SaveMenuItems", 0, current), 96);
  EXPECT_STREQ(current[96].text, "");
  EXPECT_EQ(Call<int>("SaveDeafultMenuItems", 0, defaults), 0);
  for (int k = 0; k < 96; k++) {
    EXPECT_EQ(records[k], current[k].text);
    EXPECT_EQ(records[k], defaults[k].text);
    Kit<void>("FreeMemoryTag", &current[k]);
    Kit<void>("FreeMemoryTag", &defaults[k]);
  }
  Kit<void>("FreeMemoryTag", &current[96]);
  EXPECT_EQ(Call<int>("FreeMenuItemSavedMemoryTag"), 96);
  EXPECT_EQ(Call<LPSTR>("GetOrderedMenuItemSavedMenuList", 0), nullptr);
  EXPECT_EQ(Call<Node>("GetMenuItemSaved", (Node) nullptr, 0), nullptr);
}

TEST(KeyStrokeRecords, PlacesAreWrittenAndRead) {
  static const struct {
    const char *text;
    int order, menu, position, popup;
  } kPlaces[] = {{"Open\t0 2 -1|4", 4, 0, 2, -1},
                 {"Open", -1, -2, -2, -2},
                 {"Open\t0 2 -1", -1, 0, 2, -1},
                 {"&Open\tCtrl+O\t3 4", -1, 3, 4, -2}};
  for (const auto &place : kPlaces) {
    int menu, position, popup;
    EXPECT_EQ(Call<int>("GetMenuNoFromString", place.text, &menu, &position, &popup), place.order) << place.text;
    EXPECT_EQ(menu * 10000 + position * 100 + popup, place.menu * 10000 + place.position * 100 + place.popup);
  }
  char text[520] = "Open";
  EXPECT_EQ(Call<LPSTR>("SetFormattedStringInMenuString", text, 0, 2, -1, 4), text);
  EXPECT_STREQ(text, "Open\t0 2 -1|4");
  strcpy(text, std::string(515, 'a').c_str());
  Call<LPSTR>("SetFormattedStringInMenuString", text, 0, 2, -1, 4);
  EXPECT_EQ(strlen(text), 515u);
}

// A record applied twice leaves the item as it was snapshotted and the
// record as it was; a shortcut replaces whatever shortcut the item shows.
TEST_F(MenuBarTest, RecordsApplyAndStayAsTheyAre) {
  Call<int>("SaveMenuItems", 0, kNoTags);
  const char *saved = Call<LPSTR>("GetOrderedMenuItemSavedMenuList", 1);
  std::string record = saved;
  EXPECT_EQ(record, "&Open...\tCtrl+O\t0 1 -1|1");
  EXPECT_EQ(Call<int>("SetModifiedKeyStrokeInMenuWithoutMenuString", "Ctrl+Alt+K\t0 1 -1|1"), 1);
  EXPECT_EQ(Text(0, 1), "&Open...\tCtrl+Alt+K");
  int mask = 0;
  EXPECT_EQ(Call<int>("GetIdFromAltCodeFromMenu", "k", &mask, 3), 40002);
  for (int time = 0; time < 2; time++) EXPECT_EQ(Call<int>("SetModifiedKeyStrokeInMenu", saved), 1);
  EXPECT_EQ(Text(0, 1), "&Open...\tCtrl+O");
  EXPECT_EQ(saved, record);
  static const struct { const char *record; int bar, position, item; const char *text; } kShortcuts[] = {
      {"Ctrl+R\t5 1 -1|1", 5, 1, -1, "&Run\tCtrl+R"},
      {"Alt+Q\t0 30 -1|27", 0, 30, -1, "E&xit\tAlt+Q"},
      {"\t5 1 -1|1", 5, 1, -1, "&Run"},
      {">Ctrl+T\t0 5 0|4", 0, 5, 0, "As &Text...\tCtrl+T"},
  };
  for (const auto &shortcut : kShortcuts) {
    EXPECT_EQ(Call<int>("SetModifiedKeyStrokeInMenuWithoutMenuString", shortcut.record), 1);
    EXPECT_EQ(Text(shortcut.bar, shortcut.position, shortcut.item), shortcut.text);
  }
  EXPECT_EQ(Call<int>("SetModifiedKeyStrokeInMenu", "Open\t0 1"), -1);
  Call<int>("FreeMenuItemSavedMemoryTag");
}

TEST_F(MenuBarTest, NodesHoldOneCopyAndAreReleasedWhole) {
  Node first = Call<Node>("AllocateModifiedKeyStrokeMemoryTag");
  Node second = Call<Node>("AllocateModifiedKeyStrokeMemoryTag");
  ASSERT_TRUE(first && second);
  for (const char *text : {"Ctrl+A\t0 1 -1|1", "Ctrl+B\t0 2 -1|2"})
    EXPECT_EQ(Call<int>("SetModifiedKeyStrokeMemoryTag", first, text), 1);
  EXPECT_EQ(Call<int>("SetModifiedKeyStrokeMemoryTag", second, "Ctrl+C\t0 3 -1|3"), 1);
  EXPECT_EQ(Call<int>("SetMenuItemSavedMemoryTag", second, "not its list"), 0);
  EXPECT_EQ(Kit<int>("KitMemoryTagsOutstanding"), tags + 2);
  EXPECT_STREQ(first->tag.text, "Ctrl+B\t0 2 -1|2");
  EXPECT_EQ(Call<Node>("GetModifiedKeyStroke", (Node) nullptr, 0), first);
  EXPECT_EQ(Call<Node>("GetModifiedKeyStroke", first, 1), second);
  EXPECT_EQ(Call<Node>("GetModifiedKeyStroke", second, 1), nullptr);
  EXPECT_EQ(Call<int>("FreeModifiedKeyStrokeMemoryTag"), 2);
  EXPECT_EQ(Call<Node>("GetModifiedKeyStroke", (Node) nullptr, 0), nullptr);
}
