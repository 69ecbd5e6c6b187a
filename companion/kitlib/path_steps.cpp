// Small steps over paths and lists that the choosers take: finding a
// backslash, going up one folder, the current folder, copying a list of
// NUL-ended names, and taking a final mark off a text or a global-memory
// text. A backslash or mark counts only as a character of its own (the trail
// byte of "ソ" is 0x5C, that of "ポ" 0x7C).
#include "frame/kitlib.h"
#include "frame/shift_jis.h"
#include <string.h>

extern "C" LPSTR KITAPI FindYenMark(LPCSTR path) {
  for (const char *p = path; p && *p; p = SjisNext(p))
    if (*p == '\\' && SjisCharLength(p) == 1) return (LPSTR)p;
  return 0;
}

extern "C" int KITAPI GetUpperDirectory(LPSTR path) {
  if (!path) return -10;
  char *last = SjisLastSeparator(path);
  if (!last) return -10;
  bool trailing = last[1] == 0;
  if (trailing) {
    // "C:\a\" goes up like "C:\a"; a root stays.
    if (last == path || (last == path + 2 && path[1] == ':')) return -10;
    *last = 0;
    last = SjisLastSeparator(path);
    if (!last) return -10;
  }
  bool driveRoot = last == path + 2 && path[1] == ':';
  if (driveRoot && last[1] == 0) return -10;
  last[driveRoot ? 1 : 0] = 0;
  if (!path[0]) return -10;
  return 1;
}

extern "C" LPSTR KITAPI myGetcwd(LPSTR buffer, int size) {
  if (!buffer || size <= 0) return 0;
  DWORD length = GetCurrentDirectoryA((DWORD)size, buffer);
  if (length == 0 || length >= (DWORD)size) {
    buffer[0] = 0;
    return 0;
  }
  return buffer;
}

extern "C" int KITAPI MoveMemorySeparetedByZero(LPSTR target, LPCSTR source) {
  if (!target || !source) return 0;
  size_t length = 0;
  while (source[length]) length += strlen(source + length) + 1;
  memmove(target, source, length + 1);
  return (int)(length + 1);
}

extern "C" int KITAPI RemoveEndMarkInString(LPSTR text, int mark) {
  char *last = (char *)SjisLastCharacter(text);
  if (!last || SjisCharLength(last) != 1 || *last != (char)mark) return 0;
  *last = 0;
  return 1;
}

extern "C" int KITAPI RemoveEndMarkInGlobalMemory(HGLOBAL *block, int mark) {
  if (!block || !*block) return 0;
  SIZE_T size = GlobalSize(*block);
  LPSTR text = (LPSTR)GlobalLock(*block);
  if (!text) return 0;
  int removed = memchr(text, 0, size) ? RemoveEndMarkInString(text, mark) : 0;
  GlobalUnlock(*block);
  return removed;
}

extern "C" LPSTR KITAPI ConvertWin95CharacterSet(LPSTR text, int kind, int reserved) {
  char *last = (char *)SjisLastCharacter(text);
  size_t length = text ? strlen(text) : 0;
  bool driveRoot = length == 3 && text[1] == ':';
  if (last && last[0] == '\\' && last[1] == 0 && !driveRoot && length > 1) *last = 0;
  return text;
}
