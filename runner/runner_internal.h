// Shared between the runner's files: the state word and notifications, the
// parsed parameters of a call, the working list, the reader and the keyword
// detector, the kill key. Only one call runs at a time.
#pragma once
#include <windows.h>
#include "runner/runner.h"

// ---- State word and notifications (notify_state.cpp) ----
enum {
  RUN_STOP = 0x01,        // stop requested
  RUN_READ_FAILED = 0x04, // reading the output failed
  RUN_READER_DONE = 0x08, // the reader has finished
  RUN_KILL_KEY = 0x10,    // the kill key was pressed
};
void StateSet(LONG bits);   // atomic OR; any thread
void StateClear(LONG bits); // atomic AND NOT; runner thread, no reader running
int StateHas(LONG bits);
void StateReset(void);
void RunnerSetWindow(HWND window);
void RunnerSetMessage(UINT message);
HWND RunnerWindow(void);
UINT RunnerMessage(void);
// Sends the notification synchronously; nothing when there is no window.
void RunnerNotify(int code, LPARAM value);

// ---- Parameters of a call (parameters.cpp) ----
enum { LIST_SLOTS = 20, TEXT_BUFFER = 256 };

struct RunPlan {
  char title[TEXT_BUFFER];
  int fileMode;                // capture field "*_*"
  HANDLE results;              // results file, or 0
  char separator;              // the main list's field separator
  char *list[LIST_SLOTS];      // working list: the command to run, null behind
  char *steps[2];              // follow-up steps not yet run (own copies), or 0
  char *values;                // further values of the running repeated step, or 0
  char *copies[3];             // the main list and the steps as restored, freed at the end
};

// Fills the plan from argv; 0 after a failure was reported (usage message, 10,
// 13 or 37). Whatever it allocated is released by PlanRelease.
int ParseRunParameters(int argc, char **argv, RunPlan *plan);
void PlanRelease(RunPlan *plan);
// Splits a follow-up step (kind byte first) into the working list; for a
// repeated step cuts the third field at its first '?' and keeps the rest.
void PlanSplitStep(RunPlan *plan, char *step);
// Puts the next '?' value into the third field; 0 when none is left.
int PlanNextValue(RunPlan *plan);
// The working list joined with single blanks; 0 when it does not fit.
int BuildCommandLine(char *const *list, char *line, size_t size);

// ---- Reader thread (reader.cpp) ----
void ReaderResetCall(void);       // token, last read error, some-output flag, detector
void ReaderClearLastError(void);
// Starts a reader on the capture pipe Kitlib holds; 0 when it cannot start.
int ReaderStart(HANDLE results);
HANDLE ReaderThread(void);        // the running or last reader, or 0
// Waits until the last reader has ended, taking only sent messages meanwhile.
void ReaderFinish(void);

// ---- Keyword detector (keyword_detector.cpp) ----
void DetectorReset(void);
int DetectorStep(unsigned char c); // non-zero when a code is pending
int DetectorTakePending(void);     // the pending code, cleared

// ---- Kill key (kill_key.cpp) ----
int KillKey(void);

// ---- Capture of each command's output (capture.cpp) ----
void CaptureBegin(void);          // at the start of a call: security attributes, nothing captured yet
// Pipe mode: a fresh pipe and reader; file mode: the redirection named in the
// working list (searched anew for a new list, appended to for further values
// of a repeated step). Puts the handles into the start-up record.
int CapturePrepare(RunPlan *plan, STARTUPINFOA *startup, int newList);
int CaptureReaderStarted(void);   // pipe mode: a reader was started this call
void CaptureCloseRedirection(void);
