// Reading, counting and adding the items of formatted string lists. A list is
// one NUL-terminated text in a movable global block; its items are separated
// by one separator byte, which counts only as a character of its own (the
// trail byte of "ポ" is 0x7C, a '|'). Reading never writes into the list: an
// item is copied, at most ITEM_BUFFER_SIZE - 1 bytes of it, and the offset of
// the next item still skips the whole item. A block without a NUL in it
// reads as no list, so no walk runs past its end.
#include "frame/formatted_lists.h"
#include "frame/kitlib.h"
#include "frame/scanning.h"
#include "frame/sjis_case.h"
#include <string.h>

const char *LockFormattedList(HGLOBAL block) {
  if (!block) return 0;
  SIZE_T size = GlobalSize(block);
  const char *text = (const char *)GlobalLock(block);
  if (!text) return 0;
  if (!size || size == (SIZE_T)-1 || !memchr(text, 0, size)) {
    GlobalUnlock(block);
    return 0;
  }
  return text;
}

// The end of the item starting at `from`: its separator or the NUL.
static const char *ItemEnd(const char *from, int separator) {
  const char *p = from;
  while (*p && !(*p == (char)separator && SjisCharLength(p) == 1)) p = SjisNext(p);
  return p;
}

// Copies the item at `offset` of `text` into `item` (when given), trimmed;
// returns the offset of the next item, or 0 when there is no item there.
static int ReadItem(char *item, int offset, const char *text, int separator) {
  if (!text || offset < 0 || (size_t)offset >= strlen(text)) return 0;
  const char *end = ItemEnd(text + offset, separator);
  if (item) {
    CopyWholeCharacters(item, ITEM_BUFFER_SIZE, text + offset, end);
    DeleteSpaceAtEnd(item);
    DeleteSpaceAtBeginning(item);
  }
  return (int)(end - text) + 1;
}

extern "C" int ORVEXAPI GetEachFilesFromFormattedStringPointer(LPSTR item, int offset, LPCSTR list, int separator) {
  return ReadItem(item, offset, list, separator);
}

extern "C" int ORVEXAPI GetEachFilesFromFormattedString(LPSTR item, int offset, HGLOBAL *list, int separator) {
  if (!list) return 0;
  const char *text = LockFormattedList(*list);
  if (!text) return 0;
  int next = ReadItem(item, offset, text, separator);
  GlobalUnlock(*list);
  return next;
}

extern "C" int ORVEXAPI GetTotalOfItemsFile(HGLOBAL list, int separator) {
  const char *text = LockFormattedList(list);
  if (!text) return 0;
  char item[ITEM_BUFFER_SIZE];
  int count = 0;
  for (int offset = 0, next; (next = ReadItem(item, offset, text, separator)) != 0 && item[0]; offset = next)
    count++;
  GlobalUnlock(list);
  return count;
}

// True when an item of `text`, as it stands, equals `wanted` (ASCII letters
// folded).
static bool HasItem(const char *text, const char *wanted, int separator) {
  size_t length = strlen(wanted);
  for (const char *from = text;;) {
    const char *end = ItemEnd(from, separator);
    if ((size_t)(end - from) == length && SjisStartsWithNoCase(from, wanted)) return true;
    if (!*end) return false;
    from = end + 1;
  }
}

extern "C" int ORVEXAPI AddFormattedStringFromEachFile(HWND window, LPCSTR text, HGLOBAL *list, int separator) {
  if (!list) return 0;
  if (!text || !text[0]) {
    *list = SaveToGlobalMemory(window, *list, "");
    return 4;
  }
  // A longer item could never be read back whole.
  if (strlen(text) >= ITEM_BUFFER_SIZE) return 0;
  const char *current = LockFormattedList(*list);
  if (!current) {
    *list = SaveToGlobalMemory(window, *list, text);
    return 2;
  }
  bool present = HasItem(current, text, separator);
  const char *last = SjisLastCharacter(current);
  bool needsSeparator = last && !(SjisCharLength(last) == 1 && *last == (char)separator);
  GlobalUnlock(*list);
  if (present) return 0;
  if (needsSeparator) {
    char mark[2] = {(char)separator, 0};
    *list = AddToGlobalMemory(window, *list, mark);
  }
  *list = AddToGlobalMemory(window, *list, text);
  return 2;
}
