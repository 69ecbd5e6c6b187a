// The advice box shown after the linker failed on a tds file: one group of
// advice per Windows family (the one that does not apply is disabled), the
// system panel, the host's output folders, and a Delete that empties the
// Release and Debug output folders into the recycle bin. Delete never
// touches a folder that is empty as a name, a drive root or a system folder,
// whatever the host answered for the output folders.
#include "dialogs/modal_procedure.h"
#include "dialogs/single_task_dialogs.h"
#include "dialogs/single_task_resources.h"
#include "frame/buffer_sizes.h"
#include "frame/kitlib.h"
#include "frame/paths.h"
#include "frame/registry.h"
#include "frame/sjis_case.h"
#include <shellapi.h>
#include <string.h>

enum {
  kPlatform98OrMe = 0x48,
  kPlatformXp = 0x200,
  kOutputFolders = 2,
  kFolderKind = 4,
  kShowOutputFolders = 40143,
  kDeletionTitle = 98,
};

static void EnableGroup(HWND dialog, const int *ids, BOOL enable) {
  for (int i = 0; i < 3; i++) EnableWindow(GetDlgItem(dialog, ids[i]), enable);
}

// The output folder `index` of the host's build, or "".
static void OutputFolder(int index, char *folder) {
  folder[0] = 0;
  HostGetOutPutFolderWitheReleaseDebugFromCompileSwitch(folder, index);
  folder[MAX_PATH - 1] = 0;
}

static bool MayEmpty(const char *folder) {
  return folder[0] && IsDirectoryAttributeForOrvex(folder) == kFolderKind && !ThisContainsSystemFolderToDelete(folder);
}

// Empties `folder` into the recycle bin; the current folder moves to its
// parent when it is that folder.
static void EmptyFolder(HWND dialog, const char *folder) {
  char current[ITEM_BUFFER_SIZE];
  if (!myGetcwd(current, sizeof current)) current[0] = 0;
  ConvertWin95CharacterSet(current, 24, 0);
  char trimmed[MAX_PATH];
  memcpy(trimmed, folder, strlen(folder) + 1);
  ConvertWin95CharacterSet(trimmed, 24, 0);
  if (SjisEqualNoCase(current, trimmed)) GetUpperDirectory(current);
  SetDlgBoxItemsForDeleting(dialog, 0);
  SetAllDelByForce(1);
  SetTrashActivated(1, 0);
  DelWild(dialog, 0, kDeletionTitle, 0, folder, "*.*", current[0] ? current : 0);
  SetTrashActivated(0, 0);
  SetAllDelByForce(0);
  SetDlgBoxItemsForDeleting(0, 0);
}

// "&Done", disabled, once neither output folder exists.
static void UpdateDeleteButton(HWND dialog) {
  char folder[MAX_PATH];
  for (int index = 0; index < kOutputFolders; index++) {
    OutputFolder(index, folder);
    if (folder[0] && IsDirectoryAttributeForOrvex(folder) == kFolderKind) return;
  }
  SetDlgItemTextA(dialog, IDC_TDS_DELETE, "&Done");
  EnableWindow(GetDlgItem(dialog, IDC_TDS_DELETE), FALSE);
}

static void DeleteOutputs(HWND dialog) {
  char folder[MAX_PATH];
  for (int index = 0; index < kOutputFolders; index++) {
    OutputFolder(index, folder);
    if (MayEmpty(folder)) EmptyFolder(dialog, folder);
  }
  ReleaseFoundFileList();
  UpdateDeleteButton(dialog);
}

static void InitTdsAdvice(HWND dialog) {
  static const int k98Group[] = {IDC_TDS_98_GROUP, IDC_TDS_98_ADVICE, IDC_TDS_SYSTEM_PANEL};
  static const int kXpGroup[] = {IDC_TDS_XP_GROUP, IDC_TDS_XP_ADVICE, IDC_TDS_OPEN_FOLDER};
  cwCenter(0, dialog);
  int platform = GetWindowsPlatform(0);
  if (platform & kPlatform98OrMe) EnableGroup(dialog, kXpGroup, FALSE);
  else if (platform & kPlatformXp) EnableGroup(dialog, k98Group, FALSE);
  UpdateDeleteButton(dialog);
}

static INT_PTR TdsAdviceCommand(HWND dialog, int id, int notification) {
  switch (id) {
  case IDC_TDS_SYSTEM_PANEL:
    ShellExecuteA(dialog, 0, "rundll32.exe", "shell32.dll,Control_RunDLL sysdm.cpl", 0, SW_SHOWNORMAL);
    return TRUE;
  case IDC_TDS_OPEN_FOLDER:
    SendMessageA(GethWndMain(), WM_COMMAND, kShowOutputFolders, 0);
    return TRUE;
  case IDC_TDS_DELETE:
    DeleteOutputs(dialog);
    return TRUE;
  case IDOK:
    EndDialog(dialog, 1);
    return TRUE;
  case IDCANCEL:
  case IDC_TASK_CANCEL:
    EndDialog(dialog, 0);
    return TRUE;
  }
  return FALSE;
}

extern "C" int ORVEXAPI OpenBadTdsFileDialog(HWND parent, int second, int third, int fourth) {
  INT_PTR answer = DisplayBox(parent, ModalDialogProc<InitTdsAdvice, TdsAdviceCommand>, "OpenBadTdsFile", GethInstOrvexdll());
  return answer == 1 ? 1 : 0;
}
