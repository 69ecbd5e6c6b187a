// The three colour dialogs run as real modal dialogs, driven through their
// controls: what they show at opening, what each way out leaves in the
// store, the palette list as it appears on the screen, the samples' colours
// and the brushes the dialogs make.
#include <gtest/gtest.h>
#include "dialogs/title_calls.h"
#include "host/dialog_driver.h"
#include <set>

typedef int(__stdcall *DrawHook)(HWND, UINT, WPARAM, LPARAM);
typedef int(__stdcall *OpenColourFn)(HWND, int, int, DrawHook);
typedef INT_PTR(__stdcall *SetColourFn)(COLORREF, int, int);
typedef COLORREF(__stdcall *ColourOfFn)(int);
typedef int(__stdcall *IntOfFn)(int);

enum { kList = 1370, kFirstRadio = 40212, kFirstSample = 40216, kUseCommon = 40221, kDefaultEntry = 29 };

static const COLORREF kGrey = RGB(128, 128, 128);

static COLORREF Palette(int index) { return KitProc<ColourOfFn>("GetRgbcolorFrormColorOrder")(index); }
static INT_PTR SetColour(COLORREF colour, int record, int useDefault) {
  return HostProc<SetColourFn>("SetOutputAndTreeViewColor")(colour, record, useDefault);
}
static COLORREF ColourOf(int record) { return HostProc<ColourOfFn>("GetOutputAndTreeViewColor")(record); }
static WORD ConsoleText() { return (WORD)HostProc<int(__stdcall *)()>("GetConsoleTextColor")(); }
static WORD ConsoleBack() { return (WORD)HostProc<int(__stdcall *)()>("GetConsoleBkColor")(); }
static void SetConsole(int text, int back) {
  HostProc<void(__stdcall *)(int)>("SetConsoleTextColor")(text);
  HostProc<void(__stdcall *)(int)>("SetConsoleBkColor")(back);
}

static void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
static bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
static int Selection(HWND dialog) { return (int)SendDlgItemMessageA(dialog, kList, LB_GETCURSEL, 0, 0); }
// A choice in the list, as a click on entry `entry` reaches the dialog.
static void Choose(HWND dialog, int entry) {
  SendDlgItemMessageA(dialog, kList, LB_SETCURSEL, (WPARAM)entry, 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kList, LBN_SELCHANGE), (LPARAM)GetDlgItem(dialog, kList));
}
// The brush the dialog paints sample `id` with.
static HBRUSH SampleBrush(HWND dialog, int id) {
  HDC dc = GetDC(dialog);
  HBRUSH brush = (HBRUSH)SendMessageA(dialog, WM_CTLCOLORSTATIC, (WPARAM)dc, (LPARAM)GetDlgItem(dialog, id));
  ReleaseDC(dialog, dc);
  return brush;
}

// Opens a dialog of `name` with `hook`, runs `action` on it and returns the
// dialog's result; the action ends it.
static int RunColourDialog(const char *name, int identifyingControl, DrawHook hook, std::function<void(HWND)> action) {
  DriveDialogs(identifyingControl, action);
  int result = HostProc<OpenColourFn>(name)(HostMainWindow(), 0, 0, hook);
  EXPECT_EQ(StopDrivingDialogs(), 1) << name;
  return result;
}

// The client area of `window` as it is painted now, pixel by pixel.
struct Capture {
  int width = 0, height = 0;
  std::vector<DWORD> bits;
  COLORREF At(int x, int y) const {
    DWORD pixel = bits[(size_t)y * width + x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
  }
};

static Capture CaptureClient(HWND window) {
  RedrawWindow(GetAncestor(window, GA_ROOT), 0, 0, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Capture capture;
  RECT client;
  GetClientRect(window, &client);
  capture.width = client.right;
  capture.height = client.bottom;
  capture.bits.resize((size_t)capture.width * capture.height);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = capture.width;
  info.bmiHeader.biHeight = -capture.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  HDC source = GetDC(window), memory = CreateCompatibleDC(source);
  void *bits = 0;
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, 0, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, capture.width, capture.height, source, 0, 0, SRCCOPY);
  GdiFlush();
  memcpy(capture.bits.data(), bits, capture.bits.size() * sizeof(DWORD));
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, source);
  return capture;
}

class ColourDialogs : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(PrepareHostForProductWindows()); }
  void TearDown() override {
    StopDrivingDialogs();
    HostSetLanguage(0);
  }
};

