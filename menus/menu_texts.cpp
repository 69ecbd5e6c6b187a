// Reading and rewriting the texts of menu items addressed by menu number:
// a text is a label (with its '&' access key, and sometimes a tail that the
// host appends behind a character such as ':'), then the Kugiri mark and the
// shortcut. Rewrites keep the parts they are not asked to change, and are
// made whole or not at all in a buffer of kMenuTextSize bytes.
#include "menus/menus.h"
#include "frame/shift_jis.h"
#include "frame/sjis_case.h"
#include <string.h>

enum { kTailColon = ':' };

// The placeholder of an empty numbered list: English "---", Japanese "無".
static const char *const kPlaceholders[2] = {"---", "無"};
static const char *const kRemoveFolderName[2] = {"Remove Foldername from Title Bar",
                                                 "ﾀｲﾄﾙﾊﾞｰのﾌｫﾙﾀﾞ名削除"};
static const char *const kAddFolderName[2] = {"Add Foldername to Title Bar", "ﾀｲﾄﾙﾊﾞｰにﾌｫﾙﾀﾞ名追加"};
// The title-bar folder item: menu 2, position 8.
enum { kTitleFolderMenu = 2, kTitleFolderPosition = 8 };

static int LanguageIndex() { return GetLanguage() ? 1 : 0; }

// The last `tail` character of the label (the text before `labelEnd`), or null.
static char *LastTailInLabel(char *text, char *labelEnd, int tail) {
  if (tail <= 0 || tail > 255) return 0;
  char marks[2] = {(char)tail, 0};
  char kept = *labelEnd;
  *labelEnd = 0;
  char *found = (char *)SjisLastOf(text, marks);
  *labelEnd = kept;
  return found;
}

// Cuts `buffer` into its label (without the tail) and its shortcut: the
// label ends at the cut, the shortcut text follows the NUL there. Returns
// whether the text had a Kugiri mark; `cut` receives the label's end.
static int CutLabelFromShortcut(char *buffer, int tail, char **cut) {
  char *mark = FindKugiri(buffer);
  char *labelEnd = mark ? mark : buffer + strlen(buffer);
  char *tailStart = LastTailInLabel(buffer, labelEnd, tail);
  if (mark) *mark = 0;
  if (tailStart) {
    if (mark) memmove(tailStart + 1, mark + 1, strlen(mark + 1) + 1);
    *tailStart = 0;
    labelEnd = tailStart;
  }
  *cut = labelEnd;
  return mark ? 1 : 0;
}

extern "C" int ORVEXAPI GetMenuStringFromMenu(LPSTR buffer, int menu, int sub, int item) {
  if (!buffer) return 0;
  return ReadItemText(menu, sub, item, buffer) != kTextMissing && buffer[0] ? 1 : 0;
}

// Records keep their place behind the last tab: this leaves the menu text.
extern "C" int ORVEXAPI GetMenuStringOnly(LPSTR text) {
  char *tab = (char *)SjisLastOf(text, "\t");
  if (!tab) return 0;
  *tab = 0;
  return 1;
}

extern "C" LPSTR ORVEXAPI SkipMenuStringAndGetMenuNoWithCtrlCode(LPCSTR text) {
  if (!text || !*text) return 0;
  return FindKugiri(text);
}

extern "C" int ORVEXAPI GetStringWithoutAltCode(LPSTR text, LPSTR *end) {
  if (end) *end = text;
  if (!text) return 0;
  char *mark = FindKugiri(text);
  if (mark) *mark = 0;
  if (end) *end = mark ? mark : text + strlen(text);
  return mark ? 1 : 0;
}

extern "C" int ORVEXAPI GetMenuStringWithoutAltCode(LPSTR buffer, int menu, int sub, int item, int tail,
                                                    LPSTR *place) {
  if (place) *place = buffer;
  if (!buffer) return 0;
  GetMenuStringFromMenu(buffer, menu, sub, item);
  char *cut;
  int marked = CutLabelFromShortcut(buffer, tail, &cut);
  if (place) *place = cut;
  return marked;
}

extern "C" LPSTR ORVEXAPI GetMenuStringWithAltCodeInMenu(LPSTR buffer, int menu, int sub, int item) {
  if (!buffer || !GetMenuStringFromMenu(buffer, menu, sub, item)) return 0;
  return GetAltStringInMenuString(buffer, 0);
}

