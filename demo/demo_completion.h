// Word completion in the demo: a small generated keyword database in the
// product folder, the popup filled by its loader, and two prefixes typed.
#pragma once
#include <windows.h>
#include <string>

// `bin` is the demo's own folder (the product folder), with its backslash.
void ShowWordCompletion(HMODULE library, HWND window, const std::string &bin);
