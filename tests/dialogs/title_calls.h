// The title and About windows' exports as the tests call them, and the host
// prepared for the product's windows: English, its main window up, the
// product folder set; the fixture of the dialog tests.
#pragma once
#include <gtest/gtest.h>
#include "host/dialog_driver.h"
#include <string>

typedef HWND(__stdcall *CreateTitleFn)(HWND, int, int, int);
typedef int(__stdcall *CountFn)(void);
typedef void(__stdcall *VoidFn)(void);
typedef void(__stdcall *SetFn)(int);
typedef HWND(__stdcall *WindowFn)(void);
typedef void(__stdcall *AfterDestroyFn)(void(__stdcall *)(void));
typedef int(__stdcall *AboutFn)(HWND, int, int, int);

inline HWND CreateTitle(HWND owner, int version, int beta, int mode) {
  return HostProc<CreateTitleFn>("CreateTitleDialog")(owner, version, beta, mode);
}
inline int DestroyTitle() { return HostProc<CountFn>("DestroyTitleWindow")(); }
inline HWND TitleHandle() { return HostProc<WindowFn>("GetWndHandleForTitleDlg")(); }
inline void HideTitle() { HostProc<VoidFn>("HideTitleDlg")(); }
inline void ShowTitle() { HostProc<VoidFn>("ShowTitleDlg")(); }
inline void SetCloseSetting(int value) { HostProc<SetFn>("SetCloseTitleWindow")(value); }
inline int BitmapsAlive() { return KitProc<CountFn>("KitBitmapsAlive")(); }
inline bool ControlEnabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != 0; }
inline bool ControlVisible(HWND dialog, int id) { return IsWindowVisible(GetDlgItem(dialog, id)) != 0; }

// False when box and window texts would not come back as the bytes set.
inline bool PrepareHostForProductWindows() {
  HostSetLanguage(0);
  HostMainWindow();
  HostProc<VoidFn>("SetOrvexDirectory")();
  JournalClear();
  return AnsiCodePageKeepsEveryByte();
}

// Prepares the host; after each test nothing is left driven or watched, no
// bitmap of Kitlib's is left and the language is English again.
class ProductWindows : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(PrepareHostForProductWindows());
    main = HostMainWindow();
    bitmapsBefore = BitmapsAlive();
  }
  void TearDown() override {
    StopDrivingDialogs();
    StopWatchingBoxes();
    StopWatchingMenus();
    HostSetLanguage(0);
    EXPECT_EQ(BitmapsAlive(), bitmapsBefore) << "a bitmap was left";
  }
  HWND main = 0;
  int bitmapsBefore = 0;
};
