// The first-use tips: five boxes of message-library texts walked forward,
// back one step, and out; read off the screen and answered by a click.
#include <gtest/gtest.h>
#include "host/box_watcher.h"
#include "host/host.h"
#include "host/main_window.h"

typedef int(__stdcall *TipsFn)(int);
typedef void(__stdcall *SetWindowFn)(HWND);

static const UINT kOkCancel = MB_OKCANCEL | MB_ICONEXCLAMATION;
static const UINT kYesNoCancel = MB_YESNOCANCEL | MB_ICONEXCLAMATION;

struct TipSeen {
  int text;
  UINT style;
};

class Tips : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(AnsiCodePageKeepsEveryByte());
    main = HostMainWindow();
    tips = HostProc<TipsFn>("ShowTipsForFirstUse");
  }
  void TearDown() override {
    StopWatchingBoxes();
    HostSetLanguage(0);
    KitProc<SetWindowFn>("KitSetMainWindow")(HostMainWindow());
  }
  // Compares the boxes seen with the expected steps; reports the first
  // difference with its index.
  void ExpectSteps(const std::vector<SeenBox> &seen, const std::vector<TipSeen> &steps, int language) {
    ASSERT_EQ(seen.size(), steps.size());
    std::string title = HostMessageText(221, language);
    for (size_t i = 0; i < steps.size(); i++) {
      ASSERT_EQ(seen[i].text, HostMessageText(steps[i].text, language)) << "box " << i;
      ASSERT_EQ(seen[i].style, steps[i].style) << "box " << i;
      ASSERT_EQ(seen[i].title, title) << "box " << i;
      ASSERT_EQ(seen[i].owner, main) << "box " << i;
    }
  }
  HWND main = 0;
  TipsFn tips = nullptr;
};

// No on step 2 goes back to step 1; OK on step 5 back to step 4; Cancel ends.
TEST_F(Tips, ForwardBackAndOutInBothLanguages) {
  const std::vector<TipSeen> steps = {{314, kOkCancel},    {315, kYesNoCancel}, {314, kOkCancel},
                                      {315, kYesNoCancel}, {316, kYesNoCancel}, {317, kYesNoCancel},
                                      {318, kOkCancel},    {317, kYesNoCancel}, {318, kOkCancel}};
  for (int language : {0, 1}) {
    HostSetLanguage(language);
    WatchBoxes({IDOK, IDNO, IDOK, IDYES, IDYES, IDYES, IDOK, IDYES, IDCANCEL});
    EXPECT_EQ(tips(0), IDCANCEL);
    ExpectSteps(StopWatchingBoxes(), steps, language);
  }
}

TEST_F(Tips, CancelOnAnyStepEnds) {
  const std::vector<std::vector<int>> answers = {
      {IDCANCEL}, {IDOK, IDCANCEL}, {IDOK, IDYES, IDYES, IDCANCEL}, {IDOK, IDYES, IDNO, IDYES, IDCANCEL}};
  const std::vector<size_t> boxes = {1, 2, 4, 5};
  for (size_t i = 0; i < answers.size(); i++) {
    WatchBoxes(answers[i]);
    EXPECT_EQ(tips(0), IDCANCEL) << i;
    EXPECT_EQ(StopWatchingBoxes().size(), boxes[i]) << i;
  }
}

// A box that cannot be shown (its owner is gone) must not be asked again and
// again: the tips end at once with 0.
TEST_F(Tips, GoneMainWindowEndsAtOnceWithZero) {
  HWND gone = CreateWindowExA(0, "STATIC", "gone", WS_OVERLAPPEDWINDOW, 0, 0, 50, 50, 0, 0, 0, 0);
  DestroyWindow(gone);
  KitProc<SetWindowFn>("KitSetMainWindow")(gone);
  WatchBoxes({IDNO});
  EXPECT_EQ(tips(0), 0);
  EXPECT_TRUE(StopWatchingBoxes().empty());
}
