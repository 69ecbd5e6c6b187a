// The four numbered lists of the host's menus, each at its fixed place with
// its base identifier: recent files and recent projects (popups at
// positions 28 and 29 of the File menu), the open windows (the Window menu
// itself, from position 9) and the active projects (the popup at position 0
// of the Project menu). Names are compared with single-byte letters folded.
#include "menus/menus.h"
#include "frame/sjis_case.h"
#include <string.h>

struct ListPlace {
  int menu, sub, first, baseId;
};
static const ListPlace kRecentFiles = {0, 28, 0, 34000};
static const ListPlace kRecentProjects = {0, 29, 0, 35000};
static const ListPlace kOpenWindows = {8, -1, 9, 32000};
static const ListPlace kActiveProjects = {3, 0, 0, 39000};

static HMENU PopupOf(const ListPlace &list) { return FindMenuHandle(list.menu, list.sub); }

// The position of the name in the list, -1 when it is not listed (or there
// is no list).
static int PositionIn(const ListPlace &list, LPCSTR name, char *fullText) {
  if (!PopupOf(list) || !name || !*name) return -1;
  return IsItemAlreadyInMenu(name, list.menu, list.sub, list.first, fullText);
}

static int InsertUnlessListed(const ListPlace &list, LPCSTR name) {
  if (!PopupOf(list) || !name || !*name || PositionIn(list, name, 0) >= 0) return 0;
  return InsertItemsInMenu(name, list.menu, list.sub, list.first, list.baseId, 0) == 1 ? 1 : 0;
}

// The item keeps its head; the name behind it is replaced whole. A new text
// that would not fit a menu text leaves the item as it was.
static int Rename(const ListPlace &list, LPCSTR oldName, LPCSTR newName) {
  char text[kMenuTextSize];
  int position = PositionIn(list, oldName, text);
  if (position < 0 || !newName || !*newName) return 0;
  const char *name = GetHeadOfNameInRecentFileFolder(text);
  MenuText built;
  MenuTextStart(&built, "");
  MenuTextAddBytes(&built, text, (size_t)(name - text));
  MenuTextAdd(&built, newName);
  if (!built.fits || !WriteMenuText(PopupOf(list), (UINT)position, TRUE, built.text)) return 0;
  MarkMenusChanged();
  return 1;
}

static int DeleteListed(const ListPlace &list, LPCSTR name) {
  int position = PositionIn(list, name, 0);
  if (position < 0) return -1;
  if (list.sub == -1) DeleteItemFromMenu(list.menu, position, -1, list.first, list.baseId, 0);
  else DeleteItemFromMenu(list.menu, list.sub, position, list.first, list.baseId, 0);
  return position;
}

extern "C" int ORVEXAPI ModifyRecentFileMenu(LPCSTR name) { return InsertUnlessListed(kRecentFiles, name); }

extern "C" int ORVEXAPI RenameRecentFileMenu(LPCSTR oldName, LPCSTR newName) {
  return Rename(kRecentFiles, oldName, newName);
}

extern "C" int ORVEXAPI ModifyRecentProjectMenu(LPCSTR name) { return InsertUnlessListed(kRecentProjects, name); }

extern "C" int ORVEXAPI DeleteRecentProjectMenu(LPCSTR name) {
  return DeleteListed(kRecentProjects, name) >= 0 ? 1 : 0;
}

extern "C" int ORVEXAPI ModifyFileInWindowsOpenMenu(LPCSTR name) { return InsertUnlessListed(kOpenWindows, name); }

// The host's other name for the same insertion.
extern "C" int ORVEXAPI ModifyOpenFileInWindowsMenu(LPCSTR name) { return InsertUnlessListed(kOpenWindows, name); }

extern "C" int ORVEXAPI DeleteFileInOpenWindowsMenu(LPCSTR name) { return DeleteListed(kOpenWindows, name); }

extern "C" int ORVEXAPI RenameFileInOpenWindowsMenu(LPCSTR oldName, LPCSTR newName) {
  return Rename(kOpenWindows, oldName, newName);
}

extern "C" int ORVEXAPI MoveToFirstInOpenWindowMenu(int sub, int item, int noLetters) {
  return MoveToFirstInMenu(kOpenWindows.menu, sub, item, kOpenWindows.baseId, kOpenWindows.first, noLetters);
}

extern "C" int ORVEXAPI MoveMenuStringToFirstInOpenWindowMenu(LPCSTR name, int noLetters) {
  const ListPlace &list = kOpenWindows;
  return MoveMenuStringToFirstInMenu(list.menu, list.first, name, list.baseId, list.first, noLetters);
}

extern "C" int ORVEXAPI GetFileFromOpenWindowMenu(LPSTR buffer, int sub, int item) {
  return GetItemsFromMenu(buffer, kOpenWindows.menu, sub, item);
}

extern "C" int ORVEXAPI ModifyActiveProjectMenu(LPCSTR name) {
  const ListPlace &list = kActiveProjects;
  if (!PopupOf(list) || !name || !*name || PositionIn(list, name, 0) >= 0) return 0;
  return AddItemsInMenu(name, list.menu, list.sub, list.first, list.baseId, 0) == 1 ? 1 : 0;
}

extern "C" int ORVEXAPI ClearAllActiveProjectMenu(void) {
  HMENU popup = PopupOf(kActiveProjects);
  return popup ? ClearActiveProjectList(popup) : 0;
}

// Lists the combo box's project names and checks the one at `current`.
// Names too long for a menu text are passed over.
extern "C" int ORVEXAPI UpdateAllActiveProjectMenu(int current, HWND combo) {
  HMENU popup = PopupOf(kActiveProjects);
  if (!popup) return 0;
  ClearActiveProjectList(popup);
  if (current < 0 || !combo || !IsWindow(combo)) return 0;
  LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
  if (count <= 0) return 0;
  for (LRESULT index = 0; index < count; index++) {
    LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, (WPARAM)index, 0);
    if (length < 0 || length >= kMenuTextSize) continue;
    char name[kMenuTextSize] = "";
    SendMessageA(combo, CB_GETLBTEXT, (WPARAM)index, (LPARAM)name);
    ModifyActiveProjectMenu(name);
  }
  CheckMenuItem(popup, (UINT)current, MF_BYPOSITION | MF_CHECKED);
  return 1;
}
