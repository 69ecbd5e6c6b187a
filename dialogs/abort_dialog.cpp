// The modeless "Cancel Printing" box: it shows the page being printed and
// raises Kitlib's abort flag when the user cancels. It never closes itself:
// the printing loop reads the flag and the host destroys the box.
#include "dialogs/single_task_dialogs.h"
#include "dialogs/single_task_resources.h"
#include "frame/kitlib.h"

// The host's message that carries the page number (signed) in lParam.
enum { kShowPageMessage = WM_APP + 12 };

static INT_PTR CALLBACK AbortProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_INITDIALOG:
    cwCenter(0, dialog);
    EnableMenuItem(GetSystemMenu(dialog, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    return TRUE;
  case kShowPageMessage:
    SetDlgItemInt(dialog, IDC_ABORT_PAGE, (UINT)(int)lParam, TRUE);
    return TRUE;
  case WM_CLOSE:
    SetAbortPrinting(1);
    return TRUE;
  case WM_COMMAND:
    if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDC_TASK_CANCEL) {
      SetAbortPrinting(1);
      return TRUE;
    }
    break;
  }
  return FALSE;
}

extern "C" HWND ORVEXAPI OpenAbortDialog(HWND parent) {
  HWND box = CreateDialogParamA(GethInstOrvexdll(), "OpenAbort", parent, AbortProc, 0);
  if (box) ShowWindow(box, SW_SHOW);
  return box;
}
