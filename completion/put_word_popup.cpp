// The completion popup: a modeless window of the library, made once and then
// shown at the caret with the typed prefix, hidden, shown again, and
// destroyed when the host closes. The chosen word reaches the host's main
// window as command 40187 (40186 when the user cancels), and the host reads
// it with GetSelectedWordFromPutWordDlg.
//
// The popup and its state belong to the thread that made it (the host's
// window thread); calls from other threads that would touch its lists are
// refused. Only the popup's handle is read by the loader threads.
#include "completion/function_lists.h"
#include "completion/put_word.h"
#include "frame/kitlib.h"
#include "frame/message_boxes.h"
#include "frame/orvexmsg.h"
#include "runner/product_folder.h"
#include "settings/session_flags.h"
#include <stdio.h>
#include <string.h>

enum {
  kWordReady = 40187,
  kCompletionCancelled = 40186,
  kCompleteAtOnce = 40188,
  kHelpTimer = 3124,
  kHelpTimerMs = 2000,
  kHelpTopic = 49219,
  kShowTopic = 1,
  kRebuildStarted = 303,
  kRebuildRefused = 304,
  kProductTitle = 221,
  kWarningOk = 0x30,
  kTitleBufferSize = kWordBufferSize + 16,
};

static const char *const kReadOnlyTitle[] = {"==Readonly file==", "==読込専用ﾌｧｲﾙ=="};

// The popup's handle: written on the window thread, read by the loaders.
static HWND volatile g_popup = 0;
// Its title line and two lists, fixed for its life: written on the window
// thread before the popup's handle is published, read by any thread after
// reading that handle. Under Wine GetDlgItem asks the window server each
// time, and the popup reaches for its lists several times per keystroke.
static HWND g_title = 0, g_mainList = 0, g_candidates = 0;
// The rest is the window thread's.
static DWORD g_popupThread = 0;
static int g_shown = 0;
static char g_selectedWord[kWordBufferSize];
static int g_readOnly = 0;
static int g_helpOpen = 0;
static HWND g_savedFocus = 0;
static UINT_PTR g_helpTimer = 0;

HWND PutWordPopup(void) { return (HWND)InterlockedCompareExchangePointer((PVOID volatile *)&g_popup, 0, 0); }

HWND PutWordList(int id) {
  HWND popup = PutWordPopup();
  if (!popup) return 0;
  switch (id) {
  case IDC_PUTWORD_TITLE: return g_title;
  case IDC_PUTWORD_MAIN_LIST: return g_mainList;
  case IDC_PUTWORD_CANDIDATES: return g_candidates;
  }
  return GetDlgItem(popup, id);
}

bool OnPopupThread(void) { return !PutWordPopup() || GetCurrentThreadId() == g_popupThread; }

char *SelectedWord(void) { return g_selectedWord; }

static void StopHelpTimer(HWND popup) {
  if (g_helpTimer) KillTimer(popup, g_helpTimer);
  g_helpTimer = 0;
}

bool HidePopup(void) {
  HWND popup = PutWordPopup();
  if (!popup || !g_shown) return false;
  StopHelpTimer(popup);
  SetPutWordKeysActive(false);
  g_shown = 0;
  ShowWindow(popup, SW_HIDE);
  return true;
}

static void TakeCandidate(HWND popup) {
  HWND candidates = g_candidates;
  LRESULT index = SendMessageA(candidates, LB_GETCURSEL, 0, 0);
  LRESULT length = index >= 0 ? SendMessageA(candidates, LB_GETTEXTLEN, (WPARAM)index, 0) : LB_ERR;
  g_selectedWord[0] = 0;
  if (length >= 0 && length < kWordBufferSize) {
    char word[kWordBufferSize + 2] = ""; // the length may overstate two-byte text, never understate it
    SendMessageA(candidates, LB_GETTEXT, (WPARAM)index, (LPARAM)word);
    if (strlen(word) < kWordBufferSize) strcpy(g_selectedWord, word);
  }
  SendMessageA(popup, WM_COMMAND, IDOK, 0);
}

static void OpenHelp(HWND popup) {
  g_savedFocus = GetFocus();
  g_helpOpen = 1;
  ShowProductHelp(popup, kProductHelpFile, kShowTopic, kHelpTopic);
  g_helpTimer = SetTimer(popup, kHelpTimer, kHelpTimerMs, 0) ? kHelpTimer : 0;
}

