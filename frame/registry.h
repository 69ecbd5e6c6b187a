// The host callback registry: 29 slots for functions of the host executable,
// filled by the exported setters whose names end in "API". Code of the
// library reaches the host only through the Host... helpers below: one line
// per call, and a slot the host never filled does nothing and gives the
// result that means "nothing happened" to the caller (the folder check counts
// an empty slot as acceptance).
#pragma once
#include "frame/instance.h"

#define HOSTAPI __stdcall

enum HostSlot {
  kAddMessageInMemoryAndShowInOutputWindow,
  kCheckAllEditorTabsInAllowedRegionOnSize,
  kCheckFolderSelectionValidForOpenEditDlg,
  kDestroyFindTextDlg,
  kEditFootyGetHwndEditor,
  kEditorCloseEachEditor,
  kEditorGetCurrentFilenameWithPath,
  kEditorResetFilenameInEditorStructButNotInFileList,
  kEditorUpdateMDIWindows,
  kExecutedEditorAndSaveInfoAndModifyRecentFileMenu,
  kGetDirectoryForChooseFolderAndFile,
  kGetExtFormSeriesOfString,
  kGetLibExtension,
  kGetOutPutFolderWitheReleaseDebugFromCompileSwitch,
  kGetlpHeadTabList,
  kIsModifiedNameHere,
  kRenameFilenameAtAllDescribedPlace,
  kSaveMainTextOfEditor,
  kSetAddUserKeywordsInOpenPutWordDlg,
  kSetDeleteViewerDialog,
  kSetFootyGetText,
  kSetFootyGetTextLength,
  kSetFootyWriteEnableViewerDialog,
  kSetInitViewerDialog,
  kSetMessageInAllowedStatusRegionWithSpace,
  kSetSpecifiedOutputWindowTabAndWindowActiveToShow,
  kStopBecauseSameFileExist,
  kTreeViewGetExtForSourceFiles,
  kTreeViewGetFolderForSourceFiles,
  kHostSlotCount
};

// The function stored in `slot`, or null.
void *HostSlotFunction(HostSlot slot);

// Calls the function in `slot` as type Fn, or gives `nothing` when the slot
// is empty.
template <class Fn, class Result, class... Args>
inline Result CallHostSlot(HostSlot slot, Result nothing, Args... args) {
  Fn fn = reinterpret_cast<Fn>(HostSlotFunction(slot));
  return fn ? fn(args...) : nothing;
}

template <class Fn, class... Args>
inline void CallHostSlotIgnoringResult(HostSlot slot, Args... args) {
  Fn fn = reinterpret_cast<Fn>(HostSlotFunction(slot));
  if (fn) fn(args...);
}

// ---- One helper per slot that the library calls, with the host function's
// arguments and what an empty slot gives. Results that the callers ignore are
// not passed on.

