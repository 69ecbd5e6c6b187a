// Line and blank finders of the source-text walkers. CR, LF and the blanks
// are never the second byte of a two-byte character, so these look at single
// bytes without tracking characters.
#include "frame/kitlib.h"
#include "frame/character_classes.h"

extern "C" LPSTR KITAPI FindLineEnd(LPCSTR position) {
  if (!position) return 0;
  while (*position && !IsNewLineByte((unsigned char)*position)) position++;
  return (LPSTR)position;
}

extern "C" LPSTR KITAPI FindLineHead(LPCSTR start, LPCSTR position) {
  if (!start || !position || position < start) return 0;
  const char *p = position;
  if (p > start && *p == '\n' && p[-1] == '\r') p--;
  while (p > start && !IsNewLineByte((unsigned char)p[-1])) p--;
  return (LPSTR)p;
}

extern "C" LPSTR KITAPI FindSpace(LPCSTR text) {
  if (!text) return 0;
  for (; *text; text++)
    if (IsBlankByte((unsigned char)*text)) return (LPSTR)text;
  return 0;
}
