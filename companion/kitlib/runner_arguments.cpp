// Argument vector and text helpers of the captured-output runner: the vector
// handed over by the host, the blank and quote marks the host encodes so that
// a list survives a command line, numbers in text form, file names and the
// redirection mark.
#include "frame/kitlib.h"
#include "frame/shift_jis.h"
#include "runner_processes.h"
#include <string.h>

// The vector is argv as main gets it. The pointers are copied, never the texts;
// the caller learns from the answer whether everything fitted. A runner's
// call begins here: what is alive now is no tool of it.
extern "C" int KITAPI GetCmdlineParamForExecuteByMyMain(int argc, char **argv, LPSTR *vector, int size) {
  NoteProcessesAlive();
  if (!vector || size <= 0) return 0;
  ZeroMemory(vector, sizeof(LPSTR) * (size_t)size);
  if (!argv || argc <= 0) return 0;
  int count = 0;
  while (count < argc && argv[count]) count++;
  int copied = count < size - 1 ? count : size - 1;
  for (int i = 0; i < copied; i++) vector[i] = argv[i];
  return count;
}

extern "C" void KITAPI ClearMemoryByZero(LPVOID block, DWORD length) {
  if (block) ZeroMemory(block, length);
}

// BEL and TAB are below every Shift-JIS trail byte, so a byte walk is safe.
static int ReplaceByte(LPSTR text, char from, char to) {
  if (!text) return 0;
  for (char *p = text; *p; p++)
    if (*p == from) *p = to;
  return 1;
}

extern "C" int KITAPI ReplaceAlertBellBySpace(LPSTR text) { return ReplaceByte(text, '\a', ' '); }

extern "C" int KITAPI ReplaceTabBy95QuotationMark(LPSTR text) { return ReplaceByte(text, '\t', '"'); }

// Decimal, or hexadecimal after "0x"; leading blanks skipped; wraps at 32 bits.
extern "C" DWORD KITAPI __fatolu(LPCSTR text) {
  if (!text) return 0;
  while (*text == ' ' || *text == '\t') text++;
  DWORD value = 0;
  if (text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    for (text += 2;; text++) {
      char c = *text;
      int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10
                : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
      if (digit < 0) return value;
      value = value * 16 + (DWORD)digit;
    }
  }
  for (; *text >= '0' && *text <= '9'; text++) value = value * 10 + (DWORD)(*text - '0');
  return value;
}

// The executable part of the text ends at the first blank outside double
// quotes (a plain path has none); the file name starts behind its last
// separator. Walks by characters so a trail byte is never taken for one.
extern "C" LPSTR KITAPI GetFileName(int zero, LPSTR path) {
  if (!path) return 0;
  LPSTR name = path;
  int quoted = 0;
  for (LPSTR p = path; *p; p = SjisNext(p)) {
    if (*p == '"') quoted = !quoted;
    else if (*p == ' ' && !quoted) break;
    else if (*p == '\\' || *p == '/' || *p == ':') name = p + 1;
  }
  return name;
}

extern "C" int KITAPI Remove95Quotation(LPSTR text) {
  if (!text) return 0;
  size_t length = strlen(text);
  if (length < 2 || text[0] != '"' || text[length - 1] != '"') return 0;
  memmove(text, text + 1, length - 2);
  text[length - 2] = 0;
  return 1;
}

extern "C" int KITAPI Add95Quotation(LPSTR text) {
  if (!text) return 0;
  size_t length = strlen(text);
  memmove(text + 1, text, length);
  text[0] = '"';
  text[length + 1] = '"';
  text[length + 2] = 0;
  return 1;
}

extern "C" LPCSTR KITAPI GetMyRedirectSign(void) { return ">"; }
