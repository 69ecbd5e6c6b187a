// The Kitlib stand-in's operations for the product folder, help and helper
// starts, as the library relies on them: path joining within MAX_PATH, the
// direction and character rules of j_lstristr, quoting, the existence box,
// the journal's bounds, the hide/show pair around boxes, the buffer size
// word, and the texts of the maker's message library.
#include <gtest/gtest.h>
#include "host/box_watcher.h"
#include "host/host.h"
#include "host/journal.h"
#include "host/main_window.h"

typedef int(__stdcall *FullPathFn)(char *, const char *, const char *);
typedef char *(__stdcall *FindFn)(const char *, const char *);
typedef int(__stdcall *QuoteFn)(char *);
typedef int(__stdcall *ExistFn)(HWND, const char *, int, int);
typedef int(__stdcall *HelpFileFn)(int, const char *, const char *, char *, int *);
typedef int(__stdcall *ShowHelpFn)(int, HWND, const char *, const char *, int, int);
typedef int(__stdcall *JournalLineFn)(int, char *, int);
typedef void(__stdcall *PairFn)(void(__stdcall *)(void), void(__stdcall *)(void));
typedef int(__stdcall *BoxFn)(HWND, const char *, const char *, UINT);
typedef char *(__stdcall *BufferFn)(HGLOBAL *, int, int, void *);
typedef void(__stdcall *FreeBufferFn)(HGLOBAL, char *);
typedef int(__stdcall *LoadTextFn)(HINSTANCE, int, int, char *, int);

static std::string Folder() {
  std::string folder = HostFolder();
  return folder.substr(0, folder.size() - 1);
}

TEST(KitlibPaths, FullPathJoinsWithinMaxPath) {
  FullPathFn join = KitProc<FullPathFn>("myGetFullPathName");
  const std::string longFolder = "C:\\" + std::string(246, 'f');
  const struct { std::string folder, name, expected; } cases[] = {
      {"C:\\a b", "ORVEX.HLP", "C:\\a b\\ORVEX.HLP"},
      {"C:\\", "x.exe", "C:\\x.exe"},
      {"C:\\\x83\x5c", "x.exe", "C:\\\x83\x5c\\x.exe"}, // a trail byte 0x5C is no separator
      {"", "x.exe", "x.exe"},
      {longFolder, "ORVEX.HLP", longFolder + "\\ORVEX.HLP"}, // 259 bytes
      {longFolder, "ORVEXC.HLP", ""},                        // 260: does not fit
  };
  for (const auto &c : cases) {
    char target[MAX_PATH + 16];
    memset(target, 'z', sizeof target);
    char *folder = GuardedText(c.folder.c_str()), *name = GuardedText(c.name.c_str());
    EXPECT_EQ(join(target, folder, name), (int)c.expected.size()) << c.folder << " " << c.name;
    EXPECT_EQ(std::string(target), c.expected);
    EXPECT_EQ(target[MAX_PATH], 'z') << "written past MAX_PATH";
    FreeGuarded(folder);
    FreeGuarded(name);
  }
  char target[MAX_PATH] = "x";
  EXPECT_EQ(join(target, nullptr, "a"), 0);
  EXPECT_EQ(join(nullptr, "C:\\", "a"), 0);
  EXPECT_STREQ(target, "");
}

// j_lstristr finds its first argument in its second, ASCII letters folded,
// only at character starts.
TEST(KitlibPaths, CaseInsensitiveSearchFindsTheFirstInTheSecond) {
  FindFn find = KitProc<FindFn>("j_lstristr");
  const struct { std::string needle, text; int at; } cases[] = {
      {"c:\\Orvex", "\"C:\\ORVEX\\main.c\"", 1},
      {"abc", "xxABCxx", 2},
      {"xxABCxx", "abc", -1},
      {"", "abc", 0},
      {"a", "", -1},
      {"\x83\x61", "\x83\x41", -1}, // "ャ" is not "ア"
      {"a", "\x83\x61", -1},        // a trail byte is not a letter
      {"A", "\x83\x61" "a", 2},
      {"\x83\x5c", "C:\\\x83\x5c", 3},
      {"\\", "\x83\x5c", -1},
  };
  for (const auto &c : cases) {
    char *needle = GuardedText(c.needle.c_str()), *text = GuardedText(c.text.c_str());
    char *found = find(needle, text);
    EXPECT_EQ(found ? (int)(found - text) : -1, c.at) << c.needle << " in " << c.text;
    FreeGuarded(needle);
    FreeGuarded(text);
  }
  EXPECT_EQ(find(nullptr, "a"), nullptr);
  EXPECT_EQ(find("a", nullptr), nullptr);
}

