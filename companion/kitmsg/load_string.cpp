// Loads a message text and a title text by string id in the current language.
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

extern "C" LPSTR KITMSGAPI GetLoadStrMessage(void) { return g_message; }

extern "C" LPSTR KITMSGAPI GetLoadStrTitle(void) { return g_title; }
