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
