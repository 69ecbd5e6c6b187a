// Names and folders of paths: the folder and extension parts, the test for
// enclosing quotes, relative paths resolved against a folder and full paths
// made relative to one, and the system folders that must not be deleted or
// created. Paths are Shift-JIS: a backslash is a separator only where a
// character starts (the trail byte of "ソ" is 0x5C).
#include "frame/kitlib.h"
#include "frame/sjis_case.h"
#include <string.h>
#include <string>
#include <vector>

static bool IsSeparator(char c) { return c == '\\' || c == '/'; }

extern "C" LPSTR KITAPI GetDirectoryPathInFile(LPSTR path) {
  if (!path) return 0;
  char *cut = SjisLastSeparator(path);
  if (!cut) return path;
  bool driveRoot = cut == path + 2 && path[1] == ':';
  cut[driveRoot ? 1 : 0] = 0;
  return path;
}

extern "C" LPSTR KITAPI GetFileExtension(LPCSTR path) {
  if (!path) return 0;
  return (LPSTR)SjisLastOf(SjisFileNamePart(path), ".");
}

extern "C" int KITAPI Is95QuotationMarkThere(LPCSTR text) {
  if (!text) return 0;
  size_t length = strlen(text);
  return length >= 2 && text[0] == '"' && text[length - 1] == '"';
}

extern "C" int KITAPI IsExtMatched(LPCSTR name, LPCSTR extension) {
  if (!name || !extension || !extension[0]) return 0;
  const char *dot = GetFileExtension(name);
  return dot && SjisEqualNoCase(dot + 1, extension);
}

// The root of an absolute path ("C:", "\\server\share") and its length; 0
// for a relative path. A path opening with one backslash has the root of
// the drive it is used on: length 0 here, handled by the caller.
static size_t RootLength(const char *path) {
  if (path[0] && path[1] == ':' && SjisCharLength(path) == 1) return 2;
  if (IsSeparator(path[0]) && IsSeparator(path[1])) {
    const char *p = path + 2;
    int parts = 0;
    while (*p && parts < 2) {
      if (IsSeparator(*p)) parts++;
      if (parts < 2) p += SjisCharLength(p);
    }
    return (size_t)(p - path);
  }
  return 0;
}

// "C:\..." or "\\server\share...": a path that names its own root.
static bool IsFullPath(const char *path) {
  if (IsSeparator(path[0]) && IsSeparator(path[1])) return true;
  return path[0] && path[1] == ':' && SjisCharLength(path) == 1 && IsSeparator(path[2]);
}

// "C:foo.c": a drive without a root, relative to that drive's current folder.
static bool IsDriveRelative(const char *path) {
  return path[0] && path[1] == ':' && SjisCharLength(path) == 1 && !IsSeparator(path[2]);
}

// The path resolved against the current folder of its drive, as the system
// resolves it; false when that fails or does not fit MAX_PATH.
static bool FromCurrentFolder(const char *path, std::string *full) {
  char buffer[MAX_PATH];
  DWORD length = GetFullPathNameA(path, MAX_PATH, buffer, 0);
  if (length == 0 || length >= MAX_PATH) return false;
  full->assign(buffer, length);
  return true;
}

// Applies the folder names of `path` to `parts`: "." stays, ".." goes up
// one. False when it climbs above the root.
static bool ApplyNames(std::vector<std::string> &parts, const char *path) {
  std::string name;
  for (const char *p = path;; p += SjisCharLength(p)) {
    if (*p && !(SjisCharLength(p) == 1 && IsSeparator(*p))) {
      name.append(p, SjisCharLength(p));
      continue;
    }
    if (name == "..") {
      if (parts.empty()) return false;
      parts.pop_back();
    } else if (!name.empty() && name != ".") {
      parts.push_back(name);
    }
    name.clear();
    if (!*p) return true;
  }
}

