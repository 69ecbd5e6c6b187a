// Text scanning, Shift-JIS aware: blanks, logical lines (a real backslash
// continues, the 5C trail byte of a two-byte character does not), keyword
// and item finders. Texts lie right before a PAGE_NOACCESS page, so reading
// past the end crashes.
#include <gtest/gtest.h>
#include <functional>
#include <map>
#include "host/host.h"

typedef char *(__stdcall *TextToText)(char *text);
typedef char *(__stdcall *TextPlaceToText)(char *start, char *position);
typedef char *(__stdcall *TextIntToText)(char *text, int value);
typedef int(__stdcall *TextPlaceToInt)(char *text, char *place);
typedef int(__stdcall *TextIntToInt)(char *text, int value);
typedef int(__stdcall *EndMarkRemover)(char *text, int mark, int n);
typedef int(__stdcall *PlaceTest)(char *start, char *position, int index);
typedef int(__stdcall *KeywordTest)(char *start, char **position);
typedef int(__stdcall *Getter)(void);
typedef int(__stdcall *ItemFinder)(char *line, char *word, char *item);

static long Offset(const char *text, const char *result) { return result ? (long)(result - text) : -1; }

// A text made readable for failure messages.
static std::string Shown(const char *text) {
  std::string shown;
  for (const unsigned char *p = (const unsigned char *)text; *p; p++) {
    char hex[8];
    snprintf(hex, sizeof hex, *p >= 32 && *p < 127 ? "%c" : "\\x%02x", *p);
    shown += hex;
  }
  return shown;
}

// Every scanning export called on (text, place, argument); pointers come back
// as offsets in the text (-1 for null).
typedef std::function<long(char *text, char *place, int argument)> Call;
#define TO_TEXT(F) {#F, [](char *t, char *, int) { return Offset(t, HostProc<TextToText>(#F)(t)); }}
#define PLACE_TO_TEXT(F) {#F, [](char *t, char *p, int) { return Offset(t, HostProc<TextPlaceToText>(#F)(t, p)); }}
#define INT_TO_TEXT(F) {#F, [](char *t, char *, int a) { return Offset(t, HostProc<TextIntToText>(#F)(t, a)); }}
#define TO_INT(F) {#F, [](char *t, char *, int) { return (long)HostProc<int(__stdcall *)(char *text)>(#F)(t); }}
#define PLACE_TO_INT(F) {#F, [](char *t, char *p, int) { return (long)HostProc<TextPlaceToInt>(#F)(t, p); }}
#define PLACE_TEST(F) {#F, [](char *t, char *p, int a) { return (long)HostProc<PlaceTest>(#F)(t, p, a); }}
#define INT_TO_INT(F) {#F, [](char *t, char *, int a) { return (long)HostProc<TextIntToInt>(#F)(t, a); }}

static const std::map<std::string, Call> &Calls() {
  static const std::map<std::string, Call> calls = {
      TO_TEXT(FindLineEndSkipYenmarkAsContinued), TO_TEXT(FindEffectiveSpace), TO_TEXT(SkipEffectiveSpaceFromBeginning),
      TO_TEXT(SkipEffectiveSpaceFromEndOtherwiseReturnNULL), TO_TEXT(FindSeparatorMark),
      TO_TEXT(FindKUGIRIMARK_FOR_SAME_NAME), PLACE_TO_TEXT(FindLineHeadSkipYenmarkAsContinued),
      PLACE_TO_TEXT(SkipEffectiveSpace), PLACE_TO_TEXT(SkipNewLineOnly), INT_TO_TEXT(GetNonSpaceAfterSpaces),
      INT_TO_TEXT(ReplaceSpaceBySpecifiedCharacter), TO_INT(IsThereLineEndIncluded), TO_INT(RemoveCRNLAtEnd),
      TO_INT(RemoveCRNLAtHead), PLACE_TO_INT(IsSpaceOnly), PLACE_TO_INT(IsSpaceOnlyAfterRightKakkoBeforeDaiKaikko),
      PLACE_TEST(IsTabOrSpace), PLACE_TEST(IsNewLine), INT_TO_INT(IsSpecifiedCharacterOnly),
      {"RemoveEndMarkInStringForOrvex",
       [](char *t, char *, int a) { return (long)HostProc<EndMarkRemover>("RemoveEndMarkInStringForOrvex")(t, a, 1); }},
  };
  return calls;
}

