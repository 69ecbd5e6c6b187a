// The runner's capture pipe and process helpers: the pipe a tool writes into,
// the standard handles it inherits, the stop of a tool and what it started,
// the kill-key query and the keep-going check.
//
// A stop must reach only what the runner started. Processes are identified by
// the tree they form under this process: when a call begins and when a
// capture is set up, the ids of every process alive are noted; a stop
// terminates this process's children of the given name that were not alive
// then, with all their descendants. A process of the same name that the host
// or anyone else started survives.
#include "frame/kitlib.h"
#include "runner_processes.h"
#include <tlhelp32.h>
#include <string.h>
#include <vector>

// Capture handles. Written by the runner's thread only (one run at a time),
// from SetHandlesForRedirect to the close calls; the read end is handed to the
// reader's block and then belongs to the reader.
static HANDLE g_readEnd = 0;
static HANDLE g_writeEnd = 0;
static HANDLE g_input = 0;

// Ids of the processes alive when the last call began or capture was set up.
// Written and read by the runner's thread only.
static std::vector<DWORD> g_aliveBefore;

// A simulated press of this virtual key, consumed by the next query of it.
// Written by any thread (tests), consumed by the runner's thread.
static volatile LONG g_pressedKey = 0;

// Keep-going checks left until one answers no; 0 means never. Set by the host
// or the tests; counted down by the reader thread.
static volatile LONG g_checksLeft = 0;

// What the last SetHandlesForRedirect was given, as KitRedirectSecurity's
// bits. Written by the runner's thread, read by the tests after the call.
static volatile LONG g_securityGiven = 0;

static LONG DescribeSecurity(const SECURITY_ATTRIBUTES *attributes) {
  if (!attributes) return 0;
  LONG bits = KIT_SECURITY_GIVEN | (attributes->bInheritHandle ? KIT_SECURITY_INHERITABLE : 0);
  if (!attributes->lpSecurityDescriptor) return bits;
  BOOL present = FALSE, defaulted = FALSE;
  PACL list = 0;
  bits |= KIT_SECURITY_DESCRIPTOR;
  if (GetSecurityDescriptorDacl(attributes->lpSecurityDescriptor, &present, &list, &defaulted) && present && !list)
    bits |= KIT_SECURITY_OPEN_TO_ANYONE;
  return bits;
}

static void CloseAndClear(HANDLE *handle, int *ok) {
  if (*handle && !CloseHandle(*handle)) *ok = 0;
  *handle = 0;
}

struct ProcessEntry {
  DWORD id, parent;
  char name[MAX_PATH];
};

static std::vector<ProcessEntry> ListProcesses() {
  std::vector<ProcessEntry> list;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return list;
  PROCESSENTRY32 entry;
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
    ProcessEntry item;
    item.id = entry.th32ProcessID;
    item.parent = entry.th32ParentProcessID;
    lstrcpynA(item.name, entry.szExeFile, MAX_PATH);
    list.push_back(item);
  }
  CloseHandle(snapshot);
  return list;
}

void NoteProcessesAlive(void) {
  g_aliveBefore.clear();
  for (const ProcessEntry &entry : ListProcesses()) g_aliveBefore.push_back(entry.id);
}

static bool Contains(const std::vector<DWORD> &ids, DWORD id) {
  for (DWORD known : ids)
    if (known == id) return true;
  return false;
}

extern "C" int KITAPI SetHandlesForRedirect(SECURITY_ATTRIBUTES *attributes, HWND window, UINT message) {
  int ok = 1;
  InterlockedExchange(&g_securityGiven, DescribeSecurity(attributes));
  CloseAndClear(&g_readEnd, &ok);
  CloseAndClear(&g_writeEnd, &ok);
  CloseAndClear(&g_input, &ok);
  SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, 0, TRUE};
  if (!attributes) attributes = &inheritable;
  if (!CreatePipe(&g_readEnd, &g_writeEnd, attributes, 0)) {
    g_readEnd = g_writeEnd = 0;
    return 0;
  }
  // Only the tool's end is inherited: a child holding the read end would
  // never matter, but a stray copy is a leak.
  SetHandleInformation(g_readEnd, HANDLE_FLAG_INHERIT, 0);
  // Standard input reads as empty, so a tool that asks for input goes on.
  g_input = CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, attributes,
                        OPEN_EXISTING, 0, 0);
  if (g_input == INVALID_HANDLE_VALUE) g_input = 0;
  NoteProcessesAlive();
  return 1;
}

