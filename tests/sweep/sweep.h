// The hostile-input sweep: every export of tests/exports/*.txt with the kinds
// of its arguments, the calls planned from them, and the values passed. The
// first call of an export passes every argument at its benign value; then
// each argument in turn takes each hostile value of its kind while the others
// stay benign; all of it in English and again in Japanese. Parent and child
// read the same lists, so a call is named by its number.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

enum KindClass { KIND_INT, KIND_TEXT, KIND_POS, KIND_POSPTR, KIND_EDIT, KIND_BUFFER, KIND_SIZE, KIND_OUT,
                 KIND_WINDOW, KIND_CALLBACK, KIND_RECORD, KIND_ARGV, KIND_HANDLE };
enum { kMostArguments = 16 };

struct Kind {
  KindClass kind;
  int bytes;  // N of buffer:N, edit:N, record:N and the room of edit:+N; 0 when not given
  bool grows; // edit:+N
};

struct SweptExport {
  std::string name;
  std::vector<Kind> kinds;
};

struct PlannedCall {
  int exportIndex;
  int argument; // -1: every argument benign
  int value;    // which hostile value of that argument's kind
  int language; // 0 English, 1 Japanese
};

// Every listed export in file and line order. A line the sweep cannot use
// (an unknown kind, a count that differs, a pos without a text before it, a
// size without a buffer before it) adds a message to *errors.
std::vector<SweptExport> ReadSweptExports(std::vector<std::string> *errors);
std::vector<PlannedCall> PlanCalls(const std::vector<SweptExport> &exports);
// "Name(argument 2: 600 bytes) in Japanese".
std::string DescribeCall(const std::vector<SweptExport> &exports, const PlannedCall &call);

int HostileValueCount(KindClass kind);
const char *HostileValueName(KindClass kind, int value);

// What the child hands out: the benign window (the host's main window), a
// destroyed one, one of another thread that pumps its messages, and the
// benign handle (the message library).
struct SweepTargets {
  HWND window, destroyed, otherThread;
  HINSTANCE module;
};

// The arguments of one call. Texts, buffers, records and words are made
// fresh and end right before a PAGE_NOACCESS page: one byte read or written
// past what was given crashes at once.
struct SweepArguments {
  INT_PTR values[kMostArguments] = {};
  std::vector<void *> made;
  ~SweepArguments();
};
void MakeArguments(const SweptExport &swept, const PlannedCall &call, const SweepTargets &targets,
                   SweepArguments *arguments);

// The child: makes the calls from number `from` on, each written to the log
// before it is made; "done" at the end, "crash ..." or "fault: ..." when one
// goes wrong.
int RunSweepChild(size_t from, const char *logPath);
