// The word at the caret, cut out of one line for the host: the part right of
// the caret (GetWordAtCursor), and the word to complete left of it
// (FindWordToLeftForPutWord). Both leave the moved position, the head
// position and the word-to-right flag for the host's getters. Callers give a
// `word` buffer that holds the whole line; a caret outside the line or a
// kind outside 0 to 3 gives the failure result with nothing touched.
#include "completion/word_separators.h"
#include "frame/character_classes.h"
#include "frame/kitlib.h"
#include "frame/scanning.h"
#include "frame/shift_jis.h"
#include <string.h>
#include <string>

enum RightResult { kWordFromCaret = 1, kInsideWord = 2, kNothingRight = 3 };

static bool CaretOnLine(const char *lineStart, const char *cursor) {
  return lineStart && cursor && cursor >= lineStart && cursor <= lineStart + strlen(lineStart);
}

static bool SeparatorAt(int kind, const char *lineStart, const char *p) {
  return LookAt(kind, lineStart, p) == LOOK_SEPARATOR;
}

// The word right of the caret into `out`, cut after its first word.
static RightResult RightWordAtCursor(const char *lineStart, const char *cursor, int kind, char *out) {
  bool blank = IsTabOrSpaceByte(*cursor);
  memmove(out, cursor, strlen(cursor) + 1);
  int moved = DeleteSpaceAtBeginning(out);
  if (!out[0] || IsNewLineByte(out[0])) {
    out[0] = 0;
    return kNothingRight;
  }
  bool after = cursor > lineStart;
  if (blank && after && !SeparatorAt(kind, lineStart, cursor - 1)) {
    out[0] = 0;
    return kNothingRight;
  }
  GetRightWordSeparatedByKugiri(out, kind, 0, 0);
  if (!blank && after && !SeparatorAt(kind, lineStart, cursor - 1) && !SeparatorAt(kind, lineStart, cursor))
    return kInsideWord;
  SetMovedCurPosition(moved);
  SetWordToRight(1);
  return kWordFromCaret;
}

// The word ending left of the caret moved to the front of `out`, followed by
// what `out` held. Returns the length of the left part.
static size_t LeftWordAtCursor(const char *lineStart, const char *cursor, int kind, char *out) {
  std::string right(out);
  size_t length = (size_t)(cursor - lineStart);
  memmove(out, lineStart, length);
  out[length] = 0;
  SetMovedCurPosition(-DeleteSpaceAtEnd(out));
  if (!out[0]) return 0;
  // A text ending in a two-byte character (or half of one) has no left part.
  char *last = (char *)SjisLastCharacter(out);
  char *end = SjisCharLength(last) == 2 || SjisIsLeadByte((unsigned char)*last) ? out + strlen(out) : last;
  char *word = GetLeftWordSeparatedByKugiri(out, end, kind);
  memmove(out, word, strlen(word) + 1);
  size_t leftLength = strlen(out);
  memcpy(out + leftLength, right.c_str(), right.size() + 1);
  return leftLength;
}

// `column` is the caret's 1-based byte column; 1 done, 0 refused.
extern "C" int ORVEXAPI GetWordAtCursor(LPSTR line, int ignored, int column, int kind, LPSTR word) {
  if (!line || !word || !IsSeparatorKind(kind) || column < 1 || (size_t)column > strlen(line) + 1) return 0;
  ResetLastScanResults();
  std::string copy(line);
  const char *cursor = copy.c_str() + column - 1;
  RightResult right = RightWordAtCursor(copy.c_str(), cursor, kind, word);
  if (right != kWordFromCaret) LeftWordAtCursor(copy.c_str(), cursor, kind, word);
  return 1;
}

// The 1-based column of the word to complete, or -1 for nothing to complete.
extern "C" int ORVEXAPI FindWordToLeftForPutWord(LPSTR lineStart, LPSTR cursor, int ignored, LPSTR word, LPSTR *end) {
  if (!word || !CaretOnLine(lineStart, cursor)) return -1;
  if (end) *end = 0;
  bool useEnd = end != 0;
  if (!*cursor || IsNewLineByte(*cursor)) {
    if (cursor == lineStart) {
      word[0] = 0;
      return -1;
    }
    useEnd = false;
  } else {
    if (IsTabOrSpaceByte(*cursor) && cursor > lineStart && SeparatorAt(0, lineStart, cursor - 1)) return -1;
    if (RightWordAtCursor(lineStart, cursor, 2, word) == kWordFromCaret) {
      if (!IsStringStartOrEndInDll((unsigned char)word[0])) return -1;
      word[0] = 0;
      if (!end) return -1;
      useEnd = false;
    }
  }
  size_t leftLength = LeftWordAtCursor(lineStart, cursor, 0, word);
  if (!word[0]) return -1;
  if (useEnd) *end = word + leftLength;
  const char *found = FindWholeCharacterString(lineStart, word);
  return found ? 1 + (int)(found - lineStart) : -1;
}
