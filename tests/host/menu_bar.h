// The menu tests' bar on the host's main window, in the IDE's shape: ten
// menus and a bug-report menu with the fixed places (list popups holding the
// placeholder, the window list from position 9 of the Window menu),
// separators, nested popups and shortcuts of every form.
#pragma once
#include <string>
#include <windows.h>

// Puts a fresh bar on the main window and returns the window.
HWND HostBuildMenuBar();

struct HostMenuItem {
  std::string text;
  int id;      // -1 for an entry that opens a popup, 0 for none
  UINT state;  // MFS_ bits
  HMENU popup; // the popup it opens, or 0
};
// The item at `position` of `menu` as Windows has it.
HostMenuItem HostReadMenuItem(HMENU menu, int position);
// The popup at `position` of the popup at bar position `bar`, or the bar's
// popup itself for -1.
HMENU HostMenuPopup(int bar, int position = -1);
