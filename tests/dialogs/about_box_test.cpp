// The About box, run as a real modal dialog and read through its controls:
// its lines in both languages, its buttons, every way out answering 1 with
// the bitmap deleted, and the resource buffer made on demand, released once.
#include <gtest/gtest.h>
#include "dialogs/title_calls.h"
#include "host/files.h"
#include <map>

static const int kAboutFrame = 1405;
typedef std::map<int, std::string> Lines;

class AboutBox : public ProductWindows {
protected:
  void SetUp() override {
    HostProc<VoidFn>("InitializeResourceFunction")();
    ProductWindows::SetUp();
  }
  void TearDown() override {
    ProductWindows::TearDown();
    KitProc<void(__stdcall *)(const char *)>("KitSetPCName")(nullptr);
  }
  // Opens the box, reads its lines and ends it with `end` (OK by default).
  int Open(int version, int beta, Lines *lines, std::function<void(HWND)> end = nullptr) {
    return DriveOne(kAboutFrame, [lines, end](HWND dialog) {
      for (int id : {1115, 1116, 1119, 1121, 1122, 1123, 40021}) (*lines)[id] = ControlText(dialog, id);
      (*lines)[0] = GetFocus() == GetDlgItem(dialog, IDOK) ? "focus on OK" : "";
      if (end) end(dialog);
      else PressButton(dialog, IDOK);
    }, [&] { return HostProc<AboutFn>("OpenAboutDialog")(main, 0, version, beta); });
  }
};

// Every line in both languages; the hundredths have no leading zero; a long
// computer name is cut on a whole character to fit the 520-byte line, and no
// name at all says so.
TEST_F(AboutBox, LinesInBothLanguages) {
  std::string longName = "x";
  while (longName.size() < 600) longName += "\x83\x5c";
  const char *titles[] = {"Orvex Studio Version 1.00 (test host)",
                          "Orvex Studio \xca\xde\xb0\xbc\xde\xae\xdd 1.00 (\xc3\xbd\xc4\xce\xbd\xc4)"};
  const struct { int language, version, beta; const char *edit; std::string name, computer; } rows[] = {
      {0, 123, 2, "1.23 Beta 2", longName, SjisFit("Computer name: " + SjisFit(longName, 519), 519)},
      {1, 105, -1, "1.5", "PC", "\xba\xdd\xcb\xdf\xad\xb0\xc0\x96\xbc: PC"},
      {0, 123, 0, "1.23", "", "Resource evaluation not supported"},
  };
  for (const auto &row : rows) {
    HostSetLanguage(row.language);
    KitProc<void(__stdcall *)(const char *)>("KitSetPCName")(row.name.c_str());
    Lines lines;
    EXPECT_EQ(Open(row.version, row.beta, &lines), 1);
    EXPECT_EQ(lines[40021], std::string("powered by Footy Text Edit Control ") + row.edit);
    EXPECT_EQ(lines[1119], titles[row.language]);
    EXPECT_EQ(lines[1116], HostMessageText(83, row.language));
    EXPECT_EQ(lines[1122], row.computer);
    EXPECT_EQ(lines[0], "focus on OK");
    EXPECT_EQ(lines[1121].rfind(HostMessageText(82, row.language) + ":", 0), 0u) << lines[1121];
  }
}

// OK, Cancel, button 1000 and closing all answer 1 (the help and web page
// buttons keep it open); the bitmap is deleted also when the box goes with
// its owner.
TEST_F(AboutBox, ButtonsAndEveryWayOutDeletingTheBitmap) {
  SetWindowTextA(main, "Orvex Studio");
  for (int button : {IDOK, IDCANCEL, 1000, 0}) {
    Lines lines;
    EXPECT_EQ(Open(123, 0, &lines, [button](HWND dialog) {
                if (button == IDOK) PressButton(dialog, 40045), PressButton(dialog, 1014);
                PressButton(dialog, button);
              }), 1) << button;
    EXPECT_EQ(BitmapsAlive(), bitmapsBefore) << button;
  }
  SetWindowTextA(main, "Test host");
  std::vector<std::string> journal = JournalLines();
  ASSERT_EQ(journal.size(), 2u);
  EXPECT_EQ(journal[0], JournalLine({"help", "1", "49149", HostFolder() + "ORVEX.HLP"}));
  std::vector<std::string> fields = JournalFields(journal[1]);
  ASSERT_EQ(fields.size(), 4u);
  EXPECT_EQ(fields[1], "1014");
  EXPECT_EQ(fields[3], "Orvex Studio");
  HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100, 0, 0, 0, 0);
  DriveOne(kAboutFrame, [owner](HWND) { DestroyWindow(owner); },
           [&] { return HostProc<AboutFn>("OpenAboutDialog")(owner, 0, 123, 0); });
  EXPECT_EQ(BitmapsAlive(), bitmapsBefore);
}

// One resource buffer: made by the first init or by the box itself, kept
// over a second init, released by the first free and never twice.
TEST_F(AboutBox, ResourceBufferMadeOnDemandAndReleasedOnce) {
  auto outstanding = KitProc<CountFn>("KitBuffersOutstanding");
  HMODULE fresh = LoadFreshLibrary();
  ASSERT_NE(fresh, nullptr);
  auto init = ProcOf<VoidFn>(fresh, "InitializeResourceFunction");
  auto release = ProcOf<VoidFn>(fresh, "FreeResourceInfoPointer");
  int base = outstanding();
  init();
  init();
  EXPECT_EQ(outstanding(), base + 1);
  release();
  release();
  EXPECT_EQ(outstanding(), base);
  EXPECT_EQ(DriveOne(kAboutFrame, [](HWND dialog) { PressButton(dialog, IDOK); },
                     [&] { return ProcOf<AboutFn>(fresh, "OpenAboutDialog")(main, 0, 123, 0); }),
            1);
  EXPECT_EQ(outstanding(), base + 1);
  release();
  EXPECT_EQ(outstanding(), base);
  FreeFreshLibrary(fresh);
}
