// The library's instance handle: the module its own dialog templates and
// bitmaps are loaded from.
#include "frame/instance.h"

// Written by the loader's entry-point calls and by SethInstOrvexdll; read by
// every dialog. A handle is written whole.
static HINSTANCE g_instance = 0;

// Every call, whatever the reason, stores the module handle anew.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  g_instance = instance;
  return TRUE;
}

extern "C" HINSTANCE __stdcall GethInstOrvexdll(void) { return g_instance; }

extern "C" HINSTANCE __stdcall SethInstOrvexdll(HINSTANCE instance) {
  g_instance = instance;
  return instance;
}
