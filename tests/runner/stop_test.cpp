// Stopping a chain: the kill key pressed while a tool runs (through Kitlib's
// key query and through real input), the keep-going check answering no, and
// what a stop terminates: the runner's tool and what it started, nothing else.
#include <gtest/gtest.h>
#include "host/host.h"
#include "host/runner_calls.h"

namespace {

typedef void(__stdcall *KitIntProc)(int);

class Stop : public ::testing::Test {
protected:
  void SetUp() override { RecorderOpen(RUNNER_MESSAGE); }
  void TearDown() override {
    Reset();
    RecorderClose();
  }
  void Reset() {
    KitProc<KitIntProc>("KitStopCompilingAfter")(0);
    HostProc<SETVKEYFORKILLBCCPROCCESS>("SetVkeyForKillBccProccess")(VK_ESCAPE);
    RecorderOnNote(nullptr);
  }
  // Presses the key (through `press`) when the tool's byte '#' arrives.
  void PressOnMark(std::function<void()> press) {
    RecorderOnNote([press](const Note &note) {
      if (note.code == 9 && note.value == '#') press();
    });
  }
};

void PressKitKey() { KitProc<KitIntProc>("KitPressKey")(VK_ESCAPE); }

void PressRealKey() {
  INPUT keys[2] = {};
  keys[0].type = keys[1].type = INPUT_KEYBOARD;
  keys[0].ki.wVk = keys[1].ki.wVk = VK_F8;
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, keys, sizeof(INPUT));
}

void PressKitKeyLater() {
  CloseHandle(CreateThread(0, 0, [](void *) -> DWORD {
    Sleep(150);
    PressKitKey();
    return 0;
  }, 0, 0, 0));
}

// Each row: what is set before the call, what is pressed when the tool's byte
// '#' arrives, the list and the notes; `killed` rows must end the tool early.
struct StopCase {
  const char *name;
  std::function<void()> before, onMark;
  std::vector<std::string> entries;
  std::vector<Expected> want;
  bool killed;
};

