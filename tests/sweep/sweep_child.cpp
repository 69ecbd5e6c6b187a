// The sweep's child: makes the planned calls from a given number on, each one
// written to the log before it is made, so that when the process crashes or
// hangs the parent knows which call did it. The box watcher answers message
// boxes, the closer closes dialogs, popups and menus, and what a call changes
// for every later call is put back after it.
#include "sweep/sweep.h"
#include "host/box_watcher.h"
#include "host/dialog_driver.h"
#include "host/host.h"
#include "host/main_window.h"
#include <algorithm>
#include <stdio.h>

static HANDLE g_log = INVALID_HANDLE_VALUE;
static HINSTANCE g_libraryInstance = 0;

static void Log(const std::string &line) {
  DWORD written;
  std::string text = line + "\n";
  WriteFile(g_log, text.data(), (DWORD)text.size(), &written, 0);
}

static void LogCrashAndEnd(EXCEPTION_RECORD *record) {
  HMODULE module = 0;
  char name[MAX_PATH] = "?", line[MAX_PATH + 64];
  if (GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         (LPCSTR)record->ExceptionAddress, &module))
    GetModuleFileNameA(module, name, MAX_PATH);
  snprintf(line, sizeof line, "crash 0x%08lX at %s+0x%llX", record->ExceptionCode, name,
           (unsigned long long)((char *)record->ExceptionAddress - (char *)module));
  Log(line);
  TerminateProcess(GetCurrentProcess(), record->ExceptionCode);
}

// An access violation in the library or a companion is a crash even where a
// system frame would swallow it (around a window procedure); any other
// exception counts when nothing handles it.
static LONG CALLBACK FirstChance(EXCEPTION_POINTERS *exception) {
  static const HMODULE own[] = {HostLibrary(), KitLibrary(), GetModuleHandleA("kitmsg.dll"),
                                GetModuleHandleA("orvexmsg.dll")};
  HMODULE module = 0;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     (LPCSTR)exception->ExceptionRecord->ExceptionAddress, &module);
  if (exception->ExceptionRecord->ExceptionCode == EXCEPTION_ACCESS_VIOLATION && module &&
      std::count(std::begin(own), std::end(own), module))
    LogCrashAndEnd(exception->ExceptionRecord);
  return EXCEPTION_CONTINUE_SEARCH;
}

static LONG WINAPI Unhandled(EXCEPTION_POINTERS *exception) {
  LogCrashAndEnd(exception->ExceptionRecord);
  return EXCEPTION_EXECUTE_HANDLER;
}

static DWORD WINAPI PumpWindow(LPVOID made) {
  *(volatile HWND *)made = CreateWindowA("STATIC", "other thread", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, 0, 0, 0, 0);
  MSG message;
  while (GetMessageA(&message, 0, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}

static SweepTargets MakeTargets() {
  volatile HWND other = 0;
  CloseHandle(CreateThread(0, 0, PumpWindow, (LPVOID)&other, 0, 0));
  HWND destroyed = CreateWindowA("STATIC", "gone", WS_POPUP, 0, 0, 10, 10, 0, 0, 0, 0);
  DestroyWindow(destroyed);
  while (!other) Sleep(1);
  return {HostMainWindow(), destroyed, other, HostMessageLibrary()};
}

// Exports that change what every later call sees, and what puts back the
// value they had at load. An export whose one argument is a callback sets a
// host function: it is given null again after its call.
static void RestoreInstance() { HostProc<HINSTANCE(__stdcall *)(HINSTANCE)>("SethInstOrvexdll")(g_libraryInstance); }
static void RestoreKillKey() { HostProc<int(__stdcall *)(int)>("SetVkeyForKillBccProccess")(VK_ESCAPE); }
static void RestoreFocusFlag() { HostProc<HWND(__stdcall *)(int, HWND)>("SetChangeFocusDisabled")(0, GetFocus()); }
static const struct {
  const char *name;
  void (*restore)();
} kRestores[] = {
    {"SethInstOrvexdll", RestoreInstance},
    {"SetVkeyForKillBccProccess", RestoreKillKey},
    {"SetChangeFocusDisabled", RestoreFocusFlag},
};

static void PutBack(const SweptExport &swept, FARPROC function) {
  for (const auto &row : kRestores)
    if (swept.name == row.name) row.restore();
  if (swept.kinds.size() == 1 && swept.kinds[0].kind == KIND_CALLBACK) ((void(__stdcall *)(void *))function)(0);
}

// On x86_64 every argument travels in a register or a 64-bit stack slot and
// the caller removes them, so one call shape reaches every export; slots it
// does not take are ignored.
typedef INT_PTR (*AnyExport)(INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR,
                             INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR);
static_assert(kMostArguments == 16, "one slot per argument");

static void Call(FARPROC function, const INT_PTR *a) {
  ((AnyExport)function)(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9], a[10], a[11], a[12], a[13],
                        a[14], a[15]);
}

int RunSweepChild(size_t from, const char *logPath) {
  g_log = CreateFileA(logPath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, 0, OPEN_ALWAYS, 0, 0);
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
  AddVectoredExceptionHandler(1, FirstChance);
  SetUnhandledExceptionFilter(Unhandled);
  std::vector<std::string> errors;
  std::vector<SweptExport> exports = ReadSweptExports(&errors);
  std::vector<PlannedCall> calls = PlanCalls(exports);
  g_libraryInstance = HostProc<HINSTANCE(__stdcall *)()>("GethInstOrvexdll")();
  SweepTargets targets = MakeTargets();
  WatchBoxes({IDCANCEL});
  StartClosingNewWindows();
  for (size_t i = from; i < calls.size(); i++) {
    const SweptExport &swept = exports[calls[i].exportIndex];
    FARPROC function = HostFind(HostLibrary(), swept.name.c_str());
    Log(std::to_string(i) + "\t" + DescribeCall(exports, calls[i]));
    if (!function) continue; // the export test names it
    HostSetLanguage(calls[i].language);
    {
      SweepArguments arguments;
      MakeArguments(swept, calls[i], targets, &arguments);
      Call(function, arguments.values);
    }
    PutBack(swept, function);
    CloseLeftoverWindows();
    if (!IsWindow(targets.window)) {
      Log("fault: the host's main window is gone");
      return 2;
    }
  }
  Log("done");
  return 0;
}