TEST(KitlibPaths, QuotesOnlyAnUnquotedPathWithABlank) {
  QuoteFn quote = KitProc<QuoteFn>("Add95QuotationForAnySpaceIfNotThere");
  const struct { const char *text, *expected; int added; } cases[] = {
      {"C:\\a b\\ORVEX.EXE", "\"C:\\a b\\ORVEX.EXE\"", 1},
      {"C:\\ab\\ORVEX.EXE", "C:\\ab\\ORVEX.EXE", 0},
      {"\"C:\\a b\"", "\"C:\\a b\"", 0},
      {"", "", 0},
  };
  for (const auto &c : cases) {
    char text[64];
    strcpy(text, c.text);
    EXPECT_EQ(quote(text), c.added) << c.text;
    EXPECT_STREQ(text, c.expected);
  }
  EXPECT_EQ(quote(nullptr), 0);
}

TEST(KitlibPaths, HelpFileFoundAndFileRemoved) {
  HelpFileFn look = KitProc<HelpFileFn>("GetAppropriateHelpFile");
  char found[MAX_PATH] = "x";
  int answer = -5;
  EXPECT_EQ(look(-1, Folder().c_str(), "kitlib.dll", found, &answer), 1);
  EXPECT_EQ(answer, 1);
  EXPECT_EQ(std::string(found), Folder() + "\\kitlib.dll");
  EXPECT_EQ(look(-1, Folder().c_str(), "NO SUCH.HLP", found, &answer), 0);
  EXPECT_EQ(answer, 0);
  EXPECT_STREQ(found, "");
  EXPECT_EQ(look(-1, Folder().c_str(), "kitlib.dll", nullptr, nullptr), 1);

  std::string path = HostFolder() + "remove-me-" + std::to_string(GetCurrentProcessId()) + ".txt";
  CloseHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, 0, CREATE_ALWAYS, 0, 0));
  auto remove = KitProc<int(__stdcall *)(const char *)>("myRemove");
  EXPECT_EQ(remove(path.c_str()), 1);
  EXPECT_EQ(remove(path.c_str()), 0);
  EXPECT_EQ(remove(""), 0);
  EXPECT_EQ(remove(nullptr), 0);
}

TEST(KitlibPaths, ExistenceCheckTellsTheUserWhatIsMissing) {
  ASSERT_TRUE(AnsiCodePageKeepsEveryByte());
  ExistFn exists = KitProc<ExistFn>("IsFileDirExistWithMessage");
  HWND main = HostMainWindow(); // the owner of boxes without one
  std::string file = HostFolder() + "kitlib.dll", missing = HostFolder() + "missing helper.exe";
  WatchBoxes({IDOK});
  EXPECT_EQ(exists(0, file.c_str(), 2, 0), 1);
  EXPECT_EQ(exists(0, Folder().c_str(), 1, 0), 1);
  EXPECT_EQ(exists(0, Folder().c_str(), 0, 0), 1);
  EXPECT_EQ(exists(0, missing.c_str(), 2, 1), 0); // quiet
  EXPECT_TRUE(StopWatchingBoxes().empty());

  WatchBoxes({IDOK});
  EXPECT_EQ(exists(0, missing.c_str(), 2, 0), 0);
  EXPECT_EQ(exists(0, Folder().c_str(), 2, 0), 0); // a folder is no file
  HostSetLanguage(1);
  EXPECT_EQ(exists(0, nullptr, 2, 0), 0);
  HostSetLanguage(0);
  std::vector<SeenBox> seen = StopWatchingBoxes();
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].text, missing + "\n\nThe file or folder is not found.");
  EXPECT_EQ(seen[0].title, "Checking files");
  EXPECT_EQ(seen[0].owner, main);
  EXPECT_EQ(seen[0].style, (UINT)(MB_OK | MB_ICONEXCLAMATION));
  EXPECT_EQ(seen[1].text, Folder() + "\n\nThe file or folder is not found.");
  EXPECT_EQ(seen[2].title, "\xcc\xa7\xb2\xd9\x82\xcc\x8a\x6d\x94\x46");
}

TEST(KitlibJournal, HelpRequestsAnswerWhetherTheFileExists) {
  ShowHelpFn show = KitProc<ShowHelpFn>("myShowHelpFile");
  JournalClear();
  EXPECT_EQ(show(-1, HostMainWindow(), Folder().c_str(), "kitlib.dll", 1, 7), 1);
  EXPECT_EQ(show(-1, 0, Folder().c_str(), "ORVEXC.HLP", 11, 0), 0);
  EXPECT_EQ(show(-1, 0, nullptr, nullptr, 1, -3), 0);
  std::vector<std::string> expected = {JournalLine({"help", "1", "7", Folder() + "\\kitlib.dll"}),
                                       JournalLine({"help", "11", "0", Folder() + "\\ORVEXC.HLP"}),
                                       JournalLine({"help", "1", "-3", ""})};
  EXPECT_EQ(JournalLines(), expected);
}

