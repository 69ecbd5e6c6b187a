// Shift-JIS character tests of the source-text walkers, on the one model of
// frame/shift_jis.h. Whether a byte starts a character is decided from the
// run of lead-range bytes just before it: such a run never holds a CR or LF,
// so the look-back never leaves the byte's physical line, and a scan that
// asks for every byte of a file stays linear instead of re-walking the file
// from its start.
#include "frame/kitlib.h"
#include "frame/character_classes.h"
#include "frame/shift_jis.h"
#include <stddef.h>

extern "C" int KITAPI __myIskanji(int byte) { return SjisIsLeadByte((unsigned char)byte); }

extern "C" int KITAPI __myIskanji2(int byte) { return SjisIsTrailByte((unsigned char)byte); }

extern "C" int KITAPI IsCharacterFound(LPCSTR start, LPCSTR position, int character, int index) {
  if (!start || !position || position < start) return 0;
  if (index < 0 && position - start < -(ptrdiff_t)index) return 0;
  for (int i = 0; i < index; i++)
    if (!position[i]) return 0; // the place lies past the NUL
  const char *p = position + index;
  if (!*p || (unsigned char)*p != ((unsigned)character & 0xFF)) return 0;
  return SjisIsCharStart(start, p);
}

extern "C" int KITAPI IsLineStartOrEnd(int byte) {
  unsigned value = (unsigned)byte & 0xFF;
  return value == 0 || IsNewLineByte((int)value);
}

extern "C" int KITAPI IsWordFound(LPCSTR place, int length) {
  if (!place || length < 0) return 0;
  for (int i = 0; i < length; i++)
    if (!place[i]) return 0;
  return IsWordBoundaryByte((unsigned char)place[length]);
}
