// The output reader with real tools: every byte forwarded in order, zero
// bytes and line ends kept, the results file byte for byte, the keyword
// detector's announcements, and a grandchild that keeps the pipe open.
#include <gtest/gtest.h>
#include <algorithm>
#include "host/host.h"
#include "host/runner_calls.h"

namespace {

class Reader : public ::testing::Test {
protected:
  void SetUp() override { RecorderOpen(RUNNER_MESSAGE); }
  void TearDown() override { RecorderClose(); }
};

// The tool writes `argument` (emit's escapes); `output` is what follows the
// echo: bytes and keyword notes. The echo of the command line itself never
// passes the detector, although it holds the keyword too.
struct DetectorCase {
  const char *name;
  std::string argument;
  std::vector<Expected> output;
};

std::vector<DetectorCase> DetectorCases() {
  return {
      {"summary line is no error", "oError\\smessages:\\s\\s\\s\\sNone\\n", {Text("Error messages:    None\n")}},
      {"Error, blank, code", "oError\\sE2209", {Text("Error "), N(7, 100), Text("E2209")}},
      {"Error and a colon", "oError:", {Text("Error"), N(7, 100), Text(":")}},
      {"Fatal", "oFatal", {Text("Fata"), N(7, 103), Text("l")}},
      {"errors inside a word", "oerrors", {Text("erro"), N(7, 102), Text("rs")}},
      {"ERROR", "o[ERROR]", {Text("[ERRO"), N(7, 101), Text("R]")}},
      {"fatal", "ofatal", {Text("fata"), N(7, 104), Text("l")}},
      {"doubled E hides the keyword", "oEError:", {Text("EError:")}},
      {"output ending right after Error", "oError", {Text("Error")}},
      {"Error then Fatal yields only 100", "oErrorFatal", {Text("Error"), N(7, 100), Text("Fatal")}},
      {"suffix left half way", "oError\\smessages:\\sX", {Text("Error messages: "), N(7, 100), Text("X")}},
      {"Japanese keyword", "o\\x83\\x47\\x83\\x89\\x81\\x5b!",
       {Text("\x83\x47\x83\x89\x81"), N(7, 105), Text("\x5b!")}},
      {"half-width katakana keyword", "o\\xb4\\xd7\\xb0", {Text("\xb4\xd7"), N(7, 106), Text("\xb0")}},
      {"keyword on standard error", "efatal", {Text("fata"), N(7, 104), Text("l")}},
      {"a zero byte resets a keyword", "oErr\\0or", {Text(std::string("Err\0or", 6))}},
  };
}

TEST_F(Reader, KeywordDetectorThroughARealTool) {
  for (const DetectorCase &row : DetectorCases()) {
    RunOutcome run = CallRunner({"T", MainList("pipe", "DUMMY", EmitPath(), {row.argument})});
    EXPECT_TRUE(FollowsTable(run.notes, Ran({row.argument}, row.output))) << row.name;
  }
}

// The detector's progress lives from one step of a chain to the next.
TEST_F(Reader, KeywordSplitAcrossTwoStepsIsFound) {
  RunOutcome run = CallRunner({"T", MainList("pipe", "DUMMY", EmitPath(), {"oErr"}),
                               StepList('2', EmitPath(), {"oor:"})});
  EXPECT_TRUE(FollowsTable(run.notes, Ran({"oErr"}, {Text("Err")}, {N(3), Text(Echo({"oor:"})), Text("or"), N(7, 100),
                                                                     Text(":"), N(4)})));
}

// A zero byte is a byte like any other: it does not swallow the one after it,
// and the results file holds exactly what the tool wrote, line ends unchanged.
TEST_F(Reader, ZeroBytesAndLineEndsArriveUnchanged) {
  std::string results = TempFile("zeros.txt");
  std::string bytes("A\0B\0\0C\r\nD\n\r\0", 12);
  RunOutcome run = CallRunner({"T", MainList("pipe", results, EmitPath(), {"oA\\0B\\0\\0C\\r\\nD\\n\\r\\0"})});
  EXPECT_TRUE(FollowsTable(run.notes, Ran({"oA\\0B\\0\\0C\\r\\nD\\n\\r\\0"}, {Text(bytes)})));
  EXPECT_EQ(FileBytes(results), bytes);
  DeleteFileA(results.c_str());
}

// 64 KiB written as fast as the tool can: every byte in order, in the host and
// in the results file (about 20 s under Wine: one synchronous message a byte).
TEST_F(Reader, SixtyFourKilobytesByteForByte) {
  std::string results = TempFile("64k.bin");
  RunOutcome run = CallRunner({"T", MainList("pipe", results, EmitPath(), {"n65536"})});
  std::string pattern(65536, 0);
  for (size_t i = 0; i < pattern.size(); i++) pattern[i] = (char)(i & 0xFF);
  EXPECT_TRUE(FollowsTable(run.notes, Ran({"n65536"}, {Text(pattern)})));
  EXPECT_TRUE(FileBytes(results) == pattern);
  DeleteFileA(results.c_str());
}

// The tool ends at once, its grandchild holds the output for 700 ms: the step
// ends only when the grandchild has let go of the pipe.
TEST_F(Reader, GrandchildHoldingThePipeKeepsTheStepRunning) {
  RunOutcome run = CallRunner({"T", MainList("pipe", "DUMMY", EmitPath(), {"oA", "g700"}),
                               StepList('2', EmitPath(), {"oF"})});
  std::string bytes = BytesOf(run.notes);
  EXPECT_NE(bytes.find("A"), std::string::npos);
  EXPECT_NE(bytes.find("AG"), std::string::npos);
  EXPECT_GE(run.milliseconds, 650u);
  auto end = std::find_if(run.notes.begin(), run.notes.end(), [](const Note &note) { return note.code == 2; });
  EXPECT_TRUE(FollowsTable(std::vector<Note>(end, run.notes.end()),
                           {N(2), N(3), Text(Echo({"oF"})), Text("F"), N(4), N(0)}));
}

// The runner called from a console program of ours that hands its own argc
// and argv on; the window that records lives in this process.
TEST_F(Reader, RunnerCalledFromAnotherProcess) {
  std::string line = "\"" + ToolPath("run_from_main") + "\" Build " +
                     MainList("pipe", "DUMMY", EmitPath(), {"ohi", "e\\x83\\x47\\x83\\x89\\x81\\x5b"}) + " " +
                     StepList('2', EmitPath(), {"oF"});
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started;
  ASSERT_TRUE(CreateProcessA(0, &line[0], 0, 0, FALSE, CREATE_NO_WINDOW, 0, 0, &startup, &started));
  while (MsgWaitForMultipleObjects(1, &started.hProcess, FALSE, 20000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
    MSG message;
    while (PeekMessageA(&message, 0, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  }
  DWORD exitCode = 99;
  GetExitCodeProcess(started.hProcess, &exitCode);
  CloseHandle(started.hProcess);
  CloseHandle(started.hThread);
  EXPECT_EQ(exitCode, 0u);
  EXPECT_TRUE(FollowsTable(RecorderNotes(),
                           {N(30), N(1), Text(Echo({"ohi", "e\\x83\\x47\\x83\\x89\\x81\\x5b"})), Text("hi"),
                            Text("\x83\x47\x83\x89\x81"), N(7, 105), Text("\x5b"), N(2), N(3), Text(Echo({"oF"})),
                            Text("F"), N(4), N(0)}));
}

} // namespace
