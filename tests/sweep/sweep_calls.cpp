// The sweep's child. It reads the export lists ("Name count kinds..."), and
// calls each export once with every argument at its benign value, then once
// for each hostile value of each argument in turn, the others benign; all of
// it in English and again in Japanese. Each call is written to the log before
// it is made, so that when the process crashes or hangs the parent knows
// which call did it. Texts, buffers, records and words are made fresh for
// every call and end right before a PAGE_NOACCESS page: one byte read or
// written past what was given crashes at once. The box watcher answers
// message boxes, the closer below closes dialogs, popups and menus, and what
// a call changes for every later call is put back after it.
#include "host/dialog_driver.h"
#include <algorithm>
#include <climits>
#include <set>
#include <stdio.h>
#include <string.h>

enum KindClass { K_INT, K_TEXT, K_POS, K_POSPTR, K_EDIT, K_BUFFER, K_SIZE, K_OUT, K_WINDOW, K_CALLBACK, K_RECORD,
                 K_ARGV, K_HANDLE };
// Each kind's word in the lists and the names of its hostile values.
static const struct { const char *word; std::vector<const char *> hostile; } kKinds[] = {
    {"int", {"0", "-1", "7", "1000", "INT_MAX", "INT_MIN"}},
    {"text", {"null", "empty", "600 bytes", "ending in a lone lead byte", "600 bytes, read-only"}},
    {"pos", {"null", "at the text's start", "at the text's end"}},
    {"posptr", {"null", "holding null", "holding the text's start", "holding the text's end"}},
    {"edit", {"null", "empty", "as long as its room", "ending in a lone lead byte"}},
    {"buffer", {"null"}},
    {"size", {"0", "1", "-1", "INT_MIN"}},
    {"out", {"null"}},
    {"window", {"0", "destroyed", "of another thread"}},
    {"callback", {"null"}},
    {"record", {"null"}},
    {"argv", {"null"}},
    {"handle", {"0", "INVALID_HANDLE_VALUE", "1000"}},
};
static const int kHostileInts[] = {0, -1, 7, 1000, INT_MAX, INT_MIN}, kHostileSizes[] = {0, 1, -1, INT_MIN};
enum { kMostArguments = 16, kBenignInt = 1, kBenignSize = 520, kRecordBytes = 256, kLongText = 600 };

static const char kBenignText[] = "main.c", kLoneLeadText[] = "W8057 main\x81";
// Warning lines, paths, blanks, line ends, marks and two-byte characters
// (one with the trail byte 0x5C) in one line, repeated for the long texts.
static const char kLongLine[] = "Warning W8057 C:\\\x83\x5c\x81\x5b\x83\x58\\main.c 12: #define X(a) a; \t:2\r\n";
// The argument vector of a run that starts nothing: no executable (DUMMY)
// and no window for the notifications.
static char kProgram[] = "orvex.exe", kTitle[] = "Sweep", kMainList[] = ",0,1,0,pipe,DUMMY,DUMMY";

struct Kind {
  KindClass kind;
  int bytes;  // N of buffer:N, edit:N, record:N and the room of edit:+N; 0 when not given
  bool grows; // edit:+N
};

struct Export {
  std::string name;
  std::vector<Kind> kinds;
};

static bool ParseKind(const std::string &word, Kind *kind) {
  size_t colon = word.find(':');
  std::string base = word.substr(0, colon), size = colon == std::string::npos ? "" : word.substr(colon + 1);
  kind->grows = !size.empty() && size[0] == '+';
  kind->bytes = atoi(size.c_str() + (kind->grows ? 1 : 0));
  auto known = std::find_if(std::begin(kKinds), std::end(kKinds), [&](const auto &k) { return base == k.word; });
  if (known == std::end(kKinds)) return false;
  kind->kind = (KindClass)(known - kKinds);
  bool sized = kind->kind == K_EDIT || kind->kind == K_BUFFER || kind->kind == K_RECORD;
  return size.empty() || (sized && kind->bytes > 0 && (!kind->grows || kind->kind == K_EDIT));
}

