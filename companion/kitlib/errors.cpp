// The calling thread's last system error, set on behalf of the library so that
// an error box describes the error that was pending when it was asked for;
// the OS text of an error; the boxes that show a message with that text.
#include "frame/kitlib.h"
#include "frame/text_fit.h"

enum { kTextSize = 520, kLoadSize = 1024 };

// Written by whichever thread asks for an OS text; callers use it before they
// ask again (the library does so on its user-interface thread).
static char g_osText[kTextSize];

// Set by SetHelpDosErrorMessage and read by the next error box, both on the
// user-interface thread.
static UINT g_errorBoxStyle = MB_ICONEXCLAMATION;
static int g_errorBoxHelpTopic = 0;

extern "C" void KITAPI mySetLastError(DWORD error) { SetLastError(error); }

extern "C" LPCSTR KITAPI xDosErrors(int reserved, DWORD error) {
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, 0, error, 0,
                                g_osText, sizeof g_osText, 0);
  if (length == 0 || length >= sizeof g_osText) return 0;
  while (length > 0 && (g_osText[length - 1] == '\r' || g_osText[length - 1] == '\n' ||
                        g_osText[length - 1] == ' '))
    length--;
  g_osText[length] = 0;
  return length ? g_osText : 0;
}

extern "C" void KITAPI SetHelpDosErrorMessage(UINT style, int helpTopic) {
  g_errorBoxStyle = style;
  g_errorBoxHelpTopic = helpTopic;
}

// Appends a paragraph to the box text, after `separator` when text precedes.
static void AppendPart(char *text, size_t *length, const char *part, const char *separator) {
  if (!part || !*part) return;
  if (*length) AppendSjis(text, kTextSize, length, separator);
  AppendSjis(text, kTextSize, length, part);
}

// The box of a message and title given as texts.
static int ShowErrorText(HWND owner, LPCSTR message, LPCSTR title, LPCSTR detail, int showError, DWORD error) {
  char text[kTextSize], osLine[kTextSize];
  text[0] = osLine[0] = 0;
  if (showError && error) {
    char number[16];
    LPCSTR osText = xDosErrors(0, error);
    if (!osText) {
      wsprintfA(number, "%lu", error);
      osText = number;
    }
    size_t osLength = 0;
    AppendSjis(osLine, sizeof osLine, &osLength, "OS>> ");
    AppendSjis(osLine, sizeof osLine, &osLength, osText);
  }
  size_t length = 0;
  AppendPart(text, &length, message, "");
  AppendPart(text, &length, detail, "\n");
  AppendPart(text, &length, osLine, "\n\n");
  return _myMessageBox(owner, text, title, g_errorBoxStyle);
}

// The box of both error entries; `error` is the one pending at their entry.
static int ShowErrorBox(HINSTANCE instance, HWND owner, LPCSTR detail, int messageId, int titleId,
                        int showError, DWORD error) {
  int language = GetLanguage();
  char message[kLoadSize], title[kTextSize];
  message[0] = title[0] = 0;
  if (messageId) KitLoadText(instance, messageId, language, message, sizeof message);
  if (titleId) KitLoadText(instance, titleId, language, title, sizeof title);
  return ShowErrorText(owner, message, title, detail, showError, error);
}

extern "C" int KITAPI _MyLoadDosErrorMessage(HINSTANCE instance, HWND owner, LPCSTR detail, int messageId,
                                             int titleId, int showError) {
  DWORD error = GetLastError();
  return ShowErrorBox(instance, owner, detail, messageId, titleId, showError, error);
}

// Kitlib's own texts would be found in its own module.
static HINSTANCE OwnInstance(void) {
  HMODULE module = 0;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     (LPCSTR)&OwnInstance, &module);
  return module;
}

extern "C" int KITAPI MyLoadDosErrorMessage(HWND owner, LPCSTR detail, int messageId, int titleId, int showError) {
  DWORD error = GetLastError();
  return ShowErrorBox(OwnInstance(), owner, detail, messageId, titleId, showError, error);
}

extern "C" int KITAPI DosErrorMessage(HWND owner, LPCSTR path, LPCSTR text, LPCSTR title, int reserved) {
  DWORD error = GetLastError();
  return ShowErrorText(owner, text, title, path, 1, error);
}
