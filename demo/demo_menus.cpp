// The demo's menus: a main window with a File menu in the IDE's shape (the
// recent-file list at position 28), filled through the library as the host
// fills it, and a user shortcut written into the Open command and found
// again, once in English and once in Japanese. Menu texts are Shift-JIS and
// printed as UTF-8.
#include <windows.h>
#include <string>
#include <vector>

typedef int(__stdcall *MenuCall)();
enum { kOpenId = 40002, kFilePosition = 0, kRecentPosition = 28 };

static void PrintSjis(const std::string &text) {
  wchar_t wide[1024];
  char utf8[3072];
  int length = MultiByteToWideChar(932, 0, text.c_str(), -1, wide, 1024);
  WideCharToMultiByte(CP_UTF8, 0, wide, length, utf8, sizeof utf8, 0, 0);
  DWORD written;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), utf8, (DWORD)strlen(utf8), &written, 0);
}

template <class F> static F Find(HMODULE module, const char *name) {
  return reinterpret_cast<F>(reinterpret_cast<void *>(GetProcAddress(module, name)));
}

// Ten menus; the File menu holds Open, separators up to the recent lists at
// 28 and 29, and Exit.
static HMENU BuildBar() {
  HMENU bar = CreateMenu(), file = CreatePopupMenu();
  AppendMenuA(file, MF_STRING, kOpenId, "&Open...\tCtrl+O");
  while (GetMenuItemCount(file) < kRecentPosition) AppendMenuA(file, MF_SEPARATOR, 0, 0);
  for (const char *list : {"Recent &Files", "Recent &Projects"}) {
    HMENU popup = CreatePopupMenu();
    AppendMenuA(popup, MF_STRING | MF_GRAYED, 1, "---");
    AppendMenuA(file, MF_POPUP, (UINT_PTR)popup, list);
  }
  AppendMenuA(file, MF_STRING, 40009, "E&xit\tAlt+X");
  AppendMenuA(bar, MF_POPUP, (UINT_PTR)file, "&File");
  for (const char *name : {"&Edit", "&View", "&Project", "&Build", "&Debug", "&Tools", "&Search", "&Window", "&Help"})
    AppendMenuA(bar, MF_POPUP, (UINT_PTR)CreatePopupMenu(), name);
  return bar;
}

static std::string ItemText(HMENU menu, int position) {
  char text[520] = "";
  GetMenuStringA(menu, (UINT)position, text, sizeof text, MF_BYPOSITION);
  return text;
}

static void ShowLanguage(HMODULE library, HMENU file, const std::vector<std::string> &files) {
  auto setFirst = Find<int(__stdcall *)(int, int)>(library, "SetFirstItemsInMenu");
  auto modify = Find<int(__stdcall *)(const char *)>(library, "ModifyRecentFileMenu");
  auto compose = Find<int(__stdcall *)(char *, int, int, int, int)>(library, "SetAltCodeInMenuString");
  auto place = Find<char *(__stdcall *)(char *, int, int, int, int)>(library, "SetFormattedStringInMenuString");
  auto apply = Find<int(__stdcall *)(const char *)>(library, "SetModifiedKeyStrokeInMenuWithoutMenuString");
  auto keyName = Find<const char *(__stdcall *)(int)>(library, "GetStringFromVkCodeForSpecialKeyStroke");
  auto findId = Find<int(__stdcall *)(const char *, int *, int)>(library, "GetIdFromAltCodeFromMenu");
  HMENU recent = GetSubMenu(file, kRecentPosition);
  while (GetMenuItemCount(recent) > 1) DeleteMenu(recent, 1, MF_BYPOSITION);
  setFirst(0, kRecentPosition);
  PrintSjis("  empty recent-file list: " + ItemText(GetSubMenu(file, kRecentPosition), 0) + "\n");
  for (const std::string &name : files) modify(name.c_str());
  for (int place = 0; place < GetMenuItemCount(recent); place++)
    PrintSjis("  [" + std::to_string(GetMenuItemID(recent, place)) + "] " + ItemText(recent, place) + "\n");
  // The user gives Open the shortcut Ctrl+Shift+down arrow: composed behind
  // the Kugiri mark and a blank of an empty label, then stored as a
  // shortcut-only record for menu 0, position 0, as the host keeps it.
  char composed[520] = "";
  compose(composed, 0, VK_DOWN, 0, 5);
  char *record = composed + 2;
  place(record, kFilePosition, 0, -1, 0);
  apply(record);
  int mask = 0;
  int id = findId(keyName(VK_DOWN), &mask, 5);
  PrintSjis("  user shortcut: \"" + ItemText(file, 0) + "\" is found again as command " + std::to_string(id) +
            " (modifier mask " + std::to_string(mask) + ")\n");
}

void ShowMenus(HMODULE library) {
  HMODULE kitlib = GetModuleHandleA("kitlib.dll");
  auto setMain = Find<void(__stdcall *)(HWND)>(kitlib, "KitSetMainWindow");
  auto setLanguage = Find<void(__stdcall *)(int)>(kitlib, "KitSetLanguage");
  auto retrieve = Find<int(__stdcall *)(HWND)>(library, "RetriveAllMainMenu");
  if (!setMain || !setLanguage || !retrieve) return;
  HWND window = CreateWindowA("STATIC", "Orvex demo", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, 0, BuildBar(), 0, 0);
  setMain(window);
  retrieve(window);
  Find<MenuCall>(library, "AdjustOSBugForMenuEmpty")();
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::vector<std::string> files;
  for (const char *name : {"main.c", "util.c", "\x83\x81\x83\x43\x83\x93.c"}) { // メイン.c
    files.push_back(std::string(temp) + "orvex_demo\\" + name);
    CloseHandle(CreateFileA(files.back().c_str(), GENERIC_WRITE, 0, 0, CREATE_ALWAYS, 0, 0));
  }
  for (int language : {0, 1}) {
    setLanguage(language);
    PrintSjis(language ? "\nMenus in Japanese:\n" : "\nMenus in English:\n");
    ShowLanguage(library, GetSubMenu(GetMenu(window), kFilePosition), files);
  }
  setLanguage(0);
  setMain(0);
  DestroyWindow(window);
}
