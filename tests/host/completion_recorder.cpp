// Records what word completion tells the host; see completion_recorder.h.
#include "host/completion_recorder.h"
#include "host/host.h"
#include "host/main_window.h"
#include <mutex>

static std::mutex g_lock;
static std::vector<int> g_commands;
static std::vector<std::string> g_statusTexts;
static int g_addUserKeywords = 0;
static WNDPROC g_mainProcedure = 0;

static LRESULT CALLBACK RecordingMainWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && (LOWORD(wParam) == 40187 || LOWORD(wParam) == 40186)) {
    std::lock_guard<std::mutex> hold(g_lock);
    g_commands.push_back(LOWORD(wParam));
  }
  return CallWindowProcA(g_mainProcedure, window, message, wParam, lParam);
}

static int __stdcall StatusRegion(const char *text) {
  std::lock_guard<std::mutex> hold(g_lock);
  g_statusTexts.push_back(text ? text : "<null>");
  return 1;
}

static int __stdcall AddUserKeywords() {
  std::lock_guard<std::mutex> hold(g_lock);
  g_addUserKeywords++;
  return 1;
}

void CompletionRecorderStart() {
  if (g_mainProcedure) return;
  g_mainProcedure = (WNDPROC)SetWindowLongPtrA(HostMainWindow(), GWLP_WNDPROC, (LONG_PTR)RecordingMainWindow);
  typedef void(__stdcall * Setter)(void *);
  HostProc<Setter>("SetMessageInAllowedStatusRegionWithSpaceAPI")((void *)StatusRegion);
  HostProc<Setter>("SetAddUserKeywordsInOpenPutWordDlgAPI")((void *)AddUserKeywords);
}

void CompletionRecorderClear() {
  std::lock_guard<std::mutex> hold(g_lock);
  g_commands.clear();
  g_statusTexts.clear();
  g_addUserKeywords = 0;
}

std::vector<int> CompletionCommands() {
  std::lock_guard<std::mutex> hold(g_lock);
  return g_commands;
}

std::vector<std::string> StatusRegionTexts() {
  std::lock_guard<std::mutex> hold(g_lock);
  return g_statusTexts;
}

int AddUserKeywordsCalls() {
  std::lock_guard<std::mutex> hold(g_lock);
  return g_addUserKeywords;
}
