// A private copy of orvexlib.dll loaded beside the shared one: its globals are
// at their load values whatever the other tests did, as in a fresh process.
#pragma once
#include <windows.h>

// Null when the copy cannot be made or loaded.
HMODULE LoadFreshLibrary();
// Unloads the copy and deletes its file.
void FreeFreshLibrary(HMODULE copy);
