// Records what word completion tells the host; see completion_recorder.h.
#include "host/completion_recorder.h"
#include "host/host.h"
#include "host/main_window.h"
#include <mutex>

static std::mutex g_lock;
static std::vector<std::string> g_record; // under g_lock
static WNDPROC g_mainProcedure = 0;       // set once by the test thread

static int Record(const std::string &event) {
  std::lock_guard<std::mutex> hold(g_lock);
  g_record.push_back(event);
  return 1;
}

static LRESULT CALLBACK RecordingMainWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && (LOWORD(wParam) == 40187 || LOWORD(wParam) == 40186))
    Record("command " + std::to_string(LOWORD(wParam)));
  return CallWindowProcA(g_mainProcedure, window, message, wParam, lParam);
}

static int __stdcall StatusRegion(const char *text) { return Record(text ? "status " + std::string(text) : "status"); }
static int __stdcall AddUserKeywords() { return Record("add keywords"); }

void CompletionRecorderStart() {
  TakeCompletionRecord();
  if (g_mainProcedure) return;
  g_mainProcedure = (WNDPROC)SetWindowLongPtrA(HostMainWindow(), GWLP_WNDPROC, (LONG_PTR)RecordingMainWindow);
  typedef void(__stdcall * Setter)(void *);
  HostProc<Setter>("SetMessageInAllowedStatusRegionWithSpaceAPI")((void *)StatusRegion);
  HostProc<Setter>("SetAddUserKeywordsInOpenPutWordDlgAPI")((void *)AddUserKeywords);
}

std::vector<std::string> TakeCompletionRecord() {
  std::lock_guard<std::mutex> hold(g_lock);
  std::vector<std::string> record;
  record.swap(g_record);
  return record;
}