// What makes a line unusable: an unknown kind, a count that differs, more
// arguments than a call passes, a position without a text before it, a
// buffer without :N and no size after it.
static std::string Problem(size_t count, const std::vector<std::string> &words, std::vector<Kind> *kinds) {
  bool textBefore = false;
  for (const std::string &word : words) {
    Kind kind;
    if (!ParseKind(word, &kind)) return "unknown kind " + word;
    bool sizeNext = kinds->size() + 1 < words.size() && words[kinds->size() + 1] == "size";
    if ((kind.kind == K_POS || kind.kind == K_POSPTR) && !textBefore) return "a position without a text";
    if ((kind.kind == K_BUFFER && !kind.bytes) != sizeNext) return "a buffer without a size";
    if (kind.kind == K_SIZE && (kinds->empty() || kinds->back().kind != K_BUFFER)) return "a size without a buffer";
    textBefore |= kind.kind == K_TEXT || kind.kind == K_EDIT;
    kinds->push_back(kind);
  }
  if (kinds->size() != count) return "the count differs from the kinds";
  return kinds->size() > kMostArguments ? "more arguments than the sweep passes" : "";
}

// Every usable line of the lists, in file and line order; the others named in *errors.
static std::vector<Export> ReadExports(std::vector<std::string> *errors) {
  std::vector<Export> exports;
  for (const ListedExport &entry : ListedExports(ORVEX_EXPORTS_DIR "/*.txt")) {
    Export swept = {entry.name, {}};
    std::string problem = Problem((size_t)entry.count, entry.kinds, &swept.kinds);
    if (problem.empty()) exports.push_back(swept);
    else errors->push_back("tests/exports: " + swept.name + ": " + problem);
  }
  return exports;
}

// The windows and the handle handed out: the benign window (the host's main
// window), a destroyed one, one of another thread that pumps its messages,
// and the benign handle (the message library).
struct Targets {
  HWND window, destroyed, otherThread;
  HINSTANCE module;
};

// Does nothing and answers 0 whatever a host function takes: on x86_64 the
// caller removes the arguments.
static INT_PTR __stdcall SweepCallback() { return 0; }

// Exactly `length` bytes of whole characters.
static std::string LongText(size_t length) {
  std::string pattern;
  while (pattern.size() < length) pattern += kLongLine;
  std::string text = SjisFit(pattern, length);
  text.resize(length, '.');
  return text;
}

// The arguments of one call: argument `varied` takes hostile value `value`.
struct Arguments {
  const Export &swept;
  const Targets &targets;
  int varied, value;
  INT_PTR values[kMostArguments] = {};
  char *texts[kMostArguments] = {}; // what each text or edit argument got
  std::vector<void *> made;

  ~Arguments() {
    for (void *block : made) FreeGuarded(block);
  }
  int Value(size_t a) const { return varied == (int)a ? value : -1; }
  void *Guarded(const std::string &bytes) {
    made.push_back(GuardedCopy(bytes.data(), bytes.size()));
    return made.back();
  }
  INT_PTR Zeros(int bytes) { return (INT_PTR)Guarded(std::string(std::max(bytes, 0), '\0')); }

  // edit:N is a buffer of N bytes, edit:+N has N bytes of room after the
  // text, a plain edit or text is just the text.
  char *Text(const Kind &kind, std::string text) {
    size_t room = kind.grows ? kind.bytes : 0;
    if (kind.bytes && !kind.grows) {
      text = text.substr(0, kind.bytes - 1);
      room = kind.bytes - 1 - text.size();
    }
    return (char *)Guarded(text + std::string(room + 1, '\0'));
  }

