// The Kitlib stand-in's operations the product folder, help and helper
// starts rely on: path joining within MAX_PATH, j_lstristr, quoting, the
// existence box, the journal's bounds, the hide/show pair around boxes and
// the buffer size word.
#include <gtest/gtest.h>
#include "host/box_watcher.h"
#include "host/host.h"
#include "host/journal.h"
#include "host/main_window.h"

typedef int(__stdcall *FullPathFn)(char *, const char *, const char *);
typedef char *(__stdcall *FindFn)(const char *, const char *);
typedef int(__stdcall *ShowHelpFn)(int, HWND, const char *, const char *, int, int);
typedef int(__stdcall *BoxFn)(HWND, const char *, const char *, UINT);

static std::string Folder() {
  std::string folder = HostFolder();
  return folder.substr(0, folder.size() - 1);
}

TEST(KitlibPaths, FullPathJoinsWithinMaxPath) {
  FullPathFn join = KitProc<FullPathFn>("myGetFullPathName");
  const std::string longFolder = "C:\\" + std::string(246, 'f');
  const struct { std::string folder, name, expected; } cases[] = {
      {"C:\\", "x.exe", "C:\\x.exe"},
      {"C:\\\x83\x5c", "x.exe", "C:\\\x83\x5c\\x.exe"}, // a trail byte 0x5C is no separator
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
  EXPECT_EQ(join(nullptr, "C:\\", "a"), 0);
}

// j_lstristr finds its first argument in its second, ASCII letters folded,
// only at character starts.
TEST(KitlibPaths, CaseInsensitiveSearchAndQuoting) {
  FindFn find = KitProc<FindFn>("j_lstristr");
  const struct { std::string needle, text; int at; } cases[] = {
      {"c:\\Orvex", "\"C:\\ORVEX\\main.c\"", 1}, {"xxABCxx", "abc", -1}, {"", "abc", 0},
      {"\x83\x61", "\x83\x41", -1}, // "ャ" is not "ア"
      {"A", "\x83\x61" "a", 2},     // a trail byte is not a letter
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
  auto quote = KitProc<int(__stdcall *)(char *)>("Add95QuotationForAnySpaceIfNotThere");
  char text[32] = "C:\\a b\\X.EXE", quoted[32] = "\"C:\\a b\"", plain[32] = "C:\\ab";
  EXPECT_EQ(quote(text), 1);
  EXPECT_STREQ(text, "\"C:\\a b\\X.EXE\"");
  EXPECT_EQ(quote(quoted) + quote(plain) + quote(nullptr), 0);
  EXPECT_STREQ(quoted, "\"C:\\a b\"");
}

TEST(KitlibPaths, ExistenceCheckTellsTheUserWhatIsMissing) {
  ASSERT_TRUE(AnsiCodePageKeepsEveryByte());
  auto exists = KitProc<int(__stdcall *)(HWND, const char *, int, int)>("IsFileDirExistWithMessage");
  HWND main = HostMainWindow(); // the owner of boxes without one
  std::string missing = HostFolder() + "missing helper.exe";
  WatchBoxes({IDOK});
  EXPECT_EQ(exists(0, (HostFolder() + "kitlib.dll").c_str(), 2, 0), 1);
  EXPECT_EQ(exists(0, Folder().c_str(), 1, 0), 1);
  EXPECT_EQ(exists(0, missing.c_str(), 2, 1), 0); // quiet
  EXPECT_EQ(exists(0, missing.c_str(), 2, 0), 0);
  EXPECT_EQ(exists(0, Folder().c_str(), 2, 0), 0); // a folder is no file
  EXPECT_EQ(exists(0, nullptr, 2, 0), 0);
  std::vector<SeenBox> seen = StopWatchingBoxes();
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].text, missing + "\n\nThe file or folder is not found.");
  EXPECT_EQ(seen[0].title, "Checking files");
  EXPECT_EQ(seen[0].owner, main);
  EXPECT_EQ(seen[1].text, Folder() + "\n\nThe file or folder is not found.");
}

// Lines are handed out whole or cut on a character; bad indexes and buffers
// give nothing; the oldest lines go when the journal is full.
TEST(KitlibJournal, LinesAreBoundedAndTheOldestGoFirst) {
  ShowHelpFn show = KitProc<ShowHelpFn>("myShowHelpFile");
  auto line = KitProc<int(__stdcall *)(int, char *, int)>("KitJournalLine");
  JournalClear();
  EXPECT_EQ(show(-1, 0, "C:\\\x83\x5c", "x.hlp", 1, 2), 0); // "help\t1\t2\tC:\\ソ\\x.hlp"
  char text[16];
  memset(text, 'z', sizeof text);
  EXPECT_EQ(line(0, text, 13), 12); // the two-byte character does not fit whole
  EXPECT_STREQ(text, "help\t1\t2\tC:\\");
  EXPECT_EQ(text[13], 'z');
  EXPECT_EQ(line(1, text, sizeof text) + line(-1, text, sizeof text) + line(0, nullptr, 10) + line(0, text, 0), 0);
  JournalClear();
  for (int topic = 0; topic < 300; topic++) show(-1, 0, "C:", "x.hlp", 1, topic);
  std::vector<std::string> lines = JournalLines();
  ASSERT_EQ(lines.size(), 256u);
  EXPECT_EQ(lines.front(), JournalLine({"help", "1", "44", "C:\\x.hlp"}));
  JournalClear();
}

static int g_hides = 0, g_shows = 0;
static void __stdcall CountHide() { g_hides++; }
static void __stdcall CountShow() { g_shows++; }
static int PairCallsWhileUp() { return g_hides * 10 + g_shows; }

TEST(KitlibBoxes, EveryBoxHasTheHideAndShowPairAroundIt) {
  auto pair = KitProc<void(__stdcall *)(void(__stdcall *)(void), void(__stdcall *)(void))>(
      "SetDisableBoxBeforeMessageBox");
  BoxFn box = KitProc<BoxFn>("_myMessageBox");
  g_hides = g_shows = 0;
  pair(CountShow, CountHide);
  WatchBoxes({IDOK}, PairCallsWhileUp);
  box(HostMainWindow(), "one", "t", MB_OK);
  pair(0, 0);
  box(HostMainWindow(), "after withdrawal", "t", MB_OK);
  std::vector<SeenBox> seen = StopWatchingBoxes();
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].probe, 10); // hidden before, not yet shown
  EXPECT_EQ(g_hides * 10 + g_shows, 11);
}

TEST(KitlibBuffers, TheSizeWordReceivesTheBufferSize) {
  auto take = KitProc<char *(__stdcall *)(HGLOBAL *, int, int, void *)>("GetStringPointerBySize");
  auto outstanding = KitProc<int(__stdcall *)()>("KitBuffersOutstanding");
  int before = outstanding();
  HGLOBAL handle = 0;
  INT32 size = -1;
  char *buffer = take(&handle, 0, 1040, &size);
  ASSERT_NE(buffer, nullptr);
  EXPECT_EQ(size, 1040);
  memset(buffer, 'z', 1040);
  EXPECT_LE(KitProc<int(__stdcall *)(char *, int)>("GetCPUtype")(buffer, 10), 9);
  EXPECT_EQ(buffer[10], 'z');
  KitProc<void(__stdcall *)(HGLOBAL, char *)>("FreeStringPointer")(handle, buffer);
  EXPECT_EQ(outstanding(), before);
  EXPECT_EQ(take(&handle, 0, 0, &size), nullptr);
  EXPECT_EQ(size, 0);
}
