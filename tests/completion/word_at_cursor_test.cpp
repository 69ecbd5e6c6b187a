// The word at the caret: the word to complete left of it, the whole word
// under it, and the word ending at a place, with two-byte characters judged
// by a walk from the line start ("メA" ends in the word A) and a caret outside
// the line refused with nothing touched.
#include "host/host.h"
#include <gtest/gtest.h>
#include <string>

typedef int(__stdcall *FindLeftFn)(char *, char *, int, char *, char **);
typedef int(__stdcall *WordAtFn)(char *, int, int, int, char *);

TEST(WordToComplete, LeftOfTheCaret) {
  static const struct {
    const char *line;
    int caret, result;
    const char *word;
    int end; // offset in word given back in *end, -1 for none
  } rows[] = {
      {"abc.def", 7, 5, "def", -1},   // caret on the NUL: no end given back
      {"abc def", 4, -1, "def", -1},  // the caret starts a word: nothing to complete
      {"abc de", 5, 5, "de", 1},      // inside a word: left part and right part
      {"foo foo", 7, 1, "foo", -1},   // the first occurrence's column
      {"\x8a\xbf", 2, -1, "", -1},    // ends in a two-byte character
      {"\x83\x81" "A", 3, 3, "A", -1}, // the 0x81 of メ is no lead byte of 'A'
  };
  auto find = HostProc<FindLeftFn>("FindWordToLeftForPutWord");
  for (const auto &row : rows) {
    char *line = GuardedText(row.line);
    char word[64] = "";
    char *end = word + 60;
    EXPECT_EQ(find(line, line + row.caret, 0, word, &end), row.result) << row.line;
    EXPECT_STREQ(word, row.word) << row.line;
    EXPECT_EQ(end, row.end < 0 ? nullptr : word + row.end) << row.line;
    FreeGuarded(line);
  }
}

TEST(WordToComplete, CaretOutsideTheLineTouchesNothing) {
  auto find = HostProc<FindLeftFn>("FindWordToLeftForPutWord");
  auto wordAt = HostProc<WordAtFn>("GetWordAtCursor");
  char buffer[] = "xabc", *line = buffer + 1;
  char word[16] = "kept";
  char *end = word;
  EXPECT_EQ(find(line, line - 1, 0, word, &end), -1);
  EXPECT_EQ(find(line, line + 4, 0, word, &end), -1);
  EXPECT_EQ(end, word);
  for (int column : {0, 5, -1, 1000}) EXPECT_EQ(wordAt(line, 0, column, 0, word), 0) << column;
  EXPECT_EQ(wordAt(line, 0, 1, 4, word), 0);
  EXPECT_STREQ(word, "kept");
}

TEST(WordAtCursor, WholeWordUnderTheCaret) {
  static const struct { const char *line; int column; const char *word; int moved, toRight; } rows[] = {
      {"foo", 3, "foo", 0, 0},        // inside: left part and right part
      {"x = bar;", 5, "bar", 0, 1},   // a word starts at the caret
      {"x =   bar", 4, "bar", 3, 1},  // blanks skipped up to the word
      {"sum  ", 5, "sum", -1, 0},     // nothing right: the word left of the blanks
  };
  auto wordAt = HostProc<WordAtFn>("GetWordAtCursor");
  auto moved = HostProc<int(__stdcall *)(void)>("GetMovedCurPositionBySpacesDeleted");
  auto toRight = HostProc<int(__stdcall *)(void)>("IsWordToRight");
  for (const auto &row : rows) {
    char *line = GuardedText(row.line);
    char word[64] = "";
    EXPECT_EQ(wordAt(line, 0, row.column, 0, word), 1) << row.line;
    EXPECT_STREQ(word, row.word) << row.line;
    EXPECT_EQ(moved(), row.moved) << row.line;
    EXPECT_EQ(toRight(), row.toRight) << row.line;
    FreeGuarded(line);
  }
}

TEST(LeftWord, EndsAtThePlaceAndNeverPastIt) {
  static const struct {
    const char *text;
    int pos, start; // start -1: refused
    int kind;
  } rows[] = {
      {"abc.def", 6, 4, 0},
      {"\x8a\xbf" "a", 1, 0, 0},          // on the second byte of 漢: the character itself
      {"\x8a\xbf\x8a\xbf" "a", 3, 0, 0},  // a run of two-byte characters up to the place
      {"\x83\x81" "A", 2, 2, 0},
      {"(x", 0, 0, 0},
      {"abc", 3, 3, 0},                   // the NUL separates
      {"abc", 4, -1, 0}, {"abc", 1, -1, 4},
  };
  auto left = HostProc<char *(__stdcall *)(char *, char *, int)>("GetLeftWordSeparatedByKugiri");
  for (const auto &row : rows) {
    char *text = GuardedText(row.text);
    char *start = left(text, text + row.pos, row.kind);
    EXPECT_EQ(start, row.start < 0 ? nullptr : text + row.start) << row.text << " at " << row.pos;
    FreeGuarded(text);
  }
  char buffer[] = "xabc", *text = buffer + 1;
  EXPECT_EQ(left(text, text - 1, 0), nullptr);
}
