// Successful chains end to end: a real tool started by the runner, its output
// streamed to the recorder window, the exact notification sequences, the
// results file, file mode, quoted paths and the record returned.
#include <gtest/gtest.h>
#include "host/host.h"
#include "host/runner_calls.h"

namespace {

class Chain : public ::testing::Test {
protected:
  void SetUp() override { RecorderOpen(RUNNER_MESSAGE); }
  void TearDown() override { RecorderClose(); }
};

// Each row: a parameter list and the notifications it gives.
struct ChainCase {
  const char *name;
  std::vector<std::string> entries;
  std::vector<Expected> want;
};

std::vector<ChainCase> ChainCases() {
  std::string emit = EmitPath();
  auto chain = [&emit](std::vector<std::string> steps) {
    std::vector<std::string> entries = {"Build", MainList("pipe", "DUMMY", emit, {"oM"})};
    entries.insert(entries.end(), steps.begin(), steps.end());
    return entries;
  };
  std::vector<Expected> m = {Text("M")};
  return {
      {"both streams of the main command", {"Build", MainList("pipe", "DUMMY", emit, {"ohello\\n", "eworld"})},
       Ran({"ohello\\n", "eworld"}, {Text("hello\nworld")})},
      // "Dummy" in any case means no results file (checked below).
      {"Dummy", {"Build", MainList("pipe", "Dummy", emit, {"ox"})}, Ran({"ox"}, {Text("x")})},
      {"dummy", {"Build", MainList("pipe", "dummy", emit, {"ox"})}, Ran({"ox"}, {Text("x")})},
      {"DuMmY", {"Build", MainList("pipe", "DuMmY", emit, {"ox"})}, Ran({"ox"}, {Text("x")})},
      // A Shift-JIS trail byte equal to the separator (0x7C in "\x83\x7c") does
      // not split a field.
      {"separator inside a character", {"Build", MainList("pipe", "DUMMY", emit, {"o\x83|!"}, '|')},
       Ran({"o\x83|!"}, {Text("\x83|!")})},
      {"repeated step with three values", chain({StepList('1', emit, {"oR", "oa?ob?oc"})}),
       Ran({"oM"}, m, {N(15), Text(Echo({"oR", "oa"})), Text("Ra"), N(19), Text(Echo({"oR", "ob"})), Text("Rb"),
                       N(19), Text(Echo({"oR", "oc"})), Text("Rc"), N(29)})},
      {"repeated step with one value", chain({StepList('1', emit, {"oR", "oa"})}),
       Ran({"oM"}, m, {N(15), Text(Echo({"oR", "oa"})), Text("Ra"), N(16)})},
      {"repeated step without a third field", chain({StepList('1', emit, {"oR"})}),
       Ran({"oM"}, m, {N(15), Text(Echo({"oR"})), Text("R"), N(16)})},
      {"repeated step, then a final step", chain({StepList('1', emit, {"oR", "oa?ob"}), StepList('2', emit, {"oF"})}),
       Ran({"oM"}, m, {N(15), Text(Echo({"oR", "oa"})), Text("Ra"), N(19), Text(Echo({"oR", "ob"})), Text("Rb"),
                       N(29), N(3), Text(Echo({"oF"})), Text("F"), N(4)})},
      {"two final steps", chain({StepList('2', emit, {"oF"}), StepList('2', emit, {"oG"})}),
       Ran({"oM"}, m, {N(3), Text(Echo({"oF"})), Text("F"), N(4), N(3), Text(Echo({"oG"})), Text("G"), N(4)})},
      {"a first step of no kind leaves the final second step", chain({"3" + emit, StepList('2', emit, {"oG"})}),
       Ran({"oM"}, m, {N(3), Text(Echo({"oG"})), Text("G"), N(4)})},
      {"a second step runs only when it is final", chain({StepList('1', emit, {"oR"}), StepList('1', emit, {"oS"})}),
       Ran({"oM"}, m, {N(15), Text(Echo({"oR"})), Text("R"), N(16)})},
  };
}

TEST_F(Chain, ChainsRunInOrderWithTheirCodes) {
  for (const ChainCase &row : ChainCases()) {
    RunOutcome run = CallRunner(row.entries);
    EXPECT_TRUE(FollowsTable(run.notes, row.want)) << row.name;
    EXPECT_NE(run.record.process, nullptr) << row.name;
    EXPECT_EQ(run.record.thread, nullptr) << row.name;
    EXPECT_TRUE(run.record.processId && run.record.threadId) << row.name;
    EXPECT_EQ(run.record.zero1 | run.record.zero6 | run.record.zero7, 0u) << row.name;
  }
  for (const char *dummy : {"Dummy", "dummy", "DuMmY"}) EXPECT_EQ(GetFileAttributesA(dummy), INVALID_FILE_ATTRIBUTES);
}

// Every command of a chain is captured into the results file, byte for byte,
// without the echo of the command lines.
TEST_F(Chain, ResultsFileHoldsTheOutputOfEveryStep) {
  std::string results = TempFile("chain.txt");
  CallRunner({"Build", MainList("pipe", results, EmitPath(), {"oM\\r\\n"}),
              StepList('1', EmitPath(), {"oR", "oa?ob"}), StepList('2', EmitPath(), {"eF\\0!"})});
  EXPECT_EQ(FileBytes(results), std::string("M\r\nRaRbF\0!", 10));
  DeleteFileA(results.c_str());
}

// The host writes blanks as BEL and double quotes as TAB so that a list
// survives a command line; the runner turns them back, tests the executable
// without its quotes, runs it with them, and names it in the console title.
TEST_F(Chain, QuotedExecutablePathWithBlanks) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string folder = std::string(temp) + "orvex runner tool " + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), 0);
  std::string tool = folder + "\\emit.exe";
  ASSERT_TRUE(CopyFileA(EmitPath().c_str(), tool.c_str(), FALSE));
  RunOutcome run = CallRunner({"My\abuild", MainList("pipe", "DUMMY", Encoded(tool), {"t"})});
  EXPECT_TRUE(FollowsTable(run.notes, {N(30), N(1), Text("emit.exe\" t\r\n"), Text("TMy build (emit.exe)\n"),
                                       N(2), N(0)}));
  DeleteFileA(tool.c_str());
  RemoveDirectoryA(folder.c_str());
}

