// The three colour dialogs run as real modal dialogs, driven through their
// controls: what they show at opening, what each way out leaves in the
// store, the palette list and the samples as they appear on the screen, and
// the brushes the dialogs make.
#include <gtest/gtest.h>
#include "dialogs/title_calls.h"

typedef int(__stdcall *DrawHook)(HWND, UINT, WPARAM, LPARAM);
typedef COLORREF(__stdcall *ColourOfFn)(int);

enum { kList = 1370, kFirstRadio = 40212, kFirstSample = 40216, kUseCommon = 40221, kDefaultEntry = 29 };

static COLORREF Palette(int index) { return KitProc<ColourOfFn>("GetRgbcolorFrormColorOrder")(index); }
static INT_PTR SetColour(COLORREF colour, int record, int useDefault) {
  return HostProc<INT_PTR(__stdcall *)(COLORREF, int, int)>("SetOutputAndTreeViewColor")(colour, record, useDefault);
}
static int Call(const char *name, int value = 0) { return HostProc<int(__stdcall *)(int)>(name)(value); }
// Opens dialog export `name` (with `hook`) and drives it with `action`.
static int Open(const char *name, int control, std::function<void(HWND)> action, DrawHook hook = nullptr) {
  return OpenDriven(name, hook, control, action);
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
// A pixel of a control's client area as it is painted after a full redraw.
static COLORREF PixelOf(HWND control, int x, int y) {
  HDC dc = GetDC(control);
  COLORREF pixel = GetPixel(dc, x, y);
  ReleaseDC(control, dc);
  return pixel;
}

typedef ProductWindows ColourDialogs;

// Every checked control of the console dialog, with the enabled state of the
// two intensity boxes.
static std::string ConsoleState(HWND dialog) {
  std::string state;
  for (int id : {1349, 1350, 1351, 1352, 1353, 1354, 1355, 1356, 1357, 1358, 1359, 1360, 1361, 1362, 1363, 1364,
                 1365, 1366, 40215})
    if (Checked(dialog, id)) state += std::to_string(id) + " ";
  return state + (IsWindowEnabled(GetDlgItem(dialog, 1366)) ? "on " : "off ") +
         (IsWindowEnabled(GetDlgItem(dialog, 1357)) ? "on" : "off");
}

// The console dialog from the cells (text, background): what it shows at
// opening, then the cells that clicks and a way out (0: closing) leave.
// Boxes beside the colour of value 0 are disabled, cells matching no button
// check none, the default disables everything.
TEST_F(ColourDialogs, ConsoleDialog) {
  const char *const kDefaultState = "1349 1357 1365 on off";
  const struct { int text, back; const char *shown; std::vector<int> clicks; int end, text2, back2; } rows[] = {
      {7, 0, kDefaultState, {1361, 1366}, IDOK, 12, 0},
      {7, 0, kDefaultState, {1352}, IDOK, 7, 64},
      {7, 0, kDefaultState, {1352, 1357}, IDOK, 7, 192},
      {7, 0, kDefaultState, {1361, 1352}, IDCANCEL, 7, 0},
      {7, 0, kDefaultState, {1361, 40215}, 1000, 7, 0},
      {7, 0, kDefaultState, {1361, 1352}, 0, 7, 0},
      {12, 192, "1352 1361 1366 on on", {40215}, IDOK, 65535, 65535},
      {12, 192, "1352 1361 1366 on on", {40215, 40215}, IDOK, 12, 192},
      {0, 0, "1349 1357 1358 off off", {}, IDOK, 0, 0},
      {48, 5, "1357 on on", {}, IDOK, 0, 0},
      {65535, 65535, "40215 off off", {40215, 1359}, IDOK, 1, 0},
  };
  for (const auto &row : rows) {
    Call("SetConsoleTextColor", row.text);
    Call("SetConsoleBkColor", row.back);
    std::string shown;
    int result = Open("OpenConsoleColorDialog", 40215, [&](HWND dialog) {
      shown = ConsoleState(dialog);
      for (int id : row.clicks) Click(dialog, id);
      PressButton(dialog, row.end);
    });
    EXPECT_EQ(shown, row.shown) << row.text << "-" << row.back;
    EXPECT_EQ(result, row.end == IDOK ? 1 : 0);
    EXPECT_EQ(Call("GetConsoleTextColor"), row.text2) << row.text << " " << row.end;
    EXPECT_EQ(Call("GetConsoleBkColor"), row.back2) << row.text << " " << row.end;
  }
  Open("OpenConsoleColorDialog", 40215, [](HWND dialog) {
    Click(dialog, 40045);
    PressButton(dialog, IDOK);
  });
  EXPECT_EQ(JournalLines().back(), JournalLine({"help", "1", "49199", HostFolder() + "ORVEX.HLP"}));
}

// Cancel, button 1000 and closing leave the table as it was; OK puts the
// working records in (a default choice included) and, with the use-common
// box, the text and background records become the common colours. A brush
// made by a list choice is deleted when a second choice replaces it and when
// the table does not take it; the table's brush survives all but OK.
TEST_F(ColourDialogs, OutputDialogOkCopiesCancelKeepsAndBrushes) {
  for (int end : {IDCANCEL, 1000, 0, IDOK}) {
    SetColour(Palette(1), 0, 0);
    HBRUSH table = (HBRUSH)SetColour(Palette(2), 1, 0);
    Call("SetUseCommonTextAndBkColor", 0);
    HBRUSH first = 0, second = 0;
    DWORD firstAfterSecond = 1;
    int result = Open("OpenOutputColorDialog", kList, [&](HWND dialog) {
      Choose(dialog, 5);
      Click(dialog, kFirstRadio + 1);
      Choose(dialog, 6);
      first = SampleBrush(dialog, kFirstSample);
      Choose(dialog, kDefaultEntry);
      second = SampleBrush(dialog, kFirstSample);
      firstAfterSecond = GetObjectType(first);
      Click(dialog, kUseCommon);
      PressButton(dialog, end);
    });
    bool ok = end == IDOK;
    EXPECT_EQ(result, ok ? 1 : 0) << end;
    EXPECT_EQ(HostProc<ColourOfFn>("GetOutputAndTreeViewColor")(0), ok ? Palette(5) : Palette(1)) << end;
    EXPECT_EQ(HostProc<ColourOfFn>("GetOutputAndTreeViewColor")(1), ok ? RGB(255, 255, 255) : Palette(2)) << end;
    EXPECT_EQ(Call("IsDefaultOutputAndTreeViewColor", 1), ok ? 1 : 0) << end;
    EXPECT_EQ(Call("IsUseCommonTextAndBkColor"), ok ? 1 : 0) << end;
    EXPECT_NE(first, table);
    EXPECT_EQ(firstAfterSecond, 0u);
    EXPECT_EQ(GetObjectType(second), ok ? (DWORD)OBJ_BRUSH : 0u) << end;
    EXPECT_EQ(GetObjectType(table), ok ? 0u : (DWORD)OBJ_BRUSH) << end;
  }
  typedef int(__stdcall * CommonFn)(COLORREF *, int *);
  COLORREF common = 0;
  int isDefault = -1;
  EXPECT_EQ(HostProc<CommonFn>("GetCommonTextColor")(&common, &isDefault), 0);
  EXPECT_EQ(common, Palette(5));
  EXPECT_EQ(HostProc<CommonFn>("GetCommonBkColor")(&common, &isDefault), 1);
}

// The draw hook as the dialog calls it, and what it answers.
static struct { int calls, answer, otherArguments; HWND dialog; HBRUSH fill; } g_hook;

static int __stdcall RecordingHook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  const DRAWITEMSTRUCT *item = (const DRAWITEMSTRUCT *)lParam;
  g_hook.calls++;
  g_hook.dialog = dialog;
  if (message != WM_DRAWITEM || wParam != kList || !item || item->CtlID != kList) g_hook.otherArguments++;
  if (g_hook.answer && item) FillRect(item->hDC, &item->rcItem, g_hook.fill);
  return g_hook.answer;
}

