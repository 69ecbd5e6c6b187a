// Declarations in C source text: whether a keyword ("#define", "struct", ...)
// stands at a place as a word of its own, and the item that follows a word on
// its line ("FOO" in "#define FOO 1").
#include "frame/scanning.h"
#include "frame/character_classes.h"
#include "frame/kitlib.h"
#include "completion/word_separators.h"
#include <string.h>

// Declaration keywords, matched case-sensitively.
static const char KEYWORD_INCLUDE[] = "#include";
static const char KEYWORD_DEFINE[] = "#define";
static const char KEYWORD_ENUM[] = "enum";
static const char KEYWORD_STRUCT[] = "struct";
static const char KEYWORD_TYPEDEF[] = "typedef";
static const char KEYWORD_DECLARE_HANDLE[] = "DECLARE_HANDLE";

// A byte before a word ends the previous word only as a character of its
// own: the second byte of a two-byte character belongs to that character.
static bool IsBoundaryBefore(const char *start, const char *p) {
  return IsWordBoundaryByte((unsigned char)p[-1]) && IsCharacterFound(start, p, (unsigned char)p[-1], -1);
}

// 1 when the keyword starts at *position after a word boundary. When it also
// ends at one, *position moves to its last byte.
static int IsKeywordAt(LPSTR start, LPSTR *position, const char *keyword) {
  if (!start || !position || !*position) return 0;
  char *p = *position;
  if (!IsCharacterFound(start, p, (unsigned char)keyword[0], 0)) return 0;
  if (p > start && !IsBoundaryBefore(start, p)) return 0;
  size_t length = strlen(keyword);
  if (strncmp(p, keyword, length) != 0) return 0;
  if (IsWordBoundaryByte((unsigned char)p[length])) *position = p + length - 1;
  return 1;
}

extern "C" int ORVEXAPI IsDefine(LPSTR start, LPSTR *position) { return IsKeywordAt(start, position, KEYWORD_DEFINE); }
extern "C" int ORVEXAPI IsInclude(LPSTR start, LPSTR *position) { return IsKeywordAt(start, position, KEYWORD_INCLUDE); }
extern "C" int ORVEXAPI IsEnum(LPSTR start, LPSTR *position) { return IsKeywordAt(start, position, KEYWORD_ENUM); }
extern "C" int ORVEXAPI IsStruct(LPSTR start, LPSTR *position) { return IsKeywordAt(start, position, KEYWORD_STRUCT); }
extern "C" int ORVEXAPI IsTypeDef(LPSTR start, LPSTR *position) { return IsKeywordAt(start, position, KEYWORD_TYPEDEF); }
extern "C" int ORVEXAPI IsTypeDecrareHandle(LPSTR start, LPSTR *position) {
  return IsKeywordAt(start, position, KEYWORD_DECLARE_HANDLE);
}

// The item starts one separating byte after the word and ends at the line
// end; item receives its first word (at most ITEM_BUFFER_SIZE - 1 bytes).
// The line is only read. Returns 1 when there is an item, else 0 with item
// empty.
extern "C" int ORVEXAPI FindItemOnTheRightSideAfterSpecifiedWord(LPSTR line, LPSTR word, LPSTR item) {
  ResetLastScanResults();
  if (item) item[0] = 0;
  if (!line || !word || !*word || !item) return 0;
  char *found = FindWholeCharacterString(line, word);
  size_t length = strlen(word);
  if (!found || !IsWordFound(found, (int)length)) return 0;
  if (IsLineStartOrEnd((unsigned char)found[length])) return 0;
  char *from = found + length + 1;
  char *lineEnd = FindLineEnd(from);
  while (from < lineEnd && IsBlankByte((unsigned char)*from)) from++;
  CopyWholeCharacters(item, ITEM_BUFFER_SIZE, from, lineEnd);
  int removed = DeleteSpaceAtBeginning(item);
  if (!item[0] || IsNewLineByte((unsigned char)item[0])) {
    item[0] = 0;
    return 0;
  }
  GetRightWordSeparatedByKugiri(item, 2, 0, 0);
  SetMovedCurPosition(removed);
  SetWordToRight(1);
  return 1;
}
