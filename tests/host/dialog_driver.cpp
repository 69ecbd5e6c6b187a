// One thread timer, which runs inside any modal loop of the test thread,
// finds the dialogs and menus; each is marked handled so it is seen once.
// Past the time limit every dialog and box of the thread is cancelled, so no
// test hangs. The closer uses a timer of its own to close whatever a call
// opened.
#include "host/dialog_driver.h"
#include <string.h>
#include <set>

static const char kHandledMark[] = "HostDialogDriverHandled";
static const DWORD kTimeLimit = 30000;

// All of these belong to the test thread that drives; its timer reads them.
static UINT_PTR g_timer = 0;
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
  if (g_expired) CancelEveryDialog();
  else EnumThreadWindows(GetCurrentThreadId(), HandleIfNew, 0);
}

static void Look(bool on) {
  if (on && !g_timer) g_timer = SetTimer(0, 0, 20, LookForNewWindows);
  if (!on && g_timer && !g_action && !g_watchingMenus) KillTimer(0, g_timer), g_timer = 0;
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

// The windows that existed when closing began; written once by the thread
// that called StartClosingNewWindows, whose timer reads it.
static std::set<HWND> g_known;

// Top-level windows of this process; with `fresh`, only the new ones the
// user would see and new dialogs, message boxes excluded.
static std::vector<HWND> ProcessWindows(bool fresh) {
  std::pair<std::vector<HWND>, bool> found = {{}, fresh};
  EnumWindows([](HWND window, LPARAM found) {
    auto &list = *(std::pair<std::vector<HWND>, bool> *)found;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    bool dialog = HasClass(window, "#32770");
    if (process == GetCurrentProcessId() &&
        (!list.second || (!g_known.count(window) && (IsWindowVisible(window) || dialog) &&
                          !(dialog && GetDlgItem(window, 0xFFFF)))))
      list.first.push_back(window);
    return TRUE;
  }, (LPARAM)&found);
  return found.first;
}

static void CALLBACK CloseNewOnes(HWND, UINT, UINT_PTR, DWORD) {
  EndMenu();
  for (HWND window : ProcessWindows(true)) {
    if (HasClass(window, "#32770")) PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    PostMessageA(window, WM_CLOSE, 0, 0);
  }
}

void StartClosingNewWindows() {
  std::vector<HWND> windows = ProcessWindows(false);
  g_known.insert(windows.begin(), windows.end());
  SetTimer(0, 0, 100, CloseNewOnes);
}

int CloseLeftoverWindows() {
  std::vector<HWND> left = ProcessWindows(true);
  for (HWND window : left) {
    if (GetWindowThreadProcessId(window, 0) == GetCurrentThreadId()) DestroyWindow(window);
    else PostMessageA(window, WM_CLOSE, 0, 0);
  }
  return (int)left.size();
}
