// One thread timer, which runs inside any modal loop of the test thread,
// finds the boxes, dialogs and menus; each is marked handled so it is seen
// once. Boxes are found first by a CBT hook at their activation; the timer
// is the safety net, so a box that was somehow missed cannot hang the test.
// Past the time limit every dialog and box of the thread is cancelled, so no
// test hangs.
#include "host/dialog_driver.h"
#include <algorithm>
#include <string.h>

static const char kHandledMark[] = "HostDialogDriverHandled";
static const DWORD kTimeLimit = 30000;

// All of these belong to the test thread that watches; its hook and timer
// read them.
static UINT_PTR g_timer = 0;
static HHOOK g_hook = 0;
static std::vector<int> g_answers;
static size_t g_nextAnswer = 0;
static int (*g_boxProbe)() = nullptr;
static std::vector<SeenBox> g_boxes;
static DWORD g_boxesStarted = 0;
static int g_control = 0;
static std::function<void(HWND)> g_action;
static int g_handled = 0;
static DWORD g_started = 0;
static bool g_expired = false; // past the time limit: every dialog is cancelled
static bool g_watchingMenus = false;
static int (*g_menuProbe)() = nullptr;
static std::vector<SeenMenu> g_menus;

static bool HasClass(HWND window, const char *className) {
  char name[16];
  return GetClassNameA(window, name, sizeof name) && strcmp(name, className) == 0;
}

// True the first time a visible window of the class is seen.
static bool FirstSight(HWND window, const char *className) {
  if (!IsWindowVisible(window) || !HasClass(window, className) || GetPropA(window, kHandledMark)) return false;
  return SetPropA(window, kHandledMark, (HANDLE)1);
}

static UINT ButtonsOf(HWND box) {
  auto has = [box](int id) { return GetDlgItem(box, id) != 0; };
  if (has(IDABORT) && has(IDRETRY) && has(IDIGNORE)) return MB_ABORTRETRYIGNORE;
  if (has(IDYES) && has(IDNO)) return has(IDCANCEL) ? MB_YESNOCANCEL : MB_YESNO;
  if (has(IDRETRY) && has(IDCANCEL)) return MB_RETRYCANCEL;
  if (has(IDOK) && has(IDCANCEL)) return MB_OKCANCEL;
  return MB_OK;
}

// The icon style whose system icon the box's icon control shows, or 0.
static UINT IconOf(HWND box) {
  static const struct { LPCSTR icon; UINT style; } kIcons[] = {
      {IDI_HAND, MB_ICONHAND}, {IDI_QUESTION, MB_ICONQUESTION},
      {IDI_EXCLAMATION, MB_ICONEXCLAMATION}, {IDI_ASTERISK, MB_ICONASTERISK}};
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) continue;
    HICON shown = (HICON)SendMessageA(child, STM_GETICON, 0, 0);
    for (const auto &known : kIcons)
      if (shown && shown == LoadIconA(0, known.icon)) return known.style;
  }
  return 0;
}

static int AnswerFor(HWND box) {
  int wanted = g_answers.empty() ? IDCANCEL : g_answers[std::min(g_nextAnswer, g_answers.size() - 1)];
  g_nextAnswer++;
  if (GetDlgItem(box, wanted)) return wanted;
  return GetDlgItem(box, IDCANCEL) ? IDCANCEL : IDOK;
}

// A box is a dialog with the message's text control.
static bool HandleBox(HWND box) {
  if (!HasClass(box, "#32770") || !GetDlgItem(box, 0xFFFF) || GetPropA(box, kHandledMark)) return false;
  SetPropA(box, kHandledMark, (HANDLE)1);
  g_boxes.push_back({ControlText(box, 0xFFFF), WindowText(box), GetWindow(box, GW_OWNER), ButtonsOf(box) | IconOf(box),
                     g_boxProbe ? g_boxProbe() : 0});
  PressButton(box, AnswerFor(box));
  return true;
}

static LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) HandleBox((HWND)wParam);
  return CallNextHookEx(g_hook, code, wParam, lParam);
}

static SeenMenu ReadMenu(HMENU menu) {
  SeenMenu seen = {{}, g_menuProbe ? g_menuProbe() : 0};
  for (int i = 0, count = menu ? GetMenuItemCount(menu) : 0; i < count; i++) {
    char text[256] = "";
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text;
    bool item = GetMenuItemInfoA(menu, (UINT)i, TRUE, &info) && !(info.fType & MFT_SEPARATOR);
    seen.items.push_back({item ? info.wID : 0, item ? text : ""});
  }
  return seen;
}

