// The helpers through which the library calls the host (frame/registry.h):
// an empty slot does nothing and gives the caller's "nothing happened" result
// (the folder check accepts), a filled slot gets the arguments in order and
// its result is passed on. The slots here are a stand-in table of this test
// program; the library's own slots are filled by its exported setters.
#include <gtest/gtest.h>
#include "frame/registry.h"

static void *g_testSlots[kHostSlotCount];

void *HostSlotFunction(HostSlot slot) { return g_testSlots[slot]; }

TEST(RegistryCalls, EmptySlotsGiveTheNothingHappenedResults) {
  for (void *&slot : g_testSlots) slot = nullptr;
  char path[8] = "C:\\x";
  LPSTR separatorAt = nullptr;
  EXPECT_EQ(HostCheckFolderSelectionValidForOpenEditDlg(0, "C:\\"), 1);
  EXPECT_EQ(HostEditFootyGetHwndEditor(0), nullptr);
  EXPECT_EQ(HostEditorCloseEachEditor(nullptr, 0, 3, 0), 0);
  EXPECT_EQ(HostEditorGetCurrentFilenameWithPath(), nullptr);
  EXPECT_EQ(HostExecutedEditorAndSaveInfoAndModifyRecentFileMenu("a.c", 1), 0);
  EXPECT_EQ(HostGetExtFormSeriesOfString(path, &separatorAt, ';'), nullptr);
  EXPECT_EQ(HostGetlpHeadTabList(), nullptr);
  EXPECT_EQ(HostIsModifiedNameHere("a.c"), 0);
  EXPECT_EQ(HostSetFootyGetTextLength(1), 0);
  EXPECT_EQ(HostSetInitViewerDialog(0, 1372, 0), -1);
  EXPECT_EQ(HostStopBecauseSameFileExist(0, "b.c", nullptr, nullptr, 123, 0), 0);
  EXPECT_EQ(HostTreeViewGetExtForSourceFiles(0, 0), nullptr);
  EXPECT_EQ(HostTreeViewGetFolderForSourceFiles(0), nullptr);
  // Those whose result nobody uses simply return; the buffers stay as given.
  HostCheckAllEditorTabsInAllowedRegionOnSize();
  HostDestroyFindTextDlg(0);
  HostEditorUpdateMDIWindows();
  HostGetDirectoryForChooseFolderAndFile(path, 0);
  HostGetLibExtension(path);
  HostGetOutPutFolderWitheReleaseDebugFromCompileSwitch(path, 1);
  HostSaveMainTextOfEditor(nullptr, 0, 0, 0);
  HostSetAddUserKeywordsInOpenPutWordDlg();
  HostSetDeleteViewerDialog(0, 1);
  HostSetFootyGetText(1, path, 4);
  HostSetFootyWriteEnableViewerDialog(1, 0);
  HostSetMessageInAllowedStatusRegionWithSpace(nullptr);
  EXPECT_STREQ(path, "C:\\x");
}

static std::vector<INT_PTR> g_arguments;

static int __stdcall RefuseFolder(HWND dialog, LPCSTR folder) {
  g_arguments = {(INT_PTR)dialog, (INT_PTR)folder};
  return 0;
}

static int __stdcall StopRename(HWND dialog, LPCSTR name, const int *first, const int *second, int value,
                                int zero) {
  g_arguments = {(INT_PTR)dialog, (INT_PTR)name, first[0], first[1], second[0], second[1], value, zero};
  return -7;
}

static int __stdcall GiveStartFolder(LPSTR path, LPARAM hostValue) {
  lstrcpyA(path, "D:\\");
  g_arguments = {(INT_PTR)hostValue};
  return 99;
}

TEST(RegistryCalls, FilledSlotsGetTheArgumentsInOrder) {
  for (void *&slot : g_testSlots) slot = nullptr;
  g_testSlots[kCheckFolderSelectionValidForOpenEditDlg] = (void *)&RefuseFolder;
  g_testSlots[kStopBecauseSameFileExist] = (void *)&StopRename;
  g_testSlots[kGetDirectoryForChooseFolderAndFile] = (void *)&GiveStartFolder;

  const char *folder = "C:\\work";
  EXPECT_EQ(HostCheckFolderSelectionValidForOpenEditDlg((HWND)(INT_PTR)0x1234, folder), 0);
  EXPECT_EQ(g_arguments, (std::vector<INT_PTR>{0x1234, (INT_PTR)folder}));

  const int first[2] = {118, 0}, second[2] = {311, 1};
  const char *name = "new.c";
  EXPECT_EQ(HostStopBecauseSameFileExist((HWND)(INT_PTR)0x88, name, first, second, 123, 0), -7);
  EXPECT_EQ(g_arguments, (std::vector<INT_PTR>{0x88, (INT_PTR)name, 118, 0, 311, 1, 123, 0}));

  char path[16] = "";
  HostGetDirectoryForChooseFolderAndFile(path, 77);
  EXPECT_STREQ(path, "D:\\");
  EXPECT_EQ(g_arguments, (std::vector<INT_PTR>{77}));
  for (void *&slot : g_testSlots) slot = nullptr;
}
