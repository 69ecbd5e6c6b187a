// Creates the host's main window once per test program, hands the library
// its message library and texts the way the host would reach them, and
// reads the stand-in's journal through its Kit... exports.
#include "host/host.h"
#include "host/main_window.h"

// Created on the first call, on the test thread, and kept to the end.
static HWND g_main = 0;
static HWND g_edit = 0;

static void CreateMainWindow() {
  HostLibrary();
  g_main = CreateWindowExA(0, "STATIC", "Test host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 400, 300, 0, 0,
                           GetModuleHandleA(0), 0);
  g_edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 200, 24, g_main, (HMENU)101,
                           GetModuleHandleA(0), 0);
  KitProc<void(__stdcall *)(HWND)>("KitSetMainWindow")(g_main);
}

HWND HostMainWindow() {
  if (!g_main) CreateMainWindow();
  return g_main;
}

HWND HostFocusEdit() {
  if (!g_main) CreateMainWindow();
  return g_edit;
}

void HostFocusAndCursorBeforeCall() {
  SetForegroundWindow(HostMainWindow());
  SetFocus(HostFocusEdit());
  SetCursor(LoadCursor(0, IDC_CROSS));
}

HINSTANCE HostMessageLibrary() {
  HostLibrary();
  return ProcOf<HINSTANCE(__stdcall *)()>(GetModuleHandleA("orvexmsg.dll"), "GethInstOrvexmsg")();
}

std::string HostMessageText(int id, int language) {
  char text[4096] = "";
  KitProc<int(__stdcall *)(HINSTANCE, int, int, LPSTR, int)>("KitLoadText")(HostMessageLibrary(), id, language, text,
                                                                           sizeof text);
  return text;
}

std::vector<std::string> JournalLines() {
  auto count = KitProc<int(__stdcall *)()>("KitJournalCount");
  auto line = KitProc<int(__stdcall *)(int, char *, int)>("KitJournalLine");
  std::vector<std::string> lines;
  for (int i = 0, n = count(); i < n; i++) {
    char text[2048];
    line(i, text, sizeof text);
    lines.push_back(text);
  }
  return lines;
}

void JournalClear() { KitProc<void(__stdcall *)()>("KitJournalClear")(); }

void SetUrlAnswer(int answer) { KitProc<void(__stdcall *)(int)>("KitSetUrlAnswer")(answer); }

std::string JournalLine(const std::vector<std::string> &fields) {
  std::string line;
  for (size_t i = 0; i < fields.size(); i++) line += (i ? "\t" : "") + fields[i];
  return line;
}

std::vector<std::string> JournalFields(const std::string &line) {
  std::vector<std::string> fields;
  size_t at = 0;
  for (size_t tab; (tab = line.find('\t', at)) != std::string::npos; at = tab + 1) fields.push_back(line.substr(at, tab - at));
  fields.push_back(line.substr(at));
  return fields;
}
