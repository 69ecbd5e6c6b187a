// The library's message boxes. Every box stands inside the focus guard (but
// the OS-error box of _myMessageBoxForLoadStringForOrvexWithDoserror); texts
// named by string ids come from the message library, whose instance is
// GethInstOrvexmsg(). Styles used: 0x30 warning with OK, 0x31 with OK and
// Cancel, 0x33 with Yes, No and Cancel.
#pragma once
#include "frame/instance.h"

extern "C" {
// Owner 0 means the host's main window. Returns the button.
int ORVEXAPI _myMessageBoxForOrvex(HWND owner, LPCSTR text, LPCSTR title, UINT style);
int ORVEXAPI _myMessageBoxForLoadStringForOrvex(HINSTANCE instance, HWND owner, int messageId, int titleId,
                                                UINT style);
// Message and title ids with the OS error pending at the call; `detail` is
// shown under the message (0 for none).
int ORVEXAPI _myMessageBoxForLoadStringForOrvexWithDoserror(HWND owner, LPCSTR detail, HINSTANCE instance,
                                                            int messageId, int titleId);
// The loaded message takes insert1 and insert2 (0 where it takes none).
int ORVEXAPI MessageBoxPrintfForOrvex(HINSTANCE instance, int messageId, int titleId, LPCSTR insert1, HWND owner,
                                      UINT style, LPCSTR insert2);
// The loaded message, a blank line and "OS>> " with the OS text of the
// pending error, owned by the main window.
void ORVEXAPI ErrorAtCreateWindows(int messageId, int titleId);
// instance 0: Kitlib's own texts.
void ORVEXAPI ShowErrorMessageForFileOpen(HINSTANCE instance, HWND owner, LPCSTR detail, int messageId,
                                          int titleId);
// Shows (show non-zero, with a beep) or clears the invalid-folder text in
// status line 40207 of `dialog`.
void ORVEXAPI ShowInvalidFolderMessage(HWND dialog, int show);
void ORVEXAPI ShowMessageBoxForInternetDisabled(HWND owner, LPCSTR insert);
}

// Control of the dialogs that keep a status line for ShowInvalidFolderMessage.
enum { kInvalidFolderStatusLine = 40207 };
