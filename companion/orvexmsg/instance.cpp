// The message library: a bilingual string table (orvexmsg.rc) and the
// instance through which its texts are found.
#include "frame/orvexmsg.h"

static HINSTANCE g_instance = 0;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) g_instance = instance;
  return TRUE;
}

extern "C" HINSTANCE __stdcall GethInstOrvexmsg(void) { return g_instance; }
