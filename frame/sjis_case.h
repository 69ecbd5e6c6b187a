// Case-insensitive comparing and searching of Shift-JIS texts, shared by the
// library and the Kitlib stand-in. Only single-byte ASCII letters are folded,
// and a match starts at a character start, so a trail byte is never taken
// for a letter ("\x83\x41" is not "\x83\x61").
#pragma once
#include "frame/text_fit.h"

inline char SjisFoldAscii(char c) { return (c >= 'a' && c <= 'z') ? (char)(c - 'a' + 'A') : c; }

// True when `text` begins with `prefix`, ASCII letters folded. Both are
// walked by characters, so a two-byte character matches only whole.
inline bool SjisStartsWithNoCase(const char *text, const char *prefix) {
  size_t i = 0;
  while (prefix[i]) {
    size_t step = SjisCharLength(prefix + i);
    for (size_t k = 0; k < step; k++) {
      char a = text[i + k], b = prefix[i + k];
      if (!a) return false;
      if (step == 1 ? SjisFoldAscii(a) != SjisFoldAscii(b) : a != b) return false;
    }
    if (step == 1 && SjisCharLength(text + i) != 1) return false;
    i += step;
  }
  return true;
}

inline bool SjisEqualNoCase(const char *a, const char *b) {
  if (!SjisStartsWithNoCase(a, b)) return false;
  size_t length = 0;
  while (b[length]) length++;
  return a[length] == 0;
}

// The first character start of `text` where `needle` matches, or null. An
// empty needle matches at the start.
inline const char *SjisFindNoCase(const char *text, const char *needle) {
  for (const char *at = text;; at += SjisCharLength(at)) {
    if (SjisStartsWithNoCase(at, needle)) return at;
    if (!*at) return nullptr;
  }
}
