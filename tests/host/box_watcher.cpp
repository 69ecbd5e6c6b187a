// Finds message boxes of the test thread with a CBT hook (at their
// activation) and, as a safety net, with a thread timer, so a box that was
// somehow missed cannot hang the test: it is recorded and answered as well.
// Past 30 s of watching, every box and dialog of the thread is cancelled.
#include "host/box_watcher.h"
#include "host/dialog_driver.h"
#include <algorithm>
#include <string.h>

static const char kSeenMark[] = "HostBoxWatcherSeen";

// All of these belong to the test thread that called WatchBoxes; the hook and
// the timer run on that thread inside the box's modal loop.
static HHOOK g_hook = 0;
static UINT_PTR g_timer = 0;
static std::vector<int> g_answers;
static size_t g_nextAnswer = 0;
static int (*g_probe)() = nullptr;
static std::vector<SeenBox> g_seen;
static DWORD g_started = 0;
// Past this time every box and dialog of the thread is cancelled.
static const DWORD kTimeLimit = 30000;

static bool IsMessageBox(HWND window) {
  char name[16];
  if (!GetClassNameA(window, name, sizeof name) || strcmp(name, "#32770") != 0) return false;
  return GetDlgItem(window, 0xFFFF) != 0;
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

static void HandleBox(HWND box) {
  if (!IsMessageBox(box) || GetPropA(box, kSeenMark)) return;
  SetPropA(box, kSeenMark, (HANDLE)1);
  g_seen.push_back({ControlText(box, 0xFFFF), WindowText(box), GetWindow(box, GW_OWNER), ButtonsOf(box) | IconOf(box),
                    g_probe ? g_probe() : 0});
  PressButton(box, AnswerFor(box));
}

static LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) HandleBox((HWND)wParam);
  return CallNextHookEx(g_hook, code, wParam, lParam);
}

static BOOL CALLBACK HandleIfBox(HWND window, LPARAM) {
  if (IsWindowVisible(window)) HandleBox(window);
  return TRUE;
}

static void CALLBACK SafetyTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (GetTickCount() - g_started > kTimeLimit) {
    CancelEveryDialog();
    return;
  }
  EnumThreadWindows(GetCurrentThreadId(), HandleIfBox, 0);
}

void WatchBoxes(const std::vector<int> &answers, int (*probe)()) {
  StopWatchingBoxes();
  g_answers = answers;
  g_nextAnswer = 0;
  g_probe = probe;
  g_started = GetTickCount();
  g_hook = SetWindowsHookExA(WH_CBT, CbtHook, 0, GetCurrentThreadId());
  g_timer = SetTimer(0, 0, 500, SafetyTimer);
}

std::vector<SeenBox> StopWatchingBoxes() {
  if (g_hook) UnhookWindowsHookEx(g_hook);
  if (g_timer) KillTimer(0, g_timer);
  g_hook = 0;
  g_timer = 0;
  std::vector<SeenBox> seen;
  seen.swap(g_seen);
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
