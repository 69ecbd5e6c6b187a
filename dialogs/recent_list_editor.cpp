// The recent-list editor: the entries of the recent-file list (sub-menu 28)
// or the recent-project list (any other) of a menu, one line each
// ("%03d ", "X " for an entry that is not an existing file, the entry),
// from which the user deletes entries; OK rebuilds the menu list from the
// lines that are left, Cancel leaves it alone.
//
// Each line keeps its entry as item data, so the menu gets back exactly
// what it held, entries that are no longer files included (a name that
// itself holds "X " too). The entries go back in the lines' order, each
// with the head and identifier of its place.
#include "dialogs/listup_editor.h"
#include "dialogs/modal_procedure.h"
#include "frame/buffer_sizes.h"
#include "frame/formatted_lists.h"
#include "frame/paths.h"
#include "menus/menus.h"
#include "frame/text_fit.h"
#include <initializer_list>
#include <stdio.h>
#include <string>
#include <vector>

enum { kRecentFilesSub = 28, kRecentFilesBase = 34000, kRecentProjectsBase = 35000, kDeleteBase = 34000,
       kExistingFile = 2, kHeadRoom = 3 };

static const char kMissingMark[] = "X ";

// The menu list of the open editor and the entries of its lines, indexed by
// the lines' item data; on the host's user-interface thread.
static int g_menu = 0, g_sub = 0;
static std::vector<std::string> g_entries;

static void FillEntries(HWND dialog) {
  int widest;
  BeginListupFill(&widest);
  for (int item = 0, count = GetTotalNumberOfMenu(g_menu, g_sub); item < count; item++) {
    char entry[kMenuTextSize] = "", line[ITEM_BUFFER_SIZE], number[16];
    if (GetItemsFromMenu(entry, g_menu, g_sub, item) != 1 || !entry[0]) continue;
    snprintf(number, sizeof number, "%03d ", item);
    size_t length = 0;
    line[0] = 0;
    AppendSjis(line, sizeof line, &length, number);
    if (IsDirectoryAttributeForOrvex(entry) != kExistingFile) AppendSjis(line, sizeof line, &length, kMissingMark);
    AppendSjis(line, sizeof line, &length, entry);
    if (AddListupLine(dialog, line, (LPARAM)g_entries.size(), &widest) >= 0) g_entries.push_back(entry);
  }
  EndListupFill();
  SetListTabs(dialog, IDC_LISTUP_LIST, widest);
}

// OK gets `usable`; Save and Open are enabled when it is set and the list is
// not empty; then the selection rule.
static void ApplyRecentListRule(HWND dialog, bool usable) {
  EnableListupButton(dialog, IDOK, usable);
  bool more = usable && ListupCount(dialog) > 0;
  EnableListupButton(dialog, IDC_LISTUP_SAVE, more);
  EnableListupButton(dialog, IDC_LISTUP_OPEN, more);
  ApplySelectionRule(dialog);
}

static void InitRecentList(HWND dialog) {
  SetUpListupButtons(dialog, "Delete &All", "&Delete", "Cancel", 0);
  g_entries.clear();
  FillEntries(dialog);
  EnableListupButton(dialog, IDC_LISTUP_CLOSE, false);
  EnableListupButton(dialog, IDOK, false);
}

static void DeleteAll(HWND dialog) {
  SendDlgItemMessageA(dialog, IDC_LISTUP_LIST, LB_RESETCONTENT, 0, 0);
  for (int id : {IDC_LISTUP_LIST, IDC_LISTUP_OPEN, IDC_LISTUP_CLOSE}) EnableListupButton(dialog, id, false);
  EnableListupButton(dialog, IDOK, true);
}

static void DeleteSelected(HWND dialog) {
  ApplyRecentListRule(dialog, false);
  DeleteItemInListBox(dialog, IDC_LISTUP_LIST);
  EnableListupButton(dialog, IDC_LISTUP_CLOSE, false);
  if (ListupCount(dialog) == 0) EnableListupButton(dialog, IDC_LISTUP_LIST, false);
  ApplyRecentListRule(dialog, true);
}

// Puts `entry` at `place` of the list popup with that place's head and
// identifier; place 0 takes the placeholder's item when only it is left.
static bool RestoreEntry(HMENU popup, int place, const std::string &entry, int baseId) {
  char text[kMenuTextSize] = "   ";
  size_t length = kHeadRoom;
  if (!AppendSjis(text, sizeof text, &length, entry.c_str()) || !FormatRecentFileFolderMenuString(text, place, 0, 1))
    return false;
  bool placeholderLeft = place == 0 && GetMenuItemCount(popup) == 1;
  return PutListItem(popup, place, !placeholderLeft, text, baseId + place, MFS_ENABLED);
}

static void RebuildMenuList(HWND dialog) {
  for (int item = GetTotalNumberOfMenu(g_menu, g_sub) - 1; item >= 0; item--)
    DeleteItemFromMenu(g_menu, g_sub, item, 0, kDeleteBase, 0);
  HMENU popup = FindMenuHandle(g_menu, g_sub);
  int baseId = g_sub == kRecentFilesSub ? kRecentFilesBase : kRecentProjectsBase;
  for (int line = 0, place = 0, count = ListupCount(dialog); popup && line < count; line++) {
    size_t entry = (size_t)SendDlgItemMessageA(dialog, IDC_LISTUP_LIST, LB_GETITEMDATA, (WPARAM)line, 0);
    if (entry < g_entries.size() && RestoreEntry(popup, place, g_entries[entry], baseId)) place++;
  }
  MarkMenusChanged();
}

static INT_PTR RecentListCommand(HWND dialog, int id, int notification) {
  switch (id) {
  case IDC_LISTUP_LIST:
    if (notification == LBN_SELCHANGE || notification == LBN_DBLCLK) ApplySelectionRule(dialog);
    return TRUE;
  case IDC_LISTUP_OPEN:
    DeleteAll(dialog);
    return TRUE;
  case IDC_LISTUP_CLOSE:
    DeleteSelected(dialog);
    return TRUE;
  case IDOK:
    RebuildMenuList(dialog);
    EndDialog(dialog, 0);
    return TRUE;
  case IDC_LISTUP_SAVE:
  case IDCANCEL:
    EndDialog(dialog, 1);
    return TRUE;
  }
  return FALSE;
}

// 0 after OK (the menu list rebuilt), 1 after Cancel (the menu unchanged).
extern "C" int ORVEXAPI OpenEditRecentFileFolderDialog(HWND parent, int ignored, int menu, int sub) {
  g_menu = menu;
  g_sub = sub;
  INT_PTR result = DisplayBox(parent, ModalDialogProc<InitRecentList, RecentListCommand>, "OpenListupEditor",
                              GethInstOrvexdll());
  g_entries.clear();
  return result == 0 ? 0 : 1;
}
