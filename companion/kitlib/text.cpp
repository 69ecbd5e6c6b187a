// Shift-JIS text helpers shared by every caller: the lead-byte test and the
// trimming of blanks at either end of a text.
#include "frame/kitlib.h"
#include "frame/character_classes.h"
#include "frame/shift_jis.h"
#include <string.h>

extern "C" int KITAPI _myIskanji(int byte) { return SjisIsLeadByte((unsigned char)byte); }

// Only spaces and tabs are trimmed: a line end stays, so that callers can
// tell an empty rest of line from the next line.
extern "C" int KITAPI DeleteSpaceAtBeginning(LPSTR text) {
  if (!text) return 0;
  size_t skip = 0;
  while (IsTabOrSpaceByte(text[skip])) skip++;
  if (skip) memmove(text, text + skip, strlen(text + skip) + 1);
  return (int)skip;
}

// A space or tab is never the second byte of a two-byte character, so the
// blanks at the end are found from the end without walking the characters.
extern "C" int KITAPI DeleteSpaceAtEnd(LPSTR text) {
  if (!text) return 0;
  size_t length = strlen(text), keep = length;
  while (keep && IsTabOrSpaceByte(text[keep - 1])) keep--;
  text[keep] = 0;
  return (int)(length - keep);
}
