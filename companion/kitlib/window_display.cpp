// Showing, redrawing and hiding windows and their children, letting waiting
// messages through while a window is set up, and the host's own instance.
#include "frame/kitlib.h"

// Raised by TrapMessage when it met a quit message and lowered by its
// callers; both on the user-interface thread.
static int g_peekFlag = 0;

extern "C" int KITAPI ShowAllChildWindows(HWND window, int showCommand) {
  if (!IsWindow(window)) return 0;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    ShowWindow(child, showCommand);
  return 1;
}

extern "C" int KITAPI myUpdateWindow(HWND window) { return IsWindow(window) && UpdateWindow(window); }

extern "C" int KITAPI RedrawAllChildWindows(HWND window, int erase) {
  if (!IsWindow(window)) return 0;
  UINT flags = RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | (erase ? RDW_ERASE | RDW_ERASENOW : 0);
  return RedrawWindow(window, 0, 0, flags) ? 1 : 0;
}

extern "C" int KITAPI HideWin(HWND window) {
  if (!IsWindow(window)) return 0;
  ShowWindow(window, SW_HIDE);
  return 1;
}

extern "C" int KITAPI TrapMessage(void) {
  MSG message;
  while (PeekMessageA(&message, 0, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage((int)message.wParam);
      g_peekFlag = 1;
      break;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return g_peekFlag;
}

extern "C" void KITAPI SetPeekMessageFlag(int flag) { g_peekFlag = flag; }

extern "C" HINSTANCE KITAPI GethInstMain(void) { return GetModuleHandleA(0); }
