// The title window, created for real through the library with the test
// host's main window: its controls per close setting, the start row, the
// hide count and the boxes that hide it, its Exit button, and every way it
// goes (the host, automatically, the user, with its owner).
#include <gtest/gtest.h>
#include "dialogs/title_calls.h"
#include "host/box_watcher.h"
#include "host/dialog_driver.h"
#include "host/fresh_library.h"
#include "host/journal.h"
#include "host/main_window.h"

static const char kVersionTitle[] = "Orvex Studio Version 1.00 (test host)";
static const char kStartHint[] = "You can start with the menu of [Help]-[To Begin with...]-[Quick Programming]";

static int g_afterDestroyCalls = 0;
static void __stdcall CountAfterDestroy() { g_afterDestroyCalls++; }

class TitleWindow : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(PrepareHostForProductWindows());
    main = HostMainWindow();
    SetCloseSetting(1);
    SetStartPageShown(1);
    HostProc<SetFn>("DonotShowTitleDlg")(0);
    HostProc<AfterDestroyFn>("SetDoAfterDestroyTitleWindow")(nullptr);
    SetUrlAnswer(1);
    bitmapsBefore = BitmapsAlive();
  }
  void TearDown() override {
    StopWatchingBoxes();
    HostProc<AfterDestroyFn>("SetDoAfterDestroyTitleWindow")(nullptr);
    DestroyTitle();
    SetCloseSetting(1);
    SetStartPageShown(0);
    SetUrlAnswer(1);
    HostProc<SetFn>("DonotShowTitleDlg")(0);
    EXPECT_EQ(BitmapsAlive(), bitmapsBefore) << "a title bitmap was left";
  }
  HWND main = 0;
  int bitmapsBefore = 0;
};

static int CountChildren(HWND window) {
  int count = 0;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) count++;
  return count;
}

TEST_F(TitleWindow, ShortTitleShowsOnlyTheBitmapFrame) {
  HWND title = CreateTitle(main, 123, 0, 6);
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(CountChildren(title), 1);
  EXPECT_NE(GetDlgItem(title, 1118), nullptr);
  EXPECT_TRUE(IsWindowVisible(title));
  EXPECT_TRUE(GetWindowLongA(title, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(TitleHandle(), title);
  EXPECT_EQ(TitleActive(), 1);
  EXPECT_EQ(BitmapsAlive(), bitmapsBefore + 1);
  EXPECT_EQ(DestroyTitle(), 1);
  EXPECT_FALSE(IsWindow(title));
  EXPECT_EQ(TitleHandle(), nullptr);
  EXPECT_EQ(TitleActive(), 0);
}

// Per close setting: Exit waits for the host; the automatic-close box is
// locked when the setting allows closing automatically and ticked for 0x16;
// setting 6 sets up nothing beyond the bitmap.
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
    EXPECT_TRUE(GetWindowLongA(title, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(ControlEnabled(title, 1), c.exitEnabled) << c.setting;
    EXPECT_EQ(ControlEnabled(title, 1074), c.autoCloseEnabled) << c.setting;
    EXPECT_EQ(ControlChecked(title, 1074), c.autoCloseTicked) << c.setting;
    EXPECT_FALSE(ControlEnabled(title, 40045)) << "no product help file";
    if (c.filled) {
      EXPECT_EQ(ControlText(title, 1119), kVersionTitle);
      EXPECT_EQ(ControlText(title, 40021), "powered by Footy Text Edit Control 1.23");
      EXPECT_EQ(ControlText(title, 1116), HostMessageText(83, 0));
    } else {
      EXPECT_EQ(ControlText(title, 1116), "");
    }
    EXPECT_EQ(DestroyTitle(), 1);
  }
}

TEST_F(TitleWindow, HintButtonOpensTheProductHelpWhenItIsThere) {
  std::string help = HostFolder() + "ORVEX.HLP";
  ASSERT_TRUE(CloseHandle(CreateFileA(help.c_str(), GENERIC_WRITE, 0, 0, CREATE_ALWAYS, 0, 0)));
  HWND title = CreateTitle(main, 123, 0, 0);
  DeleteFileA(help.c_str());
  ASSERT_NE(title, nullptr);
  EXPECT_TRUE(ControlEnabled(title, 40045));
  SendMessageA(GetDlgItem(title, 40045), BM_CLICK, 0, 0);
  std::vector<std::string> lines = JournalLines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], JournalLine({"help", "1", "49149", HostFolder() + "ORVEX.HLP"}));
}

