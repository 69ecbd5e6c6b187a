// The test host's eye on popup menus: while watching, every popup menu the
// test thread tracks is found from inside its menu loop (a thread timer sees
// the menu window), read item by item, and closed, so a test can press a
// button that opens a menu and then check what the user was offered.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

struct SeenMenuItem {
  UINT id;          // 0 for a separator
  std::string text; // empty for a separator
};

struct SeenMenu {
  std::vector<SeenMenuItem> items;
  int probe; // what the probe answered while the menu was open
};

// Starts watching the calling thread; `probe`, when given, is asked while
// each menu is open.
void WatchMenus(int (*probe)() = nullptr);
// Stops watching and returns the menus seen, in order.
std::vector<SeenMenu> StopWatchingMenus();
