// Read-only guarded texts, the library reload and the sequence comparison
// of text_checks.h.
#include "host/text_checks.h"
#include "host/host.h"
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>

char *GuardedReadOnlyText(const char *text) {
  char *copy = GuardedText(text);
  DWORD old;
  if (copy) VirtualProtect(copy, strlen(text) + 1, PAGE_READONLY, &old);
  return copy;
}

FARPROC NeedProc(bool kit, const char *name) {
  FARPROC proc = HostFind(kit ? KitLibrary() : HostLibrary(), name);
  if (!proc) {
    fprintf(stderr, "missing export %s of %s\n", name, kit ? "kitlib.dll" : "orvexlib.dll");
    abort();
  }
  return proc;
}

bool HostReloadLibrary() {
  HMODULE old = HostLibrary();
  char path[MAX_PATH];
  if (!GetModuleFileNameA(old, path, MAX_PATH)) return false;
  FreeLibrary(old);
  if (GetModuleHandleA(path)) return false;
  return LoadLibraryA(path) == old;
}

void ExpectSameSequence(const std::vector<std::string> &expected, const std::vector<std::string> &actual,
                        const char *what) {
  size_t common = expected.size() < actual.size() ? expected.size() : actual.size();
  for (size_t i = 0; i < common; i++)
    if (expected[i] != actual[i]) {
      ADD_FAILURE() << what << ": item " << i << " is \"" << actual[i] << "\", expected \"" << expected[i] << "\"";
      return;
    }
  if (expected.size() != actual.size())
    ADD_FAILURE() << what << ": " << actual.size() << " items, expected " << expected.size();
}
