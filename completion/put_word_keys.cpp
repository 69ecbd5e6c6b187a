// Keys and mouse of the completion popup while it is shown. The main list
// moves by lines and pages (Shift adds 100 lines to a page), the candidate
// list by one and selects its word in the main list as well, and Enter or a
// double click takes the word, Esc cancels. Moves that do not move pass the
// input on to the list's own procedure.
//
// The candidate list and the popup are subclassed once when the popup is
// made, like the main list; the flag below decides whether their keys are
// the completion's (shown) or the plain window's (hidden).
#include "completion/function_lists.h"
#include "completion/put_word.h"
#include "frame/kitlib.h"

enum Move { kLineUp, kLineDown, kPageUp, kPageDown };
enum { kShiftExtraLines = 100 };

// Window thread only.
static bool g_keysActive = false;
static WNDPROC g_candidateProcedure = 0, g_popupProcedure = 0;

void SetPutWordKeysActive(bool active) { g_keysActive = active; }
bool PutWordKeysActive(void) { return g_keysActive; }

// The new position, or -1 when the move does not move.
static int Moved(Move move, int start, int step, int extra, int count) {
  bool shift = GetKeyState(VK_SHIFT) < 0;
  int page = step + (shift ? extra : 0);
  switch (move) {
  case kLineUp: return start <= 0 ? -1 : start - 1;
  case kLineDown: return start >= count - 1 ? -1 : start + 1;
  case kPageUp: return start <= 0 ? -1 : (start - page < 0 ? 0 : start - page);
  case kPageDown: return start >= count - 1 ? -1 : (start + page > count - 1 ? count - 1 : start + page);
  }
  return -1;
}

static int MoveInList(HWND list, Move move, int step, int extra, int fallback) {
  int start = (int)SendMessageA(list, LB_GETCURSEL, 0, 0);
  if (start < 0) start = fallback;
  int count = (int)SendMessageA(list, LB_GETCOUNT, 0, 0);
  int to = Moved(move, start, step, extra, count);
  if (to >= 0) SendMessageA(list, LB_SETCURSEL, (WPARAM)to, 0);
  return to;
}

static bool KeyMove(WPARAM key, Move *move) {
  switch (key) {
  case VK_PRIOR: *move = kPageUp; return true;
  case VK_NEXT: *move = kPageDown; return true;
  case VK_UP:
  case VK_LEFT: *move = kLineUp; return true;
  case VK_DOWN:
  case VK_RIGHT: *move = kLineDown; return true;
  }
  return false;
}

static bool ScrollMove(WPARAM code, Move *move) {
  switch (LOWORD(code)) {
  case SB_LINEUP: *move = kLineUp; return true;
  case SB_LINEDOWN: *move = kLineDown; return true;
  case SB_PAGEUP: *move = kPageUp; return true;
  case SB_PAGEDOWN: *move = kPageDown; return true;
  }
  return false;
}

static bool IsThumb(WPARAM code) { return LOWORD(code) == SB_THUMBPOSITION || LOWORD(code) == SB_THUMBTRACK; }

static void AskPopup(WPARAM command, LPARAM value) { SendMessageA(PutWordPopup(), WM_COMMAND, command, value); }

bool MainListKeys(HWND list, UINT message, WPARAM wParam, LPARAM lParam, LRESULT *result) {
  Move move;
  *result = 0;
  switch (message) {
  case WM_GETDLGCODE: // Enter and Esc reach the list even through a dialog loop
    *result = DLGC_WANTALLKEYS;
    return true;
  case WM_KEYDOWN:
    if (wParam == VK_RETURN) return AskPopup(IDC_PUTWORD_MAIN_LIST, PUTWORD_TAKE_CANDIDATE), true;
    if (wParam == VK_ESCAPE) return AskPopup(IDCANCEL, 10), true;
    return KeyMove(wParam, &move) && MoveInList(list, move, PageLines(), kShiftExtraLines, BestIndex()) >= 0;
  case WM_VSCROLL:
    if (IsThumb(wParam)) SendMessageA(list, LB_SETCURSEL, HIWORD(wParam), 0);
    return ScrollMove(wParam, &move) && MoveInList(list, move, PageLines(), kShiftExtraLines, BestIndex()) >= 0;
  case WM_LBUTTONDBLCLK:
    AskPopup(IDC_PUTWORD_MAIN_LIST, PUTWORD_TAKE_CANDIDATE);
    return false;
  }
  return false;
}

