// Kitlib message boxes, OS-error texts and sounds.
#pragma once
#include <windows.h>

#ifndef KITAPI
#define KITAPI __stdcall
#endif

extern "C" {

// ---- Message boxes (each returns the button the box returned, 0 when it
// could not be shown). A null text or title shows as empty; an owner that is
// not a window shows the box without one.
int KITAPI _myMessageBox(HWND owner, LPCSTR text, LPCSTR title, UINT style);
// Message and title are string ids of the message library `instance`, loaded
// in the current language (title 0: none).
int KITAPI _myMessageBoxForLoadString(HINSTANCE instance, HWND owner, int messageId, int titleId, UINT style);
// The loaded message is a format whose "%s" take the two inserts in order (0
// where the text takes none); the text is cut to fit a 520-byte buffer.
// `reserved` is 0.
int KITAPI _MessageBoxPrintf(HINSTANCE instance, int messageId, int titleId, LPCSTR insert1, HWND owner,
                             UINT style, LPCSTR insert2, int reserved);

// ---- Boxes for the OS error that is pending (set with mySetLastError) ----
// Style and help topic of the coming OS-error boxes (default 0x30, none).
void KITAPI SetHelpDosErrorMessage(UINT style, int helpTopic);
// Shows message `messageId` with title `titleId` of `instance`, then `detail`
// (a text such as the file concerned, or 0) and, when `showError` is non-zero
// and an error is pending, "OS>> " with the OS text of that error. Returns
// the button.
int KITAPI _MyLoadDosErrorMessage(HINSTANCE instance, HWND owner, LPCSTR detail, int messageId, int titleId,
                                  int showError);
// The same with Kitlib's own message texts (the stand-in has none: the box
// then shows the detail and the OS text only).
int KITAPI MyLoadDosErrorMessage(HWND owner, LPCSTR detail, int messageId, int titleId, int showError);
// The OS text of `error` without its line end, or null when the OS has none.
// Valid until the next call; `reserved` is 0.
LPCSTR KITAPI xDosErrors(int reserved, DWORD error);

// ---- Sounds ----
// Sounds the system sound of a message-box icon type (0x10, 0x20, 0x30, 0x40)
// or the default beep.
void KITAPI BEEP(UINT type);

// ---- Stand-in only: lets the tests hear the sounds. Returns the number of
// BEEP calls so far and stores the type of the last one in `lastType` (when
// given).
int KITAPI KitBeepsSoFar(UINT *lastType);

} // extern "C"
