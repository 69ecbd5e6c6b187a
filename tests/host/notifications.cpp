// The notification recorder window and the comparison of recorded sequences
// with expected tables.
#include "host/notifications.h"
#include <sstream>

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
    if (row.kind != TEXT) {
      rows.push_back(row);
      continue;
    }
    for (unsigned char byte : row.text) rows.push_back(N(9, byte));
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
