// Kitlib's argument and text helpers of the runner, called as the library
// calls them, with hostile input: nulls, texts right before an unreadable
// page, Shift-JIS trail bytes that look like separators.
#include <gtest/gtest.h>
#include "host/host.h"
#include <string>
#include <vector>

namespace {

typedef int(__stdcall *VectorProc)(int, char **, char **, int);
typedef int(__stdcall *TextProc)(char *);
typedef DWORD(__stdcall *NumberProc)(const char *);
typedef char *(__stdcall *FileNameProc)(int, char *);
typedef int(__stdcall *IntProc)(int);
typedef void(__stdcall *SetProc)(int);

TEST(KitlibRunner, VectorCopiesWhatFitsAndCountsEverything) {
  auto copy = KitProc<VectorProc>("GetCmdlineParamForExecuteByMyMain");
  char a[] = "a", b[] = "b", c[] = "c";
  char *argv[] = {a, b, c, nullptr}, *vector[3];
  EXPECT_EQ(copy(9, argv, vector, 3), 3) << "two fit and the null; stops at the null entry";
  EXPECT_TRUE(vector[0] == a && vector[1] == b && vector[2] == nullptr);
  EXPECT_TRUE(copy(1, argv, vector, 3) == 1 && vector[1] == nullptr);
  EXPECT_TRUE(copy(3, nullptr, vector, 3) == 0 && vector[0] == nullptr);
  EXPECT_EQ(copy(-5, argv, vector, 3) | copy(3, argv, nullptr, 3) | copy(3, argv, vector, 0), 0);
}

TEST(KitlibRunner, BellsTabsAndQuotes) {
  auto bells = KitProc<TextProc>("ReplaceAlertBellBySpace");
  auto tabs = KitProc<TextProc>("ReplaceTabBy95QuotationMark");
  auto remove = KitProc<TextProc>("Remove95Quotation");
  auto add = KitProc<TextProc>("Add95Quotation");
  char *text = GuardedText("\tC:\\My\aTools\\x.exe\t\a-c");
  EXPECT_TRUE(bells(text) && tabs(text));
  EXPECT_STREQ(text, "\"C:\\My Tools\\x.exe\" -c");
  FreeGuarded(text);
  char quoted[32] = "\"out file.txt\"";
  EXPECT_TRUE(remove(quoted) == 1 && std::string(quoted) == "out file.txt");
  EXPECT_TRUE(add(quoted) == 1 && std::string(quoted) == "\"out file.txt\"");
  for (const char *unquoted : {"\"", "\"open", "close\"", ""}) {
    char *guarded = GuardedText(unquoted);
    EXPECT_EQ(remove(guarded), 0) << unquoted;
    EXPECT_STREQ(guarded, unquoted);
    FreeGuarded(guarded);
  }
  EXPECT_EQ(bells(nullptr) | tabs(nullptr) | remove(nullptr) | add(nullptr), 0);
}

TEST(KitlibRunner, NumbersAndFileNames) {
  auto number = KitProc<NumberProc>("__fatolu");
  std::pair<const char *, DWORD> numbers[] = {{"  4294967295", 4294967295u}, {"0x1F", 31}, {"77x", 77}, {"-3", 0}};
  for (auto &row : numbers) {
    char *text = GuardedText(row.first);
    EXPECT_EQ(number(text), row.second) << row.first;
    FreeGuarded(text);
  }
  EXPECT_EQ(number(nullptr), 0u);
  auto fileName = KitProc<FileNameProc>("GetFileName");
  std::pair<const char *, const char *> names[] = {
      {"C:\\bcc\\bin\\bcc32.exe -IC:\\inc a.c", "bcc32.exe -IC:\\inc a.c"},
      {"\"C:\\a b\\x.exe\" -c", "x.exe\" -c"},
      {"C:/tools/x.exe", "x.exe"},
      {"C:\\\x95\\\\x.exe", "x.exe"}, // 表 ends in 0x5C: not a separator
      {"C:\\d\\\x95\\", "\x95\\"},
      {"", ""},
  };
  for (auto &row : names) {
    char *text = GuardedText(row.first);
    EXPECT_STREQ(fileName(0, text), row.second) << row.first;
    FreeGuarded(text);
  }
  EXPECT_EQ(fileName(0, nullptr), nullptr);
}

TEST(KitlibRunner, KeyQueryAndKeepGoingCheckStandIns) {
  auto query = KitProc<IntProc>("myGetAsyncKeyState");
  auto keepGoing = KitProc<IntProc>("DetectKetwordsToKeepCompiling");
  KitProc<SetProc>("KitPressKey")(VK_F11);
  std::vector<int> presses = {query(VK_F10) & 1, query(VK_F11) & 1, query(VK_F11) & 1, query(0), query(100000)};
  EXPECT_EQ(presses, std::vector<int>({0, 1, 0, 0, 0})) << "a press is seen once";
  KitProc<SetProc>("KitStopCompilingAfter")(2);
  std::vector<int> answers = {keepGoing(1), keepGoing(1), keepGoing(1), keepGoing(0)};
  EXPECT_EQ(answers, std::vector<int>({1, 0, 1, 0})) << "the stop is answered once; a no stays no";
}

} // namespace
