// Every message box of the library, shown for real and read off the screen by
// the test host: text, title, owner, buttons, the focus guard raised while
// the box is up, and focus, cursor and flag restored afterwards.
#include <gtest/gtest.h>
#include <functional>
#include "host/dialog_driver.h"

typedef int(__stdcall *OsErrorBoxFn)(HWND, LPCSTR, HINSTANCE, int, int);

static const DWORD kErrorWithoutOsText = 0x20000000; // application-defined: the OS has no text
static const char kMemory[] = "Memory could not be allocated.";

static int FocusFlag() { return HostProc<int(__stdcall *)()>("IsChangeFocusDisabled")(); }

// The OS text of an error as a box shows it (without its line end).
static std::string OsText(DWORD error) {
  char text[1024];
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, 0, error, 0, text,
                                sizeof text, 0);
  while (length && strchr("\r\n ", text[length - 1])) length--;
  return std::string(text, length);
}

class Boxes : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(AnsiCodePageKeepsEveryByte());
    HostSetLanguage(0);
    HostFocusAndCursorBeforeCall();
    main = HostMainWindow();
    library = HostMessageLibrary();
    ASSERT_NE(library, nullptr);
  }
  void TearDown() override {
    StopWatchingBoxes();
    HostSetLanguage(0);
  }
  // Runs the call answering `answer`; checks it showed one box owned by the
  // main window with the style, the flag raised while shown (unless
  // `guarded` is false), and flag, cursor and focus restored after.
  SeenBox One(const std::function<void()> &call, UINT style = 0x30, bool guarded = true) {
    WatchBoxes({IDOK}, FocusFlag);
    call();
    std::vector<SeenBox> seen = StopWatchingBoxes();
    EXPECT_EQ(FocusFlag(), 0);
    EXPECT_EQ(GetCursor(), LoadCursor(0, IDC_CROSS));
    if (guarded) {
      EXPECT_EQ(GetFocus(), HostFocusEdit());
    }
    EXPECT_EQ(seen.size(), 1u);
    if (seen.empty()) return SeenBox();
    EXPECT_EQ(seen[0].owner, main);
    EXPECT_EQ(seen[0].style, style);
    EXPECT_EQ(seen[0].probe, guarded ? 1 : 0);
    return seen[0];
  }
  HWND main = 0;
  HINSTANCE library = 0;
};

TEST_F(Boxes, PlainBox) {
  auto box = HostProc<int(__stdcall *)(HWND, LPCSTR, LPCSTR, UINT)>("_myMessageBoxForOrvex");
  SeenBox seen = One([&] { EXPECT_EQ(box(0, "\x96\xb3\x82\xb5 and \xba\xdd", "Title", 0x31), IDOK); }, 0x31);
  EXPECT_EQ(seen.text, "\x96\xb3\x82\xb5 and \xba\xdd");
  EXPECT_EQ(seen.title, "Title");
}

TEST_F(Boxes, LoadedTextsAndOsErrors) {
  auto box = HostProc<int(__stdcall *)(HINSTANCE, HWND, int, int, UINT)>("_myMessageBoxForLoadStringForOrvex");
  SeenBox seen = One([&] { EXPECT_EQ(box(library, main, 2, 3, 0x33), IDCANCEL); }, 0x33);
  EXPECT_EQ(seen.text, kMemory);
  EXPECT_EQ(seen.title, "Memory error");
  HostSetLanguage(1);
  EXPECT_EQ(One([&] { box(library, main, 2, 3, 0x30); }).title, "\xd2\xd3\xd8\xb4\xd7\xb0");
  HostSetLanguage(0);

  // No focus guard around this one: the flag stays down while the box is up.
  OsErrorBoxFn osBox = HostProc<OsErrorBoxFn>("_myMessageBoxForLoadStringForOrvexWithDoserror");
  seen = One([&] { SetLastError(ERROR_ACCESS_DENIED), osBox(main, "C:\\a b.txt", library, 2, 3); }, 0x30, false);
  EXPECT_EQ(seen.text, std::string(kMemory) + "\nC:\\a b.txt\n\nOS>> " + OsText(ERROR_ACCESS_DENIED));

  auto open = HostProc<void(__stdcall *)(HINSTANCE, HWND, LPCSTR, int, int)>("ShowErrorMessageForFileOpen");
  HostFocusAndCursorBeforeCall();
  seen = One([&] { SetLastError(ERROR_PATH_NOT_FOUND), open(0, main, "C:\\missing.c", 2, 3); });
  EXPECT_EQ(seen.text, "C:\\missing.c\n\nOS>> " + OsText(ERROR_PATH_NOT_FOUND)); // no library: no texts
}

