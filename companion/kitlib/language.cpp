// The language flag: 0 English, anything else Japanese. The real library takes
// it from the installation; the stand-in lets the host and the tests set it.
#include "frame/kitlib.h"

// Written by the host's user-interface thread; read by any thread. A plain
// aligned 32-bit value is read and written whole.
static volatile LONG g_language = 0;

extern "C" int KITAPI GetLanguage(void) { return g_language; }

extern "C" void KITAPI KitSetLanguage(int language) { InterlockedExchange(&g_language, language); }
