// Text buffers and global-memory texts. Buffers are zero-filled movable global
// blocks, locked for as long as the caller holds them, so that a buffer handed
// to a host stays valid across the host's own global-memory calls.
#include "frame/kitlib.h"
#include <string.h>

// Buffers handed out and not yet released, counted on whichever thread takes
// or releases one; read by the tests (stand-in only).
static volatile LONG g_buffersOutstanding = 0;

// `filled`, when given, is the address of a 32-bit word that receives the
// buffer's size, for callers that pass the buffer on with its size.
extern "C" LPSTR KITAPI GetStringPointerBySize(HGLOBAL *handleWord, int zero, int size, LPVOID filled) {
  if (handleWord) *handleWord = 0;
  if (filled) *(INT32 *)filled = 0;
  if (size <= 0) return 0;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (SIZE_T)size);
  if (!block) return 0;
  LPSTR text = (LPSTR)GlobalLock(block);
  if (!text) {
    GlobalFree(block);
    return 0;
  }
  if (handleWord) *handleWord = block;
  if (filled) *(INT32 *)filled = size;
  InterlockedIncrement(&g_buffersOutstanding);
  return text;
}

extern "C" void KITAPI FreeStringPointer(HGLOBAL handle, LPSTR buffer) {
  if (!handle && buffer) handle = GlobalHandle(buffer);
  if (!handle) return;
  GlobalUnlock(handle);
  if (GlobalFree(handle) == 0) InterlockedDecrement(&g_buffersOutstanding);
}

extern "C" int KITAPI KitBuffersOutstanding(void) { return g_buffersOutstanding; }

// Memory tags filled and not yet released, counted like the buffers.
static volatile LONG g_tagsOutstanding = 0;

extern "C" int KITAPI KitMemoryTagsOutstanding(void) { return g_tagsOutstanding; }

// Makes `block` (or a new block when 0) hold `prefixLength` bytes of its own
// text followed by `text`, NUL-terminated. Returns the block to keep, or 0
// when memory could not be had (the old block is then left untouched).
static HGLOBAL StoreText(HGLOBAL block, SIZE_T prefixLength, LPCSTR text) {
  SIZE_T add = text ? strlen(text) : 0;
  SIZE_T need = prefixLength + add + 1;
  HGLOBAL target = block ? GlobalReAlloc(block, need, GMEM_MOVEABLE | GMEM_ZEROINIT)
                         : GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, need);
  if (!target) return 0;
  LPSTR dest = (LPSTR)GlobalLock(target);
  if (!dest) return target;
  if (add) memcpy(dest + prefixLength, text, add);
  dest[prefixLength + add] = 0;
  GlobalUnlock(target);
  return target;
}

static SIZE_T TextLengthOf(HGLOBAL block) {
  if (!block) return 0;
  LPCSTR text = (LPCSTR)GlobalLock(block);
  if (!text) return 0;
  SIZE_T capacity = GlobalSize(block);
  SIZE_T length = 0;
  while (length < capacity && text[length]) length++;
  GlobalUnlock(block);
  return length;
}

extern "C" HGLOBAL KITAPI SaveToGlobalMemory(HWND window, HGLOBAL block, LPCSTR text) {
  HGLOBAL result = StoreText(block, 0, text);
  return result ? result : block;
}

extern "C" HGLOBAL KITAPI AddToGlobalMemory(HWND window, HGLOBAL block, LPCSTR text) {
  HGLOBAL result = StoreText(block, TextLengthOf(block), text);
  return result ? result : block;
}

// Mode 0 and 1 both copy the text; the mode only matters to the real library's
// bookkeeping. The tag is overwritten: its owner releases an earlier copy.
extern "C" int KITAPI GetMemoryTag(int mode, KITMEMORYTAG *tag, LPCSTR text) {
  if (!tag) return 0;
  tag->hMem = 0;
  tag->text = 0;
  tag->size = 0;
  SIZE_T length = text ? strlen(text) : 0;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, length + 1);
  if (!block) return 0;
  LPSTR copy = (LPSTR)GlobalLock(block);
  if (!copy) {
    GlobalFree(block);
    return 0;
  }
  if (length) memcpy(copy, text, length);
  tag->hMem = block;
  tag->text = copy;
  tag->size = length + 1;
  InterlockedIncrement(&g_tagsOutstanding);
  return 1;
}

extern "C" void KITAPI FreeMemoryTag(KITMEMORYTAG *tag) {
  if (!tag || !tag->hMem) return;
  GlobalUnlock(tag->hMem);
  if (GlobalFree(tag->hMem) == 0) InterlockedDecrement(&g_tagsOutstanding);
  tag->hMem = 0;
  tag->text = 0;
  tag->size = 0;
}
