// Numbered lists inside menus (recent files and projects, open windows,
// active projects): each item is a head and a name. The head is '&', the
// access key and a blank for list places 0-35 (keys 0-9, then A-Z unless
// letters are off), or a single blank; it always stands directly before the
// name. A list starts at position `first` of its popup; its items carry the
// command identifiers base + place. After every change the list is
// renumbered; an empty list shows one grayed placeholder item.
//
// A negative `first` means a list without placeholder and renumbering.
// Positions before `first` hold the menu's fixed commands: no list operation
// moves or deletes them. Entries that open popups are never list items.
#include "menus/menus.h"
#include "frame/paths.h"
#include "frame/sjis_case.h"
#include <string.h>

enum { kPlaceholderId = 1, kHeadSize = 3, kDigitPlaces = 10, kKeyedPlaces = 36, kExistingFile = 2 };

// The head of list place `place`: "&K " or " ".
static void MakeHead(char *head, int place, int noLetters) {
  char key = 0;
  if (place >= 0 && place < kDigitPlaces) key = (char)('0' + place);
  else if (!noLetters && place >= kDigitPlaces && place < kKeyedPlaces) key = (char)('A' + place - kDigitPlaces);
  const char keyed[kHeadSize + 1] = {'&', key, ' ', 0};
  strcpy(head, key ? keyed : " ");
}

// Bytes of the head a text begins with: 3 after '&', else 1, never more
// than the text holds.
static size_t HeadLengthOf(const char *text) {
  size_t head = text[0] == '&' ? kHeadSize : 1;
  return strnlen(text, head);
}

// With `clearHead` the name stands three bytes in (the caller left room for
// a head); otherwise the text's old head is replaced. A head of one blank
// moves the name up to it. 1 when written, 0 when the result would not fit
// the caller's menu text buffer (it then stays as it was).
extern "C" int ORVEXAPI FormatRecentFileFolderMenuString(LPSTR buffer, int number, int noLetters, int clearHead) {
  if (!buffer) return 0;
  const char *name = clearHead ? buffer + kHeadSize : buffer + HeadLengthOf(buffer);
  size_t room = kMenuTextSize - kHeadSize; // the name's bytes within the buffer, NUL included
  if (strnlen(name, room) >= room) return 0;
  char head[kHeadSize + 1];
  MakeHead(head, number, noLetters);
  MenuText built;
  MenuTextStart(&built, head);
  MenuTextAdd(&built, name);
  return MenuTextStore(&built, buffer) ? 1 : 0;
}

extern "C" LPSTR ORVEXAPI GetHeadOfNameInRecentFileFolder(LPCSTR text) {
  if (!text) return 0;
  size_t head = text[0] == '&' ? kHeadSize : 1;
  return HeadLengthOf(text) == head ? (LPSTR)text + head : 0;
}

// True when the popup holds exactly the items up to and including `first`
// (counted wide: `first` is the host's value and may be any number).
static bool EndsAt(HMENU popup, int first) { return (long long)GetMenuItemCount(popup) == (long long)first + 1; }

static bool IsPlaceholderAt(HMENU popup, int position) {
  char text[kMenuTextSize];
  return ReadMenuText(popup, position, text) == kTextWhole && IsMenuStringDefault(text);
}

bool PutListItem(HMENU popup, int position, bool insert, const char *text, int id, UINT state) {
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING | MIIM_ID | MIIM_STATE | MIIM_FTYPE;
  info.fType = MFT_STRING;
  info.fState = state;
  info.wID = (UINT)id;
  info.dwTypeData = (LPSTR)text;
  return (insert ? InsertMenuItemA(popup, (UINT)position, TRUE, &info)
                 : SetMenuItemInfoA(popup, (UINT)position, TRUE, &info)) != 0;
}

static bool MakePlaceholder(HMENU popup, int position, int id) {
  bool insert = GetMenuItemCount(popup) <= 0;
  return PutListItem(popup, insert ? 0 : position, insert, GetMenuStringDefault(), id, MFS_GRAYED);
}

