// Loading the library and its companions, and small helpers every test uses.
#include "host/host.h"
#include <fstream>

std::string HostFolder() {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(0, path, MAX_PATH);
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of("\\/") + 1);
}

std::string ToolPath(const char *name) { return HostFolder() + name + ".exe"; }

static HMODULE LoadFromHostFolder(const char *name) {
  HMODULE module = LoadLibraryA((HostFolder() + name).c_str());
  if (!module) {
    fprintf(stderr, "cannot load %s (error %lu)\n", name, GetLastError());
    ExitProcess(3);
  }
  return module;
}

HMODULE HostLibrary() {
  static HMODULE module = LoadFromHostFolder("orvexlib.dll");
  return module;
}

HMODULE KitLibrary() {
  HostLibrary(); // the library brings its companions in, as in the IDE
  static HMODULE module = LoadFromHostFolder("kitlib.dll");
  return module;
}

FARPROC HostFind(HMODULE module, const char *name) { return GetProcAddress(module, name); }

void HostSetLanguage(int language) {
  auto set = KitProc<void(__stdcall *)(int)>("KitSetLanguage");
  if (set) set(language);
}

char *GuardedCopy(const void *bytes, size_t length) {
  SYSTEM_INFO info;
  GetSystemInfo(&info);
  size_t page = info.dwPageSize;
  size_t dataPages = (length + page - 1) / page;
  if (dataPages == 0) dataPages = 1;
  char *base = (char *)VirtualAlloc(0, (dataPages + 1) * page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
  if (!base) return 0;
  DWORD old;
  VirtualProtect(base + dataPages * page, page, PAGE_NOACCESS, &old);
  char *start = base + dataPages * page - length;
  memcpy(start, bytes, length);
  return start;
}

char *GuardedText(const char *text) { return GuardedCopy(text, strlen(text) + 1); }

void FreeGuarded(void *copy) {
  MEMORY_BASIC_INFORMATION info;
  if (copy && VirtualQuery(copy, &info, sizeof info)) VirtualFree(info.AllocationBase, 0, MEM_RELEASE);
}

std::vector<std::string> ReadLines(const std::string &path) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}
