// The template "OpenListupEditor" that the editor chooser, the recent-list
// editor and the window list share, and what the three do alike with it:
// filling its sorted list with the horizontal extent following the widest
// line, the button rules, and the window's close box posting Cancel.
#pragma once
#include "dialogs/listup_editor_ids.h"
#include <windows.h>

// Starts a fill: Kitlib's extra width for measuring lines is set, and the
// widest width so far is zero.
void BeginListupFill(int *widest);
// Ends a fill: the extra width is back to 0.
void EndListupFill(void);
// Adds `line` (unless it is empty) with `data` as its item data and widens
// the horizontal extent for it. The line's index, -1 when it was not added.
int AddListupLine(HWND dialog, const char *line, LPARAM data, int *widest);

// The selected line, -1 for none; its item data, 0 for none.
int ListupSelection(HWND dialog);
LPARAM ListupSelectedData(HWND dialog);
int ListupCount(HWND dialog);
// Enables `id` exactly when `enable` is true.
void EnableListupButton(HWND dialog, int id, bool enable);
// The selection rule: "&Close" (1001) is enabled exactly when a line is
// selected.
void ApplySelectionRule(HWND dialog);
// Centres the dialog and sets the captions of its buttons (null: as the
// template has it, empty: hidden).
void SetUpListupButtons(HWND dialog, const char *open, const char *close, const char *save, const char *quit);
