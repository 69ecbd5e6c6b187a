// The "Add Folders" dialog: edits a ';'-separated list of folders (or of
// files, kind 100) kept in global memory. Items are typed or chosen with
// "...", checked against the disk (and by the host, when it registered a
// check) before they join the list, and the list is saved back on OK. While
// the dialog is open the product's initial folder for file opening is the
// first item that exists, so "..." starts among the items; the folder the
// host had set is put back when the dialog ends.
#include "dialogs/modal_procedure.h"
#include "dialogs/single_task_dialogs.h"
#include "dialogs/single_task_resources.h"
#include "frame/control_texts.h"
#include "frame/formatted_lists.h"
#include "frame/kitlib.h"
#include "frame/paths.h"
#include "frame/registry.h"
#include "frame/text_fit.h"
#include "runner/choosers.h"
#include "runner/product_folder.h"
#include "settings/session_flags.h"

enum {
  kFileList = 100,
  kFileKind = 2,
  kFolderKind = 4,
  kMissingText = 40,
  kCheckTitleText = 41,
  kHelpTopic = 49163,
  kShowTopic = 1,
};

// Owned by the host's user-interface thread, which runs the dialog: the
// parameters of SetParametesForOpenEditDlg, the list being edited and the
// initial folder the host had set before the dialog.
static int g_kind = 0;
static int g_flags = 0;
static int g_filter = 0;
static HGLOBAL *g_list = 0;
static char g_savedInitialFolder[ITEM_BUFFER_SIZE];

extern "C" int ORVEXAPI SetParametesForOpenEditDlg(int kind, int flags, int filter) {
  g_kind = kind;
  g_flags = flags;
  g_filter = filter;
  return filter;
}

static void SetInitialFolder(const char *folder) { CopySjis(GetInitialFolderAtFileOpenOrvex(), ITEM_BUFFER_SIZE, folder); }

// The initial folder from the first item that exists: the item itself when
// it is a folder, its folder when it is a file.
static void StartAtFirstItem(void) {
  char item[ITEM_BUFFER_SIZE];
  for (int offset = 0, next; (next = GetEachFilesFromFormattedString(item, offset, g_list, kListSeparator)) != 0;
       offset = next) {
    int kind = item[0] ? IsDirectoryAttributeForOrvex(item) : 0;
    if (kind == kFileKind) GetDirectoryPathInFile(item);
    if (kind == kFileKind || kind == kFolderKind) {
      SetInitialFolder(item);
      return;
    }
  }
}

static bool EditHasText(HWND dialog) { return GetWindowTextLengthA(GetDlgItem(dialog, IDC_EDIT_ITEM)) > 0; }

static void UpdateButtons(HWND dialog) {
  HWND list = GetDlgItem(dialog, IDC_EDIT_LIST);
  EnableWindow(GetDlgItem(dialog, IDC_EDIT_DELETE), SendMessageA(list, LB_GETCURSEL, 0, 0) >= 0);
  EnableWindow(GetDlgItem(dialog, IDC_EDIT_ADD), EditHasText(dialog));
  EnableWindow(GetDlgItem(dialog, IDOK), SendMessageA(list, LB_GETCOUNT, 0, 0) > 0);
}

static void InitEditDialog(HWND dialog) {
  cwCenter(0, dialog);
  FillListBoxByGlobalMemory(dialog, IDC_EDIT_LIST, *g_list, kListSeparator);
  StartAtFirstItem();
  CheckDlgButton(dialog, IDC_EDIT_ADD_ON_OK, IsAddItemsIntoListBoxForEditBoxDialog() ? BST_CHECKED : BST_UNCHECKED);
  if (g_filter) SetWindowTextA(dialog, GetTitleForFileOpen(g_filter));
  UpdateButtons(dialog);
}

// "...": a file (kind 100) or a folder chosen into the edit.
static void Browse(HWND dialog) {
  if (SendDlgItemMessageA(dialog, IDC_EDIT_LIST, LB_GETCOUNT, 0, 0) <= 0) SetInitialFolder(g_savedInitialFolder);
  char path[ITEM_BUFFER_SIZE];
  ReadControlText(dialog, IDC_EDIT_ITEM, path, sizeof path);
  int chosen = g_kind == kFileList
                   ? GetNewFile(dialog, path, g_filter, g_filter, g_flags | kChosenFilesMustExist, 0)
                   : GetNewDirectory(dialog, path, g_flags);
  if (chosen) SetDlgItemTextA(dialog, IDC_EDIT_ITEM, path);
  UpdateButtons(dialog);
}

