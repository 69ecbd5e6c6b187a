// Kitlib operations of the menus: the mark between a menu label and its
// shortcut, the modifier keys held down, whether the system is Japanese,
// and the global-memory blocks behind the key-stroke records.
#pragma once
#include <windows.h>

#ifndef KITAPI
#define KITAPI __stdcall
#endif

extern "C" {

// The byte between a menu item's label and its shortcut text: a tab, behind
// which Windows right-aligns the shortcut.
int KITAPI GetKugiriForAltCodeInMenu(void);
// 1 while the virtual key is held down (the calling thread's key state).
int KITAPI CheckSpecialKeyDown(int virtualKey);
// 1 on a system whose ANSI code page is Shift-JIS (932).
int KITAPI IsJapaneseWindowsSystem(void);
// A zero-filled movable block of `size` bytes, or 0; the flags ask nothing
// more of it. The caller locks it and releases it with GlobalFree.
HGLOBAL KITAPI GetGlobalHandle(UINT flags, SIZE_T size);

// ---- Stand-in only, for the host and the tests ----
// 0 or 1 makes IsJapaneseWindowsSystem answer that; -1 goes back to the
// code page.
void KITAPI KitSetJapaneseWindowsSystem(int japanese);
// Blocks of GetGlobalHandle whose handles are still valid (GlobalFlags).
int KITAPI KitGlobalBlocksAlive(void);
// Memory tags filled by GetMemoryTag and not yet released by FreeMemoryTag.
int KITAPI KitMemoryTagsOutstanding(void);

} // extern "C"
