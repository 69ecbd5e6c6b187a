// Shift-JIS text helpers shared by every caller: the lead-byte test and the
// trimming of blanks at either end of a text.
#include "frame/kitlib.h"
#include <string.h>

// Lead bytes of a two-byte Shift-JIS character: 0x81-0x9F and 0xE0-0xFC.
extern "C" int KITAPI _myIskanji(int byte) {
  unsigned value = (unsigned)byte & 0xFF;
  return (value >= 0x81 && value <= 0x9F) || (value >= 0xE0 && value <= 0xFC);
}

static int IsBlank(char c) { return c == ' ' || c == '\t'; }

extern "C" int KITAPI DeleteSpaceAtBeginning(LPSTR text) {
  if (!text) return 0;
  size_t skip = 0;
  while (IsBlank(text[skip])) skip++;
  if (skip) memmove(text, text + skip, strlen(text + skip) + 1);
  return (int)skip;
}

// Walks by characters so that a trail byte is never taken for a blank.
extern "C" int KITAPI DeleteSpaceAtEnd(LPSTR text) {
  if (!text) return 0;
  size_t keep = 0, i = 0;
  while (text[i]) {
    if (_myIskanji((unsigned char)text[i]) && text[i + 1]) {
      i += 2;
      keep = i;
    } else {
      if (!IsBlank(text[i])) keep = i + 1;
      i++;
    }
  }
  text[keep] = 0;
  return (int)(i - keep);
}
