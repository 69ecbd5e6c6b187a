// Names of the keys that have no printable character, in both languages, and
// the operations between virtual keys and their names: naming a key,
// finding a key name in a shortcut text, showing a pressed key and judging
// whether a key stroke may be given to a menu command.
//
// Both tables list the same keys in the same order. The English down arrow is
// "Dwon": menu texts and the host's stored shortcuts carry that spelling, and
// composing and parsing use this one table, so it must stay.
#include "menus/menus.h"
#include "frame/character_classes.h"
#include "frame/shift_jis.h"
#include <string.h>

struct KeyNameRow {
  int virtualKey;
  const char *name; // null ends the table
};

static const KeyNameRow kEnglishKeyNames[] = {
    {0x26, "Up"},   {0x28, "Dwon"},       {0x25, "Left"},    {0x27, "Right"},     {0x20, "Space"},
    {0x24, "Home"}, {0x23, "End"},        {0x09, "Tab"},     {0x08, "Back Space"}, {0x21, "Page Up"},
    {0x22, "Page Down"}, {0x2D, "Insert"}, {0x2E, "Delete"}, {0x1B, "Esc"},        {-1, 0},
};

// The arrows as Shift-JIS glyphs, written as bytes: up 81 AA, down 81 AB,
// left 81 A9, right 81 A8.
static const KeyNameRow kJapaneseKeyNames[] = {
    {0x26, "\x81\xAA"}, {0x28, "\x81\xAB"},  {0x25, "\x81\xA9"},    {0x27, "\x81\xA8"},   {0x20, "Space"},
    {0x24, "Home"},     {0x23, "End"},       {0x09, "Tab"},         {0x08, "Back Space"}, {0x21, "Page Up"},
    {0x22, "Page Down"}, {0x2D, "Insert"},   {0x2E, "Delete"},      {0x1B, "Esc"},        {-1, 0},
};

enum {
  kVkBack = 0x08,
  kVkShift = 0x10,
  kVkControl = 0x11,
  kVkMenu = 0x12,
  kVkEscape = 0x1B,
  kVkEnd = 0x23,
  kVkHome = 0x24,
  kVkRight = 0x27,
  kVkInsert = 0x2D,
  kVkDelete = 0x2E,
};

// Flags of GetAppropriateKeyStringFromVkey besides the modifier bits.
enum { kUseCodeAsIs = 8, kUpperCase = 16 };
// Ctrl held turns a control character 1-26 into its letter.
enum { kControlToLetter = 64 };

static const KeyNameRow *KeyNames() { return GetLanguage() ? kJapaneseKeyNames : kEnglishKeyNames; }

static bool IsPrintable(int code) { return code >= 0x20 && code <= 0x7E; }

static bool IsAsciiPunctuation(unsigned char c) {
  return (c >= 0x21 && c <= 0x2F) || (c >= 0x3A && c <= 0x40) || (c >= 0x5B && c <= 0x60) ||
         (c >= 0x7B && c <= 0x7E);
}

// A name stands whole when the byte behind it ends the text or is a blank or
// punctuation: "Up" in "Uphill" is no key.
static bool EndsAName(const char *behind) {
  unsigned char c = (unsigned char)*behind;
  return c == 0 || IsBlankByte(c) || IsAsciiPunctuation(c);
}

static bool NameStandsAt(const char *at, const char *name) {
  size_t length = strlen(name);
  return strncmp(at, name, length) == 0 && EndsAName(at + length);
}

// The first character start of `from` where `name` stands whole, or null.
static const char *FindKeyName(const char *from, const char *name) {
  for (const char *at = from; *at; at = SjisNext(at))
    if (NameStandsAt(at, name)) return at;
  return 0;
}

// A longer name of the table that stands at a character start of `from`
// and covers the name found at `at` ("Back Space" over "Space", "Page Up"
// over "Up"), or `row` itself.
static const KeyNameRow *LongestNameCovering(const KeyNameRow *table, const KeyNameRow *row, const char *from,
                                             const char **at) {
  size_t found = (size_t)(*at - from), end = found + strlen(row->name);
  const KeyNameRow *best = row;
  for (const KeyNameRow *other = table; other->name; other++) {
    size_t length = strlen(other->name);
    if (length <= strlen(best->name)) continue;
    size_t lowest = end > length ? end - length : 0;
    for (size_t start = lowest; start <= found; start++) {
      if (!SjisIsCharStart(from, from + start) || !NameStandsAt(from + start, other->name)) continue;
      best = other;
      *at = from + start;
      break;
    }
  }
  return best;
}

