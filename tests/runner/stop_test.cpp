// Stopping a chain: the kill key (the default and a chosen one), the
// keep-going check answering no, and what a stop ends: the runner's tool and
// what it started, nothing else.
#include <gtest/gtest.h>
#include "host/runner_calls.h"

namespace {

typedef void(__stdcall *KitIntProc)(int);

typedef RunnerTest Stop;

void PressKitKey() { KitProc<KitIntProc>("KitPressKey")(VK_ESCAPE); }

// Calls `press` when the tool's byte '#' arrives.
void PressOnMark(std::function<void()> press) {
  RecorderOnNote([press](const Note &note) {
    if (note.code == 9 && note.value == '#') press();
  });
}

void PressKitKeyLater() {
  CloseHandle(CreateThread(0, 0, [](void *) -> DWORD {
    Sleep(150);
    PressKitKey();
    return 0;
  }, 0, 0, 0));
}

// Each row: what is set before the call, what is pressed on '#', the list and
// the notes; `killed` rows must end the tool early.
TEST_F(Stop, KillKeyAndKeepGoingCheck) {
  struct Row {
    const char *name;
    std::function<void()> before, onMark;
    std::vector<std::string> entries;
    std::vector<Expected> want;
    bool killed;
  };
  std::string emit = EmitPath();
  std::vector<std::string> pause = {"o\\x23", "s300", "ob", "s8000"};
  // The press is seen after that read or the next, whichever comes after the
  // wait loop noticed it; then 23, 21 and 26 with the number of processes
  // ended (25 while the reader has not finished); the final step never runs.
  std::vector<Expected> stopped = {AnyNumberOf(25), N(23, 0), AnyNumberOf(25), N(21, 0), AnyNumberOf(25),
                                   AnyValue(26)};
  auto then = [&stopped](std::vector<Expected> first) {
    first.insert(first.end(), stopped.begin(), stopped.end());
    first.push_back(N(0));
    return first;
  };
  std::vector<Expected> killed = then({N(30), N(1), Text(Echo(pause)), Text("#"), AnyNumberOf(9)});
  auto stopAfter = [](int reads) { return [reads] { KitProc<KitIntProc>("KitStopCompilingAfter")(reads); }; };
  std::vector<Row> rows = {
      {"kill key through Kitlib", nullptr, PressKitKey, {"T", Pipe(pause), StepList('2', emit, {"oF"})}, killed, true},
      {"the chosen kill key", [] { HostProc<SETVKEYFORKILLBCCPROCCESS>("SetVkeyForKillBccProccess")(VK_F8); },
       [] { KitProc<KitIntProc>("KitPressKey")(VK_F8); },
       {"T", Pipe(pause), StepList('2', emit, {"oF"})}, killed, true},
      // A press while the tool is silent is noticed when the pipe closes: no 23.
      {"kill key while the tool is silent", nullptr, PressKitKeyLater,
       {"T", Pipe({"o\\x23", "s700"}), StepList('2', emit, {"oF"})},
       {N(30), N(1), Text(Echo({"o\\x23", "s700"})), Text("#"), N(21, 0), AnyNumberOf(25), AnyValue(26), N(0)}, false},
      // A press before the run is forgotten; another key is not the kill key.
      {"press before the run, other key during it", PressKitKey, [] { KitProc<KitIntProc>("KitPressKey")(VK_F9); },
       {"T", Pipe({"o\\x23", "ob"})}, Ran({"o\\x23", "ob"}, {Text("#b")}), false},
      // No after the first read: its bytes are not forwarded.
      {"keep-going check says no", stopAfter(1), nullptr,
       {"T", Pipe({"s200", "oxy", "s8000"}), StepList('1', emit, {"oR", "oa?ob"})},
       then({N(30), N(1), Text(Echo({"s200", "oxy", "s8000"}))}), true},
      {"keep-going check stops a later step", stopAfter(2), nullptr,
       {"T", Pipe({"oM"}), StepList('1', emit, {"oR", "oa?ob"})},
       then({N(30), N(1), Text(Echo({"oM"})), Text("M"), N(2), N(15), Text(Echo({"oR", "oa"}))}), false},
      // A step may name its tool without ".exe"; the stop still finds it.
      {"tool named without its extension", nullptr, PressKitKey,
       {"T", Pipe({}), StepList('2', emit.substr(0, emit.size() - 4), pause)},
       then({N(30), N(1), Text(Echo({})), N(2), N(3), Text(Echo(pause, "emit")), Text("#"), AnyNumberOf(9)}), true},
      // In file mode too a press from before the tool ran is forgotten.
      {"file mode", PressKitKey, nullptr, {"T", MainList("*_*", "DUMMY", emit, {"s100"}), StepList('2', emit, {})},
       {N(30), N(1), Text(Echo({"s100"})), N(2), N(3), Text("emit.exe\r\n"), N(4), N(0)}, false},
  };
  for (const Row &row : rows) {
    SCOPED_TRACE(row.name);
    if (row.before) row.before();
    if (row.onMark) PressOnMark(row.onMark);
    RunOutcome run = CallRunner(row.entries);
    EXPECT_TRUE(FollowsTable(run.notes, row.want));
    if (row.killed) {
      EXPECT_LT(run.milliseconds, 6000u);
      EXPECT_GE(run.notes[run.notes.size() - 2].value, 1);
      EXPECT_FALSE(ProcessRunning(run.record.processId));
    }
    KitProc<KitIntProc>("KitStopCompilingAfter")(0);
    HostProc<SETVKEYFORKILLBCCPROCCESS>("SetVkeyForKillBccProccess")(VK_ESCAPE);
    RecorderOnNote(nullptr);
  }
}

// The tool started a grandchild; another program of the same name, which the
// runner did not start, runs beside it. The stop ends the tool and the
// grandchild and leaves the other program running.
TEST_F(Stop, StopEndsOnlyTheToolAndWhatItStarted) {
  PROCESS_INFORMATION bystander = StartProgram("\"" + EmitPath() + "\" s10000");
  ASSERT_NE(bystander.hProcess, nullptr);
  PressOnMark(PressKitKey);
  RunOutcome run =
      CallRunner({"T", Pipe({"g8000", "o\\x23", "s300", "ob", "s8000"})});
  std::string bytes = BytesOf(run.notes);
  DWORD grandchild = bytes.find('G') == std::string::npos ? 0 : strtoul(&bytes[bytes.find('G') + 1], nullptr, 10);
  ASSERT_NE(grandchild, 0u);
  EXPECT_EQ(CountOf(run.notes, 26), 1);
  EXPECT_FALSE(ProcessRunning(run.record.processId));
  EXPECT_FALSE(ProcessRunning(grandchild));
  EXPECT_TRUE(ProcessRunning(bystander.dwProcessId));
  TerminateProcess(bystander.hProcess, 0);
  CloseHandle(bystander.hProcess);
  CloseHandle(bystander.hThread);
}

// The number after `mark` in the bytes the tool wrote, or 0.
DWORD NumberAfter(const std::string &bytes, char mark) {
  size_t at = bytes.find(mark);
  return at == std::string::npos ? 0 : strtoul(&bytes[at + 1], nullptr, 10);
}

// The tool starts a child that inherits the pipe and exits; the kill key is
// pressed, and the child writes once more. Kitlib finds nothing of the tool's
// name (26 with 0), and the child, whose parent is gone, still ends with the
// call.
TEST_F(Stop, StopReachesTheChildOfAToolThatHasExited) {
  RecorderOnNote([](const Note &note) {
    if (note.code != 9 || note.value != '$') return;
    DWORD tool = NumberAfter(BytesOf(RecorderNotes()), 'P');
    for (int i = 0; ProcessRunning(tool) && i < 500; i++) Sleep(10);
    PressKitKey();
  });
  RunOutcome run = CallRunner({"T", Pipe({"p", "g1000+o\\x25+s8000", "o\\x24"})});
  DWORD child = NumberAfter(BytesOf(run.notes), 'G');
  ASSERT_NE(child, 0u);
  EXPECT_TRUE(FollowsTable(run.notes, {N(30), N(1), AnyNumberOf(9), AnyNumberOf(25), N(23, 0), AnyNumberOf(25),
                                       N(21, 0), AnyNumberOf(25), N(26, 0), N(0)}));
  EXPECT_FALSE(ProcessRunning(child));
}

// File mode takes no messages while the tool runs, but a hung tool is still
// stopped by the kill key.
TEST_F(Stop, KillKeyStopsAToolInFileMode) {
  static std::string output;
  output = TempFile("hung.txt");
  HANDLE presser = CreateThread(0, 0, [](void *) -> DWORD {
    for (int i = 0; i < 2000 && ReadFileText(output) != "R"; i++) Sleep(10);
    PressKitKey();
    return 0;
  }, 0, 0, 0);
  std::vector<std::string> arguments = {"oR", "s8000", ">" + output};
  RunOutcome run = CallRunner({"T", MainList("*_*", "DUMMY", EmitPath(), arguments)});
  WaitForSingleObject(presser, INFINITE);
  CloseHandle(presser);
  EXPECT_TRUE(FollowsTable(run.notes, {N(30), N(1), Text(Echo({"oR", "s8000", ""})), AnyValue(26), N(0)}));
  EXPECT_LT(run.milliseconds, 6000u);
  EXPECT_FALSE(ProcessRunning(run.record.processId));
  DeleteFileA(output.c_str());
}

} // namespace
