// Finds the dialogs with a thread timer, which runs inside any modal loop of
// the test thread, and marks each one handled so its action runs once. The
// closer uses a timer of its own to close whatever a call opened.
#include "host/dialog_driver.h"
#include <string.h>
#include <set>
#include <vector>

static const char kHandledMark[] = "HostDialogDriverHandled";

// All of these belong to the test thread that called DriveDialogs.
static UINT_PTR g_timer = 0;
static int g_control = 0;
static std::function<void(HWND)> g_action;
static int g_handled = 0;

static BOOL CALLBACK HandleIfDriven(HWND window, LPARAM) {
  char name[16];
  if (!IsWindowVisible(window) || !GetClassNameA(window, name, sizeof name) || strcmp(name, "#32770") != 0)
    return TRUE;
  if (!GetDlgItem(window, g_control) || GetPropA(window, kHandledMark)) return TRUE;
  SetPropA(window, kHandledMark, (HANDLE)1);
  g_handled++;
  if (g_action) g_action(window);
  return TRUE;
}

static void CALLBACK LookForDialogs(HWND, UINT, UINT_PTR, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), HandleIfDriven, 0);
}

void DriveDialogs(int identifyingControl, std::function<void(HWND)> action) {
  StopDrivingDialogs();
  g_control = identifyingControl;
  g_action = action;
  g_handled = 0;
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

std::string ControlText(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  int length = control ? GetWindowTextLengthA(control) : 0;
  std::string text(length + 1, '\0');
  text.resize(control ? GetWindowTextA(control, &text[0], length + 1) : 0);
  return text;
}

// The windows that existed when closing began, and the closing timer; both
// belong to the thread that called StartClosingNewWindows.
static std::set<HWND> g_known;
static UINT_PTR g_closeTimer = 0;

static BOOL CALLBACK CollectWindow(HWND window, LPARAM windows) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId()) ((std::vector<HWND> *)windows)->push_back(window);
  return TRUE;
}

static std::vector<HWND> ProcessWindows() {
  std::vector<HWND> windows;
  EnumWindows(CollectWindow, (LPARAM)&windows);
  return windows;
}

static bool IsDialog(HWND window) {
  char name[16];
  return GetClassNameA(window, name, sizeof name) && strcmp(name, "#32770") == 0;
}

// New, and a window the user would see or a dialog; message boxes excluded.
static std::vector<HWND> NewWindows() {
  std::vector<HWND> found;
  for (HWND window : ProcessWindows())
    if (!g_known.count(window) && (IsWindowVisible(window) || IsDialog(window)) &&
        !(IsDialog(window) && GetDlgItem(window, 0xFFFF)))
      found.push_back(window);
  return found;
}

static void CALLBACK CloseNewOnes(HWND, UINT, UINT_PTR, DWORD) {
  EndMenu();
  for (HWND window : NewWindows()) {
    if (IsDialog(window)) PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    PostMessageA(window, WM_CLOSE, 0, 0);
  }
}

void StartClosingNewWindows() {
  StopClosingNewWindows();
  std::vector<HWND> windows = ProcessWindows();
  g_known.insert(windows.begin(), windows.end());
  g_closeTimer = SetTimer(0, 0, 100, CloseNewOnes);
}

int CloseLeftoverWindows() {
  std::vector<HWND> left = NewWindows();
  for (HWND window : left) {
    if (GetWindowThreadProcessId(window, 0) == GetCurrentThreadId()) DestroyWindow(window);
    else PostMessageA(window, WM_CLOSE, 0, 0);
  }
  return (int)left.size();
}

void StopClosingNewWindows() {
  if (g_closeTimer) KillTimer(0, g_closeTimer);
  g_closeTimer = 0;
  g_known.clear();
}
