// Chains that run: real tools started by the runner, their output streamed
// byte by byte to the recorder window, the keyword detector, the results
// file, file mode, quoted paths, the wait loop and the record returned.
#include <gtest/gtest.h>
#include <algorithm>
#include "host/runner_calls.h"

namespace {

typedef RunnerTest Chain;

TEST_F(Chain, ChainsRunInOrderWithTheirCodes) {
  std::string emit = EmitPath();
  auto chain = [&emit](std::vector<std::string> steps) {
    steps.insert(steps.begin(), {"Build", Pipe({"oM"})});
    return steps;
  };
  std::vector<Expected> m = {Text("M")};
  std::vector<RunCase> rows = {
      // "Dummy" in any case means no results file (checked below).
      {"DuMmY", {"B", MainList("pipe", "DuMmY", emit, {"ox"})}, Ran({"ox"}, {Text("x")})},
      // A trail byte equal to the separator (0x7C in "\x83\x7c") splits no field.
      {"separator inside a character", {"B", MainList("pipe", "DUMMY", emit, {"o\x83|!"}, '|')},
       Ran({"o\x83|!"}, {Text("\x83|!")})},
      {"repeated step with one value", chain({StepList('1', emit, {"oR", "oa"})}),
       Ran({"oM"}, m, {N(15), Text(Echo({"oR", "oa"})), Text("Ra"), N(16)})},
      {"repeated step without a third field", chain({StepList('1', emit, {"oR"})}),
       Ran({"oM"}, m, {N(15), Text(Echo({"oR"})), Text("R"), N(16)})},
      {"repeated step, then a final step", chain({StepList('1', emit, {"oR", "oa?ob"}), StepList('2', emit, {"oF"})}),
       Ran({"oM"}, m, {N(15), Text(Echo({"oR", "oa"})), Text("Ra"), N(19), Text(Echo({"oR", "ob"})), Text("Rb"),
                       N(29), N(3), Text(Echo({"oF"})), Text("F"), N(4)})},
      {"two final steps", chain({StepList('2', emit, {"oF"}), StepList('2', emit, {"oG"})}),
       Ran({"oM"}, m, {N(3), Text(Echo({"oF"})), Text("F"), N(4), N(3), Text(Echo({"oG"})), Text("G"), N(4)})},
      {"a first step of no kind", chain({"3" + emit, StepList('2', emit, {"oG"})}),
       Ran({"oM"}, m, {N(3), Text(Echo({"oG"})), Text("G"), N(4)})},
      {"a second step runs only when final", chain({StepList('1', emit, {"oR"}), StepList('1', emit, {"oS"})}),
       Ran({"oM"}, m, {N(15), Text(Echo({"oR"})), Text("R"), N(16)})},
      // The detector's progress lives from one step to the next.
      {"keyword split across two steps", {"T", Pipe({"oErr"}), StepList('2', emit, {"oor:"})},
       Ran({"oErr"}, {Text("Err")}, {N(3), Text(Echo({"oor:"})), Text("or"), N(7, 100), Text(":"), N(4)})},
  };
  ExpectRuns(rows);
  EXPECT_EQ(GetFileAttributesA("DuMmY"), INVALID_FILE_ATTRIBUTES);
  RUNNERRESULT record = CallRunner(rows[0].entries).record;
  EXPECT_TRUE(record.process && !record.thread && record.processId && record.threadId);
  EXPECT_EQ(record.zero1 | record.zero6 | record.zero7, 0u);
  // The capture pipe and the empty input are made inheritable with the
  // default security: no access list that would let any local account open them.
  EXPECT_EQ(KitProc<int(__stdcall *)(void)>("KitRedirectSecurity")(), 1 | 2) << "given and inheritable, nothing more";
}

// Each row: what the tool writes and what follows its echo. The echo itself
// holds the keyword too but never passes the detector.
TEST_F(Chain, KeywordDetector) {
  struct Row { std::string argument; std::vector<Expected> output; } rows[] = {
      {"oError\\smessages:\\s\\s\\s\\sNone\\n", {Text("Error messages:    None\n")}}, // the summary line
      {"oError\\sE2209", {Text("Error "), N(7, 100), Text("E2209")}},
      {"o[ERROR]", {Text("[ERRO"), N(7, 101), Text("R]")}},
      {"oerrors", {Text("erro"), N(7, 102), Text("rs")}},
      {"oFatal", {Text("Fata"), N(7, 103), Text("l")}},
      {"efatal", {Text("fata"), N(7, 104), Text("l")}},
      {"o\\x83\\x47\\x83\\x89\\x81\\x5b!", {Text("\x83\x47\x83\x89\x81"), N(7, 105), Text("\x5b!")}},
      {"o\\xb4\\xd7\\xb0", {Text("\xb4\xd7"), N(7, 106), Text("\xb0")}},
      {"oEError:", {Text("EError:")}},
      {"oError", {Text("Error")}}, // output ending right after the keyword
      {"oErr\\0or", {Text(std::string("Err\0or", 6))}}, // a zero byte resets a keyword
      // Leaving the summary's suffix starts it over for the next "Error";
      // while a code is pending no keyword starts.
      {"oError\\sx\\nError\\smessages:\\s\\s\\s\\sNone",
       {Text("Error "), N(7, 100), Text("x\nError messages:    None")}},
      {"oErrorFatal", {Text("Error"), N(7, 100), Text("Fatal")}},
  };
  for (const Row &row : rows) {
    RunOutcome run = CallRunner({"T", Pipe({row.argument})});
    EXPECT_TRUE(FollowsTable(run.notes, Ran({row.argument}, row.output))) << row.argument;
  }
}

// Every command of a chain is captured into the results file byte for byte,
// without the echoes; zero bytes swallow nothing and line ends stay as written.
TEST_F(Chain, ResultsFileAndNotesKeepEveryByte) {
  std::string results = TempFile("chain.txt"), main = "oA\\0B\\0\\0C\\r\\nD\\n\\r\\0";
  RunOutcome run = CallRunner({"B", MainList("pipe", results, EmitPath(), {main}),
                               StepList('2', EmitPath(), {"eF\\0!"})});
  EXPECT_TRUE(FollowsTable(run.notes, Ran({main}, {Text(std::string("A\0B\0\0C\r\nD\n\r\0", 12))},
                                          {N(3), Text(Echo({"eF\\0!"})), Text(std::string("F\0!", 3)), N(4)})));
  EXPECT_EQ(ReadFileText(results), std::string("A\0B\0\0C\r\nD\n\r\0F\0!", 15));
  DeleteFileA(results.c_str());
}

// 64 KiB written as fast as the tool can: every byte in order, in the host and
// in the results file (about 20 s under Wine: one synchronous message a byte).
TEST_F(Chain, SixtyFourKilobytesByteForByte) {
  std::string results = TempFile("64k.bin");
  RunOutcome run = CallRunner({"T", MainList("pipe", results, EmitPath(), {"n65536"})});
  std::string pattern(65536, 0);
  for (size_t i = 0; i < pattern.size(); i++) pattern[i] = (char)(i & 0xFF);
  EXPECT_TRUE(FollowsTable(run.notes, Ran({"n65536"}, {Text(pattern)})));
  EXPECT_TRUE(ReadFileText(results) == pattern);
  DeleteFileA(results.c_str());
}

// The tool ends at once, its grandchild holds the output for 700 ms: the step
// ends only when the grandchild has let go of the pipe.
TEST_F(Chain, GrandchildHoldingThePipeKeepsTheStepRunning) {
  RunOutcome run = CallRunner({"T", Pipe({"oA", "g700"}), StepList('2', EmitPath(), {"oF"})});
  EXPECT_NE(BytesOf(run.notes).find("AG"), std::string::npos);
  EXPECT_GE(run.milliseconds, 650u);
  auto end = std::find_if(run.notes.begin(), run.notes.end(), [](const Note &note) { return note.code == 2; });
  EXPECT_TRUE(FollowsTable({end, run.notes.end()}, {N(2), N(3), Text(Echo({"oF"})), Text("F"), N(4), N(0)}));
}

// The host writes blanks as BEL and quotes as TAB; the runner turns them back,
// tests the executable without its quotes, runs it with them and names it in
// the console title. The echo's quotes are balanced: kept round a name with a
// blank, else dropped.
TEST_F(Chain, QuotedExecutablePathWithBlanks) {
  std::string folder = ScratchFolder("tool folder");
  const struct { std::string name, echo; } rows[] = {{"emit.exe", "emit.exe t"}, {"my emit.exe", "\"my emit.exe\" t"}};
  for (const auto &row : rows) {
    std::string tool = folder + "\\" + row.name;
    ASSERT_TRUE(CopyFileA(EmitPath().c_str(), tool.c_str(), FALSE));
    RunOutcome run = CallRunner({"My\abuild", MainList("pipe", "DUMMY", Encoded(tool), {"t"})});
    EXPECT_TRUE(FollowsTable(run.notes, {N(30), N(1), Text(row.echo + "\r\nTMy build (" + row.name + ")\n"), N(2), N(0)}));
    DeleteFileA(tool.c_str());
  }
  RemoveDirectoryA(folder.c_str());
}

// File mode: no pipe and no reader; each command writes to the file named
// behind the redirection mark, which is cut from its arguments.
TEST_F(Chain, FileModeRedirectsEachCommandToItsOwnFile) {
  std::string main = TempFile("main out.txt"), step = TempFile("step.txt");
  RunOutcome run = CallRunner({"Build", MainList("*_*", "DUMMY", EmitPath(), {"ohello", ">" + Encoded(main)}),
                               StepList('1', EmitPath(), {"oR", "oa?ob", ">" + step})});
  EXPECT_TRUE(FollowsTable(run.notes, {N(30), N(1), Text(Echo({"ohello", ""})), N(2), N(15),
                                       Text(Echo({"oR", "oa", ""})), N(19), Text(Echo({"oR", "ob", ""})), N(29),
                                       N(0)}));
  EXPECT_EQ(ReadFileText(main), "hello");
  EXPECT_EQ(ReadFileText(step), "RaRb"); // each value of a repeated step adds to the step's file
  DeleteFileA(main.c_str());
  DeleteFileA(step.c_str());
}

ULONGLONG ThreadCpuMilliseconds() {
  FILETIME created, exited, kernel, user;
  GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
  ULARGE_INTEGER k = {{kernel.dwLowDateTime, kernel.dwHighDateTime}}, u = {{user.dwLowDateTime, user.dwHighDateTime}};
  return (k.QuadPart + u.QuadPart) / 10000;
}

// While the tool is silent the host's thread sleeps instead of spinning, the
// host's messages flow, and a quit request is kept for the host's own loop.
TEST_F(Chain, WaitSleepsLetsHostMessagesFlowAndKeepsQuit) {
  static int ticks = 0;
  UINT_PTR timer = SetTimer(0, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) { ++ticks; });
  RecorderOnNote([](const Note &note) {
    if (note.code == 9 && note.value == '#') PostQuitMessage(7);
  });
  ULONGLONG before = ThreadCpuMilliseconds();
  RunOutcome run = CallRunner({"T", Pipe({"o\\x23", "s1500", "ox"})});
  EXPECT_LT(ThreadCpuMilliseconds() - before, 300u) << "processor time of the waiting thread in ms";
  KillTimer(0, timer);
  EXPECT_GE(run.milliseconds, 1500u);
  EXPECT_GE(ticks, 3);
  MSG message;
  ASSERT_TRUE(PeekMessageA(&message, 0, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 7u);
}

// A call made while a call runs (here from a notification handler) is refused
// with an empty record and no notification; the running call goes on.
TEST_F(Chain, SecondCallDuringACallIsRefused) {
  static RUNNERRESULT nested = {};
  static size_t notesBefore, notesAfter;
  nested.processId = 1;
  RecorderOnNote([](const Note &note) {
    if (note.code != 1) return;
    notesBefore = RecorderNotes().size();
    std::string list = Pipe({"oy"});
    char program[] = "host.exe", title[] = "T", *argv[] = {program, title, &list[0], nullptr};
    nested = HostProc<MYEXECUTEBYMYMAIN>("myExecuteByMyMain")(3, argv); // not CallRunner: it clears the notes
    notesAfter = RecorderNotes().size();
  });
  RunOutcome run = CallRunner({"T", Pipe({"ox"})});
  EXPECT_EQ(nested.processId, 0u);
  EXPECT_EQ(notesBefore, notesAfter);
  EXPECT_TRUE(FollowsTable(run.notes, Ran({"ox"}, {Text("x")})));
}

// The runner called from a console program of ours that hands its own argc
// and argv on; the window that records lives in this process.
TEST_F(Chain, RunnerCalledFromAnotherProcess) {
  PROCESS_INFORMATION started = StartProgram("\"" + ToolPath("run_from_main") + "\" Build " + Pipe({"ohi"}) + " " +
                                             StepList('2', EmitPath(), {"oF"}));
  ASSERT_NE(started.hProcess, nullptr);
  while (MsgWaitForMultipleObjects(1, &started.hProcess, FALSE, 20000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
    MSG message;
    while (PeekMessageA(&message, 0, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  }
  CloseHandle(started.hProcess);
  CloseHandle(started.hThread);
  EXPECT_TRUE(FollowsTable(RecorderNotes(), Ran({"ohi"}, {Text("hi")}, {N(3), Text(Echo({"oF"})), Text("F"), N(4)})));
}

// A host may start its next command from its handler of the closing 0 (run
// after build): that call runs whole, then the first returns.
TEST_F(Chain, NextCallFromTheHandlerOfTheClosingNotification) {
  static RUNNERRESULT next = {};
  static int started = 0;
  started = 0;
  RecorderOnNote([](const Note &note) {
    if (note.code != 0 || started++) return;
    std::string list = Pipe({"oy"});
    char program[] = "host.exe", title[] = "T", *argv[] = {program, title, &list[0], nullptr};
    next = HostProc<MYEXECUTEBYMYMAIN>("myExecuteByMyMain")(3, argv);
  });
  RunOutcome run = CallRunner({"T", Pipe({"ox"})});
  std::vector<Expected> both = Ran({"ox"}, {Text("x")}), second = Ran({"oy"}, {Text("y")});
  both.insert(both.end(), second.begin(), second.end());
  EXPECT_TRUE(FollowsTable(run.notes, both));
  EXPECT_NE(next.processId, 0u);
}

} // namespace
