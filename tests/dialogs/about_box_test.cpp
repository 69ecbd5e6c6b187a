// The About box, run for real as a modal dialog and read through its
// controls by the dialog driver: the version, edit-control, notice, Windows,
// processor, memory, resource or computer-name and screen lines; its buttons;
// every way out answering 1 with the bitmap deleted; and the resource buffer
// made on demand and released once.
#include <gtest/gtest.h>
#include "dialogs/title_calls.h"
#include "host/box_watcher.h"
#include "host/dialog_driver.h"
#include "host/fresh_library.h"
#include "host/journal.h"
#include "host/main_window.h"
#include "host/sjis_fit.h"
#include <map>

static const int kAboutFrame = 1405;
static const char kComputerNameJapanese[] = "\xba\xdd\xcb\xdf\xad\xb0\xc0\x96\xbc: ";

typedef std::map<int, std::string> Lines;

static std::string Grouped(ULONGLONG value) {
  std::string digits = std::to_string(value), grouped;
  for (size_t i = 0; i < digits.size(); i++) {
    if (i && (digits.size() - i) % 3 == 0) grouped += ',';
    grouped += digits[i];
  }
  return grouped;
}

class AboutBox : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(PrepareHostForProductWindows());
    main = HostMainWindow();
    HostProc<VoidFn>("InitializeResourceFunction")();
    bitmapsBefore = BitmapsAlive();
  }
  void TearDown() override {
    StopDrivingDialogs();
    HostSetLanguage(0);
    KitProc<void(__stdcall *)(const char *)>("KitSetPCName")(nullptr);
    EXPECT_EQ(BitmapsAlive(), bitmapsBefore) << "the About bitmap was left";
  }
  // Opens the box, reads every line the code writes and ends it with `end`.
  int Open(int version, int beta, Lines *lines, std::function<void(HWND)> end = nullptr) {
    DriveDialogs(kAboutFrame, [lines, end](HWND dialog) {
      for (int id : {1115, 1116, 1119, 1120, 1121, 1122, 1123, 40021}) (*lines)[id] = ControlText(dialog, id);
      (*lines)[0] = GetFocus() == GetDlgItem(dialog, IDOK) ? "focus on OK" : "";
      if (end) end(dialog);
      else PressButton(dialog, IDOK);
    });
    int answer = HostProc<AboutFn>("OpenAboutDialog")(main, 0, version, beta);
    EXPECT_EQ(StopDrivingDialogs(), 1);
    return answer;
  }
  HWND main = 0;
  int bitmapsBefore = 0;
};

// The hundredths are written without a leading zero: 105 reads 1.5.
TEST_F(AboutBox, EditControlLine) {
  const struct { int version, beta; const char *line; } cases[] = {
      {123, 0, "powered by Footy Text Edit Control 1.23"},
      {123, 2, "powered by Footy Text Edit Control 1.23 Beta 2"},
      {105, 0, "powered by Footy Text Edit Control 1.5"},
      {105, -1, "powered by Footy Text Edit Control 1.5"},
  };
  for (const auto &c : cases) {
    Lines lines;
    EXPECT_EQ(Open(c.version, c.beta, &lines), 1);
    EXPECT_EQ(lines[40021], c.line);
  }
}

// Every line the box fills, in both languages, against what the system says.
TEST_F(AboutBox, LinesInBothLanguages) {
  char name[MAX_COMPUTERNAME_LENGTH + 1];
  DWORD size = sizeof name;
  ASSERT_TRUE(GetComputerNameA(name, &size));
  MEMORYSTATUSEX status = {};
  status.dwLength = sizeof status;
  ASSERT_TRUE(GlobalMemoryStatusEx(&status));
  std::string total = "/" + Grouped((status.ullTotalPhys + 512) / 1024) + "K";
  OSVERSIONINFOA version = {};
  version.dwOSVersionInfoSize = sizeof version;
  ASSERT_TRUE(GetVersionExA(&version));
  char platform[520];
  KitProc<int(__stdcall *)(char *)>("GetWindowsPlatform")(platform);
  std::string windows = std::string(platform) + " (NT " + std::to_string(version.dwMajorVersion) + "." +
                        std::to_string(version.dwMinorVersion) + ")";
  if (version.szCSDVersion[0]) windows += std::string(" ") + version.szCSDVersion;
  if (version.dwBuildNumber & 0xFFFF) windows += " (build " + std::to_string(version.dwBuildNumber & 0xFFFF) + ")";
  const struct { const char *title, *computer; } languages[] = {
      {"Orvex Studio Version 1.00 (test host)", "Computer name: "},
      {"Orvex Studio \xca\xde\xb0\xbc\xde\xae\xdd 1.00 (\xc3\xbd\xc4\xce\xbd\xc4)", kComputerNameJapanese},
  };
  for (int language : {0, 1}) {
    HostSetLanguage(language);
    Lines lines;
    Open(123, 0, &lines);
    EXPECT_EQ(lines[1119], languages[language].title);
    EXPECT_EQ(lines[1116], HostMessageText(83, language));
    EXPECT_EQ(lines[1122], languages[language].computer + std::string(name));
    EXPECT_EQ(lines[0], "focus on OK");
    EXPECT_EQ(lines[1115], windows);
    EXPECT_FALSE(lines[1120].empty());
    EXPECT_EQ(lines[1120].find_first_of("\r\n"), std::string::npos) << lines[1120];
    EXPECT_EQ(lines[1123], std::to_string(GetSystemMetrics(SM_CXSCREEN)) + " x " +
                               std::to_string(GetSystemMetrics(SM_CYSCREEN)));
    // Memory: "<label>:<available>K/<total>K", the total as the system counts it.
    std::string line = lines[1121], label = HostMessageText(82, language) + ":";
    ASSERT_GT(line.size(), label.size() + total.size());
    EXPECT_EQ(line.substr(0, label.size()), label) << line;
    EXPECT_EQ(line.substr(line.size() - total.size()), total) << line;
    std::string available = line.substr(label.size(), line.size() - label.size() - total.size());
    EXPECT_EQ(available.find_first_not_of("0123456789,"), available.size() - 1) << line;
    EXPECT_EQ(available.back(), 'K');
  }
}

