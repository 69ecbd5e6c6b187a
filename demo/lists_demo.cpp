// Drives two dialogs of the library the way a user would, from a timer that
// runs inside their modal loops: the "Add Folders" dialog gets a second
// folder typed and added, then OK; the import-library dialog gets a
// Microsoft library whose target is left empty, then OK, and the box that
// proposes the default target is read and accepted. The folder list, the
// names handed back and the names remembered for undoing are printed.
#include "demo/lists_demo.h"
#include <stdio.h>
#include <string.h>

typedef int(__stdcall *OpenEditFn)(HWND, int, int, HGLOBAL *);
typedef int(__stdcall *OpenLibraryFn)(HWND, int, int *, char **);
typedef const char *(__stdcall *NameFn)(void);
typedef void(__stdcall *SetterFn)(void *);

enum { kEditItem = 1092, kAdd = 1094, kFolderList = 25000, kLibraryLabel = 1083, kBoxText = 0xFFFF };

// Set before each dialog and read by the timer, on the demo's only thread.
static std::string g_typed;
static std::string g_boxes;

static void PrintText(const std::string &text) {
  DWORD written;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), (DWORD)text.size(), &written, 0);
}

static bool Handled(HWND window) {
  if (GetPropA(window, "demo")) return true;
  SetPropA(window, "demo", (HANDLE)1);
  return false;
}

static BOOL CALLBACK WorkWindow(HWND window, LPARAM) {
  char name[16] = "";
  if (!IsWindowVisible(window) || !GetClassNameA(window, name, sizeof name) || strcmp(name, "#32770")) return TRUE;
  if (GetDlgItem(window, kBoxText) && !Handled(window)) {
    char text[1024] = "";
    GetDlgItemTextA(window, kBoxText, text, sizeof text);
    g_boxes += std::string("  box: ") + text + "\n";
    PostMessageA(window, WM_COMMAND, IDOK, 0);
  } else if (GetDlgItem(window, kFolderList) && !Handled(window)) {
    SetDlgItemTextA(window, kEditItem, g_typed.c_str());
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(kAdd, BN_CLICKED), 0);
    PostMessageA(window, WM_COMMAND, IDOK, 0);
  } else if (GetDlgItem(window, kLibraryLabel) && !Handled(window)) {
    PostMessageA(window, WM_COMMAND, IDOK, 0);
  }
  return TRUE;
}

static void CALLBACK Work(HWND, UINT, UINT_PTR, DWORD) { EnumThreadWindows(GetCurrentThreadId(), WorkWindow, 0); }

static std::string ListText(HGLOBAL list) {
  std::string text = (const char *)GlobalLock(list);
  GlobalUnlock(list);
  return text;
}

static void ShowFolderList(HMODULE library, const std::string &work) {
  std::string first = work + "\\include", second = work + "\\lib";
  CreateDirectoryA(first.c_str(), 0);
  CreateDirectoryA(second.c_str(), 0);
  HGLOBAL list = GlobalAlloc(GMEM_MOVEABLE, first.size() + 1);
  strcpy((char *)GlobalLock(list), first.c_str());
  GlobalUnlock(list);
  g_typed = second;
  PrintText("\n\"Add Folders\" on the list \"" + ListText(list) + "\", " + second + " typed and added, then OK:\n");
  int answer = ((OpenEditFn)(void *)GetProcAddress(library, "OpenEditDialog"))(0, 0, 0, &list);
  PrintText("  answer " + std::to_string(answer) + ", list now \"" + ListText(list) + "\"\n");
  GlobalFree(list);
}

static std::string NameOrNone(HMODULE library, const char *getter) {
  const char *name = ((NameFn)(void *)GetProcAddress(library, getter))();
  return name ? name : "(none)";
}

static int __stdcall SameLibraryName(char *path) { return 0; }

static void ShowImportLibrary(HMODULE library, const std::string &work) {
  std::string source = work + "\\msvc.lib";
  HANDLE file = CreateFileA(source.c_str(), GENERIC_WRITE, 0, 0, CREATE_ALWAYS, 0, 0);
  CloseHandle(file);
  ((SetterFn)(void *)GetProcAddress(library, "GetLibExtensionAPI"))((void *)SameLibraryName);
  char entries[5][520] = {};
  char *names[5] = {entries[0], entries[1], entries[2], entries[3], entries[4]};
  strcpy(entries[1], source.c_str());
  int kind = 265;
  g_boxes.clear();
  PrintText("\nImport library from " + source + ", target left empty, 'MS' added to the tail, OK:\n");
  int answer = ((OpenLibraryFn)(void *)GetProcAddress(library, "OpenNewBClibDialog"))(0, 0, &kind, names);
  PrintText(g_boxes);
  PrintText("  answer " + std::to_string(answer) + ", convert " + entries[1] + " into " + entries[4] + "\n");
  PrintText("  remembered: original " + NameOrNone(library, "GetOriginalMSLibraryName") + ", renamed " +
            NameOrNone(library, "GetRenamedMSLibraryName") + "\n");
  ((void(__stdcall *)(void))(void *)GetProcAddress(library, "FreeLibraryNameForMCtoBClibrary"))();
}

void ShowFolderListAndImportLibrary(HMODULE library, const std::string &work) {
  UINT_PTR timer = SetTimer(0, 0, 50, Work);
  ShowFolderList(library, work);
  ShowImportLibrary(library, work);
  KillTimer(0, timer);
}
