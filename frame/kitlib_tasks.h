// Kitlib operations of the single-task dialogs and of the import-library
// dialog: the clipboard, bringing a window to the front, the printing abort
// flag, emptying a folder into the recycle bin, file-name checks, making
// folders and testing whether a folder takes new files, the desktop folder
// and its menu label, and marking an edit's text.
#pragma once
#include <windows.h>

#ifndef KITAPI
#define KITAPI __stdcall
#endif

extern "C" {

// ---- Windows ----
// Brings `window` to the front and activates it; `reserved` 0. 1 done.
int KITAPI mySetForegroundWindowAlways(HWND window, int reserved);
// Selects the whole text of edit `id` of `dialog` and gives it the focus.
int KITAPI SetReversedInEdit(HWND dialog, int id);

// ---- Clipboard ----
// Whether ToClip tells the user that it copied (0, at load) or stays silent
// (1). The setter returns the previous setting.
int KITAPI SetSuppressCopyClipBoardMessage(int suppress);
int KITAPI IsSuppressCopyClipBoardMessage(void);
// Puts the first `size` bytes of `text` (up to its NUL) on the clipboard of
// `owner` in clipboard format `ansiFormat` (1, CF_TEXT) and, converted from
// Shift-JIS, in `wideFormat` (13, CF_UNICODETEXT; 0 for none). 1 done.
int KITAPI ToClip(HWND owner, LPCSTR text, int size, int ansiFormat, int wideFormat);

// ---- Printing ----
// Raised by the user's Cancel in the printing box; the printing loop reads it.
void KITAPI SetAbortPrinting(int abort);

// ---- Emptying folders ----
// The dialog that a deletion runs for (its owner of boxes), 0 when none;
// `reserved` 0.
void KITAPI SetDlgBoxItemsForDeleting(HWND dialog, int reserved);
// 1: read-only files are deleted as well.
void KITAPI SetAllDelByForce(int force);
// 1: deleted files go to the recycle bin; `reserved` 0.
void KITAPI SetTrashActivated(int trash, int reserved);
// Deletes what matches `pattern` in `folder` (files and folders) without
// asking, the process's current folder set to `currentFolder` (when given)
// first, so that it is not inside what goes. `owner`, `reserved1`, `titleId`
// and `reserved2` are kept for the boxes. Returns the number of entries it
// found, -1 when the folder cannot be read. The found names stay listed until
// ReleaseFoundFileList.
int KITAPI DelWild(HWND owner, int reserved1, int titleId, int reserved2, LPCSTR folder, LPCSTR pattern,
                   LPCSTR currentFolder);
void KITAPI ReleaseFoundFileList(void);

// ---- File names and folders ----
// Makes the next IsBadFname test a bare file name: no folder part allowed.
void KITAPI OnlyFileNameOnlyForIsBadFname(int nameOnly);
// 1 when `name` cannot be a file name (or a path, unless a bare name was
// asked for): empty, too long, a character that names cannot hold, or a
// blank or period at its end. With `show` a box owned by `owner` says so.
int KITAPI IsBadFname(HWND owner, LPCSTR name, int show);
// 1 when the path starts at a root: a drive ("C:\"), a server ("\\") or
// the root of the current drive ("\").
int KITAPI IsRootDirIncluded(LPCSTR path);
// Makes the folder (its parent must exist). 0 done or already there, -1 not.
int KITAPI myMkdir(LPCSTR folder);
// Tries to create a file in `folder`: 0 when it can, else the system's error
// code (5 when access is denied).
int KITAPI IsCreatngFileForbidden(LPCSTR folder);

// ---- The desktop ----
// The label of the desktop entry of Kitlib's folder menu, its shortcut text
// after the menu's separator mark, or null when there is none; `kind` 10 is
// the desktop.
LPCSTR KITAPI GetDesktopMenuHandle(int kind);
// The desktop folder in `buffer` (MAX_PATH bytes); the buffer, or null
// (buffer empty) when it is not known. `kind` 10 is the desktop.
LPSTR KITAPI GetDesktopDirectory(LPSTR buffer, int kind);

// ---- Stand-in only ----
// What GetWindowsPlatform answers from now on; -1 its real answer (at load).
void KITAPI KitSetWindowsPlatform(int flags);
// The value of the printing abort flag.
int KITAPI KitIsAbortPrinting(void);
// DelWild deletes only inside `root` (null: nowhere); every request is written
// to the journal as "delete <folder> <pattern>" wherever it is.
void KITAPI KitSetDeletionRoot(LPCSTR root);
// IsCreatngFileForbidden answers 5 for this folder (null: none).
void KITAPI KitSetCreatingForbiddenFolder(LPCSTR folder);
// What GetDesktopDirectory answers (null: the user's real desktop) and the
// desktop menu entry (null: none; at load a label of the current language).
void KITAPI KitSetDesktopDirectory(LPCSTR folder);
void KITAPI KitSetDesktopMenuEntry(LPCSTR label);

} // extern "C"
