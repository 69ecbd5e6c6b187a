// Declarations and words: keyword tests at a place, the item after a word
// (bounded, on its own line, the line left as it was), the marks, end-mark
// removal, and the flags and results kept for the host.
#include "scanning_support.h"
#include <string>

TEST(ScanningDeclarations, KeywordAtAPlace) {
  static const struct {
    const char *function, *text;
    int position, expected, movedTo;
  } cases[] = {
      {"IsDefine", "#define X", 0, 1, 6},     // followed by a blank: moved to the final e
      {"IsDefine", "#defineX", 0, 1, 0},      // followed by a letter: stays
      {"IsDefine", "a#define X", 1, 0, 1},    // preceded by a letter
      {"IsDefine", " #define X", 1, 1, 7},    {"IsDefine", "#defin", 0, 0, 0},
      {"IsStruct", "_struct x", 1, 0, 1},     // '_' is a word byte
      {"IsStruct", "(struct x", 1, 1, 6},     {"IsStruct", "struct", 0, 1, 5},
      {"IsStruct", "\x83\x5cstruct x", 2, 0, 2}, // after ソ, whose 5C is no backslash
      {"IsStruct", "\\struct x", 1, 1, 6},
      {"IsEnum", "\x95" "enum x", 1, 0, 1},    // e is the second byte of 95 65
      {"IsEnum", "enum{", 0, 1, 3},           {"IsEnum", "Enum x", 0, 0, 0},
      {"IsInclude", "#include <a.h>", 0, 1, 7}, {"IsTypeDef", "typedef int", 0, 1, 6},
      {"IsTypeDecrareHandle", "DECLARE_HANDLE(h)", 0, 1, 13},
  };
  for (const auto &c : cases) {
    auto test = NeedHostProc<KeywordTest>(c.function);
    char *text = GuardedText(c.text);
    char *position = text + c.position;
    EXPECT_EQ(test(text, &position), c.expected) << c.function << " on " << Shown(c.text);
    EXPECT_EQ(position - text, c.movedTo) << c.function << " on " << Shown(c.text);
    FreeGuarded(text);
  }
  char text[] = "#define x", *position = 0;
  EXPECT_EQ(NeedHostProc<KeywordTest>("IsDefine")(text, &position), 0);
  EXPECT_EQ(NeedHostProc<KeywordTest>("IsDefine")(text, 0), 0);
}

TEST(ScanningDeclarations, WordBoundaryBytes) {
  static const int boundaries[] = {0, ' ', '\t', '\r', '\n', '\v', '\f', '(', '~', '!', '/', '@', '[', '`', ';'};
  static const int wordBytes[] = {'#', '_', 'a', 'Z', '5', 0x80, 0x95, 0xFF, -107 /* signed 0x95 */, 0x1F, 0x7F};
  auto boundary = NeedHostProc<ByteTest>("IsStringStartOrEndInDll");
  for (int byte : boundaries) EXPECT_EQ(boundary(byte), 1) << byte;
  for (int byte : wordBytes) EXPECT_EQ(boundary(byte), 0) << byte;
}

TEST(ScanningDeclarations, SearchesAndMarks) {
  auto separator = NeedHostProc<TextToText>("FindSeparatorMark");
  auto sameName = NeedHostProc<TextToText>("FindKUGIRIMARK_FOR_SAME_NAME");
  char *text = GuardedText("ab;cab:c:d\x95");
  char word[] = "ca";
  EXPECT_EQ(Offset(text, NeedHostProc<TextPlaceToText>("FindStringByWordByWord")(text, word)), 3);
  EXPECT_EQ(Offset(text, separator(text)), 2);
  EXPECT_EQ(Offset(text, sameName(text)), 8);
  EXPECT_EQ(separator(text + 3), nullptr);
  EXPECT_EQ(sameName(text + 9), nullptr);
  EXPECT_EQ(NeedHostProc<Getter>("GetKugiriMarkForSameName")(), ':');
  FreeGuarded(text);
}

