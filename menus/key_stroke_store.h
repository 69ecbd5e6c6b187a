// The record node of the key-stroke store, as the host reads it: the next
// node, the node's own global-memory handle, a Kitlib memory tag holding the
// record text (its second word is the text) and the record's running number
// over the whole menu bar. On the 32-bit product the node is six 32-bit
// words at offsets 0 to 20; fields that hold a pointer or a handle grow with
// the pointer size elsewhere.
#pragma once
#include "frame/instance.h"
#include "frame/kitlib.h"
#include <stddef.h>

struct MENUKEYNODE {
  MENUKEYNODE *next; // 0 at the end of the list
  HGLOBAL handle;    // the node's own block
  KITMEMORYTAG tag;  // tag.text is the record text, or 0
  INT32 number;      // running number of the record
};

#if defined(__i386__) || defined(_M_IX86)
static_assert(sizeof(MENUKEYNODE) == 24, "the host reads a 24-byte node");
static_assert(offsetof(MENUKEYNODE, handle) == 4 && offsetof(MENUKEYNODE, tag) == 8 &&
                  offsetof(MENUKEYNODE, tag.text) == 12 && offsetof(MENUKEYNODE, number) == 20,
              "the host reads the node's words at fixed offsets");
#endif

extern "C" {
MENUKEYNODE *ORVEXAPI AllocatMenuItemSavedMemoryTag(void);
int ORVEXAPI SetMenuItemSavedMemoryTag(MENUKEYNODE *node, LPCSTR text);
}
