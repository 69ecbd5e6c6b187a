// Starting a program with administrator rights: the start is prepared (the
// executable and its options copied into Kitlib's slots, a title and a wait
// mode chosen), journalled, and made with the "runas" verb, or as a plain
// start where that verb is not available.
#include "frame/kitlib.h"
#include "frame/text_fit.h"
#include "journal.h"
#include <shellapi.h>
#include <string.h>

enum { kSlotSize = 2048, kTitleSize = 520 };

// The prepared start. Written by the preparation and read by the start that
// follows it, both on the host's user-interface thread.
static char g_exeSlot[kSlotSize];
static char g_optionsSlot[kSlotSize];
static char g_title[kTitleSize];
static int g_waitMode = 0;

// Record filled for the caller: 40 bytes, 32-bit words.
struct StartRecord {
  INT32 answer;
  INT32 processId;
  INT32 exitCode;
  INT32 unused[7];
};
static_assert(sizeof(StartRecord) == 40, "the caller's record is 40 bytes");

extern "C" int KITAPI SetExcuteExeFileAndOptionsWith95Quotation(HWND window, LPCSTR exe, LPCSTR options,
                                                                LPSTR *exeSlot, LPSTR *optionsSlot) {
  g_exeSlot[0] = g_optionsSlot[0] = 0;
  size_t exeLength = 0, optionsLength = 0;
  bool fits = exe && AppendSjis(g_exeSlot, kSlotSize - 2, &exeLength, exe) &&
              AppendSjis(g_optionsSlot, kSlotSize, &optionsLength, options);
  if (!fits) g_exeSlot[0] = g_optionsSlot[0] = 0;
  else Add95QuotationForAnySpaceIfNotThere(g_exeSlot);
  if (exeSlot) *exeSlot = g_exeSlot;
  if (optionsSlot) *optionsSlot = g_optionsSlot;
  return fits ? 1 : 0;
}

extern "C" int KITAPI SetTitleFromKitmsgFotExecuteExeFile(int textId) {
  g_title[0] = 0;
  HINSTANCE kitmsg = GetModuleHandleA("kitmsg.dll");
  return kitmsg ? KitLoadText(kitmsg, textId, GetLanguage(), g_title, sizeof g_title) > 0 : 0;
}

extern "C" int KITAPI WaitForSingleObjectForWinExec(int waitMode) {
  int previous = g_waitMode;
  g_waitMode = waitMode;
  return previous;
}

// The executable without the quotes of its slot.
static void Unquoted(LPCSTR exe, char *out) {
  size_t length = strlen(exe);
  if (length >= 2 && exe[0] == '"' && exe[length - 1] == '"') {
    memcpy(out, exe + 1, length - 2);
    out[length - 2] = 0;
  } else {
    strcpy(out, exe);
  }
}

// Both starts answer whether the program was started; the process handle,
// when there is one, is left in *process.
static bool StartElevated(HWND window, LPCSTR exe, LPCSTR options, int show, HANDLE *process) {
  SHELLEXECUTEINFOA start;
  memset(&start, 0, sizeof start);
  start.cbSize = sizeof start;
  start.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  start.hwnd = window;
  start.lpVerb = "runas";
  start.lpFile = exe;
  start.lpParameters = options;
  start.nShow = show ? SW_SHOWNORMAL : SW_HIDE;
  if (!ShellExecuteExA(&start)) return false;
  *process = start.hProcess;
  return true;
}

static bool StartPlain(LPCSTR quotedExe, LPCSTR exe, LPCSTR options, int show, HANDLE *process) {
  static char commandLine[2 * kSlotSize + 2];
  size_t length = 0;
  commandLine[0] = 0;
  AppendSjis(commandLine, sizeof commandLine, &length, quotedExe);
  AppendSjis(commandLine, sizeof commandLine, &length, " ");
  AppendSjis(commandLine, sizeof commandLine, &length, options);
  STARTUPINFOA startup;
  memset(&startup, 0, sizeof startup);
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = show ? SW_SHOWNORMAL : SW_HIDE;
  startup.lpTitle = g_title[0] ? g_title : 0;
  PROCESS_INFORMATION started;
  if (!CreateProcessA(exe, commandLine, 0, 0, FALSE, 0, 0, 0, &startup, &started)) return false;
  CloseHandle(started.hThread);
  *process = started.hProcess;
  return true;
}

extern "C" int KITAPI myExecuteExeFileRequireAdministrator(void *record, HWND window, int show, int elevate,
                                                           LPSTR *exeSlot, LPSTR *optionsSlot) {
  StartRecord account;
  memset(&account, 0, sizeof account);
  LPCSTR quotedExe = exeSlot && *exeSlot ? *exeSlot : "";
  LPCSTR options = optionsSlot && *optionsSlot ? *optionsSlot : "";
  const char *fields[] = {"runas", quotedExe, options};
  JournalAppend(fields, 3);
  char exe[kSlotSize];
  Unquoted(quotedExe, exe);
  HANDLE process = 0;
  bool started = false;
  if (exe[0]) {
    if (elevate) started = StartElevated(window, exe, options, show, &process);
    if (!started) started = StartPlain(quotedExe, exe, options, show, &process);
  }
  account.answer = started ? 1 : 0;
  if (process) {
    account.processId = (INT32)GetProcessId(process);
    DWORD exitCode = 0;
    if (g_waitMode && WaitForSingleObject(process, g_waitMode < 0 ? INFINITE : (DWORD)g_waitMode) == WAIT_OBJECT_0 &&
        GetExitCodeProcess(process, &exitCode))
      account.exitCode = (INT32)exitCode;
    CloseHandle(process);
  }
  if (record) memcpy(record, &account, sizeof account);
  return account.answer;
}
