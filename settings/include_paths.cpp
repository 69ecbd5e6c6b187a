// The C include paths of the projects that are not active, kept for the
// host: one formatted string list (items separated by ';') per slot, slot 0
// and slot 1, each in a global memory block or 0 while the slot has none.
// The host may also hand a slot's handle, or its address, to the list
// operations itself.
//
// Kitlib answers 0 when it cannot get memory and leaves the old block as it
// was; the slot then keeps its old block rather than losing it.
#include "frame/formatted_lists.h"
#include "frame/kitlib.h"

enum { kSlots = 2 };

// Written and read on the host's user-interface thread.
static HGLOBAL g_slots[kSlots];

static bool IsSlot(int slot) { return slot >= 0 && slot < kSlots; }

static void Keep(int slot, HGLOBAL block) {
  if (block) g_slots[slot] = block;
}

// A null or empty text empties a slot's block (a slot without one stays so).
extern "C" void ORVEXAPI SaveIncludePathForNonactiveProject(HWND window, LPCSTR paths, int slot) {
  if (!IsSlot(slot)) return;
  if (paths && paths[0]) Keep(slot, SaveToGlobalMemory(window, g_slots[slot], paths));
  else if (g_slots[slot]) Keep(slot, SaveToGlobalMemory(window, g_slots[slot], ""));
}

// The slot's new handle; a null or empty text is handed back as it came.
extern "C" INT_PTR ORVEXAPI AddIncludePathForNonactiveProject(HWND window, LPCSTR path, int slot) {
  if (!path || !path[0]) return (INT_PTR)path;
  if (!IsSlot(slot)) return 0;
  Keep(slot, AddToGlobalMemory(window, g_slots[slot], path));
  return (INT_PTR)g_slots[slot];
}

extern "C" void ORVEXAPI InitializeIncludePathForNonactiveProject(HWND window, int slot, int force) {
  if (!IsSlot(slot) || !g_slots[slot]) return;
  const char *text = LockFormattedList(g_slots[slot]);
  bool empty = !text || !text[0];
  if (text) GlobalUnlock(g_slots[slot]);
  if (force || empty) SaveIncludePathForNonactiveProject(window, 0, slot);
}

extern "C" int ORVEXAPI GetEachIncludePathForNonactiveProject(LPSTR item, int offset, int slot) {
  if (item) item[0] = 0;
  if (!item || !IsSlot(slot)) return 0;
  return GetEachFilesFromFormattedString(item, offset, &g_slots[slot], kListSeparator);
}

extern "C" HGLOBAL ORVEXAPI GetGlobalDirectoryHandleForCIncludePathForNonactiveProject(int slot) {
  return IsSlot(slot) ? g_slots[slot] : 0;
}

extern "C" HGLOBAL *ORVEXAPI GetGlobalDirectoryHandlePointerForCIncludePathForNonactiveProject(int slot) {
  return IsSlot(slot) ? &g_slots[slot] : 0;
}

extern "C" void ORVEXAPI FreeCIncludePathForNonactiveProject(void) {
  for (int slot = kSlots - 1; slot >= 0; slot--) {
    if (g_slots[slot]) GlobalFree(g_slots[slot]);
    g_slots[slot] = 0;
  }
}
