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
    KitProc<KitIntProc>("KitStopCompilingAfter")(0);
    HostProc<SETVKEYFORKILLBCCPROCCESS>("SetVkeyForKillBccProccess")(VK_ESCAPE);
    RecorderClose();
  }
  // Presses the key (through `press`) when the tool's byte '#' arrives.
  void PressOnMark(std::function<void()> press) {
    RecorderOnNote([press](const Note &note) {
      if (note.code == 9 && note.value == '#') press();
    });
  }
};

// The tool writes '#', then after a pause 'b', then sleeps long. The press
// on '#' is seen by the reader after that read or the next ('b' forwarded),
// whichever comes after the runner's wait loop noticed it; then 23 and 21; the tool is terminated (26 with the number of processes ended: the
// tool and, where the system gives the new console a process, that one) and
// the final step never runs.
std::vector<Expected> KillKeyTable() {
  return {N(30), N(1), Text(Echo({"o\\x23", "s300", "ob", "s8000"})), Text("#"), AnyNumberOf(9), N(23, 0), N(21, 0),
          AnyNumberOf(25), AnyValue(26), N(0)};
}

TEST_F(Stop, KillKeyThroughKitlibStopsTheTool) {
  PressOnMark([] { KitProc<KitIntProc>("KitPressKey")(VK_ESCAPE); });
  RunOutcome run = CallRunner({"T", MainList("pipe", "DUMMY", EmitPath(), {"o\\x23", "s300", "ob", "s8000"}),
                               StepList('2', EmitPath(), {"oF"})});
  EXPECT_TRUE(FollowsTable(run.notes, KillKeyTable()));
  EXPECT_LT(run.milliseconds, 6000u);
  EXPECT_GE(run.notes[run.notes.size() - 2].value, 1);
  EXPECT_FALSE(ProcessRunning(run.record.processId));
}

TEST_F(Stop, RealKeyPressOfTheChosenKillKey) {
  EXPECT_EQ(HostProc<SETVKEYFORKILLBCCPROCCESS>("SetVkeyForKillBccProccess")(VK_F8), VK_F8);
  PressOnMark([] {
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = VK_F8;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
  });
  RunOutcome run = CallRunner({"T", MainList("pipe", "DUMMY", EmitPath(), {"o\\x23", "s300", "ob", "s8000"}),
                               StepList('2', EmitPath(), {"oF"})});
  EXPECT_TRUE(FollowsTable(run.notes, KillKeyTable()));
}

// A press while the tool writes nothing more is noticed when the pipe closes:
// 21 without 23, and the chain ends.
TEST_F(Stop, KillKeyWhileTheToolIsSilent) {
  PressOnMark([] {
    CloseHandle(CreateThread(0, 0, [](void *) -> DWORD {
      Sleep(150);
      KitProc<KitIntProc>("KitPressKey")(VK_ESCAPE);
      return 0;
    }, 0, 0, 0));
  });
  RunOutcome run = CallRunner({"T", MainList("pipe", "DUMMY", EmitPath(), {"o\\x23", "s700"}),
                               StepList('2', EmitPath(), {"oF"})});
  EXPECT_TRUE(FollowsTable(run.notes, {N(30), N(1), Text(Echo({"o\\x23", "s700"})), Text("#"), N(21, 0),
                                       AnyNumberOf(25), AnyValue(26), N(0)}));
  EXPECT_GE(run.milliseconds, 600u);
}

// A press before the tool runs is forgotten; a press of another key is not
// the kill key.
TEST_F(Stop, OnlyAPressDuringTheRunOfTheKillKeyCounts) {
  KitProc<KitIntProc>("KitPressKey")(VK_ESCAPE);
  PressOnMark([] { KitProc<KitIntProc>("KitPressKey")(VK_F9); });
  RunOutcome run = CallRunner({"T", MainList("pipe", "DUMMY", EmitPath(), {"o\\x23", "ob"})});
  EXPECT_TRUE(FollowsTable(run.notes, {N(30), N(1), Text(Echo({"o\\x23", "ob"})), Text("#b"), N(2), N(0)}));
}

// The check answers no after the first read: the bytes of that read are not
// forwarded, the reader reports 23 and 21, the runner 25 while the reader has
// not finished, then terminates the tool.
TEST_F(Stop, KeepGoingCheckAnsweringNo) {
  KitProc<KitIntProc>("KitStopCompilingAfter")(1);
  RunOutcome run = CallRunner({"T", MainList("pipe", "DUMMY", EmitPath(), {"s200", "oxy", "s8000"}),
                               StepList('1', EmitPath(), {"oR", "oa?ob"})});
  EXPECT_TRUE(FollowsTable(run.notes, {N(30), N(1), Text(Echo({"s200", "oxy", "s8000"})), AnyNumberOf(25),
                                       N(23, 0), AnyNumberOf(25), N(21, 0), AnyNumberOf(25), AnyValue(26), N(0)}));
  EXPECT_LT(run.milliseconds, 6000u);
}

// The check answers no on the read that would have continued the second
// step: the stop ends the chain in the middle.
TEST_F(Stop, KeepGoingCheckStopsALaterStep) {
  KitProc<KitIntProc>("KitStopCompilingAfter")(2);
  RunOutcome run = CallRunner({"T", MainList("pipe", "DUMMY", EmitPath(), {"oM"}),
                               StepList('1', EmitPath(), {"oR", "oa?ob"})});
  EXPECT_TRUE(FollowsTable(run.notes, {N(30), N(1), Text(Echo({"oM"})), Text("M"), N(2), N(15),
                                       Text(Echo({"oR", "oa"})), AnyNumberOf(25), N(23, 0), AnyNumberOf(25),
                                       N(21, 0), AnyNumberOf(25), AnyValue(26), N(0)}));
}

// A step may name its tool without ".exe", as the system allows; the stop
// still finds it.
TEST_F(Stop, StopReachesAToolNamedWithoutItsExtension) {
  PressOnMark([] { KitProc<KitIntProc>("KitPressKey")(VK_ESCAPE); });
  std::string bare = EmitPath().substr(0, EmitPath().size() - 4);
  RunOutcome run = CallRunner({"T", MainList("pipe", "DUMMY", EmitPath(), {}),
                               StepList('2', bare, {"o\\x23", "s300", "ob", "s8000"})});
  ASSERT_EQ(CountOf(run.notes, 26), 1);
  EXPECT_GE(run.notes[run.notes.size() - 2].value, 1);
  EXPECT_FALSE(ProcessRunning(run.record.processId));
  EXPECT_LT(run.milliseconds, 6000u);
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

// In file mode there is no reader: the kill key is not watched.
TEST_F(Stop, FileModeDoesNotWatchTheKillKey) {
  KitProc<KitIntProc>("KitPressKey")(VK_ESCAPE);
  RunOutcome run = CallRunner({"T", MainList("*_*", "DUMMY", EmitPath(), {"s100"}), StepList('2', EmitPath(), {})});
  EXPECT_TRUE(FollowsTable(run.notes, {N(30), N(1), Text(Echo({"s100"})), N(2), N(3), Text("emit.exe\r\n"), N(4),
                                       N(0)}));
}

} // namespace
