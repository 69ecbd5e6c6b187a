// Measures the runner against the platform's own limit, in one run under Wine:
//  1. throughput: 256 KiB of tool output through myExecuteByMyMain, against a
//     bare reader thread that reads the same kind of pipe and sends one
//     synchronous message per byte to the same kind of window (goal >= 0.9);
//  2. latency: from the tool's first write to the host's first byte
//     notification, runner against bare (median of several runs);
//  3. processor time of the host's thread while a tool sleeps 2 s, as a share
//     of the wall time (goal < 2%).
// Usage: runner_bench.exe [KiB]   (256 by default)
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <algorithm>
#include <string>
#include <vector>
#include "host/host.h"
#include "host/runner_calls.h"

static double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

static LARGE_INTEGER Now() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now;
}

static double ThreadCpuSeconds() {
  FILETIME created, exited, kernel, user;
  GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
  ULARGE_INTEGER k = {{kernel.dwLowDateTime, kernel.dwHighDateTime}}, u = {{user.dwLowDateTime, user.dwHighDateTime}};
  return double(k.QuadPart + u.QuadPart) / 1e7;
}

// ---- The bare version: one pipe, one reader thread, one message per byte ----

enum { kRounds = 4 };

static HANDLE g_bareRead = 0;
static DWORD g_bareReadSize = 4096; // bytes asked for by one read

static DWORD WINAPI BareReader(void *) {
  unsigned char chunk[4096];
  DWORD got;
  HWND window = RecorderWindow();
  while (ReadFile(g_bareRead, chunk, g_bareReadSize, &got, 0) && got)
    for (DWORD i = 0; i < got; i++) SendMessageA(window, RUNNER_MESSAGE, 9, chunk[i]);
  return 0;
}

// Runs emit with `arguments` into a pipe drained by the bare reader, taking
// messages until the reader ends; answers the seconds it took.
static double RunBare(const std::string &arguments) {
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, 0, TRUE};
  HANDLE writeEnd;
  CreatePipe(&g_bareRead, &writeEnd, &inherit, 0);
  SetHandleInformation(g_bareRead, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
  startup.wShowWindow = SW_HIDE;
  startup.hStdOutput = startup.hStdError = writeEnd;
  std::string line = "\"" + EmitPath() + "\" " + arguments;
  PROCESS_INFORMATION started;
  RecorderClear();
  LARGE_INTEGER start = Now();
  HANDLE reader = CreateThread(0, 0, BareReader, 0, 0, 0);
  CreateProcessA(0, &line[0], 0, 0, TRUE, CREATE_NEW_CONSOLE, 0, 0, &startup, &started);
  CloseHandle(writeEnd);
  while (MsgWaitForMultipleObjects(1, &reader, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
    MSG message;
    while (PeekMessageA(&message, 0, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  }
  double seconds = Seconds(start, Now());
  CloseHandle(reader);
  CloseHandle(g_bareRead);
  CloseHandle(started.hProcess);
  CloseHandle(started.hThread);
  return seconds;
}

static double RunThroughRunner(const std::string &argument) {
  LARGE_INTEGER start = Now();
  CallRunner({"bench", MainList("pipe", "DUMMY", EmitPath(), {argument})});
  return Seconds(start, Now());
}

// ---- Latency: the tool stamps its first write, the window stamps the byte ----

static LARGE_INTEGER g_firstByte;

static void StampFirstQ() {
  g_firstByte.QuadPart = 0;
  RecorderOnNote([](const Note &note) {
    if (note.code == 9 && note.value == 'Q' && !g_firstByte.QuadPart) g_firstByte = Now();
  });
}

static double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

static double MeasureLatency(bool bare) {
  std::vector<double> samples;
  for (int i = 0; i < 7; i++) {
    StampFirstQ();
    if (bare) RunBare("s200 q");
    else CallRunner({"bench", MainList("pipe", "DUMMY", EmitPath(), {"s200", "q"})});
    std::string bytes = BytesOf(RecorderNotes());
    size_t at = bytes.find('Q');
    if (at == std::string::npos || !g_firstByte.QuadPart) continue;
    LARGE_INTEGER written;
    written.QuadPart = _strtoi64(bytes.c_str() + at + 1, nullptr, 10);
    samples.push_back(Seconds(written, g_firstByte) * 1000.0);
  }
  RecorderOnNote(nullptr);
  return samples.empty() ? -1 : Median(samples);
}

int main(int argc, char **argv) {
  long kib = argc > 1 ? atol(argv[1]) : 256;
  if (kib <= 0) kib = 256;
  RecorderOpen(RUNNER_MESSAGE);

  // In rounds, each variant in turn, so that a change of load on the machine
  // falls on all three alike.
  printf("1. throughput, %ld KiB of tool output, in %d rounds\n", kib, kRounds);
  fflush(stdout);
  std::string count = "n" + std::to_string(kib * 1024 / kRounds);
  const DWORD readSizes[2] = {4096, 2};
  double runner = 0, bare[2] = {0, 0};
  size_t runnerBytes = 0, bareBytes[2] = {0, 0};
  for (int round = 0; round < kRounds; round++) {
    runner += RunThroughRunner(count);
    runnerBytes += BytesOf(RecorderNotes()).size();
    for (int i = 0; i < 2; i++) {
      g_bareReadSize = readSizes[i];
      bare[i] += RunBare(count);
      bareBytes[i] += BytesOf(RecorderNotes()).size();
    }
  }
  printf("   runner:                 %7.2f s (%zu notes of code 9, echoes included, %.0f bytes/s)\n", runner,
         runnerBytes, runnerBytes / runner);
  for (int i = 0; i < 2; i++)
    printf("   bare, %4lu-byte reads:  %7.2f s (%zu bytes, %.0f bytes/s); ratio runner/bare throughput %.2f\n",
           readSizes[i], bare[i], bareBytes[i], bareBytes[i] / bare[i], (runnerBytes / runner) / (bareBytes[i] / bare[i]));
  printf("   (goal >= 0.9)\n");
  fflush(stdout);
  g_bareReadSize = 4096;

  double bareLatency = MeasureLatency(true), runnerLatency = MeasureLatency(false);
  printf("2. first write to first byte notification, median of 7\n");
  printf("   bare reader: %.2f ms   runner: %.2f ms   ratio runner/bare: %.2f\n", bareLatency, runnerLatency,
         runnerLatency / bareLatency);
  fflush(stdout);

  double cpuBefore = ThreadCpuSeconds();
  LARGE_INTEGER start = Now();
  CallRunner({"bench", MainList("pipe", "DUMMY", EmitPath(), {"s2000"})});
  double wall = Seconds(start, Now()), cpu = ThreadCpuSeconds() - cpuBefore;
  printf("3. host thread while the tool sleeps 2 s: %.3f s processor in %.2f s wall = %.2f%% (goal < 2%%)\n", cpu,
         wall, 100.0 * cpu / wall);
  RecorderClose();
  return 0;
}