TEST(ScanningDeclarations, ItemAfterAWord) {
  static const struct {
    const char *line, *word;
    int expected;
    const char *item;
  } cases[] = {
      {"#define  FOO 1\r\nx", "#define", 1, "FOO"}, {"#define FOO\rBAR", "#define", 1, "FOO"},
      {"#define", "#define", 0, ""},              // the word at the text's end
      {"#define\rFOO", "#define", 0, ""},         // a lone CR after the word
      {"#define \r\nFOO", "#define", 0, ""},      // nothing on the word's line
      {"#define \t", "#define", 0, ""},          {"#defineX Y", "#define", 0, ""},
      {"enum Color {", "enum", 1, "Color"},       // a word of its own length
      {"x; #define\tA(b) b", "#define", 1, "A"}, {"\x95\x5c#define Z", "#define", 1, "Z"},
      {"#define \x88\x9f\x88\x9f X", "#define", 1, "\x88\x9f\x88\x9f "}, // a two-byte run keeps the byte after
  };
  auto find = NeedHostProc<ItemFinder>("FindItemOnTheRightSideAfterSpecifiedWord");
  auto moved = NeedHostProc<Getter>("GetMovedCurPositionBySpacesDeleted");
  auto toRight = NeedHostProc<Getter>("IsWordToRight");
  for (const auto &c : cases) {
    char *line = GuardedReadOnlyText(c.line);
    char *word = GuardedText(c.word);
    char item[520];
    memset(item, 'Q', sizeof item);
    EXPECT_EQ(find(line, word, item), c.expected) << Shown(c.line);
    EXPECT_STREQ(item, c.item) << Shown(c.line);
    EXPECT_STREQ(line, c.line);
    EXPECT_EQ(toRight(), c.expected);
    EXPECT_EQ(moved(), 0);
    FreeGuarded(line);
    FreeGuarded(word);
  }
  char line[] = "#define X", word[] = "#define", item[520] = "old";
  EXPECT_EQ(find(0, word, item), 0);
  EXPECT_STREQ(item, "");
  EXPECT_EQ(find(line, 0, item), 0);
  EXPECT_EQ(find(line, word, 0), 0);
}

// 600 bytes of item: at most 519 reach the buffer, cut on a whole character.
TEST(ScanningDeclarations, ItemIsBounded) {
  auto find = NeedHostProc<ItemFinder>("FindItemOnTheRightSideAfterSpecifiedWord");
  static const struct {
    std::string unit;
    size_t expectedLength;
  } cases[] = {{"A", 519}, {"\x88\x9f", 518}};
  for (const auto &c : cases) {
    std::string line = "#define ";
    while (line.size() < 8 + 600) line += c.unit;
    char *guarded = GuardedReadOnlyText(line.c_str());
    char word[] = "#define";
    char buffer[1024];
    memset(buffer, 'Q', sizeof buffer);
    EXPECT_EQ(find(guarded, word, buffer), 1);
    EXPECT_EQ(strlen(buffer), c.expectedLength);
    EXPECT_EQ(std::string(buffer), line.substr(8, c.expectedLength));
    EXPECT_EQ(std::string(buffer + 520, 504), std::string(504, 'Q')) << "written past 520 bytes";
    FreeGuarded(guarded);
  }
}

TEST(ScanningDeclarations, EndMarkRemoved) {
  static const struct {
    const char *text;
    int mark, n, expected;
    const char *after;
  } cases[] = {{"c;cpp;", ';', 1, 1, "c;cpp"}, {"c;cpp;", ';', 5, 1, "c"}, {"c;cpp;", ';', 4, 0, "c;cpp;"},
               {"c;cpp;", ';', 0, 0, "c;cpp;"}, {"c;cpp;", ';', 7, 0, "c;cpp;"}, {"c;cpp;", ';', -1, 0, "c;cpp;"},
               {"", ';', 1, 0, ""}, {"\x95\x5c", '\\', 1, 0, "\x95\x5c"}, {"a\\", '\\', 1, 1, "a"}};
  auto remove = NeedHostProc<EndMarkRemover>("RemoveEndMarkInStringForOrvex");
  for (const auto &c : cases) {
    char *text = GuardedText(c.text);
    EXPECT_EQ(remove(text, c.mark, c.n) != 0, c.expected != 0) << Shown(c.text) << " n " << c.n;
    EXPECT_STREQ(text, c.after) << Shown(c.text) << " n " << c.n;
    FreeGuarded(text);
  }
  EXPECT_EQ(remove(0, ';', 1), 0);
}

TEST(ScanningDeclarations, SeparatorKillFlags) {
  for (auto names : {std::make_pair("GetKillKUGIRI_MARK_UNDERLINE", "SetKillKUGIRI_MARK_UNDERLINE"),
                     std::make_pair("IsKillKUGIRI_MARK_SHARP", "SetKillKUGIRI_MARK_SHARP")}) {
    EXPECT_EQ(NeedHostProc<Getter>(names.first)(), 1) << names.first << " at load";
    EXPECT_EQ(NeedHostProc<Setter>(names.second)(0), 0);
    EXPECT_EQ(NeedHostProc<Getter>(names.first)(), 0);
    NeedHostProc<Setter>(names.second)(1);
  }
}
