// Reading the text of a dialog control into a fixed buffer: the text is cut
// before the first character that does not fit whole, so a buffer never ends
// in half a two-byte character.
#pragma once
#include <windows.h>
#include <stddef.h>

// Reads the text of control `id` of `dialog` (of `dialog` itself when `id` is
// 0) into `buffer` of `size` bytes. Returns the length of the whole text,
// which is more than the bytes kept when it did not fit.
size_t ReadControlText(HWND dialog, int id, char *buffer, size_t size);
