// Kitlib's argument and text helpers of the runner, called as the library
// calls them, with hostile input: nulls, texts right before an unreadable
// page, Shift-JIS trail bytes that look like separators.
#include <gtest/gtest.h>
#include "host/host.h"
#include <string>

namespace {

typedef int(__stdcall *VectorProc)(int, char **, char **, int);
typedef int(__stdcall *TextProc)(char *);
typedef DWORD(__stdcall *NumberProc)(const char *);
typedef char *(__stdcall *FileNameProc)(int, char *);

TEST(KitlibRunner, VectorCopiesWhatFitsAndCountsEverything) {
  auto copy = KitProc<VectorProc>("GetCmdlineParamForExecuteByMyMain");
  char a[] = "a", b[] = "b", c[] = "c";
  char *argv[] = {a, b, c, nullptr};
  char *vector[3];
  EXPECT_EQ(copy(3, argv, vector, 3), 3); // two fit, and the null
  EXPECT_EQ(vector[0], a);
  EXPECT_EQ(vector[1], b);
  EXPECT_EQ(vector[2], nullptr);
  EXPECT_EQ(copy(9, argv, vector, 3), 3) << "stops at the null entry";
  EXPECT_EQ(copy(1, argv, vector, 3), 1);
  EXPECT_EQ(vector[1], nullptr);
  EXPECT_EQ(copy(3, nullptr, vector, 3), 0);
  EXPECT_EQ(vector[0], nullptr);
  EXPECT_EQ(copy(-5, argv, vector, 3), 0);
  EXPECT_EQ(copy(3, argv, nullptr, 3), 0);
  EXPECT_EQ(copy(3, argv, vector, 0), 0);
}

TEST(KitlibRunner, BellsAndTabsBecomeBlanksAndQuotes) {
  auto bells = KitProc<TextProc>("ReplaceAlertBellBySpace");
  auto tabs = KitProc<TextProc>("ReplaceTabBy95QuotationMark");
  char *text = GuardedText("\tC:\\My\aTools\\x.exe\t\a-c");
  EXPECT_NE(bells(text), 0);
  EXPECT_NE(tabs(text), 0);
  EXPECT_STREQ(text, "\"C:\\My Tools\\x.exe\" -c");
  FreeGuarded(text);
  EXPECT_EQ(bells(nullptr), 0);
  EXPECT_EQ(tabs(nullptr), 0);
}

TEST(KitlibRunner, NumbersInTextForm) {
  auto number = KitProc<NumberProc>("__fatolu");
  struct {
    const char *text;
    DWORD value;
  } rows[] = {{"123", 123}, {"  4294967295", 4294967295u}, {"0x1F", 31}, {"77x", 77}, {"", 0}, {"-3", 0}};
  for (auto &row : rows) {
    char *text = GuardedText(row.text);
    EXPECT_EQ(number(text), row.value) << row.text;
    FreeGuarded(text);
  }
  EXPECT_EQ(number(nullptr), 0u);
}

TEST(KitlibRunner, FileNameOfAPathOrACommandLine) {
  auto fileName = KitProc<FileNameProc>("GetFileName");
  struct {
    const char *text;
    const char *name;
  } rows[] = {
      {"C:\\bcc\\bin\\bcc32.exe", "bcc32.exe"},
      {"C:\\bcc\\bin\\bcc32.exe -IC:\\inc a.c", "bcc32.exe -IC:\\inc a.c"},
      {"\"C:\\a b\\x.exe\" -c", "x.exe\" -c"},
      {"C:/tools/x.exe", "x.exe"},
      {"x.exe", "x.exe"},
      {"C:\\\x95\\\\x.exe", "x.exe"}, // 表 ends in 0x5C: not a separator
      {"C:\\d\\\x95\\", "\x95\\"},
      {"", ""},
  };
  for (auto &row : rows) {
    char *text = GuardedText(row.text);
    EXPECT_STREQ(fileName(0, text), row.name) << row.text;
    FreeGuarded(text);
  }
  EXPECT_EQ(fileName(0, nullptr), nullptr);
}

TEST(KitlibRunner, QuotesAroundAText) {
  auto remove = KitProc<TextProc>("Remove95Quotation");
  auto add = KitProc<TextProc>("Add95Quotation");
  char text[32] = "\"out file.txt\"";
  EXPECT_EQ(remove(text), 1);
  EXPECT_STREQ(text, "out file.txt");
  EXPECT_EQ(add(text), 1);
  EXPECT_STREQ(text, "\"out file.txt\"");
  for (const char *unquoted : {"plain", "\"", "\"open", "close\"", ""}) {
    char *guarded = GuardedText(unquoted);
    EXPECT_EQ(remove(guarded), 0) << unquoted;
    EXPECT_STREQ(guarded, unquoted);
    FreeGuarded(guarded);
  }
  EXPECT_EQ(remove(nullptr), 0);
  EXPECT_EQ(add(nullptr), 0);
}

TEST(KitlibRunner, KeyQueryAndKeepGoingCheckStandIns) {
  typedef int(__stdcall *IntProc)(int);
  typedef void(__stdcall *SetProc)(int);
  auto query = KitProc<IntProc>("myGetAsyncKeyState");
  auto keepGoing = KitProc<IntProc>("DetectKetwordsToKeepCompiling");
  KitProc<SetProc>("KitPressKey")(VK_F11);
  EXPECT_EQ(query(VK_F10) & 1, 0);
  EXPECT_EQ(query(VK_F11) & 1, 1);
  EXPECT_EQ(query(VK_F11) & 1, 0) << "a simulated press is seen once";
  EXPECT_EQ(query(0), 0);
  EXPECT_EQ(query(100000), 0);
  KitProc<SetProc>("KitStopCompilingAfter")(2);
  EXPECT_EQ(keepGoing(1), 1);
  EXPECT_EQ(keepGoing(1), 0);
  EXPECT_EQ(keepGoing(1), 1) << "the stop is answered once";
  EXPECT_EQ(keepGoing(0), 0) << "a no stays no";
}

} // namespace
