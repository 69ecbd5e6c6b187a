// The untitled-file name (record 15 of the message table) in both languages,
// and the test whether a name is one. A name may carry the same-name mark
// ':' and a number ("(Untitled):2") when several untitled files are open.
#include "frame/paths.h"
#include "frame/message_table.h"
#include "frame/shift_jis.h"
#include <string.h>

enum { kUntitledRecord = 15 };
static const char kSameNameMark[] = ":";

extern "C" LPCSTR ORVEXAPI GetNoNameString(int language) {
  return MessageTableText(kUntitledRecord, language == 1);
}

// Read only: the name is compared where it lies, as far as `length` bytes.
static bool NameIs(const char *name, size_t length, const char *untitled) {
  return strlen(untitled) == length && memcmp(name, untitled, length) == 0;
}

extern "C" int ORVEXAPI IsFileWithNoName(LPCSTR name) {
  if (!name || !name[0]) return 0;
  const char *compared = name;
  size_t length = strlen(name);
  const char *afterMark = SjisAfterLastOf(name, kSameNameMark);
  const char *fileName = afterMark ? SjisAfterLastOf(afterMark, "\\") : 0;
  if (fileName) {
    compared = fileName;
    length = strlen(compared);
  } else if (afterMark) {
    length = (size_t)(afterMark - 1 - name);
  }
  if (NameIs(compared, length, MessageTableText(kUntitledRecord, 0))) return -1;
  if (NameIs(compared, length, MessageTableText(kUntitledRecord, 1))) return 1;
  return 0;
}