// Re-lays the editor tabs after an editor was closed.
inline void HostCheckAllEditorTabsInAllowedRegionOnSize() {
  CallHostSlotIgnoringResult<int(HOSTAPI *)()>(kCheckAllEditorTabsInAllowedRegionOnSize);
}
// Non-zero: the chosen folder is accepted. An empty slot accepts.
inline int HostCheckFolderSelectionValidForOpenEditDlg(HWND dialog, LPCSTR folder) {
  return CallHostSlot<int(HOSTAPI *)(HWND, LPCSTR)>(kCheckFolderSelectionValidForOpenEditDlg, 1, dialog, folder);
}
inline void HostDestroyFindTextDlg(HWND editor) {
  CallHostSlotIgnoringResult<int(HOSTAPI *)(HWND)>(kDestroyFindTextDlg, editor);
}
// The editor window; 0 when none.
inline HWND HostEditFootyGetHwndEditor(int zero) {
  return CallHostSlot<HWND(HOSTAPI *)(int)>(kEditFootyGetHwndEditor, (HWND)0, zero);
}
// Non-zero: the editor was closed.
inline int HostEditorCloseEachEditor(void *editor, int a, int b, int c) {
  return CallHostSlot<int(HOSTAPI *)(void *, int, int, int)>(kEditorCloseEachEditor, 0, editor, a, b, c);
}
// The active editor's file name with path; null when none.
inline LPCSTR HostEditorGetCurrentFilenameWithPath() {
  return CallHostSlot<LPCSTR(HOSTAPI *)()>(kEditorGetCurrentFilenameWithPath, (LPCSTR)0);
}
inline void HostEditorUpdateMDIWindows() {
  CallHostSlotIgnoringResult<int(HOSTAPI *)()>(kEditorUpdateMDIWindows);
}
// Non-zero: the file was opened.
inline int HostExecutedEditorAndSaveInfoAndModifyRecentFileMenu(LPCSTR fileName, int one) {
  return CallHostSlot<int(HOSTAPI *)(LPCSTR, int)>(kExecutedEditorAndSaveInfoAndModifyRecentFileMenu, 0,
                                                   fileName, one);
}
// Fills `path` with a start folder; an empty slot leaves it as it is.
inline void HostGetDirectoryForChooseFolderAndFile(LPSTR path, LPARAM hostValue) {
  CallHostSlotIgnoringResult<int(HOSTAPI *)(LPSTR, LPARAM)>(kGetDirectoryForChooseFolderAndFile, path, hostValue);
}
// The current piece of the list, or null at its end (and for an empty slot).
inline LPSTR HostGetExtFormSeriesOfString(LPSTR text, LPSTR *separatorAt, int separator) {
  return CallHostSlot<LPSTR(HOSTAPI *)(LPSTR, LPSTR *, int)>(kGetExtFormSeriesOfString, (LPSTR)0, text,
                                                             separatorAt, separator);
}
inline void HostGetLibExtension(LPSTR path) {
  CallHostSlotIgnoringResult<int(HOSTAPI *)(LPSTR)>(kGetLibExtension, path);
}
inline void HostGetOutPutFolderWitheReleaseDebugFromCompileSwitch(LPSTR path, int index) {
  CallHostSlotIgnoringResult<int(HOSTAPI *)(LPSTR, int)>(kGetOutPutFolderWitheReleaseDebugFromCompileSwitch, path,
                                                         index);
}
// The first node of the host's editor tabs; null when none.
inline void *HostGetlpHeadTabList() {
  return CallHostSlot<void *(HOSTAPI *)()>(kGetlpHeadTabList, (void *)0);
}
// Non-zero: the file name has been changed.
inline int HostIsModifiedNameHere(LPCSTR fileName) {
  return CallHostSlot<int(HOSTAPI *)(LPCSTR)>(kIsModifiedNameHere, 0, fileName);
}
inline void HostSaveMainTextOfEditor(void *editor, int a, int b, int c) {
  CallHostSlotIgnoringResult<int(HOSTAPI *)(void *, int, int, int)>(kSaveMainTextOfEditor, editor, a, b, c);
}
inline void HostSetAddUserKeywordsInOpenPutWordDlg() {
  CallHostSlotIgnoringResult<int(HOSTAPI *)()>(kSetAddUserKeywordsInOpenPutWordDlg);
}
inline void HostSetDeleteViewerDialog(HWND dialog, int viewer) {
  CallHostSlotIgnoringResult<int(HOSTAPI *)(HWND, int)>(kSetDeleteViewerDialog, dialog, viewer);
}
inline void HostSetFootyGetText(int viewer, LPSTR buffer, int four) {
  CallHostSlotIgnoringResult<int(HOSTAPI *)(int, LPSTR, int)>(kSetFootyGetText, viewer, buffer, four);
}
// Length in bytes of the viewer's text; 0 for an empty slot.
inline int HostSetFootyGetTextLength(int viewer) {
  return CallHostSlot<int(HOSTAPI *)(int)>(kSetFootyGetTextLength, 0, viewer);
}
inline void HostSetFootyWriteEnableViewerDialog(int viewer, int writable) {
  CallHostSlotIgnoringResult<int(HOSTAPI *)(int, int)>(kSetFootyWriteEnableViewerDialog, viewer, writable);
}
// The new viewer's id; -1 (no viewer) for an empty slot.
inline int HostSetInitViewerDialog(HWND dialog, int controlId, LPARAM value) {
  return CallHostSlot<int(HOSTAPI *)(HWND, int, LPARAM)>(kSetInitViewerDialog, -1, dialog, controlId, value);
}
// Shows `text` in the host's status region; null clears it. Also called from
// the completion loader thread.
inline void HostSetMessageInAllowedStatusRegionWithSpace(LPCSTR text) {
  CallHostSlotIgnoringResult<int(HOSTAPI *)(LPCSTR)>(kSetMessageInAllowedStatusRegionWithSpace, text);
}
// 2, -7 or -5: the rename must stop; anything else (0 for an empty slot):
// go on.
inline int HostStopBecauseSameFileExist(HWND dialog, LPCSTR newName, const int *first, const int *second,
                                        int value, int zero) {
  return CallHostSlot<int(HOSTAPI *)(HWND, LPCSTR, const int *, const int *, int, int)>(
      kStopBecauseSameFileExist, 0, dialog, newName, first, second, value, zero);
}
// The ';'-separated extensions of source folder `folder`, or null.
inline LPCSTR HostTreeViewGetExtForSourceFiles(int folder, LPARAM hostValue) {
  return CallHostSlot<LPCSTR(HOSTAPI *)(int, LPARAM)>(kTreeViewGetExtForSourceFiles, (LPCSTR)0, folder,
                                                      hostValue);
}
// The shown name of source folder `folder`, or null for an empty slot.
inline LPCSTR HostTreeViewGetFolderForSourceFiles(int folder) {
  return CallHostSlot<LPCSTR(HOSTAPI *)(int)>(kTreeViewGetFolderForSourceFiles, (LPCSTR)0, folder);
}
