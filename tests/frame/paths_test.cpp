// Paths, file names and files: the base folder and relative paths, source
// names, display texts, files on disk, the existence checks with their boxes
// (answered by the box watcher) and dialog conveniences. A scratch folder
// with a blank in its name holds files.
#include "host/dialog_driver.h"
#include "host/files.h"
#include <gtest/gtest.h>
#include <string>

typedef char *(__stdcall *PathToPath)(const char *path);
typedef char *(__stdcall *NoArgText)(void);
typedef int(__stdcall *NoArgInt)(void);
typedef char *(__stdcall *NormalFromRelative)(char *target, const char *relative, const char *base);
typedef char *(__stdcall *InPlace)(char *text);

static std::string Text(const char *text) { return text ? text : "(null)"; }

class BaseFolder : public testing::Test {
protected:
  void SetUp() override {
    HostSetLanguage(0);
    folder = ScratchFolder("paths") + "\\";
    file = folder + "main.c";
    ASSERT_TRUE(WriteFileText(file, "int main(void) { return 0; }\n"));
    HostProc<NoArgText>("ClearBaseFolder")();
    HostProc<NoArgText>("ClearOldBaseFolder")();
  }
  void TearDown() override {
    HostProc<NoArgText>("ClearBaseFolder")();
    RemoveFolderTree(folder.substr(0, folder.size() - 1));
  }
  std::string folder, file;
};

// The base folder keeps a file's folder, the old base folder the path as it
// stands; what does not fit is refused with the folder kept.
TEST_F(BaseFolder, FromAFilePathOrAFolderAndOverLong) {
  auto save = HostProc<PathToPath>("SaveBaseFolder");
  auto get = HostProc<NoArgText>("GetBaseFolder");
  auto there = HostProc<NoArgInt>("IsBaseFolderThere");
  EXPECT_EQ(there(), 0);
  EXPECT_EQ(save(file.c_str()), get());
  EXPECT_EQ(Text(get()), folder.substr(0, folder.size() - 1));
  EXPECT_EQ(there(), 1);
  std::string longest(MAX_PATH - 1, 'a'), tooLong(MAX_PATH, 'a');
  EXPECT_EQ(Text(save(longest.c_str())), longest);
  EXPECT_EQ(save(tooLong.c_str()), nullptr);
  EXPECT_EQ(Text(get()), longest);
  auto saveOld = HostProc<PathToPath>("SaveOldBaseFolder");
  EXPECT_EQ(Text(saveOld(file.c_str())), file);
  EXPECT_EQ(saveOld(tooLong.c_str()), nullptr);
  EXPECT_EQ(Text(HostProc<NoArgText>("GetOldBaseFolder")()), file);
  HostProc<NoArgText>("ClearOldBaseFolder")();
  EXPECT_EQ(HostProc<NoArgInt>("IsOldBaseFolderThere")(), 0);
}

// Kitlib resolves the paths; the library hands it the base folder when the
// caller gives no base.
TEST_F(BaseFolder, TheBaseFolderStandsInForAMissingBase) {
  auto normal = HostProc<NormalFromRelative>("FindNormalPathFromRelativePathForOrvex");
  auto relative = HostProc<char *(__stdcall *)(const char *, const char *)>("FindRelativePathFromNormalPathForOrvex");
  char target[MAX_PATH];
  EXPECT_EQ(normal(target, "main.c", 0), nullptr);
  EXPECT_EQ(Text(relative(file.c_str(), 0)), file);
  ASSERT_NE(HostProc<PathToPath>("SaveBaseFolder")(file.c_str()), nullptr);
  EXPECT_EQ(Text(normal(target, "main.c", "")), file);
  EXPECT_EQ(Text(relative(file.c_str(), "")), "main.c");
  EXPECT_EQ(Text(relative(file.c_str(), "C:\\elsewhere")), file);
}

TEST(SourceNames, ClassificationByFlagAndExtension) {
  auto classify = HostProc<int(__stdcall *)(const char *name, int flags)>("IsFileEffectiveSourceFile");
  static const struct { const char *name; int flags, expected; } cases[] = {
      {"a.cpp", 2, 0x20},  {"a.rc", 2, 0x200},  {"a.rc", 0x10, 0x100}, {"a.hpp", 0x80, 0x200},
      {"a.asm", 0x40, 0x10}, {"a.rc", 4, 0},     {"x\\Main.Cpp", 8, 0x20}, {"a.c", 0x41, 0},
      {"a.cc", 2, 0},      {"a.c.bak", 2, 0},   {"dir.c\\file", 2, 0},
  };
  for (const auto &c : cases)
    EXPECT_EQ(classify(c.name, c.flags), c.expected) << c.name << " with flags " << c.flags;
}