// A drive-relative path, and a base that does not name its own root, are
// taken from the current folder of their drive: "relative\dir" is not a
// folder of the drive's root, nor "C:foo.c" a file there.
extern "C" LPSTR KITAPI FindNormalPathFromRelativePath(LPSTR target, LPCSTR relative, LPCSTR base) {
  if (!target) return 0;
  target[0] = 0;
  if (!relative) return 0;
  std::string root, fullRelative, fullBase;
  std::vector<std::string> parts;
  if (IsDriveRelative(relative)) {
    if (!FromCurrentFolder(relative, &fullRelative)) return 0;
    relative = fullRelative.c_str();
  }
  size_t relativeRoot = RootLength(relative);
  if (relativeRoot) {
    root.assign(relative, relativeRoot);
  } else {
    if (!base || !base[0]) return 0;
    if (!IsFullPath(base)) {
      if (!FromCurrentFolder(base, &fullBase)) return 0;
      base = fullBase.c_str();
    }
    size_t baseRoot = RootLength(base);
    root.assign(base, baseRoot);
    if (!IsSeparator(relative[0]) && !ApplyNames(parts, base + baseRoot)) return 0;
  }
  if (!ApplyNames(parts, relative + relativeRoot)) return 0;
  std::string full = root;
  for (const std::string &part : parts) full += "\\" + part;
  if (parts.empty() && !root.empty()) full += "\\";
  if (full.size() >= MAX_PATH) return 0;
  memcpy(target, full.c_str(), full.size() + 1);
  return target;
}

extern "C" LPSTR KITAPI FindRelativePathFromNormalPath(LPCSTR path, LPCSTR base) {
  if (!path) return 0;
  if (!base || !base[0] || !SjisStartsWithNoCase(path, base)) return (LPSTR)path;
  size_t length = strlen(base);
  const char *last = SjisLastOf(base, "\\");
  if (last && last[1] == 0) return (LPSTR)(path + length);
  if (path[length] == '\\') return (LPSTR)(path + length + 1);
  return (LPSTR)path;
}

// ---- System folders ----

// The folder without a trailing backslash, but for a drive root.
static std::string Trimmed(const char *path) {
  std::string folder(path);
  const char *last = SjisLastSeparator(path);
  if (last && last[1] == 0 && folder.size() > 3) folder.pop_back();
  return folder;
}

static std::vector<std::string> SystemFolders(std::string *windows) {
  std::vector<std::string> folders;
  char path[MAX_PATH];
  if (GetWindowsDirectoryA(path, MAX_PATH)) folders.push_back(*windows = Trimmed(path));
  if (GetSystemDirectoryA(path, MAX_PATH)) folders.push_back(Trimmed(path));
  for (const char *name : {"ProgramFiles", "ProgramFiles(x86)", "ProgramW6432"}) {
    DWORD length = GetEnvironmentVariableA(name, path, MAX_PATH);
    if (length && length < MAX_PATH) folders.push_back(Trimmed(path));
  }
  return folders;
}

// True when `inner` lies inside `outer` (whole folder names, case folded).
static bool IsInside(const std::string &inner, const std::string &outer) {
  if (outer.empty() || !SjisStartsWithNoCase(inner.c_str(), outer.c_str())) return false;
  if (outer.back() == '\\') return inner.size() > outer.size();
  return inner.size() > outer.size() && inner[outer.size()] == '\\';
}

extern "C" int KITAPI ThisFolderRelatedToSystemFolder(LPCSTR path, int mode) {
  if (!path || !path[0]) return 0;
  std::string folder = Trimmed(path);
  if (folder.size() <= 3 && folder.size() >= 2 && folder[1] == ':') return 1;
  std::string windows;
  for (const std::string &system : SystemFolders(&windows)) {
    if (SjisEqualNoCase(folder.c_str(), system.c_str())) return 1;
    if (mode == 0 && IsInside(system, folder)) return 1;
  }
  return mode == 1 && IsInside(folder, windows);
}
