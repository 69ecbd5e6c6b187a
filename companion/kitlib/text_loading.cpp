// Loads texts of a message library. Its string table holds every text twice,
// under LANG_ENGLISH and LANG_JAPANESE; the Japanese one is converted with code
// page 932 whatever the system's code page is, so callers always get Shift-JIS.
#include "frame/kitlib.h"

// Returns the UTF-16 text of string `id` in `langId`, or null; `length` set.
static const WCHAR *FindStringResource(HINSTANCE instance, int id, WORD langId, int *length) {
  *length = 0;
  if (id < 0 || id > 0xFFFF) return 0;
  HRSRC found = FindResourceExW(instance, (LPCWSTR)RT_STRING,
                                MAKEINTRESOURCEW((id >> 4) + 1), langId);
  if (!found) return 0;
  const WCHAR *entry = (const WCHAR *)LockResource(LoadResource(instance, found));
  if (!entry) return 0;
  // A block holds 16 counted strings; skip to the one wanted.
  for (int i = 0; i < (id & 15); i++) entry += 1 + *entry;
  *length = *entry;
  return *length ? entry + 1 : 0;
}

extern "C" int KITAPI KitLoadText(HINSTANCE instance, int id, int language, LPSTR buffer, int size) {
  if (!buffer || size <= 0) return 0;
  buffer[0] = 0;
  WORD langId = language ? MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT)
                         : MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
  int length = 0;
  const WCHAR *text = FindStringResource(instance, id, langId, &length);
  if (!text) return 0;
  UINT codePage = language ? 932 : 1252;
  // Too long a text is cut on a whole character, so no lead byte stands alone.
  for (int take = length; take > 0; take--) {
    int count = WideCharToMultiByte(codePage, 0, text, take, 0, 0, 0, 0);
    if (count > 0 && count < size) {
      WideCharToMultiByte(codePage, 0, text, take, buffer, size, 0, 0);
      buffer[count] = 0;
      return count;
    }
  }
  return 0;
}
