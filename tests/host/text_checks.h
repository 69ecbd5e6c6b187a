// Helpers for tests of text operations: read-only guarded texts, a reload of
// the library for a fresh set of globals, and one comparison of expected
// sequences that reports the first mismatch.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

// Like GuardedText, but the copy is read-only: a write into it crashes.
char *GuardedReadOnlyText(const char *text);

// The export or, when it is missing, a message and an abort: a test that
// needs an export cannot go on without it.
FARPROC NeedProc(bool kit, const char *name);
template <class F> F NeedHostProc(const char *name) { return reinterpret_cast<F>(NeedProc(false, name)); }
template <class F> F NeedKitProc(const char *name) { return reinterpret_cast<F>(NeedProc(true, name)); }

// Unloads orvexlib.dll and loads it again, so that its globals start afresh.
// Returns false when the library stayed loaded or came back at another
// address (HostLibrary() would then be stale). Addresses of exports taken
// before are invalid afterwards.
bool HostReloadLibrary();

// Compares two sequences item by item; on a difference adds one failure
// naming the first differing index and both items.
void ExpectSameSequence(const std::vector<std::string> &expected, const std::vector<std::string> &actual,
                        const char *what);
