// Kitlib operations of word completion: lines of list and combo boxes found,
// read, selected and removed by their exact bytes, a folder joined with a
// file name in place, and a memory tag of a given size. A box is control
// `id` of `dialog`, or the `dialog` argument itself when `id` is 0.
#pragma once
#include <windows.h>

#ifndef KITAPI
#define KITAPI __stdcall
#endif

struct KITMEMORYTAG;

// The size by which GetMemoryTagBySize is asked for a path buffer.
enum { kKitPathBufferRequest = 0xFFFFFF };

extern "C" {

// ---- List boxes (lines compared byte for byte: "Foo" is not "foo") ----
// Removes the first line equal to `text`. Its index, -1 when absent.
int KITAPI DeleteSpecifiedTextFromListBox(HWND dialog, int id, LPCSTR text);
// The position of the first line equal to `text`, counted from 1; 0 when
// absent (select position - 1).
int KITAPI FindSpecifiedStringInListBox(HWND dialog, int id, LPCSTR text);
// Selects the first line equal to `text`. Its index, -1 when absent.
int KITAPI SetTextInListBox(HWND dialog, int id, LPCSTR text);

// ---- Combo boxes ----
// Copies line `item` into `buffer` (520 bytes). Its length; -1 when there is
// no such line or it would not fit (buffer emptied).
int KITAPI myGetTextComboBox(HWND combo, int item, LPSTR buffer);
// Removes the first line equal to `text`. Its index, -1 when absent.
int KITAPI DeleteSpecifiedTextFromComboBox(HWND dialog, int id, LPCSTR text);

// ---- Paths and memory ----
// Joins `name` to the folder held in `folder` (a MAX_PATH buffer), one
// backslash between them, in place. The length of the path; 0 when it would
// pass 259 bytes (folder emptied). `zero` is 0.
int KITAPI __myGetFullPathName(int zero, LPSTR folder, LPCSTR name);
// Fills `tag` with a zero-filled block of `size` bytes; size
// kKitPathBufferRequest asks for a path buffer of ITEM_BUFFER_SIZE (520)
// bytes. `filled`, when given, receives the size. Released with
// FreeMemoryTag. 1 done, 0 not (tag emptied).
int KITAPI GetMemoryTagBySize(int mode, KITMEMORYTAG *tag, int size, LPVOID filled);

} // extern "C"