// Adds the edit's item to the list when the disk and the host accept it.
static bool AddEditItem(HWND dialog) {
  char item[ITEM_BUFFER_SIZE];
  ReadControlText(dialog, IDC_EDIT_ITEM, item, sizeof item);
  if (!IsItemOkInDisk(dialog, item, 1, kMissingText, kCheckTitleText, g_kind == kFileList, 1)) return false;
  if (!HostCheckFolderSelectionValidForOpenEditDlg(dialog, item)) return false;
  SetHorizontalScrollInListBoxByStringSize(dialog, IDC_EDIT_LIST, item, 0, 0);
  AddAndViewIndepFileToListBox(dialog, IDC_EDIT_LIST, item, 1, 1);
  return true;
}

static void DeleteSelected(HWND dialog) {
  DeleteItemInDirectoryListBox(dialog, IDC_EDIT_LIST);
  UpdateButtons(dialog);
  // An emptied list may be saved too.
  EnableWindow(GetDlgItem(dialog, IDOK), TRUE);
}

static void TakeSelectedLine(HWND dialog) {
  char line[ITEM_BUFFER_SIZE];
  HWND list = GetDlgItem(dialog, IDC_EDIT_LIST);
  LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
  LRESULT length = selected >= 0 ? SendMessageA(list, LB_GETTEXTLEN, (WPARAM)selected, 0) : -1;
  if (length < 0 || length >= ITEM_BUFFER_SIZE) return;
  SendMessageA(list, LB_GETTEXT, (WPARAM)selected, (LPARAM)line);
  SetDlgItemTextA(dialog, IDC_EDIT_ITEM, line);
  UpdateButtons(dialog);
  EnableWindow(GetDlgItem(dialog, IDC_EDIT_ADD), FALSE);
}

// OK: a checked 40202 adds the edit's item first; an item the check refuses
// keeps the dialog open, so the typed text is not lost.
static void Accept(HWND dialog) {
  int addOnOk = IsDlgButtonChecked(dialog, IDC_EDIT_ADD_ON_OK) == BST_CHECKED;
  SetAddItemsIntoListBoxForEditBoxDialog(addOnOk);
  if (addOnOk && EditHasText(dialog) && !AddEditItem(dialog)) return;
  if (SaveItemFromListBoxInGlobalMemory(dialog, IDC_EDIT_LIST, g_list, kListSeparator))
    RemoveEndMarkInGlobalMemory(g_list, kListSeparator);
  EndDialog(dialog, 1);
}

static INT_PTR EditCommand(HWND dialog, int id, int code) {
  switch (id) {
  case IDC_EDIT_ITEM:
    if (code == EN_UPDATE) UpdateButtons(dialog);
    break;
  case IDC_EDIT_BROWSE:
    Browse(dialog);
    break;
  case IDC_EDIT_ADD:
    AddEditItem(dialog);
    UpdateButtons(dialog);
    break;
  case IDC_EDIT_DELETE:
    DeleteSelected(dialog);
    break;
  case IDC_EDIT_LIST:
    if (code == LBN_SELCHANGE || code == LBN_DBLCLK) TakeSelectedLine(dialog);
    break;
  case IDOK:
    Accept(dialog);
    break;
  case IDC_EDIT_HELP:
    ShowProductHelp(dialog, kProductHelpFile, kShowTopic, kHelpTopic);
    break;
  case IDCANCEL:
  case IDC_TASK_CANCEL:
    EndDialog(dialog, 0);
    break;
  default:
    return FALSE;
  }
  return TRUE;
}

extern "C" int ORVEXAPI OpenEditDialog(HWND parent, int second, int third, HGLOBAL *list) {
  if (!list) return 0;
  CopySjis(g_savedInitialFolder, sizeof g_savedInitialFolder, GetInitialFolderAtFileOpenOrvex());
  HGLOBAL *outer = g_list;
  g_list = list;
  INT_PTR answer = DisplayBox(parent, ModalDialogProc<InitEditDialog, EditCommand>, "OpenEdit", GethInstOrvexdll());
  g_list = outer;
  SetInitialFolder(g_savedInitialFolder);
  return (int)answer;
}
