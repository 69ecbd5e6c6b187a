// The expected cut of a Shift-JIS text: the longest run of whole characters
// that fits a number of bytes, as the library's bounded texts keep it.
#pragma once
#include "frame/shift_jis.h"
#include <string>

inline std::string SjisFit(const std::string &text, size_t room) {
  size_t at = 0;
  while (at < text.size()) {
    size_t step = SjisCharLength(text.c_str() + at);
    if (at + step > room) break;
    at += step;
  }
  return text.substr(0, at);
}
