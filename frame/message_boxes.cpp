// The library's message boxes. Each one opens the focus guard, shows a real
// box through Kitlib and closes the guard, so the host neither moves the
// focus while the box is up nor loses it afterwards.
#include "frame/message_boxes.h"
#include "frame/focus_guard.h"
#include "frame/kitlib.h"
#include "frame/kitmsg.h"
#include "frame/orvexmsg.h"
#include "frame/text_fit.h"

enum {
  kTextBufferSize = 520,
  kInvalidFolderMessage = 226,
  kInternetDisabledMessage = 205,
  kInternetDisabledTitle = 221,
  kWarningStyle = MB_ICONEXCLAMATION | MB_OK,
};

extern "C" int ORVEXAPI _myMessageBoxForOrvex(HWND owner, LPCSTR text, LPCSTR title, UINT style) {
  HWND focus = FocusGuardOpen();
  HCURSOR cursor = PutArrowCursor();
  if (!owner) owner = GethWndMain();
  int button = _myMessageBox(owner, text, title, style);
  FocusGuardClose(focus);
  SetCursor(cursor);
  return button;
}

extern "C" int ORVEXAPI _myMessageBoxForLoadStringForOrvex(HINSTANCE instance, HWND owner, int messageId,
                                                           int titleId, UINT style) {
  HWND focus = FocusGuardOpen();
  int button = _myMessageBoxForLoadString(instance, owner, messageId, titleId, style);
  FocusGuardClose(focus);
  return button;
}

// Hands the pending OS error to Kitlib before any call can change it.
static void KeepPendingError(void) {
  DWORD error = GetLastError();
  mySetLastError(error);
  SetHelpDosErrorMessage(kWarningStyle, 0);
}

extern "C" int ORVEXAPI _myMessageBoxForLoadStringForOrvexWithDoserror(HWND owner, LPCSTR detail,
                                                                       HINSTANCE instance, int messageId,
                                                                       int titleId) {
  KeepPendingError();
  return _MyLoadDosErrorMessage(instance, owner, detail, messageId, titleId, 1);
}

extern "C" int ORVEXAPI MessageBoxPrintfForOrvex(HINSTANCE instance, int messageId, int titleId, LPCSTR insert1,
                                                 HWND owner, UINT style, LPCSTR insert2) {
  HWND focus = FocusGuardOpen();
  int button = _MessageBoxPrintf(instance, messageId, titleId, insert1, owner, style, insert2, 0);
  FocusGuardClose(focus);
  return button;
}

// The text stands in a 520-byte buffer: a long message or OS text is cut on
// a whole character, and the box is still shown.
extern "C" void ORVEXAPI ErrorAtCreateWindows(int messageId, int titleId) {
  LPCSTR osText = xDosErrors(0, GetLastError());
  int language = GetLanguage();
  HGLOBAL handle = 0;
  LPSTR buffer = GetStringPointerBySize(&handle, 0, kTextBufferSize, 0);
  _MyLoadString(0, GethInstOrvexmsg(), messageId, titleId);
  if (!osText) osText = language ? "無し" : "nothing";
  const char *inserts[] = {GetLoadStrMessage(), osText};
  LPCSTR text = GetLoadStrMessage();
  if (buffer) {
    FormatSjis(buffer, kTextBufferSize, "%s\n\nOS>> %s", inserts, 2);
    text = buffer;
  }
  HWND focus = FocusGuardOpen();
  _myMessageBoxForOrvex(GethWndMain(), text, GetLoadStrTitle(), kWarningStyle);
  FocusGuardClose(focus);
  if (buffer) FreeStringPointer(handle, buffer);
}

extern "C" void ORVEXAPI ShowErrorMessageForFileOpen(HINSTANCE instance, HWND owner, LPCSTR detail, int messageId,
                                                     int titleId) {
  DWORD error = GetLastError();
  HWND focus = FocusGuardOpen();
  mySetLastError(error);
  SetHelpDosErrorMessage(kWarningStyle, 0);
  if (instance) _MyLoadDosErrorMessage(instance, owner, detail, messageId, titleId, 1);
  else MyLoadDosErrorMessage(owner, detail, messageId, titleId, 1);
  FocusGuardClose(focus);
}

extern "C" void ORVEXAPI ShowInvalidFolderMessage(HWND dialog, int show) {
  if (!IsWindow(dialog)) return;
  _MyLoadString(0, GethInstOrvexmsg(), kInvalidFolderMessage, 0);
  SetDlgItemTextA(dialog, kInvalidFolderStatusLine, show ? GetLoadStrMessage() : "");
  if (show) BEEP(MB_ICONHAND);
}

extern "C" void ORVEXAPI ShowMessageBoxForInternetDisabled(HWND owner, LPCSTR insert) {
  MessageBoxPrintfForOrvex(GethInstOrvexmsg(), kInternetDisabledMessage, kInternetDisabledTitle, insert, owner,
                           kWarningStyle, 0);
}
