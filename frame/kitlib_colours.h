// Kitlib's colour palette: 29 fixed colours addressed by a palette index
// (0 to 28), each with a solid brush that Kitlib makes once and keeps; and
// the helper that makes a range of check boxes behave as one choice.
#pragma once
#include <windows.h>

#ifndef KITAPI
#define KITAPI __stdcall
#endif

// Colours in the palette; index 0 is black and 8 mid grey.
enum { kKitPaletteColours = 29, kKitPaletteBlack = 0, kKitPaletteGrey = 8 };

extern "C" {

// The colour of palette index `index`; CLR_INVALID outside 0 to 28.
COLORREF KITAPI GetRgbcolorFrormColorOrder(int index);
// The palette index of `colour`, or -1 when it is not in the palette.
int KITAPI GetColorOrderFrormRgbcolor(COLORREF colour);
// The brush of palette index `index`, owned by Kitlib (never deleted by the
// caller); 0 outside 0 to 28.
HBRUSH KITAPI Get_hColorBrush(int index);

// Checks button `checkedId` of `dialog` and unchecks every other button with
// an id from `firstId` to `lastId`; a `checkedId` outside the range unchecks
// them all. 1 done, 0 without a dialog.
int KITAPI ToggleCheckBoxButton(HWND dialog, int firstId, int lastId, int checkedId);

} // extern "C"
