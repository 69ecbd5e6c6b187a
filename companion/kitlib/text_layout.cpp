// Text shaping for one-line displays: line breaks turned into a chosen byte,
// and numbers written with digit grouping.
#include "frame/kitlib.h"
#include "frame/text_fit.h"

extern "C" int KITAPI ReplaceNLbyCode(LPSTR text, int code) {
  if (!text) return 0;
  int replaced = 0;
  size_t from = 0, to = 0;
  while (text[from]) {
    if (text[from] == '\r' || text[from] == '\n') {
      from += (text[from] == '\r' && text[from + 1] == '\n') ? 2 : 1;
      text[to++] = (char)code;
      replaced++;
      continue;
    }
    size_t step = SjisCharLength(text + from);
    for (size_t k = 0; k < step; k++) text[to++] = text[from++];
  }
  text[to] = 0;
  return replaced;
}

extern "C" LPSTR KITAPI ArrangedNumber(ULONGLONG value, LPSTR buffer, int size) {
  if (!buffer || size <= 0) return buffer;
  char reversed[32];
  int length = 0;
  do {
    if (length % 4 == 3) reversed[length++] = ',';
    reversed[length++] = (char)('0' + value % 10);
    value /= 10;
  } while (value);
  if (length >= size) {
    buffer[0] = 0;
    return buffer;
  }
  for (int i = 0; i < length; i++) buffer[i] = reversed[length - 1 - i];
  buffer[length] = 0;
  return buffer;
}
