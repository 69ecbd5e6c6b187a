// The viewer: a modeless dialog that shows a text in the host's own text
// control, which the host creates over the dialog's area 1372 and reaches
// only through its callbacks. One viewer at most: opening it again brings
// it to the front. Copy puts the whole text on the clipboard.
#include "dialogs/single_task_dialogs.h"
#include "dialogs/single_task_resources.h"
#include "frame/kitlib.h"
#include "frame/registry.h"
#include <limits.h>
#include <string.h>

// Kitlib's clipboard formats: the Shift-JIS bytes and their UTF-16 text.
enum { kClipText = CF_TEXT, kClipWideText = CF_UNICODETEXT, kFootyTextMode = 4 };

// Owned by the host's user-interface thread, which runs the viewer: its
// window (0 when closed) and the id of the host's text control in it.
static HWND g_viewer = 0;
static int g_viewerId = -1;

// The text of the host's control on the clipboard, without the copy box.
// A length that no buffer can hold copies nothing.
static void CopyViewerText(HWND dialog) {
  int length = HostSetFootyGetTextLength(g_viewerId);
  if (length < 0 || length == INT_MAX) return;
  HGLOBAL handle = 0;
  LPSTR text = GetStringPointerBySize(&handle, 0, length + 1, 0);
  if (!text) return;
  HostSetFootyGetText(g_viewerId, text, kFootyTextMode);
  text[length] = 0;
  int previous = IsSuppressCopyClipBoardMessage();
  SetSuppressCopyClipBoardMessage(1);
  ToClip(dialog, text, (int)strlen(text) + 1, kClipText, kClipWideText);
  SetSuppressCopyClipBoardMessage(previous);
  FreeStringPointer(handle, text);
}

static INT_PTR CALLBACK ViewerProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_INITDIALOG:
    cwCenter(0, dialog);
    g_viewerId = HostSetInitViewerDialog(dialog, IDC_VIEW_AREA, lParam);
    HostSetFootyWriteEnableViewerDialog(g_viewerId, 0);
    return TRUE;
  case WM_COMMAND:
    switch (LOWORD(wParam)) {
    case IDOK:
    case IDCANCEL:
    case IDC_TASK_CANCEL:
      HostSetDeleteViewerDialog(dialog, g_viewerId);
      DestroyViewFileDialog(LOWORD(wParam));
      return TRUE;
    case IDC_VIEW_COPY:
      CopyViewerText(dialog);
      return TRUE;
    }
    break;
  case WM_DESTROY:
    // Also when the parent goes first.
    if (dialog == g_viewer) g_viewer = 0;
    break;
  }
  return FALSE;
}

extern "C" int ORVEXAPI CreateViewFileDialog(HWND parent, int second, int third, LPARAM parameter) {
  if (g_viewer && IsWindow(g_viewer)) {
    mySetForegroundWindowAlways(g_viewer, 0);
    return 1;
  }
  HWND viewer = CreateDialogParamA(GethInstOrvexdll(), "OpenViewFile", parent, ViewerProc,
                                   parameter);
  if (!viewer) return 0;
  g_viewer = viewer;
  ShowWindow(viewer, SW_SHOW);
  return 1;
}

extern "C" int ORVEXAPI DestroyViewFileDialog(int id) {
  if (!g_viewer || !IsWindow(g_viewer)) return 0;
  HWND viewer = g_viewer;
  g_viewer = 0;
  EndDialog(viewer, id == IDOK);
  DestroyWindow(viewer);
  return 1;
}
