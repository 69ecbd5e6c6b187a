// The expected cut of a Shift-JIS text: the longest run of whole characters
// that fits a number of bytes, as the library's bounded texts keep it.
#pragma once
#include <string>

inline std::string SjisFit(const std::string &text, size_t room) {
  size_t at = 0;
  while (at < text.size()) {
    unsigned char c = text[at];
    size_t step = ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) && at + 1 < text.size() ? 2 : 1;
    if (at + step > room) break;
    at += step;
  }
  return text.substr(0, at);
}
