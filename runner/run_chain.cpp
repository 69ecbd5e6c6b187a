// myExecuteByMyMain: runs a short chain of command-line tools with a hidden
// console (a main command, a step repeated for several values, final steps),
// streams their output to the host window through the reader, and returns the
// record of the last tool started. The call returns when the chain has ended;
// meanwhile the host's messages keep flowing through the wait loop.
#include "runner/runner_internal.h"
#include "frame/instance.h"
#include "frame/kitlib.h"
#include <string.h>

// Longest sleep of one pass of the waits: the pipe-mode pass wakes at once for
// a message or the reader's end, and both look at the kill key at least this
// often.
enum { WAIT_PASS_MS = 50 };

// The call's parameters and start-up record. Written by the runner's thread
// during a call; the reader never touches them.
static RunPlan g_plan;
static STARTUPINFOA g_startup;

// 1 while a call runs: a second call (from a notification handler, or another
// thread) would overwrite the state of the first and is refused. Lowered just
// before the closing notification 0, so a host can start its next command
// from its handler of 0 (run after build).
static volatile LONG g_running = 0;

// The job of the call, made at its first start. Every tool is put into it
// before it runs (started suspended), so whatever a tool starts is in it too,
// and a stop reaches a grandchild whose parent has already exited. No
// kill-on-close: the tools of a call that ends normally are left alone.
// Runner's thread only.
static HANDLE g_job = 0;

static HWND Window(void) { return RunnerWindow(); }
static UINT Message(void) { return RunnerMessage(); }

static void SetUpStartup(void) {
  ZeroMemory(&g_startup, sizeof g_startup);
  g_startup.cb = sizeof g_startup;
  g_startup.lpTitle = g_plan.title;
  g_startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESIZE | STARTF_USESTDHANDLES;
  g_startup.wShowWindow = SW_HIDE;
}

static void EchoBytes(const char *from, const char *to) {
  for (const unsigned char *p = (const unsigned char *)from; p < (const unsigned char *)to; p++) RunnerNotify(9, *p);
}

// The command as the output window shows it: the file-name part of the
// command line and a line end. Straight to the host, not to the detector.
// When the executable is quoted with its folder, the file-name part starts
// inside the quotes: its closing quote is dropped, or the opening one put
// back when the name holds a blank, so the echo's quotes stay balanced.
static void EchoCommand(char *line) {
  const char *name = GetFileName(0, line);
  if (!name) name = "";
  const char *end = name + strlen(name);
  const char *closing = line[0] == '"' && name != line ? strchr(name, '"') : 0;
  if (closing) {
    bool blank = memchr(name, ' ', (size_t)(closing - name)) != 0;
    if (blank) RunnerNotify(9, '"');
    EchoBytes(name, closing);
    if (blank) RunnerNotify(9, '"');
    name = closing + 1;
  }
  EchoBytes(name, end);
  RunnerNotify(9, 13);
  RunnerNotify(9, 10);
}

