// The demo host: plays the IDE for one build. It writes the "compiler output"
// of a few files (Shift-JIS, as the real tools write), runs a chain through
// myExecuteByMyMain with the test tool emit.exe as the compiler -- a main
// command, a step repeated over three values, a final step -- and prints the
// streamed bytes line by line as an output window shows them, converted to
// UTF-8 for the terminal, with the step and keyword notifications marked.
// The notifications and the results file keep the tool's bytes unchanged.
#include <windows.h>
#include <stdio.h>
#include <string>
#include <vector>
#include "demo/colour_table.h"
#include "demo/lists_demo.h"
#include "runner/runner.h"
#include "demo/demo_completion.h"

enum { DEMO_MESSAGE = WM_APP + 1 };

// What the tools print, written in UTF-8 here and stored as Shift-JIS.
static const struct {
  const char *file;
  const char *text;
} kScripts[] = {
    {"banner.txt", "Orvex demo compiler 1.0\nコンパイラを起動しました。\n"},
    {"main.txt", "main.c:\nWarning W8057 main.c 12: Parameter 'argc' is never used in function main\n"},
    {"util.txt", "util.c:\nError E2209 util.c 3: Unable to open include file 'missing.h'\n"
                 "エラー util.c 3: インクルードファイル 'missing.h' をオープンできません\n"},
    {"io.txt", "io.c:\nFatal F1003 io.c 20: stop directive\n"},
    {"link.txt", "Orvex Linker 1.0 (demo)\nError messages:    None\nWarning messages:  None\nﾘﾝｸ完了\n"},
};

static std::string Convert(const std::string &text, UINT from, UINT to) {
  int wide = MultiByteToWideChar(from, 0, text.data(), (int)text.size(), 0, 0);
  std::wstring buffer(wide, L'\0');
  MultiByteToWideChar(from, 0, text.data(), (int)text.size(), &buffer[0], wide);
  int narrow = WideCharToMultiByte(to, 0, buffer.data(), wide, 0, 0, 0, 0);
  std::string result(narrow, '\0');
  WideCharToMultiByte(to, 0, buffer.data(), wide, &result[0], narrow, 0, 0);
  return result;
}

static void Print(const std::string &utf8) {
  DWORD written;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), utf8.data(), (DWORD)utf8.size(), &written, 0);
}

// The output window's current line (Shift-JIS bytes as received) and the
// keyword codes announced in it. Used by the window procedure only.
static std::string g_line;
static std::vector<long> g_keywords;

static const char *KeywordName(long code) {
  static const char *names[] = {"Error", "ERROR", "error", "Fatal", "fatal", "エラー", "ｴﾗｰ"};
  return code >= 100 && code <= 106 ? names[code - 100] : "?";
}

static void FlushLine() {
  std::string line = g_line;
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
  std::string shown = "    " + Convert(line, 932, CP_UTF8);
  for (long code : g_keywords) shown += "    <-- [7] keyword " + std::to_string(code) + " " + KeywordName(code);
  Print(shown + "\n");
  g_line.clear();
  g_keywords.clear();
}

static const char *Meaning(int code) {
  switch (code) {
  case 30: return "parameters accepted, the run begins";
  case 1: return "main command starts";
  case 2: return "main command ended";
  case 15: return "repeated step starts, first value";
  case 19: return "repeated step, next value";
  case 16: return "repeated step ended";
  case 29: return "repeated step ended after all its values";
  case 3: return "final step starts";
  case 4: return "final step ended";
  case 0: return "the call is over";
  case 11: return "pipe mode ended before the reader started";
  case 12: return "the tool cannot be started";
  case 21: return "reader ended after a stop";
  case 23: return "reader noticed a stop";
  case 25: return "stop requested";
  case 26: return "tool terminated";
  default: return "";
  }
}

static LRESULT CALLBACK OutputWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != DEMO_MESSAGE) return DefWindowProcA(window, message, wParam, lParam);
  int code = (int)wParam;
  if (code == 9) {
    g_line += (char)lParam;
    if (lParam == '\n') FlushLine();
  } else if (code == 7) {
    g_keywords.push_back((long)lParam);
  } else if (code != 25) {
    if (!g_line.empty()) FlushLine();
    char marker[120];
    snprintf(marker, sizeof marker, "[%2d] %s (value %ld)\n", code, Meaning(code), (long)lParam);
    Print(marker);
  }
  return 0;
}

typedef void(__stdcall *SETORVEXDIRECTORY)(void);
typedef int(__stdcall *ONHELPATCOMMAND)(HWND, UINT, WPARAM, LPARAM);
typedef int(__stdcall *GETHELPIDFORFUNCTIONS)(LPCSTR);
typedef int(__stdcall *CALLCHELPATFUNCTION)(HWND, int);
typedef int(__stdcall *KITJOURNALCOUNT)(void);
typedef int(__stdcall *KITJOURNALLINE)(int, LPSTR, int);

