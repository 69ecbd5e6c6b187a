// Kitlib operations of the captured-output runner and its reader: argument
// vector, pipe and redirection, process helpers.
#pragma once
#include <windows.h>

#ifndef KITAPI
#define KITAPI __stdcall
#endif

extern "C" {

} // extern "C"
