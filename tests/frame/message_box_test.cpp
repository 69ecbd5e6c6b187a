// Every message box of the library, shown for real and read off the screen by
// the test host: text, title, owner, buttons and icon; the focus guard raised
// while the box is up, and the focus, the cursor and the flag as they were
// afterwards. Texts are compared as the bytes the box gives back, which equal
// the bytes passed (the fixture checks that the code page keeps every byte).
#include <gtest/gtest.h>
#include "host/box_watcher.h"
#include "host/host.h"
#include "host/main_window.h"
#include "host/sjis_fit.h"

typedef int(__stdcall *BoxFn)(HWND, LPCSTR, LPCSTR, UINT);
typedef int(__stdcall *LoadedBoxFn)(HINSTANCE, HWND, int, int, UINT);
typedef int(__stdcall *OsErrorBoxFn)(HWND, LPCSTR, HINSTANCE, int, int);
typedef int(__stdcall *PrintfBoxFn)(HINSTANCE, int, int, LPCSTR, HWND, UINT, LPCSTR);
typedef void(__stdcall *ErrorAtCreateWindowsFn)(int, int);
typedef void(__stdcall *FileOpenErrorFn)(HINSTANCE, HWND, LPCSTR, int, int);
typedef void(__stdcall *InvalidFolderFn)(HWND, int);
typedef void(__stdcall *InternetDisabledFn)(HWND, LPCSTR);
typedef HWND(__stdcall *SetFocusFlagFn)(int, HWND);
typedef int(__stdcall *FocusFlagFn)();
typedef int(__stdcall *BeepsFn)(UINT *);

static const DWORD kErrorWithoutOsText = 0x20000000; // application-defined: the OS has no text
static const char kNothingJapanese[] = "\x96\xb3\x82\xb5";

static int FocusFlag() { return HostProc<FocusFlagFn>("IsChangeFocusDisabled")(); }

// The OS text of an error as a box shows it (without its line end).
static std::string OsText(DWORD error) {
  char text[1024];
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, 0, error, 0, text,
                                sizeof text, 0);
  while (length && strchr("\r\n ", text[length - 1])) length--;
  return std::string(text, length);
}

struct ExpectedBox {
  std::string text, title;
  HWND owner;
  UINT style;
  int flagWhileShown;
};

static void ExpectOneBox(const std::vector<SeenBox> &seen, const ExpectedBox &expected) {
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, expected.text);
  EXPECT_EQ(seen[0].title, expected.title);
  EXPECT_EQ(seen[0].owner, expected.owner);
  EXPECT_EQ(seen[0].style, expected.style);
  EXPECT_EQ(seen[0].probe, expected.flagWhileShown);
}

class Boxes : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(AnsiCodePageKeepsEveryByte());
    HostSetLanguage(0);
    HostFocusAndCursorBeforeCall();
    ASSERT_EQ(GetFocus(), HostFocusEdit());
    main = HostMainWindow();
    library = HostMessageLibrary();
    ASSERT_NE(library, nullptr);
  }
  void TearDown() override {
    StopWatchingBoxes();
    HostSetLanguage(0);
  }
  void Watch(int answer) { WatchBoxes({answer}, FocusFlag); }
  // After the call: flag lowered, cursor back, and (for boxes inside the
  // focus guard) the focus back in the edit.
  void ExpectRestored(bool focus) {
    EXPECT_EQ(FocusFlag(), 0);
    EXPECT_EQ(GetCursor(), LoadCursor(0, IDC_CROSS));
    if (focus) {
      EXPECT_EQ(GetFocus(), HostFocusEdit());
    }
  }
  HWND main = 0;
  HINSTANCE library = 0;
};

TEST_F(Boxes, PlainBoxOwnedByTheMainWindowWhenNoOwnerIsGiven) {
  Watch(IDCANCEL);
  int button = HostProc<BoxFn>("_myMessageBoxForOrvex")(0, "\x96\xb3\x82\xb5 and \xba\xdd", "Title", 0x31);
  EXPECT_EQ(button, IDCANCEL);
  ExpectOneBox(StopWatchingBoxes(), {"\x96\xb3\x82\xb5 and \xba\xdd", "Title", main, 0x31, 1});
  ExpectRestored(true);
}

