// Plays the IDE from a folder of its own: loads orvexlib.dll from beside
// itself by name (as the IDE's import does), sets the product folder and
// prints what the library then answers, one "name=value" line each; last
// it starts the elevated helper, when there is one beside it.
#include <windows.h>
#include <stdio.h>

int main() {
  HMODULE library = LoadLibraryA("orvexlib.dll");
  if (!library) return 2;
  auto setFolder = (void(__stdcall *)(void))GetProcAddress(library, "SetOrvexDirectory");
  auto folder = (char *(__stdcall *)(void))GetProcAddress(library, "GetOrvexDirectory");
  auto fullPath = (char *(__stdcall *)(char *))GetProcAddress(library, "GetOrvexFullPathName");
  auto helpThere = (int(__stdcall *)(int))GetProcAddress(library, "IsHelpFileThere");
  auto startHelper = (int(__stdcall *)(HWND, int))GetProcAddress(library, "DoOrvexExtExeForVista");
  if (!setFolder || !folder || !fullPath || !helpThere || !startHelper) return 3;
  setFolder();
  printf("folder=%s\n", folder());
  printf("ide=%s\n", fullPath(0));
  printf("help=%d\n", helpThere(0));
  printf("helper=%d\n", startHelper(0, 0));
  return 0;
}
