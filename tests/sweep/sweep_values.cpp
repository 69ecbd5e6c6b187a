// The benign and hostile values of each argument kind, made for one call.
#include "sweep/sweep.h"
#include "host/host.h"
#include "host/sjis_fit.h"
#include "host/text_checks.h"
#include <algorithm>
#include <climits>
#include <string.h>

// In the order of KindClass.
static const std::vector<const char *> kHostileNames[] = {
    {"0", "-1", "7", "1000", "INT_MAX", "INT_MIN"},
    {"null", "empty", "600 bytes", "ending in a lone lead byte", "600 bytes, read-only"},
    {"null", "at the text's start", "at the text's end"},
    {"null", "holding null", "holding the text's start", "holding the text's end"},
    {"null", "empty", "as long as its room", "ending in a lone lead byte"},
    {"null"},
    {"0", "1", "-1", "INT_MIN"},
    {"null"},
    {"0", "destroyed", "of another thread"},
    {"null"},
    {"null"},
    {"null"},
    {"0", "INVALID_HANDLE_VALUE", "1000"},
};
static const int kHostileInts[] = {0, -1, 7, 1000, INT_MAX, INT_MIN}, kHostileSizes[] = {0, 1, -1, INT_MIN};
enum { kBenignInt = 1, kBenignSize = 520, kRecordBytes = 256, kLongText = 600 };

static const char kBenignText[] = "main.c";
static const char kLoneLeadText[] = "W8057 main\x81";
// Warning lines, paths, blanks, line ends, marks and two-byte characters
// (one with the trail byte 0x5C) in one line, repeated for the long texts.
static const char kLongLine[] = "Warning W8057 C:\\\x83\x5c\x81\x5b\x83\x58\\main.c 12: #define X(a) a; \t:2\r\n";

int HostileValueCount(KindClass kind) { return (int)kHostileNames[kind].size(); }
const char *HostileValueName(KindClass kind, int value) { return kHostileNames[kind][value]; }

SweepArguments::~SweepArguments() {
  for (void *block : made) FreeGuarded(block);
}

// Exactly `length` bytes of whole characters.
static std::string LongText(size_t length) {
  std::string pattern;
  while (pattern.size() < length) pattern += kLongLine;
  std::string text = SjisFit(pattern, length);
  text.resize(length, '.');
  return text;
}

// Does nothing and answers 0 whatever a host function takes: on x86_64 the
// caller removes the arguments.
static INT_PTR __stdcall SweepCallback() { return 0; }

// The argument vector of a run that starts nothing: no executable (DUMMY)
// and no window for the notifications.
static char kProgram[] = "orvex.exe", kTitle[] = "Sweep", kMainList[] = ",0,1,0,pipe,DUMMY,DUMMY";

struct Maker {
  const SweptExport &swept;
  const PlannedCall &call;
  const SweepTargets &targets;
  SweepArguments *arguments;
  char *texts[kMostArguments]; // what each text or edit argument got

  // The hostile value of argument a, or -1 when it stays benign.
  int Value(size_t a) const { return call.argument == (int)a ? call.value : -1; }

  void *Guarded(const std::string &bytes) {
    void *block = GuardedCopy(bytes.data(), bytes.size());
    arguments->made.push_back(block);
    return block;
  }
  INT_PTR Zeros(size_t bytes) { return (INT_PTR)Guarded(std::string(bytes, '\0')); }

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
    size_t full = kind.bytes && !kind.grows ? std::min<size_t>(kind.bytes - 1, kLongText) : (size_t)kLongText;
    switch (value) {
    case 0: return 0;
    case 1: return Text(kind, "");
    case 2: return Text(kind, LongText(full));
    case 3: return Text(kind, kind.bytes && !kind.grows ? LongText(full - 1) + "\x81" : kLoneLeadText);
    case 4: {
      char *text = Text(kind, LongText(full));
      DWORD old;
      VirtualProtect(text, full + 1, PAGE_READONLY, &old);
      return text;
    }
    }
    return Text(kind, kBenignText);
  }

  // A position lies in the nearest text before it: benign two bytes in, at
  // the end when that text varies. Of a null text it takes a text of its own.
  char *Position(size_t a, int value) {
    size_t t = a;
    while (swept.kinds[--t].kind != KIND_TEXT && swept.kinds[t].kind != KIND_EDIT) continue;
    char *text = texts[t] ? texts[t] : Text(swept.kinds[t], kBenignText);
    size_t length = strlen(text);
    if (value == 0) return 0;
    if (value == 1) return text;
    return text + (value == 2 || Value(t) >= 0 ? length : std::min<size_t>(2, length));
  }

  INT_PTR Make(size_t a) {
    const Kind &kind = swept.kinds[a];
    int value = Value(a);
    switch (kind.kind) {
    case KIND_INT: return value < 0 ? kBenignInt : kHostileInts[value];
    case KIND_TEXT:
    case KIND_EDIT: return (INT_PTR)(texts[a] = TextValue(kind, value));
    case KIND_POS: return (INT_PTR)Position(a, value);
    case KIND_POSPTR: {
      if (value == 0) return 0;
      INT_PTR cell = Zeros(sizeof(char *));
      *(char **)cell = value == 1 ? 0 : Position(a, value < 0 ? -1 : value - 1);
      return cell;
    }
    case KIND_BUFFER: {
      if (value == 0) return 0;
      int size = kind.bytes ? kind.bytes : Value(a + 1) < 0 ? kBenignSize : kHostileSizes[Value(a + 1)];
      return Zeros(std::max(size, 0)); // a size of 0 or less: any write crashes
    }
    case KIND_SIZE: return value < 0 ? kBenignSize : kHostileSizes[value];
    case KIND_OUT: return value == 0 ? 0 : Zeros(sizeof(INT_PTR));
    case KIND_RECORD: return value == 0 ? 0 : Zeros(kind.bytes ? kind.bytes : kRecordBytes);
    case KIND_CALLBACK: return value == 0 ? 0 : (INT_PTR)SweepCallback;
    case KIND_ARGV: {
      char *entries[] = {kProgram, kTitle, kMainList, 0};
      return value == 0 ? 0 : (INT_PTR)Guarded(std::string((char *)entries, sizeof entries));
    }
    case KIND_WINDOW: {
      const HWND windows[] = {0, targets.destroyed, targets.otherThread};
      return (INT_PTR)(value < 0 ? targets.window : windows[value]);
    }
    case KIND_HANDLE: {
      const HANDLE handles[] = {0, INVALID_HANDLE_VALUE, (HANDLE)1000};
      return (INT_PTR)(value < 0 ? (HANDLE)targets.module : handles[value]);
    }
    }
    return 0;
  }
};

void MakeArguments(const SweptExport &swept, const PlannedCall &call, const SweepTargets &targets,
                   SweepArguments *arguments) {
  Maker maker = {swept, call, targets, arguments, {}};
  for (size_t a = 0; a < swept.kinds.size(); a++) arguments->values[a] = maker.Make(a);
}