static void Command(HWND popup, WPARAM wParam, LPARAM lParam) {
  int id = LOWORD(wParam);
  if ((id == IDC_PUTWORD_MAIN_LIST || id == IDC_PUTWORD_CANDIDATES) && lParam == PUTWORD_TAKE_CANDIDATE) {
    TakeCandidate(popup);
  } else if (id == IDOK) {
    HidePopup();
    if (!g_selectedWord[0]) CopyMainListSelection(g_selectedWord);
    if (g_selectedWord[0]) SendMessageA(GethWndMain(), WM_COMMAND, kWordReady, 0);
  } else if (id == IDCANCEL) {
    HidePopup();
    g_selectedWord[0] = 0;
    SendMessageA(GethWndMain(), WM_COMMAND, kCompletionCancelled, 0);
  } else if (id == IDC_PUTWORD_BEST_AGAIN) {
    SendMessageA(g_mainList, LB_SETCURSEL, (WPARAM)BestIndex(), 0);
  } else if (id == IDC_PUTWORD_HELP) {
    OpenHelp(popup);
  }
}

static INT_PTR CALLBACK PutWordProcedure(HWND popup, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_INITDIALOG: return TRUE;
  case WM_CLOSE: PostMessageA(popup, WM_COMMAND, IDCANCEL, 0); return TRUE;
  case WM_COMMAND: Command(popup, wParam, lParam); return TRUE;
  case WM_TIMER:
    if (wParam != kHelpTimer || !g_helpTimer) return FALSE;
    StopHelpTimer(popup);
    if (IsWindow(g_savedFocus)) SetFocus(g_savedFocus);
    g_helpOpen = 0;
    return TRUE;
  }
  return FALSE;
}

static HWND MakePopup(HWND parent) {
  HWND popup = CreateDialogParamA(GethInstOrvexdll(), "OpenPutWord", parent, PutWordProcedure, 0);
  if (!popup) return 0;
  g_popupThread = GetCurrentThreadId();
  g_title = GetDlgItem(popup, IDC_PUTWORD_TITLE);
  g_mainList = GetDlgItem(popup, IDC_PUTWORD_MAIN_LIST);
  g_candidates = GetDlgItem(popup, IDC_PUTWORD_CANDIDATES);
  AttachMainListCopy(g_mainList);
  SubclassCandidateListAndPopup(popup);
  InterlockedExchangePointer((PVOID volatile *)&g_popup, popup);
  return popup;
}

extern "C" int ORVEXAPI CreatePutWordDialog(HWND parent, NESTEDLOCK *list1, NESTEDLOCK *list2) {
  if (!OnPopupThread()) return 0;
  StoreUserLists(list1, list2);
  HWND popup = PutWordPopup();
  if (!popup && !(popup = MakePopup(IsWindow(parent) ? parent : 0))) return 0;
  HidePopup();
  ShowWindow(popup, SW_HIDE);
  StartKeywordLoader();
  return 1;
}

// A rebuild of the keyword database asked for by the host: started when no
// loader is about (303), else refused and kept for later (304).
static void AnswerRebuildRequest(void) {
  int idle = KeywordLoaderState() == 0;
  if (idle) {
    SetDatabaseToCreatePutWordListing(0);
    StartKeywordLoader();
  }
  _myMessageBoxForLoadStringForOrvex(GethInstOrvexmsg(), GethWndMain(), idle ? kRebuildStarted : kRebuildRefused,
                                     kProductTitle, kWarningOk);
}

static void SetTitle(const char *prefix, const char *word) {
  char title[kTitleBufferSize] = "";
  const char *typed = prefix ? prefix : (word ? word : "");
  if (g_readOnly) strcpy(title, kReadOnlyTitle[GetLanguage() ? 1 : 0]);
  else if (typed[0] && CandidateCount() > 1) snprintf(title, sizeof title, "%s (%d)", typed, CandidateCount());
  else strcpy(title, typed);
  // Setting a text makes the window server store it and the line repaint;
  // the same text again would change nothing on the screen.
  char shown[kTitleBufferSize];
  if (GetWindowTextA(g_title, shown, sizeof shown) >= 0 && strcmp(shown, title) == 0) return;
  SetWindowTextA(g_title, title);
}

