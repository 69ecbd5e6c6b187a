// Interface of Kitlib, the maker's utility library, as this library calls it.
// The stand-in in companion/kitlib implements exactly these declarations; a
// real Kitlib exports the same names.
#pragma once
#include <windows.h>

#define KITAPI __stdcall

// Kitlib's three-word record holding a copy of a text in global memory.
struct KITMEMORYTAG {
  HGLOBAL hMem;   // the block holding the copy, or 0
  LPSTR text;     // its locked address, or 0
  DWORD_PTR size; // bytes in the block
};

extern "C" {

// ---- Language, buffers, memory tags (used everywhere) ----
int KITAPI GetLanguage(void);
LPSTR KITAPI GetStringPointerBySize(HGLOBAL *handleWord, int zero, int size, LPVOID filled);
void KITAPI FreeStringPointer(HGLOBAL handle, LPSTR buffer);
HGLOBAL KITAPI SaveToGlobalMemory(HWND window, HGLOBAL block, LPCSTR text);
HGLOBAL KITAPI AddToGlobalMemory(HWND window, HGLOBAL block, LPCSTR text);
int KITAPI GetMemoryTag(int mode, KITMEMORYTAG *tag, LPCSTR text);
void KITAPI FreeMemoryTag(KITMEMORYTAG *tag);

// ---- Windows and dialogs ----
HWND KITAPI myGetDlgItem(HWND dialog, int id);
BOOL KITAPI myEnableWindow(HWND window, int enable);
HWND KITAPI GethWndMain(void);
int KITAPI cwCenter(HWND owner, HWND dialog);
INT_PTR KITAPI DisplayBox(HWND owner, DLGPROC proc, LPCSTR templateName, HINSTANCE instance);
HCURSOR KITAPI PutHourGlassCursor(void);
HCURSOR KITAPI PutArrowCursor(void);

// ---- Text ----
int KITAPI _myIskanji(int byte);
int KITAPI DeleteSpaceAtBeginning(LPSTR text);
int KITAPI DeleteSpaceAtEnd(LPSTR text);

// ---- Errors ----
void KITAPI mySetLastError(DWORD error);

// ---- Help ----
// Opens help file `file` of `folder` with WinHelp `command` (11 the
// help-topics window, 1 a topic) at `topic`; `reserved` is -1. 1 when the
// file exists.
int KITAPI myShowHelpFile(int reserved, HWND window, LPCSTR folder, LPCSTR file, int command, int topic);

// ---- Stand-in only: what the real library takes from the host's own set-up.
// Never called by orvexlib.dll; the host and the tests use them.
void KITAPI KitSetLanguage(int language);
void KITAPI KitSetMainWindow(HWND window);
// Loads string `id` of a message-library instance in the language given
// (0 English, else Japanese) as Shift-JIS into buffer; returns its length,
// 0 when the id has no text (buffer then empty).
int KITAPI KitLoadText(HINSTANCE instance, int id, int language, LPSTR buffer, int size);
// Buffers of GetStringPointerBySize not yet released with FreeStringPointer.
int KITAPI KitBuffersOutstanding(void);

} // extern "C"

// Operations of narrower use, one header per topic.
#include "frame/kitlib_messages.h" // message boxes, OS-error texts, sounds
#include "frame/kitlib_redirect.h" // the runner's pipe, process and argument helpers
#include "frame/kitlib_scanning.h" // character and line walkers of source-text scanning
#include "frame/kitlib_product.h"  // product paths, help files, web pages, elevated starts
#include "frame/kitlib_windows.h"  // box hiding, bitmaps, showing and redrawing windows
#include "frame/kitlib_machine.h"  // machine facts of the About box
#include "frame/kitlib_paths.h"    // paths, files, existence boxes, list tabs
#include "frame/kitlib_lists.h"    // lines of list and combo boxes, horizontal extents
#include "frame/kitlib_choosers.h"  // file and folder dialogs, path steps, focused lines, drives
#include "frame/kitlib_tasks.h"     // clipboard, deletion, names, desktop of the single-task dialogs
#include "frame/kitlib_menus.h"    // Kugiri mark, modifier keys, Japanese system, global blocks
#include "frame/kitlib_completion.h" // lines by exact bytes, paths joined in place, sized tags
#include "frame/kitlib_colours.h"  // the colour palette and its brushes, check-box groups
#include "frame/kitlib_tools.h"    // clipboard copies, folder windows, programs of command lines
#include "frame/kitlib_print.h"    // the printed page layout and its dialog's helpers
