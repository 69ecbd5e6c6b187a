// Signatures of the warning exports as the host calls them, and the fixture
// that gives every test a fresh copy of the library, in English.
#pragma once
#include "host/host.h"
#include "host/text_checks.h"
#include "host/fresh_library.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

typedef char *(__stdcall *KeikokuTest)(char *line, char *codeBuffer);
typedef int(__stdcall *SwitchReader)(int index, char *key, const char **description, int selector, int onlyChanged);
typedef const char *(__stdcall *SwitchString)(int index, int onlyChanged);
typedef const char *(__stdcall *NameAtIndex)(int index, int *state);
typedef int(__stdcall *NameSaver)(const char *name, int state);
typedef int(__stdcall *StringSaver)(const char *text, const char *name);
typedef const char *(__stdcall *LineSwitcher)(const char *line, int state, int selector);
typedef int(__stdcall *LineTest)(const char *line, int selector);
typedef void(__stdcall *Snapshot)(void);

// The fresh copy of the library that the running test works on.
inline HMODULE g_warningLibrary = 0;

template <class F> F WarningProc(const char *name) { return NeedProcOf<F>(g_warningLibrary, name); }

// "警告" in Shift-JIS.
#define JAPANESE_WARNING "\x8c\x78\x8d\x90"

// Row index of a warning code: ascending from W8000, W8088 missing.
inline int RowOf(int code) { return code - 8000 - (code > 8088 ? 1 : 0); }

inline int StateOf(int code) {
  char key[32];
  const char *description;
  return WarningProc<SwitchReader>("GetWarningSwitch")(RowOf(code), key, &description, 0, 0);
}

// The command-line switches of the rows that differ from their defaults.
inline std::string ChangedSwitches() {
  std::string line;
  auto get = WarningProc<SwitchString>("GetWarningSwitchString");
  for (int i = 0; get(i, 1); i++)
    if (*get(i, 1)) line += std::string(get(i, 1)) + " ";
  return line;
}

class WarningTable : public ::testing::Test {
protected:
  void SetUp() override {
    g_warningLibrary = LoadFreshLibrary();
    ASSERT_NE(g_warningLibrary, nullptr);
    HostSetLanguage(0);
  }
  void TearDown() override {
    FreeFreshLibrary(g_warningLibrary);
    g_warningLibrary = 0;
    HostSetLanguage(0);
  }
  // A new copy in place of the current one: every state back at its load value.
  void Reload() {
    FreeFreshLibrary(g_warningLibrary);
    g_warningLibrary = LoadFreshLibrary();
    ASSERT_NE(g_warningLibrary, nullptr);
  }
};
