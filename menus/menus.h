// The menus of the host's main window: shortcut texts and key names, the
// main-menu table that addresses items by menu number and position, the
// numbered lists inside the menus and the store of key-stroke records.
// Declarations of the exports the menu sources call on one another, and the
// helpers they share. Everything here runs on the host's user-interface
// thread.
#pragma once
#include "frame/instance.h"
#include "frame/buffer_sizes.h"
#include "frame/kitlib.h"
#include <stddef.h>

// Every menu text is read into and built in a text buffer: at most 519 bytes
// and a NUL. Callers' menu text buffers hold as much.
enum { kMenuTextSize = ITEM_BUFFER_SIZE };
// Menu numbers 0 to 9 address the table; the menu bar may hold more.
enum { kMainMenuCount = 10 };
// Modifier mask bits, as held down, as found in a text and as stored.
enum { kCtrlBit = 1, kAltBit = 2, kShiftBit = 4, kAllModifierBits = 7 };
// ModifyMenu's by-position flag, which the callers pass.
enum { kByPosition = MF_BYPOSITION };

extern "C" {
// ---- Shortcut texts and key names ----
int ORVEXAPI GetSpecialKeyCodeFromKeydown(void);
int ORVEXAPI GetSpecialKeyCodeFormMenuString(LPCSTR text);
LPSTR ORVEXAPI SkipAllSpecialKeyCodeIfThere(LPCSTR text);
LPSTR ORVEXAPI GetAltStringInMenuString(LPCSTR text, int *mask);
LPSTR ORVEXAPI GetStringFromVkCodeForAllKeyStroke(LPSTR buffer, int virtualKey);

// ---- Menu table and addressing ----
int ORVEXAPI GetStartMainMenuNo(void);
HMENU ORVEXAPI FindMenuHandle(int menu, int sub);
int ORVEXAPI GetTotalNumberOfMenu(int menu, int sub);
int ORVEXAPI GetIdFromMenu(int menu, int sub, int item);
int ORVEXAPI MenuIsNotAllowedToDisplay(int menu, int position);
LPCSTR ORVEXAPI GetDefaultToggledMenuString(int menu, int position, int which);

// ---- Menu texts ----
int ORVEXAPI GetMenuStringOnly(LPSTR text);
int ORVEXAPI ModifyMenuStringInMenu(LPCSTR text, int menu, int sub, int item, UINT flags);
LPSTR ORVEXAPI RemoveExtraMenuStringWithoutAltCode(LPSTR text, int tail);
int ORVEXAPI ReplaceMenuStringWithControlCode(LPCSTR label, LPSTR text);
LPCSTR ORVEXAPI GetMenuStringDefault(void);
int ORVEXAPI IsMenuStringDefault(LPCSTR text);

// ---- Numbered lists ----
int ORVEXAPI FormatRecentFileFolderMenuString(LPSTR buffer, int number, int noLetters, int clearHead);
LPSTR ORVEXAPI GetHeadOfNameInRecentFileFolder(LPCSTR text);
int ORVEXAPI InsertItemsInMenu(LPCSTR name, int menu, int sub, int first, int baseId, int noLetters);
int ORVEXAPI AddItemsInMenu(LPCSTR name, int menu, int sub, int first, int baseId, int noLetters);
int ORVEXAPI DeleteItemFromMenu(int menu, int sub, int item, int first, int baseId, int noLetters);
int ORVEXAPI MoveToFirstInMenu(int menu, int sub, int item, int baseId, int first, int noLetters);
int ORVEXAPI MoveMenuStringToFirstInMenu(int menu, int sub, LPCSTR name, int baseId, int first, int noLetters);
int ORVEXAPI IsItemAlreadyInMenu(LPCSTR name, int menu, int sub, int first, LPSTR fullText);
int ORVEXAPI GetItemsFromMenu(LPSTR buffer, int menu, int sub, int item);

// ---- Key-stroke records ----
LPSTR ORVEXAPI SetFormattedStringInMenuString(LPSTR text, int menu, int position, int popup, int order);
int ORVEXAPI GetMenuNoFromString(LPCSTR text, int *menu, int *position, int *popup);
}

// ---- Helpers shared by the menu sources ----

// The Kugiri mark between a label and its shortcut, asked of Kitlib each time.
inline char KugiriMark() { return (char)GetKugiriForAltCodeInMenu(); }
// The first Kugiri mark of the text that is a character of its own, or null.
char *FindKugiri(const char *text);
// Where the shortcut part of a menu text begins: behind the first Kugiri mark
// and the blanks after it, or the whole text when it has no mark.
const char *ShortcutPartOf(const char *text);

// Length of a text in a caller's menu text buffer; kMenuTextSize when no NUL
// ends it within the buffer (too long to work on).
size_t MenuTextLength(const char *text);

// A menu text built in a fixed buffer, whole or not at all: `fits` turns
// false once an append does not fit whole, and the text is then not used.
struct MenuText {
  char text[kMenuTextSize];
  size_t length;
  bool fits;
};
void MenuTextStart(MenuText *built, const char *text);
void MenuTextAdd(MenuText *built, const char *text);
void MenuTextAddBytes(MenuText *built, const char *text, size_t count);
// Copies the built text over `target` (a caller's buffer of kMenuTextSize)
// when it fits; returns whether it did.
bool MenuTextStore(const MenuText *built, char *target);

// Reading and writing item texts by position.
enum MenuTextRead { kTextMissing, kTextWhole, kTextCut };
// Reads the text of the item at `position` into `buffer` (kMenuTextSize
// bytes); a longer text is cut on a whole character and reported as cut.
MenuTextRead ReadMenuText(HMENU menu, int position, char *buffer);
// ReadMenuText of the addressed item (missing when there is none).
MenuTextRead ReadItemText(int menu, int sub, int item, char *buffer);
// Sets only the item's text: its identifier, state and popup stay.
bool WriteMenuText(HMENU menu, UINT position, BOOL byPosition, const char *text);

// The popup of menu number `menu`, or null outside 0-9 or before
// RetriveAllMainMenu.
HMENU MainMenuOf(int menu);
// The menu holding the addressed item and its position there, without a
// message. `separator` (may be null) tells a separator at `sub`.
bool FindMenuItem(int menu, int sub, int item, HMENU *container, int *position, bool *separator);
// FindMenuItem that shows the system-error box when no menu is found for a
// valid address (not for a separator, a bad menu number or an empty table).
bool FindMenuItemOrSay(int menu, int sub, int item, HMENU *container, int *position);
// Shows the system-error box of the menus (string ids 2 and 3).
void SayMenuFailure(void);
// The command identifier of the item at `position`: -1 for an entry that
// opens a popup, 0 for a separator or no item.
int MenuItemId(HMENU menu, int position);
// Writes the item at `position` of a list popup, or inserts one there: a
// string item with `text`, identifier `id` and state `state`.
bool PutListItem(HMENU popup, int position, bool insert, const char *text, int id, UINT state);
// Empties the active-project list popup to its placeholder (identifier 0).
int ClearActiveProjectList(HMENU popup);
// Marks the menu bar for DrawMenuBars.
void MarkMenusChanged(void);
