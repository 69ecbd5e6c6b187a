// Character walking of Shift-JIS text and the searches built on it: the one
// two-byte-aware substring search of the library (also used by the warning
// table), the separator and same-name marks, the word-boundary test.
// Characters are those of frame/shift_jis.h; NUL is never a trail byte, so
// no step goes past the end of a text.
#include "frame/scanning.h"
#include "frame/character_classes.h"
#include "frame/kitlib.h"
#include <string.h>

static bool StartsWith(const char *text, const char *word) {
  while (*word)
    if (*text++ != *word++) return false; // the text's NUL differs from any word byte
  return true;
}

char *FindWholeCharacterString(const char *text, const char *word) {
  if (!text || !word || !*word) return 0;
  for (; *text; text += SjisCharLength(text))
    if (StartsWith(text, word)) return (char *)text;
  return 0;
}

char *FindRealCharacter(const char *text, int character) {
  char wanted[2] = {(char)character, 0};
  return FindWholeCharacterString(text, wanted);
}

int IsRealCharacterOf(const char *start, const char *position, int index, const char *set) {
  for (; *set; set++)
    if (IsCharacterFound(start, position, (unsigned char)*set, index)) return 1;
  return 0;
}

char *SkipRealCharactersOf(const char *start, const char *position, const char *set) {
  if (!position) return 0;
  const char *p = position;
  while (IsRealCharacterOf(start, p, 0, set)) p++;
  return p == position ? 0 : (char *)p;
}

size_t CopyWholeCharacters(char *out, size_t size, const char *from, const char *limit) {
  if (!out || !size) return 0;
  size_t length = 0;
  while (from && from[length] && from + length != limit) {
    size_t step = SjisCharLength(from + length);
    if (length + step > size - 1 || (limit && from + length + step > limit)) break;
    length += step;
  }
  if (length) memmove(out, from, length);
  out[length] = 0;
  return length;
}

extern "C" int ORVEXAPI IsStringStartOrEndInDll(int byte) { return IsWordBoundaryByte(byte); }

// Compared byte by byte at every byte of the text, as its callers expect.
extern "C" LPSTR ORVEXAPI FindStringByWordByWord(LPSTR text, LPSTR word) {
  if (!text || !word || !*word) return 0;
  return strstr(text, word);
}

extern "C" LPSTR ORVEXAPI FindSeparatorMark(LPSTR text) { return FindRealCharacter(text, ';'); }

// Joins a name with its qualifier in lists that hold equal names.
static const int SAME_NAME_MARK = ':';

extern "C" int ORVEXAPI GetKugiriMarkForSameName(void) { return SAME_NAME_MARK; }

extern "C" LPSTR ORVEXAPI FindKUGIRIMARK_FOR_SAME_NAME(LPSTR text) {
  static const char marks[] = {SAME_NAME_MARK, 0};
  return (LPSTR)SjisLastOf(text, marks);
}

extern "C" int ORVEXAPI IsSpecifiedCharacterOnly(LPSTR text, int character) {
  if (!text) return 1;
  for (const char *p = text; *p; p += SjisCharLength(p))
    if (SjisCharLength(p) != 1 || (unsigned char)*p != ((unsigned)character & 0xFF)) return 0;
  return 1;
}
