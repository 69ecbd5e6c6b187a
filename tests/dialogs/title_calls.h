// The title and About windows' exports and the cells they use, as the tests
// call them, with small readers of their controls.
#pragma once
#include "host/host.h"
#include <string>

typedef HWND(__stdcall *CreateTitleFn)(HWND, int, int, int);
typedef int(__stdcall *CountFn)(void);
typedef void(__stdcall *VoidFn)(void);
typedef void(__stdcall *SetFn)(int);
typedef HWND(__stdcall *WindowFn)(void);
typedef void(__stdcall *AfterDestroyFn)(void(__stdcall *)(void));
typedef void(__stdcall *EnableFn)(int, int);
typedef void(__stdcall *MoveIconFn)(HWND);
typedef int(__stdcall *AboutFn)(HWND, int, int, int);
typedef char *(__stdcall *TextFn)(void);

inline HWND CreateTitle(HWND owner, int version, int beta, int mode) {
  return HostProc<CreateTitleFn>("CreateTitleDialog")(owner, version, beta, mode);
}
inline int DestroyTitle() { return HostProc<CountFn>("DestroyTitleWindow")(); }
inline HWND TitleHandle() { return HostProc<WindowFn>("GetWndHandleForTitleDlg")(); }
inline int TitleActive() { return HostProc<CountFn>("IsCreatTitleDlgActive")(); }
inline void HideTitle() { HostProc<VoidFn>("HideTitleDlg")(); }
inline void ShowTitle() { HostProc<VoidFn>("ShowTitleDlg")(); }
inline void SetCloseSetting(int value) { HostProc<SetFn>("SetCloseTitleWindow")(value); }
inline int CloseSetting() { return HostProc<CountFn>("IsCloseTitleWindow")(); }
inline void SetStartPageShown(int value) { HostProc<SetFn>("SetHideOrvexStartHtml")(value); }
inline int StartPageShown() { return HostProc<CountFn>("IsHideOrvexStartHtml")(); }
inline int BitmapsAlive() { return KitProc<CountFn>("KitBitmapsAlive")(); }

// The host as the windows' tests want it: English, its main window up, the
// product folder set. False when box and window texts would not come back
// as the bytes set.
bool PrepareHostForProductWindows();

inline bool ControlEnabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != 0; }
inline bool ControlVisible(HWND dialog, int id) { return IsWindowVisible(GetDlgItem(dialog, id)) != 0; }
inline bool ControlChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
inline int ClientHeight(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  return client.bottom;
}
