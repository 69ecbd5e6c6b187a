// The host's main window as the library sees it: a visible top-level window,
// registered with Kitlib (GethWndMain) as the owner of message boxes, holding
// an edit control where the user's keyboard focus sits; the texts of the
// message library; and the Kitlib stand-in's journal of help, web and start
// requests, one tab-separated line per request ("help", "url", "runas").
#pragma once
#include <windows.h>
#include <string>
#include <vector>

HWND HostMainWindow();
HWND HostFocusEdit();

// Puts the keyboard focus into the edit and the cross cursor up, so a test
// can check that a call gives both back as they were.
void HostFocusAndCursorBeforeCall();

// The library's message library instance (orvexmsg.dll) and one of its texts
// in a language, loaded through the Kitlib stand-in as Shift-JIS bytes.
HINSTANCE HostMessageLibrary();
std::string HostMessageText(int id, int language);

std::vector<std::string> JournalLines();
void JournalClear();
// What the stand-in's ReachURLFromString answers from now on (1 at load).
void SetUrlAnswer(int answer);
// Fields joined by tabs, as a journal line holds them, and split again.
std::string JournalLine(const std::vector<std::string> &fields);
std::vector<std::string> JournalFields(const std::string &line);