// Shows the popup topmost at `at` (screen coordinates; null keeps its
// place) with the focus on the main list. While the user types, the popup
// is shown already: a window that is where it should be is not moved or
// shown again, which under some window managers costs more than filtering.
// A hidden popup is moved, raised and shown in one call, so that the window
// manager does one round of work rather than two.
static void ShowAt(HWND popup, const POINT *at) {
  RECT now;
  GetWindowRect(popup, &now);
  bool placed = !at || (now.left == at->x && now.top == at->y);
  bool hidden = !g_shown || !IsWindowVisible(popup);
  SetPutWordKeysActive(true);
  if (hidden || !placed)
    SetWindowPos(popup, HWND_TOPMOST, at ? at->x : 0, at ? at->y : 0, 0, 0,
                 SWP_NOSIZE | (at ? 0 : SWP_NOMOVE) | (hidden ? SWP_SHOWWINDOW : SWP_NOACTIVATE));
  g_shown = 1;
  // Asking for the focus is a round trip to the window server; while the
  // popup stays shown, the main list's own record of its focus answers.
  bool focused = hidden ? GetFocus() == g_mainList : MainListHasFocus();
  if (!focused) SetFocus(g_mainList);
}

static bool TooLong(const char *text) { return text && strnlen(text, kWordBufferSize) >= kWordBufferSize; }

extern "C" int ORVEXAPI ShowPutWordDialog(POINT *at, LPSTR prefix, LPSTR word, LPSTR *out, int command, int readOnly) {
  HWND popup = PutWordPopup();
  if (!popup || !OnPopupThread()) return 0;
  if (IsDatabaseToCreatePutWordListing()) {
    AnswerRebuildRequest();
    return 0;
  }
  if (TooLong(prefix) || TooLong(word)) return 0;
  g_selectedWord[0] = 0;
  g_readOnly = readOnly;
  int result = FilterMainList(popup, prefix, word, g_selectedWord);
  if (result == 0) return 0;
  if (result == -2 && command == kCompleteAtOnce) {
    if (out) *out = g_selectedWord;
    return 1;
  }
  g_selectedWord[0] = 0;
  SetTitle(prefix, word);
  if (out) *out = 0;
  ShowAt(popup, at);
  return -1;
}

extern "C" int ORVEXAPI HidePutWordDialog(void) { return OnPopupThread() && HidePopup() ? 1 : 0; }

// 1 when the popup was hidden.
extern "C" int ORVEXAPI CloseInactivePutWordDialog(void) {
  HWND popup = PutWordPopup();
  if (!popup || !g_shown || g_helpOpen || !OnPopupThread()) return 0;
  HWND focus = GetFocus();
  if (focus && (focus == popup || IsChild(popup, focus))) return 0;
  return HidePopup() ? 1 : 0;
}

extern "C" int ORVEXAPI DestroyPutWordWindow(void) {
  HWND popup = PutWordPopup();
  if (!popup || !OnPopupThread()) return 0;
  StopLoadersForPopup();
  if (PutWordPopup() != popup) return 0; // destroyed meanwhile by a message handled while waiting
  StopHelpTimer(popup);
  SetPutWordKeysActive(false);
  InterlockedExchangePointer((PVOID volatile *)&g_popup, 0);
  DestroyWindow(popup);
  g_shown = 0;
  g_helpOpen = 0;
  return 1;
}

// Callable from any thread: the host's add-user-keywords callback runs on
// the keyword loader's thread. The list box does the work on the window
// thread, where the main list's copy follows it.
extern "C" int ORVEXAPI AddOrDeletUserKeywordsInOpenPutWordDlg(LPSTR word, int remove) {
  HWND popup = PutWordPopup();
  if (!popup || !word || TooLong(word)) return 0;
  if (remove) DeleteSpecifiedTextFromListBox(popup, IDC_PUTWORD_MAIN_LIST, word);
  else AddAndViewIndepFileToListBox(popup, IDC_PUTWORD_MAIN_LIST, word, 0, 1);
  return 1;
}

extern "C" LPSTR ORVEXAPI GetSelectedWordFromPutWordDlg(void) { return g_selectedWord; }

extern "C" HWND ORVEXAPI GetWndHandleForPutWordDlg(void) { return PutWordPopup(); }

extern "C" int ORVEXAPI IsPutWordDialogActive(void) { return PutWordPopup() != 0; }

extern "C" int ORVEXAPI IsCreatePutWordDlgActive(void) { return g_shown; }

extern "C" int ORVEXAPI IsPutWordDatabaseActive(void) { return MainCount() != 0; }
