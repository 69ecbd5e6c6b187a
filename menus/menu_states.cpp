// Enabling, graying, reading and setting the state of menu items of the
// main window's menu bar. myEnableMenuItem and the project, build, debug and
// window menus count by menu number (the start number added); the
// function-list items, the bug-report menu and the state operations count
// positions of the bar as it stands, as the host addresses them.
#include "menus/menus.h"
#include "settings/session_flags.h"

enum {
  kEnabled = MF_BYPOSITION | MF_ENABLED,
  kGrayed = MF_BYPOSITION | MF_GRAYED,
  kGrayedAndDisabled = MF_BYPOSITION | MF_GRAYED | MF_DISABLED,
};
enum { kProjectMenu = 3, kBuildMenu = 4, kDebugMenu = 5, kWindowMenu = 8 };
// Places on the bar as it stands.
enum { kFunctionListBar = 7, kFunctionListItem = 3, kDosListBar = 2, kDosListItem = 9, kBugReportBar = 10 };
// The state bits an item keeps (grayed, disabled, checked, highlighted, default).
enum { kStateBits = MFS_GRAYED | MFS_CHECKED | MFS_HILITE | MFS_DEFAULT };

static HMENU BarOf(HWND window) { return window && IsWindow(window) ? GetMenu(window) : 0; }

static HMENU PopupOf(HMENU menu, int position) { return menu && position >= 0 ? GetSubMenu(menu, position) : 0; }

static int Enable(HMENU menu, int position, UINT flags) {
  if (!menu || position < 0 || EnableMenuItem(menu, (UINT)position, flags) == (BOOL)-1) return 0;
  MarkMenusChanged();
  return 1;
}

extern "C" int ORVEXAPI myEnableMenuItem(HWND window, int menu, int item, UINT flags) {
  HMENU bar = BarOf(window);
  if (!bar || menu < 0 || menu >= kMainMenuCount || item < -1) return 0;
  int top = menu + GetStartMainMenuNo();
  if (item == -1) return Enable(bar, top, flags);
  return Enable(PopupOf(bar, top), item, flags);
}

extern "C" int ORVEXAPI EnableAllTopLevelMenu(HWND window, int enable) {
  if (!BarOf(window)) return 0;
  for (int menu = 0; menu < kMainMenuCount; menu++)
    myEnableMenuItem(window, menu, -1, enable ? kEnabled : kGrayedAndDisabled);
  return 1;
}

// While a project is being read its menus keep the state they have.
static int EnableWhenNoProjectIsRead(HWND window, int menu, int enable) {
  if (IsProgjectRead()) return 0;
  return myEnableMenuItem(window, menu, -1, enable ? kEnabled : kGrayed);
}

extern "C" int ORVEXAPI EnableProjectMenu(HWND window, int enable) {
  return EnableWhenNoProjectIsRead(window, kProjectMenu, enable);
}
extern "C" int ORVEXAPI EnableBuildMenu(HWND window, int enable) {
  return EnableWhenNoProjectIsRead(window, kBuildMenu, enable);
}
extern "C" int ORVEXAPI EnableDebugMenu(HWND window, int enable) {
  return EnableWhenNoProjectIsRead(window, kDebugMenu, enable);
}
extern "C" int ORVEXAPI EnableWindowMenu(HWND window, int enable) {
  return EnableWhenNoProjectIsRead(window, kWindowMenu, enable);
}

extern "C" int ORVEXAPI EnableFunctionListMenu(HWND window, int enable) {
  return Enable(PopupOf(BarOf(window), kFunctionListBar), kFunctionListItem, enable ? kEnabled : kGrayed);
}

extern "C" int ORVEXAPI EnableBc55DosFunctionListMenu(HWND window, int item, int enable) {
  HMENU list = PopupOf(PopupOf(BarOf(window), kDosListBar), kDosListItem);
  return Enable(list, item, enable ? kEnabled : kGrayed);
}

static int Delete(HMENU menu, int position) {
  if (!menu || !DeleteMenu(menu, (UINT)position, MF_BYPOSITION)) return 0;
  MarkMenusChanged();
  return 1;
}

extern "C" int ORVEXAPI RemovedBc55DosFunctionListMenu(HWND window) {
  return Delete(PopupOf(BarOf(window), kDosListBar), kDosListItem);
}

extern "C" int ORVEXAPI RemoveBugReportMenuhWndMain(HWND window) { return Delete(BarOf(window), kBugReportBar); }

// The item of the state operations: the bar item `top` (sub -1), item `sub`
// of its popup (item -1), or item `item` of the popup at `sub` there.
static HMENU StateItem(HWND window, int top, int sub, int item, int *position) {
  HMENU bar = BarOf(window);
  *position = sub == -1 ? top : item == -1 ? sub : item;
  if (sub == -1) return bar;
  HMENU popup = PopupOf(bar, top);
  return item == -1 ? popup : PopupOf(popup, sub);
}

extern "C" int ORVEXAPI myGetMenuState(HWND window, int top, int sub, int item) {
  int position;
  HMENU menu = StateItem(window, top, sub, item, &position);
  if (!menu || position < 0) return -1;
  return (int)GetMenuState(menu, (UINT)position, MF_BYPOSITION);
}

extern "C" int ORVEXAPI mySetMenuState(HWND window, int top, int sub, int item, UINT state) {
  int position;
  HMENU menu = StateItem(window, top, sub, item, &position);
  if (!menu || position < 0) return 0;
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STATE;
  info.fState = state & kStateBits;
  if (!SetMenuItemInfoA(menu, (UINT)position, TRUE, &info)) return 0;
  MarkMenusChanged();
  return 1;
}
