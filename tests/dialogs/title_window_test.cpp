// The title window, created for real with the test host's main window: its
// controls per close setting, the start row, the hide count, its Exit button,
// and every way it goes (the host, automatically, the user, with its owner).
#include <gtest/gtest.h>
#include "dialogs/title_calls.h"
#include "host/files.h"

typedef int(__stdcall *BoxFn)(HWND, LPCSTR, LPCSTR, UINT);

static int g_afterDestroyCalls = 0;
static HWND g_probed = 0;
static void __stdcall CountAfterDestroy() { g_afterDestroyCalls++; }

class TitleWindow : public ProductWindows {
protected:
  void SetUp() override {
    ProductWindows::SetUp();
    SetCloseSetting(1);
    HostProc<SetFn>("SetHideOrvexStartHtml")(1);
    HostProc<SetFn>("DonotShowTitleDlg")(0);
    HostProc<AfterDestroyFn>("SetDoAfterDestroyTitleWindow")(CountAfterDestroy);
    g_afterDestroyCalls = 0;
  }
  void TearDown() override {
    HostProc<AfterDestroyFn>("SetDoAfterDestroyTitleWindow")(nullptr);
    DestroyTitle();
    SetCloseSetting(1);
    HostProc<SetFn>("SetHideOrvexStartHtml")(0);
    SetUrlAnswer(1);
    HostProc<SetFn>("DonotShowTitleDlg")(0);
    SetWindowTextA(main, "Test host");
    ProductWindows::TearDown(); // the title's bitmap is gone by now
  }
};

