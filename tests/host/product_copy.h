// Folders of their own for the product-folder tests: a temporary folder
// holding the library and its companions beside a program that plays the
// IDE, so that the product folder is one the test controls. Paths are ASCII
// and may be longer than MAX_PATH (the wide file functions are used).
#pragma once
#include <windows.h>
#include <string>

// The system's temporary folder, without a trailing backslash.
std::string TempFolder();
// Makes the folder with its parents and copies the library and its companion
// libraries into it.
bool MakeLibraryFolder(const std::string &folder);
bool CopyInto(const std::string &from, const std::string &to);
bool WriteFileText(const std::string &path, const std::string &text);
std::string ReadFileText(const std::string &path);
bool FileExists(const std::string &path);
void RemoveFolderTree(const std::string &folder);
// Runs `commandLine` with the environment variable `variable` set to "1",
// waits up to `timeout` ms and returns its exit code, -1 when it could not
// be started or did not end. Its output (both streams) goes to *output.
int RunAndCollect(const std::string &commandLine, const char *variable, std::string *output, DWORD timeout);
