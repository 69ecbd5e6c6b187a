// One text by string id, in the current language, for callers that need the
// message without a title (a dialog's description line).
#include "frame/kitlib.h"
#include "frame/kitmsg.h"

enum { kTextSize = 1024 };

// Written by the loading thread (the library's UI thread); valid until the
// next call.
static char g_text[kTextSize];

extern "C" LPSTR KITMSGAPI GetStringFromStringID(int reserved1, HINSTANCE instance, int id, int reserved2,
                                                 LPSTR *text, int reserved3) {
  KitLoadText(instance, id, GetLanguage(), g_text, kTextSize);
  if (text) *text = g_text;
  return g_text;
}
