// Calling the runner as a host does and composing its parameter lists; the
// host window that receives the runner's notifications, and the one helper
// that compares what it recorded with an expected table.
//
// Expected sequences are data: rows of (code, value), (code, any value),
// "zero or more of this code", or a text standing for one code-9 row per byte.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>
#include <gtest/gtest.h>
#include "host/files.h"
#include "host/host.h"
#include "runner/runner.h"

struct Note {
  int code;
  long long value;
};

// A window owned by the calling thread that records every (code, value) sent
// with `message`. One at a time; Close destroys it.
HWND RecorderOpen(UINT message);
void RecorderClose();
HWND RecorderWindow();
std::vector<Note> RecorderNotes();
void RecorderClear();
// Called on the window's thread after each note is recorded (0 for none).
void RecorderOnNote(std::function<void(const Note &)> action);
// The values of the code-9 notes as bytes, and how many notes carry `code`.
std::string BytesOf(const std::vector<Note> &notes);
int CountOf(const std::vector<Note> &notes, int code);

enum ExpectKind { EXACT, ANY_VALUE, ANY_NUMBER, TEXT };
struct Expected {
  ExpectKind kind;
  int code;
  long long value;
  std::string text;
};
inline Expected N(int code, long long value = 0) { return {EXACT, code, value, ""}; }
inline Expected AnyValue(int code) { return {ANY_VALUE, code, 0, ""}; }
inline Expected AnyNumberOf(int code) { return {ANY_NUMBER, code, 0, ""}; } // zero or more
inline Expected Text(const std::string &bytes) { return {TEXT, 9, 0, bytes}; }

// Success when `got` follows `want`; otherwise the first mismatch with its
// index and the notes around it.
::testing::AssertionResult FollowsTable(const std::vector<Note> &got, const std::vector<Expected> &want);

enum { RUNNER_MESSAGE = WM_APP + 7 };

struct RunOutcome {
  RUNNERRESULT record;
  std::vector<Note> notes;
  DWORD milliseconds; // how long the call took
};

// Calls myExecuteByMyMain with argv = {"host.exe", entries..., null} and the
// notes the recorder window took meanwhile (the window must be open).
RunOutcome CallRunner(const std::vector<std::string> &entries);
// The same with argc and argv exactly as given.
RunOutcome CallRunnerRaw(int argc, char **argv);

// ",window,message,language,mode,results,executable,arguments..." with the
// recorder window and message; `separator` replaces the comma.
std::string MainList(const std::string &mode, const std::string &results, const std::string &executable,
                     const std::vector<std::string> &arguments, char separator = ',');
// The usual main list: pipe mode, no results file, emit with `arguments`.
std::string Pipe(const std::vector<std::string> &arguments);
// A follow-up step: kind '1' (repeated) or '2' (final), then the fields.
std::string StepList(char kind, const std::string &executable, const std::vector<std::string> &arguments,
                     char separator = ',');
// What the output window shows of a command: "emit.exe arguments\r\n".
std::string Echo(const std::vector<std::string> &arguments, const char *tool = "emit.exe");
// The notes of a chain whose main command (emit with `arguments`) ran to its
// end: 30, 1, its echo, `output`, 2, then `after` and the closing 0.
std::vector<Expected> Ran(const std::vector<std::string> &arguments, const std::vector<Expected> &output,
                          const std::vector<Expected> &after = {});
// Blanks as BEL and the whole in TABs: a path as the host puts it in a list.
std::string Encoded(const std::string &path);

std::string EmitPath();
// A fresh path in the tests' own temporary folder (the file is removed).
std::string TempFile(const char *name);
bool ProcessRunning(DWORD processId);
// Starts a command line without a window; the handles are the caller's to
// close (all zero when it could not start).
PROCESS_INFORMATION StartProgram(std::string line);

// A parameter list and the notifications it must give; ExpectRuns calls the
// runner with each and compares.
struct RunCase {
  const char *name;
  std::vector<std::string> entries;
  std::vector<Expected> want;
};
void ExpectRuns(const std::vector<RunCase> &rows);

// The recorder window open for each test of the runner.
class RunnerTest : public ::testing::Test {
protected:
  void SetUp() override { RecorderOpen(RUNNER_MESSAGE); }
  void TearDown() override { RecorderClose(); }
};