struct ScanCase {
  const char *function, *text;
  int place; // offset of the place argument; -1: null
  int argument;
  long expected;
  const char *after = nullptr; // the text after the call; null: unchanged
};

static const ScanCase kCases[] = {
    // Blanks: a full-width blank is no blank; a lone lead byte at the end is one character.
    {"FindEffectiveSpace", "\x95 x", 0, 0, 1}, {"FindEffectiveSpace", "\x81\x40 x", 0, 0, 2},
    {"FindEffectiveSpace", "ab\x95", 0, 0, -1},
    {"GetNonSpaceAfterSpaces", "   x", 0, 2, 1}, // at most 2 blanks
    {"GetNonSpaceAfterSpaces", "   x", 0, -1, 0}, {"GetNonSpaceAfterSpaces", "\t\r\n x", 0, 0, 4},
    {"SkipEffectiveSpace", "\r x", 0, 0, -1}, {"SkipEffectiveSpace", "a  ", 1, 0, 3},
    {"SkipEffectiveSpaceFromBeginning", "  \r\nx", 0, 0, 4},
    {"SkipEffectiveSpaceFromEndOtherwiseReturnNULL", "ab", 0, 0, -1},
    {"SkipEffectiveSpaceFromEndOtherwiseReturnNULL", "   ", 0, 0, 0},
    {"SkipEffectiveSpaceFromEndOtherwiseReturnNULL", "\x95\x5c \t", 0, 0, 1},
    {"IsTabOrSpace", " \tx\x95 ", 2, 2, 1}, // a blank after a lone lead byte
    {"IsTabOrSpace", " \tx\x95 ", 2, 0, 0}, {"IsTabOrSpace", " \tx\x95 ", 0, -1, 0},
    {"IsSpaceOnly", "  x", 2, 0, 1}, {"IsSpaceOnly", "  x", -1, 0, 0},
    {"IsSpaceOnly", "  ", 5, 0, 1}, // an end past the NUL
    {"IsSpaceOnly", "x ", 2, 0, 0},
    {"IsSpaceOnlyAfterRightKakkoBeforeDaiKaikko", ") \r\n {x", 5, 0, 1},
    {"IsSpaceOnlyAfterRightKakkoBeforeDaiKaikko", ")y{", 2, 0, 0},
    {"IsSpecifiedCharacterOnly", "aaa", 0, 'a', 1}, {"IsSpecifiedCharacterOnly", "\x95\x5c", 0, '\\', 0},
    {"IsSpecifiedCharacterOnly", "\x95", 0, 0x95, 1},
    {"ReplaceSpaceBySpecifiedCharacter", "  a b ", 0, ';', 0, "a;b;"},
    {"ReplaceSpaceBySpecifiedCharacter", "a\t\r\nb", 0, ';', 0, "a;b"},
    {"ReplaceSpaceBySpecifiedCharacter", "\x95\x5c", 0, ';', 0},
    // Logical lines: CR LF, lone CR and lone LF; 表 and ソ end in 5C.
    {"FindLineEndSkipYenmarkAsContinued", "a \\ \r\nb\r\nc", 0, 0, 7},
    {"FindLineEndSkipYenmarkAsContinued", "a\\\nb\nc", 0, 0, 4},
    {"FindLineEndSkipYenmarkAsContinued", "a\\\rb\rc", 0, 0, 4},
    {"FindLineEndSkipYenmarkAsContinued", "a\\", 0, 0, 2}, {"FindLineEndSkipYenmarkAsContinued", "", 0, 0, -1},
    {"FindLineEndSkipYenmarkAsContinued", "\x95\x5c\r\nx", 0, 0, 2},
    {"FindLineEndSkipYenmarkAsContinued", "\x83\x5c\nx", 0, 0, 2},
    {"FindLineEndSkipYenmarkAsContinued", "\x81\x81\\\r\nx", 0, 0, 6},
    {"FindLineEndSkipYenmarkAsContinued", "\x81\x81\x81\\\r\nx", 0, 0, 4},
    {"FindLineEndSkipYenmarkAsContinued", "a\\\r\n   \r\nb", 0, 0, 7}, // a blank line ends it
    {"FindLineHeadSkipYenmarkAsContinued", "a\\\r\nb\\\r\nc", 8, 0, 0},
    {"FindLineHeadSkipYenmarkAsContinued", "a\\\rb", 3, 0, 0},
    {"FindLineHeadSkipYenmarkAsContinued", "\\\nx", 2, 0, 0}, // a backslash at the text start
    {"FindLineHeadSkipYenmarkAsContinued", "\x95\x5c\r\nx", 4, 0, 4},
    {"FindLineHeadSkipYenmarkAsContinued", "a\\\n  \nb", 6, 0, 6},
    {"FindLineHeadSkipYenmarkAsContinued", "ab\r\ncd", 3, 0, 0}, // the LF of CR LF belongs to its line
    {"FindLineHeadSkipYenmarkAsContinued", "ab", 2, 0, -1},
    {"IsNewLine", "a\r\n\nb\x95\x0d", 0, 1, 1}, {"IsNewLine", "a\r\n\nb\x95\x0d", 0, 0, 0},
    {"IsNewLine", "a\r\n\nb\x95\x0d", 6, 0, 1}, {"IsNewLine", "a\r\n\nb\x95\x0d", 6, 2, 0},
    {"SkipNewLineOnly", "a\r\n\nb", 1, 0, 4}, {"SkipNewLineOnly", "\x95\r", 1, 0, 2},
    {"IsThereLineEndIncluded", "a\n", 0, 0, 1}, {"IsThereLineEndIncluded", "a\r\n", 0, 0, 0},
    {"RemoveCRNLAtEnd", "a\r\n", 0, 0, 1, "a"}, {"RemoveCRNLAtEnd", "\r\n\rab", 0, 0, 0},
    {"RemoveCRNLAtHead", "\r\n\rab", 0, 0, 1, "ab"}, {"RemoveCRNLAtHead", "a\n", 0, 0, 0},
    // Marks.
    {"FindSeparatorMark", "ab;cab:c:d\x95", 0, 0, 2}, {"FindSeparatorMark", "cab:c:d\x95", 0, 0, -1},
    {"FindKUGIRIMARK_FOR_SAME_NAME", "ab;cab:c:d\x95", 0, 0, 8}, {"FindKUGIRIMARK_FOR_SAME_NAME", "d\x95", 0, 0, -1},
    {"RemoveEndMarkInStringForOrvex", "c;cpp;", 0, ';', 1, "c;cpp"},
    {"RemoveEndMarkInStringForOrvex", "\x95\x5c", 0, '\\', 0},
};