extern "C" void KITAPI SetParamForPipeForRedirect(KITREDIRECTPARAM *block) {
  if (!block) return;
  block->readEnd = g_readEnd;
  block->kitOne = 0;
  block->kitTwo = 0;
  g_readEnd = 0;
}

extern "C" void KITAPI SetStdHandleForPipeForRedirect(STARTUPINFOA *startup) {
  if (!startup) return;
  startup->hStdInput = g_input;
  startup->hStdOutput = g_writeEnd;
  startup->hStdError = g_writeEnd;
}

extern "C" int KITAPI CloseHandlesAfterCreateProcessForRedirect(HWND window, UINT message, int mode) {
  int ok = 1;
  CloseAndClear(&g_writeEnd, &ok);
  CloseAndClear(&g_input, &ok);
  return ok;
}

extern "C" int KITAPI CloseAllHandlesForRedirect(HWND window, UINT message, int mode) {
  int ok = 1;
  CloseAndClear(&g_writeEnd, &ok);
  CloseAndClear(&g_input, &ok);
  CloseAndClear(&g_readEnd, &ok);
  return ok;
}

// The host learns of the failure as notification `code` carrying the system
// error; the name of the call goes to the debugger.
extern "C" void KITAPI DisplayErrorForRedirect(LPCSTR call, HWND window, UINT message, int code) {
  DWORD error = GetLastError();
  char line[300];
  wsprintfA(line, "%.200s failed, error %lu\n", call ? call : "?", error);
  OutputDebugStringA(line);
  if (window) SendMessageA(window, message, (WPARAM)code, (LPARAM)error);
}

static int TerminateById(DWORD id) {
  HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, id);
  if (!process) return 0;
  BOOL done = TerminateProcess(process, 1);
  CloseHandle(process);
  return done ? 1 : 0;
}

// Terminates the runner's tools of that name, then, pass by pass, every process
// whose parent was terminated, until a pass finds none (a child started while
// its parent was dying is caught by the next pass).
extern "C" int KITAPI TerminateExefileByItsName(LPCSTR executable) {
  if (!executable) return 0;
  char name[MAX_PATH];
  lstrcpynA(name, GetFileName(0, (LPSTR)executable), MAX_PATH);
  Remove95Quotation(name);
  size_t length = strlen(name);
  if (length && name[length - 1] == '"') name[--length] = 0;
  if (!length) return 0;
  if (!strchr(name, '.') && length + 4 < MAX_PATH) strcat(name, ".exe"); // as the system ran it
  std::vector<DWORD> ended;
  DWORD self = GetCurrentProcessId();
  for (int pass = 0; pass < 16; pass++) {
    size_t before = ended.size();
    for (const ProcessEntry &entry : ListProcesses()) {
      if (Contains(ended, entry.id) || Contains(g_aliveBefore, entry.id)) continue;
      bool tool = entry.parent == self && lstrcmpiA(entry.name, name) == 0;
      if ((tool || Contains(ended, entry.parent)) && TerminateById(entry.id)) ended.push_back(entry.id);
    }
    if (ended.size() == before) break;
  }
  return (int)ended.size();
}

extern "C" int KITAPI DetectKetwordsToKeepCompiling(int token) {
  if (!token) return 0;
  if (g_checksLeft > 0 && InterlockedDecrement(&g_checksLeft) == 0) return 0;
  return 1;
}

extern "C" void KITAPI KitStopCompilingAfter(int answers) {
  InterlockedExchange(&g_checksLeft, answers > 0 ? answers : 0);
}

extern "C" int KITAPI myGetAsyncKeyState(int vkey) {
  if (vkey <= 0 || vkey > 255) return 0;
  int state = (unsigned short)GetAsyncKeyState(vkey);
  if (InterlockedCompareExchange(&g_pressedKey, 0, vkey) == vkey) state |= 1;
  return state;
}

extern "C" void KITAPI KitPressKey(int vkey) { InterlockedExchange(&g_pressedKey, vkey); }

extern "C" int KITAPI KitRedirectSecurity(void) { return (int)g_securityGiven; }
