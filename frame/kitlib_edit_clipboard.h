// Kitlib's helpers of edit fields and of its clipboard message: selecting an
// edit's whole text for the user to retype, and the switch of the message
// box Kitlib shows after it copied to the clipboard.
#pragma once
#include <windows.h>

#ifndef KITAPI
#define KITAPI __stdcall
#endif

extern "C" {

// Selects the whole text of edit `id` of `dialog` and gives it the focus.
// 1 done, 0 without such a control.
int KITAPI SetReversedInEdit(HWND dialog, int id);

// Non-zero switches off the message Kitlib shows after a copy to the
// clipboard (0 at load). The setter returns the previous setting.
int KITAPI SetSuppressCopyClipBoardMessage(int suppress);
int KITAPI IsSuppressCopyClipBoardMessage(void);

} // extern "C"