extern "C" LPCSTR ORVEXAPI GetStringFromVkCodeForSpecialKeyStroke(int virtualKey) {
  for (const KeyNameRow *row = KeyNames(); row->name; row++)
    if (row->virtualKey == virtualKey) return row->name;
  return 0;
}

// A code outside 1-255 that has no name cannot be written as one character:
// nothing is written.
extern "C" LPSTR ORVEXAPI GetStringFromVkCodeForAllKeyStroke(LPSTR buffer, int virtualKey) {
  if (!buffer || virtualKey == 0) return 0;
  LPCSTR name = GetStringFromVkCodeForSpecialKeyStroke(virtualKey);
  if (name) {
    strcpy(buffer, name);
    return buffer;
  }
  if (virtualKey < 1 || virtualKey > 255) return 0;
  buffer[0] = (char)virtualKey;
  buffer[1] = 0;
  return buffer;
}

// Key names are looked for in the shortcut part only, so a label such as
// "&Home Page" names no key.
extern "C" int ORVEXAPI GetVkCodeFromStringForSpecialKeyStroke(LPCSTR text, int *position) {
  if (!text) return 0;
  const KeyNameRow *table = KeyNames();
  const char *from = ShortcutPartOf(text);
  for (const KeyNameRow *row = table; row->name; row++) {
    const char *at = FindKeyName(from, row->name);
    if (!at) continue;
    const KeyNameRow *found = LongestNameCovering(table, row, from, &at);
    if (position) *position = (int)(at - text);
    return found->virtualKey;
  }
  return 0;
}

extern "C" int ORVEXAPI GetVkCodeFromStringForAllKeyStroke(LPCSTR text, int *position) {
  if (!text || !*text) return 0;
  int virtualKey = GetVkCodeFromStringForSpecialKeyStroke(text, position);
  if (virtualKey) return virtualKey;
  const char *from = ShortcutPartOf(text);
  const char *key = SkipAllSpecialKeyCodeIfThere(from);
  if (!key) key = from;
  if (position) *position = (int)(key - text);
  return (unsigned char)*key;
}

extern "C" int ORVEXAPI GetAppropriateKeyStringFromVkey(LPSTR buffer, int code, int flags) {
  if (!buffer) return 0;
  int held = GetSpecialKeyCodeFromKeydown();
  bool asIs = (flags & kUseCodeAsIs) != 0;
  if (flags && !asIs && !(flags & kAllModifierBits & held)) return 0;
  LPCSTR name = GetStringFromVkCodeForSpecialKeyStroke(code);
  if (name) {
    strcpy(buffer, name);
    return code;
  }
  if (code < 0 || code > 255) return 0;
  if (!asIs && (held & kCtrlBit)) code += kControlToLetter;
  if (!IsPrintable(code)) return 0;
  if ((flags & kUpperCase) && code >= 'a' && code <= 'z') code -= 'a' - 'A';
  buffer[0] = (char)code;
  buffer[1] = 0;
  return code;
}

// The named keys that Ctrl may not take: they move the caret or leave.
static bool IsCtrlForbiddenNamedKey(int code) {
  return code == kVkHome || code == kVkEnd || code == kVkInsert || code == kVkEscape || code == kVkRight;
}

// Replaces the code by the character the key produces, when it produces one.
static int TranslateToCharacter(int *code) {
  if (*code > 255) return 0;
  UINT character = MapVirtualKeyA((UINT)*code, MAPVK_VK_TO_CHAR) & 0xFFFF;
  if (character) *code = (int)character;
  return 0;
}

// 1 forbidden; 0, -1 (Delete or Back Space alone) and -2 (a printable key
// alone) allowed. A null code is a stroke that cannot be judged: forbidden.
extern "C" int ORVEXAPI IsKeyStrokeForbidden(int *code, int mask, int special) {
  if (!code) return 1;
  if (*code < 0) return 0;
  if (mask == 0) {
    if (*code == kVkDelete || *code == kVkBack) return -1;
    return IsPrintable(*code) ? -2 : 0;
  }
  if (((mask & kShiftBit) && special) || mask == kShiftBit) return 1;
  if (mask & kAltBit) {
    if (special) return (mask & kCtrlBit) ? 1 : 0;
    return TranslateToCharacter(code);
  }
  if (mask & kCtrlBit) {
    if (special) return IsCtrlForbiddenNamedKey(*code) ? 1 : 0;
    return TranslateToCharacter(code);
  }
  return 0;
}

extern "C" int ORVEXAPI IsSpecialKeyStrokeOnly(int virtualKey) {
  return virtualKey == kVkShift || virtualKey == kVkControl || virtualKey == kVkMenu;
}
