// Checks of names and folders before a file is made: a drive that is not
// there, a text that cannot be a file name, a path that starts at a root, a
// folder made, and whether a folder takes new files. Names are Shift-JIS: a
// mark counts only as a character of its own.
#include "frame/kitlib.h"
#include "frame/buffer_sizes.h"
#include "frame/sjis_case.h"
#include <stdio.h>
#include <string.h>
#include <string>

static const char *const kBadDrive[] = {"The drive of %s cannot be found.", "%s のﾄﾞﾗｲﾌﾞが見つかりません。"};
static const char *const kBadName[] = {"%s cannot be used as a file name.", "%s はﾌｧｲﾙ名に使えません。"};
static const char *const kCheckTitle[] = {"Checking names", "名前の確認"};

// Set and read on the user-interface thread: the one-shot switch of
// OnlyFileNameOnlyForIsBadFname and the folder the tests make refuse files.
static int g_nameOnly = 0;
static std::string g_forbiddenFolder;

static void Tell(HWND owner, const char *const *format, const char *insert) {
  int language = GetLanguage() ? 1 : 0;
  char text[ITEM_BUFFER_SIZE];
  const char *inserts[] = {insert};
  FormatSjis(text, sizeof text, format[language], inserts, 1);
  _myMessageBox(owner && IsWindow(owner) ? owner : GethWndMain(), text, kCheckTitle[language], MB_ICONEXCLAMATION);
}

static bool HasDriveLetter(const char *path) {
  char c = path[0];
  return ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) && path[1] == ':';
}

extern "C" int KITAPI IsBadDrive(HWND owner, LPCSTR path, int quiet, int check) {
  if (!check || !path || !HasDriveLetter(path)) return 0;
  char root[] = {path[0], ':', '\\', 0};
  UINT type = GetDriveTypeA(root);
  if (type != DRIVE_NO_ROOT_DIR && type != DRIVE_UNKNOWN) return 0;
  if (!quiet) Tell(owner, kBadDrive, path);
  return 1;
}

extern "C" void KITAPI OnlyFileNameOnlyForIsBadFname(int nameOnly) { g_nameOnly = nameOnly; }

// True when `name` can be a file name or (unless `nameOnly`) a path.
static bool IsGoodName(const char *name, bool nameOnly) {
  size_t length = strlen(name);
  if (length == 0 || length >= MAX_PATH) return false;
  const char *start = name;
  if (!nameOnly && HasDriveLetter(name)) start += 2;
  for (const char *p = start; *p; p = SjisNext(p)) {
    if (SjisCharLength(p) == 2) continue;
    unsigned char c = (unsigned char)*p;
    if (c < 32 || strchr("<>:\"|?*", c)) return false;
    if (nameOnly && (c == '\\' || c == '/')) return false;
  }
  const char *last = SjisLastCharacter(name);
  return !(SjisCharLength(last) == 1 && (*last == ' ' || *last == '.'));
}

extern "C" int KITAPI IsBadFname(HWND owner, LPCSTR name, int show) {
  bool nameOnly = g_nameOnly != 0;
  g_nameOnly = 0;
  if (name && IsGoodName(name, nameOnly)) return 0;
  if (show) Tell(owner, kBadName, name);
  return 1;
}

extern "C" int KITAPI IsRootDirIncluded(LPCSTR path) {
  if (!path) return 0;
  if (HasDriveLetter(path)) return path[2] == '\\' || path[2] == '/';
  return path[0] == '\\' || path[0] == '/';
}

extern "C" int KITAPI myMkdir(LPCSTR folder) {
  if (!folder || !folder[0]) return -1;
  if (CreateDirectoryA(folder, 0)) return 0;
  return IsDirectoryAttribute(folder) == 4 ? 0 : -1;
}

extern "C" void KITAPI KitSetCreatingForbiddenFolder(LPCSTR folder) { g_forbiddenFolder = folder ? folder : ""; }

extern "C" int KITAPI IsCreatngFileForbidden(LPCSTR folder) {
  if (!folder || !folder[0]) return ERROR_PATH_NOT_FOUND;
  if (!g_forbiddenFolder.empty() && SjisEqualNoCase(folder, g_forbiddenFolder.c_str())) return ERROR_ACCESS_DENIED;
  char probe[MAX_PATH + 32];
  snprintf(probe, sizeof probe, "%s\\~kit%08lx.tmp", folder, GetCurrentProcessId());
  if (strlen(probe) >= MAX_PATH) return ERROR_FILENAME_EXCED_RANGE;
  HANDLE file = CreateFileA(probe, GENERIC_WRITE, 0, 0, CREATE_NEW, FILE_FLAG_DELETE_ON_CLOSE, 0);
  if (file == INVALID_HANDLE_VALUE) return (int)GetLastError();
  CloseHandle(file);
  return 0;
}