// Every checked button of the console dialog, with the enabled state of the
// two intensity boxes.
static std::string ConsoleState(HWND dialog) {
  std::string state;
  for (int id = 1349; id <= 1366; id++)
    if (Checked(dialog, id)) state += std::to_string(id) + " ";
  if (Checked(dialog, 40215)) state += "40215 ";
  state += IsWindowEnabled(GetDlgItem(dialog, 1366)) ? "bright on, " : "bright off, ";
  state += IsWindowEnabled(GetDlgItem(dialog, 1357)) ? "dark on" : "dark off";
  return state;
}

// What the console dialog shows at opening: the buttons of the cells, the
// boxes beside the colour of value 0 disabled, nothing checked for cells
// that match no button, everything disabled for the default colours.
TEST_F(ColourDialogs, ConsoleDialogShowsTheCells) {
  const struct { int text, back; const char *want; } rows[] = {
      {12, 192, "1352 1361 1366 bright on, dark on"},
      {0, 0, "1349 1357 1358 bright off, dark off"},
      {48, 5, "1357 bright on, dark on"},
      {65535, 65535, "40215 bright off, dark off"},
  };
  for (const auto &row : rows) {
    SetConsole(row.text, row.back);
    std::string state;
    EXPECT_EQ(RunColourDialog("OpenConsoleColorDialog", 40215, nullptr, [&state](HWND dialog) {
                state = ConsoleState(dialog);
                PressButton(dialog, IDOK);
              }), 1);
    EXPECT_EQ(state, row.want) << row.text << "-" << row.back;
  }
}

