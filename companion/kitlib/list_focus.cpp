// Lines added to a list or combo box the way a user's choice is: once, then
// selected, with the keyboard focus on the box when asked.
#include "frame/kitlib.h"
#include "frame/dialog_controls.h"

static void FocusBox(HWND dialog, int id, int index, int focus) {
  HWND box = DialogControl(dialog, id);
  if (index >= 0 && focus && box) SetFocus(box);
}

extern "C" int KITAPI AddFocusInComboBox(HWND dialog, int id, LPCSTR text, int focus) {
  int index = AddAndViewIndepFileToComboBox(dialog, id, text, 1, 1);
  FocusBox(dialog, id, index, focus);
  return index >= 0 ? 1 : -1;
}

extern "C" int KITAPI AddFocusInListBox(HWND dialog, int id, LPCSTR text, int ignoreCase, int focus) {
  int index = AddAndViewIndepFileToListBox(dialog, id, text, ignoreCase ? 1 : 0, 1);
  FocusBox(dialog, id, index, focus);
  return index;
}
