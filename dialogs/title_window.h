// The title window: the logo window shown while the IDE starts. Other parts
// of the library hide it around windows of their own (the elevated helper's
// start).
#pragma once
#include "frame/instance.h"

extern "C" {
// Returns the title window, 0 when none was made; a title window that exists
// already is returned as it is.
HWND ORVEXAPI CreateTitleDialog(HWND owner, int editControlVersion, int beta, int mode);
int ORVEXAPI DestroyTitleWindow(void);
int ORVEXAPI CloseTitleWindowByAutomatic(void);
void ORVEXAPI HideTitleDlg(void);
void ORVEXAPI ShowTitleDlg(void);
void ORVEXAPI DonotShowTitleDlg(int flag);
int ORVEXAPI IsCreatTitleDlgActive(void);
HWND ORVEXAPI GetWndHandleForTitleDlg(void);
void ORVEXAPI SetDoAfterDestroyTitleWindow(void(__stdcall *function)(void));
void ORVEXAPI SendEnableWindowToTitleDlg(int controlId, int enable);
void ORVEXAPI SendRedrawToTitleDlg(void);
void ORVEXAPI MoveAboutIcon(HWND window);
}