// Gives every list item from `first` on the head and identifier of its
// place. An item whose new head would not fit keeps its text.
static void Renumber(HMENU popup, int first, int baseId, int noLetters) {
  if (first < 0) return;
  int count = GetMenuItemCount(popup);
  for (int position = first; position < count; position++) {
    if (MenuItemId(popup, position) <= 0 || IsPlaceholderAt(popup, position)) continue;
    char text[kMenuTextSize];
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID;
    info.wID = (UINT)baseId + (UINT)(position - first);
    if (ReadMenuText(popup, position, text) == kTextWhole &&
        FormatRecentFileFolderMenuString(text, position - first, noLetters, 0)) {
      info.fMask |= MIIM_STRING;
      info.dwTypeData = text;
    }
    SetMenuItemInfoA(popup, (UINT)position, TRUE, &info);
  }
}

// The text of a new item at the top of a list, or false when it is not one.
static bool NewItemText(const char *name, int menu, int noLetters, MenuText *built) {
  if (!name || !*name) return false;
  // The recent lists of menu 0 name existing files only.
  if (menu == 0 && IsDirectoryAttributeForOrvex(name) != kExistingFile) return false;
  char head[kHeadSize + 1];
  MakeHead(head, 0, noLetters);
  MenuTextStart(built, head);
  MenuTextAdd(built, name);
  return built->fits;
}

static bool ReplacesPlaceholder(HMENU popup, int first) {
  return first >= 0 && EndsAt(popup, first) && IsPlaceholderAt(popup, first);
}

// A failed Windows call is told to the user and gives 0.
static int Changed(bool done) {
  MarkMenusChanged();
  if (done) return 1;
  SayMenuFailure();
  return 0;
}

extern "C" int ORVEXAPI InsertItemsInMenu(LPCSTR name, int menu, int sub, int first, int baseId, int noLetters) {
  HMENU popup = FindMenuHandle(menu, sub);
  if (!popup) return -1;
  MenuText built;
  if (!NewItemText(name, menu, noLetters, &built)) return 0;
  if (ReplacesPlaceholder(popup, first)) return Changed(PutListItem(popup, first, false, built.text, baseId, 0));
  bool done = PutListItem(popup, first, true, built.text, baseId, 0);
  if (done) Renumber(popup, first, baseId, noLetters);
  return Changed(done);
}

extern "C" int ORVEXAPI AddItemsInMenu(LPCSTR name, int menu, int sub, int first, int baseId, int noLetters) {
  HMENU popup = FindMenuHandle(menu, sub);
  if (!popup) return -1;
  MenuText built;
  if (!NewItemText(name, menu, noLetters, &built)) return 0;
  int count = GetMenuItemCount(popup);
  if (count <= 0) {
    if (first == 0) SayMenuFailure(); // a list popup without even its placeholder
    return 0;
  }
  if (ReplacesPlaceholder(popup, first)) return Changed(PutListItem(popup, first, false, built.text, baseId, 0));
  bool done = PutListItem(popup, count, true, built.text, baseId, 0);
  if (done) Renumber(popup, first, baseId, noLetters);
  return Changed(done);
}

// True when the item at `position` may be changed as a list item.
static bool IsListItem(HMENU container, int position, int first) {
  if (first >= 0 && position < first) return false;
  return position < GetMenuItemCount(container) && MenuItemId(container, position) != -1;
}

extern "C" int ORVEXAPI DeleteItemFromMenu(int menu, int sub, int item, int first, int baseId, int noLetters) {
  HMENU container;
  int position;
  if (!FindMenuItemOrSay(menu, sub, item, &container, &position)) return 0;
  if (!IsListItem(container, position, first)) return 0;
  bool done;
  if (first >= 0 && position == first && EndsAt(container, first)) {
    done = MakePlaceholder(container, position, kPlaceholderId);
  } else {
    done = DeleteMenu(container, (UINT)position, MF_BYPOSITION) != 0;
    if (done) Renumber(container, first, baseId, noLetters);
  }
  MarkMenusChanged();
  return done ? 1 : 0;
}

// Puts a copy of the item at the list's top first, then deletes the
// original, so the item is never lost.
static int MoveItemToTop(HMENU container, int position, int baseId, int first, int noLetters) {
  if (!IsListItem(container, position, first)) return 0;
  if (position == first) return 1;
  char text[kMenuTextSize];
  if (ReadMenuText(container, position, text) != kTextWhole) return 0;
  UINT state = GetMenuState(container, (UINT)position, MF_BYPOSITION) & (MFS_CHECKED | MFS_GRAYED);
  if (!PutListItem(container, first, true, text, baseId, state)) return 0;
  int original = first >= 0 && first < position ? position + 1 : position;
  DeleteMenu(container, (UINT)original, MF_BYPOSITION);
  Renumber(container, first, baseId, noLetters);
  MarkMenusChanged();
  return 1;
}