// An insert far longer than the box's 520-byte buffer: the text is cut before
// the first character that does not fit whole, whatever the alignment.
TEST_F(Boxes, FormattedBoxTakesItsInsertsAndCutsOnAWholeCharacter) {
  auto box = HostProc<int(__stdcall *)(HINSTANCE, int, int, LPCSTR, HWND, UINT, LPCSTR)>("MessageBoxPrintfForOrvex");
  SeenBox seen = One([&] { box(library, 98, 42, "cpp", main, 0x31, "main.c"); }, 0x31);
  EXPECT_EQ(seen.text, "Choose a file with the extension .cpp. main.c");
  EXPECT_EQ(seen.title, "Choosing files");
  HostSetLanguage(1);
  std::string format = HostMessageText(98, 1);
  size_t first = format.find("%s"), second = format.rfind("%s");
  for (const char *lead : {"", "x"}) {
    std::string insert = lead;
    for (int i = 0; i < 600; i++) insert += "\x82\xa0";
    char *guarded = GuardedText(insert.c_str());
    seen = One([&] { box(library, 98, 42, "c", main, 0x30, guarded); });
    FreeGuarded(guarded);
    std::string whole = format.substr(0, first) + "c" + format.substr(first + 2, second - first - 2) + insert;
    EXPECT_EQ(seen.text, SjisFit(whole, 519)) << "lead '" << lead << "'";
  }
}

TEST_F(Boxes, ErrorAtCreateWindowsSaysNothingWithoutOsTextAndCutsLongMessages) {
  auto show = HostProc<void(__stdcall *)(int, int)>("ErrorAtCreateWindows");
  SeenBox seen = One([&] { SetLastError(kErrorWithoutOsText), show(226, 221); });
  EXPECT_EQ(seen.text, "The folder is not valid.\n\nOS>> nothing");
  EXPECT_EQ(seen.title, "Orvex Studio");
  HostSetLanguage(1);
  EXPECT_EQ(One([&] { SetLastError(kErrorWithoutOsText), show(226, 221); }).text,
            HostMessageText(226, 1) + "\n\nOS>> \x96\xb3\x82\xb5");
  const int kLongMessage = 314;
  std::string message = HostMessageText(kLongMessage, 1);
  ASSERT_GT(message.size(), 520u) << "the test needs a message longer than the box's buffer";
  EXPECT_EQ(One([&] { SetLastError(kErrorWithoutOsText), show(kLongMessage, 221); }).text, SjisFit(message, 519));
}

TEST_F(Boxes, InternetDisabledBox) {
  auto show = HostProc<void(__stdcall *)(HWND, LPCSTR)>("ShowMessageBoxForInternetDisabled");
  EXPECT_EQ(One([&] { show(main, "http://example.com/"); }).text,
            "Internet access is switched off in the environment settings, so http://example.com/ cannot be opened.");
}

TEST(InvalidFolder, StatusLineSetWithABeepAndClearedWithout) {
  auto show = HostProc<void(__stdcall *)(HWND, int)>("ShowInvalidFolderMessage");
  auto beeps = KitProc<int(__stdcall *)(UINT *)>("KitBeepsSoFar");
  HWND dialog = CreateWindowExA(0, "STATIC", "Folders", WS_OVERLAPPEDWINDOW, 0, 0, 300, 100, 0, 0, 0, 0);
  HWND status = CreateWindowExA(0, "STATIC", "before", WS_CHILD, 0, 0, 280, 20, dialog, (HMENU)40207, 0, 0);
  UINT type = 0;
  int before = beeps(nullptr);
  show(dialog, 1);
  EXPECT_EQ(WindowText(status), "The folder is not valid.");
  EXPECT_EQ(beeps(&type), before + 1);
  EXPECT_EQ(type, 0x10u);
  show(dialog, 0);
  EXPECT_EQ(WindowText(status), "");
  EXPECT_EQ(beeps(nullptr), before + 1);
  DestroyWindow(dialog);
}

TEST(FocusGuard, RaisingTakesTheFocusAndLoweringGivesItBack) {
  auto set = HostProc<HWND(__stdcall *)(int, HWND)>("SetChangeFocusDisabled");
  HostFocusAndCursorBeforeCall();
  EXPECT_EQ(set(1, 0), HostFocusEdit());
  EXPECT_EQ(FocusFlag(), 1);
  EXPECT_EQ(set(0, HostMainWindow()), HostMainWindow());
  EXPECT_EQ(GetFocus(), HostMainWindow());
  EXPECT_EQ(FocusFlag(), 0);
  set(0, HostFocusEdit());
  EXPECT_EQ(GetFocus(), HostFocusEdit());
}
