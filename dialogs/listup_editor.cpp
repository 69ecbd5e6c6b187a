// What the editor chooser, the recent-list editor and the window list share
// on their common template: the list fill with its horizontal extent, the
// selection and the button rules.
#include "dialogs/listup_editor.h"
#include "frame/formatted_lists.h"
#include "frame/kitlib.h"

void BeginListupFill(int *widest) {
  *widest = 0;
  AddExtraWidthForStringInHorizontalScroll(kListBoxFillExtraWidth);
}

void EndListupFill(void) { AddExtraWidthForStringInHorizontalScroll(0); }

int AddListupLine(HWND dialog, const char *line, LPARAM data, int *widest) {
  if (!line || !line[0]) return -1;
  SetHorizontalScrollInListBoxByStringSize(dialog, IDC_LISTUP_LIST, line, 0, widest);
  int index = (int)SendDlgItemMessageA(dialog, IDC_LISTUP_LIST, LB_ADDSTRING, 0, (LPARAM)line);
  if (index < 0) return -1;
  SendDlgItemMessageA(dialog, IDC_LISTUP_LIST, LB_SETITEMDATA, (WPARAM)index, data);
  return index;
}

int ListupSelection(HWND dialog) { return (int)SendDlgItemMessageA(dialog, IDC_LISTUP_LIST, LB_GETCURSEL, 0, 0); }

LPARAM ListupSelectedData(HWND dialog) {
  int index = ListupSelection(dialog);
  if (index < 0) return 0;
  LRESULT data = SendDlgItemMessageA(dialog, IDC_LISTUP_LIST, LB_GETITEMDATA, (WPARAM)index, 0);
  return data == LB_ERR ? 0 : (LPARAM)data;
}

int ListupCount(HWND dialog) {
  int count = (int)SendDlgItemMessageA(dialog, IDC_LISTUP_LIST, LB_GETCOUNT, 0, 0);
  return count < 0 ? 0 : count;
}

void EnableListupButton(HWND dialog, int id, bool enable) { myEnableWindow(GetDlgItem(dialog, id), enable); }

void ApplySelectionRule(HWND dialog) { EnableListupButton(dialog, IDC_LISTUP_CLOSE, ListupSelection(dialog) >= 0); }

static void SetUpButton(HWND dialog, int id, const char *caption) {
  if (!caption) return;
  if (caption[0]) SetDlgItemTextA(dialog, id, caption);
  else ShowWindow(GetDlgItem(dialog, id), SW_HIDE);
}

void SetUpListupButtons(HWND dialog, const char *open, const char *close, const char *save, const char *quit) {
  cwCenter(0, dialog);
  SetUpButton(dialog, IDC_LISTUP_OPEN, open);
  SetUpButton(dialog, IDC_LISTUP_CLOSE, close);
  SetUpButton(dialog, IDC_LISTUP_SAVE, save);
  SetUpButton(dialog, IDOK, quit);
}
