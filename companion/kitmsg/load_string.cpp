// Loads a message text and a title text by string id in the current language,
// and Kitmsg's own texts (the filter lists of the file dialogs) by id.
// Both stay valid until the next load; callers copy what they keep.
#include "frame/kitlib.h"
#include "frame/kitmsg.h"

enum { kTextSize = 1024 };

// Written by whichever thread loads; the library loads on the UI thread.
static char g_message[kTextSize];
static char g_title[kTextSize];

extern "C" int KITMSGAPI _MyLoadString(int zero, HINSTANCE instance, int messageId, int titleId) {
  int language = GetLanguage();
  g_message[0] = 0;
  g_title[0] = 0;
  int found = KitLoadText(instance, messageId, language, g_message, kTextSize);
  if (titleId) KitLoadText(instance, titleId, language, g_title, kTextSize);
  return found > 0;
}

// Kitmsg's own texts live in its own resources.
static HINSTANCE OwnInstance(void) {
  HMODULE self = 0;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     (LPCSTR)&OwnInstance, &self);
  return self;
}

extern "C" int KITMSGAPI MyLoadString(int id, int reserved) {
  g_message[0] = 0;
  return KitLoadText(OwnInstance(), id, GetLanguage(), g_message, kTextSize) > 0;
}

extern "C" LPSTR KITMSGAPI GetLoadStrMessage(void) { return g_message; }

extern "C" LPSTR KITMSGAPI GetLoadStrTitle(void) { return g_title; }