// IsSpaceOnly must only read: its texts are read-only, so even a write put back crashes.
static char *Guarded(const std::string &function, const char *text) {
  return function.compare(0, 11, "IsSpaceOnly") == 0 ? GuardedReadOnlyText(text) : GuardedText(text);
}

TEST(Scanning, Cases) {
  for (const ScanCase &c : kCases) {
    SCOPED_TRACE(std::string(c.function) + " on " + Shown(c.text) + " at " + std::to_string(c.place));
    const Call &call = Calls().at(c.function);
    char *text = Guarded(c.function, c.text);
    EXPECT_EQ(call(text, c.place < 0 ? nullptr : text + c.place, c.argument), c.expected);
    EXPECT_STREQ(text, c.after ? c.after : c.text);
    FreeGuarded(text);
  }
  char text[] = "ab";
  EXPECT_EQ(HostProc<TextPlaceToText>("FindLineHeadSkipYenmarkAsContinued")(text + 1, text), nullptr);
}

TEST(Scanning, KeywordAtAPlace) {
  static const struct { const char *function, *text; int position, expected, movedTo; } cases[] = {
      {"IsDefine", "#define X", 0, 1, 6},     // followed by a blank: moved to the final e
      {"IsDefine", "#defineX", 0, 1, 0},      // followed by a letter: stays
      {"IsDefine", "a#define X", 1, 0, 1},    // preceded by a letter
      {"IsStruct", "_struct x", 1, 0, 1},     // '_' is a word byte
      {"IsStruct", "\x83\x5cstruct x", 2, 0, 2}, // after ソ, whose 5C is no backslash
      {"IsStruct", "\\struct x", 1, 1, 6},
      {"IsEnum", "\x95" "enum x", 1, 0, 1},    // e is the second byte of 95 65
      {"IsInclude", "#include <a.h>", 0, 1, 7}, {"IsTypeDef", "typedef int", 0, 1, 6},
      {"IsTypeDecrareHandle", "DECLARE_HANDLE(h)", 0, 1, 13},
  };
  for (const auto &c : cases) {
    char *text = GuardedText(c.text);
    char *position = text + c.position;
    EXPECT_EQ(HostProc<KeywordTest>(c.function)(text, &position), c.expected) << c.function << " " << Shown(c.text);
    EXPECT_EQ(position - text, c.movedTo) << c.function << " on " << Shown(c.text);
    FreeGuarded(text);
  }
  auto boundary = HostProc<int(__stdcall *)(int byte)>("IsStringStartOrEndInDll");
  for (int byte : std::initializer_list<int>{0, ' ', '\v', '(', '~', '@', '[', '`'}) EXPECT_EQ(boundary(byte), 1) << byte;
  for (int byte : std::initializer_list<int>{'#', '_', 'a', '5', 0x95, -107 /* signed 0x95 */, 0x1F, 0x7F}) EXPECT_EQ(boundary(byte), 0) << byte;
  char words[] = "ab;cab", word[] = "ca";
  EXPECT_EQ(HostProc<TextPlaceToText>("FindStringByWordByWord")(words, word), words + 3);
}

