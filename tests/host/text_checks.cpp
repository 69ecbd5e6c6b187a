// Read-only guarded texts, exports that must exist and the sequence
// comparison of text_checks.h.
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

FARPROC NeedProc(HMODULE module, const char *name) {
  FARPROC proc = HostFind(module, name);
  if (!proc) {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(module, path, MAX_PATH);
    fprintf(stderr, "missing export %s of %s\n", name, path);
    abort();
  }
  return proc;
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