// Sets only the text: the identifier, the state and any popup the entry
// opens stay (a plain string written over a popup entry would destroy the
// popup and leave the main-menu table's handle dangling).
extern "C" int ORVEXAPI ModifyMenuStringInMenu(LPCSTR text, int menu, int sub, int item, UINT flags) {
  if (!text || MenuTextLength(text) >= kMenuTextSize) return 0;
  HMENU container;
  int position;
  if (!FindMenuItem(menu, sub, item, &container, &position, 0)) return 0;
  if (!WriteMenuText(container, (UINT)position, (flags & MF_BYPOSITION) != 0, text)) return 0;
  MarkMenusChanged();
  return 1;
}

// The caller's label buffer (kMenuTextSize bytes) receives the label with
// the item's shortcut; when that would not fit, label and item stay.
extern "C" int ORVEXAPI ReplaceMenuStringInMenu(LPSTR label, int menu, int sub, int item, UINT flags) {
  if (!label) return 0;
  char old[kMenuTextSize], *cut;
  if (ReadItemText(menu, sub, item, old) != kTextWhole) return 0;
  if (CutLabelFromShortcut(old, kTailColon, &cut)) {
    char mark[2] = {KugiriMark(), 0};
    MenuText built;
    MenuTextStart(&built, label);
    MenuTextAdd(&built, mark);
    MenuTextAdd(&built, cut + 1);
    if (!MenuTextStore(&built, label)) return 0;
  }
  return ModifyMenuStringInMenu(label, menu, sub, item, flags);
}

extern "C" int ORVEXAPI AddItemToMenuStringInMenu(LPCSTR text, int menu, int sub, int item, int tail) {
  if (!text) return 0;
  char old[kMenuTextSize];
  if (ReadItemText(menu, sub, item, old) != kTextWhole) return 0;
  char *mark = FindKugiri(old);
  char *labelEnd = mark ? mark : old + strlen(old);
  char *tailStart = LastTailInLabel(old, labelEnd, tail);
  MenuText built;
  MenuTextStart(&built, "");
  MenuTextAddBytes(&built, old, (size_t)((tailStart ? tailStart : labelEnd) - old));
  MenuTextAdd(&built, text);
  MenuTextAdd(&built, labelEnd);
  if (!built.fits) return 0;
  return ModifyMenuStringInMenu(built.text, menu, sub, item, kByPosition);
}

extern "C" LPSTR ORVEXAPI RemoveExtraMenuStringWithoutAltCode(LPSTR text, int tail) {
  if (!text) return 0;
  char *mark = FindKugiri(text);
  char *labelEnd = mark ? mark : text + strlen(text);
  char *tailStart = LastTailInLabel(text, labelEnd, tail);
  if (tailStart) memmove(tailStart, labelEnd, strlen(labelEnd) + 1);
  return text;
}

// 1 when `text` (a caller's buffer of kMenuTextSize bytes) now carries the
// label, 0 when the result would not fit (the text stays).
extern "C" int ORVEXAPI ReplaceMenuStringWithControlCode(LPCSTR label, LPSTR text) {
  if (!label || !text || MenuTextLength(text) >= kMenuTextSize) return 0;
  char *mark = FindKugiri(text);
  size_t labelLength = mark ? (size_t)(mark - text) : strlen(text);
  if (strlen(label) == labelLength && strncmp(label, text, labelLength) == 0) return 1;
  MenuText built;
  MenuTextStart(&built, label);
  if (mark) MenuTextAdd(&built, mark);
  return MenuTextStore(&built, text) ? 1 : 0;
}

extern "C" LPCSTR ORVEXAPI GetMenuStringDefault(void) { return kPlaceholders[LanguageIndex()]; }

// On a Japanese system the host may show either language's placeholder.
extern "C" int ORVEXAPI IsMenuStringDefault(LPCSTR text) {
  if (!text || !*text) return 0;
  int language = LanguageIndex();
  if (SjisEqualNoCase(text, kPlaceholders[language])) return 1;
  return IsJapaneseWindowsSystem() && SjisEqualNoCase(text, kPlaceholders[1 - language]) ? 1 : 0;
}

extern "C" int ORVEXAPI AddFolderNameInTitleMenu(int shown) {
  const char *text = (shown ? kRemoveFolderName : kAddFolderName)[LanguageIndex()];
  int done = ModifyMenuStringInMenu(text, kTitleFolderMenu, kTitleFolderPosition, -1, kByPosition);
  MarkMenusChanged();
  return done;
}