TEST_F(Boxes, PlainBoxWithAGivenOwnerAndHostileArguments) {
  HWND other = CreateWindowExA(0, "STATIC", "Other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100, 0, 0, 0, 0);
  BoxFn box = HostProc<BoxFn>("_myMessageBoxForOrvex");
  Watch(IDOK);
  EXPECT_EQ(box(other, "text", "title", 0x30), IDOK);
  EXPECT_EQ(box(main, nullptr, nullptr, 0x30), IDOK);
  EXPECT_EQ(box((HWND)(INT_PTR)0x7654320, "no such owner", "t", 0x30), IDOK);
  std::vector<SeenBox> seen = StopWatchingBoxes();
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].owner, other);
  EXPECT_EQ(seen[1].text, "");
  EXPECT_EQ(seen[1].title, "");
  EXPECT_EQ(seen[2].text, "no such owner");
  EXPECT_EQ(seen[2].owner, nullptr);
  DestroyWindow(other);
  HostFocusAndCursorBeforeCall();
}

TEST_F(Boxes, LoadedTextsInBothLanguages) {
  LoadedBoxFn box = HostProc<LoadedBoxFn>("_myMessageBoxForLoadStringForOrvex");
  Watch(IDYES);
  EXPECT_EQ(box(library, main, 2, 3, 0x33), IDYES);
  ExpectOneBox(StopWatchingBoxes(), {"Memory could not be allocated.", "Memory error", main, 0x33, 1});
  ExpectRestored(true);

  HostSetLanguage(1);
  Watch(IDOK);
  EXPECT_EQ(box(library, main, 2, 3, 0x30), IDOK);
  ExpectOneBox(StopWatchingBoxes(),
               {"\xd2\xd3\xd8\x82\xf0\x8am\x95\xdb\x82\xc5\x82\xab\x82\xdc\x82\xb9\x82\xf1\x82\xc5\x82\xb5\x82\xbd"
                "\x81"
                "B",
                "\xd2\xd3\xd8\xb4\xd7\xb0", main, 0x30, 1});
  ExpectRestored(true);
}

// No focus guard around this one: the flag stays down while the box is up.
TEST_F(Boxes, OsErrorBoxShowsThePendingError) {
  OsErrorBoxFn box = HostProc<OsErrorBoxFn>("_myMessageBoxForLoadStringForOrvexWithDoserror");
  Watch(IDOK);
  SetLastError(ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(box(main, nullptr, library, 2, 3), IDOK);
  SetLastError(ERROR_ACCESS_DENIED);
  box(main, "C:\\a b.txt", library, 2, 3);
  std::vector<SeenBox> seen = StopWatchingBoxes();
  ASSERT_EQ(seen.size(), 2u);
  ExpectOneBox({seen[0]}, {"Memory could not be allocated.\n\nOS>> " + OsText(ERROR_FILE_NOT_FOUND), "Memory error",
                           main, 0x30, 0});
  EXPECT_EQ(seen[1].text, "Memory could not be allocated.\nC:\\a b.txt\n\nOS>> " + OsText(ERROR_ACCESS_DENIED));
  ExpectRestored(false);
}

TEST_F(Boxes, FormattedBoxTakesItsInserts) {
  PrintfBoxFn box = HostProc<PrintfBoxFn>("MessageBoxPrintfForOrvex");
  Watch(IDOK);
  EXPECT_EQ(box(library, 98, 42, "cpp", main, 0x31, "main.c"), IDOK);
  ExpectOneBox(StopWatchingBoxes(), {"Choose a file with the extension .cpp. main.c", "Choosing files", main, 0x31, 1});
  ExpectRestored(true);

  HostSetLanguage(1);
  Watch(IDOK);
  box(library, 98, 42, nullptr, main, 0x30, nullptr);
  std::vector<SeenBox> seen = StopWatchingBoxes();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, "\x8ag\x92\xa3\x8eq\x82\xaa . \x82\xcc\xcc\xa7\xb2\xd9\x82\xf0\x91I\x82\xf1\x82\xc5\x82"
                          "\xad\x82\xbe\x82\xb3\x82\xa2\x81"
                          "B");
  ExpectRestored(true);
}

