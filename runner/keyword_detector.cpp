// The error-keyword detector: watches the byte stream of a tool's output for
// "Error", "ERROR", "error", "Fatal", "fatal" and the Japanese forms, and
// tells the reader which code to announce before the byte that completed or
// settled a keyword. It keeps only counters, never a line.
//
// "Error" is decided by the byte behind it: the compiler's summary line
// "Error messages:    None" is not an error, so after "Error" the suffix is
// followed byte by byte and only a byte that leaves it announces 100.
// Leaving the suffix also starts its progress over, a choice of this
// detector's own: an earlier "Error " followed by a code must not make a
// later summary line count as an error.
#include "runner/runner_internal.h"

struct Keyword {
  const char *bytes;
  int length;
  int code;
};

// In the order the matchers are advanced; "Error" first, handled apart.
static const Keyword kKeywords[] = {
    {"Error", 5, 100}, {"ERROR", 5, 101}, {"error", 5, 102}, {"Fatal", 5, 103},
    {"fatal", 5, 104}, {"エラー", 6, 105}, {"ｴﾗｰ", 3, 106},
};
enum { KEYWORDS = sizeof kKeywords / sizeof kKeywords[0] };
static const char kSuffix[] = " messages:    None";
enum { SUFFIX_LENGTH = sizeof kSuffix - 1 };

// Detector progress: reset by the runner's thread at the start of a call, used
// by the reader alone while it runs; kept from one step of a chain to the next.
static int g_pending = 0;          // code to announce, 0 when none
static int g_progress[KEYWORDS];   // bytes of each keyword matched so far
static int g_errorSeen = 0;        // "Error" completed, waiting for the next byte
static int g_suffixProgress = 0;   // bytes of the suffix matched behind "Error"

void DetectorReset(void) {
  g_pending = 0;
  ZeroMemory(g_progress, sizeof g_progress);
  g_errorSeen = 0;
  g_suffixProgress = 0;
}

// A mismatching byte is not tried again as the keyword's first byte, and while
// a code is pending every matcher starts over. Answers 1 when the keyword has
// just been completed.
static int Advance(int index, unsigned char c) {
  const Keyword &keyword = kKeywords[index];
  int &progress = g_progress[index];
  if (g_pending) {
    progress = 0;
    return 0;
  }
  if (progress < keyword.length && c == (unsigned char)keyword.bytes[progress]) {
    if (++progress < keyword.length) return 0;
    g_pending = keyword.code;
    return 1;
  }
  progress = 0;
  return 0;
}

// Follows the suffix behind "Error"; answers 1 when the suffix has just been
// completed (the byte then counts for nothing else).
static int FollowSuffix(unsigned char c) {
  if (c == (unsigned char)kSuffix[g_suffixProgress]) {
    g_pending = 0;
    if (++g_suffixProgress == SUFFIX_LENGTH) {
      g_suffixProgress = 0;
      g_errorSeen = 0;
      return 1;
    }
    return 0;
  }
  g_pending = 100;
  g_errorSeen = 0;
  g_suffixProgress = 0; // the next "Error" follows the suffix from its start
  return 0;
}

int DetectorStep(unsigned char c) {
  if (g_errorSeen) {
    if (FollowSuffix(c)) return 0;
  } else if (Advance(0, c)) {
    g_errorSeen = 1; // the byte behind it decides
    g_pending = 0;
  }
  for (int i = 1; i < KEYWORDS; i++) Advance(i, c);
  return g_pending != 0;
}

int DetectorTakePending(void) {
  int code = g_pending;
  g_pending = 0;
  return code;
}