// The help menu and the runtime-library lookup, as the host uses them: the
// product folder is the demo's own, and the Kitlib stand-in journals each
// help request instead of opening a viewer.
static void ShowHelpRequests(HMODULE library, HWND window) {
  HMODULE kitlib = GetModuleHandleA("kitlib.dll");
  auto setFolder = (SETORVEXDIRECTORY)(void *)GetProcAddress(library, "SetOrvexDirectory");
  auto onHelp = (ONHELPATCOMMAND)(void *)GetProcAddress(library, "OnHelpAtCommand");
  auto topicOf = (GETHELPIDFORFUNCTIONS)(void *)GetProcAddress(library, "GetHelpIdForFunctions");
  auto callHelp = (CALLCHELPATFUNCTION)(void *)GetProcAddress(library, "CallCHelpAtFunction");
  auto journalCount = (KITJOURNALCOUNT)(void *)GetProcAddress(kitlib, "KitJournalCount");
  auto journalLine = (KITJOURNALLINE)(void *)GetProcAddress(kitlib, "KitJournalLine");
  if (!setFolder || !onHelp || !topicOf || !callHelp || !journalCount || !journalLine) {
    Print("help operations not found\n");
    return;
  }
  setFolder();
  Print("\nHelp menu command 40149 (compiler switches): answer " +
        std::to_string(onHelp(window, WM_COMMAND, 40149, 0)) + "\n");
  int topic = topicOf("printf");
  Print("Help topic of \"printf\": " + std::to_string(topic) + ", opened: answer " +
        std::to_string(callHelp(window, topic)) + "\n");
  Print("Help requests recorded by Kitlib:\n");
  for (int i = 0, count = journalCount(); i < count; i++) {
    char line[1024];
    if (journalLine(i, line, sizeof line) > 0) Print(std::string("    ") + Convert(line, 932, CP_UTF8) + "\n");
  }
}

void ShowMenus(HMODULE library); // demo_menus.cpp

static std::string Folder(const std::string &path) { return path.substr(0, path.find_last_of('\\') + 1); }

int main() {
  char self[MAX_PATH];
  GetModuleFileNameA(0, self, MAX_PATH);
  std::string bin = Folder(self);
  HMODULE library = LoadLibraryA((bin + "orvexlib.dll").c_str());
  MYEXECUTEBYMYMAIN execute = library ? (MYEXECUTEBYMYMAIN)(void *)GetProcAddress(library, "myExecuteByMyMain") : 0;
  if (!execute) {
    Print("cannot load orvexlib.dll\n");
    return 1;
  }

  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string work = std::string(temp) + "orvex_demo";
  CreateDirectoryA(work.c_str(), 0);
  SetCurrentDirectoryA(work.c_str());
  for (const auto &script : kScripts) {
    std::string bytes = Convert(script.text, CP_UTF8, 932);
    HANDLE file = CreateFileA(script.file, GENERIC_WRITE, 0, 0, CREATE_ALWAYS, 0, 0);
    DWORD written;
    WriteFile(file, bytes.data(), (DWORD)bytes.size(), &written, 0);
    CloseHandle(file);
  }

  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = OutputWindow;
  windowClass.hInstance = GetModuleHandleA(0);
  windowClass.lpszClassName = "OrvexDemoOutput";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowA("OrvexDemoOutput", "output", WS_OVERLAPPED, 0, 0, 100, 100, 0, 0,
                              GetModuleHandleA(0), 0);

  // argv as a host composes it: the title (BEL for a blank), the main list
  // (window, message, language, capture mode, results file, tool, arguments),
  // a repeated step over three '?' values and a final step.
  std::string emit = bin + "emit.exe";
  std::string title = "Orvex\aStudio\ademo";
  std::string main = "," + std::to_string((ULONG_PTR)window) + "," + std::to_string(DEMO_MESSAGE) +
                     ",0,pipe,results.txt," + emit + ",fbanner.txt";
  std::string repeated = "1" + emit + ",s100,fmain.txt?futil.txt?fio.txt";
  std::string final = "2" + emit + ",flink.txt";
  char program[] = "demo_host.exe";
  char *argv[] = {program, &title[0], &main[0], &repeated[0], &final[0], nullptr};
  Print("Running through myExecuteByMyMain, in " + work + ":\n");
  RUNNERRESULT record = execute(5, argv);

  WIN32_FILE_ATTRIBUTE_DATA results;
  GetFileAttributesExA("results.txt", GetFileExInfoStandard, &results);
  char summary[200];
  snprintf(summary, sizeof summary,
           "Last tool: process id %lu. Results file: %lu bytes, the tools' Shift-JIS bytes unchanged.\n",
           record.processId, results.nFileSizeLow);
  Print(summary);
  ShowHelpRequests(library, window);
  ShowFolderListAndImportLibrary(library, work);
  ShowMenus(library);
  ShowWordCompletion(library, window, bin);
  ShowColourTable(library);
  DestroyWindow(window);
  return 0;
}
