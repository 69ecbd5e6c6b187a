// The main-menu table: the popup handles of the menu bar's first ten
// positions, taken once the bar exists, so that the host and the library
// address menu items by menu number, position in that menu and position in
// the popup there. The start number says whether the bar holds an extra
// item at position 0 (the system menu of a maximized child window), and is
// added wherever a position on the bar itself is meant; the popup handles
// stay valid either way. The redraw flag collects changes for DrawMenuBars.
#include "menus/menus.h"
#include "frame/message_boxes.h"
#include "frame/orvexmsg.h"

// Table, start number and redraw flag: the host's user-interface thread only.
static struct {
  int number; // -1 ends the table
  HMENU popup;
} g_mainMenus[kMainMenuCount + 1] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0},
                                     {6, 0}, {7, 0}, {8, 0}, {9, 0}, {-1, 0}};
static int g_startNumber = 0;
static bool g_redraw = false;

enum { kMemoryMessage = 2, kMemoryTitle = 3 };
// AdjustOSBugForMenuEmpty reads no more of the bar's first text than this.
enum { kFirstBarTextSize = 9 };

HMENU MainMenuOf(int menu) { return menu >= 0 && menu < kMainMenuCount ? g_mainMenus[menu].popup : 0; }

void MarkMenusChanged(void) { g_redraw = true; }

void SayMenuFailure(void) {
  _myMessageBoxForLoadStringForOrvexWithDoserror(GethWndMain(), 0, GethInstOrvexmsg(), kMemoryMessage, kMemoryTitle);
}

extern "C" int ORVEXAPI RetriveAllMainMenu(HWND window) {
  HMENU bar = window && IsWindow(window) ? GetMenu(window) : 0;
  if (!bar || !IsMenu(bar)) return 0;
  for (int row = 0; g_mainMenus[row].number >= 0; row++) g_mainMenus[row].popup = GetSubMenu(bar, row);
  return 1;
}

extern "C" int ORVEXAPI AdjustOSBugForMenuEmpty(void) {
  HWND main = GethWndMain();
  HMENU bar = main ? GetMenu(main) : 0;
  char first[kFirstBarTextSize] = "";
  if (bar) GetMenuStringA(bar, 0, first, sizeof first, MF_BYPOSITION);
  g_startNumber = bar && !first[0] ? 1 : 0;
  return 1;
}

extern "C" int ORVEXAPI GetStartMainMenuNo(void) { return g_startNumber; }

extern "C" HMENU ORVEXAPI FindMenuHandle(int menu, int sub) {
  HMENU popup = MainMenuOf(menu);
  if (!popup || sub < -1) return 0;
  return sub == -1 ? popup : GetSubMenu(popup, sub);
}

bool FindMenuItem(int menu, int sub, int item, HMENU *container, int *position, bool *separator) {
  HMENU popup = MainMenuOf(menu);
  if (separator) *separator = false;
  *container = 0;
  *position = -1;
  if (!popup || sub < -1 || item < -1) return false;
  if (sub == -1) {
    HWND main = GethWndMain();
    *container = main ? GetMenu(main) : 0;
    *position = menu + g_startNumber;
  } else if (item == -1) {
    *container = popup;
    *position = sub;
  } else {
    *container = GetSubMenu(popup, sub);
    *position = item;
    if (!*container && separator) *separator = (GetMenuState(popup, (UINT)sub, MF_BYPOSITION) & MF_SEPARATOR) != 0;
  }
  if (!*container) *position = -1;
  return *container != 0;
}

bool FindMenuItemOrSay(int menu, int sub, int item, HMENU *container, int *position) {
  bool separator = false;
  if (FindMenuItem(menu, sub, item, container, position, &separator)) return true;
  if (MainMenuOf(menu) && sub >= -1 && item >= -1 && !separator) SayMenuFailure();
  return false;
}

extern "C" HMENU ORVEXAPI FindParentMenuHandleWithSubmenu(int menu, int sub, int item, int *position) {
  HMENU container;
  int at;
  FindMenuItemOrSay(menu, sub, item, &container, &at);
  if (position) *position = at;
  return container;
}

extern "C" int ORVEXAPI IsMenuSeparator(HMENU menu, int position) {
  if (!menu || position < 0 || !IsMenu(menu)) return 0;
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE;
  if (!GetMenuItemInfoA(menu, (UINT)position, TRUE, &info)) return 0;
  return (info.fType & MFT_SEPARATOR) ? 1 : 0;
}

extern "C" int ORVEXAPI GetTotalNumberOfMenu(int menu, int sub) {
  HMENU popup = FindMenuHandle(menu, sub);
  int count = popup ? GetMenuItemCount(popup) : 0;
  return count > 0 ? count : 0;
}

int MenuItemId(HMENU menu, int position) {
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE;
  if (!menu || position < 0 || !GetMenuItemInfoA(menu, (UINT)position, TRUE, &info)) return 0;
  if (info.hSubMenu) return -1;
  return (info.fType & MFT_SEPARATOR) ? 0 : (int)info.wID;
}

extern "C" int ORVEXAPI GetIdFromMenu(int menu, int sub, int item) {
  HMENU container;
  int position;
  if (!FindMenuItem(menu, sub, item, &container, &position, 0)) return 0;
  return MenuItemId(container, position);
}

// The places whose items the host rewrites as it runs (the numbered lists,
// the function list, the toggled commands): snapshots and the shortcut
// search pass them over.
extern "C" int ORVEXAPI MenuIsNotAllowedToDisplay(int menu, int position) {
  switch (menu) {
  case 0: return position == 28 || position == 29;
  case 1: return position == 20;
  case 3: return position == 0;
  case 4: return position == 18 || position == 19;
  case 7: return position >= 5;
  case 8: return position >= 9;
  default: return 0;
  }
}

// The label a toggled command has by default (which 0) or once toggled
// (which 1), or null at any other place.
extern "C" LPCSTR ORVEXAPI GetDefaultToggledMenuString(int menu, int position, int which) {
  static const struct {
    int menu, position;
    const char *labels[2];
  } kToggled[] = {
      {7, 3, {"Create &Function List", "Refresh &Function List"}},
      {4, 18, {"&Next Error", "&Next Result"}},
      {4, 19, {"&Previous Error", "&Previous Result"}},
      {5, 0, {"&Turbo Debugger", "&Turbo Debugger"}},
  };
  for (const auto &toggled : kToggled)
    if (toggled.menu == menu && toggled.position == position) return toggled.labels[which ? 1 : 0];
  return 0;
}

extern "C" int ORVEXAPI DrawMenuBars(HWND window) {
  if (!g_redraw || !window || !IsWindow(window)) return 0;
  DrawMenuBar(window);
  g_redraw = false;
  return 1;
}