// An insert far longer than the box's 520-byte buffer: the text is cut before
// the first character that does not fit whole, whatever the alignment.
TEST_F(Boxes, FormattedBoxCutsALongInsertOnAWholeCharacter) {
  PrintfBoxFn box = HostProc<PrintfBoxFn>("MessageBoxPrintfForOrvex");
  HostSetLanguage(1);
  std::string format = HostMessageText(98, 1);
  for (const char *lead : {"", "x"}) {
    std::string insert = lead;
    for (int i = 0; i < 600; i++) insert += "\x82\xa0";
    char *guarded = GuardedText(insert.c_str());
    Watch(IDOK);
    box(library, 98, 42, "c", main, 0x30, guarded);
    std::vector<SeenBox> seen = StopWatchingBoxes();
    FreeGuarded(guarded);
    ASSERT_EQ(seen.size(), 1u);
    std::string whole = format.substr(0, format.find("%s")) + "c" +
                        format.substr(format.find("%s") + 2, format.rfind("%s") - format.find("%s") - 2) + insert;
    EXPECT_LE(seen[0].text.size(), 519u);
    EXPECT_EQ(seen[0].text, SjisFit(whole, 519)) << "lead '" << lead << "'";
  }
}

TEST_F(Boxes, ErrorAtCreateWindowsSaysNothingWhenTheOsHasNoText) {
  ErrorAtCreateWindowsFn show = HostProc<ErrorAtCreateWindowsFn>("ErrorAtCreateWindows");
  Watch(IDOK);
  SetLastError(kErrorWithoutOsText);
  show(226, 221);
  ExpectOneBox(StopWatchingBoxes(), {"The folder is not valid.\n\nOS>> nothing", "Orvex Studio", main, 0x30, 1});
  ExpectRestored(true);

  HostSetLanguage(1);
  Watch(IDOK);
  SetLastError(kErrorWithoutOsText);
  show(226, 221);
  ExpectOneBox(StopWatchingBoxes(), {HostMessageText(226, 1) + "\n\nOS>> " + kNothingJapanese, "Orvex Studio", main,
                                     0x30, 1});
  ExpectRestored(true);

  HostSetLanguage(0);
  Watch(IDOK);
  SetLastError(ERROR_ACCESS_DENIED);
  show(226, 221);
  std::vector<SeenBox> seen = StopWatchingBoxes();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, "The folder is not valid.\n\nOS>> " + OsText(ERROR_ACCESS_DENIED));
}

TEST_F(Boxes, ErrorAtCreateWindowsCutsALongMessage) {
  ErrorAtCreateWindowsFn show = HostProc<ErrorAtCreateWindowsFn>("ErrorAtCreateWindows");
  const int kLongMessage = 314;
  for (int language : {0, 1}) {
    HostSetLanguage(language);
    std::string message = HostMessageText(kLongMessage, language);
    ASSERT_GT(message.size(), 520u) << "the test needs a message longer than the box's buffer";
    Watch(IDOK);
    SetLastError(kErrorWithoutOsText);
    show(kLongMessage, 221);
    std::vector<SeenBox> seen = StopWatchingBoxes();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, SjisFit(message, 519)) << language;
    ExpectRestored(true);
  }
}

TEST_F(Boxes, FileOpenErrorWithTheLibrarysTextsOrKitlibsOwn) {
  FileOpenErrorFn show = HostProc<FileOpenErrorFn>("ShowErrorMessageForFileOpen");
  Watch(IDOK);
  SetLastError(ERROR_FILE_NOT_FOUND);
  show(library, main, "C:\\missing.c", 2, 3);
  ExpectOneBox(StopWatchingBoxes(), {"Memory could not be allocated.\nC:\\missing.c\n\nOS>> " +
                                         OsText(ERROR_FILE_NOT_FOUND),
                                     "Memory error", main, 0x30, 1});
  ExpectRestored(true);

  Watch(IDOK);
  SetLastError(ERROR_PATH_NOT_FOUND);
  show(0, main, "C:\\missing.c", 2, 3);
  ExpectOneBox(StopWatchingBoxes(), {"C:\\missing.c\n\nOS>> " + OsText(ERROR_PATH_NOT_FOUND), "", main, 0x30, 1});
  ExpectRestored(true);
}

