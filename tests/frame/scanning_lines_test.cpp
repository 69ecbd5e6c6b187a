// Logical lines: continuation by a real backslash with CR LF, lone CR and
// lone LF line ends, blanks after the backslash, a two-byte character whose
// second byte is 5C at a line end, a backslash at the text start.
#include "scanning_support.h"

TEST(ScanningLines, LogicalLineEnd) {
  static const PlaceCase cases[] = {
      {"a \\ \r\nb\r\nc", 0, 7},       // blanks after the backslash: ends after b
      {"x  \r\ny", 0, 1},              // trailing blanks are not part of the line
      {"a\\\nb\nc", 0, 4},             // LF only
      {"a\\\rb\rc", 0, 4},             // CR only
      {"abc", 0, 3},                   // runs to the NUL
      {"a\\", 0, 2},                   // backslash at the text's end
      {"a\\\r\n", 0, 4},               // continued onto nothing
      {"  \r\nx", 0, 2},               // a blank line ends at its line end
      {"\x95\x5c\r\nx", 0, 2},         // 表: its 5C continues nothing
      {"\x83\x5c\nx", 0, 2},           // ソ likewise
      {"\x81\x81\\\r\nx", 0, 6},       // a two-byte character, then a real backslash
      {"\x81\x81\x81\\\r\nx", 0, 4},   // the backslash is 81's second byte
      {"\x95\r\\\r\nx", 0, 1},         // a lead byte before CR stands alone
      {"a\\\r\n   \r\nb", 0, 7},       // a blank line after a continuation ends it
      {"", 0, -1},
  };
  auto find = NeedHostProc<TextToText>("FindLineEndSkipYenmarkAsContinued");
  for (const PlaceCase &c : cases) {
    char *text = GuardedText(c.text);
    EXPECT_EQ(Offset(text, find(text)), c.expected) << Shown(c.text);
    FreeGuarded(text);
  }
  EXPECT_EQ(find(0), nullptr);
}

TEST(ScanningLines, LogicalLineHead) {
  static const PlaceCase cases[] = {
      {"a \\ \r\nb\r\nc", 6, 0},       // b continues the first line
      {"a \\ \r\nb\r\nc", 9, 9},       // c does not
      {"a\\\r\nb\\\r\nc", 8, 0},       // two continuations
      {"a\\\nb", 3, 0},                // LF only
      {"a\\\rb", 3, 0},                // CR only
      {"\\\nx", 2, 0},                 // backslash at the text start
      {"\\", 0, 0},
      {"\x95\x5c\r\nx", 4, 4},         // 表 at the line end
      {"\x83\x5c\nx", 3, 3},           // ソ at the line end
      {"a\\\n  \nb", 6, 6},            // a blank line breaks the chain
      {"\r\nx", 2, 2},                 // an empty first line
      {"ab\r\ncd", 3, 0},              // the LF of CR LF belongs to its line
      {"ab\r\ncd", 5, 4},
      {"ab", 2, -1},                   // at the NUL
  };
  auto find = NeedHostProc<TextPlaceToText>("FindLineHeadSkipYenmarkAsContinued");
  CheckPlaceFinder("FindLineHeadSkipYenmarkAsContinued", find, cases, std::size(cases));
  char text[] = "ab";
  EXPECT_EQ(find(text, 0), nullptr);
  EXPECT_EQ(find(0, text), nullptr);
  EXPECT_EQ(find(text + 1, text), nullptr); // position before the start
}

TEST(ScanningLines, NewLinesAtAPlace) {
  auto isNewLine = NeedHostProc<PlaceTest>("IsNewLine");
  auto skip = NeedHostProc<TextPlaceToText>("SkipNewLineOnly");
  char *text = GuardedText("a\r\n\nb\x95\x0d");
  EXPECT_EQ(isNewLine(text, text, 1), 1);
  EXPECT_EQ(isNewLine(text, text + 3, 0), 1);
  EXPECT_EQ(isNewLine(text, text, 0), 0);
  EXPECT_EQ(isNewLine(text, text + 6, 0), 1); // CR after a lead byte is a line end
  EXPECT_EQ(isNewLine(text, text, -1), 0);    // before the start
  EXPECT_EQ(isNewLine(text, text + 6, 2), 0); // past the NUL
  EXPECT_EQ(Offset(text, skip(text, text + 1)), 4);
  EXPECT_EQ(skip(text, text), nullptr);
  EXPECT_EQ(skip(text, 0), nullptr);
  EXPECT_EQ(Offset(text, skip(text, text + 6)), 7); // stops at the NUL
  FreeGuarded(text);
}

TEST(ScanningLines, LineEndIncluded) {
  static const struct {
    const char *text;
    int expected;
  } cases[] = {{"a\n", 1}, {"a\r\n", 0}, {"a\nb", 0}, {"ab", 1}, {"\n", 1}, {"", 0}, {"\x95\n", 1}};
  auto included = NeedHostProc<TextToInt>("IsThereLineEndIncluded");
  for (const auto &c : cases) {
    char *text = GuardedText(c.text);
    EXPECT_EQ(included(text), c.expected) << Shown(c.text);
    FreeGuarded(text);
  }
  EXPECT_EQ(included(0), 0);
}

TEST(ScanningLines, LineEndsRemoved) {
  static const struct {
    const char *text;
    int atEnd;
    const char *endCut;
    int atHead;
    const char *headCut;
  } cases[] = {
      {"ab\r\n\n", 1, "ab", 0, "ab\r\n\n"},
      {"\r\n\rab", 0, "\r\n\rab", 1, "ab"},
      {"\r\n", 1, "", 1, ""},
      {"ab", 0, "ab", 0, "ab"},
      {"", 0, "", 0, ""},
  };
  auto atEnd = NeedHostProc<TextToInt>("RemoveCRNLAtEnd");
  auto atHead = NeedHostProc<TextToInt>("RemoveCRNLAtHead");
  for (const auto &c : cases) {
    char *text = GuardedText(c.text);
    EXPECT_EQ(atEnd(text), c.atEnd) << Shown(c.text);
    EXPECT_STREQ(text, c.endCut);
    FreeGuarded(text);
    text = GuardedText(c.text);
    EXPECT_EQ(atHead(text), c.atHead) << Shown(c.text);
    EXPECT_STREQ(text, c.headCut);
    FreeGuarded(text);
  }
  EXPECT_EQ(atEnd(0), 0);
  EXPECT_EQ(atHead(0), 0);
}
