// A thread timer runs inside the menu loop of the test thread; it finds the
// visible menu windows (class "#32768"), asks each for its menu with
// MN_GETHMENU, records the items and ends the menu.
#include "host/menu_watcher.h"
#include <string.h>

static const char kSeenMark[] = "HostMenuWatcherSeen";

// All of these belong to the test thread that called WatchMenus.
static UINT_PTR g_timer = 0;
static int (*g_probe)() = nullptr;
static std::vector<SeenMenu> g_seen;

static SeenMenuItem ReadItem(HMENU menu, int position) {
  char text[256] = "";
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STRING;
  info.dwTypeData = text;
  info.cch = sizeof text;
  if (!GetMenuItemInfoA(menu, (UINT)position, TRUE, &info) || (info.fType & MFT_SEPARATOR)) return {0, ""};
  return {info.wID, text};
}

static BOOL CALLBACK ReadIfMenu(HWND window, LPARAM) {
  char name[16];
  if (!IsWindowVisible(window) || !GetClassNameA(window, name, sizeof name) || strcmp(name, "#32768") != 0 ||
      GetPropA(window, kSeenMark))
    return TRUE;
  SetPropA(window, kSeenMark, (HANDLE)1);
  SeenMenu seen;
  HMENU menu = (HMENU)SendMessageA(window, MN_GETHMENU, 0, 0);
  for (int i = 0, count = menu ? GetMenuItemCount(menu) : 0; i < count; i++) seen.items.push_back(ReadItem(menu, i));
  seen.probe = g_probe ? g_probe() : 0;
  g_seen.push_back(seen);
  EndMenu();
  return TRUE;
}

static void CALLBACK LookForMenus(HWND, UINT, UINT_PTR, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), ReadIfMenu, 0);
}

void WatchMenus(int (*probe)()) {
  StopWatchingMenus();
  g_probe = probe;
  g_timer = SetTimer(0, 0, 20, LookForMenus);
}

std::vector<SeenMenu> StopWatchingMenus() {
  if (g_timer) KillTimer(0, g_timer);
  g_timer = 0;
  g_probe = nullptr;
  std::vector<SeenMenu> seen;
  seen.swap(g_seen);
  return seen;
}
