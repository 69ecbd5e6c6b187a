// Kitlib operations on the lines of list boxes and combo boxes that several
// subsystems share: adding a line once (file lists compare ASCII letters
// case-blind, keyword lists compare exact bytes) and widening a box's
// horizontal extent to its widest line. A box is control `id` of `dialog`,
// or the `dialog` argument itself when `id` is 0.
#pragma once
#include <windows.h>

#ifndef KITAPI
#define KITAPI __stdcall
#endif

extern "C" {

// Adds `item` at the end of the box (at its sorted place in a sorted box)
// unless a line equal to it is there: `ignoreCase` 1 folds single-byte ASCII
// letters only (file names), 0 compares exact bytes (keywords: "foo" and
// "Foo" are two lines). With `select` the line is selected and scrolled into
// view. Returns the line's index; -1 for a null item, no box, or a line the
// box refused.
int KITAPI AddAndViewIndepFileToListBox(HWND dialog, int id, LPCSTR item, int ignoreCase, int select);
int KITAPI AddAndViewIndepFileToComboBox(HWND dialog, int id, LPCSTR item, int ignoreCase, int select);

// The index of the first line equal to `item` under the same rule, or -1.
// A few sends per call, whatever the number of lines: the box's own exact
// search finds candidates and each is confirmed byte for byte.
int KITAPI FindIndepLineInListBox(HWND box, LPCSTR item, int ignoreCase);
int KITAPI FindIndepLineInComboBox(HWND box, LPCSTR item, int ignoreCase);

// Extra pixels added to every width the two functions below measure; 0 at
// load. Callers set it for a fill and put 0 back.
void KITAPI AddExtraWidthForStringInHorizontalScroll(int extra);

// Widens the box's horizontal extent so that `text` fits: its width in the
// box's font plus `margin` plus the extra width. `widest` (may be null)
// holds the widest width so far: the extent is set only when the new width
// passes it, and it is updated, so it stays 0 while nothing was measured.
// Returns the measured width, 0 without a box or text.
int KITAPI SetHorizontalScrollInListBoxByStringSize(HWND dialog, int id, LPCSTR text, int margin, int *widest);
int KITAPI SetHorizontalScrollInComboBoxByStringSize(HWND dialog, int id, LPCSTR text, int margin, int *widest);

// Sets the combo box's horizontal extent to `width` (0: no scrolling).
void KITAPI ResetHorizontalScrollInComboBox(HWND box, int width);

} // extern "C"
