// Starting the elevated helper ORVEXEXT.EXE, which makes the changes that
// need administrator rights, with the IDE executable's path as its options
// ("1" and the path, quoted when it holds a blank). The title window steps
// out of the way of the elevation prompt.
#include "runner/product_folder.h"
#include "dialogs/title_window.h"
#include "frame/kitlib.h"
#include <stdio.h>
#include <string.h>

enum {
  kPathBufferSize = 264,
  // "1", the path of at most 259 bytes in two quotes, and the NUL.
  kOptionsSize = 1 + 259 + 2 + 1,
  kHelperStartTitle = 8215,
  kWaitUntilEnd = -1,
  kNoWait = 0,
};

extern "C" int ORVEXAPI DoOrvexExtExeForVista(HWND window, int unused) {
  LPCSTR helper = ElevatedHelperPath();
  if (!helper[0] || !IsFileDirExistWithMessage(0, helper, 2, 0)) return 0;
  char ide[kPathBufferSize];
  GetOrvexFullPathName(ide);
  Add95QuotationForAnySpaceIfNotThere(ide);
  HGLOBAL handle = 0;
  LPSTR options = GetStringPointerBySize(&handle, 0, kOptionsSize, 0);
  if (!options) return 0;
  snprintf(options, kOptionsSize, "%d%s", 1, ide);
  LPSTR exeSlot = 0, optionsSlot = 0;
  int started = 0;
  if (SetExcuteExeFileAndOptionsWith95Quotation(window, helper, options, &exeSlot, &optionsSlot)) {
    WaitForSingleObjectForWinExec(kWaitUntilEnd);
    SetTitleFromKitmsgFotExecuteExeFile(kHelperStartTitle);
    HideTitleDlg();
    INT32 record[10] = {0};
    started = myExecuteExeFileRequireAdministrator(record, window, 1, 1, &exeSlot, &optionsSlot);
    ShowTitleDlg();
    WaitForSingleObjectForWinExec(kNoWait);
  }
  FreeStringPointer(handle, options);
  return started ? 1 : 0;
}
