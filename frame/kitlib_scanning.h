// Kitlib character and line walkers used by source-text scanning.
#pragma once
#include <windows.h>

#ifndef KITAPI
#define KITAPI __stdcall
#endif

extern "C" {

} // extern "C"