  char *TextValue(const Kind &kind, int value) {
    bool buffer = kind.bytes && !kind.grows;
    size_t full = buffer ? std::min<size_t>(kind.bytes - 1, kLongText) : (size_t)kLongText;
    DWORD old;
    char *text = Text(kind, value == 1 ? "" : value == 3 && buffer ? LongText(full - 1) + "\x81"
                                        : value == 3 ? kLoneLeadText : value < 0 ? kBenignText : LongText(full));
    if (value == 4) VirtualProtect(text, full + 1, PAGE_READONLY, &old);
    return text;
  }

  // A position lies in the nearest text before it: benign two bytes in, at
  // the end when that text varies. Of a null text it takes a text of its own.
  char *Position(size_t a, int value) {
    size_t t = a;
    while (swept.kinds[--t].kind != K_TEXT && swept.kinds[t].kind != K_EDIT) continue;
    char *text = texts[t] ? texts[t] : Text(swept.kinds[t], kBenignText);
    size_t length = strlen(text);
    if (value == 0) return 0;
    return value == 1 ? text : text + (value == 2 || Value(t) >= 0 ? length : std::min<size_t>(2, length));
  }

  INT_PTR Make(size_t a) {
    const Kind &kind = swept.kinds[a];
    int value = Value(a);
    const HWND windows[] = {0, targets.destroyed, targets.otherThread};
    const HANDLE handles[] = {0, INVALID_HANDLE_VALUE, (HANDLE)1000};
    char *entries[] = {kProgram, kTitle, kMainList, 0};
    if (value == 0 && kKinds[kind.kind].hostile[0] == std::string("null")) return 0;
    switch (kind.kind) {
    case K_INT: return value < 0 ? kBenignInt : kHostileInts[value];
    case K_TEXT:
    case K_EDIT: return (INT_PTR)(texts[a] = TextValue(kind, value));
    case K_POS: return (INT_PTR)Position(a, value);
    case K_POSPTR: {
      INT_PTR cell = Zeros(sizeof(char *));
      *(char **)cell = value == 1 ? 0 : Position(a, value < 0 ? -1 : value - 1);
      return cell;
    } // a size of 0 or less leaves no byte to write
    case K_BUFFER: return Zeros(kind.bytes ? kind.bytes : Value(a + 1) < 0 ? kBenignSize : kHostileSizes[Value(a + 1)]);
    case K_SIZE: return value < 0 ? kBenignSize : kHostileSizes[value];
    case K_OUT: return Zeros(sizeof(INT_PTR));
    case K_RECORD: return Zeros(kind.bytes ? kind.bytes : kRecordBytes);
    case K_CALLBACK: return (INT_PTR)SweepCallback;
    case K_ARGV: return (INT_PTR)Guarded(std::string((char *)entries, sizeof entries));
    case K_WINDOW: return (INT_PTR)(value < 0 ? targets.window : windows[value]);
    case K_HANDLE: return (INT_PTR)(value < 0 ? (HANDLE)targets.module : handles[value]);
    }
    return 0;
  }
};

static HANDLE g_log = INVALID_HANDLE_VALUE;
static HINSTANCE g_libraryInstance = 0;

static void Log(const std::string &line) {
  DWORD written;
  std::string text = line + "\n";
  WriteFile(g_log, text.data(), (DWORD)text.size(), &written, 0);
}

static void LogCrashAndEnd(EXCEPTION_RECORD *record) {
  HMODULE module = 0;
  char name[MAX_PATH] = "?", line[MAX_PATH + 64];
  if (GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         (LPCSTR)record->ExceptionAddress, &module))
    GetModuleFileNameA(module, name, MAX_PATH);
  snprintf(line, sizeof line, "crash 0x%08lX at %s+0x%llX", record->ExceptionCode, name,
           (unsigned long long)((char *)record->ExceptionAddress - (char *)module));
  Log(line);
  TerminateProcess(GetCurrentProcess(), record->ExceptionCode);
}

