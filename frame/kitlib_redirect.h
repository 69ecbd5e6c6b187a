// Kitlib operations of the captured-output runner and its reader: argument
// vector, pipe and redirection, process helpers.
#pragma once
#include <windows.h>

#ifndef KITAPI
#define KITAPI __stdcall
#endif

// Parameter block of one output reader. Kitlib fills the first three fields
// (SetParamForPipeForRedirect); the runner fills the results file.
struct KITREDIRECTPARAM {
  HANDLE readEnd;    // read end of the capture pipe; the reader stops when 0
  DWORD_PTR kitOne;  // Kitlib's own
  DWORD_PTR kitTwo;  // Kitlib's own
  HANDLE results;    // the results file, or 0
};

extern "C" {

// ---- Argument vector and text helpers ----
// Copies at most size-1 entries of argv and a null into vector; returns the
// number of entries argv holds (more than size-1 means some did not fit).
int KITAPI GetCmdlineParamForExecuteByMyMain(int argc, char **argv, LPSTR *vector, int size);
void KITAPI ClearMemoryByZero(LPVOID block, DWORD length);
int KITAPI ReplaceAlertBellBySpace(LPSTR text);     // non-zero for a text
int KITAPI ReplaceTabBy95QuotationMark(LPSTR text); // non-zero for a text
DWORD KITAPI __fatolu(LPCSTR text);
// The file-name part of a path, or of a command line's executable.
LPSTR KITAPI GetFileName(int zero, LPSTR path);
int KITAPI Remove95Quotation(LPSTR text); // non-zero when it removed a pair
// Puts back the pair Remove95Quotation took away; the text needs room for two
// more bytes.
int KITAPI Add95Quotation(LPSTR text);
LPCSTR KITAPI GetMyRedirectSign(void);

// ---- Capture pipe ----
int KITAPI SetHandlesForRedirect(SECURITY_ATTRIBUTES *attributes, HWND window, UINT message);
void KITAPI SetParamForPipeForRedirect(KITREDIRECTPARAM *block);
void KITAPI SetStdHandleForPipeForRedirect(STARTUPINFOA *startup);
int KITAPI CloseHandlesAfterCreateProcessForRedirect(HWND window, UINT message, int mode);
int KITAPI CloseAllHandlesForRedirect(HWND window, UINT message, int mode);
// Reports a failed system call of the runner to the host window.
void KITAPI DisplayErrorForRedirect(LPCSTR call, HWND window, UINT message, int code);

// ---- Processes, the kill key and the keep-going check ----
int KITAPI TerminateExefileByItsName(LPCSTR executable);
int KITAPI DetectKetwordsToKeepCompiling(int token);
// GetAsyncKeyState, plus a press the stand-in was told to simulate.
int KITAPI myGetAsyncKeyState(int vkey);

// ---- Stand-in only: for the host and the tests ----
void KITAPI KitPressKey(int vkey);              // the next query of vkey sees a press
void KITAPI KitStopCompilingAfter(int answers); // the n-th check from now answers 0; 0 never
// What the last SetHandlesForRedirect was given, as bits: attributes given,
// inheritable, with a security descriptor, whose access list is present but
// null (anyone may open the pipe).
enum {
  KIT_SECURITY_GIVEN = 1,
  KIT_SECURITY_INHERITABLE = 2,
  KIT_SECURITY_DESCRIPTOR = 4,
  KIT_SECURITY_OPEN_TO_ANYONE = 8,
};
int KITAPI KitRedirectSecurity(void);

} // extern "C"
