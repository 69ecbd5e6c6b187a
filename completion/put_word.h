// The pieces of the completion popup and its loaders as they use each other.
// The popup and everything that reads its lists run on the host's window
// thread, which owns the popup; the loaders only send list-box messages to
// it and read the few values below that are marked as shared.
#pragma once
#include "frame/instance.h"
#include "frame/paths.h"
#include "completion/put_word_resources.h"
#include <vector>

// WM_COMMAND lParam by which a list asks the popup to take the candidate.
#define PUTWORD_TAKE_CANDIDATE ((LPARAM)123456)

// ---- The popup (put_word_popup.cpp) ----
// The popup, or 0. Written on the window thread, read by the loaders.
HWND PutWordPopup(void);
HWND PutWordList(int id);
// True on the thread that created the popup (or when there is none).
bool OnPopupThread(void);
// The word handed to the host (kWordBufferSize bytes).
char *SelectedWord(void);
// Hides the popup as HidePutWordDialog does; false when it was not shown.
bool HidePopup(void);

// ---- The copy of the main list (main_list_copy.cpp) ----
// Subclasses the main list for good: every word added, inserted or deleted
// is mirrored, in the list's own order, so filtering reads memory instead of
// sending LB_GETTEXT per word. Words of kWordBufferSize bytes or more, and
// null words, are refused before they reach the list.
void AttachMainListCopy(HWND list);
const std::vector<char *> &MainListWords(void);
// The first byte of each word, ASCII letters folded, in the same order.
const std::vector<unsigned char> &MainListFirstBytes(void);
// Copies the main list's selected word into `out` (kWordBufferSize bytes);
// empty when nothing is selected.
void CopyMainListSelection(char *out);
// Whether the main list has the keyboard focus, as its WM_SETFOCUS and
// WM_KILLFOCUS said (window thread only).
bool MainListHasFocus(void);

// ---- Keys and mouse (put_word_keys.cpp) ----
// While the popup is shown its lists and the popup itself take the keys of
// the completion; hidden, they behave as plain windows.
void SetPutWordKeysActive(bool active);
bool PutWordKeysActive(void);
// The main list's keys; true when handled (with *result set).
bool MainListKeys(HWND list, UINT message, WPARAM wParam, LPARAM lParam, LRESULT *result);
void SubclassCandidateListAndPopup(HWND popup);

// Marks a child of the popup invisible for the life of the guard, the
// system's own way of stopping a window's drawing (a list box's own
// handling of WM_SETREDRAW still scrolls and redraws its scroll bar at
// once), and redraws it, frame included, at the end: a visible list of a
// hundred thousand words scrolled to a far selection costs several times
// the whole filtering. Only a child on the screen is marked: one of a
// hidden popup draws nothing, and each mark is work for the window server.
// A null window is left alone.
struct QuietWindow {
  HWND window;
  bool wasVisible;
  explicit QuietWindow(HWND child) : window(child), wasVisible(child && IsWindowVisible(child)) {
    if (wasVisible) DefWindowProcA(window, WM_SETREDRAW, FALSE, 0);
  }
  ~QuietWindow() {
    if (!wasVisible) return;
    DefWindowProcA(window, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(window, 0, 0, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
  }
  QuietWindow(const QuietWindow &) = delete;
  QuietWindow &operator=(const QuietWindow &) = delete;
};

// Switches a list box's own redrawing off for the life of the guard: the
// list then neither updates its scroll bar nor repaints as words come and
// go, and it is repainted once at the end. A selection out of sight still
// scrolls the list at once (QuietWindow is for that).
struct ListRedrawOff {
  HWND list;
  explicit ListRedrawOff(HWND box) : list(box) { SendMessageA(list, WM_SETREDRAW, FALSE, 0); }
  ~ListRedrawOff() {
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    if (IsWindowVisible(list)) InvalidateRect(list, 0, TRUE);
  }
  ListRedrawOff(const ListRedrawOff &) = delete;
  ListRedrawOff &operator=(const ListRedrawOff &) = delete;
};

// ---- Filtering (put_word_filter.cpp) ----
// Fills the candidate list for the pattern and selects the best match in
// the main list. Returns 1 (candidates or a best match), -2 (one completion:
// its remaining text in `completion`), 0 (nothing to offer).
int FilterMainList(HWND popup, const char *prefix, const char *word, char *completion);
int BestIndex(void);
int CandidateCount(void);

// ---- Loaders (keyword_loader.cpp, user_database_reader.cpp) ----
// Empties the main list and starts the keyword-database loader; refused
// while one runs, an unreaped one is reaped first. 1 started.
int StartKeywordLoader(void);
int KeywordLoaderState(void);
// Stops both loaders and waits for them (pumping messages), for the
// popup's destruction.
void StopLoadersForPopup(void);
// Taken when the keyword loader ends; shared with the loader thread.
int MainCount(void);
int PageLines(void);
void StoreUserLists(NESTEDLOCK *list1, NESTEDLOCK *list2);
