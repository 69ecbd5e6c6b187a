// The common Open dialog and the folder dialog, with the folder and files the
// last choice left. The names of a file choice are kept as full paths, each
// NUL-ended, then an empty text, in a buffer of their own that lives until
// ReleaseAllocMemoryForFileOpen, so a caller can size its copy first.
#include "frame/kitlib.h"
#include "frame/buffer_sizes.h"
#include "frame/text_fit.h"
#include <commdlg.h>
#include <shlobj.h>
#include <string.h>
#include <string>

enum { kNamesSize = 32768, kTitleSize = 128 };

// Option bits that would ask for a hook or a template the caller cannot give.
static const DWORD kRefusedOptions = OFN_ENABLEHOOK | OFN_ENABLETEMPLATE | OFN_ENABLETEMPLATEHANDLE;

// All of these belong to the user-interface thread that opens the dialogs.
static char g_currentDir[ITEM_BUFFER_SIZE];
static char g_fileWithPath[ITEM_BUFFER_SIZE];
static char g_fileWithoutPath[ITEM_BUFFER_SIZE];
static std::string g_chosen(2, '\0'); // the names of the last choice

extern "C" LPSTR KITAPI GetDlgCurrentDir(void) { return g_currentDir; }
extern "C" LPSTR KITAPI GetDlgCurrentFileWithPath(void) { return &g_chosen[0]; }

extern "C" int KITAPI SetDlgCurrentDir(LPCSTR folder) {
  if (!folder || !folder[0] || strlen(folder) >= ITEM_BUFFER_SIZE || !SetCurrentDirectoryA(folder)) return 0;
  CopySjis(g_currentDir, sizeof g_currentDir, folder);
  return 1;
}

extern "C" void KITAPI SetDlgCurrentFileWithPath(LPCSTR text) {
  CopySjis(g_fileWithPath, sizeof g_fileWithPath, text);
}
extern "C" void KITAPI SetDlgCurrentFileWithoutPath(LPCSTR text) {
  CopySjis(g_fileWithoutPath, sizeof g_fileWithoutPath, text);
}

extern "C" void KITAPI ReleaseAllocMemoryForFileOpen(void) { std::string(2, '\0').swap(g_chosen); }

extern "C" void KITAPI ResetDlgCurrentDirAndFile(void) {
  g_currentDir[0] = g_fileWithPath[0] = g_fileWithoutPath[0] = 0;
  ReleaseAllocMemoryForFileOpen();
}

// ---- Titles ----

static const struct { int kind; const char *text[2]; } kTitles[] = {
    {2, {"Choose a folder", "ﾌｫﾙﾀﾞの選択"}},
    {15, {"Choose a library", "ﾗｲﾌﾞﾗﾘの選択"}},
    {16, {"Choose a DLL file", "DLLﾌｧｲﾙの選択"}},
    {8190, {"Choose C source files", "Cｿｰｽﾌｧｲﾙの選択"}},
    {8191, {"Choose header files", "ﾍｯﾀﾞﾌｧｲﾙの選択"}},
    {8193, {"Choose C++ source files", "C++ｿｰｽﾌｧｲﾙの選択"}},
    {8198, {"Choose a library", "ﾗｲﾌﾞﾗﾘの選択"}},
    {8199, {"Choose a DLL file", "DLLﾌｧｲﾙの選択"}},
};
static const char *const kGeneralTitle[] = {"Choose files", "ﾌｧｲﾙの選択"};

extern "C" LPCSTR KITAPI GetTitleForFileOpen(int kind) {
  int language = GetLanguage() ? 1 : 0;
  for (const auto &title : kTitles)
    if (title.kind == kind) return title.text[language];
  return kGeneralTitle[language];
}

// ---- The dialogs ----

