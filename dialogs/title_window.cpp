// The title window: a modeless logo window that stays on top while the IDE
// starts, steps aside while any Kitlib message box is up (Kitlib calls
// HideTitleDlg and ShowTitleDlg around each box; a count lets nested boxes
// hide it once), and closes by the user's Exit, automatically, or at the
// host's word. There is at most one: asking for a second returns the first.
// Whichever way the window goes (also with its owner), the library forgets
// it and withdraws the hide and show functions from Kitlib.
#include "dialogs/title_window.h"
#include "dialogs/product_lines.h"
#include "dialogs/title_about_resources.h"
#include "frame/kitlib.h"
#include "runner/product_folder.h"
#include "runner/web_addresses.h"
#include "settings/session_flags.h"

enum {
  kShortTitleMode = 6,
  kNothingToSetUp = 6,         // close setting: only the bitmap
  kMayCloseAutomatically = 2,  // close setting bit
  kAutoCloseTicked = 0x16,     // close setting stored by Exit
  kAutoCloseNotTicked = 1,
  kTopmostFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW,
  kShortenFlags = SWP_NOMOVE | SWP_SHOWWINDOW,
  kTextSize = 520,
};

static const char *const kStartHint[] = {
    "You can start with the menu of [Help]-[To Begin with...]-[Quick Programming]",
    "[ﾍﾙﾌﾟ]-[はじめに...]-[ｸｲｯｸﾌﾟﾛｸﾞﾗﾐﾝｸﾞ]のﾒﾆｭｰから始めることができます"};

// All of the title window's state is written and read on the host's
// user-interface thread, which owns the window and shows the boxes.
static HWND g_titleWindow = 0;
static int g_titleActive = 0;
static HBITMAP g_titleBitmap = 0;
static int g_hideCount = 0;
static int g_doNotShow = 0;
// The one of button 1016 and edit 1018 that the set-up hid, kept hidden
// when the children are shown after it.
static int g_hiddenStartControl = 0;
static void(__stdcall *g_afterDestroy)(void) = 0;

static void ForgetTitleWindow(void) {
  if (g_titleBitmap) DeleteObject(g_titleBitmap);
  g_titleBitmap = 0;
  g_titleWindow = 0;
  g_titleActive = 0;
  SetDisableBoxBeforeMessageBox(0, 0);
}

static void UpdateControl(HWND dialog, int id) { myUpdateWindow(GetDlgItem(dialog, id)); }

// Makes the window shorter by the height of button 1016, which with edit
// 1018 lies along its bottom edge.
static void ShortenByStartRow(HWND dialog) {
  HWND button = GetDlgItem(dialog, IDC_START_PAGE);
  RECT buttonRect, client;
  if (!button || !GetWindowRect(button, &buttonRect) || !GetClientRect(dialog, &client)) return;
  client.bottom -= buttonRect.bottom - buttonRect.top;
  AdjustWindowRectEx(&client, (DWORD)GetWindowLongA(dialog, GWL_STYLE), FALSE,
                     (DWORD)GetWindowLongA(dialog, GWL_EXSTYLE));
  SetWindowPos(dialog, 0, 0, 0, client.right - client.left, client.bottom - client.top, kShortenFlags);
}

// The start row: gone when the start page was opened once; else the start
// page is opened now, and when it cannot be, the hint says where to find it.
static void SetUpStartRow(HWND dialog) {
  g_hiddenStartControl = 0;
  if (IsHideOrvexStartHtml()) {
    ShortenByStartRow(dialog);
    return;
  }
  if (OpenWebPage(dialog, 0, kStartPageAddress) == 1) {
    g_hiddenStartControl = IDC_START_HINT;
    SetHideOrvexStartHtml(1);
  } else {
    g_hiddenStartControl = IDC_START_PAGE;
    SetDlgItemTextA(dialog, IDC_START_HINT, kStartHint[GetLanguage() ? 1 : 0]);
  }
  HideWin(GetDlgItem(dialog, g_hiddenStartControl));
}

static void FillLines(HWND dialog) {
  char line[kTextSize];
  SetDlgItemTextA(dialog, IDC_VERSION_TITLE, GetVersionInStrTitle());
  SetNoticeLine(dialog, IDC_NOTICE_LINE);
  FormatEditControlLine(line, sizeof line);
  SetDlgItemTextA(dialog, IDC_EDITOR_LINE, line);
}

static void InitTitle(HWND dialog) {
  g_titleWindow = dialog;
  cwCenter(GethWndMain(), dialog);
  int setting = IsCloseTitleWindow();
  g_titleBitmap = ShrinkBitmap(dialog, GethInstOrvexdll(), IDB_TITLE_LOGO, IDC_LOGO_FRAME);
  MoveAboutIcon(dialog);
  ShowWindow(dialog, SW_SHOW);
  if (setting != kNothingToSetUp) {
    // The host enables Exit when it is ready to be left alone.
    EnableWindow(GetDlgItem(dialog, IDOK), FALSE);
    if (setting & kMayCloseAutomatically) EnableWindow(GetDlgItem(dialog, IDC_AUTO_CLOSE), FALSE);
    UpdateControl(dialog, IDOK);
    UpdateControl(dialog, IDC_AUTO_CLOSE);
    FillLines(dialog);
    CheckDlgButton(dialog, IDC_AUTO_CLOSE, setting == kAutoCloseTicked ? BST_CHECKED : BST_UNCHECKED);
    UpdateControl(dialog, IDC_PRODUCT_PAGE);
    UpdateControl(dialog, IDC_AUTO_CLOSE);
    UpdateControl(dialog, IDC_HINT);
  }
  EnableWindow(GetDlgItem(dialog, IDC_HINT), IsHelpFileThere(kProductHelpFile) ? TRUE : FALSE);
  SetUpStartRow(dialog);
}