// A name as long as the buffer is cut, on a whole character, to fit the
// 520-byte line with its label; no name at all says so.
TEST_F(AboutBox, ComputerNameLineIsBoundedAndCutOnACharacter) {
  auto setName = KitProc<void(__stdcall *)(const char *)>("KitSetPCName");
  for (const char *lead : {"", "x"}) {
    std::string name = lead;
    while (name.size() < 600) name += "\x83\x5c";
    setName(name.c_str());
    Lines lines;
    Open(123, 0, &lines);
    std::string fitted = SjisFit(name, 519);
    EXPECT_EQ(lines[1122], SjisFit("Computer name: " + fitted, 519)) << "lead '" << lead << "'";
  }
  setName("");
  Lines lines;
  Open(123, 0, &lines);
  EXPECT_EQ(lines[1122], "Resource evaluation not supported");
}

TEST_F(AboutBox, HelpAndWebPageButtons) {
  Lines lines;
  SetWindowTextA(main, "Orvex Studio");
  EXPECT_EQ(Open(123, 0, &lines, [](HWND dialog) {
              PressButton(dialog, 40045);
              PressButton(dialog, 1014);
              PressButton(dialog, IDOK);
            }),
            1);
  SetWindowTextA(main, "Test host");
  std::vector<std::string> journal = JournalLines();
  ASSERT_EQ(journal.size(), 2u);
  EXPECT_EQ(journal[0], JournalLine({"help", "1", "49149", HostFolder() + "ORVEX.HLP"}));
  std::vector<std::string> fields = JournalFields(journal[1]);
  ASSERT_EQ(fields.size(), 4u);
  EXPECT_EQ(fields[0], "url");
  EXPECT_EQ(fields[1], "1014");
  EXPECT_EQ(fields[2].substr(0, 8), "https://");
  EXPECT_EQ(fields[3], "Orvex Studio");
}

// OK, Cancel, the Cancel button 1000 and closing the window all answer 1;
// the bitmap is deleted also when the box goes with its owner.
TEST_F(AboutBox, EveryWayOutAnswersOneAndDeletesTheBitmap) {
  const std::vector<std::function<void(HWND)>> endings = {
      [](HWND dialog) { PressButton(dialog, IDOK); },
      [](HWND dialog) { PressButton(dialog, IDCANCEL); },
      [](HWND dialog) { PressButton(dialog, 1000); },
      [](HWND dialog) { PostMessageA(dialog, WM_CLOSE, 0, 0); },
  };
  for (size_t i = 0; i < endings.size(); i++) {
    Lines lines;
    EXPECT_EQ(Open(123, 0, &lines, endings[i]), 1) << i;
    EXPECT_EQ(BitmapsAlive(), bitmapsBefore) << i;
  }
  HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100, 0, 0, 0, 0);
  DriveDialogs(kAboutFrame, [owner](HWND) { DestroyWindow(owner); });
  HostProc<AboutFn>("OpenAboutDialog")(owner, 0, 123, 0);
  EXPECT_EQ(StopDrivingDialogs(), 1);
  EXPECT_EQ(BitmapsAlive(), bitmapsBefore);
  // An owner that is no window: no box, answer 0.
  EXPECT_EQ(HostProc<AboutFn>("OpenAboutDialog")((HWND)(INT_PTR)0x7654320, 0, 123, 0), 0);
}

// One resource buffer: made by the first init or by the box itself, kept
// over a second init, released by the first free and never twice.
TEST_F(AboutBox, ResourceBufferMadeOnDemandAndReleasedOnce) {
  auto outstanding = KitProc<CountFn>("KitBuffersOutstanding");
  HMODULE fresh = LoadFreshLibrary();
  ASSERT_NE(fresh, nullptr);
  auto init = (VoidFn)GetProcAddress(fresh, "InitializeResourceFunction");
  auto release = (VoidFn)GetProcAddress(fresh, "FreeResourceInfoPointer");
  auto about = (AboutFn)GetProcAddress(fresh, "OpenAboutDialog");
  int base = outstanding();
  release();
  EXPECT_EQ(outstanding(), base);
  init();
  init();
  EXPECT_EQ(outstanding(), base + 1);
  release();
  release();
  EXPECT_EQ(outstanding(), base);

  std::string resources;
  DriveDialogs(kAboutFrame, [&resources](HWND dialog) {
    resources = ControlText(dialog, 1122);
    PressButton(dialog, IDOK);
  });
  EXPECT_EQ(about(main, 0, 123, 0), 1);
  StopDrivingDialogs();
  EXPECT_EQ(resources.substr(0, 15), "Computer name: ");
  EXPECT_EQ(outstanding(), base + 1);
  release();
  EXPECT_EQ(outstanding(), base);
  FreeFreshLibrary(fresh);
}
