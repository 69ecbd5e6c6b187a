// The focus guard: the bracket around every message box of the library. While
// a box is up the change-focus-disabled flag is raised, so that the host does
// not move the focus in answer to the activation changes the box causes; after
// the box the focus goes back to the window that held it.
#pragma once
#include "frame/instance.h"

// flag: the new value of the flag. window 0: the window holding the keyboard
// focus now is returned; otherwise the focus is given to `window`, which is
// returned.
extern "C" HWND ORVEXAPI SetChangeFocusDisabled(int flag, HWND window);
extern "C" int ORVEXAPI IsChangeFocusDisabled(void);

// Opens the bracket: raises the flag, returns the window to give the focus
// back to. FocusGuardClose gives it back and lowers the flag.
HWND FocusGuardOpen(void);
void FocusGuardClose(HWND focus);

// The flag is also one of the environment cells the host saves and restores.
// These reach the cell without touching the focus.
int GetChangeFocusDisabledCell(void);
void SetChangeFocusDisabledCell(int value);
