// The scratch folder of the path and file tests.
#include "paths_support.h"

std::string MakeScratchFolder() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  for (int n = 0; n < 1000; n++) {
    std::string folder = std::string(temp) + "orvex paths " + std::to_string(GetCurrentProcessId()) + "-" +
                         std::to_string(n);
    if (CreateDirectoryA(folder.c_str(), 0)) return folder + "\\";
  }
  return "";
}

void RemoveScratchFolder(const std::string &folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveScratchFolder(folder + name + "\\");
      else DeleteFileA((folder + name).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

bool WriteBytes(const std::string &path, const std::string &bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, 0, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, 0);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool done = WriteFile(file, bytes.data(), (DWORD)bytes.size(), &written, 0) && written == bytes.size();
  CloseHandle(file);
  return done;
}
