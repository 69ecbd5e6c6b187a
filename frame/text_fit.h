// Bounded building of a Shift-JIS text in a fixed buffer, shared by the
// library and the Kitlib stand-in: every formatted message box text is made
// here. A text that does not fit is cut before the first character that does
// not fit whole, so no lead byte is ever left without its trail byte and
// nothing is written past the buffer.
#pragma once
#include <stddef.h>
#include "frame/shift_jis.h"

// Appends `count` bytes of `text` (a null text is empty) to the text of
// `length` bytes in `buffer` of `size` bytes, keeping its NUL. Returns false
// when the text had to be cut.
inline bool AppendSjisBytes(char *buffer, size_t size, size_t *length, const char *text, size_t count) {
  if (!buffer || size == 0) return false;
  size_t at = *length;
  bool whole = true;
  for (size_t i = 0; text && i < count && text[i];) {
    size_t step = SjisCharLength(text + i);
    if (at + step >= size) {
      whole = false;
      break;
    }
    for (size_t k = 0; k < step; k++) buffer[at++] = text[i + k];
    i += step;
  }
  buffer[at] = 0;
  *length = at;
  return whole;
}

inline bool AppendSjis(char *buffer, size_t size, size_t *length, const char *text) {
  return AppendSjisBytes(buffer, size, length, text, (size_t)-1);
}

// Copies `text` (a null text is empty) into `buffer` of `size` bytes, cut
// like an append. Returns false when the text had to be cut.
inline bool CopySjis(char *buffer, size_t size, const char *text) {
  size_t length = 0;
  return AppendSjis(buffer, size, &length, text);
}

// Writes `format` into `buffer` with each "%s" replaced by the next of the
// `count` inserts (a null or missing insert reads as empty) and "%%" by "%".
// Any other conversion is copied as it stands: the format is a loaded message
// text, never trusted to match arguments. Returns the length written.
inline size_t FormatSjis(char *buffer, size_t size, const char *format, const char *const *inserts, int count) {
  size_t length = 0;
  if (!buffer || size == 0) return 0;
  buffer[0] = 0;
  int next = 0;
  const char *text = format ? format : "";
  while (*text) {
    size_t run = 0;
    while (text[run] && text[run] != '%') run += SjisCharLength(text + run);
    if (!AppendSjisBytes(buffer, size, &length, text, run)) return length;
    text += run;
    if (!*text) break;
    bool fits;
    if (text[1] == 's') {
      fits = AppendSjis(buffer, size, &length, next < count ? inserts[next] : 0);
      next++;
      text += 2;
    } else if (text[1] == '%') {
      fits = AppendSjisBytes(buffer, size, &length, "%", 1);
      text += 2;
    } else {
      fits = AppendSjisBytes(buffer, size, &length, "%", 1);
      text += 1;
    }
    if (!fits) return length;
  }
  return length;
}
