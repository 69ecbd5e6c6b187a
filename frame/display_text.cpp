// Texts shortened for display (at most eleven lines and 255 bytes, ending in
// "..."), the line number of a place in a text, and the moving cut that
// hides trailing blanks of a compile line.
#include "frame/paths.h"
#include "frame/kitlib.h"
#include "frame/scanning.h"
#include "frame/text_fit.h"
#include <string.h>
#include <string>

enum { kMostLines = 11, kShortLimit = 256 };

// Cuts the text at the start of its twelfth line, with the line ends left
// at its end.
static void KeepElevenLines(LPSTR text) {
  LPSTR line = text;
  for (int i = 0; i < kMostLines; i++) {
    LPSTR end = FindLineEnd(line);
    if (!end || !*end) return;
    line = SkipCRorNL(end);
  }
  if (!*line) return;
  *line = 0;
  RemoveAllContinuousEndMarksFromEnd(text);
}

// Where the "..." goes: byte 252 when a character starts there, else 251
// (the two-byte character at 251 is not split). The characters are walked
// from the start, so a trail byte is never taken for a lead byte.
static size_t DotsPlace(const char *text) {
  size_t at = 0;
  while (at < 252) at += SjisCharLength(text + at);
  return at == 252 ? 252 : 251;
}

extern "C" int ORVEXAPI GetShortStringIfLonger(LPSTR text, int *length) {
  if (!text) {
    if (length) *length = 0;
    return 0;
  }
  KeepElevenLines(text);
  size_t size = strlen(text);
  if (size < kShortLimit) {
    if (length) *length = (int)size;
    return 0;
  }
  size_t dots = DotsPlace(text);
  int replaced = (unsigned char)text[dots + 3];
  memcpy(text + dots, "...", 3);
  text[dots + 3] = 0;
  if (length) *length = (int)(dots + 3);
  return replaced;
}

// Counts on a copy: the caller's text is never written, and a `last` at or
// past the NUL counts the whole text.
extern "C" int ORVEXAPI CountLineNumber(LPCSTR text, LPCSTR last) {
  if (!text || !last || last < text) return 0;
  size_t upTo = (size_t)(last - text) + 1;
  size_t length = strnlen(text, upTo);
  std::string part(text, length);
  return CountLine(part.c_str());
}

extern "C" LPSTR ORVEXAPI SetNewEmptyEndAtCompileDotC(LPSTR text, LPSTR *cut, LPSTR saved) {
  if (!text || !text[0] || !cut || !saved) return text;
  LPSTR start = SkipEffectiveSpaceFromBeginning(text);
  LPSTR last = SkipEffectiveSpaceFromEndOtherwiseReturnNULL(text);
  if (!last) return start;
  if (*cut) **cut = *saved;
  *cut = last + 1;
  *saved = **cut;
  **cut = 0;
  return start;
}