// Opening selects the entry of the first record (the default entry for a
// default colour or one outside the palette), radio 40212 is current, the
// focus is on Cancel; the next radio selects its record's entry. Without a
// hook, and with one that does not draw, every visible entry shows its
// palette colour inside a grey frame (the caret entry's frame may be black);
// a hook that draws shows only what it drew. Each sample is painted on its
// pair's background, also when the table's background records had no brush
// yet.
TEST_F(ColourDialogs, OpeningThePaletteListAndTheSamples) {
  for (int record = 0; record < 6; record++) SetColour(Palette(record + 1), record, 0);
  const COLORREF fill = RGB(1, 2, 3), grey = RGB(128, 128, 128);
  const char *output = "OpenOutputColorDialog", *defaultText[] = {"Default", "\x8e\xa9\x93\xae"};
  const struct { const char *name; DrawHook hook; int answer, language; COLORREF colour; int useDefault, want; } rows[] = {
      {output, nullptr, 0, 0, Palette(12), 0, 12},
      {output, RecordingHook, 0, 1, RGB(1, 2, 3), 0, kDefaultEntry},
      {output, RecordingHook, 1, 0, Palette(12), 1, kDefaultEntry},
      {"OpenTreeViewColorDialog", nullptr, 0, 1, Palette(3), 0, 3},
  };
  for (const auto &row : rows) {
    bool tree = row.name != output;
    HostSetLanguage(row.language);
    SetColour(row.colour, tree ? 4 : 0, row.useDefault);
    HostProc<void(__stdcall *)()>("DeleteBrushOutputAndTreeViewColor")();
    g_hook = {0, row.answer, 0, 0, CreateSolidBrush(fill)};
    std::vector<int> seen, faults;
    std::vector<COLORREF> samples;
    char entryText[32] = "";
    int checked = 0;
    HWND seenDialog = 0;
    Open(row.name, kList, [&](HWND dialog) {
      seenDialog = dialog;
      seen = {Selection(dialog), Checked(dialog, kFirstRadio), GetFocus() == GetDlgItem(dialog, 1000)};
      SendDlgItemMessageA(dialog, kList, LB_GETTEXT, kDefaultEntry, (LPARAM)entryText);
      HWND list = GetDlgItem(dialog, kList);
      RedrawWindow(dialog, 0, 0, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
      RECT client, box;
      GetClientRect(list, &client);
      int caret = (int)SendMessageA(list, LB_GETCARETINDEX, 0, 0);
      for (int entry = (int)SendMessageA(list, LB_GETTOPINDEX, 0, 0); entry < kDefaultEntry; entry++, checked++) {
        SendMessageA(list, LB_GETITEMRECT, (WPARAM)entry, (LPARAM)&box);
        if (box.bottom > client.bottom) break;
        int middle = (box.top + box.bottom) / 2;
        if (PixelOf(list, (box.left + box.right) / 2, middle) != (row.answer ? fill : Palette(entry)))
          faults.push_back(entry);
        if (entry != caret && PixelOf(list, box.left, middle) != (row.answer ? fill : grey)) faults.push_back(-entry);
      }
      for (int i = 0; i < (tree ? 1 : 3); i++) {
        HWND sample = GetDlgItem(dialog, kFirstSample + i);
        GetClientRect(sample, &client);
        samples.push_back(PixelOf(sample, client.right - 2, 1));
      }
      Click(dialog, kFirstRadio + 1);
      seen.push_back(Selection(dialog));
      PressButton(dialog, 1000);
    }, row.hook);
    EXPECT_EQ(seen, (std::vector<int>{row.want, 1, 1, tree ? 6 : 2})) << row.name << row.want;
    EXPECT_STREQ(entryText, defaultText[row.language]);
    std::vector<COLORREF> backgrounds = {Palette(2), Palette(2), Palette(4)};
    EXPECT_EQ(samples, tree ? std::vector<COLORREF>{Palette(6)} : backgrounds);
    EXPECT_GT(checked, 5);
    EXPECT_EQ(faults, std::vector<int>()) << "entries (border: negative) wrong with hook " << (row.hook != 0);
    EXPECT_EQ(g_hook.calls > 0, row.hook != nullptr);
    EXPECT_EQ(g_hook.dialog, row.hook ? seenDialog : (HWND)0);
    EXPECT_EQ(g_hook.otherArguments, 0);
    DeleteObject(g_hook.fill);
  }
}
