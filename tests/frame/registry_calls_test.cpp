// The helpers through which the library calls the host (frame/registry.h)
// pass the arguments in order and the result back. They read a stand-in slot
// table of this test program; the sweep calls every exported setter.
#include <gtest/gtest.h>
#include "frame/registry.h"

static void *g_testSlots[kHostSlotCount];

void *HostSlotFunction(HostSlot slot) { return g_testSlots[slot]; }

static std::vector<INT_PTR> g_arguments;

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
  g_testSlots[kStopBecauseSameFileExist] = (void *)&StopRename;
  g_testSlots[kGetDirectoryForChooseFolderAndFile] = (void *)&GiveStartFolder;
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
