// Kitlib message boxes, OS-error texts and sounds.
#pragma once
#include <windows.h>

#ifndef KITAPI
#define KITAPI __stdcall
#endif

extern "C" {

} // extern "C"
