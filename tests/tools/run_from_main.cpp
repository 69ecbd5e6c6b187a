// A console program whose main hands its own argc and argv to the runner, as a
// host does that runs a build from a helper process: the notification window
// lives in another process and its number travels as text in the main list.
// Writes "pid=<process id of the last tool>" and exits with 0 when the runner
// was called.
#include <windows.h>
#include <stdio.h>
#include "runner/runner.h"

int main(int argc, char **argv) {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(0, path, MAX_PATH);
  while (length && path[length - 1] != '\\') length--;
  lstrcpyA(path + length, "orvexlib.dll");
  HMODULE library = LoadLibraryA(path);
  MYEXECUTEBYMYMAIN execute = library ? (MYEXECUTEBYMYMAIN)(void *)GetProcAddress(library, "myExecuteByMyMain") : 0;
  if (!execute) return 2;
  RUNNERRESULT record = execute(argc, argv);
  printf("pid=%lu\n", record.processId);
  return 0;
}
