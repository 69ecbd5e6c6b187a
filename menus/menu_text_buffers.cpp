// Menu texts in fixed buffers: finding the Kugiri mark, building a text
// whole or not at all, and reading and writing the text of a menu item.
// Item texts pass through Windows as text of the ANSI code page; one longer
// than a buffer is cut on a whole character, never inside one.
#include "menus/menus.h"
#include "frame/scanning.h"
#include "frame/text_fit.h"
#include <string.h>

char *FindKugiri(const char *text) { return FindRealCharacter(text, (unsigned char)KugiriMark()); }

const char *ShortcutPartOf(const char *text) {
  const char *mark = FindKugiri(text);
  if (!mark) return text;
  const char *from = mark + 1;
  while (*from == ' ') from++;
  return from;
}

size_t MenuTextLength(const char *text) { return text ? strnlen(text, kMenuTextSize) : 0; }

void MenuTextStart(MenuText *built, const char *text) {
  built->text[0] = 0;
  built->length = 0;
  built->fits = true;
  MenuTextAdd(built, text);
}

void MenuTextAddBytes(MenuText *built, const char *text, size_t count) {
  if (built->fits) built->fits = AppendSjisBytes(built->text, kMenuTextSize, &built->length, text, count);
}

void MenuTextAdd(MenuText *built, const char *text) { MenuTextAddBytes(built, text, (size_t)-1); }

bool MenuTextStore(const MenuText *built, char *target) {
  if (!built->fits || !target) return false;
  memmove(target, built->text, built->length + 1);
  return true;
}

// Drops a lead byte that the cut left without its trail byte.
static void EndOnWholeCharacter(char *buffer) {
  const char *last = SjisLastCharacter(buffer);
  if (last && SjisIsLeadByte((unsigned char)*last) && SjisCharLength(last) == 1) *(char *)last = 0;
}

MenuTextRead ReadMenuText(HMENU menu, int position, char *buffer) {
  buffer[0] = 0;
  if (!menu || position < 0) return kTextMissing;
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING | MIIM_FTYPE;
  if (!GetMenuItemInfoA(menu, (UINT)position, TRUE, &info) || (info.fType & MFT_SEPARATOR)) return kTextMissing;
  UINT length = info.cch;
  info.dwTypeData = buffer;
  info.cch = kMenuTextSize;
  if (!GetMenuItemInfoA(menu, (UINT)position, TRUE, &info)) {
    buffer[0] = 0;
    return kTextMissing;
  }
  buffer[kMenuTextSize - 1] = 0;
  if (length < kMenuTextSize) return kTextWhole;
  EndOnWholeCharacter(buffer);
  return kTextCut;
}

MenuTextRead ReadItemText(int menu, int sub, int item, char *buffer) {
  HMENU container;
  int position;
  buffer[0] = 0;
  if (!FindMenuItem(menu, sub, item, &container, &position, 0)) return kTextMissing;
  return ReadMenuText(container, position, buffer);
}

bool WriteMenuText(HMENU menu, UINT position, BOOL byPosition, const char *text) {
  if (!menu || !text) return false;
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING;
  info.dwTypeData = (LPSTR)text;
  return SetMenuItemInfoA(menu, position, byPosition, &info) != 0;
}
