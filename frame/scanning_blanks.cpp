// Blanks in C source text: finding, skipping and testing them. A blank byte
// is never the second byte of a two-byte character, so a walk that only
// looks for blanks needs no character tracking; walks that look for other
// bytes step over two-byte characters whole.
#include "frame/scanning.h"
#include "frame/character_classes.h"
#include "frame/kitlib.h"
#include <string.h>

extern "C" LPSTR ORVEXAPI FindEffectiveSpace(LPSTR text) {
  if (!text) return 0;
  for (char *p = text; *p; p += SjisCharLength(p))
    if (IsBlankByte((unsigned char)*p)) return p;
  return 0;
}

// With a limit n > 0 the result lies at most n - 1 bytes after the text.
extern "C" LPSTR ORVEXAPI GetNonSpaceAfterSpaces(LPSTR text, int limit) {
  if (!text) return 0;
  int skipped = 0;
  while (IsBlankByte((unsigned char)text[skipped]) && (limit == 0 || skipped < limit - 1)) skipped++;
  return text + skipped;
}

static const char TAB_OR_SPACE[] = " \t";

extern "C" int ORVEXAPI IsTabOrSpace(LPSTR start, LPSTR position, int index) {
  return IsRealCharacterOf(start, position, index, TAB_OR_SPACE);
}

extern "C" LPSTR ORVEXAPI SkipEffectiveSpace(LPSTR start, LPSTR position) {
  return SkipRealCharactersOf(start, position, TAB_OR_SPACE);
}

extern "C" LPSTR ORVEXAPI SkipEffectiveSpaceFromBeginning(LPSTR text) {
  if (!text) return 0;
  while (IsBlankByte((unsigned char)*text)) text++;
  return text;
}

// The last byte before the trailing blanks; null when there are none.
extern "C" LPSTR ORVEXAPI SkipEffectiveSpaceFromEndOtherwiseReturnNULL(LPSTR text) {
  if (!text || !*text) return 0;
  size_t length = strlen(text), kept = length;
  while (kept && IsBlankByte((unsigned char)text[kept - 1])) kept--;
  if (kept == length) return 0;
  return kept ? text + kept - 1 : text;
}

// Reads only: the test stops at `end` or at the NUL, whichever comes first.
extern "C" int ORVEXAPI IsSpaceOnly(LPSTR text, LPSTR end) {
  if (!text) return 0;
  if (end && end <= text) return 1;
  for (const char *p = text; *p && p != end; p++)
    if (!IsBlankByte((unsigned char)*p)) return 0;
  return 1;
}

extern "C" int ORVEXAPI IsSpaceOnlyAfterRightKakkoBeforeDaiKaikko(LPSTR rightKakko, LPSTR daiKakko) {
  if (!rightKakko || !*rightKakko) return 0;
  return IsSpaceOnly(rightKakko + 1, daiKakko);
}
