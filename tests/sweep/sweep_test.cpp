// The hostile-input sweep: every export of tests/exports/*.txt is called with
// hostile arguments of its kinds, one argument at a time, in a child process
// (this program again, running the SweepChild test) whose current folder
// holds a small source file. When the child crashes, or a call has not
// returned after five seconds, the logged call is reported and a new child
// goes on after it: every call must return, without touching a byte outside
// what it was given.
#include <gtest/gtest.h>
#include "sweep/sweep_child.h"
#include "sweep/sweep_plan.h"
#include "host/host.h"
#include "host/product_copy.h"
#include <stdlib.h>

static const char kFromVariable[] = "ORVEX_SWEEP_FROM";
static const char kLogVariable[] = "ORVEX_SWEEP_LOG";
// A loaded machine may take a while to start the child; a call gets 5 s.
enum { kStartWatchdog = 30000, kCallWatchdog = 5000, kPoll = 50 };

static std::string Variable(const char *name) {
  char value[MAX_PATH] = "";
  GetEnvironmentVariableA(name, value, MAX_PATH);
  return value;
}

TEST(SweepChild, CallsFromTheGivenNumber) {
  if (Variable(kFromVariable).empty()) GTEST_SKIP() << "run by the sweep";
  ExitProcess(RunSweepChild(strtoul(Variable(kFromVariable).c_str(), 0, 10), Variable(kLogVariable).c_str()));
}

struct ChildRun {
  std::vector<std::string> log;
  bool hung;
  DWORD exitCode;
};

static LONGLONG FileSize(const std::string &path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
  return ((LONGLONG)data.nFileSizeHigh << 32) | data.nFileSizeLow;
}

static PROCESS_INFORMATION StartChild(size_t from, const std::string &log, const std::string &folder) {
  char self[MAX_PATH];
  GetModuleFileNameA(0, self, MAX_PATH);
  std::string line = "\"" + std::string(self) + "\" --gtest_filter=SweepChild.*";
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, 0, TRUE};
  HANDLE nul = CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                           OPEN_EXISTING, 0, 0);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = startup.hStdOutput = startup.hStdError = nul;
  PROCESS_INFORMATION child = {};
  SetEnvironmentVariableA(kFromVariable, std::to_string(from).c_str());
  SetEnvironmentVariableA(kLogVariable, log.c_str());
  CreateProcessA(0, &line[0], 0, 0, TRUE, 0, 0, folder.c_str(), &startup, &child);
  SetEnvironmentVariableA(kFromVariable, 0);
  SetEnvironmentVariableA(kLogVariable, 0);
  CloseHandle(nul);
  return child;
}

// Runs a child from call `from` until it ends or its log stops growing.
static ChildRun RunChild(size_t from, const std::string &log, const std::string &folder) {
  DeleteFileA(log.c_str());
  ChildRun run = {{}, false, 0};
  PROCESS_INFORMATION child = StartChild(from, log, folder);
  if (!child.hProcess) return run;
  LONGLONG size = -1;
  DWORD changed = GetTickCount(), allowed = kStartWatchdog;
  while (WaitForSingleObject(child.hProcess, kPoll) == WAIT_TIMEOUT) {
    LONGLONG now = FileSize(log);
    if (now != size) {
      size = now;
      changed = GetTickCount();
      if (size > 0) allowed = kCallWatchdog;
    } else if (GetTickCount() - changed > allowed) {
      run.hung = true;
      TerminateProcess(child.hProcess, 1);
      WaitForSingleObject(child.hProcess, INFINITE);
    }
  }
  GetExitCodeProcess(child.hProcess, &run.exitCode);
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
  run.log = ReadLines(log);
  return run;
}

TEST(Sweep, EveryExportReturnsFromHostileArguments) {
  if (!Variable(kFromVariable).empty()) GTEST_SKIP() << "this is the child";
  std::vector<std::string> errors;
  std::vector<SweptExport> exports = ReadSweptExports(&errors);
  for (const std::string &error : errors) ADD_FAILURE() << "tests/exports: " << error;
  size_t calls = PlanCalls(exports).size();
  std::string folder = TempFolder() + "\\orvex-sweep-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), 0);
  ASSERT_TRUE(WriteFileText(folder + "\\main.c", "#include <stdio.h>\r\nint main(void) { return 0; }\r\n"));
  std::string log = folder + "\\calls.log";
  DWORD start = GetTickCount();
  int children = 0;
  for (size_t from = 0; from < calls;) {
    ChildRun run = RunChild(from, log, folder);
    children++;
    std::string call, what;
    for (const std::string &line : run.log) {
      if (!line.empty() && isdigit((unsigned char)line[0])) {
        from = strtoul(line.c_str(), 0, 10) + 1;
        call = line.substr(line.find('\t') + 1);
      } else {
        what = line;
      }
    }
    if (what == "done") break;
    if (call.empty()) {
      ADD_FAILURE() << "the sweep's child made no call (exit code " << run.exitCode << ")";
      break;
    }
    ADD_FAILURE() << call << ": "
                  << (run.hung ? "did not return within 5 s" : !what.empty() ? what : "the process ended with code " + std::to_string(run.exitCode));
  }
  RemoveFolderTree(folder);
  printf("[  SWEEP   ] %zu exports, %zu calls, %d child processes, %lu s\n", exports.size(), calls, children,
         (GetTickCount() - start) / 1000);
}
