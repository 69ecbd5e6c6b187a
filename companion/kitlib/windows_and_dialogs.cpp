// Window and dialog helpers: the host's main window, control lookup, centring,
// modal dialogs and the busy/arrow cursors.
#include "frame/kitlib.h"

// Set by the host once at start-up (stand-in only); read on the UI thread.
static HWND g_mainWindow = 0;

extern "C" void KITAPI KitSetMainWindow(HWND window) { g_mainWindow = window; }

extern "C" HWND KITAPI GethWndMain(void) { return g_mainWindow; }

extern "C" HWND KITAPI myGetDlgItem(HWND dialog, int id) {
  return dialog ? GetDlgItem(dialog, id) : 0;
}

extern "C" BOOL KITAPI myEnableWindow(HWND window, int enable) {
  if (!IsWindow(window)) return FALSE;
  EnableWindow(window, enable ? TRUE : FALSE);
  return TRUE;
}

// Centres the dialog over its owner (or over the work area without one).
extern "C" int KITAPI cwCenter(HWND owner, HWND dialog) {
  if (!IsWindow(dialog)) return 0;
  RECT box, area;
  GetWindowRect(dialog, &box);
  if (owner && IsWindow(owner) && IsWindowVisible(owner)) {
    GetWindowRect(owner, &area);
  } else {
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  }
  int width = box.right - box.left, height = box.bottom - box.top;
  int x = area.left + ((area.right - area.left) - width) / 2;
  int y = area.top + ((area.bottom - area.top) - height) / 2;
  if (x < 0) x = 0;
  if (y < 0) y = 0;
  SetWindowPos(dialog, 0, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return 1;
}

extern "C" INT_PTR KITAPI DisplayBox(HWND owner, DLGPROC proc, LPCSTR templateName, HINSTANCE instance) {
  if (!proc || !templateName) return -1;
  return DialogBoxParamA(instance, templateName, owner, proc, 0);
}

extern "C" HCURSOR KITAPI PutHourGlassCursor(void) { return SetCursor(LoadCursor(0, IDC_WAIT)); }

extern "C" HCURSOR KITAPI PutArrowCursor(void) { return SetCursor(LoadCursor(0, IDC_ARROW)); }
