// Files and folders of the tests: scratch folders, copies of the library
// (a folder holding it with its companions, so that the product folder is
// one the test controls, or a private copy loaded beside the shared one),
// whole files written and read, and programs run with their output caught.
// Paths may be longer than MAX_PATH (the wide file functions are used).
#pragma once
#include <windows.h>
#include <string>

// The system's temporary folder, without a trailing backslash.
std::string TempFolder();
// A fresh, empty folder "orvex <name> <process id>" in the temporary folder.
std::string ScratchFolder(const std::string &name);
// Makes `folder` (its parent must exist) and returns it.
std::string MakeFolder(const std::string &folder);
void RemoveFolderTree(const std::string &folder);
// Makes the folder with its parents and copies the library and its companion
// libraries into it.
bool MakeLibraryFolder(const std::string &folder);
bool CopyInto(const std::string &from, const std::string &to);
bool WriteFileText(const std::string &path, const std::string &text);
std::string ReadFileText(const std::string &path); // every byte; empty when it cannot be read
bool FileExists(const std::string &path);
// Runs `commandLine` with the environment variable `variable` set to "1",
// waits up to `timeout` ms and returns its exit code, -1 when it could not
// be started or did not end. Its output (both streams) goes to *output.
int RunAndCollect(const std::string &commandLine, const char *variable, std::string *output, DWORD timeout);

// A private copy of orvexlib.dll loaded beside the shared one, under a name
// of this process's own: its globals are at their load values whatever the
// other tests did, as in a fresh process. Null when it cannot be made.
HMODULE LoadFreshLibrary();
// Unloads the copy and deletes its file.
void FreeFreshLibrary(HMODULE copy);
