// Memory tags of a given size: a zero-filled block held by the caller's tag,
// for buffers that live longer than one call (the completion loader's path).
#include "frame/kitlib.h"
#include "frame/buffer_sizes.h"

extern "C" int KITAPI GetMemoryTagBySize(int mode, KITMEMORYTAG *tag, int size, LPVOID filled) {
  if (filled) *(INT32 *)filled = 0;
  if (!tag) return 0;
  tag->hMem = 0;
  tag->text = 0;
  tag->size = 0;
  if (size == kKitPathBufferRequest) size = ITEM_BUFFER_SIZE;
  if (size <= 0) return 0;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (SIZE_T)size);
  if (!block) return 0;
  LPSTR text = (LPSTR)GlobalLock(block);
  if (!text) {
    GlobalFree(block);
    return 0;
  }
  tag->hMem = block;
  tag->text = text;
  tag->size = (DWORD_PTR)size;
  if (filled) *(INT32 *)filled = size;
  return 1;
}
