// The host's menu bar for the menu tests: the main window (HostMainWindow)
// gets a bar in the IDE's shape, rebuilt from one table for every test:
// ten menus and a bug-report menu with the fixed places the library knows
// (the recent-file and recent-project popups at positions 28 and 29 of the
// File menu, the active-project popup at position 0 of the Project menu, the
// open-window list from position 9 of the Window menu, each holding the
// placeholder), separators, nested popups and shortcuts of every form.
#pragma once
#include <windows.h>
#include <string>

// Puts a fresh bar on the main window and returns the window.
HWND HostBuildMenuBar();
// Puts an item without text first on the bar, as a maximized child window
// puts its system menu there.
void HostAddSystemItem();

struct HostMenuItem {
  std::string text;
  int id;      // -1 for an entry that opens a popup, 0 for none
  UINT state;  // MFS_ bits
  HMENU popup; // the popup it opens, or 0
};
// The item at `position` of `menu` as Windows has it (id 0, text "" when
// there is none).
HostMenuItem HostReadMenuItem(HMENU menu, int position);
// The popup at `position` of the popup at bar position `bar`, or the bar's
// popup itself for -1.
HMENU HostMenuPopup(int bar, int position = -1);
