// The single-task dialogs: the modeless viewer, the "Add Folders" list
// editor, the rename dialog, the modeless printing-cancel box and the advice
// box for tds files.
#pragma once
#include "frame/instance.h"

extern "C" {
int ORVEXAPI CreateViewFileDialog(HWND parent, int second, int third, LPARAM parameter);
int ORVEXAPI DestroyViewFileDialog(int id);
// 1 after OK, 0 after Cancel (or for a null list), -1 when it could not be shown.
int ORVEXAPI OpenEditDialog(HWND parent, int second, int third, HGLOBAL *list);
int ORVEXAPI SetParametesForOpenEditDlg(int kind, int flags, int filter);
int ORVEXAPI OpenRenameFileDialog(HWND parent, int second, LPCSTR extensions, LPSTR path);
HWND ORVEXAPI OpenAbortDialog(HWND parent);
int ORVEXAPI OpenBadTdsFileDialog(HWND parent, int second, int third, int fourth);
}
