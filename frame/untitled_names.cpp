// The untitled-file name (record 15 of the message table) in both languages,
// and the test whether a name is one. A name may carry the same-name mark
// ':' and a number ("(Untitled):2") when several untitled files are open.
#include "frame/paths.h"
#include "frame/message_table.h"
#include "frame/text_fit.h"
#include <string.h>

enum { kUntitledRecord = 15, kSameNameMark = ':' };

extern "C" LPCSTR ORVEXAPI GetNoNameString(int language) {
  return MessageTableText(kUntitledRecord, language == 1);
}

// The place behind the last single-byte `mark` of the text, or null.
static const char *AfterLast(const char *text, char mark) {
  const char *after = 0;
  for (const char *p = text; *p; p += SjisCharLength(p))
    if (*p == mark) after = p + 1;
  return after;
}

// Read only: the name is compared where it lies, as far as `length` bytes.
static bool NameIs(const char *name, size_t length, const char *untitled) {
  return strlen(untitled) == length && memcmp(name, untitled, length) == 0;
}

extern "C" int ORVEXAPI IsFileWithNoName(LPCSTR name) {
  if (!name || !name[0]) return 0;
  const char *compared = name;
  size_t length = strlen(name);
  const char *afterMark = AfterLast(name, kSameNameMark);
  if (afterMark && AfterLast(afterMark, '\\')) {
    compared = AfterLast(afterMark, '\\');
    length = strlen(compared);
  } else if (afterMark) {
    length = (size_t)(afterMark - 1 - name);
  }
  if (NameIs(compared, length, MessageTableText(kUntitledRecord, 0))) return -1;
  if (NameIs(compared, length, MessageTableText(kUntitledRecord, 1))) return 1;
  return 0;
}
