// The library's path and file services: the base folder of the current
// project, relative and full paths, existence checks that tell the user,
// source-file classes, untitled names, display shortening, reading a project
// text file as Shift-JIS, and list-box and check-box conveniences.
#pragma once
#include "frame/instance.h"

// The lock record of a function list: a global block, its address while
// locked (0 when not) and the number of locks taken.
struct NESTEDLOCK {
  HGLOBAL block;
  LPVOID pointer;
  DWORD_PTR count;
};

extern "C" {

// Base folder and old base folder (260-byte buffers, empty at load).
LPSTR ORVEXAPI SaveBaseFolder(LPCSTR path);
LPSTR ORVEXAPI SaveOldBaseFolder(LPCSTR path);
LPSTR ORVEXAPI GetBaseFolder(void);
LPSTR ORVEXAPI GetOldBaseFolder(void);
int ORVEXAPI IsBaseFolderThere(void);
int ORVEXAPI IsOldBaseFolderThere(void);
void ORVEXAPI ClearBaseFolder(void);
void ORVEXAPI ClearOldBaseFolder(void);
LPSTR ORVEXAPI FindNormalPathFromRelativePathForOrvex(LPSTR target, LPCSTR relative, LPCSTR base);
LPSTR ORVEXAPI FindRelativePathFromNormalPathForOrvex(LPCSTR path, LPCSTR base);

// Existence and kind.
int ORVEXAPI IsDirectoryAttributeForOrvex(LPCSTR path);
int ORVEXAPI IsFileDirExistForOrvex(LPCSTR path);
LPSTR ORVEXAPI GetDirExistWithMessage(HWND window, LPSTR path, int messageId, int show);
LPSTR ORVEXAPI GetFileExistWithMessage(HWND window, LPSTR path, int messageId, int secondId, int titleId, int show);
int ORVEXAPI ThisContainsSystemFolderToDelete(LPCSTR path);
int ORVEXAPI ThisIsSystemFolderToCreate(LPCSTR path);

// Source files and names.
int ORVEXAPI IsFileEffectiveSourceFile(LPCSTR name, int flags);
LPCSTR ORVEXAPI GetCompileSourceExtWindowsSeparatedBySpace(void);
LPCSTR ORVEXAPI GetCompileSourceExtConsoleSeparatedBySpace(void);
LPSTR ORVEXAPI GetFileNameWithoutExtension(LPSTR path, int nameOnly, LPSTR *dotPlace, LPSTR removed);
LPSTR ORVEXAPI ConvertJapaneseNameToRandomAscciName(LPSTR name);
int ORVEXAPI AllowNonAlphabet(int byte);
LPCSTR ORVEXAPI GetNoNameString(int language);
int ORVEXAPI IsFileWithNoName(LPCSTR name);
LPSTR ORVEXAPI FormatStringForOrvex(LPSTR text);
int ORVEXAPI GetOutputPath(LPCSTR source, LPSTR destination, int size);

// Display texts and lines.
int ORVEXAPI GetShortStringIfLonger(LPSTR text, int *length);
int ORVEXAPI CountLineNumber(LPCSTR text, LPCSTR last);
LPSTR ORVEXAPI SetNewEmptyEndAtCompileDotC(LPSTR text, LPSTR *cut, LPSTR saved);

// Files and function-list locks.
HGLOBAL ORVEXAPI OpenReadOnlyFileForProject(LPCSTR name, DWORD *record, int *encoding, int convert);
LPVOID ORVEXAPI GlobalLockForPointerOfFunctionList(NESTEDLOCK *lock);
int ORVEXAPI GlobalUnlockForPointerOfFunctionList(NESTEDLOCK *lock);

// Dialog conveniences.
int ORVEXAPI GetCheckedStateForOrvex(HWND dialog, int id);
int ORVEXAPI PutVkeyNameInEdit(HWND window, int id, LPCSTR text);
int ORVEXAPI SetTab(HWND dialog, int id, int position);
int ORVEXAPI SetListTabs(HWND dialog, int id, int position);
int ORVEXAPI SetListTabsOutsideRect(HWND dialog, int id, int position);
int ORVEXAPI SetTerminatedWindowsInOrvexstr(int value);

} // extern "C"
