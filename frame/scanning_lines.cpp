// Logical and physical lines of C source text. A line whose last non-blank
// byte is a backslash (a real one, not the second byte of a two-byte
// character) continues on the next line, also with blanks after the
// backslash; an empty or blank line ends the logical line, as in C.
#include "frame/scanning.h"
#include "frame/character_classes.h"
#include "frame/kitlib.h"

static bool IsBlankInLine(int byte) { return IsBlankByte(byte) && !IsNewLineByte(byte); }

static char *AfterLineEnd(char *end) { return end + (end[0] == '\r' && end[1] == '\n' ? 2 : 1); }

extern "C" LPSTR ORVEXAPI FindLineEndSkipYenmarkAsContinued(LPSTR text) {
  if (!text || !*text) return 0;
  char *lineStart = text;
  for (;;) {
    char *end = FindLineEnd(lineStart);
    if (!end || !*end) return end;
    char *candidate = end;
    while (candidate > lineStart && IsBlankByte((unsigned char)candidate[-1])) candidate--;
    if (candidate == lineStart) candidate = end; // an empty or blank line
    if (candidate == text || !IsCharacterFound(text, candidate, '\\', -1)) return candidate;
    lineStart = AfterLineEnd(end);
  }
}

// Walks back line by line. Each round looks at the line before the current
// head: its line end, its trailing blanks, and then its last byte. Taking the
// backslash itself as the next position keeps every round inside the text.
extern "C" LPSTR ORVEXAPI FindLineHeadSkipYenmarkAsContinued(LPSTR start, LPSTR position) {
  if (!start || !position || position < start || !*position) return 0;
  for (;;) {
    char *head = FindLineHead(start, position);
    if (!head || head == start) return head;
    char *last = head - 1;
    if (*last == '\n' && last > start && last[-1] == '\r') last--;
    if (last == start) return head;
    last--;
    while (last > start && IsBlankInLine((unsigned char)*last)) last--;
    if (!IsCharacterFound(start, last, '\\', 0)) return head;
    position = last;
  }
}

static const char NEW_LINE[] = "\r\n";

extern "C" int ORVEXAPI IsNewLine(LPSTR start, LPSTR position, int index) {
  return IsRealCharacterOf(start, position, index, NEW_LINE);
}

extern "C" LPSTR ORVEXAPI SkipNewLineOnly(LPSTR start, LPSTR position) {
  return SkipRealCharactersOf(start, position, NEW_LINE);
}

// 1 when the text has no line end, or one line end as its very last byte.
extern "C" int ORVEXAPI IsThereLineEndIncluded(LPSTR text) {
  if (!text || !*text) return 0;
  int lineEnds = 0;
  bool ordinaryAfter = false;
  for (const char *p = text; *p; p++) {
    if (IsLineStartOrEnd((unsigned char)*p)) {
      lineEnds++;
      ordinaryAfter = false;
    } else {
      ordinaryAfter = true;
    }
  }
  return lineEnds == 0 || (lineEnds == 1 && !ordinaryAfter);
}
