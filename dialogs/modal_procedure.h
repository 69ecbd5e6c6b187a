// The procedure most modal dialogs of the library share: set up on
// WM_INITDIALOG (the focus on the first control), the close box posting
// Cancel, and every command handed to the dialog's own function with its
// notification code. A dialog that answers other messages writes its own.
#pragma once
#include <windows.h>

typedef void (*DialogSetUp)(HWND dialog);
typedef INT_PTR (*DialogCommand)(HWND dialog, int id, int notification);

template <DialogSetUp SetUp, DialogCommand Command>
INT_PTR CALLBACK ModalDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_INITDIALOG:
    SetUp(dialog);
    return TRUE;
  case WM_CLOSE:
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
  case WM_COMMAND:
    return Command(dialog, LOWORD(wParam), HIWORD(wParam));
  }
  return FALSE;
}
