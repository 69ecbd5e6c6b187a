// Signatures of the path and file exports as the host calls them, and a
// scratch folder with a blank in its name for the tests that need files.
#pragma once
#include "host/host.h"
#include "host/text_checks.h"
#include <gtest/gtest.h>
#include <string>

typedef char *(__stdcall *PathToPath)(const char *path);
typedef char *(__stdcall *NoArgText)(void);
typedef int(__stdcall *NoArgInt)(void);
typedef int(__stdcall *PathToInt)(const char *path);
typedef char *(__stdcall *NormalFromRelative)(char *target, const char *relative, const char *base);
typedef char *(__stdcall *RelativeFromNormal)(const char *path, const char *base);
typedef int(__stdcall *SourceClass)(const char *name, int flags);
typedef char *(__stdcall *WithoutExtension)(char *path, int nameOnly, char **dot, char *removed);
typedef char *(__stdcall *InPlace)(char *text);
typedef const char *(__stdcall *IntToText)(int value);
typedef int(__stdcall *OutputPath)(const char *source, char *destination, int size);
typedef int(__stdcall *ShortString)(char *text, int *length);
typedef int(__stdcall *LineNumber)(const char *text, const char *last);
typedef char *(__stdcall *CompileCut)(char *text, char **cut, char *saved);
typedef HGLOBAL(__stdcall *ProjectFile)(const char *name, DWORD *record, int *encoding, int convert);
typedef char *(__stdcall *DirWithMessage)(HWND window, char *path, int messageId, int show);
typedef char *(__stdcall *FileWithMessage)(HWND window, char *path, int messageId, int secondId, int titleId,
                                           int show);

// A fresh folder "orvex paths N" under the temporary folder, with a trailing
// backslash; removed with what it holds by RemoveScratchFolder.
std::string MakeScratchFolder();
void RemoveScratchFolder(const std::string &folder);
// Writes the bytes to the file; true when done.
bool WriteBytes(const std::string &path, const std::string &bytes);