// Lines are handed out whole or cut on a character; indexes outside the
// journal and bad buffers give nothing; the oldest lines go when it is full.
TEST(KitlibJournal, LinesAreBoundedAndTheOldestGoFirst) {
  ShowHelpFn show = KitProc<ShowHelpFn>("myShowHelpFile");
  JournalLineFn line = KitProc<JournalLineFn>("KitJournalLine");
  JournalClear();
  show(-1, 0, "C:\\\x83\x5c", "x.hlp", 1, 2); // "help\t1\t2\tC:\\ソ\\x.hlp"
  char text[16];
  memset(text, 'z', sizeof text);
  EXPECT_EQ(line(0, text, 13), 12); // the two-byte character does not fit whole
  EXPECT_STREQ(text, "help\t1\t2\tC:\\");
  EXPECT_EQ(text[13], 'z');
  EXPECT_EQ(line(1, text, sizeof text), 0);
  EXPECT_STREQ(text, "");
  EXPECT_EQ(line(-1, text, sizeof text), 0);
  EXPECT_EQ(line(0, nullptr, 10), 0);
  EXPECT_EQ(line(0, text, 0), 0);

  JournalClear();
  for (int topic = 0; topic < 300; topic++) show(-1, 0, "C:", "x.hlp", 1, topic);
  std::vector<std::string> lines = JournalLines();
  ASSERT_EQ(lines.size(), 256u);
  EXPECT_EQ(lines.front(), JournalLine({"help", "1", "44", "C:\\x.hlp"}));
  EXPECT_EQ(lines.back(), JournalLine({"help", "1", "299", "C:\\x.hlp"}));
  JournalClear();
  EXPECT_TRUE(JournalLines().empty());
}

// Counted calls of the pair registered with Kitlib, and what they were when
// a box was up.
static int g_hides = 0, g_shows = 0;
static void __stdcall CountHide() { g_hides++; }
static void __stdcall CountShow() { g_shows++; }
static int PairCallsWhileUp() { return g_hides * 10 + g_shows; }

TEST(KitlibBoxes, EveryBoxHasTheHideAndShowPairAroundIt) {
  PairFn pair = KitProc<PairFn>("SetDisableBoxBeforeMessageBox");
  BoxFn box = KitProc<BoxFn>("_myMessageBox");
  auto loaded = KitProc<int(__stdcall *)(HINSTANCE, HWND, int, int, UINT)>("_myMessageBoxForLoadString");
  g_hides = g_shows = 0;
  pair(CountShow, CountHide);
  WatchBoxes({IDOK}, PairCallsWhileUp);
  box(HostMainWindow(), "one", "t", MB_OK);
  loaded(HostMessageLibrary(), HostMainWindow(), 2, 3, MB_OK);
  pair(0, 0);
  box(HostMainWindow(), "after withdrawal", "t", MB_OK);
  std::vector<SeenBox> seen = StopWatchingBoxes();
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].probe, 10); // hidden before, not yet shown
  EXPECT_EQ(seen[1].probe, 21);
  EXPECT_EQ(g_hides, 2);
  EXPECT_EQ(g_shows, 2);
}

TEST(KitlibBuffers, TheSizeWordReceivesTheBufferSize) {
  BufferFn take = KitProc<BufferFn>("GetStringPointerBySize");
  FreeBufferFn release = KitProc<FreeBufferFn>("FreeStringPointer");
  auto outstanding = KitProc<int(__stdcall *)()>("KitBuffersOutstanding");
  int before = outstanding();
  HGLOBAL handle = 0;
  INT32 size = -1;
  char *buffer = take(&handle, 0, 1040, &size);
  ASSERT_NE(buffer, nullptr);
  EXPECT_EQ(size, 1040);
  EXPECT_EQ(outstanding(), before + 1);
  auto cpu = KitProc<int(__stdcall *)(char *, int)>("GetCPUtype");
  memset(buffer, 'z', 1040);
  int length = cpu(buffer, 10);
  EXPECT_LE(length, 9);
  EXPECT_EQ(buffer[10], 'z');
  release(handle, buffer);
  EXPECT_EQ(outstanding(), before);
  EXPECT_EQ(take(&handle, 0, 0, &size), nullptr);
  EXPECT_EQ(size, 0);
}

// The texts the product's boxes use exist in both languages and differ,
// except the product's name.
TEST(KitlibTexts, TextsInBothLanguages) {
  char english[256], japanese[256];
  LoadTextFn load = KitProc<LoadTextFn>("KitLoadText");
  HINSTANCE kitmsg = GetModuleHandleA("kitmsg.dll");
  ASSERT_NE(kitmsg, nullptr);
  EXPECT_GT(load(kitmsg, 8215, 0, english, sizeof english), 0);
  EXPECT_GT(load(kitmsg, 8215, 1, japanese, sizeof japanese), 0);
  EXPECT_STRNE(english, japanese);
  EXPECT_EQ(HostMessageText(221, 0), HostMessageText(221, 1));
  for (int id : {82, 83, 314, 315, 316, 317, 318}) {
    std::string en = HostMessageText(id, 0), ja = HostMessageText(id, 1);
    EXPECT_TRUE(!en.empty() && !ja.empty() && en != ja) << id;
  }
}
