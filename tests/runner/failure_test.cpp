// Parameter lists the runner refuses or cannot carry out: each row of the
// failure table, over-long input, and hostile vectors. Each gives the
// documented notifications, starts nothing it should not, and never crashes.
#include <gtest/gtest.h>
#include "host/host.h"
#include "host/product_copy.h"
#include "host/runner_calls.h"

namespace {

class Failure : public ::testing::Test {
protected:
  void SetUp() override { RecorderOpen(RUNNER_MESSAGE); }
  void TearDown() override { RecorderClose(); }
};

bool RecordIsZero(const RUNNERRESULT &record) {
  return !record.zero1 && !record.process && !record.thread && !record.processId && !record.threadId &&
         !record.zero6 && !record.zero7;
}

std::string Repeat(char c, size_t count) { return std::string(count, c); }

struct FailureCase {
  const char *name;
  std::vector<std::string> entries;
  std::vector<Expected> want;
};

// Nothing is started in any of these: the record stays all zero.
std::vector<FailureCase> RefusedCases() {
  std::string emit = EmitPath();
  std::string window = std::to_string((ULONG_PTR)RecorderWindow());
  std::string message = std::to_string(RUNNER_MESSAGE);
  std::string missingFolder = TempFile("no such folder") + "\\results.txt";
  std::vector<std::string> manyArguments(20, "ox");
  return {
      {"five fields", {"T", "," + window + "," + message + ",0,pipe,DUMMY"}, {N(11), N(0)}},
      {"an empty field ends the list", {"T", "," + window + "," + message + ",,pipe,DUMMY," + emit}, {N(11), N(0)}},
      {"executable does not exist", {"T", MainList("pipe", "DUMMY", emit + ".missing", {})}, {N(10), N(11), N(0)}},
      {"executable in quotes does not exist",
       {"T", MainList("pipe", "DUMMY", "\t" + emit + ".missing\t", {})}, {N(10), N(11), N(0)}},
      {"no executable", {"T", MainList("pipe", "DUMMY", "DUMMY", {"ox"})}, {N(37), N(11), N(0)}},
      {"no executable in file mode", {"T", MainList("*_*", "DUMMY", "dummy", {})}, {N(37), N(0)}},
      {"empty executable field", {"T", MainList("pipe", "DUMMY", "", {})}, {N(37), N(11), N(0)}},
      {"results file in a missing folder", {"T", MainList("pipe", missingFolder, emit, {})}, {N(13), N(11), N(0)}},
      {"results file in a missing folder, file mode", {"T", MainList("*_*", missingFolder, emit, {})},
       {N(13), N(0)}},
      // Bounds: refused whole, never cut into a different command.
      {"title of 256 bytes", {Repeat('t', 256), MainList("pipe", "DUMMY", emit, {})}, {N(11), N(0)}},
      {"results path of 256 bytes", {"T", MainList("pipe", "C:\\" + Repeat('r', 253), emit, {})}, {N(11), N(0)}},
      {"command line of 256 bytes",
       {"T", MainList("pipe", "DUMMY", emit, {"o" + Repeat('x', 256 - emit.size() - 2)})}, {N(11), N(0)}},
      {"more than 19 entries in the working list", {"T", MainList("pipe", "DUMMY", emit, manyArguments)},
       {N(11), N(0)}},
      {"a step over 19 entries", {"T", MainList("pipe", "DUMMY", emit, {}), StepList('2', emit, manyArguments)},
       {N(11), N(0)}},
      {"a repeated value making the command line too long",
       {"T", MainList("pipe", "DUMMY", emit, {}), StepList('1', emit, {"ox", "oa?o" + Repeat('b', 250)})},
       {N(11), N(0)}},
  };
}

TEST_F(Failure, RefusedListsStartNothing) {
  for (const FailureCase &row : RefusedCases()) {
    SCOPED_TRACE(row.name);
    RunOutcome run = CallRunner(row.entries);
    EXPECT_TRUE(FollowsTable(run.notes, row.want));
    EXPECT_TRUE(RecordIsZero(run.record));
  }
}

// The longest accepted inputs still run: 255 bytes are the limit, not 254.
TEST_F(Failure, InputsAtTheBoundsAreAccepted) {
  std::string emit = EmitPath();
  std::string argument = "o" + Repeat('x', 255 - emit.size() - 1 - 1);
  RunOutcome run = CallRunner({Repeat('t', 255 - 11), MainList("pipe", "DUMMY", emit, {argument})});
  EXPECT_TRUE(FollowsTable(run.notes, Ran({argument}, {Text(argument.substr(1))})));
  std::vector<std::string> eighteen(18, "o.");
  run = CallRunner({"T", MainList("pipe", "DUMMY", emit, eighteen)});
  EXPECT_TRUE(FollowsTable(run.notes, Ran(eighteen, {Text(Repeat('.', 18))})));
}

// Without a main list the notifications go to the window of the previous call.
TEST_F(Failure, NoMainListReportsToThePreviousWindow) {
  CallRunner({"T", MainList("pipe", "DUMMY", EmitPath(), {})});
  for (std::vector<std::string> entries : {std::vector<std::string>{"T"}, std::vector<std::string>{}}) {
    RunOutcome run = CallRunner(entries);
    EXPECT_TRUE(FollowsTable(run.notes, {N(11), N(0)})) << entries.size();
    EXPECT_TRUE(RecordIsZero(run.record));
  }
}

TEST_F(Failure, ToolThatCannotStartEndsTheChainWithTheSystemError) {
  std::string missing = EmitPath() + ".missing";
  RunOutcome run = CallRunner({"T", MainList("pipe", "DUMMY", EmitPath(), {"oM"}), StepList('1', missing, {"ox"}),
                               StepList('2', EmitPath(), {"oF"})});
  EXPECT_TRUE(FollowsTable(run.notes, {N(30), N(1), Text(Echo({"oM"})), Text("M"), N(2), N(15),
                                       Text(Echo({"ox"}, "emit.exe.missing")), N(12, ERROR_FILE_NOT_FOUND), N(0)}));
  EXPECT_NE(run.record.processId, 0u); // the main command's
}

// The reader started for a command that could not start ends on its own once
// the call has closed the pipe, and lets go of the results file before the
// call returns; the next call runs clean.
TEST_F(Failure, ReaderOfAFailedStartIsDoneWhenTheCallReturns) {
  std::string results = TempFile("failed start.txt");
  CallRunner({"T", MainList("pipe", results, EmitPath(), {"oM"}), StepList('2', EmitPath() + ".missing", {})});
  HANDLE alone = CreateFileA(results.c_str(), GENERIC_READ, 0, 0, OPEN_EXISTING, 0, 0);
  EXPECT_NE(alone, INVALID_HANDLE_VALUE) << "results file still open";
  CloseHandle(alone);
  EXPECT_EQ(FileBytes(results), "M");
  DeleteFileA(results.c_str());
  RunOutcome next = CallRunner({"T", MainList("pipe", "DUMMY", EmitPath(), {"s100", "oN"})});
  EXPECT_TRUE(FollowsTable(next.notes, Ran({"s100", "oN"}, {Text("N")})));
}

// Hostile vectors: null argv, too few or too many entries, a count that
// overstates the entries, texts ending right before an unreadable page.
TEST_F(Failure, HostileVectorsNeverCrash) {
  CallRunner({"T", MainList("pipe", "DUMMY", EmitPath(), {})}); // the window for the ones without fields
  EXPECT_TRUE(FollowsTable(CallRunnerRaw(3, nullptr).notes, {N(11), N(0)}));
  EXPECT_TRUE(FollowsTable(CallRunnerRaw(-1, nullptr).notes, {N(11), N(0)}));
  char *none[] = {nullptr};
  EXPECT_TRUE(FollowsTable(CallRunnerRaw(0, none).notes, {N(11), N(0)}));

  char *program = GuardedText("host.exe"), *title = GuardedText("T");
  char *list = GuardedText(MainList("pipe", "DUMMY", EmitPath(), {"ok"}).c_str());
  char *overstated[] = {program, title, list, nullptr};
  RunOutcome run = CallRunnerRaw(40, overstated);
  EXPECT_TRUE(FollowsTable(run.notes, Ran({"ok"}, {Text("k")})));

  std::vector<char *> crowded = {program, title, list};
  while (crowded.size() < 20) crowded.push_back(list);
  crowded.push_back(nullptr);
  run = CallRunnerRaw(20, crowded.data());
  EXPECT_TRUE(FollowsTable(run.notes, {N(11), N(0)})) << "20 entries do not fit the vector";
  EXPECT_TRUE(RecordIsZero(run.record));
  crowded[19] = nullptr;
  run = CallRunnerRaw(19, crowded.data());
  EXPECT_EQ(CountOf(run.notes, 2), 1) << "19 entries fit";

  char *lone = GuardedText(",");
  char *lonely[] = {program, title, lone, nullptr};
  EXPECT_TRUE(FollowsTable(CallRunnerRaw(3, lonely).notes, {N(11), N(0)}));
  for (char *text : {program, title, list, lone}) FreeGuarded(text);
}

// The runner works on copies: the host's texts may sit in read-only memory
// and are never changed (blanks and quotes stay encoded, no field cut).
TEST_F(Failure, HostTextsAreOnlyRead) {
  std::string listText = MainList("pipe", "DUMMY", "\t" + EmitPath() + "\t", {"oa\ab"});
  std::string stepText = StepList('1', EmitPath(), {"oR", "o1?o2"});
  char *program = GuardedText("host.exe"), *title = GuardedText("My\atitle");
  char *list = GuardedText(listText.c_str()), *step = GuardedText(stepText.c_str());
  DWORD old;
  for (char *text : {program, title, list, step}) VirtualProtect(text, strlen(text) + 1, PAGE_READONLY, &old);
  char *argv[] = {program, title, list, step, nullptr};
  RunOutcome run = CallRunnerRaw(4, argv);
  EXPECT_EQ(CountOf(run.notes, 29), 1);
  EXPECT_NE(BytesOf(run.notes).find("emit.exe\" oa b\r\na"), std::string::npos);
  EXPECT_EQ(std::string(list), listText);
  EXPECT_EQ(std::string(step), stepText);
  EXPECT_STREQ(title, "My\atitle");
  for (char *text : {program, title, list, step}) FreeGuarded(text);
}

// Notifications to a number that is no window go nowhere; the chain still runs.
TEST_F(Failure, WindowThatIsNoWindow) {
  std::string list = ",12345," + std::to_string(RUNNER_MESSAGE) + ",0,pipe,DUMMY," + EmitPath() + ",ox";
  RunOutcome run = CallRunner({"T", list});
  EXPECT_TRUE(run.notes.empty());
  EXPECT_NE(run.record.processId, 0u);
}

// The usage message goes to standard output, in the language of field 3
// (Japanese while field 3 has not been read).
TEST_F(Failure, UsageMessageInBothLanguages) {
  struct Row {
    const char *arguments;
    std::string text;
  } rows[] = {
      {"T", "\x92\x50\x93\xc6\x97\x98\x97\x70\x82\xcd\x82\xc5\x82\xab\x82\xdc\x82\xb9\x82\xf1\x81\x42\n"},
      {"T ,0,0,3,pipe", "\x92\x50\x93\xc6\x97\x98\x97\x70\x82\xcd\x82\xc5\x82\xab\x82\xdc\x82\xb9\x82\xf1\x81\x42\n"},
      {"T ,0,0,2,pipe", "cannot be used outside an application.\n"},
  };
  for (const Row &row : rows) {
    std::string output;
    RunAndCollect("\"" + ToolPath("run_from_main") + "\" " + row.arguments, "ORVEX_USAGE", &output, 10000);
    EXPECT_EQ(output.substr(0, row.text.size()), row.text) << row.arguments;
    EXPECT_NE(output.find("pid=0"), std::string::npos) << "nothing started";
  }
}

} // namespace