// File mode: no pipe and no reader; the tool's output goes to the file named
// behind the redirection mark, which is cut from its arguments.
TEST_F(Chain, FileModeRedirectsEachCommandToItsOwnFile) {
  std::string main = TempFile("main out.txt"), step = TempFile("step.txt");
  RunOutcome run = CallRunner({"Build", MainList("*_*", "DUMMY", EmitPath(), {"ohello", ">" + Encoded(main)}),
                               StepList('1', EmitPath(), {"oR", "oa?ob", ">" + step})});
  EXPECT_TRUE(FollowsTable(run.notes, {N(30), N(1), Text(Echo({"ohello", ""})), N(2), N(15),
                                       Text(Echo({"oR", "oa", ""})), N(19), Text(Echo({"oR", "ob", ""})), N(29),
                                       N(0)}));
  EXPECT_EQ(FileBytes(main), "hello");
  EXPECT_EQ(FileBytes(step), "RaRb"); // each value of a repeated step adds to the step's file
  DeleteFileA(main.c_str());
  DeleteFileA(step.c_str());
}

ULONGLONG ThreadCpuMilliseconds() {
  FILETIME created, exited, kernel, user;
  GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
  ULARGE_INTEGER k = {{kernel.dwLowDateTime, kernel.dwHighDateTime}}, u = {{user.dwLowDateTime, user.dwHighDateTime}};
  return (k.QuadPart + u.QuadPart) / 10000;
}

// While the tool is silent the host's thread sleeps in the wait instead of
// spinning through it (a busy thread would take a core from the compiler),
// and the host's messages flow; a quit request among them is kept for the
// host's own loop.
TEST_F(Chain, WaitSleepsLetsHostMessagesFlowAndKeepsQuit) {
  int timerTicks = 0;
  static int *ticks;
  ticks = &timerTicks;
  UINT_PTR timer = SetTimer(0, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) { ++*ticks; });
  RecorderOnNote([](const Note &note) {
    if (note.code == 9 && note.value == '#') PostQuitMessage(7);
  });
  ULONGLONG before = ThreadCpuMilliseconds();
  RunOutcome run = CallRunner({"T", MainList("pipe", "DUMMY", EmitPath(), {"o\\x23", "s1500", "ox"})});
  ULONGLONG used = ThreadCpuMilliseconds() - before;
  KillTimer(0, timer);
  EXPECT_GE(run.milliseconds, 1500u);
  EXPECT_LT(used, 300u) << "processor time of the waiting thread in ms";
  EXPECT_GE(timerTicks, 3);
  MSG message;
  ASSERT_TRUE(PeekMessageA(&message, 0, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 7u);
}

// A call made while a call runs (here from a notification handler) is refused
// with an empty record and no notification; the running call goes on.
TEST_F(Chain, SecondCallDuringACallIsRefused) {
  static RUNNERRESULT nested;
  static size_t notesBefore, notesAfter;
  nested.processId = 1;
  RecorderOnNote([](const Note &note) {
    if (note.code != 1) return;
    notesBefore = RecorderNotes().size();
    char program[] = "host.exe", title[] = "T";
    std::string list = MainList("pipe", "DUMMY", EmitPath(), {"oy"});
    char *argv[] = {program, title, &list[0], nullptr};
    nested = HostProc<MYEXECUTEBYMYMAIN>("myExecuteByMyMain")(3, argv);
    notesAfter = RecorderNotes().size();
  });
  RunOutcome run = CallRunner({"T", MainList("pipe", "DUMMY", EmitPath(), {"ox"})});
  EXPECT_EQ(nested.processId, 0u);
  EXPECT_EQ(notesBefore, notesAfter);
  EXPECT_TRUE(FollowsTable(run.notes, Ran({"ox"}, {Text("x")})));
}

} // namespace
