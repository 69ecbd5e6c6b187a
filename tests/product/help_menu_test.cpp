// The help menu: a help command opens its file of the product folder at its
// topic and answers 1; the documentation site opens in the browser under
// the busy title and answers 0; other commands answer 0 and open nothing.
#include <gtest/gtest.h>
#include <functional>
#include "host/dialog_driver.h"
#include "host/files.h"

typedef int(__stdcall *OnHelpFn)(HWND, UINT, WPARAM, LPARAM);

class HelpMenu : public ::testing::Test {
protected:
  void SetUp() override {
    HostSetLanguage(0);
    HostProc<void(__stdcall *)(void)>("SetOrvexDirectory")();
    folder = HostProc<char *(__stdcall *)(void)>("GetOrvexDirectory")();
    onHelp = HostProc<OnHelpFn>("OnHelpAtCommand");
  }
  void TearDown() override {
    HostSetLanguage(0);
    SetUrlAnswer(1);
    SetWindowTextA(HostMainWindow(), "Test host");
  }
  std::string folder;
  OnHelpFn onHelp = nullptr;
};

// The contents and a topic of each help file (the other topics are rows of
// the same table); only the low 16 bits name a command, and any other number
// opens nothing.
TEST_F(HelpMenu, EachHelpCommandOpensItsFileAtItsTopic) {
  const struct { WPARAM command; const char *file, *helpCommand, *topic; } rows[] = {
      {40022, "ORVEX.HLP", "11", "0"},       {40023, "ORVEXC.HLP", "11", "0"},
      {40125, "ORVEX.HLP", "1", "49149"},    {0xABCD0000 | 40149, "OPTHELP.HLP", "1", "49148"},
      {40024, 0, 0, 0},
  };
  for (const auto &row : rows) {
    JournalClear();
    EXPECT_EQ(onHelp(HostMainWindow(), WM_COMMAND, row.command, 0), row.file ? 1 : 0) << row.command;
    std::vector<std::string> want;
    if (row.file) want.push_back(JournalLine({"help", row.helpCommand, row.topic, folder + "\\" + row.file}));
    EXPECT_EQ(JournalLines(), want) << row.command;
  }
}

// The browser gets the site under the busy title; the title (even a long
// one) is back afterwards, and the answer is 0 whatever the browser said.
TEST_F(HelpMenu, DocumentationSiteWithTheBusyTitleInBothLanguages) {
  const struct { int language; const char *busy; std::string title; int urlAnswer; } cases[] = {
      {0, "....Calling....", std::string(700, 'T'), 1},
      {1, "\x81\x63\x8c\xc4\x82\xd1\x8f\x6f\x82\xb5\x92\x86\x81\x63", "Orvex - \x83\x5c\x81\x5b\x83\x58.c", 0},
  };
  for (const auto &c : cases) {
    HostSetLanguage(c.language);
    SetUrlAnswer(c.urlAnswer);
    SetWindowTextA(HostMainWindow(), c.title.c_str());
    JournalClear();
    EXPECT_EQ(onHelp(HostMainWindow(), WM_COMMAND, 40127, 0), 0);
    std::vector<std::string> lines = JournalLines();
    ASSERT_EQ(lines.size(), 1u);
    std::vector<std::string> fields = JournalFields(lines[0]);
    ASSERT_EQ(fields.size(), 4u) << lines[0];
    EXPECT_EQ(fields[2].substr(0, 8), "https://");
    EXPECT_EQ(fields[3], c.busy);
    EXPECT_EQ(WindowText(HostMainWindow()), c.title);
  }
}

// Before the product folder is set no help file is looked up (an empty
// folder would mean the current one): not by the help commands, whose
// answers stay as they are, nor by the help buttons (40045) of the dialogs.
TEST(HelpBeforeTheProductFolder, OpensNothing) {
  HMODULE fresh = LoadFreshLibrary();
  ASSERT_NE(fresh, nullptr);
  JournalClear();
  EXPECT_EQ(((OnHelpFn)GetProcAddress(fresh, "OnHelpAtCommand"))(HostMainWindow(), WM_COMMAND, 40022, 0), 1);
  EXPECT_EQ(((int(__stdcall *)(HWND, int))GetProcAddress(fresh, "CallCHelpAtFunction"))(HostMainWindow(), 49016), 1);
  HWND main = HostMainWindow();
  HGLOBAL list = 0;
  int kind = 265;
  char source[520] = "", target[520] = "";
  char *names[5] = {0, source, 0, 0, target};
  const struct { const char *name; int control; std::function<void(FARPROC)> open; } dialogs[] = {
      {"OpenShowCmdOptionDialog", 1096,
       [&](FARPROC open) { ((int(__stdcall *)(HWND, int, int, const char *))open)(main, 0, 0, "bcc32 -c"); }},
      {"OpenConsoleColorDialog", 40215, [&](FARPROC open) { ((int(__stdcall *)(HWND, int, int, int))open)(main, 0, 0, 0); }},
      {"OpenEditDialog", 25000, [&](FARPROC open) { ((int(__stdcall *)(HWND, int, int, HGLOBAL *))open)(main, 0, 0, &list); }},
      {"OpenNewBClibDialog", 40152, [&](FARPROC open) { ((int(__stdcall *)(HWND, int, int *, char **))open)(main, 0, &kind, names); }},
  };
  for (const auto &dialog : dialogs) {
    SCOPED_TRACE(dialog.name);
    DriveOne(dialog.control, [](HWND window) { ClickNow(window, 40045), PressButton(window, IDCANCEL); },
             [&] { return dialog.open(GetProcAddress(fresh, dialog.name)), 0; });
  }
  // The completion popup's help button.
  ASSERT_EQ(((int(__stdcall *)(HWND, void *, void *))GetProcAddress(fresh, "CreatePutWordDialog"))(main, 0, 0), 1);
  HWND popup = ((HWND(__stdcall *)())GetProcAddress(fresh, "GetWndHandleForPutWordDlg"))();
  SendMessageA(popup, WM_COMMAND, 40045, 0);
  ((void(__stdcall *)())GetProcAddress(fresh, "DestroyPutWordWindow"))();
  EXPECT_EQ(JournalLines(), std::vector<std::string>());
  if (list) GlobalFree(list);
  FreeFreshLibrary(fresh);
}
