// The focus guard and the change-focus-disabled flag it raises. The host asks
// IsChangeFocusDisabled before it moves the focus on activation, so a message
// box does not leave the focus somewhere the user did not put it.
#include "frame/focus_guard.h"

// Written and read on the host's user-interface thread only (the boxes and the
// host's activation handling both run there).
static int g_changeFocusDisabled = 0;

extern "C" HWND ORVEXAPI SetChangeFocusDisabled(int flag, HWND window) {
  if (!window) {
    window = GetFocus();
  } else if (IsWindow(window)) {
    SetFocus(window);
  }
  g_changeFocusDisabled = flag;
  return window;
}

extern "C" int ORVEXAPI IsChangeFocusDisabled(void) { return g_changeFocusDisabled; }

HWND FocusGuardOpen(void) { return SetChangeFocusDisabled(1, 0); }

void FocusGuardClose(HWND focus) { SetChangeFocusDisabled(0, focus); }

int GetChangeFocusDisabledCell(void) { return g_changeFocusDisabled; }

void SetChangeFocusDisabledCell(int value) { g_changeFocusDisabled = value; }
