// Loading the library and its companions, and small helpers every test uses.
#include "host/host.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <fstream>
#include <sstream>

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

void HostSetLanguage(int language) { KitProc<void(__stdcall *)(int)>("KitSetLanguage")(language); }

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

char *GuardedReadOnlyText(const char *text) {
  char *copy = GuardedText(text);
  DWORD old;
  if (copy) VirtualProtect(copy, strlen(text) + 1, PAGE_READONLY, &old);
  return copy;
}

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

std::vector<ListedExport> ListedExports(const std::string &pattern) {
  std::string folder = pattern.substr(0, pattern.find_last_of("\\/") + 1);
  std::vector<std::string> files;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(pattern.c_str(), &found);
  for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found))
    files.push_back(folder + found.cFileName);
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
  std::sort(files.begin(), files.end());
  std::vector<ListedExport> listed;
  for (const std::string &file : files)
    for (const std::string &line : ReadLines(file)) {
      std::istringstream words(line);
      ListedExport entry;
      if (!(words >> entry.name) || entry.name[0] == '#' || !(words >> entry.count)) continue;
      for (std::string kind; words >> kind;) entry.kinds.push_back(kind);
      listed.push_back(entry);
    }
  return listed;
}

HGLOBAL GlobalText(const std::string &text) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
  GlobalUnlock(block);
  return block;
}

std::string TextOfGlobal(HGLOBAL block) {
  if (!block) return "(none)";
  std::string text = (const char *)GlobalLock(block);
  GlobalUnlock(block);
  return text;
}

std::string ClipboardText(bool take) {
  if (!OpenClipboard(0)) return "(not opened)";
  HANDLE data = GetClipboardData(CF_TEXT);
  const char *bytes = data ? (const char *)GlobalLock(data) : 0;
  std::string text = bytes ? bytes : "";
  if (bytes) GlobalUnlock(data);
  if (take) EmptyClipboard();
  CloseClipboard();
  return text;
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
