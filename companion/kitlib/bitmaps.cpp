// Bitmaps of the library's resources shrunk into a frame control and drawn
// centred in it. The stand-in remembers the bitmaps it made, so the tests can
// tell whether their owners deleted them.
#include "frame/kitlib.h"

enum { kRememberedBitmaps = 64 };

// Written by ShrinkBitmap and read by KitBitmapsAlive, both on the
// user-interface thread. The oldest entry is overwritten when full.
static HBITMAP g_made[kRememberedBitmaps];
static int g_nextMade = 0;

static bool FrameRect(HWND window, int frameId, RECT *rect) {
  HWND frame = GetDlgItem(window, frameId);
  if (!frame || !GetClientRect(frame, rect)) return false;
  MapWindowPoints(frame, window, (POINT *)rect, 2);
  return rect->right > rect->left && rect->bottom > rect->top;
}

extern "C" HBITMAP KITAPI ShrinkBitmap(HWND dialog, HINSTANCE instance, int bitmapId, int frameId) {
  RECT frame;
  if (!IsWindow(dialog) || !FrameRect(dialog, frameId, &frame)) return 0;
  HBITMAP source = (HBITMAP)LoadImageA(instance, MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
  BITMAP info;
  if (!source || !GetObjectA(source, sizeof info, &info)) {
    if (source) DeleteObject(source);
    return 0;
  }
  int width = info.bmWidth, height = info.bmHeight;
  int frameWidth = frame.right - frame.left, frameHeight = frame.bottom - frame.top;
  if (width > frameWidth) {
    height = MulDiv(height, frameWidth, width);
    width = frameWidth;
  }
  if (height > frameHeight) {
    width = MulDiv(width, frameHeight, height);
    height = frameHeight;
  }
  if (width < 1) width = 1;
  if (height < 1) height = 1;
  HDC screen = GetDC(dialog);
  HDC from = CreateCompatibleDC(screen), to = CreateCompatibleDC(screen);
  HBITMAP shrunk = CreateCompatibleBitmap(screen, width, height);
  if (shrunk) {
    HGDIOBJ oldFrom = SelectObject(from, source), oldTo = SelectObject(to, shrunk);
    SetStretchBltMode(to, HALFTONE);
    StretchBlt(to, 0, 0, width, height, from, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    SelectObject(from, oldFrom);
    SelectObject(to, oldTo);
    g_made[g_nextMade] = shrunk;
    g_nextMade = (g_nextMade + 1) % kRememberedBitmaps;
  }
  DeleteDC(from);
  DeleteDC(to);
  ReleaseDC(dialog, screen);
  DeleteObject(source);
  return shrunk;
}

extern "C" int KITAPI MoveBmpAtCenter(HDC dc, HWND window, int frameId, HBITMAP bitmap) {
  RECT frame;
  BITMAP info;
  if (!dc || !bitmap || !IsWindow(window) || !FrameRect(window, frameId, &frame)) return 0;
  if (!GetObjectA(bitmap, sizeof info, &info)) return 0;
  int x = frame.left + (frame.right - frame.left - info.bmWidth) / 2;
  int y = frame.top + (frame.bottom - frame.top - info.bmHeight) / 2;
  HDC from = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(from, bitmap);
  BOOL drawn = BitBlt(dc, x, y, info.bmWidth, info.bmHeight, from, 0, 0, SRCCOPY);
  SelectObject(from, old);
  DeleteDC(from);
  return drawn ? 1 : 0;
}

// A deleted bitmap is forgotten as soon as it is seen gone, so that a later
// bitmap given the same handle value is not taken for it.
extern "C" int KITAPI KitBitmapsAlive(void) {
  int alive = 0;
  for (HBITMAP &made : g_made) {
    if (made && GetObjectType(made) == OBJ_BITMAP) alive++;
    else made = 0;
  }
  return alive;
}
