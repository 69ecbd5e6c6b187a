// Names of files: source classes by extension, the name without its
// extension (quoted paths and the Shift-JIS backslash trail byte included),
// the compiler-readable form of a Japanese name, the untitled names, and
// the shortening of texts for display.
#include "paths_support.h"

static std::string Text(const char *text) { return text ? text : "(null)"; }

TEST(SourceNames, ClassificationByFlagAndExtension) {
  auto classify = NeedHostProc<SourceClass>("IsFileEffectiveSourceFile");
  static const struct {
    const char *name;
    int flags, expected;
  } cases[] = {
      {"a.c", 2, 0x10},     {"a.cpp", 2, 0x20},    {"a.asm", 2, 0x100}, {"a.rc", 2, 0x200},
      {"a.rc", 0x10, 0x100}, {"a.h", 0x80, 0x100}, {"a.hpp", 0x80, 0x200}, {"a.cpp", 0x40, 0},
      {"a.asm", 0x40, 0x10}, {"a.rc", 4, 0},        {"a.asm", 8, 0},     {"MAIN.C", 2, 0x10},
      {"x\\Main.Cpp", 8, 0x20}, {"a.c", 0x42, 0x10}, {"a.c", 0x41, 0},   {"a.c", 1, 0},
      {"a.cc", 2, 0},       {"c", 2, 0},           {"a.c.bak", 2, 0},    {"dir.c\\file", 2, 0},
      {"", 2, 0},
  };
  for (const auto &c : cases)
    EXPECT_EQ(classify(c.name, c.flags), c.expected) << c.name << " with flags " << c.flags;
  EXPECT_EQ(classify(0, 2), 0);
  EXPECT_EQ(Text(NeedHostProc<NoArgText>("GetCompileSourceExtWindowsSeparatedBySpace")()), "c;cpp;asm;rc");
  EXPECT_EQ(Text(NeedHostProc<NoArgText>("GetCompileSourceExtConsoleSeparatedBySpace")()), "c;cpp;asm");
}

TEST(SourceNames, WithoutExtensionAndBackAgain) {
  auto strip = NeedHostProc<WithoutExtension>("GetFileNameWithoutExtension");
  static const struct {
    const char *path;
    int nameOnly;
    const char *result;
    int resultOffset, dotOffset; // dotOffset -1: no extension
    const char *restored;        // the buffer once the removed byte is written back
  } cases[] = {
      {"C:\\dir\\main.c", 0, "C:\\dir\\main", 0, 11, "C:\\dir\\main.c"},
      {"C:\\dir\\main.c", 1, "main", 7, 11, "C:\\dir\\main.c"},
      {"\"C:\\dir\\main.c\"", 0, "C:\\dir\\main", 0, 11, "C:\\dir\\main.c"},
      {"\"C:\\my dir\\main.c\"", 0, "\"C:\\my dir\\main\"", 0, 15, "\"C:\\my dir\\main."},
      {"\"C:\\my dir\\my main.c\"", 1, "\"my main\"", 10, 18, "C:\\my dir\\\"my main."},
      {"C:\\my.dir\\file", 0, "C:\\my.dir\\file", 0, -1, "C:\\my.dir\\file"},
      {"\x83\x5c.c", 1, "\x83\x5c", 0, 2, "\x83\x5c.c"},
      {"a\\\x83\x5c", 1, "\x83\x5c", 2, -1, "a\\\x83\x5c"},
  };
  for (const auto &c : cases) {
    char buffer[64];
    strcpy(buffer, c.path);
    char *dot = 0, removed = 'x';
    char *result = strip(buffer, c.nameOnly, &dot, &removed);
    EXPECT_EQ(Text(result), c.result) << c.path;
    EXPECT_EQ(result ? (int)(result - buffer) : -1, c.resultOffset) << c.path;
    EXPECT_EQ(dot ? (int)(dot - buffer) : -1, c.dotOffset) << c.path;
    EXPECT_EQ(removed, c.dotOffset < 0 ? 0 : '.') << c.path;
    if (dot) *dot = removed;
    EXPECT_EQ(std::string(buffer), c.restored) << c.path;
  }
  char plain[] = "a.c";
  EXPECT_EQ(Text(strip(plain, 0, 0, 0)), "a");
}

