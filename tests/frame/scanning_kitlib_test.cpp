// The Kitlib stand-in's character tests that scanning rests on: a byte is a
// character of its own unless it is the second byte of a two-byte character
// (decided without walking from the text start), the byte ranges, and the
// blank trimming counts. Its line and word finders are exercised through
// the scanning exports.
#include "scanning_support.h"

typedef int(__stdcall *CharacterTest)(const char *start, const char *position, int character, int index);

TEST(KitlibScanning, CharacterFound) {
  static const struct {
    const char *text;
    int position, character, index, expected;
  } cases[] = {
      {"a\\b", 1, '\\', 0, 1},     {"\x95\x5c", 1, '\\', 0, 0},       {"\x95\x5c", 0, '\\', 1, 0},
      {"\x81\x81\x5c", 2, '\\', 0, 1}, {"\x81\x81\x81\x5c", 3, '\\', 0, 0}, {"\x95\n\x5c", 2, '\\', 0, 1},
      {"x\x95" "a", 2, 'a', 0, 0}, {"\x95", 0, 0x95, 0, 1},           {"ab", 0, 'a', -1, 0},
      {"ab", 2, 0, 0, 0},          {"ab", 1, 'x', 5, 0},              {"ab", 0, 'b', 1, 1},
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

TEST(KitlibScanning, ByteRanges) {
  static const struct {
    const char *function;
    int on[4], off[4];
  } ranges[] = {{"__myIskanji", {0x81, 0x9F, 0xE0, 0xFC}, {0x80, 0xA0, 0xDF, 0xFD}},
                {"__myIskanji2", {0x40, 0x7E, 0x80, 0xFC}, {0x3F, 0x7F, 0xFD, '\n'}},
                {"IsLineStartOrEnd", {0, '\r', '\n', 0x10A}, {' ', 'a', 0x95, '\t'}}};
  for (const auto &r : ranges)
    for (int i = 0; i < 4; i++) {
      EXPECT_NE(NeedKitProc<ByteTest>(r.function)(r.on[i]), 0) << r.function << " " << r.on[i];
      EXPECT_EQ(NeedKitProc<ByteTest>(r.function)(r.off[i]), 0) << r.function << " " << r.off[i];
    }
}

TEST(KitlibScanning, BlanksTrimmedWithCounts) {
  static const struct {
    const char *function, *text, *after;
    int removed;
  } cases[] = {
      {"DeleteSpaceAtBeginning", " \t ab ", "ab ", 3}, {"DeleteSpaceAtBeginning", "\r\n x", "\r\n x", 0},
      {"DeleteSpaceAtEnd", "ab \t ", "ab", 3},         {"DeleteSpaceAtEnd", "\x95 ", "\x95", 1}, // after a lone lead byte
      {"DeleteSpaceAtEnd", "a\r\n ", "a\r\n", 1},      {"DeleteSpaceAtEnd", "", "", 0},
  };
  for (const auto &c : cases) {
    char *text = GuardedText(c.text);
    EXPECT_EQ(NeedKitProc<TextToInt>(c.function)(text), c.removed) << c.function << " " << Shown(c.text);
    EXPECT_STREQ(text, c.after) << c.function << " " << Shown(c.text);
    FreeGuarded(text);
  }
  EXPECT_EQ(NeedKitProc<TextToInt>("DeleteSpaceAtEnd")(0), 0);
}
