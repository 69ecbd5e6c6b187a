// What a host needs to call the captured-output runner: the record that
// myExecuteByMyMain returns by value, and the types of its two exports.
#pragma once
#include <windows.h>

// Seven 32-bit fields on the 32-bit product (handles are pointer-sized on
// x86_64, the build the tests run).
struct RUNNERRESULT {
  DWORD zero1;
  HANDLE process;  // last tool started; the handle is already closed
  HANDLE thread;   // always 0
  DWORD processId; // last tool started
  DWORD threadId;  // its first thread
  DWORD zero6;
  DWORD zero7;
};

// myExecuteByMyMain(argc, argv): argv as a program's main gets it.
typedef RUNNERRESULT(__stdcall *MYEXECUTEBYMYMAIN)(int argc, char **argv);
typedef int(__stdcall *SETVKEYFORKILLBCCPROCCESS)(int vkey);