TEST(SourceNames, CompilerReadableNames) {
  auto convert = NeedHostProc<InPlace>("ConvertJapaneseNameToRandomAscciName");
  static const struct {
    const char *name, *expected;
  } cases[] = {
      {"my file.c", "myfile.c"},
      {"\x82\xa0.c", "AE.c"},               // 0x82: 130 % 26 = 0; 0xA0: 160 % 26 = 4
      {"\x83\x5c.c", "BO.c"},               // the trail byte 0x5C is mapped, not left a backslash
      {"a\x81\x40z", "aZMz"},               // a full-width blank is a character, mapped whole
      {"\xb1\xb2", "VW"},                   // half-width katakana
      {"\x82", "A"},                        // a lead byte at the end
      {"", ""},
  };
  for (const auto &c : cases) {
    char buffer[32];
    strcpy(buffer, c.name);
    EXPECT_EQ(Text(convert(buffer)), c.expected) << c.name;
  }
  typedef int(__stdcall * ByteFn)(int);
  auto byte = NeedHostProc<ByteFn>("AllowNonAlphabet");
  const int on[] = {32, 'a', 126}, off[] = {0, 31, 127, 0x82};
  for (int b : on) EXPECT_EQ(byte(b), 1) << b;
  for (int b : off) EXPECT_EQ(byte(b), 0) << b;
}

TEST(SourceNames, UntitledNames) {
  auto noName = NeedHostProc<IntToText>("GetNoNameString");
  auto isNoName = NeedHostProc<PathToInt>("IsFileWithNoName");
  const char english[] = "(Untitled)", japanese[] = "(\x96\xb3\x91\xe8)";
  EXPECT_EQ(Text(noName(0)), english);
  EXPECT_EQ(Text(noName(1)), japanese);
  EXPECT_EQ(Text(noName(2)), english);
  static const struct {
    const char *name;
    int expected;
  } cases[] = {
      {"(Untitled)", -1},         {"(\x96\xb3\x91\xe8)", 1}, {"(Untitled):2", -1},
      {"(\x96\xb3\x91\xe8):12", 1}, {"C:\\dir\\(Untitled)", -1}, {"D:\\(\x96\xb3\x91\xe8)", 1},
      {"(untitled)", 0},          {"(Untitled)x", 0},         {"main.c", 0},
      {"", 0},                    {":", 0},
  };
  for (const auto &c : cases) {
    char *name = GuardedReadOnlyText(c.name);
    EXPECT_EQ(isNoName(name), c.expected) << c.name;
    FreeGuarded(name);
  }
  EXPECT_EQ(isNoName(0), 0);
}

TEST(SourceNames, SeparatorAndOutputCopy) {
  char list[8] = "a;b";
  EXPECT_EQ(Text(NeedHostProc<InPlace>("FormatStringForOrvex")(list)), "a;b;");
  auto output = NeedHostProc<OutputPath>("GetOutputPath");
  char target[8] = "old";
  EXPECT_EQ(output("abc", 0, 0), 1);
  EXPECT_EQ(output(target, target, 8), 0);
  EXPECT_EQ(output("abcd", target, 4), 0);
  EXPECT_EQ(std::string(target), "old");
  EXPECT_EQ(output("abcd", target, 5), 1);
  EXPECT_EQ(std::string(target), "abcd");
  EXPECT_EQ(output(0, target, 8), 0);
}

// A text of `count` lines "1" to "count" separated by CR LF.
static std::string Lines(int count) {
  std::string text;
  for (int i = 1; i <= count; i++) text += std::to_string(i) + (i < count ? "\r\n" : "");
  return text;
}

