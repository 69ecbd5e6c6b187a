// The product folder and the names of the product's own files, for the other
// parts of the library (help buttons of the dialogs, the runtime-library help
// lookup, the function databases).
#pragma once
#include "frame/instance.h"

// Help-file indexes of IsHelpFileThere.
enum { kProductHelpFile = 0, kSwitchHelpFile = 1, kRuntimeHelpFile = 2 };

extern "C" {
void ORVEXAPI SetOrvexDirectory(void);
// The product folder without a trailing backslash; empty until
// SetOrvexDirectory found it.
LPSTR ORVEXAPI GetOrvexDirectory(void);
// The full path of the IDE executable: copied into `buffer` (260 bytes) and
// the buffer returned, or with null the library's own copy.
LPSTR ORVEXAPI GetOrvexFullPathName(LPSTR buffer);
int ORVEXAPI ThisIsOrvexDirectory(LPCSTR path);
int ORVEXAPI ThisContainsOrvexDirectory(LPCSTR text);
LPCSTR ORVEXAPI GetOrvexHelp(void);
LPCSTR ORVEXAPI GetOrvexSwitchHelp(void);
LPCSTR ORVEXAPI GetUpdateDll(void);
LPCSTR ORVEXAPI GetOrvexUpdateSubDirectory(void);
LPSTR ORVEXAPI GetOrvexNewerExeFile(void);
// 1 when help file `index` (0 product, 1 switches, 2 runtime library) is in
// the product folder; its path is then in the scratch path.
int ORVEXAPI IsHelpFileThere(int index);
int ORVEXAPI RemoveVeilExe(void);
}

// The full path of the elevated helper executable; empty until
// SetOrvexDirectory found the product folder.
LPCSTR ElevatedHelperPath(void);

// Opens help file `index` of the product folder with WinHelp `command` (11
// the help-topics window, 1 a topic) at `topic`. Nothing is opened before
// SetOrvexDirectory found the folder, nor for another index.
void ShowProductHelp(HWND window, int index, int command, int topic);
