// Double quotes around paths, as a path with blanks is written on a command
// line, and the file-name part of a path. The runner's code may define the
// same operations; only one definition of each is kept when both are there.
// The file name here is that of a path: a blank belongs to the name.
#include "frame/kitlib.h"
#include "frame/text_fit.h"
#include <string.h>

extern "C" LPSTR KITAPI GetFileName(int zero, LPSTR path) {
  if (!path) return 0;
  LPSTR name = path;
  for (LPSTR p = path; *p; p += SjisCharLength(p))
    if (*p == '\\' || *p == '/' || *p == ':') name = p + 1;
  return name;
}

extern "C" int KITAPI Is95QuotationMarkThere(LPCSTR text) {
  if (!text) return 0;
  size_t length = strlen(text);
  return length >= 2 && text[0] == '"' && text[length - 1] == '"';
}

extern "C" int KITAPI Remove95Quotation(LPSTR text) {
  if (!Is95QuotationMarkThere(text)) return 0;
  size_t length = strlen(text);
  memmove(text, text + 1, length - 2);
  text[length - 2] = 0;
  return 1;
}

extern "C" int KITAPI Add95Quotation(LPSTR text) {
  if (!text || Is95QuotationMarkThere(text)) return 0;
  size_t length = strlen(text);
  memmove(text + 1, text, length);
  text[0] = '"';
  text[length + 1] = '"';
  text[length + 2] = 0;
  return 1;
}
