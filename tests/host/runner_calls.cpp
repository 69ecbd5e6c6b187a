// Calling the runner in-process as the host does (through GetProcAddress),
// the parameter lists of the runner's tests, the notification recorder window
// and the comparison of recorded sequences with expected tables.
#include "host/runner_calls.h"
#include <sstream>

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

// Recorder state: written by the thread that owns the window (in its window
// procedure and in Open/Close), read by the same thread after the call.
static HWND g_window = 0;
static UINT g_message = 0;
static std::vector<Note> g_notes;
static std::function<void(const Note &)> g_action;

static LRESULT CALLBACK RecorderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == g_message && g_message) {
    Note note = {(int)wParam, (long long)lParam};
    g_notes.push_back(note);
    if (g_action) g_action(note);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

HWND RecorderOpen(UINT message) {
  static ATOM atom = 0;
  if (!atom) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = RecorderProc;
    windowClass.hInstance = GetModuleHandleA(0);
    windowClass.lpszClassName = "OrvexTestRecorder";
    atom = RegisterClassA(&windowClass);
  }
  RecorderClose();
  g_message = message;
  g_window = CreateWindowA("OrvexTestRecorder", "recorder", WS_OVERLAPPED, 0, 0, 100, 100, 0, 0,
                           GetModuleHandleA(0), 0);
  return g_window;
}

void RecorderClose() {
  if (g_window) DestroyWindow(g_window);
  g_window = 0;
  g_notes.clear();
  g_action = nullptr;
}

HWND RecorderWindow() { return g_window; }
std::vector<Note> RecorderNotes() { return g_notes; }
void RecorderClear() { g_notes.clear(); }
void RecorderOnNote(std::function<void(const Note &)> action) { g_action = action; }

std::string BytesOf(const std::vector<Note> &notes) {
  std::string bytes;
  for (const Note &note : notes)
    if (note.code == 9) bytes += (char)note.value;
  return bytes;
}

int CountOf(const std::vector<Note> &notes, int code) {
  int count = 0;
  for (const Note &note : notes) count += note.code == code;
  return count;
}

static std::string Describe(const Note &note) {
  std::ostringstream out;
  out << "(" << note.code << ", " << note.value;
  if (note.code == 9 && note.value >= 32 && note.value < 127) out << " '" << (char)note.value << "'";
  out << ")";
  return out.str();
}

static std::string Around(const std::vector<Note> &got, size_t index) {
  std::ostringstream out;
  size_t from = index > 6 ? index - 6 : 0;
  for (size_t i = from; i < got.size() && i < index + 6; i++)
    out << (i == index ? " >" : " ") << Describe(got[i]);
  return out.str();
}

// Tables become single rows: a text one code-9 row per byte.
static std::vector<Expected> Flatten(const std::vector<Expected> &want) {
  std::vector<Expected> rows;
  for (const Expected &row : want) {
    if (row.kind != TEXT) rows.push_back(row);
    else for (unsigned char byte : row.text) rows.push_back(N(9, byte));
  }
  return rows;
}

::testing::AssertionResult FollowsTable(const std::vector<Note> &got, const std::vector<Expected> &want) {
  std::vector<Expected> rows = Flatten(want);
  size_t at = 0;
  for (size_t row = 0; row < rows.size(); row++) {
    const Expected &expect = rows[row];
    if (expect.kind == ANY_NUMBER) {
      while (at < got.size() && got[at].code == expect.code) at++;
      continue;
    }
    if (at == got.size())
      return ::testing::AssertionFailure() << "ended after " << at << " notes; expected row " << row << ": "
                                           << Describe({expect.code, expect.value});
    bool same = got[at].code == expect.code && (expect.kind == ANY_VALUE || got[at].value == expect.value);
    if (!same)
      return ::testing::AssertionFailure() << "note #" << at << " is " << Describe(got[at]) << ", expected "
                                           << (expect.kind == ANY_VALUE ? "(" + std::to_string(expect.code) + ", any)"
                                                                         : Describe({expect.code, expect.value}))
                                           << "; around it:" << Around(got, at);
    at++;
  }
  if (at != got.size())
    return ::testing::AssertionFailure() << "extra note #" << at << " " << Describe(got[at]) << ":" << Around(got, at);
  return ::testing::AssertionSuccess();
}