// One pass: a message taken, the stop reported, the kill key looked at; then
// sleep until a message comes, the reader ends or the pass time is over.
static void WaitForReader(void) {
  HANDLE reader = ReaderThread();
  int quit = 0;
  WPARAM quitCode = 0;
  myGetAsyncKeyState(KillKey()); // forget presses from before the tool ran
  while (!StateHas(RUN_READER_DONE)) {
    MSG message;
    if (PeekMessageA(&message, 0, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) { // the host's own loop takes it after the call
        quit = 1;
        quitCode = message.wParam;
      } else {
        TranslateMessage(&message);
        DispatchMessageA(&message);
      }
    }
    if (StateHas(RUN_STOP)) RunnerNotify(25, 0);
    if (myGetAsyncKeyState(KillKey())) StateSet(RUN_KILL_KEY);
    if (!StateHas(RUN_READER_DONE))
      MsgWaitForMultipleObjectsEx(1, &reader, WAIT_PASS_MS, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
  if (quit) PostQuitMessage((int)quitCode);
}

// File mode: no messages are taken while the tool runs, but the kill key is
// looked at every pass, so a hung tool can still be stopped.
static void WaitForProcess(HANDLE process) {
  myGetAsyncKeyState(KillKey()); // forget presses from before the tool ran
  while (WaitForSingleObject(process, WAIT_PASS_MS) == WAIT_TIMEOUT) {
    if (myGetAsyncKeyState(KillKey())) {
      StateSet(RUN_KILL_KEY | RUN_STOP);
      return;
    }
  }
}

// A failed assignment (a host already in a job on an old system) only means
// that a stop cannot reach what the tool starts; the run goes on.
static void JoinJob(HANDLE process) {
  if (!g_job) g_job = CreateJobObjectA(0, 0);
  if (g_job) AssignProcessToJobObject(g_job, process);
}

// Ends this call's tools: those Kitlib finds by name (its answer is the
// value of notification 26), then whatever else is left in the job.
static int StopTools(void) {
  int answer = TerminateExefileByItsName(g_plan.list[0]);
  if (g_job) TerminateJobObject(g_job, 1);
  return answer;
}

// Starts the working list's command and waits for it; 0 when the chain ends.
static int StartCommand(int code, RUNNERRESULT *record) {
  RunnerNotify(code, 0);
  char line[TEXT_BUFFER];
  BuildCommandLine(g_plan.list, line, sizeof line); // fits: checked while parsing
  EchoCommand(line);
  mySetLastError(0);
  PROCESS_INFORMATION started;
  ZeroMemory(&started, sizeof started);
  if (!CreateProcessA(0, line, 0, 0, TRUE, CREATE_NEW_CONSOLE | CREATE_SUSPENDED, 0, 0, &g_startup, &started)) {
    RunnerNotify(12, (LPARAM)GetLastError());
    return 0;
  }
  JoinJob(started.hProcess);
  if (ResumeThread(started.hThread) == (DWORD)-1) {
    DWORD error = GetLastError();
    TerminateProcess(started.hProcess, 1);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    RunnerNotify(12, (LPARAM)error);
    return 0;
  }
  if (!CloseHandle(started.hThread)) {
    DisplayErrorForRedirect("CloseHandle", Window(), Message(), 14);
    CloseHandle(started.hProcess);
    return 0;
  }
  if (g_plan.fileMode) {
    WaitForProcess(started.hProcess);
    CaptureCloseRedirection();
  } else if (!CloseHandlesAfterCreateProcessForRedirect(Window(), Message(), 1)) {
    CloseHandle(started.hProcess);
    return 0;
  }
  if (started.hProcess && started.hProcess != INVALID_HANDLE_VALUE) {
    record->process = started.hProcess;
    record->thread = 0;
    record->processId = started.dwProcessId;
    record->threadId = started.dwThreadId;
  }
  if (!g_plan.fileMode) {
    if (StateHas(RUN_STOP)) RunnerNotify(24, 0);
    WaitForReader();
  }
  CloseHandle(started.hProcess);
  return 1;
}

// Splits the next follow-up step into the working list: the first step when it
// is repeated ('1') or final ('2'), else the second when it is final.
static int TakeNextStep(int *code, int *endCode) {
  char **steps = g_plan.steps;
  int slot = steps[0] && (steps[0][0] == '1' || steps[0][0] == '2') ? 0
             : steps[1] && steps[1][0] == '2'                     ? 1
                                                                  : -1;
  if (slot < 0) return 0;
  int repeated = steps[slot][0] == '1';
  *code = repeated ? 15 : 3;
  *endCode = repeated ? 16 : 4;
  PlanSplitStep(&g_plan, steps[slot]);
  steps[slot] = 0;
  ReaderClearLastError();
  return 1;
}

static void RunChain(RUNNERRESULT *record) {
  RunnerNotify(30, 0);
  SetUpStartup();
  int code = 1, endCode = 2, newList = 1;
  for (;;) {
    if (!CapturePrepare(&g_plan, &g_startup, newList)) return;
    if (!StartCommand(code, record)) return;
    if (StateHas(RUN_STOP)) {
      RunnerNotify(26, StopTools());
      return;
    }
    newList = !PlanNextValue(&g_plan);
    if (!newList) {
      code = 19;
      endCode = 29;
      continue;
    }
    RunnerNotify(endCode, 0);
    if (!TakeNextStep(&code, &endCode)) return;
  }
}

// After success and failure alike. A reader still running ends once the pipe
// has no writer left; it is waited for so that nothing of this call outlives
// it and the next call starts clean.
static void EndCall(void) {
  if (!g_plan.fileMode && !CaptureReaderStarted()) RunnerNotify(11, 0);
  CloseAllHandlesForRedirect(Window(), Message(), 1);
  ReaderFinish();
  CaptureCloseRedirection();
  PlanRelease(&g_plan);
  if (g_job) CloseHandle(g_job);
  g_job = 0;
}

// The record is returned by value: on the 32-bit product the caller passes its
// address first and the callee removes it with the two arguments, so it is
// written out here, which also makes the stdcall decoration count it.
extern "C" RUNNERRESULT *ORVEXAPI myExecuteByMyMain(RUNNERRESULT *result, int argc, char **argv) {
  RUNNERRESULT record;
  ZeroMemory(&record, sizeof record);
  if (InterlockedCompareExchange(&g_running, 1, 0) == 0) {
    StateReset();
    ReaderResetCall();
    ZeroMemory(&g_plan, sizeof g_plan);
    CaptureBegin();
    if (ParseRunParameters(argc, argv, &g_plan)) RunChain(&record);
    EndCall();
    // Taken before the flag is lowered: from then on another call may set its own.
    HWND window = Window();
    UINT message = Message();
    InterlockedExchange(&g_running, 0);
    if (window) SendMessageA(window, message, 0, 0); // the call is over
  }
  if (result) *result = record;
  return result;
}