extern "C" int ORVEXAPI MoveToFirstInMenu(int menu, int sub, int item, int baseId, int first, int noLetters) {
  if (item == 0) return 1;
  HMENU container;
  int position;
  if (!FindMenuItem(menu, sub, item, &container, &position, 0)) return 0;
  return MoveItemToTop(container, position, baseId, first, noLetters);
}

extern "C" int ORVEXAPI MoveMenuStringToFirstInMenu(int menu, int sub, LPCSTR name, int baseId, int first,
                                                    int noLetters) {
  HMENU container;
  int position;
  if (!name || !*name || !FindMenuItemOrSay(menu, sub, -1, &container, &position)) return 0;
  int count = GetMenuItemCount(container);
  if ((long long)count <= (long long)first + 1) return 0;
  for (position = first > 0 ? first : 0; position < count; position++) {
    char text[kMenuTextSize];
    if (ReadMenuText(container, position, text) != kTextWhole) continue;
    const char *blank = FindSpace(text);
    if (blank && SjisEqualNoCase(blank + 1, name))
      return MoveItemToTop(container, position, baseId, first, noLetters);
  }
  return 0;
}

// The position of the first list item from `from` on whose name equals
// `name` (single-byte letters folded), placeholders passed over; -1 when
// none. `fullText` receives the text of the item compared last.
static int FindListName(HMENU popup, int from, const char *name, char *fullText) {
  int count = GetMenuItemCount(popup);
  for (int position = from > 0 ? from : 0; position < count; position++) {
    char text[kMenuTextSize];
    if (ReadMenuText(popup, position, text) != kTextWhole) continue;
    if (fullText) strcpy(fullText, text);
    const char *itemName = GetHeadOfNameInRecentFileFolder(text);
    if (itemName && !IsMenuStringDefault(text) && SjisEqualNoCase(itemName, name)) return position;
  }
  return -1;
}

extern "C" int ORVEXAPI IsItemAlreadyInMenu(LPCSTR name, int menu, int sub, int first, LPSTR fullText) {
  if (fullText) fullText[0] = 0;
  HMENU popup = FindMenuHandle(menu, sub);
  if (!popup) return 0;
  if (!name || !*name) return -1;
  return FindListName(popup, first, name, fullText);
}

extern "C" int ORVEXAPI GetOrderNumberFromMenu(int menu, int sub, int item, int start, LPCSTR name) {
  HMENU container;
  int position;
  if (!name || !*name || !FindMenuItemOrSay(menu, sub, item, &container, &position)) return -1;
  return FindListName(container, start, name, 0);
}

extern "C" int ORVEXAPI GetSubMenuNumberFromStringInMenu(int menu, int sub, LPCSTR name) {
  HMENU popup = FindMenuHandle(menu, sub);
  if (!popup || !name || !*name) return -1;
  return FindListName(popup, 0, name, 0);
}

// The buffer (kMenuTextSize bytes) receives the item's text without its
// head; 0 for no item and for the placeholder.
extern "C" int ORVEXAPI GetItemsFromMenu(LPSTR buffer, int menu, int sub, int item) {
  if (!buffer || ReadItemText(menu, sub, item, buffer) == kTextMissing || IsMenuStringDefault(buffer)) return 0;
  char *blank = FindSpace(buffer);
  if (blank) memmove(buffer, blank + 1, strlen(blank + 1) + 1);
  return 1;
}

extern "C" int ORVEXAPI SetFirstItemsInMenu(int menu, int sub) {
  HMENU popup = FindMenuHandle(menu, sub);
  if (!popup || !MakePlaceholder(popup, 0, kPlaceholderId)) return 0;
  MarkMenusChanged();
  return 1;
}

// Clears the active-project list to its placeholder (identifier 0).
int ClearActiveProjectList(HMENU popup) {
  while (GetMenuItemCount(popup) > 1)
    if (!DeleteMenu(popup, 1, MF_BYPOSITION)) break;
  if (GetMenuItemCount(popup) <= 0 || !IsPlaceholderAt(popup, 0)) MakePlaceholder(popup, 0, 0);
  MarkMenusChanged();
  return 1;
}
