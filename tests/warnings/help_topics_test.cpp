// Help on a runtime-library function: topics of indexed names (trailing
// blanks belong to a name), the translated multibyte names, letter case and
// blanks, and opening the help file (journalled by the Kitlib stand-in).
#include "host/host.h"
#include "host/main_window.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

static int Lookup(const char *name) {
  char *guarded = GuardedReadOnlyText(name);
  int topic = HostProc<int(__stdcall *)(const char *name)>("GetHelpIdForFunctions")(guarded);
  FreeGuarded(guarded);
  return topic;
}

// Only names beginning "_ismbc" or "_mbc" (that case) are translated, the
// rest with case ignored; the lookup itself respects case and blanks.
TEST(HelpTopics, LookupCases) {
  static const struct { const char *name; int topic; } cases[] = {
      {"abort", 49000},       {"isxdigit", 49019},    {"fgetc ", 49063},    {"printf", 49103},
      {"setbuf ", 49119},     {"tan(atan)", 49122},   {"xscanf", 49169},
      {"_ismbclegal", 49073}, {"_ismbcLEGAL", 49073}, {"_ISMBCLEGAL", 0},   {"_ismbcl0", 49073},
      {"_ismbcprint", 0},     {"_mbctohira", 49085},  {"_mbcToKata", 49085}, {"_MBCtoupper", 0},
      {"_mbctombb", 0},       {"_mbsstr", 0},         {"_ismbc", 0},        {"_mbc", 0},
      {"_ismbclegalx", 0},    {"PRINTF", 0},          {"printf ", 0},       {"fgetc", 0},
      {"tz", 0},              {"_ismbcl\x82\x4f", 0},
  };
  for (const auto &c : cases) EXPECT_EQ(Lookup(c.name), c.topic) << "\"" << c.name << "\"";
}

// The help file of the product folder is asked for at the topic (command 1);
// the call answers 1 though the file is missing.
TEST(HelpTopics, OpensTheRuntimeHelpFileAtATopic) {
  HostProc<void(__stdcall *)(void)>("SetOrvexDirectory")();
  std::string path = std::string(HostProc<const char *(__stdcall *)(void)>("GetOrvexDirectory")()) + "\\ORVEXC.HLP";
  ASSERT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << path;
  auto open = HostProc<int(__stdcall *)(HWND, int)>("CallCHelpAtFunction");
  JournalClear();
  EXPECT_EQ(open(0, 49103), 1);
  EXPECT_EQ(open(reinterpret_cast<HWND>(0x1234), -1), 1);
  ExpectSameSequence({JournalLine({"help", "1", "49103", path}), JournalLine({"help", "1", "-1", path})},
                     JournalLines(), "help requests");
  JournalClear();
}