// The start row: gone (window shorter by its height) once the start page was
// shown; else the start page is opened, and the hint stands in for the
// button when it cannot be.
TEST_F(TitleWindow, StartRowPerFlagAndBrowserAnswer) {
  HWND title = CreateTitle(main, 123, 0, 0);
  ASSERT_NE(title, nullptr);
  int shortHeight = ClientHeight(title);
  EXPECT_TRUE(JournalLines().empty());
  DestroyTitle();

  SetStartPageShown(0);
  SetWindowTextA(main, "Orvex Studio - starting");
  HWND opened = CreateTitle(main, 123, 0, 0);
  ASSERT_NE(opened, nullptr);
  RECT button;
  GetWindowRect(GetDlgItem(opened, 1016), &button);
  EXPECT_EQ(ClientHeight(opened) - shortHeight, button.bottom - button.top);
  EXPECT_TRUE(ControlVisible(opened, 1016));
  EXPECT_FALSE(ControlVisible(opened, 1018));
  EXPECT_EQ(StartPageShown(), 1);
  std::vector<std::string> lines = JournalLines();
  ASSERT_EQ(lines.size(), 1u);
  std::vector<std::string> fields = JournalFields(lines[0]);
  ASSERT_EQ(fields.size(), 4u);
  EXPECT_EQ(fields[1], "0");
  EXPECT_EQ(fields[3], "Orvex Studio - starting");
  std::string startPage = fields[2];
  DestroyTitle();

  SetStartPageShown(0);
  SetUrlAnswer(0);
  JournalClear();
  HWND failed = CreateTitle(main, 123, 0, 0);
  ASSERT_NE(failed, nullptr);
  EXPECT_FALSE(ControlVisible(failed, 1016));
  EXPECT_TRUE(ControlVisible(failed, 1018));
  EXPECT_EQ(ControlText(failed, 1018), kStartHint);
  EXPECT_EQ(StartPageShown(), 0);
  ASSERT_EQ(JournalLines().size(), 1u);
  EXPECT_EQ(JournalFields(JournalLines()[0])[2], startPage);
  SetWindowTextA(main, "Test host");
}

TEST_F(TitleWindow, HideCountAndDoNotShow) {
  HWND title = CreateTitle(main, 123, 0, 0);
  ASSERT_NE(title, nullptr);
  HideTitle();
  HideTitle();
  EXPECT_FALSE(IsWindowVisible(title));
  ShowTitle();
  EXPECT_FALSE(IsWindowVisible(title));
  ShowTitle();
  EXPECT_TRUE(IsWindowVisible(title));

  HostProc<SetFn>("DonotShowTitleDlg")(1);
  HideTitle();
  ShowTitle();
  ShowTitle();
  EXPECT_FALSE(IsWindowVisible(title));
}

static HWND g_probedTitle = 0;
static int TitleVisible() { return IsWindowVisible(g_probedTitle) ? 1 : 0; }

TEST_F(TitleWindow, LibraryBoxesHideItWhileTheyAreUp) {
  g_probedTitle = CreateTitle(main, 123, 0, 0);
  ASSERT_NE(g_probedTitle, nullptr);
  WatchBoxes({IDOK, IDCANCEL}, TitleVisible);
  HostProc<int(__stdcall *)(HWND, LPCSTR, LPCSTR, UINT)>("_myMessageBoxForOrvex")(main, "text", "title", MB_OK);
  EXPECT_TRUE(IsWindowVisible(g_probedTitle));
  HostProc<int(__stdcall *)(int)>("ShowTipsForFirstUse")(0);
  std::vector<SeenBox> seen = StopWatchingBoxes();
  ASSERT_EQ(seen.size(), 2u);
  for (const SeenBox &box : seen) EXPECT_EQ(box.probe, 0) << box.text;
  EXPECT_TRUE(IsWindowVisible(g_probedTitle));
}

// Exit stores the automatic-close choice, then the window goes and the
// after-destroy function runs.
TEST_F(TitleWindow, ExitStoresTheAutomaticCloseChoice) {
  HostProc<AfterDestroyFn>("SetDoAfterDestroyTitleWindow")(CountAfterDestroy);
  for (bool tick : {true, false}) {
    g_afterDestroyCalls = 0;
    HWND title = CreateTitle(main, 123, 0, 0);
    ASSERT_NE(title, nullptr);
    HostProc<EnableFn>("SendEnableWindowToTitleDlg")(1, 1);
    EXPECT_TRUE(ControlEnabled(title, 1));
    if (tick) SendMessageA(GetDlgItem(title, 1074), BM_CLICK, 0, 0);
    EXPECT_EQ(ControlChecked(title, 1074), tick);
    SendMessageA(GetDlgItem(title, 1), BM_CLICK, 0, 0);
    EXPECT_EQ(CloseSetting(), tick ? 0x16 : 1);
    EXPECT_FALSE(IsWindow(title));
    EXPECT_EQ(TitleHandle(), nullptr);
    EXPECT_EQ(g_afterDestroyCalls, 1);
    SetCloseSetting(1);
  }
}

