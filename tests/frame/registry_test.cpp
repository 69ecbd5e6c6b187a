// The host callback registry's 29 setters: each takes a function's address
// (and a null one) without calling it.
#include <gtest/gtest.h>
#include "host/host.h"

static const char *const kSetters[] = {
    "AddMessageInMemoryAndShowInOutputWindowAPI",
    "CheckAllEditorTabsInAllowedRegionOnSizeAPI",
    "CheckFolderSelectionValidForOpenEditDlgAPI",
    "DestroyFindTextDlgAPI",
    "EditFootyGetHwndEditorAPI",
    "EditorCloseEachEditorAPI",
    "EditorGetCurrentFilenameWithPathAPI",
    "EditorResetFilenameInEditorStructButNotInFileListAPI",
    "EditorUpdateMDIWindowsAPI",
    "ExecutedEditorAndSaveInfoAndModifyRecentFileMenuAPI",
    "GetDirectoryForChooseFolderAndFileAPI",
    "GetExtFormSeriesOfStringAPI",
    "GetLibExtensionAPI",
    "GetOutPutFolderWitheReleaseDebugFromCompileSwitchAPI",
    "GetlpHeadTabListAPI",
    "IsModifiedNameHereAPI",
    "RenameFilenameAtAllDescribedPlaceAPI",
    "SaveMainTextOfEditorAPI",
    "SetAddUserKeywordsInOpenPutWordDlgAPI",
    "SetDeleteViewerDialogAPI",
    "SetFootyGetTextAPI",
    "SetFootyGetTextLengthAPI",
    "SetFootyWriteEnableViewerDialogAPI",
    "SetInitViewerDialogAPI",
    "SetMessageInAllowedStatusRegionWithSpaceAPI",
    "SetSpecifiedOutputWindowTabAndWindowActiveToShowAPI",
    "StopBecauseSameFileExistAPI",
    "TreeViewGetExtForSourceFilesAPI",
    "TreeViewGetFolderForSourceFilesAPI",
};

static int g_calls = 0;
static int __stdcall CountingHostFunction() { return ++g_calls; }

TEST(Registry, EverySetterAcceptsAPointerWithoutCallingIt) {
  ASSERT_EQ(sizeof kSetters / sizeof kSetters[0], 29u);
  typedef void(__stdcall * SetterFn)(void *);
  for (const char *name : kSetters) {
    SetterFn setter = HostProc<SetterFn>(name);
    ASSERT_NE(setter, nullptr) << name;
    setter((void *)&CountingHostFunction);
    setter((void *)&CountingHostFunction); // again: the last one wins
  }
  EXPECT_EQ(g_calls, 0);
  // Leave every slot as the other tests expect it: empty.
  for (const char *name : kSetters) HostProc<SetterFn>(name)(nullptr);
}