// A move in the candidate list, followed in the main list.
static bool CandidateMove(HWND list, Move move, int thumb) {
  int to = thumb >= 0 ? thumb : MoveInList(list, move, 1, 1, 0);
  if (to < 0) return false;
  if (thumb >= 0) SendMessageA(list, LB_SETCURSEL, (WPARAM)thumb, 0);
  char word[kWordBufferSize] = "";
  LRESULT length = SendMessageA(list, LB_GETTEXTLEN, (WPARAM)to, 0);
  if (length >= 0 && length < kWordBufferSize && SendMessageA(list, LB_GETTEXT, (WPARAM)to, (LPARAM)word) >= 0)
    SetTextInListBox(PutWordPopup(), IDC_PUTWORD_MAIN_LIST, word);
  return true;
}

static LRESULT CALLBACK CandidateProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
  Move move;
  if (g_keysActive) {
    switch (message) {
    case WM_GETDLGCODE: return DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
      if (wParam == VK_RETURN) return AskPopup(IDC_PUTWORD_CANDIDATES, PUTWORD_TAKE_CANDIDATE), 0;
      if (wParam == VK_ESCAPE) return AskPopup(IDCANCEL, 10), 0;
      if (KeyMove(wParam, &move) && CandidateMove(list, move, -1)) return 0;
      break;
    case WM_VSCROLL:
      if (IsThumb(wParam) ? CandidateMove(list, kLineDown, HIWORD(wParam)) : ScrollMove(wParam, &move) && CandidateMove(list, move, -1))
        return 0;
      break;
    case WM_LBUTTONDBLCLK: AskPopup(IDC_PUTWORD_CANDIDATES, PUTWORD_TAKE_CANDIDATE); return 0;
    }
  }
  if (message == WM_NCDESTROY) SetWindowLongPtrA(list, GWLP_WNDPROC, (LONG_PTR)g_candidateProcedure);
  return CallWindowProcA(g_candidateProcedure, list, message, wParam, lParam);
}

static LRESULT CALLBACK PopupProcedure(HWND popup, UINT message, WPARAM wParam, LPARAM lParam) {
  if (g_keysActive && message == WM_KEYDOWN && (wParam == VK_RETURN || wParam == VK_ESCAPE)) {
    if (wParam == VK_ESCAPE) return SendMessageA(popup, WM_COMMAND, IDCANCEL, 0), 0;
    CopyMainListSelection(SelectedWord());
    SendMessageA(popup, WM_COMMAND, IDOK, 0);
    MSG pending;
    PeekMessageA(&pending, popup, WM_CHAR, WM_CHAR, PM_REMOVE);
    return 0;
  }
  if (message == WM_NCDESTROY) SetWindowLongPtrA(popup, GWLP_WNDPROC, (LONG_PTR)g_popupProcedure);
  return CallWindowProcA(g_popupProcedure, popup, message, wParam, lParam);
}

void SubclassCandidateListAndPopup(HWND popup) {
  g_keysActive = false;
  HWND candidates = GetDlgItem(popup, IDC_PUTWORD_CANDIDATES);
  g_candidateProcedure = (WNDPROC)SetWindowLongPtrA(candidates, GWLP_WNDPROC, (LONG_PTR)CandidateProcedure);
  g_popupProcedure = (WNDPROC)SetWindowLongPtrA(popup, GWLP_WNDPROC, (LONG_PTR)PopupProcedure);
}
