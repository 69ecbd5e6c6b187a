// The rename dialog: the user types a new name for a file and picks its
// extension from a drop-down list; after the user confirmed, the host is
// asked whether a file of that name is in the way. On success the caller's
// buffer holds the old path, its NUL, then the new path: the host renames.
// Each path holds at most MAX_PATH - 1 bytes, so the buffer's 520 bytes hold
// both; a longer old path is refused and a longer new one is a bad name.
#include "dialogs/modal_procedure.h"
#include "dialogs/single_task_dialogs.h"
#include "dialogs/single_task_resources.h"
#include "frame/control_texts.h"
#include "frame/formatted_lists.h"
#include "frame/kitlib.h"
#include "frame/message_boxes.h"
#include "frame/orvexmsg.h"
#include "frame/registry.h"
#include "frame/sjis_case.h"
#include <string.h>
#include <string>

enum {
  kConfirmText = 338,
  kConfirmTitle = 221,
  kSameNameText = 337,
  kSameNameTitle = 125,
  kSameFileValue = 123,
  kWarning = 0x30,
  kWarningOkCancel = 0x31,
};

// Handed to the host's same-file check: message and flag pairs it may show.
static const int kFolderInTheWay[] = {118, 0};
static const int kFileInTheWay[] = {311, 1};

// Owned by the host's user-interface thread, which runs the dialog.
static LPCSTR g_extensions = 0;
static LPSTR g_path = 0;

// The drop-down list: "." and each listed extension, the file's own added
// when it is not listed; the file's own is selected.
static void FillExtensions(HWND box, const char *extension) {
  char item[ITEM_BUFFER_SIZE];
  const char *list = g_extensions ? g_extensions : "";
  for (int offset = 0, next; (next = GetEachFilesFromFormattedStringPointer(item, offset, list, ';')) != 0;
       offset = next) {
    if (item[0]) SendMessageA(box, CB_ADDSTRING, 0, (LPARAM)(std::string(".") + item).c_str());
  }
  int index = FindIndepLineInComboBox(box, extension, 1);
  if (index < 0) index = (int)SendMessageA(box, CB_ADDSTRING, 0, (LPARAM)extension);
  SendMessageA(box, CB_SETCURSEL, (WPARAM)index, 0);
}

static void InitRename(HWND dialog) {
  cwCenter(0, dialog);
  SetDlgItemTextA(dialog, IDC_RENAME_PATH, g_path);
  ShowWindow(GetDlgItem(dialog, IDC_RENAME_PATH), SW_HIDE);
  std::string name = SjisFileNamePart(g_path);
  SetDlgItemTextA(dialog, IDC_RENAME_NAME, name.c_str());
  const char *dot = GetFileExtension(name.c_str());
  if (dot) {
    FillExtensions(GetDlgItem(dialog, IDC_RENAME_EXTENSION), dot);
    name.resize((size_t)(dot - name.c_str()));
  }
  SetDlgItemTextA(dialog, IDC_RENAME_NEW_NAME, name.c_str());
  EnableWindow(GetDlgItem(dialog, IDOK), !name.empty());
}

// The new path from the typed name and the chosen extension, or "" (with the
// name marked) when it is no good.
static std::string NewPath(HWND dialog, const char *folder) {
  char name[ITEM_BUFFER_SIZE], extension[ITEM_BUFFER_SIZE] = "";
  ReadControlText(dialog, IDC_RENAME_NEW_NAME, name, sizeof name);
  HWND box = GetDlgItem(dialog, IDC_RENAME_EXTENSION);
  LRESULT chosen = SendMessageA(box, CB_GETCURSEL, 0, 0);
  if (chosen >= 0 && SendMessageA(box, CB_GETLBTEXTLEN, (WPARAM)chosen, 0) < ITEM_BUFFER_SIZE)
    SendMessageA(box, CB_GETLBTEXT, (WPARAM)chosen, (LPARAM)extension);
  OnlyFileNameOnlyForIsBadFname(1);
  bool good = !IsBadFname(dialog, name, 1);
  std::string path = std::string(folder) + (folder[0] ? "\\" : "") + name + extension;
  if (good) good = !IsBadFname(dialog, path.c_str(), 1);
  if (good) return path;
  SetReversedInEdit(dialog, IDC_RENAME_NEW_NAME);
  return std::string();
}

static void Accept(HWND dialog) {
  char old[MAX_PATH];
  if (ReadControlText(dialog, IDC_RENAME_PATH, old, sizeof old) >= sizeof old) return;
  std::string folder(old, (size_t)(SjisFileNamePart(old) - old));
  if (!folder.empty() && folder.back() == '\\') folder.pop_back();
  std::string path = NewPath(dialog, folder.c_str());
  if (path.empty()) return;
  std::string newName = SjisFileNamePart(path.c_str());
  if (MessageBoxPrintfForOrvex(GethInstOrvexmsg(), kConfirmText, kConfirmTitle, newName.c_str(), dialog,
                               kWarningOkCancel, SjisFileNamePart(old)) != IDOK)
    return;
  if (SjisEqualNoCase(path.c_str(), old)) {
    MessageBoxPrintfForOrvex(GethInstOrvexmsg(), kSameNameText, kSameNameTitle, 0, dialog, kWarning, 0);
    return;
  }
  size_t oldLength = strlen(old);
  memcpy(g_path, old, oldLength + 1);
  memcpy(g_path + oldLength + 1, path.c_str(), path.size() + 1);
  int answer = HostStopBecauseSameFileExist(dialog, g_path + oldLength + 1, kFolderInTheWay, kFileInTheWay,
                                            kSameFileValue, 0);
  if (answer == 2 || answer == -7 || answer == -5) return;
  EndDialog(dialog, 1);
}

static INT_PTR RenameCommand(HWND dialog, int id, int notification) {
  switch (id) {
  case IDC_RENAME_NEW_NAME:
    if (notification == EN_CHANGE)
      EnableWindow(GetDlgItem(dialog, IDOK), GetWindowTextLengthA(GetDlgItem(dialog, IDC_RENAME_NEW_NAME)) > 0);
    return TRUE;
  case IDOK:
    Accept(dialog);
    return TRUE;
  case IDCANCEL:
  case IDC_TASK_CANCEL:
    EndDialog(dialog, 0);
    return TRUE;
  }
  return FALSE;
}

extern "C" int ORVEXAPI OpenRenameFileDialog(HWND parent, int second, LPCSTR extensions, LPSTR path) {
  if (!path || !path[0] || strlen(path) >= MAX_PATH) return 0;
  g_extensions = extensions;
  g_path = path;
  INT_PTR answer = DisplayBox(parent, ModalDialogProc<InitRename, RenameCommand>, "OpenRenameFile", GethInstOrvexdll());
  g_path = 0;
  g_extensions = 0;
  return answer == 1 ? 1 : 0;
}
