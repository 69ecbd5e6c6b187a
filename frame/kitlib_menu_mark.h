// Kitlib's separator mark of menu texts: the byte between an item's label
// and its shortcut text.
#pragma once
#include <windows.h>

#ifndef KITAPI
#define KITAPI __stdcall
#endif

extern "C" int KITAPI GetKugiriForAltCodeInMenu(void);
