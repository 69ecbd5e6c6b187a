// The first-use tips: five boxes of message-library texts walked forward,
// back one step, and out; read off the screen and answered by a click.
#include <gtest/gtest.h>
#include "host/dialog_driver.h"

typedef int(__stdcall *TipsFn)(int);
typedef void(__stdcall *SetWindowFn)(HWND);

class Tips : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(AnsiCodePageKeepsEveryByte());
    tips = HostProc<TipsFn>("ShowTipsForFirstUse");
  }
  void TearDown() override {
    StopWatchingBoxes();
    HostSetLanguage(0);
    KitProc<SetWindowFn>("KitSetMainWindow")(HostMainWindow());
  }
  TipsFn tips = nullptr;
};

// Each row: the answers clicked and the texts of the boxes they answered.
// No goes back a step, so does OK on step 5; Cancel ends with 2. Steps 1 and
// 5 ask OK/Cancel, the others Yes/No/Cancel.
TEST_F(Tips, ForwardBackAndOutInBothLanguages) {
  const struct { int language; std::vector<int> answers, texts; } rows[] = {
      {0, {IDOK, IDNO, IDOK, IDYES, IDYES, IDYES, IDOK, IDYES, IDCANCEL}, {314, 315, 314, 315, 316, 317, 318, 317, 318}},
      {1, {IDOK, IDYES, IDNO, IDYES, IDYES, IDYES, IDCANCEL}, {314, 315, 316, 315, 316, 317, 318}},
      {1, {IDCANCEL}, {314}},
  };
  for (const auto &row : rows) {
    HostSetLanguage(row.language);
    WatchBoxes(row.answers);
    EXPECT_EQ(tips(0), IDCANCEL);
    std::vector<SeenBox> seen = StopWatchingBoxes();
    ASSERT_EQ(seen.size(), row.texts.size());
    for (size_t i = 0; i < seen.size(); i++) {
      UINT style = row.texts[i] == 314 || row.texts[i] == 318 ? MB_OKCANCEL : MB_YESNOCANCEL;
      ASSERT_EQ(seen[i].text, HostMessageText(row.texts[i], row.language)) << "box " << i;
      ASSERT_EQ(seen[i].style, style | MB_ICONEXCLAMATION) << "box " << i;
      ASSERT_EQ(seen[i].title, HostMessageText(221, row.language)) << "box " << i;
      ASSERT_EQ(seen[i].owner, HostMainWindow()) << "box " << i;
    }
  }
}

// A box that cannot be shown (its owner is gone) ends the tips with 0.
TEST_F(Tips, GoneMainWindowEndsAtOnceWithZero) {
  HWND gone = CreateWindowExA(0, "STATIC", "gone", WS_OVERLAPPEDWINDOW, 0, 0, 50, 50, 0, 0, 0, 0);
  DestroyWindow(gone);
  KitProc<SetWindowFn>("KitSetMainWindow")(gone);
  WatchBoxes({IDNO});
  EXPECT_EQ(tips(0), 0);
  EXPECT_TRUE(StopWatchingBoxes().empty());
}
