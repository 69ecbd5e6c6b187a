// The window list: the host's open editors, one line each, from which the
// user opens, saves or closes them.
//
// The host hands its chain of editor tabs: each node holds the next node in
// its second pointer-sized word and its editor record in its third; a record
// holds its file name in its fifth word and a text in its seventh. A line
// reads the file name, "<" and the text when the host says the name was
// changed, then a tab and the record's address; the tab stop lies outside
// the list, so only the name shows. The line keeps the record as item data.
// The chain is the host's: nodes without a record or name are passed over,
// and the walk stops after 4096 nodes so a chain that loops cannot hang it.
#include "dialogs/listup_editor.h"
#include "dialogs/modal_procedure.h"
#include "frame/kitlib.h"
#include "frame/paths.h"
#include "frame/registry.h"
#include "frame/buffer_sizes.h"
#include "frame/sjis_case.h"
#include <stdio.h>

enum {
  kNodeNext = 1,
  kNodeRecord = 2,
  kRecordFileName = 4,
  kRecordText = 6,
  kMostNodes = 4096,
  kTabMargin = 10,
  kCloseMode = 3,
};

static void *Word(void *block, int index) { return ((void **)block)[index]; }
static const char *FileNameOf(void *record) { return (const char *)Word(record, kRecordFileName); }

// "name<text" cut on a whole character so that the tab and the address
// still fit a 520-byte line.
static void FormatLine(char *line, void *record, const char *name) {
  char address[32];
  snprintf(address, sizeof address, "\t%llu", (unsigned long long)(ULONG_PTR)record);
  size_t length = 0, room = ITEM_BUFFER_SIZE - strlen(address);
  line[0] = 0;
  AppendSjis(line, room, &length, name);
  if (HostIsModifiedNameHere(name)) {
    AppendSjis(line, room, &length, "<");
    AppendSjis(line, room, &length, (const char *)Word(record, kRecordText));
  }
  AppendSjis(line, ITEM_BUFFER_SIZE, &length, address);
}

static void FillWindows(HWND dialog) {
  int widest;
  BeginListupFill(&widest);
  void *node = HostGetlpHeadTabList();
  for (int count = 0; node && count < kMostNodes; count++, node = Word(node, kNodeNext)) {
    void *record = Word(node, kNodeRecord);
    const char *name = record ? FileNameOf(record) : 0;
    if (!name || !name[0]) continue;
    char line[ITEM_BUFFER_SIZE];
    FormatLine(line, record, name);
    AddListupLine(dialog, line, (LPARAM)record, &widest);
  }
  EndListupFill();
  SetListTabsOutsideRect(dialog, IDC_LISTUP_LIST, widest + kTabMargin);
}

// The first line holding the current file name (ASCII letters folded).
static void SelectCurrentFile(HWND dialog) {
  const char *current = HostEditorGetCurrentFilenameWithPath();
  if (!current || !current[0]) return;
  char line[ITEM_BUFFER_SIZE];
  for (int index = 0, count = ListupCount(dialog); index < count; index++) {
    if (SendDlgItemMessageA(dialog, IDC_LISTUP_LIST, LB_GETTEXTLEN, (WPARAM)index, 0) >= (LRESULT)sizeof line) continue;
    SendDlgItemMessageA(dialog, IDC_LISTUP_LIST, LB_GETTEXT, (WPARAM)index, (LPARAM)line);
    if (!SjisFindNoCase(line, current)) continue;
    SendDlgItemMessageA(dialog, IDC_LISTUP_LIST, LB_SETCURSEL, (WPARAM)index, 0);
    return;
  }
}

// Open, Save and Close are enabled exactly when a line is selected.
static void ApplyWindowListRule(HWND dialog) {
  bool usable = ListupCount(dialog) > 0 && ListupSelection(dialog) >= 0;
  EnableListupButton(dialog, IDC_LISTUP_SAVE, usable);
  EnableListupButton(dialog, IDC_LISTUP_OPEN, usable);
  EnableListupButton(dialog, IDC_LISTUP_CLOSE, usable);
}

static void OpenSelected(HWND dialog) {
  void *record = (void *)ListupSelectedData(dialog);
  if (record && HostExecutedEditorAndSaveInfoAndModifyRecentFileMenu(FileNameOf(record), 1))
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
}

static void CloseSelected(HWND dialog) {
  void *record = (void *)ListupSelectedData(dialog);
  if (ListupCount(dialog) > 0 && record && HostEditorCloseEachEditor(record, 0, kCloseMode, 0)) {
    HostCheckAllEditorTabsInAllowedRegionOnSize();
    SendDlgItemMessageA(dialog, IDC_LISTUP_LIST, LB_DELETESTRING, (WPARAM)ListupSelection(dialog), 0);
  }
  ApplyWindowListRule(dialog);
}

static void InitWindowList(HWND dialog) {
  SetUpListupButtons(dialog, 0, 0, 0, 0);
  FillWindows(dialog);
  SelectCurrentFile(dialog);
  ApplyWindowListRule(dialog);
}

static INT_PTR WindowListCommand(HWND dialog, int id, int notification) {
  void *record;
  switch (id) {
  case IDC_LISTUP_LIST:
    if (notification == LBN_SELCHANGE) ApplyWindowListRule(dialog);
    if (notification == LBN_DBLCLK) OpenSelected(dialog);
    return TRUE;
  case IDC_LISTUP_OPEN:
    OpenSelected(dialog);
    return TRUE;
  case IDC_LISTUP_SAVE:
    if ((record = (void *)ListupSelectedData(dialog)) != 0) HostSaveMainTextOfEditor(record, 0, 0, 0);
    return TRUE;
  case IDC_LISTUP_CLOSE:
    CloseSelected(dialog);
    return TRUE;
  case IDOK:
    EndDialog(dialog, 0);
    return TRUE;
  case IDCANCEL:
    EndDialog(dialog, 1);
    return TRUE;
  }
  return FALSE;
}

// 0 after Quit or an opened file, 1 after Cancel, which also closes the
// editor's find dialog.
extern "C" int ORVEXAPI OpenListupEditorDialog(HWND parent, int ignored1, int ignored2, int ignored3) {
  INT_PTR result = DisplayBox(parent, ModalDialogProc<InitWindowList, WindowListCommand>,
                    "OpenListupEditor", GethInstOrvexdll());
  if (result != 1) return 0;
  HostDestroyFindTextDlg(HostEditFootyGetHwndEditor(0));
  return 1;
}
