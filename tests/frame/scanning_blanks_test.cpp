// Blanks: finding, skipping and testing them, and turning blank runs into a
// separator. IsSpaceOnly must only read, also with an end past the NUL.
#include "scanning_support.h"

// Calls the export named in the case with the text and the case's argument.
struct BlankCase {
  const char *function, *text;
  int argument; // a limit or a place, as the export takes
  long expected;
};

static char *Call(const BlankCase &c, char *text) {
  std::string name = c.function;
  if (name == "GetNonSpaceAfterSpaces") return NeedHostProc<TextIntToText>(c.function)(text, c.argument);
  if (name == "SkipEffectiveSpace") return NeedHostProc<TextPlaceToText>(c.function)(text, text + c.argument);
  return NeedHostProc<TextToText>(c.function)(text);
}

TEST(ScanningBlanks, FindAndSkip) {
  static const BlankCase cases[] = {
      {"FindEffectiveSpace", "ab cd", 0, 2},        {"FindEffectiveSpace", "\x95 x", 0, 1},
      {"FindEffectiveSpace", "\x81\x40 x", 0, 2},   {"FindEffectiveSpace", "ab\x95", 0, -1},
      {"GetNonSpaceAfterSpaces", "   x", 0, 3},     {"GetNonSpaceAfterSpaces", "   x", 2, 1},
      {"GetNonSpaceAfterSpaces", "   x", -1, 0},    {"GetNonSpaceAfterSpaces", "\t\r\n x", 0, 4},
      {"GetNonSpaceAfterSpaces", "", 0, 0},         {"SkipEffectiveSpace", " \t x", 0, 3},
      {"SkipEffectiveSpace", "\r x", 0, -1},        {"SkipEffectiveSpace", "a  ", 1, 3},
      {"SkipEffectiveSpaceFromBeginning", "  \r\nx", 0, 4}, {"SkipEffectiveSpaceFromBeginning", "x", 0, 0},
      {"SkipEffectiveSpaceFromEndOtherwiseReturnNULL", "ab  ", 0, 1},
      {"SkipEffectiveSpaceFromEndOtherwiseReturnNULL", "ab", 0, -1},
      {"SkipEffectiveSpaceFromEndOtherwiseReturnNULL", "   ", 0, 0},
      {"SkipEffectiveSpaceFromEndOtherwiseReturnNULL", "", 0, -1},
      {"SkipEffectiveSpaceFromEndOtherwiseReturnNULL", "\x95\x5c \t", 0, 1},
  };
  for (const BlankCase &c : cases) {
    char *text = GuardedText(c.text);
    EXPECT_EQ(Offset(text, Call(c, text)), c.expected) << c.function << " on " << Shown(c.text) << ", " << c.argument;
    FreeGuarded(text);
  }
  for (const BlankCase &c : cases) EXPECT_EQ(Call(c, 0), nullptr) << c.function;

  auto tabOrSpace = NeedHostProc<PlaceTest>("IsTabOrSpace");
  char *text = GuardedText(" \tx\x95 ");
  EXPECT_EQ(tabOrSpace(text, text, 1), 1);
  EXPECT_EQ(tabOrSpace(text, text + 2, 2), 1); // a blank after a lone lead byte
  EXPECT_EQ(tabOrSpace(text, text + 2, 0), 0);
  EXPECT_EQ(tabOrSpace(text, text, -1), 0);
  FreeGuarded(text);
}

// The texts are read-only: any write, even one put back, crashes.
TEST(ScanningBlanks, SpaceOnlyReadsOnly) {
  static const struct {
    const char *text;
    int end; // -1: null end
    int expected;
  } cases[] = {{"  x", 2, 1}, {"  x", -1, 0}, {"", -1, 1}, {"  ", 5, 1}, {"a", 0, 1}, {"x ", 2, 0}, {"  x", 3, 0}};
  auto spaceOnly = NeedHostProc<TextPlaceToInt>("IsSpaceOnly");
  for (const auto &c : cases) {
    char *text = GuardedReadOnlyText(c.text);
    EXPECT_EQ(spaceOnly(text, c.end < 0 ? 0 : text + c.end), c.expected) << Shown(c.text) << " to " << c.end;
    FreeGuarded(text);
  }
  auto afterKakko = NeedHostProc<TextPlaceToInt>("IsSpaceOnlyAfterRightKakkoBeforeDaiKaikko");
  char *text = GuardedReadOnlyText("f() \r\n {x)y{");
  EXPECT_EQ(afterKakko(text + 2, text + 7), 1);
  EXPECT_EQ(afterKakko(text + 9, text + 11), 0);
  EXPECT_EQ(spaceOnly(text + 4, text + 3), 1); // an end before the text
  EXPECT_EQ(afterKakko(0, text), 0);
  EXPECT_EQ(spaceOnly(0, text), 0);
  FreeGuarded(text);
}

TEST(ScanningBlanks, CharacterOnlyAndBlankRuns) {
  static const struct {
    const char *text;
    int character, only;
    const char *replaced;
  } cases[] = {{"aaa", 'a', 1, "aaa"},        {"a   b  c", 'a', 0, "a;b;c"},   {"", 'a', 1, ""},
               {"\\\\", '\\', 1, "\\\\"},     {"\x95\x5c", '\\', 0, "\x95\x5c"}, {"\x95", 0x95, 1, "\x95"},
               {"  a b ", ' ', 0, "a;b;"},    {"a\t\r\nb", 'a', 0, "a;b"},   {"   ", ' ', 1, ""}};
  for (const auto &c : cases) {
    char *text = GuardedText(c.text);
    EXPECT_EQ(NeedHostProc<TextIntToInt>("IsSpecifiedCharacterOnly")(text, c.character), c.only) << Shown(c.text);
    EXPECT_EQ(NeedHostProc<TextIntToText>("ReplaceSpaceBySpecifiedCharacter")(text, ';'), text);
    EXPECT_STREQ(text, c.replaced) << Shown(c.text);
    FreeGuarded(text);
  }
  EXPECT_EQ(NeedHostProc<TextIntToInt>("IsSpecifiedCharacterOnly")(0, 'a'), 1);
  EXPECT_EQ(NeedHostProc<TextIntToText>("ReplaceSpaceBySpecifiedCharacter")(0, ';'), nullptr);
}
