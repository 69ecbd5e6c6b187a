// Calling the runner in-process as the host does (through GetProcAddress),
// and the parameter lists of the runner's tests.
#include "host/runner_calls.h"
#include "host/host.h"

RunOutcome CallRunnerRaw(int argc, char **argv) {
  auto execute = HostProc<MYEXECUTEBYMYMAIN>("myExecuteByMyMain");
  RecorderClear();
  RunOutcome outcome = {};
  DWORD start = GetTickCount();
  outcome.record = execute(argc, argv);
  outcome.milliseconds = GetTickCount() - start;
  outcome.notes = RecorderNotes();
  return outcome;
}

RunOutcome CallRunner(const std::vector<std::string> &entries) {
  std::vector<std::string> texts = entries;
  texts.insert(texts.begin(), "host.exe");
  std::vector<char *> argv;
  for (std::string &text : texts) argv.push_back(&text[0]);
  argv.push_back(nullptr);
  return CallRunnerRaw((int)texts.size(), argv.data());
}

static std::string Join(const std::vector<std::string> &fields, char separator) {
  std::string text;
  for (const std::string &field : fields) text += separator + field;
  return text;
}

std::string MainList(const std::string &mode, const std::string &results, const std::string &executable,
                     const std::vector<std::string> &arguments, char separator) {
  std::vector<std::string> fields = {std::to_string((ULONG_PTR)RecorderWindow()),
                                     std::to_string(RUNNER_MESSAGE), "0", mode, results, executable};
  fields.insert(fields.end(), arguments.begin(), arguments.end());
  return Join(fields, separator);
}

std::string Pipe(const std::vector<std::string> &arguments) {
  return MainList("pipe", "DUMMY", EmitPath(), arguments);
}

std::string StepList(char kind, const std::string &executable, const std::vector<std::string> &arguments,
                     char separator) {
  return std::string(1, kind) + executable + Join(arguments, separator);
}

std::string Echo(const std::vector<std::string> &arguments, const char *tool) {
  std::string text = tool;
  for (const std::string &argument : arguments) text += " " + argument;
  return text + "\r\n";
}

std::vector<Expected> Ran(const std::vector<std::string> &arguments, const std::vector<Expected> &output,
                          const std::vector<Expected> &after) {
  std::vector<Expected> want = {N(30), N(1), Text(Echo(arguments))};
  want.insert(want.end(), output.begin(), output.end());
  want.push_back(N(2));
  want.insert(want.end(), after.begin(), after.end());
  want.push_back(N(0));
  return want;
}

std::string Encoded(const std::string &path) {
  std::string encoded = "\t" + path + "\t";
  for (char &c : encoded)
    if (c == ' ') c = '\a';
  return encoded;
}

std::string EmitPath() { return ToolPath("emit"); }

std::string TempFile(const char *name) {
  std::string path = TempFolder() + "\\orvex_runner_" + std::to_string(GetCurrentProcessId()) + "_" + name;
  DeleteFileA(path.c_str());
  return path;
}

PROCESS_INFORMATION StartProgram(std::string line) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started = {};
  CreateProcessA(0, &line[0], 0, 0, FALSE, CREATE_NO_WINDOW, 0, 0, &startup, &started);
  return started;
}

bool ProcessRunning(DWORD processId) {
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, processId);
  if (!process) return false;
  bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
  CloseHandle(process);
  return running;
}

void ExpectRuns(const std::vector<RunCase> &rows) {
  for (const RunCase &row : rows) EXPECT_TRUE(FollowsTable(CallRunner(row.entries).notes, row.want)) << row.name;
}
