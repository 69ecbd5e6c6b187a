// Logical lines: continuation by a real backslash with CR LF, lone CR and
// lone LF line ends, blanks after the backslash, a two-byte character whose
// second byte is 5C at a line end, a backslash at the text start.
#include "scanning_support.h"

static char *__stdcall LineEnd(char *text, char *) { return NeedHostProc<TextToText>("FindLineEndSkipYenmarkAsContinued")(text); }

TEST(ScanningLines, LogicalLineEnd) {
  static const PlaceCase cases[] = {
      {"a \\ \r\nb\r\nc", 0, 7},    // blanks after the backslash: ends after b
      {"x  \r\ny", 0, 1},           {"a\\\nb\nc", 0, 4},  {"a\\\rb\rc", 0, 4}, {"abc", 0, 3},
      {"a\\", 0, 2},                {"a\\\r\n", 0, 4},    {"  \r\nx", 0, 2},   {"", 0, -1},
      {"\x95\x5c\r\nx", 0, 2},      // 表: its 5C continues nothing
      {"\x83\x5c\nx", 0, 2},        // ソ likewise
      {"\x81\x81\\\r\nx", 0, 6},    // a two-byte character, then a real backslash
      {"\x81\x81\x81\\\r\nx", 0, 4}, {"\x95\r\\\r\nx", 0, 1},
      {"a\\\r\n   \r\nb", 0, 7},    // a blank line after a continuation ends it
  };
  CheckPlaceFinder("FindLineEndSkipYenmarkAsContinued", LineEnd, cases, std::size(cases));
  EXPECT_EQ(LineEnd(0, 0), nullptr);
}

TEST(ScanningLines, LogicalLineHead) {
  static const PlaceCase cases[] = {
      {"a \\ \r\nb\r\nc", 6, 0}, {"a \\ \r\nb\r\nc", 9, 9}, {"a\\\r\nb\\\r\nc", 8, 0}, {"a\\\nb", 3, 0},
      {"a\\\rb", 3, 0},          {"\\\nx", 2, 0},            // a backslash at the text start
      {"\\", 0, 0},              {"\x95\x5c\r\nx", 4, 4},    {"\x83\x5c\nx", 3, 3},  {"a\\\n  \nb", 6, 6},
      {"\r\nx", 2, 2},           {"ab\r\ncd", 3, 0},         // the LF of CR LF belongs to its line
      {"ab\r\ncd", 5, 4},        {"ab", 2, -1},
  };
  auto find = NeedHostProc<TextPlaceToText>("FindLineHeadSkipYenmarkAsContinued");
  CheckPlaceFinder("FindLineHeadSkipYenmarkAsContinued", find, cases, std::size(cases));
  char text[] = "ab";
  EXPECT_EQ(find(text, 0), nullptr);
  EXPECT_EQ(find(0, text), nullptr);
  EXPECT_EQ(find(text + 1, text), nullptr);
}

TEST(ScanningLines, NewLinesAtAPlace) {
  auto isNewLine = NeedHostProc<PlaceTest>("IsNewLine");
  char *text = GuardedText("a\r\n\nb\x95\x0d");
  static const struct {
    int position, index, expected;
  } cases[] = {{0, 1, 1}, {3, 0, 1}, {0, 0, 0}, {6, 0, 1}, {0, -1, 0}, {6, 2, 0}};
  for (const auto &c : cases) EXPECT_EQ(isNewLine(text, text + c.position, c.index), c.expected) << c.position;
  static const PlaceCase skips[] = {{"a\r\n\nb", 1, 4}, {"ab", 0, -1}, {"\x95\r", 1, 2}};
  CheckPlaceFinder("SkipNewLineOnly", NeedHostProc<TextPlaceToText>("SkipNewLineOnly"), skips, std::size(skips));
  FreeGuarded(text);
}

TEST(ScanningLines, LineEndsCountedAndRemoved) {
  static const struct {
    const char *text;
    int included;
    const char *endCut, *headCut;
  } cases[] = {{"a\n", 1, "a", "a\n"}, {"a\r\n", 0, "a", "a\r\n"}, {"a\nb", 0, "a\nb", "a\nb"},
               {"ab", 1, "ab", "ab"},  {"\r\n\rab", 0, "\r\n\rab", "ab"}, {"", 0, "", ""}};
  for (const auto &c : cases) {
    char *text = GuardedText(c.text);
    EXPECT_EQ(NeedHostProc<TextToInt>("IsThereLineEndIncluded")(text), c.included) << Shown(c.text);
    EXPECT_EQ(NeedHostProc<TextToInt>("RemoveCRNLAtEnd")(text), strcmp(c.text, c.endCut) != 0);
    EXPECT_STREQ(text, c.endCut);
    strcpy(text, c.text);
    EXPECT_EQ(NeedHostProc<TextToInt>("RemoveCRNLAtHead")(text), strcmp(c.text, c.headCut) != 0);
    EXPECT_STREQ(text, c.headCut);
    FreeGuarded(text);
  }
  for (const char *name : {"IsThereLineEndIncluded", "RemoveCRNLAtEnd", "RemoveCRNLAtHead"})
    EXPECT_EQ(NeedHostProc<TextToInt>(name)(0), 0) << name;
}
