// Parameter lists the runner refuses or cannot carry out, over-long input and
// hostile vectors: each gives the documented notifications, starts nothing it
// should not, and never crashes.
#include <gtest/gtest.h>
#include "host/runner_calls.h"

namespace {

typedef RunnerTest Failure;

bool RecordIsZero(const RUNNERRESULT &r) {
  return !r.zero1 && !r.process && !r.thread && !r.processId && !r.threadId && !r.zero6 && !r.zero7;
}

// Nothing is started in any of these: the record stays all zero.
TEST_F(Failure, RefusedListsStartNothing) {
  std::string emit = EmitPath(), fields = "," + std::to_string((ULONG_PTR)RecorderWindow()) + "," +
                                          std::to_string(RUNNER_MESSAGE);
  std::string missingFolder = TempFile("no such folder") + "\\results.txt";
  std::vector<std::string> many(20, "ox");
  std::vector<RunCase> rows = {
      {"five fields", {"T", fields + ",0,pipe,DUMMY"}, {N(11), N(0)}},
      {"an empty field ends the list", {"T", fields + ",,pipe,DUMMY," + emit}, {N(11), N(0)}},
      {"executable does not exist", {"T", MainList("pipe", "DUMMY", "\t" + emit + ".missing\t", {})},
       {N(10), N(11), N(0)}},
      {"no executable", {"T", MainList("pipe", "DUMMY", "DUMMY", {"ox"})}, {N(37), N(11), N(0)}},
      {"results file in a missing folder", {"T", MainList("pipe", missingFolder, emit, {})}, {N(13), N(11), N(0)}},
      {"file mode sends no 11", {"T", MainList("*_*", missingFolder, emit, {})}, {N(13), N(0)}},
      // Bounds: refused whole, never cut into a different command.
      {"title of 256 bytes", {std::string(256, 't'), Pipe({})}, {N(11), N(0)}},
      {"results path of 256 bytes", {"T", MainList("pipe", "C:\\" + std::string(253, 'r'), emit, {})}, {N(11), N(0)}},
      {"command line of 256 bytes", {"T", Pipe({"o" + std::string(254 - emit.size(), 'x')})}, {N(11), N(0)}},
      {"over 19 entries", {"T", Pipe(many)}, {N(11), N(0)}},
      {"a repeated value too long", {"T", Pipe({}), StepList('1', emit, {"ox", "oa?o" + std::string(250, 'b')})},
       {N(11), N(0)}},
  };
  ExpectRuns(rows);
  for (const RunCase &row : rows) EXPECT_TRUE(RecordIsZero(CallRunner(row.entries).record)) << row.name;
}

// The longest accepted inputs still run: 255 bytes and 18 arguments.
TEST_F(Failure, InputsAtTheBoundsAreAccepted) {
  std::string emit = EmitPath(), argument = "o" + std::string(253 - emit.size(), 'x');
  std::vector<std::string> eighteen(18, "o.");
  ExpectRuns({{"255 bytes", {std::string(255 - 11, 't'), Pipe({argument})},
               Ran({argument}, {Text(argument.substr(1))})},
              {"18 arguments", {"T", Pipe(eighteen)}, Ran(eighteen, {Text(std::string(18, '.'))})}});
}

// A tool that cannot start ends the chain with the system's error; the
// reader started for it ends once the call has closed the pipe and lets go of
// the results file before the call returns.
TEST_F(Failure, ToolThatCannotStartEndsTheChain) {
  std::string results = TempFile("failed start.txt");
  RunOutcome run = CallRunner({"T", MainList("pipe", results, EmitPath(), {"oM"}),
                               StepList('1', EmitPath() + ".missing", {"ox"}), StepList('2', EmitPath(), {"oF"})});
  EXPECT_TRUE(FollowsTable(run.notes, {N(30), N(1), Text(Echo({"oM"})), Text("M"), N(2), N(15),
                                       Text(Echo({"ox"}, "emit.exe.missing")), N(12, ERROR_FILE_NOT_FOUND), N(0)}));
  EXPECT_NE(run.record.processId, 0u); // the main command's
  HANDLE alone = CreateFileA(results.c_str(), GENERIC_READ, 0, 0, OPEN_EXISTING, 0, 0);
  EXPECT_NE(alone, INVALID_HANDLE_VALUE) << "results file still open";
  CloseHandle(alone);
  EXPECT_EQ(ReadFileText(results), "M");
  DeleteFileA(results.c_str());
  RunOutcome next = CallRunner({"T", Pipe({"s100", "oN"})});
  EXPECT_TRUE(FollowsTable(next.notes, Ran({"s100", "oN"}, {Text("N")})));
}

// Hostile vectors: no main list (the notes go to the previous call's window),
// null argv, a count that overstates the entries, 20 entries, texts ending
// right before an unreadable page and never written to.
TEST_F(Failure, HostileVectorsNeverCrash) {
  CallRunner({"T", Pipe({})});
  EXPECT_TRUE(FollowsTable(CallRunner({"T"}).notes, {N(11), N(0)}));
  EXPECT_TRUE(FollowsTable(CallRunnerRaw(3, nullptr).notes, {N(11), N(0)}));

  std::string listText = MainList("pipe", "DUMMY", "\t" + EmitPath() + "\t", {"oa\ab"});
  std::string stepText = StepList('1', EmitPath(), {"oR", "o1?o2"});
  char *program = GuardedText("host.exe"), *title = GuardedText("My\atitle"), *lone = GuardedText(",");
  char *list = GuardedText(listText.c_str()), *step = GuardedText(stepText.c_str());
  DWORD old;
  for (char *text : {program, title, list, step}) VirtualProtect(text, strlen(text) + 1, PAGE_READONLY, &old);
  char *overstated[] = {program, title, list, step, nullptr};
  RunOutcome run = CallRunnerRaw(40, overstated);
  EXPECT_EQ(CountOf(run.notes, 29), 1);
  EXPECT_NE(BytesOf(run.notes).find("emit.exe oa b\r\na"), std::string::npos);
  EXPECT_EQ(std::string(list) + std::string(step) + title, listText + stepText + "My\atitle");

  std::vector<char *> crowded = {program, title};
  crowded.resize(20, list);
  crowded.push_back(nullptr);
  run = CallRunnerRaw(20, crowded.data());
  EXPECT_TRUE(FollowsTable(run.notes, {N(11), N(0)})) << "20 entries do not fit the vector";
  EXPECT_TRUE(RecordIsZero(run.record));
  crowded[19] = nullptr;
  EXPECT_EQ(CountOf(CallRunnerRaw(19, crowded.data()).notes, 2), 1) << "19 entries fit";
  char *lonely[] = {program, title, lone, nullptr};
  EXPECT_TRUE(FollowsTable(CallRunnerRaw(3, lonely).notes, {N(11), N(0)}));
  for (char *text : {program, title, list, step, lone}) FreeGuarded(text);
  // Notifications to a number that is no window go nowhere; the chain runs.
  run = CallRunner({"T", ",12345," + std::to_string(RUNNER_MESSAGE) + ",0,pipe,DUMMY," + EmitPath() + ",ox"});
  EXPECT_TRUE(run.notes.empty() && run.record.processId);
}

// The usage message goes to standard output in the language of field 3,
// Japanese while field 3 has not been read.
TEST_F(Failure, UsageMessageInBothLanguages) {
  std::pair<const char *, std::string> rows[] = {
      {"T", "\x92\x50\x93\xc6\x97\x98\x97\x70\x82\xcd\x82\xc5\x82\xab\x82\xdc\x82\xb9\x82\xf1\x81\x42\n"},
      {"T ,0,0,2,pipe", "cannot be used outside an application.\n"},
  };
  for (const auto &row : rows) {
    std::string output;
    RunAndCollect("\"" + ToolPath("run_from_main") + "\" " + row.first, "ORVEX_USAGE", &output, 10000);
    EXPECT_EQ(output.substr(0, row.second.size()), row.second) << row.first;
    EXPECT_NE(output.find("pid=0"), std::string::npos) << "nothing started";
  }
}

} // namespace
