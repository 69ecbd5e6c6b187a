// The page layout dialog: the header and footer format strings of printed
// pages and their margins, kept by Kitlib. Each format edit has a "=>"
// button opening a menu of format identifiers to insert at its caret.
//
// OK checks every margin before it stores anything, so a refused margin
// leaves the stored layout as it was whatever the user does next.
#include "dialogs/modal_procedure.h"
#include "dialogs/tool_dialog_ids.h"
#include "frame/dialog_controls.h"
#include "frame/kitlib.h"
#include "frame/kitmsg.h"
#include "frame/message_boxes.h"
#include "frame/orvexmsg.h"
#include "frame/buffer_sizes.h"
#include "frame/shift_jis.h"
#include "settings/session_flags.h"
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string>

enum {
  kMarginText = 131,
  kMarginTitle = 129,
  kFirstMenuText = 125, // file name, page number, date, time
  kLastSelectionStart = 1039,
};

// A format edit, its "=>" button and where its text is kept.
struct FormatField {
  int edit, button, position, footer;
};
static const FormatField kFormatFields[] = {
    {IDC_HEADER_LEFT, IDC_INSERT_HEADER_LEFT, 0, 0},   {IDC_HEADER_CENTRE, IDC_INSERT_HEADER_CENTRE, 1, 0},
    {IDC_HEADER_RIGHT, IDC_INSERT_HEADER_RIGHT, 2, 0}, {IDC_FOOTER_LEFT, IDC_INSERT_FOOTER_LEFT, 0, 1},
    {IDC_FOOTER_CENTRE, IDC_INSERT_FOOTER_CENTRE, 1, 1}, {IDC_FOOTER_RIGHT, IDC_INSERT_FOOTER_RIGHT, 2, 1},
};
static const int kPositionFlags[] = {kKitFormatLeft, kKitFormatCentre, kKitFormatRight};
static const int kPartFlags[] = {kKitFormatHeader, kKitFormatFooter};
// The margin edits in the order Kitlib stores them: left, right, top, bottom.
static const int kMarginEdits[] = {IDC_MARGIN_LEFT, IDC_MARGIN_RIGHT, IDC_MARGIN_TOP, IDC_MARGIN_BOTTOM};

// The edit whose "=>" button opened the menu last (0: none); set and read on
// the host's user-interface thread while the dialog is open.
static int g_insertTarget = 0;

static void ShowMargin(HWND dialog, int id, double value) {
  char text[ITEM_BUFFER_SIZE];
  snprintf(text, sizeof text, "%10.2f", value);
  DeleteSpaceAtBeginning(text);
  SetDlgItemTextA(dialog, id, text);
}

static void InitPageLayout(HWND dialog) {
  cwCenter(0, dialog);
  g_insertTarget = 0;
  for (const FormatField &field : kFormatFields) {
    LPSTR text = 0;
    GetFormatStringForRichTextContents(&text, field.position, field.footer);
    SetDlgItemTextA(dialog, field.edit, text ? text : "");
  }
  double left = 0, top = 0, right = 0, bottom = 0;
  GetMarginForRichTextContents(&left, &top, &right, &bottom);
  ShowMargin(dialog, IDC_MARGIN_LEFT, left);
  ShowMargin(dialog, IDC_MARGIN_TOP, top);
  ShowMargin(dialog, IDC_MARGIN_RIGHT, right);
  ShowMargin(dialog, IDC_MARGIN_BOTTOM, bottom);
  SetPrinterInButton(dialog, IDC_PRINTER);
}

// A margin is digits with at most one period, blanks around it ignored; an
// empty field is 0. A sign, a comma or any two-byte character is refused,
// and so is a number too large to be held.
static bool ReadMargin(HWND dialog, int id, double *value) {
  std::string text = WholeControlText(GetDlgItem(dialog, id));
  DeleteSpaceAtEnd(&text[0]);
  DeleteSpaceAtBeginning(&text[0]);
  int periods = 0;
  for (const char *p = text.c_str(); *p; p++) {
    if (*p == '.') periods++;
    else if (*p < '0' || *p > '9') return false;
  }
  if (periods > 1) return false;
  *value = text[0] ? strtod(text.c_str(), 0) : 0.0;
  return isfinite(*value) != 0;
}

static void StoreLayout(HWND dialog, const double *margins) {
  SetPrintRichTextContentsFormat(0);
  for (const FormatField &field : kFormatFields) {
    std::string text = WholeControlText(GetDlgItem(dialog, field.edit));
    SetFormatStringForRichTextContents(text.c_str(), kPositionFlags[field.position] | kPartFlags[field.footer]);
  }
  SetMarginForRichTextContents(&margins[0], &margins[1], &margins[2], &margins[3], 1);
}

