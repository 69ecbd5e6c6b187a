// The host's main window as the library sees it: a visible top-level window,
// registered with Kitlib (GethWndMain) as the owner of message boxes, holding
// an edit control where the user's keyboard focus sits.
#pragma once
#include <windows.h>
#include <string>

HWND HostMainWindow();
HWND HostFocusEdit();

// Puts the keyboard focus into the edit and the cross cursor up, so a test
// can check that a call gives both back as they were.
void HostFocusAndCursorBeforeCall();

// The library's message library instance (orvexmsg.dll) and one of its texts
// in a language, loaded through the Kitlib stand-in as Shift-JIS bytes.
HINSTANCE HostMessageLibrary();
std::string HostMessageText(int id, int language);
