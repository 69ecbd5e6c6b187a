// The sweep's child: makes the planned calls from a given number on, each one
// written to the log before it is made, so that when the process crashes or
// hangs the parent knows which call did it. Message boxes are answered by the
// box watcher, dialogs, popups and menus are closed by the closer, and what a
// call changes for every later call is put back after it.
#include "sweep/sweep_child.h"
#include "sweep/sweep_values.h"
#include "host/box_watcher.h"
#include "host/dialog_driver.h"
#include "host/host.h"
#include "host/main_window.h"
#include <stdio.h>
#include <string.h>

static HANDLE g_log = INVALID_HANDLE_VALUE;
static HINSTANCE g_libraryInstance = 0;

static void Log(const std::string &line) {
  DWORD written;
  std::string text = line + "\n";
  WriteFile(g_log, text.data(), (DWORD)text.size(), &written, 0);
}

// The module of the library or of one of its companions that holds `address`,
// or null for any other code.
static const char *OwnModuleAt(void *address, HMODULE *module) {
  static const char *const kOwn[] = {"orvexlib.dll", "kitlib.dll", "kitmsg.dll", "orvexmsg.dll"};
  char path[MAX_PATH];
  if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          (LPCSTR)address, module) ||
      !GetModuleFileNameA(*module, path, MAX_PATH))
    return 0;
  const char *name = strrchr(path, '\\') ? strrchr(path, '\\') + 1 : path;
  for (const char *own : kOwn)
    if (lstrcmpiA(name, own) == 0) return own;
  return 0;
}

static void LogCrashAndEnd(EXCEPTION_RECORD *record, const char *module, HMODULE base) {
  char line[160];
  snprintf(line, sizeof line, "crash 0x%08lX at %s+0x%llX", record->ExceptionCode, module ? module : "?",
           (unsigned long long)((char *)record->ExceptionAddress - (char *)base));
  Log(line);
  TerminateProcess(GetCurrentProcess(), record->ExceptionCode);
}

// An access violation in our own code is a crash even where a system frame
// would swallow it (inside a window procedure); any other exception counts
// only when nothing handles it.
static LONG CALLBACK FirstChance(EXCEPTION_POINTERS *exception) {
  HMODULE module = 0;
  const char *own = OwnModuleAt(exception->ExceptionRecord->ExceptionAddress, &module);
  if (exception->ExceptionRecord->ExceptionCode == EXCEPTION_ACCESS_VIOLATION && own)
    LogCrashAndEnd(exception->ExceptionRecord, own, module);
  return EXCEPTION_CONTINUE_SEARCH;
}

static LONG WINAPI Unhandled(EXCEPTION_POINTERS *exception) {
  HMODULE module = 0;
  LogCrashAndEnd(exception->ExceptionRecord, OwnModuleAt(exception->ExceptionRecord->ExceptionAddress, &module),
                 module);
  return EXCEPTION_EXECUTE_HANDLER;
}

static DWORD WINAPI PumpWindow(LPVOID made) {
  HWND window = CreateWindowA("STATIC", "other thread", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, 0, 0, 0, 0);
  *(HWND *)made = window;
  MSG message;
  while (GetMessageA(&message, 0, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}

static SweepTargets MakeTargets() {
  SweepTargets targets;
  targets.window = HostMainWindow();
  targets.destroyed = CreateWindowA("STATIC", "gone", WS_POPUP, 0, 0, 10, 10, 0, 0, 0, 0);
  DestroyWindow(targets.destroyed);
  volatile HWND other = 0;
  CloseHandle(CreateThread(0, 0, PumpWindow, (LPVOID)&other, 0, 0));
  while (!other) Sleep(1);
  targets.otherThread = other;
  targets.module = HostMessageLibrary();
  return targets;
}

// Exports that change what every later call sees, each with what puts the
// load value back. An export whose one argument is a callback is a setter
// of a host function: it is given null again after its call.
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
// the caller removes them, so one call shape reaches every export; unused
// slots are ignored.
typedef INT_PTR (*AnyExport)(INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR,
                             INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR);
static_assert(kMostArguments == 16, "one slot per argument");

static void Call(FARPROC function, const INT_PTR *a) {
  ((AnyExport)function)(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9], a[10], a[11], a[12], a[13],
                        a[14], a[15]);
}

int RunSweepChild(size_t from, const char *logPath) {
  g_log = CreateFileA(logPath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, 0, OPEN_ALWAYS, 0, 0);
  if (g_log == INVALID_HANDLE_VALUE) return 3;
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
    if (!function) continue; // the export test reports it
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