static void OkCommand(HWND dialog) {
  double margins[4];
  for (int i = 0; i < 4; i++) {
    if (ReadMargin(dialog, kMarginEdits[i], &margins[i])) continue;
    _myMessageBoxForLoadStringForOrvex(GethInstOrvexmsg(), GethWndMain(), kMarginText, kMarginTitle,
                                       MB_OK | MB_ICONEXCLAMATION);
    SetReversedInEdit(dialog, kMarginEdits[i]);
    return;
  }
  StoreLayout(dialog, margins);
  EndDialog(dialog, 1);
}

static HMENU BuildInsertionMenu(void) {
  HMENU menu = CreatePopupMenu();
  if (!menu) return 0;
  for (int k = 0; k < kKitFormatIdentifiers; k++) {
    _MyLoadString(0, GethInstOrvexmsg(), kFirstMenuText + k, 0);
    AppendMenuA(menu, MF_STRING, (UINT_PTR)(IDM_INSERT_FIRST + k), GetLoadStrMessage());
    if (k == 1) AppendMenuA(menu, MF_SEPARATOR, 0, 0);
  }
  return menu;
}

// Opens the insertion menu under the "=>" button of `field`; the command
// chosen reaches the dialog as WM_COMMAND.
static void OpenInsertionMenu(HWND dialog, const FormatField &field) {
  g_insertTarget = field.edit;
  HMENU menu = BuildInsertionMenu();
  if (!menu) return;
  RECT place;
  GetPositionInWindow(GetDlgItem(dialog, field.button), &place);
  POINT at = {place.left, place.bottom};
  ClientToScreen(dialog, &at);
  SetMenuOpen(1);
  TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, at.x, at.y, 0, dialog, 0);
  SetMenuOpen(0);
  DestroyMenu(menu);
  OnRbuttonUpForToolTips(0, 0, 0, 0);
}

// A position of the edit's selection, moved back to the start of the
// character it falls in.
static size_t CharacterStart(const std::string &text, size_t at) {
  while (at > 0 && !SjisIsCharStart(text.c_str(), text.c_str() + at)) at--;
  return at;
}

// Replaces the remembered edit's selection by identifier `kind`, the caret
// right after it. A selection starting past the text or past byte 1039 is
// refused.
static void InsertIdentifier(HWND dialog, int kind) {
  LPCSTR identifier = GetFormatIdentifierStringForRichTextContents(kind);
  HWND edit = g_insertTarget ? GetDlgItem(dialog, g_insertTarget) : 0;
  if (!identifier || !edit) return;
  std::string text = WholeControlText(edit);
  DWORD start = 0, end = 0;
  SendMessageA(edit, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
  if (start > text.size() || start > kLastSelectionStart) return;
  if (end > text.size()) end = (DWORD)text.size();
  size_t from = CharacterStart(text, start), to = CharacterStart(text, end < start ? start : end);
  std::string changed = text.substr(0, from) + identifier + text.substr(to);
  SetWindowTextA(edit, changed.c_str());
  size_t caret = from + strlen(identifier);
  SendMessageA(edit, EM_SETSEL, (WPARAM)caret, (LPARAM)caret);
  SetFocus(edit);
}

static INT_PTR PageLayoutCommand(HWND dialog, int id, int notification) {
  for (const FormatField &field : kFormatFields) {
    if (id != field.button) continue;
    OpenInsertionMenu(dialog, field);
    return TRUE;
  }
  if (id >= IDM_INSERT_FIRST && id < IDM_INSERT_FIRST + kKitFormatIdentifiers) {
    InsertIdentifier(dialog, id - IDM_INSERT_FIRST);
    return TRUE;
  }
  switch (id) {
  case IDC_PRINTER: {
    char printer[MAX_PATH];
    SetPrinterDialog(0, dialog, 324, printer);
    SetPrinterInButton(dialog, IDC_PRINTER);
    return TRUE;
  }
  case IDOK:
    OkCommand(dialog);
    return TRUE;
  case IDCANCEL:
  case IDC_TOOL_CANCEL:
    EndDialog(dialog, 1);
    return TRUE;
  }
  return FALSE;
}

// 1 whichever way the dialog closes; 0 only when it could not be shown.
extern "C" int ORVEXAPI OpenPageLayoutDialog(HWND owner, int ignored1, int ignored2, int ignored3) {
  return DisplayBox(owner, ModalDialogProc<InitPageLayout, PageLayoutCommand>,
                    "OpenPageLayout", GethInstOrvexdll()) == 1 ? 1 : 0;
}