// The cells each way of using the dialog leaves, from text 7 on background
// 0: clicks in order, then the way out (0: closing the window).
TEST_F(ColourDialogs, ConsoleDialogStoresTheChoice) {
  const struct { int text, back; std::vector<int> clicks; int end, result, wantText, wantBack; } rows[] = {
      {7, 0, {1361, 1366}, IDOK, 1, 12, 0},
      {7, 0, {1352}, IDOK, 1, 7, 64},
      {7, 0, {1352, 1357}, IDOK, 1, 7, 192},
      {7, 0, {1361, 1352}, IDCANCEL, 0, 7, 0},
      {7, 0, {1361, 40215}, 1000, 0, 7, 0},
      {7, 0, {1361, 1352}, 0, 0, 7, 0},
      {12, 192, {40215}, IDOK, 1, 65535, 65535},
      {12, 192, {40215, 40215}, IDOK, 1, 12, 192},
      {65535, 65535, {40215, 1359}, IDOK, 1, 1, 0},
  };
  for (const auto &row : rows) {
    SetConsole(row.text, row.back);
    int result = RunColourDialog("OpenConsoleColorDialog", 40215, nullptr, [&row](HWND dialog) {
      for (int id : row.clicks) Click(dialog, id);
      if (row.end) PressButton(dialog, row.end);
      else PostMessageA(dialog, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(result, row.result) << row.clicks[0] << " " << row.end;
    EXPECT_EQ(ConsoleText(), row.wantText) << row.clicks[0] << " " << row.end;
    EXPECT_EQ(ConsoleBack(), row.wantBack) << row.clicks[0] << " " << row.end;
  }
  RunColourDialog("OpenConsoleColorDialog", 40215, nullptr, [](HWND dialog) {
    Click(dialog, 40045);
    PressButton(dialog, IDOK);
  });
  EXPECT_EQ(JournalLines().back(), JournalLine({"help", "1", "49199", HostFolder() + "ORVEX.HLP"}));
}

// Opening selects the entry of the first record (the default entry for a
// default colour or one outside the palette), radio 40212 is current, the
// focus is on Cancel; the other radios select their records' entries.
TEST_F(ColourDialogs, OpeningSelectsTheFirstRecord) {
  const struct { const char *name; int record; COLORREF colour; int useDefault, language, want; } rows[] = {
      {"OpenOutputColorDialog", 0, Palette(12), 0, 0, 12},
      {"OpenOutputColorDialog", 0, RGB(1, 2, 3), 0, 1, kDefaultEntry},
      {"OpenOutputColorDialog", 0, Palette(12), 1, 0, kDefaultEntry},
      {"OpenTreeViewColorDialog", 4, Palette(3), 0, 1, 3},
  };
  const char *defaultText[] = {"Default", "\x8e\xa9\x93\xae"};
  SetColour(Palette(20), 1, 0);
  SetColour(Palette(21), 5, 0);
  for (const auto &row : rows) {
    HostSetLanguage(row.language);
    SetColour(row.colour, row.record, row.useDefault);
    std::vector<int> seen;
    std::string entryText;
    RunColourDialog(row.name, kList, nullptr, [&](HWND dialog) {
      seen.push_back(Selection(dialog));
      seen.push_back(Checked(dialog, kFirstRadio));
      seen.push_back(GetFocus() == GetDlgItem(dialog, 1000));
      Click(dialog, kFirstRadio + 1);
      seen.push_back(Selection(dialog));
      char text[32] = "";
      SendDlgItemMessageA(dialog, kList, LB_GETTEXT, kDefaultEntry, (LPARAM)text);
      entryText = text;
      PressButton(dialog, 1000);
    });
    EXPECT_EQ(seen, (std::vector<int>{row.want, 1, 1, row.record == 0 ? 20 : 21})) << row.name << row.want;
    EXPECT_EQ(entryText, defaultText[row.language]);
  }
}

// Cancel, button 1000 and closing leave the table as it was; OK puts the
// working records in, a default choice included, and with the use-common box
// the text and background records become the common colours.
TEST_F(ColourDialogs, OutputDialogOkCopiesCancelKeeps) {
  for (int end : {IDCANCEL, 1000, 0, IDOK}) {
    SetColour(Palette(1), 0, 0);
    SetColour(Palette(2), 1, 0);
    HostProc<void(__stdcall *)(int)>("SetUseCommonTextAndBkColor")(0);
    int result = RunColourDialog("OpenOutputColorDialog", kList, nullptr, [end](HWND dialog) {
      Choose(dialog, 5);
      Click(dialog, kFirstRadio + 1);
      Choose(dialog, kDefaultEntry);
      Click(dialog, kUseCommon);
      if (end) PressButton(dialog, end);
      else PostMessageA(dialog, WM_CLOSE, 0, 0);
    });
    bool ok = end == IDOK;
    EXPECT_EQ(result, ok ? 1 : 0) << end;
    EXPECT_EQ(ColourOf(0), ok ? Palette(5) : Palette(1)) << end;
    EXPECT_EQ(ColourOf(1), ok ? HostProc<ColourOfFn>("GetOutputAndTreeViewDefaultColor")(1) : Palette(2)) << end;
    EXPECT_EQ(HostProc<IntOfFn>("IsDefaultOutputAndTreeViewColor")(1), ok ? 1 : 0) << end;
    EXPECT_EQ(HostProc<int(__stdcall *)()>("IsUseCommonTextAndBkColor")(), ok ? 1 : 0) << end;
  }
  COLORREF common = 0;
  int isDefault = -1;
  auto get = HostProc<int(__stdcall *)(COLORREF *, int *)>("GetCommonTextColor");
  EXPECT_EQ(get(&common, &isDefault), 0);
  EXPECT_EQ(common, Palette(5));
  EXPECT_EQ(HostProc<int(__stdcall *)(COLORREF *, int *)>("GetCommonBkColor")(&common, &isDefault), 1);
}

// The draw hook as the dialog calls it, and what it answers.
static struct {
  int calls, answer, otherArguments;
  HWND dialog;
} g_hook;
static HBRUSH g_hookFill;

static int __stdcall RecordingHook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  const DRAWITEMSTRUCT *item = (const DRAWITEMSTRUCT *)lParam;
  g_hook.calls++;
  g_hook.dialog = dialog;
  if (message != WM_DRAWITEM || wParam != kList || !item || item->CtlID != kList) g_hook.otherArguments++;
  if (g_hook.answer && item) FillRect(item->hDC, &item->rcItem, g_hookFill);
  return g_hook.answer;
}

// Without a hook, and with one that does not draw, every visible entry shows
// its palette colour inside a grey frame (the focused entry's frame is
// black); a hook that draws shows only what it drew.
TEST_F(ColourDialogs, PaletteListOnTheScreen) {
  const COLORREF fill = RGB(1, 2, 3);
  g_hookFill = CreateSolidBrush(fill);
  const struct { DrawHook hook; int answer; } rows[] = {{nullptr, 0}, {RecordingHook, 0}, {RecordingHook, 1}};
  for (const auto &row : rows) {
    g_hook = {};
    g_hook.answer = row.answer;
    std::vector<std::string> faults;
    int checked = 0;
    HWND seenDialog = 0;
    RunColourDialog("OpenOutputColorDialog", kList, row.hook, [&](HWND dialog) {
      seenDialog = dialog;
      HWND list = GetDlgItem(dialog, kList);
      Capture shot = CaptureClient(list);
      int caret = (int)SendMessageA(list, LB_GETCARETINDEX, 0, 0);
      for (int entry = (int)SendMessageA(list, LB_GETTOPINDEX, 0, 0); entry < kDefaultEntry; entry++) {
        RECT box;
        SendMessageA(list, LB_GETITEMRECT, (WPARAM)entry, (LPARAM)&box);
        if (box.bottom > shot.height) break;
        int middle = (box.top + box.bottom) / 2;
        COLORREF centre = shot.At((box.left + box.right) / 2, middle), border = shot.At(box.left, middle);
        COLORREF wantCentre = row.answer ? fill : Palette(entry), wantBorder = row.answer ? fill : kGrey;
        if (centre != wantCentre) faults.push_back("centre of " + std::to_string(entry));
        if (entry != caret && border != wantBorder) faults.push_back("border of " + std::to_string(entry));
        checked++;
      }
      PressButton(dialog, 1000);
    });
    EXPECT_GT(checked, 5);
    EXPECT_TRUE(faults.empty()) << faults.size() << " faults, first: " << (faults.empty() ? "" : faults[0]);
    if (row.hook) {
      EXPECT_GT(g_hook.calls, 0);
      EXPECT_EQ(g_hook.dialog, seenDialog);
      EXPECT_EQ(g_hook.otherArguments, 0);
    }
  }
  DeleteObject(g_hookFill);
}

// Each sample is painted on its pair's background, also when the table's
// background records had no brush yet.
TEST_F(ColourDialogs, SamplesShowTheirBackgrounds) {
  for (int record = 0; record < 6; record++) SetColour(Palette(record + 1), record, 0);
  HostProc<void(__stdcall *)()>("DeleteBrushOutputAndTreeViewColor")();
  const struct { const char *name; std::vector<int> backgrounds; } rows[] = {
      {"OpenOutputColorDialog", {1, 1, 3}}, {"OpenTreeViewColorDialog", {5}}};
  for (const auto &row : rows) {
    std::vector<COLORREF> seen;
    RunColourDialog(row.name, kList, nullptr, [&seen, &row](HWND dialog) {
      for (size_t i = 0; i < row.backgrounds.size(); i++) {
        Capture shot = CaptureClient(GetDlgItem(dialog, kFirstSample + (int)i));
        seen.push_back(shot.At(shot.width - 2, 1));
      }
      PressButton(dialog, 1000);
    });
    std::vector<COLORREF> want;
    for (int record : row.backgrounds) want.push_back(Palette(record + 1));
    EXPECT_EQ(seen, want) << row.name;
  }
}

// A brush made by a list choice is deleted when a second choice replaces it
// and when Cancel drops the working copy; the table's brush survives Cancel
// and is replaced (deleted) by OK, which keeps the dialog's last brush.
TEST_F(ColourDialogs, WorkingBrushesAreDeletedOnce) {
  for (int end : {1000, IDOK}) {
    HBRUSH table = (HBRUSH)SetColour(Palette(2), 1, 0);
    HBRUSH first = 0, second = 0;
    DWORD firstAfterSecond = 1;
    RunColourDialog("OpenOutputColorDialog", kList, nullptr, [&](HWND dialog) {
      Click(dialog, kFirstRadio + 1);
      Choose(dialog, 5);
      first = SampleBrush(dialog, kFirstSample);
      Choose(dialog, 6);
      second = SampleBrush(dialog, kFirstSample);
      firstAfterSecond = GetObjectType(first);
      PressButton(dialog, end);
    });
    bool ok = end == IDOK;
    EXPECT_NE(first, table);
    EXPECT_EQ(firstAfterSecond, 0u);
    EXPECT_EQ(GetObjectType(second), ok ? (DWORD)OBJ_BRUSH : 0u) << end;
    EXPECT_EQ(GetObjectType(table), ok ? 0u : (DWORD)OBJ_BRUSH) << end;
  }
}
