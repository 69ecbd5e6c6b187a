// The test host: plays the IDE. It loads orvexlib.dll with LoadLibrary and
// finds every export with GetProcAddress, exactly as the host executable does,
// and reaches the stand-in companion libraries the same way.
#pragma once
#include <windows.h>
#include <string>
#include <vector>
#include "frame/shift_jis.h"

// The library and the stand-ins, loaded once from the test program's folder.
HMODULE HostLibrary();
HMODULE KitLibrary();

// The address of an export, or null.
FARPROC HostFind(HMODULE module, const char *name);
// The export or, when it is missing, a message and an abort: a test that
// needs an export cannot go on without it.
FARPROC NeedProc(HMODULE module, const char *name);
template <class F> F ProcOf(HMODULE module, const char *name) { return reinterpret_cast<F>(NeedProc(module, name)); }
template <class F> F HostProc(const char *name) { return ProcOf<F>(HostLibrary(), name); }
template <class F> F KitProc(const char *name) { return ProcOf<F>(KitLibrary(), name); }

// Sets the language flag that Kitlib's GetLanguage answers (stand-in export).
void HostSetLanguage(int language);

// Folder of the running test program, with a trailing backslash.
std::string HostFolder();
// Full path of one of the tool programs built with the tests (tools/NAME.cpp).
std::string ToolPath(const char *name);

// A copy of `bytes` placed so that its last byte lies right before a
// PAGE_NOACCESS page: any read past it crashes at once. Freed with FreeGuarded.
char *GuardedCopy(const void *bytes, size_t length);
char *GuardedText(const char *text); // copies the NUL too
// Like GuardedText, but the copy is read-only: a write into it crashes.
char *GuardedReadOnlyText(const char *text);
void FreeGuarded(void *copy);

// The expected cut of a Shift-JIS text: the longest run of whole characters
// that fits `room` bytes, as the library's bounded texts keep it.
inline std::string SjisFit(const std::string &text, size_t room) {
  size_t at = 0;
  for (size_t step; at < text.size() && at + (step = SjisCharLength(text.c_str() + at)) <= room;) at += step;
  return text.substr(0, at);
}

// Lines of a text file, or empty when it cannot be read.
std::vector<std::string> ReadLines(const std::string &path);

// The tests' lists of exports (tests/exports/*.txt), one export a line:
// "Name count kinds...". The export test checks them against the def file,
// the sweep calls what they list, the settings test finds its cells there.
struct ListedExport {
  std::string name;
  int count;
  std::vector<std::string> kinds;
};
// The lines of the files that `pattern` finds (a folder and "*.txt" or a
// file name), files in name order, comments and blank lines left out.
std::vector<ListedExport> ListedExports(const std::string &pattern);

// A new movable global block holding `text` (the caller frees it with
// GlobalFree), as the host keeps its formatted lists, and the text of a
// block ("(none)" for no block).
HGLOBAL GlobalText(const std::string &text);
std::string TextOfGlobal(HGLOBAL block);

// The clipboard's text ("" for none, "(not opened)" when another window
// holds it); `take` empties the clipboard as well.
std::string ClipboardText(bool take = false);

// Compares two sequences item by item; on a difference adds one failure
// naming the first differing index and both items.
void ExpectSameSequence(const std::vector<std::string> &expected, const std::vector<std::string> &actual,
                        const char *what);
