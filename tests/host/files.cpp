// The tests' files and folders; see files.h. The wide file functions take
// paths longer than MAX_PATH as they are under Wine, where the suite runs
// (real Windows would want the "\\?\" form).
#include "host/files.h"
#include "host/host.h"

static std::wstring Wide(const std::string &text) { return std::wstring(text.begin(), text.end()); }

std::string TempFolder() {
  char path[MAX_PATH];
  DWORD length = GetTempPathA(MAX_PATH, path);
  while (length && path[length - 1] == '\\') length--;
  return std::string(path, length);
}

static bool MakeFolders(const std::string &folder) {
  for (size_t at = folder.find('\\', 3); at != std::string::npos; at = folder.find('\\', at + 1))
    CreateDirectoryW(Wide(folder.substr(0, at)).c_str(), 0);
  return CreateDirectoryW(Wide(folder).c_str(), 0) || GetLastError() == ERROR_ALREADY_EXISTS;
}

std::string ScratchFolder(const std::string &name) {
  std::string folder = TempFolder() + "\\orvex " + name + " " + std::to_string(GetCurrentProcessId());
  RemoveFolderTree(folder);
  return MakeFolder(folder);
}

std::string MakeFolder(const std::string &folder) {
  CreateDirectoryA(folder.c_str(), 0);
  return folder;
}

bool CopyInto(const std::string &from, const std::string &to) {
  return CopyFileW(Wide(from).c_str(), Wide(to).c_str(), FALSE) != 0;
}

bool MakeLibraryFolder(const std::string &folder) {
  if (!MakeFolders(folder)) return false;
  for (const char *name : {"orvexlib.dll", "kitlib.dll", "kitmsg.dll", "orvexmsg.dll"})
    if (!CopyInto(HostFolder() + name, folder + "\\" + name)) return false;
  return true;
}

bool WriteFileText(const std::string &path, const std::string &text) {
  HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, 0, CREATE_ALWAYS, 0, 0);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = WriteFile(file, text.data(), (DWORD)text.size(), &written, 0);
  CloseHandle(file);
  return ok && written == text.size();
}

std::string ReadFileText(const std::string &path) {
  DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE; // also while a tool writes it
  HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_READ, share, 0, OPEN_EXISTING, 0, 0);
  if (file == INVALID_HANDLE_VALUE) return "";
  std::string text;
  char chunk[4096];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof chunk, &got, 0) && got) text.append(chunk, got);
  CloseHandle(file);
  return text;
}

bool FileExists(const std::string &path) { return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

void RemoveFolderTree(const std::string &folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(Wide(folder + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      std::string path = folder + "\\" + std::string(name.begin(), name.end());
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveFolderTree(path);
      else DeleteFileW(Wide(path).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(Wide(folder).c_str());
}

int RunAndCollect(const std::string &commandLine, const char *variable, std::string *output, DWORD timeout) {
  std::string outputPath = TempFolder() + "\\orvex-child-" + std::to_string(GetCurrentProcessId()) + ".txt";
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, 0, TRUE};
  HANDLE out = CreateFileW(Wide(outputPath).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, 0);
  if (out == INVALID_HANDLE_VALUE) return -1;
  STARTUPINFOW startup;
  memset(&startup, 0, sizeof startup);
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = out;
  startup.hStdError = out;
  PROCESS_INFORMATION process;
  std::wstring line = Wide(commandLine);
  SetEnvironmentVariableA(variable, "1");
  BOOL started = CreateProcessW(0, &line[0], 0, 0, TRUE, 0, 0, 0, &startup, &process);
  SetEnvironmentVariableA(variable, 0);
  CloseHandle(out);
  int code = -1;
  if (started) {
    if (WaitForSingleObject(process.hProcess, timeout) == WAIT_OBJECT_0) {
      DWORD exitCode = 0;
      GetExitCodeProcess(process.hProcess, &exitCode);
      code = (int)exitCode;
    } else {
      TerminateProcess(process.hProcess, 99);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  if (output) *output = ReadFileText(outputPath);
  DeleteFileW(Wide(outputPath).c_str());
  return code;
}

HMODULE LoadFreshLibrary() {
  static int copies = 0;
  std::string path = HostFolder() + "orvexlib-fresh-" + std::to_string(GetCurrentProcessId()) + "-" +
                     std::to_string(++copies) + ".dll";
  HostLibrary(); // the companions stay loaded from the host folder
  if (!CopyInto(HostFolder() + "orvexlib.dll", path)) return 0;
  HMODULE copy = LoadLibraryA(path.c_str());
  if (!copy) DeleteFileA(path.c_str());
  return copy;
}

void FreeFreshLibrary(HMODULE copy) {
  if (!copy) return;
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(copy, path, MAX_PATH);
  FreeLibrary(copy);
  DeleteFileA(std::string(path, length).c_str());
}
