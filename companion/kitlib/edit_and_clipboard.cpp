// Selecting an edit's whole text for the user to retype it, and the switch
// of the message Kitlib shows after a copy to the clipboard.
#include "frame/kitlib.h"

// Set and read on the UI thread that copies.
static int g_suppressCopyMessage = 0;

extern "C" int KITAPI SetReversedInEdit(HWND dialog, int id) {
  HWND edit = dialog && IsWindow(dialog) ? GetDlgItem(dialog, id) : 0;
  if (!edit) return 0;
  SendMessageA(edit, EM_SETSEL, 0, -1);
  SetFocus(edit);
  return 1;
}

extern "C" int KITAPI SetSuppressCopyClipBoardMessage(int suppress) {
  int previous = g_suppressCopyMessage;
  g_suppressCopyMessage = suppress ? 1 : 0;
  return previous;
}

extern "C" int KITAPI IsSuppressCopyClipBoardMessage(void) { return g_suppressCopyMessage; }
