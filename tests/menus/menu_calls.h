// The menu tests' calls into the library by export name, as the host makes
// them, and their fixture: a fresh menu bar on the main window, the menu
// table taken from it, English on a system that is not Japanese, and the
// stand-in's buffers, memory tags and global blocks back where they were at
// the end of each test.
#pragma once
#include "host/host.h"
#include "host/menu_bar.h"
#include <gtest/gtest.h>
#include <string>

template <class R, class... A> R Call(const char *name, A... args) {
  return HostProc<R(__stdcall *)(A...)>(name)(args...);
}
template <class R, class... A> R Kit(const char *name, A... args) {
  return KitProc<R(__stdcall *)(A...)>(name)(args...);
}
static int *const kNoOut = nullptr;

class MenuBarTest : public testing::Test {
protected:
  HWND window = 0;
  int buffers = 0, tags = 0, blocks = 0;
  void SetUp() override {
    window = HostBuildMenuBar();
    ASSERT_EQ(Call<int>("RetriveAllMainMenu", window), 1);
    Call<int>("AdjustOSBugForMenuEmpty");
    buffers = Kit<int>("KitBuffersOutstanding");
    tags = Kit<int>("KitMemoryTagsOutstanding");
    blocks = Kit<int>("KitGlobalBlocksAlive");
  }
  void TearDown() override {
    HostSetLanguage(0);
    Kit<void>("KitSetJapaneseWindowsSystem", -1);
    EXPECT_EQ(Kit<int>("KitBuffersOutstanding"), buffers);
    EXPECT_EQ(Kit<int>("KitMemoryTagsOutstanding"), tags);
    EXPECT_EQ(Kit<int>("KitGlobalBlocksAlive"), blocks);
  }
  // The text of the item at `position` of the popup at bar position `bar`
  // (with `item`, of the popup at that position).
  static std::string Text(int bar, int position, int item = -1) {
    return item < 0 ? HostReadMenuItem(HostMenuPopup(bar), position).text
                    : HostReadMenuItem(HostMenuPopup(bar, position), item).text;
  }
};
