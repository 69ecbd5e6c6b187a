// Kitlib operations behind the file and folder choosers and the formatted
// string lists: the common file dialog and the folder dialog with the folder
// and files they leave chosen, the steps over a path that decide where a
// dialog starts, the titles of the choosers, lines added to list and combo
// boxes with the focus on them, and the test of a drive.
#pragma once
#include <windows.h>

#ifndef KITAPI
#define KITAPI __stdcall
#endif

extern "C" {

// ---- The file and folder dialogs ----
// Opens a dialog owned by `window` with `title`. With a `filter` (fields
// separated by '|', a shown name and its patterns, each field followed by
// '|'; a '|' counts only as a character of its own) it is the common Open
// dialog in explorer style, with `option` as its OFN_ flags (0x200 several
// files, 0x1000 the files must exist; hook and template bits are ignored);
// without one it is the folder dialog. It starts in the folder that `path`
// carries in, or in the SetDlgCurrentDir folder when `path` is null or
// empty. `last` is 0. Answers 0 when nothing was chosen, -1 on a failure,
// else the number of names chosen; the choice is then read with
// GetDlgCurrentDir and GetDlgCurrentFileWithPath.
int KITAPI my_wmFileOpen(HWND window, LPCSTR title, LPCSTR filter, LPSTR path, int option, int last);
// The folder of the last choice, or the one SetDlgCurrentDir made current.
// Never null.
LPSTR KITAPI GetDlgCurrentDir(void);
// The names of the last file choice: full paths, each NUL-ended, then an
// empty text. Never null; empty after ResetDlgCurrentDirAndFile.
LPSTR KITAPI GetDlgCurrentFileWithPath(void);
// Makes `folder` the current folder of the process and of the dialogs. 1
// done, 0 when it is not a folder (nothing changes).
int KITAPI SetDlgCurrentDir(LPCSTR folder);
// Sets the file name the next dialog shows (with or without its folder);
// "" clears it.
void KITAPI SetDlgCurrentFileWithPath(LPCSTR text);
void KITAPI SetDlgCurrentFileWithoutPath(LPCSTR text);
// Releases the memory of the last choice (its names read as empty after it).
void KITAPI ReleaseAllocMemoryForFileOpen(void);
// Forgets the dialogs' folder and file.
void KITAPI ResetDlgCurrentDirAndFile(void);
// The title of a chooser by its kind (2 a folder, 15 a library, 16 a DLL
// file) or by its filter text id, in the current language; a general title
// for any other value. Never null.
LPCSTR KITAPI GetTitleForFileOpen(int kind);

// ---- Steps over a path ----
// The first backslash of `path` that is a character of its own, or null.
LPSTR KITAPI FindYenMark(LPCSTR path);
// Cuts the last component of `path` in place ("C:\a\b" gives "C:\a", "C:\a"
// gives "C:\"). Answers 1, or -10 when no component is left to cut.
int KITAPI GetUpperDirectory(LPSTR path);
// The current folder of the process in `buffer` of `size` bytes; the buffer,
// or null (buffer empty) when it does not fit.
LPSTR KITAPI myGetcwd(LPSTR buffer, int size);
// Copies a list of NUL-ended texts ending with an empty text, the empty text
// included. Returns the bytes copied. The target must hold them.
int KITAPI MoveMemorySeparetedByZero(LPSTR target, LPCSTR source);
// Removes `mark` from the end of `text` when it is its last character.
// Returns 1 when it was removed.
int KITAPI RemoveEndMarkInString(LPSTR text, int mark);
// The same on the text of a global-memory block, in place.
int KITAPI RemoveEndMarkInGlobalMemory(HGLOBAL *block, int mark);
// Normalises a folder that the folder dialog gave: a trailing backslash goes
// unless the folder is a drive root. `kind` is 24 and `reserved` 0.
LPSTR KITAPI ConvertWin95CharacterSet(LPSTR text, int kind, int reserved);

// ---- Lines added with the focus on them ----
// Adds `text` to the combo box unless an equal line (ASCII letters folded) is
// there, selects it and, with `focus`, gives the box the keyboard focus.
// 1 done, -1 for no box, a null text or a line the box refused.
int KITAPI AddFocusInComboBox(HWND dialog, int id, LPCSTR text, int focus);
// The same for a list box; `ignoreCase` 0 compares exact bytes. Returns the
// line's index, -1 as above.
int KITAPI AddFocusInListBox(HWND dialog, int id, LPCSTR text, int ignoreCase, int focus);

// ---- Drives ----
// With `check`, 1 when `path` starts with a drive letter whose drive does not
// exist; unless `quiet`, a box owned by `owner` says so. 0 otherwise.
int KITAPI IsBadDrive(HWND owner, LPCSTR path, int quiet, int check);

} // extern "C"
