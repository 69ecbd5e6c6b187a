// The hostile-input sweep: every export of tests/exports/*.txt is called with
// hostile arguments of its kinds, one argument at a time, in a child process
// (this program again, running the SweepChild test) whose current folder
// holds a small source file. When the child crashes, or a call has not
// returned after five seconds, the logged call is reported and a new child
// goes on after it: every call must return, without touching a byte outside
// what it was given.
#include <gtest/gtest.h>
#include "host/host.h"
#include "host/files.h"
#include <stdlib.h>

static const char kFromVariable[] = "ORVEX_SWEEP_FROM", kLogVariable[] = "ORVEX_SWEEP_LOG";
// A loaded machine may take a while to start the child; a call gets 5 s.
enum { kStartWatchdog = 30000, kCallWatchdog = 5000, kPoll = 50 };

int RunSweepChild(size_t from, const char *logPath); // sweep_calls.cpp

static std::string Variable(const char *name) {
  char value[MAX_PATH] = "";
  GetEnvironmentVariableA(name, value, MAX_PATH);
  return value;
}

TEST(SweepChild, CallsFromTheGivenNumber) {
  if (Variable(kFromVariable).empty()) GTEST_SKIP() << "run by the sweep";
  ExitProcess(RunSweepChild(strtoul(Variable(kFromVariable).c_str(), 0, 10), Variable(kLogVariable).c_str()));
}

static LONGLONG FileSize(const std::string &path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
  return ((LONGLONG)data.nFileSizeHigh << 32) | data.nFileSizeLow;
}

static HANDLE StartChild(size_t from, const std::string &log, const std::string &folder) {
  std::string line = "\"" + HostFolder() + "test_sweep.exe\" --gtest_filter=SweepChild.*";
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
  if (child.hThread) CloseHandle(child.hThread);
  return child.hProcess;
}

// Runs a child from call `from` until it ends, or ends it when its log stops
// growing; answers the log, with a last line saying why when it hung or died
// without a word.
static std::vector<std::string> RunChild(size_t from, const std::string &log, const std::string &folder) {
  DeleteFileA(log.c_str());
  HANDLE child = StartChild(from, log, folder);
  if (!child) return {"the child could not be started"};
  LONGLONG size = -1;
  DWORD changed = GetTickCount(), allowed = kStartWatchdog, exitCode = 0;
  bool hung = false;
  while (!hung && WaitForSingleObject(child, kPoll) == WAIT_TIMEOUT) {
    if (FileSize(log) != size) {
      size = FileSize(log);
      changed = GetTickCount();
      allowed = size > 0 ? kCallWatchdog : kStartWatchdog;
    } else if (GetTickCount() - changed > allowed) {
      hung = TerminateProcess(child, 1) && WaitForSingleObject(child, INFINITE) == WAIT_OBJECT_0;
    }
  }
  GetExitCodeProcess(child, &exitCode);
  CloseHandle(child);
  std::vector<std::string> lines = ReadLines(log);
  if (lines.empty() || isdigit((unsigned char)lines.back()[0]))
    lines.push_back(hung ? "did not return within 5 s" : "the process ended with code " + std::to_string(exitCode));
  return lines;
}

// Numbered lines name the calls; "done" ends the sweep; any other line is a
// fault of the call before it (or of the lists, before the first call).
TEST(Sweep, EveryExportReturnsFromHostileArguments) {
  if (!Variable(kFromVariable).empty()) GTEST_SKIP() << "this is the child";
  std::string folder = TempFolder() + "\\orvex-sweep-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), 0);
  ASSERT_TRUE(WriteFileText(folder + "\\main.c", "#include <stdio.h>\r\nint main(void) { return 0; }\r\n"));
  DWORD start = GetTickCount();
  std::string done;
  for (size_t from = 0, children = 1; done.empty(); children++) {
    std::string call;
    for (const std::string &line : RunChild(from, folder + "\\calls.log", folder)) {
      if (isdigit((unsigned char)line[0])) {
        from = strtoul(line.c_str(), 0, 10) + 1;
        call = line.substr(line.find('\t') + 1) + ": ";
      } else if (line.rfind("done", 0) == 0) {
        done = line.substr(5) + ", " + std::to_string(children) + " child processes";
      } else {
        ADD_FAILURE() << call << line;
      }
    }
    if (call.empty() && done.empty()) done = "no call made";
  }
  RemoveFolderTree(folder);
  printf("[  SWEEP   ] %s, %lu s\n", done.c_str(), (GetTickCount() - start) / 1000);
}