TEST(DisplayText, ShortStringIfLonger) {
  auto shorten = NeedHostProc<ShortString>("GetShortStringIfLonger");
  std::string a250(250, 'a'), a251(251, 'a');
  const struct {
    std::string text, expected;
    int length, answer;
  } cases[] = {
      {"short", "short", 5, 0},
      {std::string(255, 'a'), std::string(255, 'a'), 255, 0},
      {Lines(11), Lines(11), (int)Lines(11).size(), 0},
      {Lines(12), Lines(11), (int)Lines(11).size(), 0},
      {Lines(11) + "\r\n\r\n\n12", Lines(11), (int)Lines(11).size(), 0},
      {std::string(300, 'a'), std::string(252, 'a') + "...", 255, 'a'},
      {a251 + "\x82\xa0" + std::string(50, 'b'), a251 + "...", 254, 'b'},
      {a250 + "\x82\xa0" + std::string(50, 'b'), a250 + "\x82\xa0...", 255, 'b'},
      {a250 + "\x82\x82" + std::string(50, 'b'), a250 + "\x82\x82...", 255, 'b'},
      {std::string(249, 'a') + "\x82\x82\x82\xa0" + std::string(50, 'b'), std::string(249, 'a') + "\x82\x82...",
       254, 'b'},
  };
  for (const auto &c : cases) {
    std::vector<char> buffer(c.text.begin(), c.text.end());
    buffer.push_back(0);
    int length = -1;
    EXPECT_EQ(shorten(buffer.data(), &length), c.answer) << c.text.size();
    EXPECT_EQ(std::string(buffer.data()), c.expected) << c.text.size();
    EXPECT_EQ(length, c.length) << c.text.size();
  }
  char text[] = "abc";
  EXPECT_EQ(shorten(text, 0), 0);
}

TEST(DisplayText, LineNumberOfAPlace) {
  auto count = NeedHostProc<LineNumber>("CountLineNumber");
  static const struct {
    const char *text;
    int last, expected;
  } cases[] = {{"a\nb\nc", 0, 1}, {"a\nb\nc", 1, 1}, {"a\nb\nc", 2, 2}, {"a\r\nb", 1, 1}, {"a\r\nb", 2, 1},
               {"a\r\nb", 3, 2}, {"a\rb", 2, 2},     {"a\nb\nc", 5, 3}, {"a\nb\nc", 9, 3}, {"", 0, 0}};
  for (const auto &c : cases) {
    char *text = GuardedReadOnlyText(c.text);
    EXPECT_EQ(count(text, text + c.last), c.expected) << c.text << " up to " << c.last;
    FreeGuarded(text);
  }
  EXPECT_EQ(count(0, "a"), 0);
  const char *text = "ab";
  EXPECT_EQ(count(text + 1, text), 0);
}

TEST(DisplayText, CompileLineCutUndoneByTheNext) {
  auto cut = NeedHostProc<CompileCut>("SetNewEmptyEndAtCompileDotC");
  char first[] = "  a.c  ", second[] = "b.c ", third[] = "c.c";
  char *place = 0, saved = 0;
  EXPECT_EQ(cut(first, &place, &saved), first + 2);
  EXPECT_EQ(std::string(first), "  a.c");
  EXPECT_EQ(place, first + 5);
  EXPECT_EQ(cut(second, &place, &saved), second);
  EXPECT_EQ(std::string(first), "  a.c  ");
  EXPECT_EQ(std::string(second), "b.c");
  EXPECT_EQ(cut(third, &place, &saved), third);
  EXPECT_EQ(place, second + 3);
  EXPECT_EQ(cut(third, 0, &saved), third);
  char empty[] = "";
  EXPECT_EQ(cut(empty, &place, &saved), empty);
  EXPECT_EQ(cut(0, &place, &saved), nullptr);
}
