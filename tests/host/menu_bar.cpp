// Builds the menu tests' bar from a table of rows: each row adds an item to
// the last popup one level up; a row followed by deeper rows opens a popup.
#include "host/menu_bar.h"
#include "host/main_window.h"
#include <string>

struct MenuRow {
  int level;        // 0 the bar, 1 a top-level menu's item, 2 and 3 nested
  const char *text; // null: a separator
  int id;           // for commands; 1 with "---" is a grayed placeholder
  int fill;         // > 0: that many plain commands instead of this row
};
#define POPUP(level, text) {level, text, 0, 0}
#define ITEM(level, text, id) {level, text, id, 0}
#define SEPARATOR {1, 0, 0, 0}
#define FILL(text, firstId, count) {1, text, firstId, count}

// clang-format off
static const MenuRow kBar[] = {
  POPUP(0, "&File"), ITEM(1, "&New\tCtrl+N", 40001), ITEM(1, "&Open...\tCtrl+O", 40002),
    ITEM(1, "&Save\tCtrl+S", 40003), ITEM(1, "Save &All\tCtrl+Shift+S", 40004), SEPARATOR, POPUP(1, "&Export"),
    ITEM(2, "As &Text...\tCtrl+Shift+F5", 40005), POPUP(2, "As &Image"), ITEM(3, "&PNG\tCtrl+P", 40006),
    FILL("File command", 40100, 22), POPUP(1, "Recent &Files"), ITEM(2, "---", 1), // at 28
    POPUP(1, "Recent &Projects"), ITEM(2, "---", 1), ITEM(1, "E&xit\tAlt+X", 40009),
  POPUP(0, "&Edit"), ITEM(1, "&Undo\tCtrl+Z", 40011), ITEM(1, "Delete &Word\tCtrl+Back Space", 40012), SEPARATOR,
    ITEM(1, "&Home Page", 40013), ITEM(1, "Go to &Line: 12\tCtrl+G", 40014), FILL("Edit command", 40200, 15),
    ITEM(1, "Last &Edit: none\tCtrl+Q", 40015), // at the dynamic place 20
  POPUP(0, "&View"), ITEM(1, "&Toolbar", 40021), FILL("View command", 40300, 7),
    ITEM(1, "Add Foldername to Title Bar", 40022), POPUP(1, "DOS &Function List"), ITEM(2, "&Headers", 40023),
    ITEM(2, "&Functions", 40024),
  POPUP(0, "&Project"), POPUP(1, "Active &Projects"), ITEM(2, "---", 1),
    ITEM(1, "&Open Project...\tCtrl+Shift+O", 40031), ITEM(1, "&Close Project", 40032),
  POPUP(0, "&Build"), ITEM(1, "&Compile\tCtrl+F7", 40041), ITEM(1, "&Build: app.exe\tF9", 40042),
    FILL("Build command", 40400, 16), ITEM(1, "&Next Result\tF4", 40043),
    ITEM(1, "&Previous Result\tShift+F4", 40044),
  POPUP(0, "&Debug"), ITEM(1, "&Turbo Debugger: app.exe\tF8", 40051), ITEM(1, "&Run\tF5", 40052),
    ITEM(1, "Run with &Arguments\tCtrl+Shift+F5", 40053),
  POPUP(0, "&Tools"), ITEM(1, "&Options...\tAlt+O", 40061), ITEM(1, "&Key Strokes...", 40062),
  POPUP(0, "&Search"), ITEM(1, "&Find...\tCtrl+F", 40071), ITEM(1, "&Replace...\tCtrl+R", 40072), SEPARATOR,
    ITEM(1, "Refresh &Function List\tCtrl+L", 40073), SEPARATOR, ITEM(1, "main", 40074),
    ITEM(1, "WinMain\tCtrl+W", 40075),
  POPUP(0, "&Window"), ITEM(1, "&Cascade", 40081), ITEM(1, "&Tile", 40082), ITEM(1, "Arrange &Icons", 40083),
    ITEM(1, "Close &All\tCtrl+Shift+W", 40084), FILL("Window command", 40500, 4), SEPARATOR, ITEM(1, "---", 1),
  POPUP(0, "&Help"), ITEM(1, "&Contents\tF1", 40091), ITEM(1, "&About", 40092),
  POPUP(0, "&Bug Report"), ITEM(1, "&Send Report", 40101),
};
// clang-format on

static void Append(HMENU menu, const MenuRow &row, const char *text, UINT_PTR id, bool popup) {
  UINT flags = !text ? MF_SEPARATOR : MF_STRING | (popup ? MF_POPUP : 0) | (row.id == 1 ? MF_GRAYED : 0);
  AppendMenuA(menu, flags, id, text);
}

static HMENU BuildBar() {
  HMENU open[5] = {CreateMenu(), 0, 0, 0, 0}; // open[n]: where rows of level n go
  size_t count = sizeof kBar / sizeof kBar[0];
  for (size_t i = 0; i < count; i++) {
    const MenuRow &row = kBar[i];
    for (int k = 0; k < row.fill; k++)
      Append(open[1], row, (row.text + (" " + std::to_string(k))).c_str(), row.id + k, false);
    if (row.fill) continue;
    bool opens = row.level == 0 || (i + 1 < count && kBar[i + 1].level > row.level);
    if (opens) open[row.level + 1] = CreatePopupMenu();
    Append(open[row.level], row, row.text, opens ? (UINT_PTR)open[row.level + 1] : (UINT_PTR)row.id, opens);
  }
  return open[0];
}

HWND HostBuildMenuBar() {
  HWND window = HostMainWindow();
  HMENU old = GetMenu(window);
  SetMenu(window, BuildBar());
  if (old) DestroyMenu(old);
  return window;
}

HostMenuItem HostReadMenuItem(HMENU menu, int position) {
  char text[1024] = "";
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING | MIIM_ID | MIIM_STATE | MIIM_SUBMENU;
  info.dwTypeData = text;
  info.cch = sizeof text;
  if (!GetMenuItemInfoA(menu, (UINT)position, TRUE, &info)) return {"", 0, 0, 0};
  return {text, info.hSubMenu ? -1 : (int)info.wID, info.fState, info.hSubMenu};
}

HMENU HostMenuPopup(int bar, int position) {
  HMENU menu = GetSubMenu(GetMenu(HostMainWindow()), bar);
  return position < 0 ? menu : GetSubMenu(menu, position);
}