// The filter with each '|' that is a character of its own made a NUL, and
// the double NUL the dialog wants at its end.
static std::string DialogFilter(const char *filter) {
  std::string fields;
  for (const char *p = filter; *p; p = SjisNext(p)) {
    if (SjisCharLength(p) == 1 && *p == '|') fields.push_back('\0');
    else fields.append(p, SjisCharLength(p));
  }
  fields.append(2, '\0');
  return fields;
}

// Keeps the names the dialog returned as full paths: a single name is one
// already; several come as the folder followed by bare names.
static int KeepChosenNames(const char *names, WORD fileOffset) {
  std::string list;
  int count = 0;
  const char *first = names + strlen(names) + 1;
  if (fileOffset > 0 && names[fileOffset - 1] == '\0' && *first) {
    std::string folder(names);
    if (folder.empty() || folder.back() != '\\') folder += '\\';
    for (const char *name = first; *name; name += strlen(name) + 1, count++)
      list += folder + name + std::string(1, '\0');
    CopySjis(g_currentDir, sizeof g_currentDir, names);
    CopySjis(g_fileWithoutPath, sizeof g_fileWithoutPath, first);
  } else {
    list = std::string(names) + std::string(1, '\0');
    count = 1;
    CopySjis(g_currentDir, sizeof g_currentDir, names);
    GetDirectoryPathInFile(g_currentDir);
    CopySjis(g_fileWithoutPath, sizeof g_fileWithoutPath, names + fileOffset);
  }
  CopySjis(g_fileWithPath, sizeof g_fileWithPath, list.c_str());
  g_chosen = list + std::string(1, '\0');
  return count;
}

static int OpenFileDialog(HWND window, LPCSTR title, LPCSTR filter, const char *start, int option) {
  std::string filters = DialogFilter(filter);
  std::string names(kNamesSize, '\0');
  CopySjis(&names[0], ITEM_BUFFER_SIZE, g_fileWithoutPath);
  OPENFILENAMEA dialog;
  memset(&dialog, 0, sizeof dialog);
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = IsWindow(window) ? window : 0;
  dialog.lpstrFilter = filters.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = &names[0];
  dialog.nMaxFile = kNamesSize;
  dialog.lpstrInitialDir = start[0] ? start : 0;
  dialog.lpstrTitle = title;
  dialog.Flags = ((DWORD)option & ~kRefusedOptions) | OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameA(&dialog)) return CommDlgExtendedError() ? -1 : 0;
  return KeepChosenNames(names.c_str(), dialog.nFileOffset);
}

static int CALLBACK SelectStartFolder(HWND dialog, UINT message, LPARAM, LPARAM start) {
  if (message == BFFM_INITIALIZED && start) SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, start);
  return 0;
}

static int OpenFolderDialog(HWND window, LPCSTR title, const char *start) {
  char shown[MAX_PATH] = "", folder[MAX_PATH] = "";
  BROWSEINFOA browse;
  memset(&browse, 0, sizeof browse);
  browse.hwndOwner = IsWindow(window) ? window : 0;
  browse.pszDisplayName = shown;
  browse.lpszTitle = title;
  browse.ulFlags = BIF_RETURNONLYFSDIRS;
  browse.lpfn = SelectStartFolder;
  browse.lParam = (LPARAM)(start[0] ? start : 0);
  LPITEMIDLIST chosen = SHBrowseForFolderA(&browse);
  if (!chosen) return 0;
  BOOL isPath = SHGetPathFromIDListA(chosen, folder);
  CoTaskMemFree(chosen);
  if (!isPath || !folder[0]) return -1;
  CopySjis(g_currentDir, sizeof g_currentDir, folder);
  return 1;
}

extern "C" int KITAPI my_wmFileOpen(HWND window, LPCSTR title, LPCSTR filter, LPSTR path, int option, int last) {
  char start[ITEM_BUFFER_SIZE];
  CopySjis(start, sizeof start, path && path[0] ? path : g_currentDir);
  ReleaseAllocMemoryForFileOpen();
  return filter ? OpenFileDialog(window, title, filter, start, option) : OpenFolderDialog(window, title, start);
}
