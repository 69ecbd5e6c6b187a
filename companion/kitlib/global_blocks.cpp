// Zero-filled movable blocks of global memory for records that their owner
// locks and frees itself (GlobalUnlock, GlobalFree). Kitlib never sees the
// release, so the stand-in remembers each handle it gave out and counts as
// alive those that GlobalFlags still takes for valid handles; a handle found
// freed is forgotten, so a later block that reuses it counts once.
#include "frame/kitlib.h"
#include <vector>

// Handles given out and not yet seen freed; any thread, under g_lock.
static SRWLOCK g_lock = SRWLOCK_INIT;
static std::vector<HGLOBAL> g_blocks;

static bool IsAlive(HGLOBAL block) { return GlobalFlags(block) != GMEM_INVALID_HANDLE; }

// Call with g_lock held.
static void ForgetFreedBlocks() {
  size_t kept = 0;
  for (HGLOBAL block : g_blocks)
    if (IsAlive(block)) g_blocks[kept++] = block;
  g_blocks.resize(kept);
}

extern "C" HGLOBAL KITAPI GetGlobalHandle(UINT flags, SIZE_T size) {
  if (size == 0 || size > 0x7FFFFFFF) return 0;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  if (!block) return 0;
  AcquireSRWLockExclusive(&g_lock);
  ForgetFreedBlocks();
  g_blocks.push_back(block);
  ReleaseSRWLockExclusive(&g_lock);
  return block;
}

extern "C" int KITAPI KitGlobalBlocksAlive(void) {
  AcquireSRWLockExclusive(&g_lock);
  ForgetFreedBlocks();
  int alive = (int)g_blocks.size();
  ReleaseSRWLockExclusive(&g_lock);
  return alive;
}
