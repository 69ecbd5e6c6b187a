// A folder list edited in the "Add Folders" dialog and shown again in the
// combo box or edit field it came from.
#include "runner/choosers.h"
#include "dialogs/single_task_dialogs.h"
#include "frame/formatted_lists.h"

// The edit dialog answers 1 after OK, 0 after Cancel and -1 when it could
// not be shown.
static bool Confirmed(int answer) { return answer != 0 && answer != -1; }

extern "C" int ORVEXAPI SelectNewDirectoryIntoComboBox(HWND dialog, int second, int third, int fourth,
                                                       HGLOBAL *list, int id) {
  int control = id & 0xFFFF;
  if (!Confirmed(OpenEditDialog(dialog, second, third, list))) return 0;
  SendDlgItemMessageA(dialog, control, CB_RESETCONTENT, 0, 0);
  FillComboBoxByGlobalMemory(dialog, control, *list, kListSeparator);
  return 1;
}

extern "C" int ORVEXAPI SelectNewDirectoryIntoEditBox(HWND dialog, int second, int third, int fourth,
                                                      HGLOBAL *list, int id) {
  int answer = OpenEditDialog(dialog, second, third, list);
  if (Confirmed(answer)) FillEditBoxByGlobalMemory(dialog, id & 0xFFFF, *list);
  return answer;
}