static INT_PTR TitleCommand(HWND dialog, int id) {
  if (ProductButton(dialog, id)) return TRUE;
  switch (id) {
  case IDC_START_PAGE:
    OpenWebPage(dialog, IDC_START_PAGE, kStartPageAddress);
    return TRUE;
  case IDOK:
    SetCloseTitleWindow(IsDlgButtonChecked(dialog, IDC_AUTO_CLOSE) == BST_CHECKED ? kAutoCloseTicked
                                                                                 : kAutoCloseNotTicked);
    DestroyTitleWindow();
    return TRUE;
  }
  return FALSE;
}

static INT_PTR CALLBACK TitleProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_INITDIALOG:
    InitTitle(dialog);
    return TRUE;
  case WM_PAINT:
    PaintLogo(dialog, IDC_LOGO_FRAME, g_titleBitmap);
    return TRUE;
  case WM_COMMAND:
    return TitleCommand(dialog, LOWORD(wParam));
  case WM_DESTROY:
    if (dialog == g_titleWindow) ForgetTitleWindow();
    return FALSE;
  }
  return FALSE;
}

extern "C" HWND ORVEXAPI CreateTitleDialog(HWND owner, int editControlVersion, int beta, int mode) {
  if (g_titleWindow && IsWindow(g_titleWindow)) return g_titleWindow;
  StoreEditControlVersion(editControlVersion, beta);
  g_hideCount = 0;
  LPCSTR name = mode == kShortTitleMode ? "OpenShortTitle" : "OpenTitle";
  HWND window = CreateDialogParamA(GethInstOrvexdll(), name, owner, TitleProc, 0);
  if (!window) return 0;
  g_titleWindow = window;
  g_titleActive = 1;
  SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, kTopmostFlags);
  ShowWindow(window, SW_SHOW);
  ShowAllChildWindows(window, SW_SHOW);
  if (g_hiddenStartControl) HideWin(GetDlgItem(window, g_hiddenStartControl));
  myUpdateWindow(window);
  RedrawAllChildWindows(window, 1);
  TrapMessage();
  SetPeekMessageFlag(0);
  // The waiting messages may have taken the window away with its owner.
  if (g_titleWindow != window) return 0;
  SetDisableBoxBeforeMessageBox(ShowTitleDlg, HideTitleDlg);
  return window;
}

extern "C" int ORVEXAPI DestroyTitleWindow(void) {
  HWND window = g_titleWindow;
  int existed = window && IsWindow(window);
  if (existed) DestroyWindow(window);
  ForgetTitleWindow();
  if (g_afterDestroy) g_afterDestroy();
  return existed;
}

extern "C" int ORVEXAPI CloseTitleWindowByAutomatic(void) {
  if (!g_titleWindow) {
    DestroyTitleWindow();
    return 0;
  }
  if (!(IsCloseTitleWindow() & kMayCloseAutomatically)) return 0;
  DestroyTitleWindow();
  return 1;
}

extern "C" void ORVEXAPI HideTitleDlg(void) {
  if (!g_titleWindow) return;
  if (g_hideCount == 0) ShowWindow(g_titleWindow, SW_HIDE);
  g_hideCount++;
}

// Shown without activation: the window that had the focus before the box
// keeps it. The count never goes below 0: a show without a hide before it
// (while showing was not allowed) must not let the next hide leave the
// window over the box it should step aside for.
extern "C" void ORVEXAPI ShowTitleDlg(void) {
  if (!g_titleWindow) return;
  if (g_hideCount > 0) g_hideCount--;
  if (g_doNotShow || g_hideCount > 0) return;
  ShowWindow(g_titleWindow, SW_SHOWNA);
  UpdateWindow(g_titleWindow);
  UpdateWindow(GetDesktopWindow());
  g_hideCount = 0;
}

extern "C" void ORVEXAPI DonotShowTitleDlg(int flag) { g_doNotShow = flag; }

extern "C" int ORVEXAPI IsCreatTitleDlgActive(void) { return g_titleActive; }

extern "C" HWND ORVEXAPI GetWndHandleForTitleDlg(void) { return g_titleWindow; }

extern "C" void ORVEXAPI SetDoAfterDestroyTitleWindow(void(__stdcall *function)(void)) { g_afterDestroy = function; }

extern "C" void ORVEXAPI SendEnableWindowToTitleDlg(int controlId, int enable) {
  HWND control = g_titleWindow ? GetDlgItem(g_titleWindow, controlId) : 0;
  if (!control) return;
  EnableWindow(control, enable ? TRUE : FALSE);
  UpdateWindow(control);
}

extern "C" void ORVEXAPI SendRedrawToTitleDlg(void) {
  if (g_titleWindow) UpdateWindow(g_titleWindow);
}

extern "C" void ORVEXAPI MoveAboutIcon(HWND window) {
  if (!window) window = g_titleWindow;
  DrawLogo(window, IDC_LOGO_FRAME, g_titleBitmap);
}
