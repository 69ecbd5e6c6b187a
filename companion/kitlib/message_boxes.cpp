// Message boxes: a plain box, a box of two message-library texts, a box whose
// loaded text takes inserts, and the system sounds that go with them. Texts
// are Shift-JIS bytes handed to MessageBoxA as they are. Every box, whichever
// entry shows it, calls the registered hide function right before it and the
// show function right after it, so a window that stays on top of everything
// (the title window) steps out of its way.
#include "frame/kitlib.h"
#include "frame/text_fit.h"

enum { kTextSize = 520, kLoadSize = 1024 };

// Counted on whichever thread sounds; read by the tests afterwards.
static volatile LONG g_beeps = 0;
static volatile LONG g_lastBeep = 0;

// Registered and withdrawn by the library on the host's user-interface
// thread, which also shows the boxes. Read anew after each box: the box may
// have withdrawn them.
static KitWindowFunction g_showAfterBox = 0;
static KitWindowFunction g_hideBeforeBox = 0;

extern "C" void KITAPI SetDisableBoxBeforeMessageBox(KitWindowFunction show, KitWindowFunction hide) {
  g_showAfterBox = show;
  g_hideBeforeBox = hide;
}

extern "C" int KITAPI _myMessageBox(HWND owner, LPCSTR text, LPCSTR title, UINT style) {
  if (owner && !IsWindow(owner)) owner = 0;
  if (g_hideBeforeBox) g_hideBeforeBox();
  int button = MessageBoxA(owner, text ? text : "", title ? title : "", style);
  if (g_showAfterBox) g_showAfterBox();
  return button;
}

// Loads string `id` of `instance` in the current language; empty when the
// id is 0 or has no text.
static void LoadText(HINSTANCE instance, int id, LPSTR buffer, int size) {
  buffer[0] = 0;
  if (id) KitLoadText(instance, id, GetLanguage(), buffer, size);
}

extern "C" int KITAPI _myMessageBoxForLoadString(HINSTANCE instance, HWND owner, int messageId, int titleId,
                                                 UINT style) {
  char message[kLoadSize], title[kTextSize];
  LoadText(instance, messageId, message, sizeof message);
  LoadText(instance, titleId, title, sizeof title);
  return _myMessageBox(owner, message, title, style);
}

extern "C" int KITAPI _MessageBoxPrintf(HINSTANCE instance, int messageId, int titleId, LPCSTR insert1,
                                        HWND owner, UINT style, LPCSTR insert2, int reserved) {
  char format[kLoadSize], title[kTextSize], text[kTextSize];
  LoadText(instance, messageId, format, sizeof format);
  LoadText(instance, titleId, title, sizeof title);
  const char *inserts[] = {insert1, insert2};
  FormatSjis(text, sizeof text, format, inserts, 2);
  return _myMessageBox(owner, text, title, style);
}

extern "C" void KITAPI BEEP(UINT type) {
  InterlockedIncrement(&g_beeps);
  InterlockedExchange(&g_lastBeep, (LONG)type);
  MessageBeep(type);
}

extern "C" int KITAPI KitBeepsSoFar(UINT *lastType) {
  if (lastType) *lastType = (UINT)g_lastBeep;
  return g_beeps;
}
