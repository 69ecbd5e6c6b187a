// Interface of Kitmsg, the maker's text-loading library: loads a message text
// and a title text by string id from a message-library instance.
#pragma once
#include <windows.h>

#define KITMSGAPI __stdcall

extern "C" {
// Loads message `messageId` and title `titleId` (0 for none) of `instance` in
// the current language; both stay valid until the next load.
int KITMSGAPI _MyLoadString(int zero, HINSTANCE instance, int messageId, int titleId);
LPSTR KITMSGAPI GetLoadStrMessage(void);
LPSTR KITMSGAPI GetLoadStrTitle(void);
// Loads Kitmsg's own text `id` (the file-dialog filter lists, 8190 to 8199)
// in the current language as the message; `reserved` is 0. 1 when found.
int KITMSGAPI MyLoadString(int id, int reserved);
}

extern "C" {
// The text of string `id` of `instance` in the current language, also stored
// through `text` when given; valid until the next call. The reserved words
// are 0. An id without a text gives the empty text.
LPSTR KITMSGAPI GetStringFromStringID(int reserved1, HINSTANCE instance, int id, int reserved2, LPSTR *text,
                                      int reserved3);
}
