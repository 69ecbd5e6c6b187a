// Cutting a text after its first word under the four separator kinds: word
// bytes, a leading separator kept with the character after it, a leading run
// of two-byte characters kept with the byte after it.
#include "host/host.h"
#include <gtest/gtest.h>

typedef int(__stdcall *RightWordCutter)(char *text, int kind, char **end, int *savedByte);

TEST(RightWord, CutAfterTheFirstWord) {
  static const struct {
    const char *text;
    int kind, result;
    const char *word; // the text after the call
    int cut, saved;   // offset of the cut (-1: nothing cut) and the byte that stood there
  } cases[] = {
      {"a_b#c", 0, 1, "a_b#c", -1, 0},                          // '_' and '#' are word bytes
      {"(x)", 0, 1, "(x", 2, ')'},                              // a separator and the byte after it
      {"foo bar", 1, 1, "foo", 3, ' '},          {"foo(bar)", 2, 1, "foo", 3, '('},
      {"foo bar", 3, 1, "foo bar", -1, 0},       {"foo\r\nbar", 3, 1, "foo", 3, '\r'}, // line ends only
      {"(\x95\x5c)", 0, 1, "(\x95\x5c", 3, ')'},                // never half a character
      {"\x95\x5c\x88\x9f(x", 0, 1, "\x95\x5c\x88\x9f(", 5, 'x'}, // a two-byte run and the byte after
      {"((", 0, 1, "((", -1, 0},                 {"abc", 4, 0, "abc", -1, 0},
  };
  auto cut = HostProc<RightWordCutter>("GetRightWordSeparatedByKugiri");
  for (const auto &c : cases) {
    char *text = GuardedText(c.text);
    char *end = text + 100; // must be reset to null
    int saved = -5;
    EXPECT_EQ(cut(text, c.kind, &end, &saved), c.result) << c.text << " kind " << c.kind;
    EXPECT_STREQ(text, c.word) << c.text << " kind " << c.kind;
    EXPECT_EQ(end, c.cut < 0 ? nullptr : text + c.cut) << c.text << " kind " << c.kind;
    EXPECT_EQ(saved, c.cut < 0 ? -5 : c.saved) << c.text << " kind " << c.kind;
    FreeGuarded(text);
  }
  char text[] = "ab cd";
  EXPECT_EQ(cut(text, 0, 0, 0), 1); // end and saved byte are optional
  EXPECT_STREQ(text, "ab");
}
