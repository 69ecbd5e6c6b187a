// Kitlib operations on paths, files and list boxes used by the library's path
// and file services: folder and name parts, relative and full paths,
// existence and kind tests with their boxes, quoting, system folders, line
// counting, reading a file into global memory with its encoding converted,
// and check boxes and tab stops. Paths are Shift-JIS; a path buffer holds
// MAX_PATH (260) bytes unless said otherwise.
#pragma once
#include <windows.h>

#ifndef KITAPI
#define KITAPI __stdcall
#endif

extern "C" {

// ---- Names and folders ----
// Cuts `path` in place at its last backslash, keeping the backslash of a
// drive root ("C:\"). Returns `path`; null for null.
LPSTR KITAPI GetDirectoryPathInFile(LPSTR path);
// The dot of the file name's extension, or null when the name has none.
LPSTR KITAPI GetFileExtension(LPCSTR path);
// 1 when the extension of `name` is `extension` (no dot), ASCII letters folded.
int KITAPI IsExtMatched(LPCSTR name, LPCSTR extension);

// ---- Relative and full paths ----
// Resolves `relative` against the folder `base` into `target` (MAX_PATH
// bytes), "." and ".." taken away; a path that is already absolute (drive or
// "\\" start) is copied. Returns `target`, or null when the base is missing,
// the path climbs above its root or the result does not fit.
LPSTR KITAPI FindNormalPathFromRelativePath(LPSTR target, LPCSTR relative, LPCSTR base);
// When `path` lies in the folder `base` (whole folder names, ASCII case
// folded), the place in `path` behind the base and its backslash; else `path`.
LPSTR KITAPI FindRelativePathFromNormalPath(LPCSTR path, LPCSTR base);

// ---- Copies ----
// A copy of `text` in a buffer of GetStringPointerBySize, released with
// FreeStringPointer(*handleWord, copy). Null for null.
LPSTR KITAPI GetStringPointer(HGLOBAL *handleWord, LPCSTR text);

// ---- Existence and kind ----
// 2 for a file, 4 for a folder, 0 for neither (or null).
int KITAPI IsDirectoryAttribute(LPCSTR path);
// 1 when a file or folder of that name exists, else 0.
int KITAPI IsFileDirExist(LPCSTR path);
// 1 when the folder exists (its drive asked first); `reserved` is 0.
int KITAPI IsDirExistWithDriveChecking(LPCSTR path, int reserved);
// Tells the user in a box owned by `owner` that folder `path` is wrong:
// `message` above the path. `kind` 2 is a missing folder; `reserved` 0.
// Returns the button.
int KITAPI AlertDirectory(HWND owner, LPCSTR path, int kind, LPCSTR message, int reserved);
// Looks for the file `path` (double quotes ignored). Found: its full path in
// `found` (520 bytes) and 1. Not there: 0. A name that cannot be a path
// (null, empty, too long): -3.
int KITAPI IsRelatedFileExist(LPCSTR path, LPSTR found);
// The box of a file that could not be used: `text`, the path and the OS text
// of the pending error (mySetLastError), in the style of
// SetHelpDosErrorMessage; `reserved` 0. Returns the button.
int KITAPI DosErrorMessage(HWND owner, LPCSTR path, LPCSTR text, LPCSTR title, int reserved);
// Non-zero when the folder must not be touched: a drive root, the Windows
// folder, the system folder or a program-files folder; mode 0 (delete) also
// any folder holding one of them, mode 1 (create) also any folder inside
// the Windows folder. ASCII case folded, a trailing backslash ignored.
int KITAPI ThisFolderRelatedToSystemFolder(LPCSTR path, int mode);

// ---- Double quotes ----
// (Remove95Quotation and Add95Quotation are in frame/kitlib_redirect.h,
// Add95QuotationForAnySpaceIfNotThere in frame/kitlib_product.h.)
// 1 when the text starts and ends with a double quote (two bytes at least).
int KITAPI Is95QuotationMarkThere(LPCSTR text);

// ---- Lines ----
// 1 when the byte can follow a lead byte in a two-byte character.
int KITAPI _myIskanji2(int byte);
// Steps over one line end (CR LF, lone CR or lone LF) at `position`; any
// other byte is returned as it is. Null for null.
LPSTR KITAPI SkipCRorNL(LPCSTR position);
// Removes every CR and LF at the end of the text in place; returns how many.
int KITAPI RemoveAllContinuousEndMarksFromEnd(LPSTR text);
// Lines of the text: its line ends (CR LF once), and one more when text
// follows the last of them; 0 for null or an empty text.
int KITAPI CountLine(LPCSTR text);

// ---- Files ----
// Reads the whole file into a new movable global block (unlocked, with two
// NUL bytes after the content); record[0] and record[1] receive the length's
// low and high words. 0 when it cannot be read (nothing allocated).
HGLOBAL KITAPI OpenReadOnlyFile(LPCSTR name, DWORD *record);
// Converts the locked text (*length bytes in *block, locked at *pointer) to
// Shift-JIS (code page 932) when it is UTF-8 (with or without byte-order
// mark) or UTF-16LE with its mark. On a conversion the block is replaced
// (the old one freed), *pointer is its new locked address and *length the
// new length. *encoding: 0 Shift-JIS or ASCII (left unchanged), 1 UTF-8,
// 2 UTF-8 with mark, 3 UTF-16LE with mark. Returns 1, 0 when the conversion
// failed (block, pointer and length unchanged). `reserved` is -1.
int KITAPI GetShiftJisCodeFromOtherCodes(LPSTR text, DWORD *length, HGLOBAL *block, LPSTR *pointer, int *encoding,
                                         int reserved);

// ---- Dialog controls ----
// The check state of button `id` of `dialog` (BST_...), 0 for no control.
int KITAPI myGetCheckedState(HWND dialog, int id);
// Sets one tab stop at `position` (dialog units) in list box `box`;
// `reserved` 0. 1 done.
int KITAPI SetOneTabInListBox(HWND box, int reserved, int position);

} // extern "C"
