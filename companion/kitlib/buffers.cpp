// Text buffers, memory tags and global-memory texts. Buffers and the blocks
// of memory tags are zero-filled movable global blocks, locked for as long as
// the caller holds them, so that a buffer handed to a host stays valid across
// the host's own global-memory calls.
#include "frame/kitlib.h"
#include "frame/buffer_sizes.h"
#include <string.h>

// Buffers and memory tags handed out and not yet released, counted on
// whichever thread takes or releases one; read by the tests (stand-in only).
static volatile LONG g_buffersOutstanding = 0;
static volatile LONG g_tagsOutstanding = 0;

// A new zero-filled movable block of `size` bytes in *block, locked; null
// (and *block 0) when memory cannot be had.
static LPSTR NewLockedBlock(SIZE_T size, HGLOBAL *block) {
  *block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  LPSTR text = *block ? (LPSTR)GlobalLock(*block) : 0;
  if (!text && *block) {
    GlobalFree(*block);
    *block = 0;
  }
  return text;
}

// `filled`, when given, is the address of a 32-bit word that receives the
// buffer's size, for callers that pass the buffer on with its size.
extern "C" LPSTR KITAPI GetStringPointerBySize(HGLOBAL *handleWord, int zero, int size, LPVOID filled) {
  if (handleWord) *handleWord = 0;
  if (filled) *(INT32 *)filled = 0;
  if (size <= 0) return 0;
  HGLOBAL block;
  LPSTR text = NewLockedBlock((SIZE_T)size, &block);
  if (!text) return 0;
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

// Fills `tag` with a new locked block of `size` bytes, counted until
// FreeMemoryTag; false (tag empty) when memory cannot be had. The tag is
// overwritten: its owner releases an earlier block.
static bool FillTag(KITMEMORYTAG *tag, SIZE_T size) {
  HGLOBAL block;
  LPSTR text = NewLockedBlock(size, &block);
  tag->hMem = block;
  tag->text = text;
  tag->size = text ? size : 0;
  if (!text) return false;
  InterlockedIncrement(&g_tagsOutstanding);
  return true;
}

// Mode 0 and 1 both copy the text; the mode only matters to the real library's
// bookkeeping.
extern "C" int KITAPI GetMemoryTag(int mode, KITMEMORYTAG *tag, LPCSTR text) {
  if (!tag) return 0;
  SIZE_T length = text ? strlen(text) : 0;
  if (!FillTag(tag, length + 1)) return 0;
  if (length) memcpy(tag->text, text, length);
  return 1;
}

// A tag of a given size, for buffers that live longer than one call (the
// completion loader's path).
extern "C" int KITAPI GetMemoryTagBySize(int mode, KITMEMORYTAG *tag, int size, LPVOID filled) {
  if (filled) *(INT32 *)filled = 0;
  if (!tag) return 0;
  if (size == kKitPathBufferRequest) size = ITEM_BUFFER_SIZE;
  if (size <= 0) {
    *tag = KITMEMORYTAG();
    return 0;
  }
  if (!FillTag(tag, (SIZE_T)size)) return 0;
  if (filled) *(INT32 *)filled = size;
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
