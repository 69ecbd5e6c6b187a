// Lines of list boxes and combo boxes: adding a line once, finding it, and
// the horizontal extent that lets the widest line be scrolled to. One set of
// code serves both kinds of box through a table of their messages.
//
// A box's own exact search (LB_FINDSTRINGEXACT) folds case by the code page,
// which takes "\x83\x61.c" for "\x83\x41.c" (a trail byte read as a letter);
// so it only proposes candidates, and each is confirmed byte for byte.
#include "frame/kitlib.h"
#include "frame/dialog_controls.h"
#include "frame/sjis_case.h"
#include <string.h>
#include <string>

struct BoxMessages {
  UINT findExact, getTextLength, getText, addString, setSelection, getExtent, setExtent;
};
static const BoxMessages kListBox = {LB_FINDSTRINGEXACT, LB_GETTEXTLEN, LB_GETTEXT, LB_ADDSTRING,
                                     LB_SETCURSEL, LB_GETHORIZONTALEXTENT, LB_SETHORIZONTALEXTENT};
static const BoxMessages kComboBox = {CB_FINDSTRINGEXACT, CB_GETLBTEXTLEN, CB_GETLBTEXT, CB_ADDSTRING,
                                      CB_SETCURSEL, CB_GETHORIZONTALEXTENT, CB_SETHORIZONTALEXTENT};

// Set and read on the UI thread that fills the boxes.
static int g_extraWidth = 0;

static bool LineEquals(HWND box, const BoxMessages &m, LRESULT index, const char *item, int ignoreCase) {
  LRESULT length = SendMessageA(box, m.getTextLength, (WPARAM)index, 0);
  if (length < 0) return false;
  // The length may overstate a line of two-byte characters, never understate it.
  std::string line((size_t)length + 2, '\0');
  if (SendMessageA(box, m.getText, (WPARAM)index, (LPARAM)&line[0]) < 0) return false;
  return ignoreCase ? SjisEqualNoCase(line.c_str(), item) : strcmp(line.c_str(), item) == 0;
}

static int FindLine(HWND box, const BoxMessages &m, const char *item, int ignoreCase) {
  if (!box || !item) return -1;
  // The search starts after its wParam and wraps: an index not past the last
  // one tried means every candidate was seen.
  for (LRESULT at = SendMessageA(box, m.findExact, (WPARAM)-1, (LPARAM)item); at >= 0;) {
    if (LineEquals(box, m, at, item, ignoreCase)) return (int)at;
    LRESULT next = SendMessageA(box, m.findExact, (WPARAM)at, (LPARAM)item);
    if (next <= at) break;
    at = next;
  }
  return -1;
}

static int AddOnce(HWND box, const BoxMessages &m, const char *item, int ignoreCase, int select) {
  if (!box || !item) return -1;
  int index = FindLine(box, m, item, ignoreCase);
  if (index < 0) {
    LRESULT added = SendMessageA(box, m.addString, 0, (LPARAM)item);
    if (added < 0) return -1;
    index = (int)added;
  }
  if (select) SendMessageA(box, m.setSelection, (WPARAM)index, 0);
  return index;
}

extern "C" int KITAPI AddAndViewIndepFileToListBox(HWND dialog, int id, LPCSTR item, int ignoreCase, int select) {
  return AddOnce(DialogControl(dialog, id), kListBox, item, ignoreCase, select);
}

extern "C" int KITAPI AddAndViewIndepFileToComboBox(HWND dialog, int id, LPCSTR item, int ignoreCase, int select) {
  return AddOnce(DialogControl(dialog, id), kComboBox, item, ignoreCase, select);
}

extern "C" int KITAPI FindIndepLineInListBox(HWND box, LPCSTR item, int ignoreCase) {
  return FindLine(IsWindow(box) ? box : 0, kListBox, item, ignoreCase);
}

extern "C" int KITAPI FindIndepLineInComboBox(HWND box, LPCSTR item, int ignoreCase) {
  return FindLine(IsWindow(box) ? box : 0, kComboBox, item, ignoreCase);
}

extern "C" void KITAPI AddExtraWidthForStringInHorizontalScroll(int extra) { g_extraWidth = extra; }

static int TextWidth(HWND box, const char *text) {
  HDC dc = GetDC(box);
  if (!dc) return 0;
  HFONT font = (HFONT)SendMessageA(box, WM_GETFONT, 0, 0);
  HGDIOBJ old = font ? SelectObject(dc, font) : 0;
  SIZE size = {0, 0};
  GetTextExtentPoint32A(dc, text, (int)strlen(text), &size);
  if (old) SelectObject(dc, old);
  ReleaseDC(box, dc);
  return size.cx;
}

static int Widen(HWND box, const BoxMessages &m, const char *text, int margin, int *widest) {
  if (!box || !text) return 0;
  int width = TextWidth(box, text) + margin + g_extraWidth;
  int current = (int)SendMessageA(box, m.getExtent, 0, 0);
  if (widest && *widest > current) current = *widest;
  if (width > current) {
    SendMessageA(box, m.setExtent, (WPARAM)width, 0);
    if (widest) *widest = width;
  }
  return width;
}

extern "C" int KITAPI SetHorizontalScrollInListBoxByStringSize(HWND dialog, int id, LPCSTR text, int margin, int *widest) {
  return Widen(DialogControl(dialog, id), kListBox, text, margin, widest);
}

extern "C" int KITAPI SetHorizontalScrollInComboBoxByStringSize(HWND dialog, int id, LPCSTR text, int margin, int *widest) {
  return Widen(DialogControl(dialog, id), kComboBox, text, margin, widest);
}

extern "C" void KITAPI ResetHorizontalScrollInComboBox(HWND box, int width) {
  if (IsWindow(box)) SendMessageA(box, CB_SETHORIZONTALEXTENT, (WPARAM)(width > 0 ? width : 0), 0);
}
