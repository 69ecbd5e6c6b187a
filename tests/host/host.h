// The test host: plays the IDE. It loads orvexlib.dll with LoadLibrary and
// finds every export with GetProcAddress, exactly as the host executable does,
// and reaches the stand-in companion libraries the same way.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

// The library and the stand-ins, loaded once from the test program's folder.
HMODULE HostLibrary();
HMODULE KitLibrary();

// The address of an export, or null. Tests use HOST_PROC to fail on a missing one.
FARPROC HostFind(HMODULE module, const char *name);

template <class F> F HostProc(const char *name) { return reinterpret_cast<F>(HostFind(HostLibrary(), name)); }
template <class F> F KitProc(const char *name) { return reinterpret_cast<F>(HostFind(KitLibrary(), name)); }

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
void FreeGuarded(void *copy);

// Lines of a text file, or empty when it cannot be read.
std::vector<std::string> ReadLines(const std::string &path);