std::vector<StopCase> StopCases() {
  std::string emit = EmitPath();
  std::vector<std::string> pause = {"o\\x23", "s300", "ob", "s8000"};
  // The press on '#' is seen after that read or the next ('b' forwarded),
  // whichever comes after the runner's wait loop noticed it; then 23 and 21,
  // and 26 with the number of processes ended; the final step never runs.
  std::vector<Expected> killed = {N(30), N(1), Text(Echo(pause)), Text("#"), AnyNumberOf(9), N(23, 0), N(21, 0),
                                  AnyNumberOf(25), AnyValue(26), N(0)};
  std::vector<Expected> stopped = {AnyNumberOf(25), N(23, 0), AnyNumberOf(25), N(21, 0), AnyNumberOf(25),
                                   AnyValue(26)};
  auto keySet = [] { HostProc<SETVKEYFORKILLBCCPROCCESS>("SetVkeyForKillBccProccess")(VK_F8); };
  auto stopAfter = [](int reads) { return [reads] { KitProc<KitIntProc>("KitStopCompilingAfter")(reads); }; };
  std::vector<Expected> lateStop = {N(30), N(1), Text(Echo({"oM"})), Text("M"), N(2), N(15), Text(Echo({"oR", "oa"}))};
  lateStop.insert(lateStop.end(), stopped.begin(), stopped.end());
  lateStop.push_back(N(0));
  std::vector<Expected> earlyStop = {N(30), N(1), Text(Echo({"s200", "oxy", "s8000"}))};
  earlyStop.insert(earlyStop.end(), stopped.begin(), stopped.end());
  earlyStop.push_back(N(0));
  return {
      {"kill key through Kitlib", nullptr, PressKitKey, {"T", MainList("pipe", "DUMMY", emit, pause),
       StepList('2', emit, {"oF"})}, killed, true},
      {"real press of the chosen kill key", keySet, PressRealKey, {"T", MainList("pipe", "DUMMY", emit, pause),
       StepList('2', emit, {"oF"})}, killed, true},
      // A press while the tool writes nothing more is noticed when the pipe
      // closes: 21 without 23.
      {"kill key while the tool is silent", nullptr, PressKitKeyLater, {"T", MainList("pipe", "DUMMY", emit,
       {"o\\x23", "s700"}), StepList('2', emit, {"oF"})}, {N(30), N(1), Text(Echo({"o\\x23", "s700"})), Text("#"),
       N(21, 0), AnyNumberOf(25), AnyValue(26), N(0)}, false},
      // A press before the run is forgotten; another key is not the kill key.
      {"press before the run, other key during it", PressKitKey,
       [] { KitProc<KitIntProc>("KitPressKey")(VK_F9); }, {"T", MainList("pipe", "DUMMY", emit, {"o\\x23", "ob"})},
       Ran({"o\\x23", "ob"}, {Text("#b")}), false},
      // The check answers no after the first read: its bytes are not
      // forwarded, 25 while the reader has not finished, then the tool ends.
      {"keep-going check says no", stopAfter(1), nullptr, {"T", MainList("pipe", "DUMMY", emit, {"s200", "oxy", "s8000"}),
       StepList('1', emit, {"oR", "oa?ob"})}, earlyStop, true},
      {"keep-going check stops a later step", stopAfter(2), nullptr, {"T", MainList("pipe", "DUMMY", emit, {"oM"}),
       StepList('1', emit, {"oR", "oa?ob"})}, lateStop, false},
      // A step may name its tool without ".exe", as the system allows; the
      // stop still finds it.
      {"tool named without its extension", nullptr, PressKitKey, {"T", MainList("pipe", "DUMMY", emit, {}),
       StepList('2', emit.substr(0, emit.size() - 4), pause)}, Ran({}, {}, {N(3), Text(Echo(pause, "emit")),
       Text("#"), AnyNumberOf(9), N(23, 0), N(21, 0), AnyNumberOf(25), AnyValue(26)}), true},
      // In file mode there is no reader: the kill key is not watched.
      {"file mode", PressKitKey, nullptr, {"T", MainList("*_*", "DUMMY", emit, {"s100"}), StepList('2', emit, {})},
       {N(30), N(1), Text(Echo({"s100"})), N(2), N(3), Text("emit.exe\r\n"), N(4), N(0)}, false},
  };
}

TEST_F(Stop, KillKeyAndKeepGoingCheck) {
  for (const StopCase &row : StopCases()) {
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
    Reset();
  }
}

DWORD StartSleeper(DWORD milliseconds) {
  std::string line = "\"" + EmitPath() + "\" s" + std::to_string(milliseconds);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started;
  if (!CreateProcessA(0, &line[0], 0, 0, FALSE, CREATE_NO_WINDOW, 0, 0, &startup, &started)) return 0;
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  return started.dwProcessId;
}

DWORD NumberAfter(const std::string &bytes, char mark) {
  size_t at = bytes.find(mark);
  return at == std::string::npos ? 0 : (DWORD)strtoul(bytes.c_str() + at + 1, nullptr, 10);
}

// The tool started a grandchild; another program of the same name, which the
// runner did not start, runs beside it. The stop ends the tool and the
// grandchild and leaves the other program running.
TEST_F(Stop, StopEndsOnlyTheToolAndWhatItStarted) {
  DWORD bystander = StartSleeper(10000);
  ASSERT_NE(bystander, 0u);
  PressOnMark([] { KitProc<KitIntProc>("KitPressKey")(VK_ESCAPE); });
  RunOutcome run =
      CallRunner({"T", MainList("pipe", "DUMMY", EmitPath(), {"g8000", "o\\x23", "s300", "ob", "s8000"})});
  DWORD grandchild = NumberAfter(BytesOf(run.notes), 'G');
  ASSERT_NE(grandchild, 0u);
  EXPECT_EQ(CountOf(run.notes, 26), 1);
  EXPECT_FALSE(ProcessRunning(run.record.processId));
  EXPECT_FALSE(ProcessRunning(grandchild));
  EXPECT_TRUE(ProcessRunning(bystander));
  HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, bystander);
  TerminateProcess(process, 0);
  CloseHandle(process);
}

} // namespace
