// Finds the dialogs with a thread timer, which runs inside any modal loop of
// the test thread, and marks each one handled so its action runs once. Each
// driven dialog kind has its identifying control and its action; an action
// may open a further dialog (a common file dialog from a "..." button) whose
// own action then runs inside that dialog's loop. Past the time limit every
// dialog and box of the thread is cancelled, so no test hangs.
#include "host/dialog_driver.h"
#include <gtest/gtest.h>
#include <string.h>
#include <vector>

static const char kHandledMark[] = "HostDialogDriverHandled";
static const DWORD kTimeLimit = 30000;

struct DrivenDialog {
  int control;
  std::function<void(HWND)> action;
};

// All of these belong to the test thread that called DriveDialogs.
static UINT_PTR g_timer = 0;
static std::vector<DrivenDialog> g_driven;
static int g_handled = 0;
static DWORD g_started = 0;
static bool g_cancelling = false;

static bool IsDialogWindow(HWND window) {
  char name[16];
  return IsWindowVisible(window) && GetClassNameA(window, name, sizeof name) && strcmp(name, "#32770") == 0;
}

static BOOL CALLBACK HandleIfDriven(HWND window, LPARAM) {
  if (!IsDialogWindow(window) || GetPropA(window, kHandledMark)) return TRUE;
  // Copied: an action may drive further dialogs before it returns.
  std::vector<DrivenDialog> driven = g_driven;
  for (const DrivenDialog &kind : driven) {
    if (!GetDlgItem(window, kind.control)) continue;
    SetPropA(window, kHandledMark, (HANDLE)1);
    g_handled++;
    if (kind.action) kind.action(window);
    break;
  }
  return TRUE;
}

static BOOL CALLBACK CancelIfDialog(HWND window, LPARAM) {
  if (IsDialogWindow(window)) PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  return TRUE;
}

void CancelEveryDialog() {
  EnumThreadWindows(GetCurrentThreadId(), CancelIfDialog, 0);
}

static void CALLBACK LookForDialogs(HWND, UINT, UINT_PTR, DWORD) {
  if (GetTickCount() - g_started > kTimeLimit) {
    if (!g_cancelling) ADD_FAILURE() << "dialogs still open after " << kTimeLimit / 1000 << " s: cancelled";
    g_cancelling = true;
    CancelEveryDialog();
    return;
  }
  EnumThreadWindows(GetCurrentThreadId(), HandleIfDriven, 0);
}

void DriveDialogs(int identifyingControl, std::function<void(HWND)> action) {
  StopDrivingDialogs();
  DriveDialogsToo(identifyingControl, action);
}

void DriveDialogsToo(int identifyingControl, std::function<void(HWND)> action) {
  if (!g_timer) {
    g_handled = 0;
    g_started = GetTickCount();
    g_cancelling = false;
    g_timer = SetTimer(0, 0, 20, LookForDialogs);
  }
  g_driven.push_back({identifyingControl, action});
}

int StopDrivingDialogs() {
  if (g_timer) KillTimer(0, g_timer);
  g_timer = 0;
  g_driven.clear();
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
