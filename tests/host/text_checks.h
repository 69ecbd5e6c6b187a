// Helpers for tests of text operations: read-only guarded texts, exports
// that must exist, and one comparison of expected sequences that reports the
// first mismatch.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

// Like GuardedText, but the copy is read-only: a write into it crashes.
char *GuardedReadOnlyText(const char *text);

// The export or, when it is missing, a message and an abort: a test that
// needs an export cannot go on without it.
FARPROC NeedProc(HMODULE module, const char *name);
template <class F> F NeedProcOf(HMODULE module, const char *name) { return reinterpret_cast<F>(NeedProc(module, name)); }
HMODULE HostLibrary();
HMODULE KitLibrary();
template <class F> F NeedHostProc(const char *name) { return NeedProcOf<F>(HostLibrary(), name); }
template <class F> F NeedKitProc(const char *name) { return NeedProcOf<F>(KitLibrary(), name); }

// Compares two sequences item by item; on a difference adds one failure
// naming the first differing index and both items.
void ExpectSameSequence(const std::vector<std::string> &expected, const std::vector<std::string> &actual,
                        const char *what);
