// Pointing the user at a window or a field: bringing a window to the front,
// marking the whole text of an edit, and the flag the Cancel of the printing
// box raises.
#include "frame/kitlib.h"

// Raised on the user-interface thread by the printing box, read by the
// printing loop on the same thread.
static volatile LONG g_abortPrinting = 0;

extern "C" int KITAPI mySetForegroundWindowAlways(HWND window, int reserved) {
  if (!IsWindow(window)) return 0;
  if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
  SetForegroundWindow(window);
  SetActiveWindow(window);
  return 1;
}

extern "C" int KITAPI SetReversedInEdit(HWND dialog, int id) {
  HWND edit = dialog ? GetDlgItem(dialog, id) : 0;
  if (!edit) return 0;
  SetFocus(edit);
  SendMessageA(edit, EM_SETSEL, 0, -1);
  return 1;
}

extern "C" void KITAPI SetAbortPrinting(int abort) { InterlockedExchange(&g_abortPrinting, abort ? 1 : 0); }

extern "C" int KITAPI KitIsAbortPrinting(void) { return (int)g_abortPrinting; }
