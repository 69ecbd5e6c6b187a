// Kitlib operations of the product folder, the help menu and the helper
// programs: path building and tests, help files and web pages, and starting
// a program with administrator rights. Path buffers handed to Kitlib hold
// MAX_PATH (260) bytes: Kitlib never writes a longer path into them, and
// answers 0 with the buffer emptied when a path would not fit.
#pragma once
#include <windows.h>

#ifndef KITAPI
#define KITAPI __stdcall
#endif

extern "C" {

// ---- Paths ----
// The folder of the running executable, without a trailing backslash, in
// `folder` (MAX_PATH bytes). `exeName` names the program the caller expects
// there; the answer does not depend on it. 1 done, 0 not (folder empty).
int KITAPI GetExecutedDirectory(LPCSTR exeName, LPSTR folder);
// `folder` and `name` joined by one backslash into `target` (MAX_PATH bytes).
// Returns the length of the path, 0 when it would not fit (target empty).
int KITAPI myGetFullPathName(LPSTR target, LPCSTR folder, LPCSTR name);
// Looks for help file `name` of the current language (`language` -1) in
// `folder`. When it is there its path is written to `found` (MAX_PATH bytes)
// and 1 is left in *answer and returned; else 0 (found emptied).
int KITAPI GetAppropriateHelpFile(int language, LPCSTR folder, LPCSTR name, LPSTR found, int *answer);
// Deletes the file: 1 deleted, 0 not.
int KITAPI myRemove(LPCSTR path);
// Finds `needle` in `text`, ignoring the case of ASCII letters and matching
// at character starts only: the first match in `text`, or null.
LPSTR KITAPI j_lstristr(LPCSTR needle, LPCSTR text);
// Tests that `path` exists as a file (kind 2), a folder (kind 1) or either
// (kind 0). When it does not and `quiet` is 0, tells the user in a box owned
// by `owner` (0: the main window). 1 exists, 0 not.
int KITAPI IsFileDirExistWithMessage(HWND owner, LPCSTR path, int kind, int quiet);
// Puts double quotes around `text` in place when it holds a blank and is not
// quoted yet. The buffer must hold two bytes more than the text. Returns 1
// when quotes were added.
int KITAPI Add95QuotationForAnySpaceIfNotThere(LPSTR text);

// ---- Help files and web pages ----
// (myShowHelpFile is declared in frame/kitlib.h.)
// Opens `address` in the browser for control `controlId` of `window`.
// Returns 1 when it was opened.
int KITAPI ReachURLFromString(int controlId, HWND window, LPCSTR address, int reserved);

// ---- Starting a program with administrator rights ----
// Prepares a start of `exe` with `options` for `window`: the slots receive
// Kitlib's copies (the executable in double quotes when it holds a blank),
// valid until the next preparation. 1 done, 0 when a text is too long.
int KITAPI SetExcuteExeFileAndOptionsWith95Quotation(HWND window, LPCSTR exe, LPCSTR options, LPSTR *exeSlot,
                                                     LPSTR *optionsSlot);
// The title of the coming start: text `textId` of the maker's message
// library (kitmsg.dll), in the current language.
int KITAPI SetTitleFromKitmsgFotExecuteExeFile(int textId);
// How long the coming starts wait for the started program: -1 until it ends,
// 0 not at all, else milliseconds.
int KITAPI WaitForSingleObjectForWinExec(int waitMode);
// Starts the prepared program (the slots filled by the preparation) with
// administrator rights when `elevate` is non-zero, shown when `show` is
// non-zero, and waits as set. `record` (40 bytes) receives Kitlib's account:
// word 0 the answer, word 1 the process id, word 2 the exit code when it was
// waited for. 1 started, 0 not.
int KITAPI myExecuteExeFileRequireAdministrator(void *record, HWND window, int show, int elevate, LPSTR *exeSlot,
                                                LPSTR *optionsSlot);

// ---- Stand-in only: the journal of help, web and start requests ----
// Requests are kept in memory, one tab-separated line each:
//   help <command> <topic> <folder\file>
//   url <control id> <address> <main window's title then>
//   runas <exe> <options>
int KITAPI KitJournalCount(void);
// Copies line `index` (0 the oldest kept) into `buffer`, cut on a whole
// character to fit `size`. Returns the bytes copied, 0 when there is no such
// line (buffer emptied).
int KITAPI KitJournalLine(int index, LPSTR buffer, int size);
void KITAPI KitJournalClear(void);
// What ReachURLFromString answers from now on (1 at load).
void KITAPI KitSetUrlAnswer(int answer);

} // extern "C"
