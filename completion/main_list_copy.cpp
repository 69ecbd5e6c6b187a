// A copy of the popup's main list kept in memory, word for word in the
// list's own order, so that filtering a hundred thousand words reads memory
// rather than sending LB_GETTEXT for each. The main list is subclassed once,
// when the popup is made, and stays subclassed while it lives: the loaders
// add words while the popup is hidden too. Every change of the list's words
// passes through here on the window thread, where the list box answers the
// index of an added or inserted word, and the copy follows that index.
// The same subclass notes whether the list has the focus, which the popup
// reads while the user types instead of asking the window server.
#include "completion/function_lists.h"
#include "completion/put_word.h"
#include "frame/sjis_case.h"
#include <stdlib.h>
#include <string.h>

// Used on the window thread only, inside the list's procedure and the
// filter that runs on the same thread. The first bytes (ASCII letters
// folded) stand side by side so the filter passes over the words of other
// first letters without reaching for each word.
static std::vector<char *> g_words;
static std::vector<unsigned char> g_firstBytes;
static WNDPROC g_listProcedure = 0;
// Whether the list has the focus: taken when it is subclassed, then kept by
// the focus messages every change of focus sends it. Window thread only.
static bool g_hasFocus = false;

static void ClearCopy() {
  for (char *word : g_words) free(word);
  g_words.clear();
  g_firstBytes.clear();
}

static void InsertCopy(LRESULT index, const char *text) {
  size_t length = strlen(text);
  char *copy = (char *)malloc(length + 1);
  if (!copy) return;
  memcpy(copy, text, length + 1);
  size_t at = (size_t)index < g_words.size() ? (size_t)index : g_words.size();
  g_words.insert(g_words.begin() + (ptrdiff_t)at, copy);
  g_firstBytes.insert(g_firstBytes.begin() + (ptrdiff_t)at, (unsigned char)SjisFoldAscii(text[0]));
}

static bool FitsWordBuffer(LPARAM text) {
  return text && strnlen((const char *)text, kWordBufferSize) < kWordBufferSize;
}

static LRESULT CALLBACK MainListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC own = g_listProcedure;
  switch (message) {
  case LB_ADDSTRING:
  case LB_INSERTSTRING: {
    if (!FitsWordBuffer(lParam)) return LB_ERR;
    LRESULT index = CallWindowProcA(own, list, message, wParam, lParam);
    if (index >= 0) InsertCopy(index, (const char *)lParam);
    return index;
  }
  case LB_DELETESTRING: {
    LRESULT left = CallWindowProcA(own, list, message, wParam, lParam);
    if (left != LB_ERR && wParam < g_words.size()) {
      free(g_words[wParam]);
      g_words.erase(g_words.begin() + (ptrdiff_t)wParam);
      g_firstBytes.erase(g_firstBytes.begin() + (ptrdiff_t)wParam);
    }
    return left;
  }
  case LB_RESETCONTENT:
    ClearCopy();
    break;
  case WM_SETFOCUS:
  case WM_KILLFOCUS:
    g_hasFocus = message == WM_SETFOCUS;
    break;
  case WM_NCDESTROY:
    g_hasFocus = false;
    ClearCopy();
    SetWindowLongPtrA(list, GWLP_WNDPROC, (LONG_PTR)own);
    g_listProcedure = 0;
    break;
  default: {
    LRESULT result = 0;
    if (PutWordKeysActive() && MainListKeys(list, message, wParam, lParam, &result)) return result;
  }
  }
  return CallWindowProcA(own, list, message, wParam, lParam);
}

void AttachMainListCopy(HWND list) {
  ClearCopy();
  g_hasFocus = GetFocus() == list;
  g_listProcedure = (WNDPROC)SetWindowLongPtrA(list, GWLP_WNDPROC, (LONG_PTR)MainListProcedure);
}

bool MainListHasFocus(void) { return g_hasFocus; }

const std::vector<char *> &MainListWords(void) { return g_words; }
const std::vector<unsigned char> &MainListFirstBytes(void) { return g_firstBytes; }

void CopyMainListSelection(char *out) {
  out[0] = 0;
  HWND list = PutWordList(IDC_PUTWORD_MAIN_LIST);
  LRESULT index = list ? SendMessageA(list, LB_GETCURSEL, 0, 0) : LB_ERR;
  if (index < 0 || (size_t)index >= g_words.size()) return;
  strcpy(out, g_words[(size_t)index]); // every word of the copy fits the buffer
}
