// Finds the dialogs with a thread timer, which runs inside any modal loop of
// the test thread, and marks each one handled so its action runs once.
#include "host/dialog_driver.h"
#include <string.h>

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
