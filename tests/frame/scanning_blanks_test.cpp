// Blanks: finding, skipping and testing them, and turning blank runs into a
// separator. IsSpaceOnly must only read, also with an end past the NUL.
#include "scanning_support.h"

struct BlankCase {
  const char *text;
  int argument; // a limit or a position, as the operation takes
  long expected;
};

static void CheckOffsets(const char *name, const BlankCase *cases, size_t count,
                         char *(*call)(const char *name, char *text, int argument)) {
  for (size_t i = 0; i < count; i++) {
    char *text = GuardedText(cases[i].text);
    EXPECT_EQ(Offset(text, call(name, text, cases[i].argument)), cases[i].expected)
        << name << " on \"" << Shown(cases[i].text) << "\" with " << cases[i].argument;
    FreeGuarded(text);
  }
}

static char *CallText(const char *name, char *text, int) { return NeedHostProc<TextToText>(name)(text); }
static char *CallLimit(const char *name, char *text, int limit) {
  return NeedHostProc<TextIntToText>(name)(text, limit);
}
static char *CallPlace(const char *name, char *text, int at) {
  return NeedHostProc<TextPlaceToText>(name)(text, text + at);
}

TEST(ScanningBlanks, FindAndSkip) {
  static const BlankCase effectiveSpace[] = {
      {"ab cd", 0, 2}, {"\x95 x", 0, 1}, {"\x81\x40 x", 0, 2}, {"abc", 0, -1}, {"", 0, -1}, {"ab\x95", 0, -1}};
  static const BlankCase nonSpace[] = {{"   x", 0, 3}, {"   x", 2, 1}, {"   x", 1, 0}, {"   x", -1, 0}, {"x", 0, 0},
                                       {"", 0, 0},     {"   ", 0, 3},  {"\t\r\n x", 0, 4}};
  static const BlankCase skipTabs[] = {{" \t x", 0, 3}, {"x", 0, -1}, {"\r x", 0, -1}, {"a  ", 1, 3}, {"", 0, -1}};
  static const BlankCase fromBeginning[] = {{"  \r\nx", 0, 4}, {"x", 0, 0}, {"", 0, 0}, {"   ", 0, 3}};
  static const BlankCase fromEnd[] = {{"ab  ", 0, 1}, {"ab", 0, -1},     {"   ", 0, 0},
                                      {"", 0, -1},    {"a\r\n", 0, 0},  {"\x95\x5c \t", 0, 1}};
  CheckOffsets("FindEffectiveSpace", effectiveSpace, std::size(effectiveSpace), CallText);
  CheckOffsets("GetNonSpaceAfterSpaces", nonSpace, std::size(nonSpace), CallLimit);
  CheckOffsets("SkipEffectiveSpace", skipTabs, std::size(skipTabs), CallPlace);
  CheckOffsets("SkipEffectiveSpaceFromBeginning", fromBeginning, std::size(fromBeginning), CallText);
  CheckOffsets("SkipEffectiveSpaceFromEndOtherwiseReturnNULL", fromEnd, std::size(fromEnd), CallText);
  for (const char *name : {"FindEffectiveSpace", "SkipEffectiveSpaceFromBeginning",
                           "SkipEffectiveSpaceFromEndOtherwiseReturnNULL"})
    EXPECT_EQ(NeedHostProc<TextToText>(name)(0), nullptr) << name;
  EXPECT_EQ(NeedHostProc<TextIntToText>("GetNonSpaceAfterSpaces")(0, 0), nullptr);
  EXPECT_EQ(NeedHostProc<TextPlaceToText>("SkipEffectiveSpace")(0, 0), nullptr);
}

TEST(ScanningBlanks, TabOrSpaceAtAPlace) {
  auto test = NeedHostProc<PlaceTest>("IsTabOrSpace");
  char *text = GuardedText(" \tx\x95 ");
  static const struct {
    int position, index, expected;
  } cases[] = {{0, 0, 1}, {0, 1, 1}, {2, 0, 0}, {2, 2, 1}, {0, -1, 0}, {4, 2, 0}};
  for (const auto &c : cases) EXPECT_EQ(test(text, text + c.position, c.index), c.expected) << c.position << "+" << c.index;
  EXPECT_EQ(test(0, text, 0), 0);
  FreeGuarded(text);
}

// The text is read-only: any write, even one put back, crashes.
TEST(ScanningBlanks, SpaceOnlyReadsOnly) {
  auto spaceOnly = NeedHostProc<TextPlaceToInt>("IsSpaceOnly");
  static const struct {
    const char *text;
    int end; // -1: null end
    int expected;
  } cases[] = {{"  x", 2, 1}, {"  x", -1, 0}, {"", -1, 1},  {"  ", 5, 1},   // end past the NUL
               {"a", 0, 1},   {"x ", 2, 0},   {" \r\n\t", -1, 1}, {"  x", 3, 0}};
  for (const auto &c : cases) {
    char *text = GuardedReadOnlyText(c.text);
    EXPECT_EQ(spaceOnly(text, c.end < 0 ? 0 : text + c.end), c.expected) << Shown(c.text) << " to " << c.end;
    EXPECT_STREQ(text, c.text);
    FreeGuarded(text);
  }
  char *text = GuardedReadOnlyText("  ");
  EXPECT_EQ(spaceOnly(text + 1, text), 1); // end before the text
  EXPECT_EQ(spaceOnly(0, text), 0);
  FreeGuarded(text);

  auto afterKakko = NeedHostProc<TextPlaceToInt>("IsSpaceOnlyAfterRightKakkoBeforeDaiKaikko");
  text = GuardedReadOnlyText("f() \r\n {x)y{");
  EXPECT_EQ(afterKakko(text + 2, text + 7), 1);
  EXPECT_EQ(afterKakko(text + 9, text + 11), 0);
  EXPECT_EQ(afterKakko(0, text), 0);
  FreeGuarded(text);
}

TEST(ScanningBlanks, SpecifiedCharacterOnly) {
  static const struct {
    const char *text;
    int character, expected;
  } cases[] = {{"aaa", 'a', 1}, {"aab", 'a', 0}, {"", 'a', 1}, {"\\\\", '\\', 1}, {"\x95\x5c", '\\', 0},
               {"\x95", 0x95, 1}, {"aa\x95", 'a', 0}};
  auto only = NeedHostProc<TextIntToInt>("IsSpecifiedCharacterOnly");
  for (const auto &c : cases) {
    char *text = GuardedText(c.text);
    EXPECT_EQ(only(text, c.character), c.expected) << Shown(c.text);
    FreeGuarded(text);
  }
  EXPECT_EQ(only(0, 'a'), 1);
}

TEST(ScanningBlanks, BlankRunsBecomeSeparators) {
  static const struct {
    const char *text, *expected;
  } cases[] = {{"a   b  c", "a;b;c"}, {"  a b ", "a;b;"}, {"", ""}, {"abc", "abc"}, {"a\t\r\nb", "a;b"}, {"   ", ""}};
  auto replace = NeedHostProc<TextIntToText>("ReplaceSpaceBySpecifiedCharacter");
  for (const auto &c : cases) {
    char *text = GuardedText(c.text);
    EXPECT_EQ(replace(text, ';'), text);
    EXPECT_STREQ(text, c.expected) << Shown(c.text);
    FreeGuarded(text);
  }
  EXPECT_EQ(replace(0, ';'), nullptr);
}