// The item after a word: on the word's own line, the line left as it was,
// at most 519 bytes cut on a whole character.
TEST(Scanning, ItemAfterAWord) {
  static const struct { const char *line; int expected; const char *item; } cases[] = {
      {"#define  FOO 1\r\nx", 1, "FOO"}, {"#define FOO\rBAR", 1, "FOO"}, {"#define", 0, ""},
      {"#define\rFOO", 0, ""},           // a lone CR after the word
      {"#define \r\nFOO", 0, ""},        // nothing on the word's line
      {"#defineX Y", 0, ""},             {"x; #define\tA(b) b", 1, "A"}, {"\x95\x5c#define Z", 1, "Z"},
      {"#define \x88\x9f\x88\x9f X", 1, "\x88\x9f\x88\x9f "}, // a two-byte run keeps the byte after
  };
  auto find = HostProc<ItemFinder>("FindItemOnTheRightSideAfterSpecifiedWord");
  char word[] = "#define";
  for (const auto &c : cases) {
    char *line = GuardedReadOnlyText(c.line);
    char item[520];
    memset(item, 'Q', sizeof item);
    EXPECT_EQ(find(line, word, item), c.expected) << Shown(c.line);
    EXPECT_STREQ(item, c.item) << Shown(c.line);
    EXPECT_EQ(HostProc<Getter>("IsWordToRight")(), c.expected);
    EXPECT_EQ(HostProc<Getter>("GetMovedCurPositionBySpacesDeleted")(), 0);
    FreeGuarded(line);
  }
  std::string text = "#define ";
  while (text.size() < 8 + 600) text += "\x88\x9f";
  char buffer[520];
  EXPECT_EQ(find(&text[0], word, buffer), 1);
  EXPECT_EQ(std::string(buffer), text.substr(8, 518)) << "cut on a whole character";
}
