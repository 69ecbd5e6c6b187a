// The demo's look at the colour store: the table printed at load and after
// the host set a few colours.
#pragma once
#include <windows.h>

void ShowColourTable(HMODULE library);
