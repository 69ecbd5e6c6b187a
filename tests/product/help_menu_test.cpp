// The help menu: each command opens its help file of the product folder at
// its topic (journalled by the Kitlib stand-in) and answers 1; the
// documentation site is opened in the browser with the busy title up
// meanwhile and answers 0; every other command answers 0 and opens nothing.
#include <gtest/gtest.h>
#include "host/host.h"
#include "host/journal.h"
#include "host/main_window.h"

typedef int(__stdcall *OnHelpFn)(HWND, UINT, WPARAM, LPARAM);
typedef void(__stdcall *VoidFn)(void);
typedef char *(__stdcall *TextFn)(void);

static const char kBusyJapanese[] = "\x81\x63\x8c\xc4\x82\xd1\x8f\x6f\x82\xb5\x92\x86\x81\x63";

class HelpMenu : public ::testing::Test {
protected:
  void SetUp() override {
    HostSetLanguage(0);
    HostProc<VoidFn>("SetOrvexDirectory")();
    folder = HostProc<TextFn>("GetOrvexDirectory")();
    main = HostMainWindow();
    onHelp = HostProc<OnHelpFn>("OnHelpAtCommand");
    JournalClear();
  }
  void TearDown() override {
    HostSetLanguage(0);
    SetUrlAnswer(1);
  }
  std::string folder;
  HWND main = 0;
  OnHelpFn onHelp = nullptr;
};

TEST_F(HelpMenu, EachHelpCommandOpensItsFileAtItsTopic) {
  const struct { WPARAM command; const char *file, *helpCommand, *topic; } rows[] = {
      {40022, "ORVEX.HLP", "11", "0"},       {40023, "ORVEXC.HLP", "11", "0"},   {40046, "ORVEX.HLP", "1", "49165"},
      {40125, "ORVEX.HLP", "1", "49149"},    {40139, "ORVEX.HLP", "1", "49203"}, {40149, "OPTHELP.HLP", "1", "49148"},
      {40158, "ORVEX.HLP", "1", "49207"},    {40176, "ORVEX.HLP", "1", "49168"}, {40183, "ORVEX.HLP", "1", "49213"},
      {40230, "ORVEX.HLP", "1", "49220"},    {40232, "ORVEX.HLP", "1", "49222"},
      {0xABCD0000 | 40149, "OPTHELP.HLP", "1", "49148"}, // only the low 16 bits name the command
      // Other commands answer 0 and open nothing.
      {40024, 0, 0, 0}, {40021, 0, 0, 0}, {40233, 0, 0, 0}, {40128, 0, 0, 0},
      {0, 0, 0, 0},     {0xFFFF, 0, 0, 0}, {0x10000, 0, 0, 0},
  };
  for (const auto &row : rows) {
    JournalClear();
    EXPECT_EQ(onHelp(main, WM_COMMAND, row.command, 0), row.file ? 1 : 0) << row.command;
    std::vector<std::string> want;
    if (row.file) want.push_back(JournalLine({"help", row.helpCommand, row.topic, folder + "\\" + row.file}));
    EXPECT_EQ(JournalLines(), want) << row.command;
  }
}

// The browser gets the site while the main window's title says so; the title
// is back afterwards, and the call answers 0 whatever the browser answered.
TEST_F(HelpMenu, DocumentationSiteWithTheBusyTitleInBothLanguages) {
  std::string longTitle(700, 'T');
  const struct { int language; const char *busy; std::string title; int urlAnswer; } cases[] = {
      {0, "....Calling....", "Orvex Studio - main.c", 1},
      {1, kBusyJapanese, "Orvex Studio - \x83\x5c\x81\x5b\x83\x58.c", 0},
      {0, "....Calling....", longTitle, 1},
  };
  for (const auto &c : cases) {
    HostSetLanguage(c.language);
    SetUrlAnswer(c.urlAnswer);
    SetWindowTextA(main, c.title.c_str());
    JournalClear();
    EXPECT_EQ(onHelp(main, WM_COMMAND, 40127, 0), 0);
    std::vector<std::string> lines = JournalLines();
    ASSERT_EQ(lines.size(), 1u);
    std::vector<std::string> fields = JournalFields(lines[0]);
    ASSERT_EQ(fields.size(), 4u) << lines[0];
    EXPECT_EQ(fields[0], "url");
    EXPECT_EQ(fields[1], "0");
    EXPECT_EQ(fields[2].substr(0, 8), "https://");
    EXPECT_EQ(fields[3], c.busy);
    char title[1024];
    GetWindowTextA(main, title, sizeof title);
    EXPECT_EQ(std::string(title), c.title);
  }
  SetWindowTextA(main, "Test host");
}
