// Conveniences of the dialogs: check states that count a disabled box as
// unchecked, key names put in an edit control, and the tab stop of list
// boxes (the list editors keep a hidden record number behind it).
#include "frame/paths.h"
#include "frame/kitlib.h"
#include "frame/dialog_controls.h"

enum { kTabMargin = 10 };

// Written by the host through the setter; nothing in the library reads it.
static int g_terminatedWindows = 0;

extern "C" int ORVEXAPI GetCheckedStateForOrvex(HWND dialog, int id) {
  HWND control = dialog ? GetDlgItem(dialog, id) : 0;
  if (control && !IsWindowEnabled(control)) return 0;
  return myGetCheckedState(dialog, id);
}

extern "C" int ORVEXAPI PutVkeyNameInEdit(HWND window, int id, LPCSTR text) {
  if (!window) return 0;
  if (!text) text = "";
  if (id == 0) return (int)SendMessageA(window, WM_SETTEXT, 0, (LPARAM)text);
  return SetDlgItemTextA(window, id, text) ? 1 : 0;
}

static int ClientWidth(HWND box) {
  RECT area = {0, 0, 0, 0};
  GetClientRect(box, &area);
  return area.right - area.left;
}

extern "C" int ORVEXAPI SetTab(HWND dialog, int id, int position) {
  HWND box = dialog ? GetDlgItem(dialog, id) : 0;
  if (!box) return 0;
  if (position == 0) position = ClientWidth(box) + kTabMargin;
  SendMessageA(box, LB_SETTABSTOPS, 1, (LPARAM)&position);
  return position;
}

static int SetListTab(HWND dialog, int id, int position, bool outside) {
  HWND box = DialogControl(dialog, id);
  if (!box) return 0;
  int width = ClientWidth(box);
  if (position == 0 || (outside && position < width)) position = width + kTabMargin;
  SetOneTabInListBox(box, 0, position);
  return position;
}

extern "C" int ORVEXAPI SetListTabs(HWND dialog, int id, int position) {
  return SetListTab(dialog, id, position, false);
}

extern "C" int ORVEXAPI SetListTabsOutsideRect(HWND dialog, int id, int position) {
  return SetListTab(dialog, id, position, true);
}

extern "C" int ORVEXAPI SetTerminatedWindowsInOrvexstr(int value) {
  g_terminatedWindows = value;
  return g_terminatedWindows;
}