static BOOL CALLBACK HandleIfNew(HWND window, LPARAM) {
  if (g_hook && IsWindowVisible(window) && HandleBox(window)) return TRUE;
  if (g_action && GetDlgItem(window, g_control) && FirstSight(window, "#32770")) {
    g_handled++;
    g_action(window);
  } else if (g_watchingMenus && FirstSight(window, "#32768")) {
    g_menus.push_back(ReadMenu((HMENU)SendMessageA(window, MN_GETHMENU, 0, 0)));
    EndMenu();
  }
  return TRUE;
}

static BOOL CALLBACK CancelIfDialog(HWND window, LPARAM) {
  if (IsWindowVisible(window) && HasClass(window, "#32770")) PressButton(window, IDCANCEL);
  return TRUE;
}

void CancelEveryDialog() { EnumThreadWindows(GetCurrentThreadId(), CancelIfDialog, 0); }

static void CALLBACK LookForNewWindows(HWND, UINT, UINT_PTR, DWORD) {
  if (g_action && GetTickCount() - g_started > kTimeLimit) {
    ADD_FAILURE() << "dialogs still open after " << kTimeLimit / 1000 << " s: cancelled";
    g_action = nullptr;
    g_expired = true;
  }
  if (g_expired || (g_hook && GetTickCount() - g_boxesStarted > kTimeLimit)) CancelEveryDialog();
  else EnumThreadWindows(GetCurrentThreadId(), HandleIfNew, 0);
}

static void Look(bool on) {
  if (on && !g_timer) g_timer = SetTimer(0, 0, 20, LookForNewWindows);
  if (!on && g_timer && !g_action && !g_watchingMenus && !g_hook) KillTimer(0, g_timer), g_timer = 0;
}

void WatchBoxes(const std::vector<int> &answers, int (*probe)()) {
  StopWatchingBoxes();
  g_answers = answers;
  g_nextAnswer = 0;
  g_boxProbe = probe;
  g_boxesStarted = GetTickCount();
  g_hook = SetWindowsHookExA(WH_CBT, CbtHook, 0, GetCurrentThreadId());
  Look(true);
}

std::vector<SeenBox> StopWatchingBoxes() {
  if (g_hook) UnhookWindowsHookEx(g_hook);
  g_hook = 0;
  Look(false);
  std::vector<SeenBox> seen;
  seen.swap(g_boxes);
  return seen;
}

bool AnsiCodePageKeepsEveryByte() {
  char bytes[256], back[256];
  for (int i = 1; i < 256; i++) bytes[i - 1] = (char)i;
  bytes[255] = 0;
  WCHAR wide[256];
  if (MultiByteToWideChar(CP_ACP, 0, bytes, -1, wide, 256) != 256) return false;
  if (WideCharToMultiByte(CP_ACP, 0, wide, -1, back, 256, 0, 0) != 256) return false;
  return memcmp(bytes, back, 256) == 0;
}

void DriveDialogs(int identifyingControl, std::function<void(HWND)> action) {
  g_control = identifyingControl;
  g_action = action;
  g_handled = 0;
  g_started = GetTickCount();
  g_expired = false;
  Look(true);
}

int StopDrivingDialogs() {
  g_action = nullptr;
  g_expired = false;
  Look(false);
  return g_handled;
}

void WatchMenus(int (*probe)()) {
  g_watchingMenus = true;
  g_menuProbe = probe;
  g_menus.clear();
  Look(true);
}

std::vector<SeenMenu> StopWatchingMenus() {
  g_watchingMenus = false;
  Look(false);
  std::vector<SeenMenu> seen;
  seen.swap(g_menus);
  return seen;
}

void PressButton(HWND dialog, int id) {
  if (!id) PostMessageA(dialog, WM_CLOSE, 0, 0);
  else PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(dialog, id));
}

void ClickNow(HWND dialog, int id) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(dialog, id));
}

std::string WindowText(HWND window) {
  int length = window ? GetWindowTextLengthA(window) : 0;
  std::string text(length + 1, '\0');
  text.resize(window ? GetWindowTextA(window, &text[0], length + 1) : 0);
  return text;
}

std::string ControlText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }
