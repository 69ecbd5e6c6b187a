// The output-window and tree-view colour dialogs: a list of the 29 palette
// colours and a default entry, radio buttons choosing which record of the
// colour table is being edited, and sample fields painted with the chosen
// pairs. The dialogs edit a working copy of their records; OK puts it into
// the table, Cancel leaves the table alone.
//
// Brushes: the working copy starts with the table's brushes. Every brush the
// dialog makes (a list choice on a background record, or a background that
// had none when the dialog opened) is the dialog's own until OK hands it to
// the table; a brush of the dialog's that is replaced, or not taken by the
// table, is deleted. A brush the table holds is never deleted here.
#include "dialogs/colour_dialog_ids.h"
#include "frame/kitlib.h"
#include "settings/colours.h"

typedef int(__stdcall *ColourDrawHook)(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

enum { kDefaultEntry = kKitPaletteColours, kListEntries = kKitPaletteColours + 1, kItemHeight = 16 };

static const char *const kDefaultEntryText[] = {"Default", "自動"};
static const char kBlankEntry[] = "          ";

// A sample field and the records whose colours it shows.
struct Sample {
  int id, textRecord, backgroundRecord;
};

// What tells the two dialogs apart: their records and samples, and the text
// and background records that give the common colours.
struct ColourDialog {
  LPCSTR templateName;
  int firstRecord, recordCount;
  Sample samples[3];
  int sampleCount;
  int textRecord, backgroundRecord;
};

static const ColourDialog kOutputDialog = {
    "OpenOutputColor", 0, 4,
    {{IDC_SAMPLE_FIRST, 0, 1}, {IDC_SAMPLE_FIRST + 1, 2, 1}, {IDC_SAMPLE_FIRST + 2, 2, 3}}, 3, 0, 1};
static const ColourDialog kTreeViewDialog = {"OpenTreeViewColor", 4, 2, {{IDC_SAMPLE_FIRST, 4, 5}}, 1, 4, 5};

// Only one colour dialog is open at a time. All of this is set when it opens
// and used by its procedure, on the host's user-interface thread.
static const ColourDialog *g_dialog = 0;
static ColourRecord g_working[kColourRecords];
static int g_currentRadio = 0;
static ColourDrawHook g_drawHook = 0;
static bool g_committed = false;

static bool IsOwnBrush(int record) {
  HBRUSH brush = g_working[record].brush;
  return brush && brush != ColourRecordAt(record).brush;
}

static void ReplaceWorkingBrush(int record, HBRUSH brush) {
  if (IsOwnBrush(record)) DeleteObject(g_working[record].brush);
  g_working[record].brush = brush;
}

static void DiscardOwnBrushes(void) {
  for (int record = 0; record < kColourRecords; record++) ReplaceWorkingBrush(record, 0);
}

static int RecordOfRadio(int radioId) { return g_dialog->firstRecord + (radioId - IDC_RECORD_FIRST); }

// The list entry that shows a record: its palette index, or the default
// entry when it is the default or not in the palette.
static int EntryOf(const ColourRecord &record) {
  int index = record.chosen ? GetColorOrderFrormRgbcolor(record.colour) : kDefaultEntry;
  return index >= 0 && index < kKitPaletteColours ? index : kDefaultEntry;
}

static void SelectEntryOfRadio(HWND dialog, int radioId) {
  SendDlgItemMessageA(dialog, IDC_COLOUR_LIST, LB_SETCURSEL, (WPARAM)EntryOf(g_working[RecordOfRadio(radioId)]), 0);
}

static void RepaintSamples(HWND dialog) {
  for (int i = 0; i < g_dialog->sampleCount; i++) InvalidateRect(GetDlgItem(dialog, g_dialog->samples[i].id), 0, TRUE);
}

static void InitColourDialog(HWND dialog) {
  cwCenter(0, dialog);
  // A background that has no brush yet would show the dialog's grey.
  for (int i = 0; i < g_dialog->recordCount; i++) {
    ColourRecord &record = g_working[g_dialog->firstRecord + i];
    if (record.background && !record.brush) record.brush = CreateSolidBrush(record.colour);
  }
  HWND list = GetDlgItem(dialog, IDC_COLOUR_LIST);
  for (int i = 0; i < kKitPaletteColours; i++) SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)kBlankEntry);
  SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)kDefaultEntryText[GetLanguage() ? 1 : 0]);
  g_currentRadio = IDC_RECORD_FIRST;
  CheckRadioButton(dialog, IDC_RECORD_FIRST, IDC_RECORD_FIRST + g_dialog->recordCount - 1, g_currentRadio);
  SelectEntryOfRadio(dialog, g_currentRadio);
  CheckDlgButton(dialog, IDC_USE_COMMON, IsUseCommonTextAndBkColor() ? BST_CHECKED : BST_UNCHECKED);
  SetFocus(GetDlgItem(dialog, IDC_COLOUR_CANCEL));
}

static void ListChoice(HWND dialog) {
  int entry = (int)SendDlgItemMessageA(dialog, IDC_COLOUR_LIST, LB_GETCURSEL, 0, 0);
  if (entry < 0 || entry >= kListEntries) return;
  int recordIndex = RecordOfRadio(g_currentRadio);
  ColourRecord &record = g_working[recordIndex];
  record.chosen = entry != kDefaultEntry;
  record.colour = record.chosen ? GetRgbcolorFrormColorOrder(entry) : record.defaultColour;
  if (record.background) ReplaceWorkingBrush(recordIndex, CreateSolidBrush(record.colour));
  RepaintSamples(dialog);
}

static void Commit(HWND dialog) {
  for (int i = 0; i < g_dialog->recordCount; i++) {
    int record = g_dialog->firstRecord + i;
    StoreColourRecord(record, g_working[record]);
  }
  g_committed = true;
  SetUseCommonTextAndBkColor(IsDlgButtonChecked(dialog, IDC_USE_COMMON) == BST_CHECKED);
  if (!IsUseCommonTextAndBkColor()) return;
  const ColourRecord &text = g_working[g_dialog->textRecord];
  const ColourRecord &background = g_working[g_dialog->backgroundRecord];
  SetCommonTextColor(text.colour, !text.chosen);
  SetCommonBkColor(background.colour, !background.chosen);
}

static INT_PTR ColourCommand(HWND dialog, int id, int notification) {
  if (id == IDOK) {
    Commit(dialog);
    EndDialog(dialog, 1);
  } else if (id == IDCANCEL || id == IDC_COLOUR_CANCEL) {
    EndDialog(dialog, 0);
  } else if (id == IDC_COLOUR_LIST) {
    if (notification == LBN_SELCHANGE || notification == LBN_DBLCLK) ListChoice(dialog);
  } else if (id >= IDC_RECORD_FIRST && id < IDC_RECORD_FIRST + g_dialog->recordCount) {
    g_currentRadio = id;
    SelectEntryOfRadio(dialog, id);
  } else {
    return FALSE;
  }
  return TRUE;
}

// A sample is painted with its pair's colours on the background's brush.
static INT_PTR SampleColours(HWND control, HDC dc) {
  int id = GetDlgCtrlID(control);
  for (int i = 0; i < g_dialog->sampleCount; i++) {
    const Sample &sample = g_dialog->samples[i];
    const ColourRecord &background = g_working[sample.backgroundRecord];
    if (sample.id != id || !background.brush) continue;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, g_working[sample.textRecord].colour);
    SetBkColor(dc, background.colour);
    return (INT_PTR)background.brush;
  }
  return FALSE;
}

// Every entry is drawn whole: a grey frame, then the colour inside it (the
// default entry's text centred), and for the focused entry a black frame
// with the focus rectangle.
static void DrawListEntry(HWND dialog, const DRAWITEMSTRUCT *item) {
  int entry = (int)item->itemID;
  if (entry < 0 || entry >= kListEntries) return;
  HDC dc = item->hDC;
  RECT box = item->rcItem;
  FillRect(dc, &box, GetSysColorBrush(COLOR_WINDOW));
  if (entry == kDefaultEntry) {
    char text[64] = "";
    if (SendMessageA(item->hwndItem, LB_GETTEXTLEN, (WPARAM)entry, 0) < (LRESULT)sizeof text)
      SendMessageA(item->hwndItem, LB_GETTEXT, (WPARAM)entry, (LPARAM)text);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    DrawTextA(dc, text, -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  } else {
    RECT inside = box;
    InflateRect(&inside, -2, -2);
    FillRect(dc, &inside, Get_hColorBrush(entry));
    FrameRect(dc, &inside, Get_hColorBrush(kKitPaletteGrey));
  }
  FrameRect(dc, &box, Get_hColorBrush(kKitPaletteGrey));
  if (item->itemState & ODS_FOCUS) {
    FrameRect(dc, &box, Get_hColorBrush(kKitPaletteBlack));
    RECT focus = box;
    InflateRect(&focus, -1, -1);
    DrawFocusRect(dc, &focus);
  }
}

static INT_PTR CALLBACK ColourDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_INITDIALOG:
    InitColourDialog(dialog);
    return FALSE; // the focus is set
  case WM_MEASUREITEM:
    if (wParam != IDC_COLOUR_LIST) return FALSE;
    ((MEASUREITEMSTRUCT *)lParam)->itemHeight = kItemHeight;
    return TRUE;
  case WM_DRAWITEM:
    if (wParam != IDC_COLOUR_LIST) return FALSE;
    // The host's hook draws first; when it did not draw, the library does.
    if (!g_drawHook || !g_drawHook(dialog, message, wParam, lParam)) DrawListEntry(dialog, (DRAWITEMSTRUCT *)lParam);
    return TRUE;
  case WM_CTLCOLORSTATIC:
    return SampleColours((HWND)lParam, (HDC)wParam);
  case WM_CLOSE:
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
  case WM_COMMAND:
    return ColourCommand(dialog, LOWORD(wParam), HIWORD(wParam));
  }
  return FALSE;
}

static int OpenColourDialog(const ColourDialog &kind, HWND owner, ColourDrawHook hook) {
  g_dialog = &kind;
  g_drawHook = hook;
  g_committed = false;
  for (int record = 0; record < kColourRecords; record++) g_working[record] = ColourRecordAt(record);
  INT_PTR result = DisplayBox(owner, ColourDialogProc, kind.templateName, GethInstOrvexdll());
  if (!g_committed) DiscardOwnBrushes();
  g_drawHook = 0;
  return result == 1 && g_committed ? 1 : 0;
}

extern "C" int ORVEXAPI OpenOutputColorDialog(HWND owner, int ignored1, int ignored2, ColourDrawHook hook) {
  return OpenColourDialog(kOutputDialog, owner, hook);
}

extern "C" int ORVEXAPI OpenTreeViewColorDialog(HWND owner, int ignored1, int ignored2, ColourDrawHook hook) {
  return OpenColourDialog(kTreeViewDialog, owner, hook);
}
