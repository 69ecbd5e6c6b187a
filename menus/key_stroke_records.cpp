// Key-stroke records: a menu item's text followed by a tab and its place,
// "menu position popup-position|order" (a leading '>' marks an item inside a
// popup of a top-level menu). The snapshot writes one record per command
// item of the menu bar; applying a record writes its text, or only its
// shortcut, back into the item it names. Records are cut at their last tab,
// so the Kugiri mark (a tab as well) inside the menu text stays.
#include "menus/key_stroke_store.h"
#include "menus/menus.h"
#include "frame/scanning.h"
#include "frame/shift_jis.h"
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

// A record: '>', a whole menu text, the tab and four numbers.
enum { kRecordSize = kMenuTextSize + 80 };
enum { kTailColon = ':', kInsidePopup = '>' };

static void FormatRecord(char *record, const char *text, bool inside, int menu, int position, int popup, int order) {
  snprintf(record, kRecordSize, "%s%s\t%d %d %d|%d", inside ? ">" : "", text, menu, position, popup, order);
}

// The record of the command item at `position` of `container`, or false for
// a placeholder. A toggled command is saved under its default label.
static bool MakeRecord(HMENU container, int position, int menu, int sub, int popup, int order, char *record) {
  char text[kMenuTextSize];
  if (ReadMenuText(container, position, text) == kTextMissing || IsMenuStringDefault(text)) return false;
  RemoveExtraMenuStringWithoutAltCode(text, kTailColon);
  const char *defaultLabel = popup < 0 ? GetDefaultToggledMenuString(menu, sub, 0) : 0;
  if (defaultLabel) ReplaceMenuStringWithControlCode(defaultLabel, text);
  FormatRecord(record, text, popup >= 0, menu, sub, popup, order);
  return true;
}

static void StoreRecord(KITMEMORYTAG *tags, int running, const char *record) {
  if (tags) {
    GetMemoryTag(0, &tags[running], record);
    return;
  }
  MENUKEYNODE *node = AllocatMenuItemSavedMemoryTag();
  if (!node) return;
  SetMenuItemSavedMemoryTag(node, record);
  node->number = running;
}

// Records every command item of menu `menu`; returns the next running number.
static int SnapshotMenu(int menu, KITMEMORYTAG *tags, int running) {
  HMENU popup = FindMenuHandle(menu, -1);
  int count = GetTotalNumberOfMenu(menu, -1), order = 0;
  char record[kRecordSize];
  for (int position = 0; position < count; position++) {
    if (MenuIsNotAllowedToDisplay(menu, position)) continue;
    if (MenuItemId(popup, position) > 0) {
      if (!MakeRecord(popup, position, menu, position, -1, order, record)) continue;
      StoreRecord(tags, running++, record);
      order++;
      continue;
    }
    HMENU inner = FindMenuHandle(menu, position);
    int items = inner ? GetMenuItemCount(inner) : 0;
    for (int item = 0; item < items; item++) {
      if (MenuItemId(inner, item) <= 0 || !MakeRecord(inner, item, menu, position, item, order, record)) continue;
      StoreRecord(tags, running++, record);
      order++;
    }
  }
  return running;
}

// With `tags` the host's array receives the records (and an empty text after
// the last); without, the saved-items list does. Returns the record count.
extern "C" int ORVEXAPI SaveMenuItems(int ignored, KITMEMORYTAG *tags) {
  int running = 0;
  for (int menu = 0; menu < kMainMenuCount; menu++) running = SnapshotMenu(menu, tags, running);
  if (tags) GetMemoryTag(0, &tags[running], "");
  return running;
}

// The caller's buffer holds kMenuTextSize bytes; a place that would not fit
// leaves the text as it was.
extern "C" LPSTR ORVEXAPI SetFormattedStringInMenuString(LPSTR text, int menu, int position, int popup, int order) {
  if (!text) return 0;
  char place[64];
  snprintf(place, sizeof place, "\t%d %d %d|%d", menu, position, popup, order);
  MenuText built;
  MenuTextStart(&built, text);
  MenuTextAdd(&built, place);
  MenuTextStore(&built, text);
  return text;
}

static int NumberAt(const char *text) { return (int)strtol(text, 0, 10); }

extern "C" int ORVEXAPI GetMenuNoFromString(LPCSTR text, int *menu, int *position, int *popup) {
  if (menu) *menu = -2;
  if (position) *position = -2;
  if (popup) *popup = -2;
  const char *at = SjisLastOf(text, "\t");
  if (!at) return -1;
  if (menu) *menu = NumberAt(++at);
  if (!(at = FindSpace(at))) return -1;
  if (position) *position = NumberAt(++at);
  if (!(at = FindSpace(at))) return -1;
  if (popup) *popup = NumberAt(++at);
  const char *bar = FindRealCharacter(at, '|');
  return bar ? NumberAt(bar + 1) : -1;
}

// A copy of the record cut to its menu text (without '>'); the place in
// `menu`, `position`, `popup`. Returns the order number, negative for a
// record without a complete place.
static int ReadRecord(LPCSTR record, char *copy, char **text, int *menu, int *position, int *popup) {
  if (!record || strnlen(record, kRecordSize) >= kRecordSize) return -1;
  strcpy(copy, record);
  int order = GetMenuNoFromString(copy, menu, position, popup);
  if (order < 0) return order;
  GetMenuStringOnly(copy);
  *text = copy[0] == kInsidePopup ? copy + 1 : copy;
  return order;
}

// The host's record stays as it is: it may be applied again.
extern "C" int ORVEXAPI SetModifiedKeyStrokeInMenu(LPCSTR record) {
  char copy[kRecordSize], *text;
  int menu, position, popup;
  int order = ReadRecord(record, copy, &text, &menu, &position, &popup);
  if (order < 0) return order;
  return ModifyMenuStringInMenu(text, menu, position, popup, kByPosition);
}

// The item keeps its label and gets the record's shortcut in place of the
// one it shows, whatever that holds; an empty shortcut leaves the label.
extern "C" int ORVEXAPI SetModifiedKeyStrokeInMenuWithoutMenuString(LPCSTR record) {
  char copy[kRecordSize], *shortcut, current[kMenuTextSize];
  int menu, position, popup;
  int order = ReadRecord(record, copy, &shortcut, &menu, &position, &popup);
  if (order < 0) return order;
  if (ReadItemText(menu, position, popup, current) != kTextWhole) return 0;
  char *mark = FindKugiri(current);
  MenuText built;
  if (!*shortcut) {
    if (mark) *mark = 0;
    MenuTextStart(&built, current);
  } else if (mark) {
    const char *keep = ShortcutPartOf(current);
    MenuTextStart(&built, "");
    MenuTextAddBytes(&built, current, (size_t)(keep - current));
    MenuTextAdd(&built, shortcut);
  } else {
    char separator[3] = {KugiriMark(), ' ', 0};
    MenuTextStart(&built, current);
    MenuTextAdd(&built, separator);
    MenuTextAdd(&built, shortcut);
  }
  if (!built.fits) return 0;
  return ModifyMenuStringInMenu(built.text, menu, position, popup, kByPosition);
}
