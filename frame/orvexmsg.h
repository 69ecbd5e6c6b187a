// Interface of Orvexmsg, the message library: its instance names the string
// ids that message boxes and status lines load.
#pragma once
#include <windows.h>

extern "C" HINSTANCE __stdcall GethInstOrvexmsg(void);
