// Working the common dialogs through their controls and messages, as a user
// would: the file name goes into the name field (an edit under Wine, a combo
// box elsewhere), the folder is selected in the tree.
#include "host/common_dialogs.h"
#include <commdlg.h>
#include <shlobj.h>
#include <algorithm>

enum { kNameEdit = 0x480, kNameCombo = 0x47C };

std::string FileDialogFolder(HWND dialog) {
  char folder[MAX_PATH] = "";
  SendMessageA(dialog, CDM_GETFOLDERPATH, sizeof folder, (LPARAM)folder);
  return folder;
}

std::vector<std::string> FileDialogFilters(HWND dialog) {
  std::vector<std::string> filters;
  HWND box = GetDlgItem(dialog, kFileDialogFilters);
  LRESULT count = SendMessageA(box, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; i++) {
    LRESULT length = SendMessageA(box, CB_GETLBTEXTLEN, (WPARAM)i, 0);
    std::string text((size_t)(length > 0 ? length : 0) + 1, '\0');
    text.resize((size_t)std::max<LRESULT>(0, SendMessageA(box, CB_GETLBTEXT, (WPARAM)i, (LPARAM)&text[0])));
    filters.push_back(text);
  }
  return filters;
}

void ChooseInFileDialog(HWND dialog, const std::string &names) {
  HWND field = GetDlgItem(dialog, kNameEdit);
  if (!field) field = GetDlgItem(dialog, kNameCombo);
  SetWindowTextA(field, names.c_str());
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)GetDlgItem(dialog, IDOK));
}

void ChooseInFolderDialog(HWND dialog, const std::string &folder) {
  if (!folder.empty()) SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, (LPARAM)folder.c_str());
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)GetDlgItem(dialog, IDOK));
}