TEST(SourceNames, WithoutExtensionAndBackAgain) {
  auto strip = HostProc<char *(__stdcall *)(char *, int, char **, char *)>("GetFileNameWithoutExtension");
  static const struct {
    const char *path;
    int nameOnly;
    const char *result;
    int resultOffset, dotOffset; // dotOffset -1: no extension
    const char *restored;        // the buffer once the removed byte is written back
  } cases[] = {
      {"C:\\dir\\main.c", 1, "main", 7, 11, "C:\\dir\\main.c"},
      {"\"C:\\dir\\main.c\"", 0, "C:\\dir\\main", 0, 11, "C:\\dir\\main.c"},
      {"\"C:\\my dir\\main.c\"", 0, "\"C:\\my dir\\main\"", 0, 15, "\"C:\\my dir\\main."},
      {"\"C:\\my dir\\my main.c\"", 1, "\"my main\"", 10, 18, "C:\\my dir\\\"my main."},
      {"C:\\my.dir\\file", 0, "C:\\my.dir\\file", 0, -1, "C:\\my.dir\\file"},
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
}

TEST(SourceNames, CompilerReadableNames) {
  auto convert = HostProc<InPlace>("ConvertJapaneseNameToRandomAscciName");
  static const struct { const char *name, *expected; } cases[] = {
      {"\x82\xa0.c", "AE.c"},               // 0x82: 130 % 26 = 0; 0xA0: 160 % 26 = 4
      {"\x83\x5c.c", "BO.c"},               // the trail byte 0x5C is mapped, not left a backslash
      {"\x83\x41 b.c", "BAb.c"},            // ア: a trail byte below 128 stays, as hosts saved it
      {"\x83:\x82", "B:A"},                 // lead bytes before no trail byte change only themselves
  };
  for (const auto &c : cases) {
    char buffer[32];
    strcpy(buffer, c.name);
    EXPECT_EQ(Text(convert(buffer)), c.expected) << c.name;
  }
  typedef int(__stdcall * ByteFn)(int);
  auto byte = HostProc<ByteFn>("AllowNonAlphabet");
  EXPECT_EQ(byte(' ') + byte('~') * 2 + byte(0x82) * 4 + byte(0x7F) * 8, 3);
}

TEST(SourceNames, UntitledNames) {
  auto noName = HostProc<const char *(__stdcall *)(int value)>("GetNoNameString");
  auto isNoName = HostProc<int(__stdcall *)(const char *path)>("IsFileWithNoName");
  const char english[] = "(Untitled)", japanese[] = "(\x96\xb3\x91\xe8)";
  EXPECT_EQ(Text(noName(0)), english);
  EXPECT_EQ(Text(noName(1)), japanese);
  static const struct { const char *name; int expected; } cases[] = {
      {"(Untitled):2", -1}, {"D:\\(\x96\xb3\x91\xe8)", 1}, {"(untitled)", 0}, {"(Untitled)x", 0}, {":", 0},
  };
  for (const auto &c : cases) {
    char *name = GuardedReadOnlyText(c.name);
    EXPECT_EQ(isNoName(name), c.expected) << c.name;
    FreeGuarded(name);
  }
}

TEST(SourceNames, SeparatorAndOutputCopy) {
  char list[8] = "a;b";
  EXPECT_EQ(Text(HostProc<InPlace>("FormatStringForOrvex")(list)), "a;b;");
  auto output = HostProc<int(__stdcall *)(const char *source, char *destination, int size)>("GetOutputPath");
  char target[8] = "old";
  EXPECT_EQ(output("abc", 0, 0), 1);
  EXPECT_EQ(output(target, target, 8), 0);
  EXPECT_EQ(output("abcd", target, 4), 0);
  EXPECT_EQ(std::string(target), "old");
  EXPECT_EQ(output("abcd", target, 5), 1);
  EXPECT_EQ(std::string(target), "abcd");
}

// A text of `count` lines "1" to "count" separated by CR LF.
static std::string Lines(int count) {
  std::string text;
  for (int i = 1; i <= count; i++) text += std::to_string(i) + (i < count ? "\r\n" : "");
  return text;
}

TEST(DisplayText, ShortStringAndLineNumber) {
  auto shorten = HostProc<int(__stdcall *)(char *text, int *length)>("GetShortStringIfLonger");
  std::string a250(250, 'a'), a251(251, 'a');
  const struct { std::string text, expected; int length, answer; } cases[] = {
      {std::string(255, 'a'), std::string(255, 'a'), 255, 0},
      {Lines(12), Lines(11), (int)Lines(11).size(), 0},
      {Lines(11) + "\r\n\r\n\n12", Lines(11), (int)Lines(11).size(), 0},
      {std::string(300, 'a'), std::string(252, 'a') + "...", 255, 'a'},
      {a251 + "\x82\xa0" + std::string(50, 'b'), a251 + "...", 254, 'b'},
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
  char abc[] = "abc";
  auto count = HostProc<int(__stdcall *)(const char *text, const char *last)>("CountLineNumber");
  static const struct {
    const char *text;
    int last, expected;
  } lines[] = {{"a\nb\nc", 1, 1}, {"a\nb\nc", 2, 2}, {"a\r\nb", 2, 1}, {"a\r\nb", 3, 2},
               {"a\rb", 2, 2},    {"a\nb\nc", 9, 3}, {"", 0, 0}};
  for (const auto &c : lines) {
    char *text = GuardedReadOnlyText(c.text);
    EXPECT_EQ(count(text, text + c.last), c.expected) << c.text << " up to " << c.last;
    FreeGuarded(text);
  }
  EXPECT_EQ(count(abc + 1, abc), 0); // a place before the text
}

TEST(DisplayText, CompileLineCutUndoneByTheNext) {
  auto cut = HostProc<char *(__stdcall *)(char *text, char **cut, char *saved)>("SetNewEmptyEndAtCompileDotC");
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
}

typedef int(__stdcall *WindowIdIntFn)(HWND window, int id, int value);

#define SJIS_TEXT "a\x93\xfa\x96\x7b\x8c\xea\x83\x5c\r\n"
static const char kUtf8[] = "a\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e\xe3\x82\xbd\r\n";

TEST_F(BaseFolder, ProjectFileInEachEncoding) {
  auto open = HostProc<HGLOBAL(__stdcall *)(const char *, DWORD *, int *, int)>("OpenReadOnlyFileForProject");
  const struct { std::string bytes; int convert, encoding; std::string expected; } cases[] = {
      {kUtf8, 1, 1, SJIS_TEXT},
      {kUtf8, 0, -7, kUtf8},
      {"", 1, -7, ""},
  };
  for (const auto &c : cases) {
    std::string path = folder + "project.txt";
    ASSERT_TRUE(WriteFileText(path, c.bytes));
    DWORD record[2] = {99, 99};
    int encoding = -7;
    HGLOBAL block = open(path.c_str(), record, &encoding, c.convert);
    ASSERT_NE(block, nullptr) << c.expected;
    EXPECT_EQ(record[0], c.expected.size()) << c.expected;
    EXPECT_EQ(record[1], 0u);
    EXPECT_EQ(encoding, c.encoding) << c.expected;
    const char *text = (const char *)GlobalLock(block);
    EXPECT_EQ(std::string(text, record[0]), c.expected);
    EXPECT_EQ(text[record[0]], 0);
    GlobalUnlock(block);
    GlobalFree(block);
  }
  DWORD record[2] = {99, 99};
  EXPECT_EQ(open(folder.c_str(), record, 0, 1), nullptr);
  std::string path = folder + "broken.txt"; // cannot be converted: nothing
  ASSERT_TRUE(WriteFileText(path, "\xef\xbb\xbf" "bad \xff\xfe bytes"));
  int encoding = -7;
  EXPECT_EQ(open(path.c_str(), record, &encoding, 1), nullptr);
  EXPECT_EQ(encoding, -7);
}

TEST_F(BaseFolder, FileAndDirExistWithMessage) {
  auto check = HostProc<char *(__stdcall *)(HWND, char *, int, int, int, int)>("GetFileExistWithMessage");
  char path[MAX_PATH];
  strcpy(path, ("\"" + file + "\"").c_str());
  EXPECT_EQ(check(0, path, 40, 42, 41, 1), path);
  EXPECT_EQ(std::string(path), file);

  std::string missing = folder + "gone.c";
  const struct {
    int secondId, show;
    const char *result; // null: no result, path unchanged
    const char *textStart;
  } cases[] = {
      {0, 0, 0, 0},
      {42, 1, "Notepad.exe", "The file or folder cannot be found.Notepad.exe Choosing files \n"},
  };
  for (const auto &c : cases) {
    strcpy(path, missing.c_str());
    WatchBoxes({IDOK});
    char *result = check(0, path, 40, c.secondId, 41, c.show);
    std::vector<SeenBox> seen = StopWatchingBoxes();
    EXPECT_EQ(Text(result), Text(c.result ? c.result : 0));
    EXPECT_EQ(std::string(path), c.result ? c.result : missing);
    if (!c.textStart) {
      EXPECT_TRUE(seen.empty());
      continue;
    }
    ASSERT_EQ(seen.size(), 1u);
    std::string expected = std::string(c.textStart) + missing + "\n\nOS>> ";
    EXPECT_EQ(seen[0].text.substr(0, expected.size()), expected);
    EXPECT_EQ(seen[0].title, "Checking files and folders");
    EXPECT_EQ(seen[0].style, (UINT)(MB_ICONEXCLAMATION | MB_OK));
  }
  auto checkDir = HostProc<char *(__stdcall *)(HWND, char *, int, int)>("GetDirExistWithMessage");
  strcpy(path, missing.c_str());
  WatchBoxes({IDOK});
  EXPECT_EQ(checkDir(0, path, 226, 0), nullptr);
  EXPECT_EQ(checkDir(0, path, 226, 1), nullptr);
  std::vector<SeenBox> seen = StopWatchingBoxes();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, "The folder is not valid.\n" + missing);
  EXPECT_EQ(seen[0].title, "Checking folders");
  strcpy(path, folder.c_str());
  EXPECT_EQ(checkDir(0, path, 226, 1), path);
}

// A hidden window holding a list box (id 100) and a check box (101).
TEST(DialogConveniences, ChecksTabsAndTexts) {
  HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 200, 0, 0, 0, 0);
  CreateWindowExA(0, "LISTBOX", "", WS_CHILD | LBS_USETABSTOPS, 0, 0, 200, 100, window, (HMENU)100, 0, 0);
  CreateWindowExA(0, "BUTTON", "", WS_CHILD | BS_AUTOCHECKBOX, 0, 110, 100, 20, window, (HMENU)101, 0, 0);
  auto checked = HostProc<int(__stdcall *)(HWND window, int id)>("GetCheckedStateForOrvex");
  CheckDlgButton(window, 101, BST_CHECKED);
  EXPECT_EQ(checked(window, 101), 1);
  EnableWindow(GetDlgItem(window, 101), FALSE);
  EXPECT_EQ(checked(window, 101), 0);

  HWND box = GetDlgItem(window, 100);
  RECT area;
  GetClientRect(box, &area);
  int outside = area.right + 10;
  const struct { const char *function; HWND dialog; int id, position, expected; } cases[] = {
      {"SetTab", window, 100, 0, outside},          {"SetListTabs", box, 0, 40, 40},
      {"SetListTabsOutsideRect", window, 100, 40, outside}, {"SetListTabsOutsideRect", box, 0, 500, 500},
  };
  for (const auto &c : cases)
    EXPECT_EQ(HostProc<WindowIdIntFn>(c.function)(c.dialog, c.id, c.position), c.expected)
        << c.function << " " << c.id << " " << c.position;
  DestroyWindow(window);
}

// A base that names no root of its own and a drive-relative path resolve from
// the current folder of their drive, never from the drive's root; a bare file
// name saved as the base gives the folder it is in.
TEST_F(BaseFolder, RelativeBasesResolveFromTheCurrentFolder) {
  char previous[MAX_PATH], current[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, previous);
  ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str()));
  GetCurrentDirectoryA(MAX_PATH, current);
  std::string here = current, drive = here.substr(0, 2);
  const struct { std::string relative, base, expected; } rows[] = {
      {"x.c", "relative\\dir", here + "\\relative\\dir\\x.c"},
      {"\\x.c", "relative", drive + "\\x.c"},
      {drive + "foo.c", "D:\\work", here + "\\foo.c"},
  };
  auto normal = HostProc<NormalFromRelative>("FindNormalPathFromRelativePathForOrvex");
  for (const auto &row : rows) {
    char target[MAX_PATH];
    EXPECT_EQ(Text(normal(target, row.relative.c_str(), row.base.c_str())), row.expected) << row.relative;
  }
  EXPECT_EQ(Text(HostProc<PathToPath>("SaveBaseFolder")("main.c")), here);
  SetCurrentDirectoryA(previous);
}
