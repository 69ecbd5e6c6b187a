// Scratch folders: one per test, emptied when it is made again.
#include "host/scratch_folder.h"
#include "host/product_copy.h"
#include <windows.h>

std::string ScratchFolder(const std::string &name) {
  std::string folder = TempFolder() + "\\orvex " + name + " " + std::to_string(GetCurrentProcessId());
  RemoveFolderTree(folder);
  return MakeFolder(folder);
}

std::string MakeFolder(const std::string &folder) {
  CreateDirectoryA(folder.c_str(), 0);
  return folder;
}
