// Editing of texts in place: line ends and end marks cut off, blank runs
// turned into a separator. Line ends and blanks are never the second byte of
// a two-byte character; the end mark is tested as a real character.
#include "frame/scanning.h"
#include "frame/character_classes.h"
#include "frame/kitlib.h"
#include <string.h>

extern "C" int ORVEXAPI RemoveCRNLAtEnd(LPSTR text) {
  if (!text) return 0;
  size_t length = strlen(text), kept = length;
  while (kept && IsNewLineByte((unsigned char)text[kept - 1])) kept--;
  text[kept] = 0;
  return kept != length;
}

extern "C" int ORVEXAPI RemoveCRNLAtHead(LPSTR text) {
  if (!text) return 0;
  size_t skipped = 0;
  while (IsNewLineByte((unsigned char)text[skipped])) skipped++;
  if (skipped) memmove(text, text + skipped, strlen(text + skipped) + 1);
  return skipped != 0;
}

// Cuts the text at the mark standing n bytes before its end (n = 1: a final
// mark). An n outside 1 to the text's length leaves the text as it is.
extern "C" int ORVEXAPI RemoveEndMarkInStringForOrvex(LPSTR text, int mark, int n) {
  if (!text) return 0;
  size_t length = strlen(text);
  if (n < 1 || (size_t)n > length) return 0;
  char *place = text + length - n;
  if (!IsCharacterFound(text, place, mark, 0)) return 0;
  *place = 0;
  return 1;
}

// "a   b  c " with ';' becomes "a;b;c;": leading blanks go, every run of
// blanks after a word becomes one copy of the character.
extern "C" LPSTR ORVEXAPI ReplaceSpaceBySpecifiedCharacter(LPSTR text, int character) {
  if (!text) return 0;
  char *read = SkipEffectiveSpaceFromBeginning(text), *write = text;
  while (*read) {
    char *space = FindSpace(read);
    size_t length = space ? (size_t)(space - read) : strlen(read);
    memmove(write, read, length);
    write += length;
    read += length;
    if (!space) break;
    read = SkipEffectiveSpaceFromBeginning(read); // before the write, which may land on the run
    *write++ = (char)character;
  }
  *write = 0;
  return text;
}
