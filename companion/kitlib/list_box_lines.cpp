// Lines of a list box found by their exact bytes, then removed, counted or
// selected. Each call finds its line with FindIndepLineInListBox, which asks
// the box's own search for candidates and confirms them with LB_GETTEXT, so
// the number of messages sent does not grow with the number of lines (the
// completion lists hold a hundred thousand words and are filled from other
// threads, where every message is a thread switch).
#include "frame/kitlib.h"
#include "frame/dialog_controls.h"

extern "C" int KITAPI DeleteSpecifiedTextFromListBox(HWND dialog, int id, LPCSTR text) {
  HWND box = DialogControl(dialog, id);
  int index = FindIndepLineInListBox(box, text, 0);
  if (index < 0) return -1;
  return SendMessageA(box, LB_DELETESTRING, (WPARAM)index, 0) == LB_ERR ? -1 : index;
}

extern "C" int KITAPI FindSpecifiedStringInListBox(HWND dialog, int id, LPCSTR text) {
  return FindIndepLineInListBox(DialogControl(dialog, id), text, 0) + 1;
}

extern "C" int KITAPI SetTextInListBox(HWND dialog, int id, LPCSTR text) {
  HWND box = DialogControl(dialog, id);
  int index = FindIndepLineInListBox(box, text, 0);
  if (index >= 0) SendMessageA(box, LB_SETCURSEL, (WPARAM)index, 0);
  return index;
}