// An access violation in the library or a companion is a crash even where a
// system frame would swallow it (around a window procedure); any other
// exception counts when nothing handles it.
static LONG CALLBACK FirstChance(EXCEPTION_POINTERS *exception) {
  static const HMODULE own[] = {HostLibrary(), KitLibrary(), GetModuleHandleA("kitmsg.dll"),
                                GetModuleHandleA("orvexmsg.dll")};
  HMODULE module = 0;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     (LPCSTR)exception->ExceptionRecord->ExceptionAddress, &module);
  if (exception->ExceptionRecord->ExceptionCode == EXCEPTION_ACCESS_VIOLATION && module &&
      std::count(std::begin(own), std::end(own), module))
    LogCrashAndEnd(exception->ExceptionRecord);
  return EXCEPTION_CONTINUE_SEARCH;
}

static LONG WINAPI Unhandled(EXCEPTION_POINTERS *exception) {
  LogCrashAndEnd(exception->ExceptionRecord);
  return EXCEPTION_EXECUTE_HANDLER;
}

static DWORD WINAPI PumpWindow(LPVOID made) {
  *(volatile HWND *)made = CreateWindowA("STATIC", "other thread", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, 0, 0, 0, 0);
  MSG message;
  while (GetMessageA(&message, 0, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}

static Targets MakeTargets() {
  volatile HWND other = 0;
  CloseHandle(CreateThread(0, 0, PumpWindow, (LPVOID)&other, 0, 0));
  HWND destroyed = CreateWindowA("STATIC", "gone", WS_POPUP, 0, 0, 10, 10, 0, 0, 0, 0);
  DestroyWindow(destroyed);
  while (!other) Sleep(1);
  return {HostMainWindow(), destroyed, other, HostMessageLibrary()};
}

// Exports that change what every later call sees, and what puts back the
// value they had at load. An export whose one argument is a callback sets a
// host function: it is given null again after its call.
static void RestoreInstance() { HostProc<HINSTANCE(__stdcall *)(HINSTANCE)>("SethInstOrvexdll")(g_libraryInstance); }
static void RestoreKillKey() { HostProc<int(__stdcall *)(int)>("SetVkeyForKillBccProccess")(VK_ESCAPE); }
static void RestoreFocusFlag() { HostProc<HWND(__stdcall *)(int, HWND)>("SetChangeFocusDisabled")(0, GetFocus()); }
// The completion popup and its reader keep the host's two function-list
// records, which the host keeps alive; the sweep's are freed after the call.
static void ForgetUserLists() {
  HostProc<int(__stdcall *)()>("TerminateThreadReadUserDatabaseOnClose")();
  HostProc<void *(__stdcall *)(void *, void *)>("SetPointerOfFunctionListHandleForPutWordDialog")(0, 0);
}
static const struct { const char *name; void (*restore)(); } kRestores[] = {
    {"SethInstOrvexdll", RestoreInstance},
    {"SetVkeyForKillBccProccess", RestoreKillKey},
    {"SetChangeFocusDisabled", RestoreFocusFlag},
    {"CreatePutWordDialog", ForgetUserLists},
    {"CreateThreadForReadFunctionsFromUserDatabase", ForgetUserLists},
    {"SetPointerOfFunctionListHandleForPutWordDialog", ForgetUserLists},
};

// On x86_64 every argument travels in a register or a 64-bit stack slot and
// the caller removes them, so one call shape reaches every export; slots it
// does not take are ignored.
typedef INT_PTR (*AnyExport)(INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR,
                             INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR);
static_assert(kMostArguments == 16, "one slot per argument");

static void Call(const Export &swept, const Targets &targets, int varied, int value) {
  FARPROC function = HostFind(HostLibrary(), swept.name.c_str());
  if (!function) return; // the export test names it
  {
    Arguments arguments = {swept, targets, varied, value, {}, {}, {}};
    for (size_t a = 0; a < swept.kinds.size(); a++) arguments.values[a] = arguments.Make(a);
    const INT_PTR *v = arguments.values;
    ((AnyExport)function)(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12], v[13],
                          v[14], v[15]);
    // Put back while the call's arguments still live: a thread the call
    // started may still be reading them until the restore stops it.
    for (const auto &row : kRestores)
      if (swept.name == row.name) row.restore();
    if (swept.kinds.size() == 1 && swept.kinds[0].kind == K_CALLBACK) ((void(__stdcall *)(void *))function)(0);
  }
}

// The closer: a thread timer, which runs inside the modal loop of a dialog, a
// box or a menu, closes for good every window that the process opens once
// the sweep began: a new dialog is sent IDCANCEL and WM_CLOSE, any other new
// window WM_CLOSE, and an open menu ends. Only visible windows and dialogs
// count; message boxes are left to WatchBoxes. After each call the new
// windows of this thread still there are destroyed (a modeless window may
// ignore both messages) and those of other threads are asked to close.
static std::set<HWND> g_known; // the windows before the sweep: written once, then read by the timer

static bool IsDialog(HWND window) {
  char name[16];
  return GetClassNameA(window, name, sizeof name) && strcmp(name, "#32770") == 0;
}

// Top-level windows of this process; with `fresh`, only the new ones the
// user would see and new dialogs, message boxes excluded.
static std::vector<HWND> ProcessWindows(bool fresh) {
  std::pair<std::vector<HWND>, bool> found = {{}, fresh};
  EnumWindows([](HWND window, LPARAM found) {
    auto &list = *(std::pair<std::vector<HWND>, bool> *)found;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    bool dialog = IsDialog(window);
    if (process == GetCurrentProcessId() &&
        (!list.second || (!g_known.count(window) && (IsWindowVisible(window) || dialog) &&
                          !(dialog && GetDlgItem(window, 0xFFFF)))))
      list.first.push_back(window);
    return TRUE;
  }, (LPARAM)&found);
  return found.first;
}

static void CALLBACK CloseNewWindows(HWND, UINT, UINT_PTR, DWORD) {
  EndMenu();
  for (HWND window : ProcessWindows(true)) {
    if (IsDialog(window)) PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    PostMessageA(window, WM_CLOSE, 0, 0);
  }
}

static void CloseLeftoverWindows() {
  for (HWND window : ProcessWindows(true)) {
    if (GetWindowThreadProcessId(window, 0) == GetCurrentThreadId()) DestroyWindow(window);
    else PostMessageA(window, WM_CLOSE, 0, 0);
  }
}

int RunSweepChild(size_t from, const char *logPath) {
  g_log = CreateFileA(logPath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, 0, OPEN_ALWAYS, 0, 0);
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
  AddVectoredExceptionHandler(1, FirstChance);
  SetUnhandledExceptionFilter(Unhandled);
  std::vector<std::string> errors;
  std::vector<Export> exports = ReadExports(&errors);
  if (from == 0)
    for (const std::string &error : errors) Log(error);
  g_libraryInstance = HostProc<HINSTANCE(__stdcall *)()>("GethInstOrvexdll")();
  Targets targets = MakeTargets();
  WatchBoxes({IDCANCEL});
  for (HWND window : ProcessWindows(false)) g_known.insert(window);
  SetTimer(0, 0, 100, CloseNewWindows);
  size_t number = 0;
  for (const Export &swept : exports)
    for (int language = 0; language < 2; language++)
      for (int varied = -1; varied < (int)swept.kinds.size(); varied++)
        for (int value = 0; value < (varied < 0 ? 1 : (int)kKinds[swept.kinds[varied].kind].hostile.size());
             value++, number++) {
          if (number < from) continue;
          std::string what = varied < 0 ? "benign" : "argument " + std::to_string(varied + 1) + ": " +
                                                         kKinds[swept.kinds[varied].kind].hostile[value];
          Log(std::to_string(number) + "\t" + swept.name + "(" + what + ")" + (language ? " in Japanese" : ""));
          HostSetLanguage(language);
          Call(swept, targets, varied, value);
          CloseLeftoverWindows();
          if (!IsWindow(targets.window)) return Log("fault: the host's main window is gone"), 2;
        }
  Log("done " + std::to_string(exports.size()) + " exports, " + std::to_string(number) + " calls");
  return 0;
}
