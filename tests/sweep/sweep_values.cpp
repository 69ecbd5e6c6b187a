// The benign and hostile values of each argument kind, made for one call.
#include "sweep/sweep_values.h"
#include "host/host.h"
#include "host/sjis_fit.h"
#include "host/text_checks.h"
#include <algorithm>
#include <climits>
#include <string.h>
#include <string>

static const std::vector<const char *> kHostileNames[] = {
    /* int */ {"0", "-1", "7", "1000", "INT_MAX", "INT_MIN"},
    /* text */ {"null", "empty", "600 bytes", "ending in a lone lead byte", "600 bytes, read-only"},
    /* pos */ {"null", "at the text's start", "at the text's end"},
    /* posptr */ {"null", "holding null", "holding the text's start", "holding the text's end"},
    /* edit */ {"null", "empty", "long", "ending in a lone lead byte"},
    /* buffer */ {"null"},
    /* size */ {"0", "1", "-1", "INT_MIN"},
    /* out */ {"null"},
    /* window */ {"0", "destroyed", "of another thread"},
    /* callback */ {"null"},
    /* record */ {"null"},
    /* argv */ {"null"},
    /* handle */ {"0", "INVALID_HANDLE_VALUE", "1000"},
};
static const int kHostileInts[] = {0, -1, 7, 1000, INT_MAX, INT_MIN};
static const int kHostileSizes[] = {0, 1, -1, INT_MIN};
enum { kBenignInt = 1, kBenignSize = 520, kDefaultRecordBytes = 256, kTextBytes = 600 };

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

static std::string LoneLeadText(size_t length) { return LongText(length - 1) + "\x81"; }

// Does nothing and answers 0, whatever the host function's arguments: on
// x86_64 the caller removes them.
static INT_PTR __stdcall SweepCallback() { return 0; }

// The argument vector of a run that starts nothing: no executable (DUMMY)
// and no window for the notifications.
static char kProgram[] = "orvex.exe", kTitle[] = "Sweep", kMainList[] = ",0,1,0,pipe,DUMMY,DUMMY";

struct Maker {
  const SweptExport &swept;
  const PlannedCall &call;
  const SweepTargets &targets;
  SweepArguments *arguments;
  char *texts[kMostArguments] = {}; // what each text or edit argument got

  // The hostile value of argument a, or -1 when it stays benign.
  int Value(size_t a) const { return call.argument == (int)a ? call.value : -1; }

  void *Keep(void *block) {
    if (block) arguments->made.push_back(block);
    return block;
  }
  char *Text(const std::string &text) { return (char *)Keep(GuardedCopy(text.c_str(), text.size() + 1)); }
  void *Zeros(size_t bytes) { return Keep(GuardedCopy(std::string(bytes, '\0').data(), bytes)); }

  // A text argument's value: its text alone, or within the room the kind
  // gives (edit:N a buffer of N bytes, edit:+N N bytes more).
  char *EditBuffer(const Kind &kind, std::string text) {
    size_t size = text.size() + 1 + (kind.grows ? kind.bytes : 0);
    if (kind.bytes && !kind.grows) {
      text = text.substr(0, kind.bytes - 1);
      size = kind.bytes;
    }
    text.resize(size, '\0');
    return (char *)Keep(GuardedCopy(text.data(), size));
  }

  char *EditText(const Kind &kind, int value) {
    size_t full = kind.bytes && !kind.grows ? std::min<size_t>(kind.bytes - 1, kTextBytes) : (size_t)kTextBytes;
    switch (value) {
    case 0: return 0;
    case 1: return EditBuffer(kind, "");
    case 2: return EditBuffer(kind, LongText(full));
    case 3: return EditBuffer(kind, kind.bytes && !kind.grows ? LoneLeadText(std::max<size_t>(full, 1)) : kLoneLeadText);
    }
    return EditBuffer(kind, SjisFit(kBenignText, kind.bytes && !kind.grows ? kind.bytes - 1 : sizeof kBenignText));
  }

  char *InputText(int value) {
    switch (value) {
    case 0: return 0;
    case 1: return Text("");
    case 2: return Text(LongText(kTextBytes));
    case 3: return Text(kLoneLeadText);
    case 4: return (char *)Keep(GuardedReadOnlyText(LongText(kTextBytes).c_str()));
    }
    return Text(kBenignText);
  }

  // The text a position argument points into: the nearest text before it.
  // When that text is null the position lies in a text of its own.
  size_t TextBefore(size_t a) const {
    while (a-- > 0)
      if (swept.kinds[a].kind == KIND_TEXT || swept.kinds[a].kind == KIND_EDIT) return a;
    return 0;
  }

  char *Position(size_t a, int value) {
    size_t t = TextBefore(a);
    char *text = texts[t] ? texts[t] : Text(kBenignText);
    size_t length = strlen(text);
    if (value == 0) return 0;
    if (value == 1) return text;
    if (value == 2 || Value(t) >= 0) return text + length;
    return text + std::min<size_t>(2, length);
  }

  INT_PTR PositionAddress(size_t a, int value) {
    if (value == 0) return 0;
    char **cell = (char **)Zeros(sizeof(char *));
    *cell = value == 1 ? 0 : Position(a, value < 0 ? -1 : value - 1);
    return (INT_PTR)cell;
  }

  int Size(size_t a, int value) const { return value < 0 ? kBenignSize : kHostileSizes[value]; }

  INT_PTR Buffer(size_t a, const Kind &kind, int value) {
    if (value == 0) return 0;
    if (kind.bytes) return (INT_PTR)Zeros(kind.bytes);
    int size = Size(a + 1, Value(a + 1));
    return (INT_PTR)Zeros(size > 0 ? size : 0);
  }

  INT_PTR Argv(int value) {
    if (value == 0) return 0;
    char *entries[] = {kProgram, kTitle, kMainList, 0};
    return (INT_PTR)Keep(GuardedCopy(entries, sizeof entries));
  }

  INT_PTR Make(size_t a) {
    const Kind &kind = swept.kinds[a];
    int value = Value(a);
    switch (kind.kind) {
    case KIND_INT: return value < 0 ? kBenignInt : kHostileInts[value];
    case KIND_TEXT: return (INT_PTR)(texts[a] = InputText(value));
    case KIND_EDIT: return (INT_PTR)(texts[a] = EditText(kind, value));
    case KIND_POS: return (INT_PTR)Position(a, value);
    case KIND_POSPTR: return PositionAddress(a, value);
    case KIND_BUFFER: return Buffer(a, kind, value);
    case KIND_SIZE: return Size(a, value);
    case KIND_OUT: return value == 0 ? 0 : (INT_PTR)Zeros(sizeof(INT_PTR));
    case KIND_RECORD: return value == 0 ? 0 : (INT_PTR)Zeros(kind.bytes ? kind.bytes : kDefaultRecordBytes);
    case KIND_CALLBACK: return value == 0 ? 0 : (INT_PTR)SweepCallback;
    case KIND_ARGV: return Argv(value);
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
  Maker maker = {swept, call, targets, arguments};
  for (size_t a = 0; a < swept.kinds.size(); a++) arguments->values[a] = maker.Make(a);
}