// The after-destroy function runs also when there is no window to destroy;
// the close setting's value 2 lets the window close automatically.
TEST_F(TitleWindow, AfterDestroyAndAutomaticClose) {
  CountFn automatic = HostProc<CountFn>("CloseTitleWindowByAutomatic");
  HostProc<AfterDestroyFn>("SetDoAfterDestroyTitleWindow")(CountAfterDestroy);
  g_afterDestroyCalls = 0;
  EXPECT_EQ(DestroyTitle(), 0);
  EXPECT_EQ(automatic(), 0);
  EXPECT_EQ(g_afterDestroyCalls, 2);
  const struct { int setting, closed; } cases[] = {{0x16, 1}, {2, 1}, {6, 1}, {1, 0}, {4, 0}, {0, 0}};
  for (const auto &c : cases) {
    SetCloseSetting(c.setting);
    HWND title = CreateTitle(main, 123, 0, 0);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(automatic(), c.closed) << c.setting;
    EXPECT_EQ(IsWindow(title) != 0, !c.closed) << c.setting;
    g_afterDestroyCalls = 0;
    EXPECT_EQ(DestroyTitle(), !c.closed) << c.setting;
    EXPECT_EQ(g_afterDestroyCalls, 1);
  }
}

TEST_F(TitleWindow, SecondCreateReturnsTheFirstWindow) {
  HWND first = CreateTitle(main, 123, 0, 0);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(CreateTitle(main, 999, 9, 6), first);
  EXPECT_EQ(BitmapsAlive(), bitmapsBefore + 1);
  EXPECT_EQ(ControlText(first, 40021), "powered by Footy Text Edit Control 1.23");
  EXPECT_EQ(TitleHandle(), first);
}

// Destroyed with its owner, the window is forgotten, its bitmap deleted and
// Kitlib's functions withdrawn: a box shown after the library that made the
// window is gone must not call into it. A new window starts unhidden.
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
  EXPECT_EQ(((CountFn)GetProcAddress(fresh, "IsCreatTitleDlgActive"))(), 0);
  EXPECT_EQ(BitmapsAlive(), bitmapsBefore);
  FreeFreshLibrary(fresh);
  WatchBoxes({IDOK});
  EXPECT_EQ(KitProc<int(__stdcall *)(HWND, LPCSTR, LPCSTR, UINT)>("_myMessageBox")(main, "after", "t", MB_OK), IDOK);
  EXPECT_EQ(StopWatchingBoxes().size(), 1u);

  owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100, 0, 0, 0, 0);
  ASSERT_NE(CreateTitle(owner, 123, 0, 0), nullptr);
  HideTitle();
  DestroyWindow(owner);
  HWND again = CreateTitle(main, 123, 0, 0);
  ASSERT_NE(again, nullptr);
  HideTitle();
  EXPECT_FALSE(IsWindowVisible(again));
}

TEST_F(TitleWindow, CallsWithoutAWindowDoNothing) {
  HideTitle();
  ShowTitle();
  HostProc<EnableFn>("SendEnableWindowToTitleDlg")(1, 1);
  HostProc<VoidFn>("SendRedrawToTitleDlg")();
  HostProc<MoveIconFn>("MoveAboutIcon")(nullptr);
  HostProc<MoveIconFn>("MoveAboutIcon")((HWND)(INT_PTR)0x7654320);
  EXPECT_EQ(CreateTitle((HWND)(INT_PTR)0x7654320, 123, 0, 0), nullptr);
  EXPECT_EQ(TitleHandle(), nullptr);
  EXPECT_EQ(TitleActive(), 0);
  HWND title = CreateTitle(main, 123, 0, 0);
  ASSERT_NE(title, nullptr);
  HostProc<EnableFn>("SendEnableWindowToTitleDlg")(77777, 1);
  HostProc<MoveIconFn>("MoveAboutIcon")(nullptr);
  HostProc<VoidFn>("SendRedrawToTitleDlg")();
  EXPECT_TRUE(IsWindowVisible(title));
}
