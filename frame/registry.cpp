// The host callback registry: the slots and their 29 setters. A setter only
// stores the pointer it is given; the last one stored wins. Calls go through
// the helpers of registry.h. The seven setters of the viewer, rename and
// edit dialogs return the pointer they store; the others return nothing.
#include "frame/registry.h"

// Written by the setters on the host's user-interface thread, at start-up and
// whenever the host changes a function; read by the UI thread and by the
// completion loader thread (status-region slot). A pointer is stored whole.
static void *volatile g_slots[kHostSlotCount];

void *HostSlotFunction(HostSlot slot) {
  if (slot < 0 || slot >= kHostSlotCount) return 0;
  return g_slots[slot];
}

// Returns the pointer stored: the setters of the viewer, rename and edit
// dialogs hand it back to the host.
static void *StoreSlot(HostSlot slot, void *function) {
  InterlockedExchangePointer(&g_slots[slot], function);
  return function;
}

extern "C" void ORVEXAPI AddMessageInMemoryAndShowInOutputWindowAPI(void *function) { StoreSlot(kAddMessageInMemoryAndShowInOutputWindow, function); }
extern "C" void ORVEXAPI CheckAllEditorTabsInAllowedRegionOnSizeAPI(void *function) { StoreSlot(kCheckAllEditorTabsInAllowedRegionOnSize, function); }
extern "C" void *ORVEXAPI CheckFolderSelectionValidForOpenEditDlgAPI(void *function) { return StoreSlot(kCheckFolderSelectionValidForOpenEditDlg, function); }
extern "C" void ORVEXAPI DestroyFindTextDlgAPI(void *function) { StoreSlot(kDestroyFindTextDlg, function); }
extern "C" void ORVEXAPI EditFootyGetHwndEditorAPI(void *function) { StoreSlot(kEditFootyGetHwndEditor, function); }
extern "C" void ORVEXAPI EditorCloseEachEditorAPI(void *function) { StoreSlot(kEditorCloseEachEditor, function); }
extern "C" void ORVEXAPI EditorGetCurrentFilenameWithPathAPI(void *function) { StoreSlot(kEditorGetCurrentFilenameWithPath, function); }
extern "C" void ORVEXAPI EditorResetFilenameInEditorStructButNotInFileListAPI(void *function) { StoreSlot(kEditorResetFilenameInEditorStructButNotInFileList, function); }
extern "C" void ORVEXAPI EditorUpdateMDIWindowsAPI(void *function) { StoreSlot(kEditorUpdateMDIWindows, function); }
extern "C" void ORVEXAPI ExecutedEditorAndSaveInfoAndModifyRecentFileMenuAPI(void *function) { StoreSlot(kExecutedEditorAndSaveInfoAndModifyRecentFileMenu, function); }
extern "C" void ORVEXAPI GetDirectoryForChooseFolderAndFileAPI(void *function) { StoreSlot(kGetDirectoryForChooseFolderAndFile, function); }
extern "C" void ORVEXAPI GetExtFormSeriesOfStringAPI(void *function) { StoreSlot(kGetExtFormSeriesOfString, function); }
extern "C" void ORVEXAPI GetLibExtensionAPI(void *function) { StoreSlot(kGetLibExtension, function); }
extern "C" void ORVEXAPI GetOutPutFolderWitheReleaseDebugFromCompileSwitchAPI(void *function) { StoreSlot(kGetOutPutFolderWitheReleaseDebugFromCompileSwitch, function); }
extern "C" void ORVEXAPI GetlpHeadTabListAPI(void *function) { StoreSlot(kGetlpHeadTabList, function); }
extern "C" void ORVEXAPI IsModifiedNameHereAPI(void *function) { StoreSlot(kIsModifiedNameHere, function); }
extern "C" void ORVEXAPI RenameFilenameAtAllDescribedPlaceAPI(void *function) { StoreSlot(kRenameFilenameAtAllDescribedPlace, function); }
extern "C" void ORVEXAPI SaveMainTextOfEditorAPI(void *function) { StoreSlot(kSaveMainTextOfEditor, function); }
extern "C" void ORVEXAPI SetAddUserKeywordsInOpenPutWordDlgAPI(void *function) { StoreSlot(kSetAddUserKeywordsInOpenPutWordDlg, function); }
extern "C" void *ORVEXAPI SetDeleteViewerDialogAPI(void *function) { return StoreSlot(kSetDeleteViewerDialog, function); }
extern "C" void *ORVEXAPI SetFootyGetTextAPI(void *function) { return StoreSlot(kSetFootyGetText, function); }
extern "C" void *ORVEXAPI SetFootyGetTextLengthAPI(void *function) { return StoreSlot(kSetFootyGetTextLength, function); }
extern "C" void *ORVEXAPI SetFootyWriteEnableViewerDialogAPI(void *function) { return StoreSlot(kSetFootyWriteEnableViewerDialog, function); }
extern "C" void *ORVEXAPI SetInitViewerDialogAPI(void *function) { return StoreSlot(kSetInitViewerDialog, function); }
extern "C" void ORVEXAPI SetMessageInAllowedStatusRegionWithSpaceAPI(void *function) { StoreSlot(kSetMessageInAllowedStatusRegionWithSpace, function); }
extern "C" void ORVEXAPI SetSpecifiedOutputWindowTabAndWindowActiveToShowAPI(void *function) { StoreSlot(kSetSpecifiedOutputWindowTabAndWindowActiveToShow, function); }
extern "C" void *ORVEXAPI StopBecauseSameFileExistAPI(void *function) { return StoreSlot(kStopBecauseSameFileExist, function); }
extern "C" void ORVEXAPI TreeViewGetExtForSourceFilesAPI(void *function) { StoreSlot(kTreeViewGetExtForSourceFiles, function); }
extern "C" void ORVEXAPI TreeViewGetFolderForSourceFilesAPI(void *function) { StoreSlot(kTreeViewGetFolderForSourceFiles, function); }
