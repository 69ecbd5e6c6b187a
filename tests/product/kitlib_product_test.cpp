// The Kitlib stand-in's operations the product folder and help rely on:
// path joining within MAX_PATH, j_lstristr, the journal's bounds and the
// buffer size word.
#include <gtest/gtest.h>
#include "host/host.h"
#include "host/journal.h"

typedef int(__stdcall *FullPathFn)(char *, const char *, const char *);
typedef char *(__stdcall *FindFn)(const char *, const char *);
typedef int(__stdcall *ShowHelpFn)(int, HWND, const char *, const char *, int, int);

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
TEST(KitlibPaths, CaseInsensitiveSearchAtCharacterStarts) {
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
