// The colour palette: 29 fixed colours with stable indexes (black first, mid
// grey at 8) and one solid brush each, made on first use and kept while the
// library is loaded, so callers may paint with them at any time without
// owning them. Also the check-box group helper of the colour dialogs.
#include "frame/kitlib.h"

static const COLORREF kPalette[kKitPaletteColours] = {
    RGB(0, 0, 0),       RGB(128, 0, 0),     RGB(0, 128, 0),     RGB(128, 128, 0),   RGB(0, 0, 128),
    RGB(128, 0, 128),   RGB(0, 128, 128),   RGB(192, 192, 192), RGB(128, 128, 128), RGB(255, 0, 0),
    RGB(0, 255, 0),     RGB(255, 255, 0),   RGB(0, 0, 255),     RGB(255, 0, 255),   RGB(0, 255, 255),
    RGB(255, 255, 255), RGB(255, 128, 0),   RGB(255, 128, 128), RGB(128, 255, 128), RGB(128, 128, 255),
    RGB(255, 255, 128), RGB(128, 255, 255), RGB(255, 128, 255), RGB(64, 64, 64),    RGB(0, 64, 128),
    RGB(128, 64, 0),    RGB(64, 0, 128),    RGB(0, 128, 64),    RGB(255, 224, 192),
};

// Made on first use by any thread; a brush made twice by a race is deleted
// by the loser, so each index keeps exactly one.
static HBRUSH volatile g_brushes[kKitPaletteColours];

static bool IsPaletteIndex(int index) { return index >= 0 && index < kKitPaletteColours; }

extern "C" COLORREF KITAPI GetRgbcolorFrormColorOrder(int index) {
  return IsPaletteIndex(index) ? kPalette[index] : CLR_INVALID;
}

extern "C" int KITAPI GetColorOrderFrormRgbcolor(COLORREF colour) {
  for (int i = 0; i < kKitPaletteColours; i++)
    if (kPalette[i] == colour) return i;
  return -1;
}

extern "C" HBRUSH KITAPI Get_hColorBrush(int index) {
  if (!IsPaletteIndex(index)) return 0;
  if (!g_brushes[index]) {
    HBRUSH made = CreateSolidBrush(kPalette[index]);
    if (InterlockedCompareExchangePointer((PVOID volatile *)&g_brushes[index], made, 0) != 0) DeleteObject(made);
  }
  return g_brushes[index];
}

extern "C" int KITAPI ToggleCheckBoxButton(HWND dialog, int firstId, int lastId, int checkedId) {
  if (!dialog || !IsWindow(dialog)) return 0;
  for (int id = firstId; id <= lastId; id++)
    CheckDlgButton(dialog, id, id == checkedId ? BST_CHECKED : BST_UNCHECKED);
  return 1;
}
