// Texts in movable global blocks.
#include "host/global_text.h"
#include <string.h>

HGLOBAL GlobalText(const std::string &text) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
  GlobalUnlock(block);
  return block;
}

std::string TextOfGlobal(HGLOBAL block) {
  if (!block) return "(none)";
  std::string text = (const char *)GlobalLock(block);
  GlobalUnlock(block);
  return text;
}