TEST_F(Boxes, InternetDisabledBox) {
  InternetDisabledFn show = HostProc<InternetDisabledFn>("ShowMessageBoxForInternetDisabled");
  Watch(IDOK);
  show(main, "http://example.com/");
  ExpectOneBox(StopWatchingBoxes(), {"Internet access is switched off in the environment settings, so "
                                     "http://example.com/ cannot be opened.",
                                     "Orvex Studio", main, 0x30, 1});
  ExpectRestored(true);

  HostSetLanguage(1);
  Watch(IDOK);
  show(main, "x");
  std::vector<SeenBox> seen = StopWatchingBoxes();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, "\x8a\xc2\x8b\xab\x90\xdd\x92\xe8\x82\xc5\xb2\xdd\xc0\xb0\xc8\xaf\xc4\x90\xda\x91\xb1\x82"
                          "\xaa\x96\xb3\x8c\xf8\x82\xc9\x82\xc8\x82\xc1\x82\xc4\x82\xa2\x82\xe9\x82\xbd\x82\xdf\x81"
                          "Ax \x82\xf0\x8aJ\x82\xaf\x82\xdc\x82\xb9\x82\xf1\x81"
                          "B");
}

TEST(InvalidFolder, StatusLineSetWithABeepAndClearedWithout) {
  InvalidFolderFn show = HostProc<InvalidFolderFn>("ShowInvalidFolderMessage");
  BeepsFn beeps = KitProc<BeepsFn>("KitBeepsSoFar");
  HWND dialog = CreateWindowExA(0, "STATIC", "Folders", WS_OVERLAPPEDWINDOW, 0, 0, 300, 100, 0, 0, 0, 0);
  HWND status = CreateWindowExA(0, "STATIC", "before", WS_CHILD, 0, 0, 280, 20, dialog, (HMENU)40207, 0, 0);
  char text[256];
  UINT type = 0;
  int before = beeps(nullptr);

  show(dialog, 1);
  GetWindowTextA(status, text, sizeof text);
  EXPECT_STREQ(text, "The folder is not valid.");
  EXPECT_EQ(beeps(&type), before + 1);
  EXPECT_EQ(type, 0x10u);

  show(dialog, 0);
  GetWindowTextA(status, text, sizeof text);
  EXPECT_STREQ(text, "");
  EXPECT_EQ(beeps(nullptr), before + 1);

  HostSetLanguage(1);
  show(dialog, 5);
  GetWindowTextA(status, text, sizeof text);
  EXPECT_STREQ(text, "\xcc\xab\xd9\xc0\xde\x82\xaa\x96\xb3\x8c\xf8\x82\xc5\x82\xb7\x81"
                     "B");
  HostSetLanguage(0);

  int now = beeps(nullptr);
  show(0, 1);
  show((HWND)(INT_PTR)0x7654320, 1);
  EXPECT_EQ(beeps(nullptr), now);
  DestroyWindow(dialog);
}

TEST(FocusGuard, RaisingTakesTheFocusAndLoweringGivesItBack) {
  SetFocusFlagFn set = HostProc<SetFocusFlagFn>("SetChangeFocusDisabled");
  HostFocusAndCursorBeforeCall();
  EXPECT_EQ(set(1, 0), HostFocusEdit());
  EXPECT_EQ(FocusFlag(), 1);
  EXPECT_EQ(set(0, HostMainWindow()), HostMainWindow());
  EXPECT_EQ(GetFocus(), HostMainWindow());
  EXPECT_EQ(FocusFlag(), 0);
  HWND bogus = (HWND)(INT_PTR)0x7654320;
  EXPECT_EQ(set(1, bogus), bogus);
  EXPECT_EQ(GetFocus(), HostMainWindow());
  EXPECT_EQ(FocusFlag(), 1);
  set(0, HostFocusEdit());
  EXPECT_EQ(GetFocus(), HostFocusEdit());
  EXPECT_EQ(FocusFlag(), 0);
}
