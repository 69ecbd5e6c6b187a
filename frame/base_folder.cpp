// The base folder (the current project's folder, against which relative
// paths are resolved) and the old base folder (the previous one, kept while
// a project is moved or converted). A path that does not fit is refused and
// the buffer keeps what it held.
#include "frame/paths.h"
#include "frame/kitlib.h"
#include "frame/shift_jis.h"
#include <string.h>

// Both written and read on the host's user-interface thread only.
static char g_baseFolder[MAX_PATH];
static char g_oldBaseFolder[MAX_PATH];

// Copies path into folder when it fits with its NUL; false (folder
// unchanged) when it does not.
static bool StoreFolder(char *folder, LPCSTR path) {
  size_t length = strlen(path);
  if (length >= MAX_PATH) return false;
  memcpy(folder, path, length + 1);
  return true;
}

// The path made full in place, as the system resolves it against the current
// folder; false when that fails or does not fit.
static bool MakeFull(char *path) {
  char full[MAX_PATH];
  DWORD length = GetFullPathNameA(path, MAX_PATH, full, 0);
  if (length == 0 || length >= MAX_PATH) return false;
  memcpy(path, full, length + 1);
  return true;
}

// A file's folder is kept. A file named without a folder ("main.c",
// "C:main.c") lies in the current folder of its drive: that folder is kept,
// never the file's name.
extern "C" LPSTR ORVEXAPI SaveBaseFolder(LPCSTR path) {
  if (!path || !path[0]) return 0;
  char folder[MAX_PATH];
  if (!StoreFolder(folder, path)) return 0;
  if (IsDirectoryAttributeForOrvex(folder) == 2) {
    if (!SjisLastSeparator(folder) && !MakeFull(folder)) return 0;
    GetDirectoryPathInFile(folder);
  }
  StoreFolder(g_baseFolder, folder);
  return g_baseFolder;
}

extern "C" LPSTR ORVEXAPI SaveOldBaseFolder(LPCSTR path) {
  if (!path || !StoreFolder(g_oldBaseFolder, path)) return 0;
  return g_oldBaseFolder;
}

extern "C" LPSTR ORVEXAPI GetBaseFolder(void) { return g_baseFolder; }
extern "C" LPSTR ORVEXAPI GetOldBaseFolder(void) { return g_oldBaseFolder; }
extern "C" int ORVEXAPI IsBaseFolderThere(void) { return g_baseFolder[0] != 0; }
extern "C" int ORVEXAPI IsOldBaseFolderThere(void) { return g_oldBaseFolder[0] != 0; }
extern "C" void ORVEXAPI ClearBaseFolder(void) { g_baseFolder[0] = 0; }
extern "C" void ORVEXAPI ClearOldBaseFolder(void) { g_oldBaseFolder[0] = 0; }

static LPCSTR BaseOrBaseFolder(LPCSTR base) { return base && base[0] ? base : g_baseFolder; }

extern "C" LPSTR ORVEXAPI FindNormalPathFromRelativePathForOrvex(LPSTR target, LPCSTR relative, LPCSTR base) {
  return FindNormalPathFromRelativePath(target, relative, BaseOrBaseFolder(base));
}

extern "C" LPSTR ORVEXAPI FindRelativePathFromNormalPathForOrvex(LPCSTR path, LPCSTR base) {
  return FindRelativePathFromNormalPath(path, BaseOrBaseFolder(base));
}
