// Cutting a text after its first word, the step that the word-at-cursor
// scans and the declaration scanner share. A text that begins with a
// separator keeps it together with the character after it; one that begins
// with two-byte characters keeps their run and the byte after it.
#include "completion/word_separators.h"
#include "frame/scanning.h"

// The end of the first word of a non-empty text, or null when the word runs
// to the text's end.
static char *EndOfFirstWord(char *text, int kind) {
  char *p = text;
  while (LookRight(kind, p) == LOOK_WORD_BYTE) p++; // NUL separates under every kind
  if (p != text) return *p ? p : 0;
  if (LookRight(kind, p) == LOOK_SEPARATOR) {
    p++;
    if (*p) p += SjisCharLength(p);
  } else {
    while (LookRight(kind, p) == LOOK_DOUBLE_BYTE) p += 2;
    if (*p) p++;
  }
  return *p ? p : 0;
}

// Returns 1 when the text held a word, 0 for an empty or null text or a kind
// outside 0 to 3. The byte after the word is saved, its place given in *end
// and overwritten with NUL; *end stays null when nothing is cut.
extern "C" int ORVEXAPI GetRightWordSeparatedByKugiri(LPSTR text, int kind, LPSTR *end, int *savedByte) {
  if (end) *end = 0;
  if (!text || !*text || !IsSeparatorKind(kind)) return 0;
  char *cut = EndOfFirstWord(text, kind);
  if (!cut) return 1;
  if (savedByte) *savedByte = (unsigned char)*cut;
  if (end) *end = cut;
  *cut = 0;
  return 1;
}
