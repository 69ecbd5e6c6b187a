// Capture of one command's output, prepared afresh for every command of a
// chain so that follow-up steps reach the host and the results file exactly
// like the main command: in pipe mode a new pipe and a new reader, in file
// mode the redirection file named in the command's own arguments.
#include "runner/runner_internal.h"
#include "frame/kitlib.h"
#include "frame/shift_jis.h"
#include <string.h>

// Security attributes of the capture handles. Set by the runner's thread at
// the start of a run; read by Kitlib on the same thread.
static SECURITY_ATTRIBUTES g_security;

// A reader was started during this call (pipe mode). Runner's thread only.
static int g_readerStarted = 0;

// File mode: the text behind the redirection mark of the current working list
// (inside the plan's copies, so it lives as long as the list), and the open
// file with its inheritable duplicate while the command runs. Runner's thread.
static char *g_redirectTarget = 0;
static HANDLE g_redirectFile = 0;
static HANDLE g_redirectDuplicate = 0;

// Inheritable handles with the default security of the host's account: the
// tool inherits its end, and no other account may open the build's pipe (an
// access list that is present but null would let anyone in).
void CaptureBegin(void) {
  g_readerStarted = 0;
  g_redirectTarget = 0;
  g_security.nLength = sizeof g_security;
  g_security.bInheritHandle = TRUE;
  g_security.lpSecurityDescriptor = 0;
}

int CaptureReaderStarted(void) { return g_readerStarted; }

static int PreparePipe(RunPlan *plan, STARTUPINFOA *startup) {
  ReaderFinish(); // the previous reader has set its bit; let its thread end
  StateClear(RUN_READER_DONE);
  if (!SetHandlesForRedirect(&g_security, RunnerWindow(), RunnerMessage())) return 0;
  if (!ReaderStart(plan->results)) {
    DisplayErrorForRedirect("_beginthread", RunnerWindow(), RunnerMessage(), 14);
    return 0;
  }
  g_readerStarted = 1;
  SetStdHandleForPipeForRedirect(startup);
  return 1;
}

// The first place of mark in text, walking by characters.
static char *FindMark(char *text, const char *mark) {
  size_t length = strlen(mark);
  for (char *p = text; *p; p = SjisNext(p))
    if (length && strncmp(p, mark, length) == 0) return p;
  return 0;
}

// From the tool's second argument on, the first entry holding the mark is cut
// there; the text behind it names the output file.
static char *CutRedirection(RunPlan *plan) {
  const char *mark = GetMyRedirectSign();
  if (!mark || !mark[0]) return 0;
  for (int i = 2; i < LIST_SLOTS && plan->list[i]; i++) {
    char *at = FindMark(plan->list[i], mark);
    if (!at) continue;
    *at = 0;
    return at + strlen(mark);
  }
  return 0;
}

static void OpenRedirection(STARTUPINFOA *startup, int append) {
  char *target = g_redirectTarget;
  if (!target || !target[0]) return;
  int unquoted = Remove95Quotation(target);
  g_redirectFile = CreateFileA(target, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, 0,
                               append ? OPEN_ALWAYS : CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, 0);
  if (unquoted) Add95Quotation(target);
  if (g_redirectFile == INVALID_HANDLE_VALUE) {
    g_redirectFile = 0;
    return;
  }
  if (append) SetFilePointer(g_redirectFile, 0, 0, FILE_END);
  if (!DuplicateHandle(GetCurrentProcess(), g_redirectFile, GetCurrentProcess(), &g_redirectDuplicate, 0,
                       TRUE, DUPLICATE_SAME_ACCESS)) {
    g_redirectDuplicate = 0;
    return;
  }
  startup->hStdOutput = g_redirectDuplicate;
  startup->hStdError = g_redirectDuplicate;
}

int CapturePrepare(RunPlan *plan, STARTUPINFOA *startup, int newList) {
  startup->hStdInput = startup->hStdOutput = startup->hStdError = 0;
  if (!plan->fileMode) return PreparePipe(plan, startup);
  if (newList) g_redirectTarget = CutRedirection(plan);
  OpenRedirection(startup, !newList);
  return 1;
}

void CaptureCloseRedirection(void) {
  if (g_redirectFile) CloseHandle(g_redirectFile);
  if (g_redirectDuplicate) CloseHandle(g_redirectDuplicate);
  g_redirectFile = g_redirectDuplicate = 0;
}