// Mode 6 shows only the bitmap frame; a second create returns the first
// window unchanged; destroying forgets it.
TEST_F(TitleWindow, ShortTitleSecondCreateAndDestroy) {
  HWND title = CreateTitle(main, 123, 0, 6);
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(GetWindow(title, GW_CHILD), GetDlgItem(title, 1118));
  EXPECT_EQ(GetWindow(GetDlgItem(title, 1118), GW_HWNDNEXT), nullptr);
  EXPECT_TRUE(GetWindowLongA(title, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(CreateTitle(main, 999, 9, 0), title);
  EXPECT_EQ(BitmapsAlive(), bitmapsBefore + 1);
  EXPECT_EQ(TitleHandle(), title);
  EXPECT_EQ(DestroyTitle(), 1);
  EXPECT_FALSE(IsWindow(title));
  EXPECT_EQ(TitleHandle(), nullptr);
  EXPECT_EQ(HostProc<CountFn>("IsCreatTitleDlgActive")(), 0);
}

// Exit waits for the host; the automatic-close box is locked when the setting
// closes automatically and ticked for 0x16; setting 6 fills nothing.
TEST_F(TitleWindow, ControlsPerCloseSetting) {
  const struct { int setting; bool exitEnabled, autoCloseEnabled, autoCloseTicked, filled; } cases[] = {
      {1, false, true, false, true},
      {0x16, false, false, true, true},
      {2, false, false, false, true},
      {6, true, true, false, false},
  };
  for (const auto &c : cases) {
    SetCloseSetting(c.setting);
    HWND title = CreateTitle(main, 123, 0, 0);
    ASSERT_NE(title, nullptr) << c.setting;
    EXPECT_EQ(ControlEnabled(title, 1), c.exitEnabled) << c.setting;
    EXPECT_EQ(ControlEnabled(title, 1074), c.autoCloseEnabled) << c.setting;
    EXPECT_EQ(IsDlgButtonChecked(title, 1074) == BST_CHECKED, c.autoCloseTicked) << c.setting;
    EXPECT_FALSE(ControlEnabled(title, 40045)) << "no product help file";
    EXPECT_EQ(ControlText(title, 1116), c.filled ? HostMessageText(83, 0) : "") << c.setting;
    DestroyTitle();
  }
}

TEST_F(TitleWindow, HintButtonOpensTheProductHelpWhenItIsThere) {
  std::string help = HostFolder() + "ORVEX.HLP";
  ASSERT_TRUE(CloseHandle(CreateFileA(help.c_str(), GENERIC_WRITE, 0, 0, CREATE_ALWAYS, 0, 0)));
  HWND title = CreateTitle(main, 123, 0, 0);
  DeleteFileA(help.c_str());
  ASSERT_NE(title, nullptr);
  SendMessageA(GetDlgItem(title, 40045), BM_CLICK, 0, 0);
  EXPECT_EQ(JournalLines(), std::vector<std::string>({JournalLine({"help", "1", "49149", help})}));
}

// The start row is gone once the start page was shown; else the page is
// opened, and the hint stands in for the button when it cannot be.
TEST_F(TitleWindow, StartRowPerFlagAndBrowserAnswer) {
  SetWindowTextA(main, "Orvex Studio - starting");
  const struct { int shown, answer; size_t opened; } rows[] = {{1, 1, 0}, {0, 1, 1}, {0, 0, 1}};
  int shortHeight = 0;
  for (const auto &r : rows) {
    HostProc<SetFn>("SetHideOrvexStartHtml")(r.shown);
    SetUrlAnswer(r.answer);
    JournalClear();
    HWND title = CreateTitle(main, 123, 0, 0);
    RECT client, button;
    GetClientRect(title, &client);
    GetWindowRect(GetDlgItem(title, 1016), &button);
    if (r.shown) {
      shortHeight = client.bottom;
    } else {
      EXPECT_EQ(client.bottom - shortHeight, button.bottom - button.top) << r.answer;
      EXPECT_EQ(ControlVisible(title, 1016), r.answer == 1);
      EXPECT_EQ(ControlVisible(title, 1018), r.answer == 0);
    }
    EXPECT_EQ(HostProc<CountFn>("IsHideOrvexStartHtml")(), r.shown | r.answer);
    std::vector<std::string> lines = JournalLines();
    ASSERT_EQ(lines.size(), r.opened);
    for (const std::string &line : lines) EXPECT_EQ(JournalFields(line).at(3), "Orvex Studio - starting");
    DestroyTitle();
  }
}

// Hides count; shows undo them one by one; "do not show" keeps it hidden; a
// library box hides it while up. A show while showing is not allowed, with
// no hide before it, leaves no debt: the next hide still hides the window.
TEST_F(TitleWindow, HideCountDoNotShowAndBoxes) {
  HWND title = CreateTitle(main, 123, 0, 0);
  ASSERT_NE(title, nullptr);
  HideTitle();
  HideTitle();
  ShowTitle();
  EXPECT_FALSE(IsWindowVisible(title));
  ShowTitle();
  EXPECT_TRUE(IsWindowVisible(title));
  g_probed = title;
  WatchBoxes({IDOK}, [] { return IsWindowVisible(g_probed) ? 1 : 0; });
  HostProc<BoxFn>("_myMessageBoxForOrvex")(main, "text", "title", MB_OK);
  EXPECT_EQ(StopWatchingBoxes().at(0).probe, 0);
  EXPECT_TRUE(IsWindowVisible(title));
  HostProc<SetFn>("DonotShowTitleDlg")(1);
  ShowTitle();
  HostProc<SetFn>("DonotShowTitleDlg")(0);
  HideTitle();
  EXPECT_FALSE(IsWindowVisible(title));
  ShowTitle();
  HostProc<SetFn>("DonotShowTitleDlg")(1);
  HideTitle();
  ShowTitle();
  ShowTitle();
  EXPECT_FALSE(IsWindowVisible(title));
}

// The after-destroy function runs also with no window; the setting's bit 2
// lets the window close automatically; Exit stores the automatic-close
// choice, then the window goes and the after-destroy function runs.
TEST_F(TitleWindow, AfterDestroyAutomaticCloseAndExit) {
  CountFn automatic = HostProc<CountFn>("CloseTitleWindowByAutomatic");
  EXPECT_EQ(DestroyTitle(), 0);
  EXPECT_EQ(automatic(), 0);
  EXPECT_EQ(g_afterDestroyCalls, 2);
  const struct { int setting, closed; } cases[] = {{0x16, 1}, {2, 1}, {1, 0}, {4, 0}};
  for (const auto &c : cases) {
    SetCloseSetting(c.setting);
    HWND title = CreateTitle(main, 123, 0, 0);
    EXPECT_EQ(automatic(), c.closed) << c.setting;
    EXPECT_EQ(IsWindow(title) != 0, !c.closed) << c.setting;
    EXPECT_EQ(DestroyTitle(), !c.closed) << c.setting;
  }
  for (bool tick : {true, false}) {
    SetCloseSetting(1);
    g_afterDestroyCalls = 0;
    HWND title = CreateTitle(main, 123, 0, 0);
    HostProc<void(__stdcall *)(int, int)>("SendEnableWindowToTitleDlg")(1, 1);
    if (tick) SendMessageA(GetDlgItem(title, 1074), BM_CLICK, 0, 0);
    SendMessageA(GetDlgItem(title, 1), BM_CLICK, 0, 0);
    EXPECT_EQ(HostProc<CountFn>("IsCloseTitleWindow")(), tick ? 0x16 : 1);
    EXPECT_FALSE(IsWindow(title));
    EXPECT_EQ(g_afterDestroyCalls, 1);
  }
}

// Destroyed with its owner, the window is forgotten, its bitmap deleted and
// Kitlib's functions withdrawn: a box after the library is gone must not call
// into it. A new window starts unhidden.
TEST_F(TitleWindow, DestroyedWithItsOwner) {
  HMODULE fresh = LoadFreshLibrary();
  ASSERT_NE(fresh, nullptr);
  HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100, 0, 0, 0, 0);
  HWND title = ((CreateTitleFn)GetProcAddress(fresh, "CreateTitleDialog"))(owner, 123, 0, 0);
  ASSERT_NE(title, nullptr);
  ((VoidFn)GetProcAddress(fresh, "HideTitleDlg"))();
  DestroyWindow(owner);
  EXPECT_FALSE(IsWindow(title));
  EXPECT_EQ(((WindowFn)GetProcAddress(fresh, "GetWndHandleForTitleDlg"))(), nullptr);
  EXPECT_EQ(BitmapsAlive(), bitmapsBefore);
  FreeFreshLibrary(fresh);
  WatchBoxes({IDOK});
  EXPECT_EQ(KitProc<BoxFn>("_myMessageBox")(main, "after", "t", MB_OK), IDOK);
  EXPECT_EQ(StopWatchingBoxes().size(), 1u);

  owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100, 0, 0, 0, 0);
  ASSERT_NE(CreateTitle(owner, 123, 0, 0), nullptr);
  HideTitle();
  DestroyWindow(owner);
  HWND again = CreateTitle(main, 123, 0, 0);
  HideTitle();
  EXPECT_FALSE(IsWindowVisible(again));
}
