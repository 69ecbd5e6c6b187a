// What the title window and the About box both show and do: the version
// title, the edit-control line, the notice line, the web-page opener and the
// help button.
#pragma once
#include "frame/instance.h"
#include <stddef.h>

// The version title: the title text of string 84 of the host executable.
extern "C" LPSTR ORVEXAPI GetVersionInStrTitle(void);

// Stored by CreateTitleDialog and OpenAboutDialog: the edit control's version
// times 100 and its beta number (0 or less: none).
void StoreEditControlVersion(int version, int beta);
// "powered by Footy Text Edit Control 1.23", with " Beta 2" for a beta.
void FormatEditControlLine(char *buffer, size_t size);
// Sets the notice line (text 83 of the message library) into control `id`.
void SetNoticeLine(HWND dialog, int id);
// Opens `address` for control `controlId` of `window` (0: none), the control
// disabled and the hourglass up meanwhile. Kitlib's answer: 1 opened.
int OpenWebPage(HWND window, int controlId, LPCSTR address);
// The buttons both windows have: the product's web page and the product
// help. True when `id` was one of them (and was handled).
bool ProductButton(HWND dialog, int id);
// Draws `bitmap` centred in frame control `frameId` of `window`.
void DrawLogo(HWND window, int frameId, HBITMAP bitmap);
// Validates the window's update region, then draws the logo over it.
void PaintLogo(HWND window, int frameId, HBITMAP bitmap);
