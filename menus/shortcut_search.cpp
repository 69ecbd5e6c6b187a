// Finding the command that a shortcut names: the host hands the key text of
// a key stroke ("o", "F5", "Back Space") and the library walks the menu bar
// in table order for the first command item whose shortcut ends in that key
// text, passing over the places the host rewrites as it runs.
#include "menus/menus.h"
#include "frame/character_classes.h"
#include "frame/sjis_case.h"
#include <string.h>

// A one-character key text: one byte, or one byte and a blank ("O ").
static bool IsOneCharacter(const char *key) {
  size_t length = strlen(key);
  return length == 1 || (length == 2 && IsBlankByte((unsigned char)key[1]));
}

static bool KeyTextsMatch(const char *itemKey, const char *key) {
  if (IsOneCharacter(itemKey)) return IsOneCharacter(key) && SjisFoldAscii(itemKey[0]) == SjisFoldAscii(key[0]);
  return !IsOneCharacter(key) && SjisEqualNoCase(itemKey, key);
}

// The identifier of the command item at `position` when its shortcut ends in
// `key` (and, with `mask`, carries exactly the modifiers `wanted`), else 0.
static int MatchingCommand(HMENU menu, int position, const char *key, int *mask, int wanted) {
  int id = MenuItemId(menu, position);
  char text[kMenuTextSize];
  if (id <= 0 || ReadMenuText(menu, position, text) != kTextWhole) return 0;
  const char *itemKey = GetAltStringInMenuString(text, 0);
  if (!itemKey || !KeyTextsMatch(itemKey, key)) return 0;
  int itemMask = GetSpecialKeyCodeFormMenuString(text);
  if (mask && itemMask != wanted) return 0;
  if (mask) *mask = itemMask;
  return id;
}

static int MatchingCommandInMenu(int menu, const char *key, int *mask, int wanted) {
  HMENU popup = MainMenuOf(menu);
  int count = popup ? GetMenuItemCount(popup) : 0;
  for (int position = 0; position < count; position++) {
    if (MenuIsNotAllowedToDisplay(menu, position)) continue;
    int id = MatchingCommand(popup, position, key, mask, wanted);
    if (id) return id;
    HMENU inner = GetSubMenu(popup, position);
    int items = inner ? GetMenuItemCount(inner) : 0;
    for (int item = 0; item < items; item++)
      if ((id = MatchingCommand(inner, item, key, mask, wanted)) != 0) return id;
  }
  return 0;
}

// `mask`, when given, receives the modifiers of the item found (0 when none).
extern "C" int ORVEXAPI GetIdFromAltCodeFromMenu(LPCSTR key, int *mask, int wanted) {
  if (mask) *mask = 0;
  if (!key || !*key) return 0;
  for (int menu = 0; menu < kMainMenuCount; menu++) {
    int id = MatchingCommandInMenu(menu, key, mask, wanted);
    if (id) return id;
  }
  return 0;
}
