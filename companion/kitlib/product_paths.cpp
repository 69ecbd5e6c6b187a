// Paths of the product: the folder of the running program, paths joined in
// MAX_PATH buffers, help files looked up there, deletion, case-insensitive
// search and the quoting of paths with blanks. Nothing here writes more than
// MAX_PATH bytes into a caller's path buffer.
#include "frame/kitlib.h"
#include "frame/sjis_case.h"
#include <string.h>

enum { kPathSize = MAX_PATH, kModulePathSize = 1024 };

static const char *const kMissingText[] = {"%s\n\nThe file or folder is not found.",
                                           "%s\n\nﾌｧｲﾙまたはﾌｫﾙﾀﾞが見つかりません。"};
static const char *const kMissingTitle[] = {"Checking files", "ﾌｧｲﾙの確認"};

extern "C" int KITAPI GetExecutedDirectory(LPCSTR exeName, LPSTR folder) {
  if (!folder) return 0;
  folder[0] = 0;
  char path[kModulePathSize];
  DWORD length = GetModuleFileNameA(0, path, sizeof path);
  if (length == 0 || length >= sizeof path) return 0;
  char *cut = SjisLastSeparator(path);
  if (!cut) return 0;
  *cut = 0;
  if ((size_t)(cut - path) >= kPathSize) return 0;
  memcpy(folder, path, (size_t)(cut - path) + 1);
  return 1;
}

// A folder that ends in a backslash of its own (a drive root "C:\") takes no
// second one; one whose last character merely ends in the byte 0x5C ("ソ")
// does.
static bool EndsInSeparator(const char *folder) {
  const char *last = SjisLastOf(folder, "\\");
  return !folder[0] || (last && !last[1]);
}

extern "C" int KITAPI myGetFullPathName(LPSTR target, LPCSTR folder, LPCSTR name) {
  if (!target) return 0;
  target[0] = 0;
  if (!folder || !name) return 0;
  size_t length = 0;
  bool fits = AppendSjis(target, kPathSize, &length, folder);
  if (fits && !EndsInSeparator(folder)) fits = AppendSjis(target, kPathSize, &length, "\\");
  if (fits) fits = AppendSjis(target, kPathSize, &length, name);
  if (!fits) {
    target[0] = 0;
    return 0;
  }
  return (int)length;
}

static bool IsFile(LPCSTR path) {
  DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The stand-in has one help file per name for both languages.
extern "C" int KITAPI GetAppropriateHelpFile(int language, LPCSTR folder, LPCSTR name, LPSTR found, int *answer) {
  char path[kPathSize];
  int there = myGetFullPathName(path, folder, name) && IsFile(path);
  if (found) strcpy(found, there ? path : "");
  if (answer) *answer = there;
  return there;
}

extern "C" int KITAPI myRemove(LPCSTR path) {
  if (!path || !path[0]) return 0;
  return DeleteFileA(path) ? 1 : 0;
}

extern "C" LPSTR KITAPI j_lstristr(LPCSTR needle, LPCSTR text) {
  if (!needle || !text) return 0;
  return (LPSTR)SjisFindNoCase(text, needle);
}

static bool Exists(LPCSTR path, int kind) {
  DWORD attributes = GetFileAttributesA(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  bool folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  return kind == 0 || (kind == 1) == folder;
}

extern "C" int KITAPI IsFileDirExistWithMessage(HWND owner, LPCSTR path, int kind, int quiet) {
  if (path && path[0] && Exists(path, kind)) return 1;
  if (!quiet) {
    int language = GetLanguage() ? 1 : 0;
    char text[520];
    const char *inserts[] = {path};
    FormatSjis(text, sizeof text, kMissingText[language], inserts, 1);
    _myMessageBox(owner ? owner : GethWndMain(), text, kMissingTitle[language], MB_ICONEXCLAMATION | MB_OK);
  }
  return 0;
}

extern "C" int KITAPI Add95QuotationForAnySpaceIfNotThere(LPSTR text) {
  if (!text || text[0] == '"' || !strchr(text, ' ')) return 0;
  return Add95Quotation(text);
}
