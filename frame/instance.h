// The library's own instance handle.
#pragma once
#include <windows.h>

#define ORVEXAPI __stdcall

extern "C" HINSTANCE ORVEXAPI GethInstOrvexdll(void);
extern "C" HINSTANCE ORVEXAPI SethInstOrvexdll(HINSTANCE instance);
