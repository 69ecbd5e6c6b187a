// The output reader: a thread per command in pipe mode that drains the tool's
// output two bytes at a time, copies it to the results file, forwards every
// byte to the host (notification 9) with the keyword detector's announcements
// (7), and carries the stop logic: after each read it asks Kitlib's keep-going
// check and looks at the kill-key bit that the runner's wait loop sets.
//
// Every byte read counts, a zero byte included: the number of bytes a read
// delivered is used, never the length of a text. The reader's block, its read
// end and its copy of the results file belong to the thread and are released
// by it when it ends, so they stay valid however the chain ended.
#include "runner/runner_internal.h"
#include "frame/kitlib.h"
#include <process.h>
#include <stdlib.h>

struct ReaderBlock {
  KITREDIRECTPARAM param;
  unsigned char buffer[257]; // up to two bytes read and a terminating zero
};

// Reader progress. Reset by the runner's thread at the start of a call (no
// reader runs then); used by the running reader alone; the last read error is
// cleared by the runner before each follow-up step, after the previous reader
// has ended.
static int g_token = 1;          // keep-going token: the check's last answer
static DWORD g_lastReadError = 0;
static int g_someOutput = 0;     // some output was read during the call

// Handle of the last reader started. Written and closed by the runner's thread.
static HANDLE g_thread = 0;

void ReaderResetCall(void) {
  g_token = 1;
  g_lastReadError = 0;
  g_someOutput = 0;
  DetectorReset();
}

void ReaderClearLastError(void) { g_lastReadError = 0; }

static void ForwardChunk(const unsigned char *bytes, DWORD count) {
  for (DWORD i = 0; i < count; i++) {
    if (DetectorStep(bytes[i])) {
      int code = DetectorTakePending();
      if (code) RunnerNotify(7, code);
    }
    RunnerNotify(9, bytes[i]);
  }
}

// One read; answers 1 to go on reading.
static int ReadOnce(ReaderBlock *block) {
  mySetLastError(0);
  DWORD got = 0;
  BOOL read = ReadFile(block->param.readEnd, block->buffer, 2, &got, 0);
  g_lastReadError = GetLastError();
  if (!read) {
    if (g_lastReadError == 0) return 1;
    if (g_lastReadError == ERROR_BROKEN_PIPE) { // every writer has closed: the normal end
      g_lastReadError = 0;
      return 0;
    }
    StateSet(RUN_READ_FAILED);
    RunnerNotify(32, g_lastReadError);
    return 0;
  }
  g_lastReadError = 0;
  g_someOutput = 1;
  g_token = DetectKetwordsToKeepCompiling(g_token);
  if (g_token) {
    DWORD written;
    if (block->param.results) WriteFile(block->param.results, block->buffer, got, &written, 0);
    ForwardChunk(block->buffer, got);
    ZeroMemory(block->buffer, 3);
  } else {
    StateSet(RUN_STOP);
  }
  if (StateHas(RUN_STOP | RUN_KILL_KEY)) {
    RunnerNotify(23, g_lastReadError);
    return 0;
  }
  return 1;
}

static unsigned __stdcall ReaderMain(void *argument) {
  ReaderBlock *block = (ReaderBlock *)argument;
  while (block->param.readEnd && ReadOnce(block)) {
  }
  if (StateHas(RUN_STOP | RUN_KILL_KEY)) {
    if (g_someOutput) g_lastReadError = 0;
    RunnerNotify(21, g_lastReadError);
  }
  if (block->param.results) CloseHandle(block->param.results);
  block->param.results = 0;
  if (block->param.readEnd) CloseHandle(block->param.readEnd);
  free(block);
  if (StateHas(RUN_KILL_KEY)) StateSet(RUN_STOP);
  StateSet(RUN_READER_DONE);
  return 0;
}

int ReaderStart(HANDLE results) {
  ReaderBlock *block = (ReaderBlock *)calloc(1, sizeof(ReaderBlock));
  if (!block) return 0;
  SetParamForPipeForRedirect(&block->param);
  // The reader's own handle to the results file: the runner's stays open for
  // the next step, and the file position is shared, so steps append in order.
  if (results && !DuplicateHandle(GetCurrentProcess(), results, GetCurrentProcess(),
                                  &block->param.results, 0, FALSE, DUPLICATE_SAME_ACCESS))
    block->param.results = 0;
  uintptr_t thread = _beginthreadex(0, 0, ReaderMain, block, 0, 0);
  if (!thread) {
    if (block->param.results) CloseHandle(block->param.results);
    if (block->param.readEnd) CloseHandle(block->param.readEnd);
    free(block);
    return 0;
  }
  g_thread = (HANDLE)thread;
  return 1;
}

HANDLE ReaderThread(void) { return g_thread; }

void ReaderFinish(void) {
  if (!g_thread) return;
  while (MsgWaitForMultipleObjects(1, &g_thread, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
    MSG message;
    PeekMessageA(&message, 0, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
  CloseHandle(g_thread);
  g_thread = 0;
}
