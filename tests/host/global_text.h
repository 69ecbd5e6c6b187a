// Texts in movable global blocks, as the host keeps its formatted lists.
#pragma once
#include <windows.h>
#include <string>

// A new block holding `text`; the caller frees it with GlobalFree.
HGLOBAL GlobalText(const std::string &text);
// The text of a block; "(none)" for no block.
std::string TextOfGlobal(HGLOBAL block);
