// Emptying a folder: what matches a pattern in it goes, without questions,
// to the recycle bin when that is switched on. The stand-in deletes only
// inside the folder the host or a test names with KitSetDeletionRoot and
// writes every request to the journal, so that a test can ask for a drive
// root or the Windows folder and see that the request was made, never done.
#include "frame/kitlib.h"
#include "frame/sjis_case.h"
#include "journal.h"
#include <shellapi.h>
#include <string.h>
#include <string>
#include <vector>

// All of these are set and read on the user-interface thread that deletes.
static HWND g_deletingFor = 0;
static int g_force = 0;
static int g_trash = 0;
static std::string g_root;
static std::vector<std::string> g_found;

extern "C" void KITAPI SetDlgBoxItemsForDeleting(HWND dialog, int reserved) { g_deletingFor = dialog; }
extern "C" void KITAPI SetAllDelByForce(int force) { g_force = force; }
extern "C" void KITAPI SetTrashActivated(int trash, int reserved) { g_trash = trash; }
extern "C" void KITAPI ReleaseFoundFileList(void) { std::vector<std::string>().swap(g_found); }

static std::string FullPath(const char *path) {
  char full[MAX_PATH];
  DWORD length = GetFullPathNameA(path, MAX_PATH, full, 0);
  return length && length < MAX_PATH ? std::string(full) : std::string();
}

extern "C" void KITAPI KitSetDeletionRoot(LPCSTR root) { g_root = root ? FullPath(root) : std::string(); }

// True when `folder` lies inside the deletion root.
static bool MayDelete(const std::string &folder) {
  if (g_root.empty() || folder.size() <= g_root.size()) return false;
  if (!SjisStartsWithNoCase(folder.c_str(), g_root.c_str())) return false;
  return g_root.back() == '\\' || folder[g_root.size()] == '\\';
}

static void FindEntries(const std::string &folder, const char *pattern) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\" + pattern).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if (!strcmp(found.cFileName, ".") || !strcmp(found.cFileName, "..")) continue;
    g_found.push_back(folder + "\\" + found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

static void DeleteFound(void) {
  std::string names;
  for (const std::string &name : g_found) {
    if (g_force) SetFileAttributesA(name.c_str(), FILE_ATTRIBUTE_NORMAL);
    names += name + std::string(1, '\0');
  }
  if (names.empty()) return;
  names.push_back('\0');
  SHFILEOPSTRUCTA operation;
  memset(&operation, 0, sizeof operation);
  operation.hwnd = IsWindow(g_deletingFor) ? g_deletingFor : 0;
  operation.wFunc = FO_DELETE;
  operation.pFrom = names.c_str();
  operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT | (g_trash ? FOF_ALLOWUNDO : 0);
  SHFileOperationA(&operation);
}

extern "C" int KITAPI DelWild(HWND owner, int reserved1, int titleId, int reserved2, LPCSTR folder, LPCSTR pattern,
                              LPCSTR currentFolder) {
  const char *fields[] = {"delete", folder ? folder : "", pattern ? pattern : ""};
  JournalAppend(fields, 3);
  if (!folder || !folder[0] || !pattern || !pattern[0]) return -1;
  std::string full = FullPath(folder);
  if (full.empty() || IsDirectoryAttribute(full.c_str()) != 4) return -1;
  if (currentFolder && currentFolder[0]) SetCurrentDirectoryA(currentFolder);
  ReleaseFoundFileList();
  FindEntries(full, pattern);
  if (MayDelete(full)) DeleteFound();
  return (int)g_found.size();
}
