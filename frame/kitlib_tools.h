// Kitlib operations of the tool dialogs: copying a control's text to the
// clipboard, opening a folder in the desktop's file browser, taking the
// program out of a command line and reading a program's description.
#pragma once
#include <windows.h>

#ifndef KITAPI
#define KITAPI __stdcall
#endif

extern "C" {

// Copies the whole text of `control` (an edit of `dialog`) to the clipboard
// as text. Non-zero when it was copied; 0 when the clipboard could not be
// had (another window holds it) or there is no control. Unless switched off
// with SetSuppressCopyClipBoardMessage, Kitlib tells the user in a box (as
// ToClip does, which it copies with).
int KITAPI SendStringsToClip(HWND dialog, HWND control);

// Opens `folder` in the desktop's file browser for `window`; `place`, when
// given, receives the window's rectangle on the screen. The two reserved
// words are 0. 1 when it was asked for, 0 for a null or empty folder.
int KITAPI OpenDirInDesktop(RECT *place, HWND window, LPCSTR folder, int reserved1, int reserved2);

// The program of command line `line` (in double quotes when it holds
// blanks, else up to the first blank) in `path`, which holds 520 bytes,
// without quotes; the reserved words are 0. The length of the path, 0 when
// there is none (path empty).
int KITAPI GetExecuteFileName(LPCSTR line, LPSTR path, int reserved1, int reserved2, int reserved3);

// The file description of program `path` from its version resource in
// `buffer` of `size` bytes, cut on a whole character; the program's file
// name when it has none. `kind` is 5 (the description). Returns the length.
int KITAPI GetFileDescriptionFromVersionInfo(HWND window, LPCSTR path, LPSTR buffer, int size, int kind);

// ---- Stand-in only: OpenDirInDesktop writes "folder <folder>" into the
// journal (frame/kitlib_product.h) and opens a browser only with
// KITLIB_SHELL=real.

} // extern "C"
