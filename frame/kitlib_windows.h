// Kitlib operations of windows that stand beside the host's own: the pair of
// functions Kitlib calls around every message box it shows, bitmaps scaled
// into a frame, and showing, redrawing and hiding windows.
#pragma once
#include <windows.h>

#ifndef KITAPI
#define KITAPI __stdcall
#endif

extern "C" {

typedef void(KITAPI *KitWindowFunction)(void);

// Registers the functions Kitlib calls around each of its message boxes:
// `hide` right before the box, `show` right after it. (0, 0) withdraws them.
void KITAPI SetDisableBoxBeforeMessageBox(KitWindowFunction show, KitWindowFunction hide);

// ---- Bitmaps ----
// A new bitmap of bitmap resource `bitmapId` of `instance`, shrunk (never
// enlarged) to fit the client area of control `frameId` of `dialog`, its
// proportions kept. The caller deletes it. 0 when it cannot be made.
HBITMAP KITAPI ShrinkBitmap(HWND dialog, HINSTANCE instance, int bitmapId, int frameId);
// Draws `bitmap` centred in control `frameId` of `window` on `dc`, a device
// context of `window`. 1 drawn, 0 not.
int KITAPI MoveBmpAtCenter(HDC dc, HWND window, int frameId, HBITMAP bitmap);

// ---- Showing and redrawing ----
int KITAPI ShowAllChildWindows(HWND window, int showCommand);
int KITAPI myUpdateWindow(HWND window);
// Invalidates and redraws every child of `window`, erasing first when `erase`.
int KITAPI RedrawAllChildWindows(HWND window, int erase);
int KITAPI HideWin(HWND window);
// Dispatches the messages waiting for the calling thread. A quit message
// met on the way is posted again and raises the peek flag, which is returned.
int KITAPI TrapMessage(void);
void KITAPI SetPeekMessageFlag(int flag);

// The host executable's own instance: its resources hold the version title.
HINSTANCE KITAPI GethInstMain(void);

// ---- Stand-in only ----
// How many bitmaps made by ShrinkBitmap still exist (not yet deleted).
int KITAPI KitBitmapsAlive(void);

} // extern "C"
