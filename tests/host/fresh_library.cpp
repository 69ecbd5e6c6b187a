// Fresh copies of the library: a file copy under a name of this process's own,
// so that two test programs running at once never share one.
#include "host/fresh_library.h"
#include "host/host.h"

static std::string CopyPath(HMODULE copy) {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(copy, path, MAX_PATH);
  return std::string(path, length);
}

HMODULE LoadFreshLibrary() {
  static int copies = 0;
  std::string path = HostFolder() + "orvexlib-fresh-" + std::to_string(GetCurrentProcessId()) + "-" +
                     std::to_string(++copies) + ".dll";
  HostLibrary(); // the companions stay loaded from the host folder
  if (!CopyFileA((HostFolder() + "orvexlib.dll").c_str(), path.c_str(), FALSE)) return 0;
  HMODULE copy = LoadLibraryA(path.c_str());
  if (!copy) DeleteFileA(path.c_str());
  return copy;
}

void FreeFreshLibrary(HMODULE copy) {
  if (!copy) return;
  std::string path = CopyPath(copy);
  FreeLibrary(copy);
  DeleteFileA(path.c_str());
}
