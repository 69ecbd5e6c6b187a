// Finds the dialogs with a thread timer, which runs inside any modal loop of
// the test thread, and marks each one handled so its action runs once. Past
// the time limit every dialog and box of the thread is cancelled, so no test
// hangs. The closer uses a timer of its own to close whatever a call opened.
#include "host/dialog_driver.h"
#include <gtest/gtest.h>
#include <string.h>
#include <set>
#include <vector>

static const char kHandledMark[] = "HostDialogDriverHandled";
static const DWORD kTimeLimit = 30000;

// All of these belong to the test thread that called DriveDialogs.
static UINT_PTR g_timer = 0;
static int g_control = 0;
static std::function<void(HWND)> g_action;
static int g_handled = 0;
static DWORD g_started = 0;

static bool IsDialogWindow(HWND window) {
  char name[16];
  return IsWindowVisible(window) && GetClassNameA(window, name, sizeof name) && strcmp(name, "#32770") == 0;
}

static BOOL CALLBACK HandleIfDriven(HWND window, LPARAM) {
  if (!IsDialogWindow(window) || !GetDlgItem(window, g_control) || GetPropA(window, kHandledMark)) return TRUE;
  SetPropA(window, kHandledMark, (HANDLE)1);
  g_handled++;
  if (g_action) g_action(window);
  return TRUE;
}

static BOOL CALLBACK CancelIfDialog(HWND window, LPARAM) {
  if (IsDialogWindow(window)) PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  return TRUE;
}

void CancelEveryDialog() { EnumThreadWindows(GetCurrentThreadId(), CancelIfDialog, 0); }

static void CALLBACK LookForDialogs(HWND, UINT, UINT_PTR, DWORD) {
  if (GetTickCount() - g_started <= kTimeLimit) {
    EnumThreadWindows(GetCurrentThreadId(), HandleIfDriven, 0);
    return;
  }
  if (g_action) ADD_FAILURE() << "dialogs still open after " << kTimeLimit / 1000 << " s: cancelled";
  g_action = nullptr;
  CancelEveryDialog();
}

void DriveDialogs(int identifyingControl, std::function<void(HWND)> action) {
  StopDrivingDialogs();
  g_control = identifyingControl;
  g_action = action;
  g_handled = 0;
  g_started = GetTickCount();
  g_timer = SetTimer(0, 0, 20, LookForDialogs);
}

int StopDrivingDialogs() {
  if (g_timer) KillTimer(0, g_timer);
  g_timer = 0;
  g_action = nullptr;
  return g_handled;
}

void PressButton(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(dialog, id));
}

void ClickNow(HWND dialog, int id) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(dialog, id));
}

std::string ControlText(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  int length = control ? GetWindowTextLengthA(control) : 0;
  std::string text(length + 1, '\0');
  text.resize(control ? GetWindowTextA(control, &text[0], length + 1) : 0);
  return text;
}

// The windows that existed when closing began; written once by the thread
// that called StartClosingNewWindows, whose timer reads it.
static std::set<HWND> g_known;

static bool IsDialog(HWND window) {
  char name[16];
  return GetClassNameA(window, name, sizeof name) && strcmp(name, "#32770") == 0;
}

// Top-level windows of this process; with `fresh`, only the new ones the
// user would see and new dialogs, message boxes excluded.
static std::vector<HWND> ProcessWindows(bool fresh) {
  std::pair<std::vector<HWND>, bool> found = {{}, fresh};
  EnumWindows([](HWND window, LPARAM found) {
    auto &list = *(std::pair<std::vector<HWND>, bool> *)found;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    bool dialog = IsDialog(window);
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
    if (IsDialog(window)) PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
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
