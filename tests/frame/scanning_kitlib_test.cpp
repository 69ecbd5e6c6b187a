// The Kitlib walkers that scanning relies on, through the stand-in's exports:
// the character test from the text start, line ends and heads, blanks, word
// ends, the Shift-JIS byte tests and the blank trimming counts.
#include "scanning_support.h"

typedef int(__stdcall *CharacterTest)(const char *start, const char *position, int character, int index);
typedef char *(__stdcall *Finder)(const char *text);
typedef char *(__stdcall *HeadFinder)(const char *start, const char *position);
typedef int(__stdcall *WordTest)(const char *place, int length);

TEST(KitlibScanning, CharacterFound) {
  static const struct {
    const char *text;
    int position, character, index, expected;
  } cases[] = {
      {"a\\b", 1, '\\', 0, 1},
      {"\x95\x5c", 1, '\\', 0, 0},          // second byte of 表
      {"\x95\x5c", 0, '\\', 1, 0},
      {"\x81\x81\x5c", 2, '\\', 0, 1},      // after a whole two-byte character
      {"\x81\x81\x81\x5c", 3, '\\', 0, 0},
      {"\x95\n\x5c", 2, '\\', 0, 1},        // a line end is never a second byte
      {"x\x95" "a", 2, 'a', 0, 0},
      {"\x95", 0, 0x95, 0, 1},              // a lead byte at the end stands alone
      {"ab", 0, 'a', -1, 0},                // before the start
      {"ab", 2, 0, 0, 0},                   // at the NUL
      {"ab", 1, 'x', 5, 0},                 // past the NUL
      {"ab", 0, 'b', 1, 1},
  };
  auto found = NeedKitProc<CharacterTest>("IsCharacterFound");
  for (const auto &c : cases) {
    char *text = GuardedText(c.text);
    EXPECT_EQ(found(text, text + c.position, c.character, c.index), c.expected)
        << Shown(c.text) << " at " << c.position << "+" << c.index;
    FreeGuarded(text);
  }
  EXPECT_EQ(found(0, "a", 'a', 0), 0);
  EXPECT_EQ(found("a", 0, 'a', 0), 0);
}

TEST(KitlibScanning, LinesAndBlanks) {
  static const struct {
    const char *function, *text;
    long expected;
  } finds[] = {
      {"FindLineEnd", "ab\r\n", 2}, {"FindLineEnd", "ab\ncd", 2}, {"FindLineEnd", "ab", 2},
      {"FindLineEnd", "\x95\r", 1}, {"FindSpace", "ab cd", 2},    {"FindSpace", "ab\tc", 2},
      {"FindSpace", "abc", -1},     {"FindSpace", "\x81\x40x", -1}, // a full-width space is no blank
  };
  for (const auto &c : finds) {
    char *text = GuardedText(c.text);
    EXPECT_EQ(Offset(text, NeedKitProc<Finder>(c.function)(text)), c.expected) << c.function << " " << Shown(c.text);
    FreeGuarded(text);
  }
  EXPECT_EQ(NeedKitProc<Finder>("FindLineEnd")(0), nullptr);
  EXPECT_EQ(NeedKitProc<Finder>("FindSpace")(0), nullptr);

  static const PlaceCase heads[] = {{"ab\r\ncd", 5, 4}, {"ab\r\ncd", 3, 0}, {"ab\rcd", 4, 3}, {"ab\ncd", 3, 3}, {"ab\ncd", 2, 0},
               {"abc", 2, 0}, {"\r\n\r\n", 2, 2}};
  auto head = NeedKitProc<HeadFinder>("FindLineHead");
  CheckPlaceFinder("FindLineHead", (TextPlaceToText)head, heads, std::size(heads));
  char text[] = "ab";
  EXPECT_EQ(head(text + 1, text), nullptr);
  EXPECT_EQ(head(0, text), nullptr);
}

TEST(KitlibScanning, ByteTests) {
  static const struct {
    const char *function;
    int byte, expected;
  } cases[] = {
      {"__myIskanji", 0x81, 1},  {"__myIskanji", 0x9F, 1},  {"__myIskanji", 0xA0, 0},  {"__myIskanji", 0xDF, 0},
      {"__myIskanji", 0xE0, 1},  {"__myIskanji", 0xFC, 1},  {"__myIskanji", 0xFD, 0},  {"__myIskanji", 0x80, 0},
      {"__myIskanji2", 0x3F, 0}, {"__myIskanji2", 0x40, 1}, {"__myIskanji2", 0x7E, 1}, {"__myIskanji2", 0x7F, 0},
      {"__myIskanji2", 0x80, 1}, {"__myIskanji2", 0xFC, 1}, {"__myIskanji2", 0xFD, 0}, {"__myIskanji2", 0, 0},
      {"__myIskanji2", '\r', 0}, {"__myIskanji2", '\n', 0}, {"IsLineStartOrEnd", 0, 1}, {"IsLineStartOrEnd", '\r', 1},
      {"IsLineStartOrEnd", '\n', 1}, {"IsLineStartOrEnd", ' ', 0}, {"IsLineStartOrEnd", 'a', 0},
  };
  for (const auto &c : cases)
    EXPECT_EQ(NeedKitProc<ByteTest>(c.function)(c.byte) != 0, c.expected != 0) << c.function << " " << c.byte;
}

TEST(KitlibScanning, WordFound) {
  static const struct {
    const char *text;
    int length, expected;
  } cases[] = {{"#define x", 7, 1}, {"#definex", 7, 0}, {"#define", 7, 1}, {"#def", 7, 0},
               {"enum{", 4, 1},    {"a_b", 1, 0},       {"a#", 1, 0},      {"ab", -1, 0}};
  auto found = NeedKitProc<WordTest>("IsWordFound");
  for (const auto &c : cases) {
    char *text = GuardedText(c.text);
    EXPECT_EQ(found(text, c.length), c.expected) << Shown(c.text) << " " << c.length;
    FreeGuarded(text);
  }
  EXPECT_EQ(found(0, 1), 0);
}

TEST(KitlibScanning, BlanksTrimmedWithCounts) {
  static const struct {
    const char *function, *text, *after;
    int removed;
  } cases[] = {
      {"DeleteSpaceAtBeginning", " \t ab ", "ab ", 3}, {"DeleteSpaceAtBeginning", "ab", "ab", 0},
      {"DeleteSpaceAtBeginning", "\r\n x", "\r\n x", 0}, {"DeleteSpaceAtEnd", "ab \t ", "ab", 3},
      {"DeleteSpaceAtEnd", "\x95 ", "\x95", 1},          // a blank after a lone lead byte is a blank
      {"DeleteSpaceAtEnd", "a\r\n ", "a\r\n", 1},        {"DeleteSpaceAtEnd", "", "", 0},
  };
  for (const auto &c : cases) {
    char *text = GuardedText(c.text);
    EXPECT_EQ(NeedKitProc<TextToInt>(c.function)(text), c.removed) << c.function << " " << Shown(c.text);
    EXPECT_STREQ(text, c.after) << c.function << " " << Shown(c.text);
    FreeGuarded(text);
  }
  EXPECT_EQ(NeedKitProc<TextToInt>("DeleteSpaceAtBeginning")(0), 0);
  EXPECT_EQ(NeedKitProc<TextToInt>("DeleteSpaceAtEnd")(0), 0);
}
