// Files and folders on disk: kind and existence tests, the box about a wrong
// folder, a file read whole into global memory and its text converted to
// Shift-JIS, line ends and line counts, and the check boxes and tab stops of
// dialogs.
#include "frame/kitlib.h"
#include "frame/text_fit.h"
#include <string.h>
#include <string>

enum { kTextSize = 520 };

static const char *const kFolderTitle[] = {"Checking folders", "ﾌｫﾙﾀﾞの確認"};

extern "C" LPSTR KITAPI GetStringPointer(HGLOBAL *handleWord, LPCSTR text) {
  if (handleWord) *handleWord = 0;
  if (!text) return 0;
  size_t length = strlen(text);
  if (length >= 0x7FFFFFF0) return 0;
  LPSTR copy = GetStringPointerBySize(handleWord, 0, (int)length + 1, 0);
  if (copy) memcpy(copy, text, length + 1);
  return copy;
}

extern "C" int KITAPI IsDirectoryAttribute(LPCSTR path) {
  if (!path || !path[0]) return 0;
  DWORD attributes = GetFileAttributesA(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) return 0;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? 4 : 2;
}

extern "C" int KITAPI IsFileDirExist(LPCSTR path) { return IsDirectoryAttribute(path) != 0; }

// The drive is asked first, so that a missing drive answers at once.
extern "C" int KITAPI IsDirExistWithDriveChecking(LPCSTR path, int reserved) {
  if (!path || !path[0]) return 0;
  if (path[1] == ':') {
    char root[] = {path[0], ':', '\\', 0};
    UINT type = GetDriveTypeA(root);
    if (type == DRIVE_NO_ROOT_DIR || type == DRIVE_UNKNOWN) return 0;
  }
  return IsDirectoryAttribute(path) == 4;
}

extern "C" int KITAPI AlertDirectory(HWND owner, LPCSTR path, int kind, LPCSTR message, int reserved) {
  char text[kTextSize] = "";
  size_t length = 0;
  AppendSjis(text, sizeof text, &length, message);
  if (length) AppendSjis(text, sizeof text, &length, "\n");
  AppendSjis(text, sizeof text, &length, path);
  int language = GetLanguage() ? 1 : 0;
  return _myMessageBox(owner ? owner : GethWndMain(), text, kFolderTitle[language], MB_ICONEXCLAMATION | MB_OK);
}

extern "C" int KITAPI IsRelatedFileExist(LPCSTR path, LPSTR found) {
  if (found) found[0] = 0;
  if (!path || !path[0] || strlen(path) >= MAX_PATH) return -3;
  char name[MAX_PATH];
  strcpy(name, path);
  Remove95Quotation(name);
  if (!name[0]) return -3;
  if (IsDirectoryAttribute(name) != 2) return 0;
  if (found) {
    DWORD length = GetFullPathNameA(name, kTextSize, found, 0);
    if (length == 0 || length >= kTextSize) strcpy(found, name);
  }
  return 1;
}

// ---- Lines ----

extern "C" int KITAPI _myIskanji2(int byte) { return SjisIsTrailByte((unsigned char)byte); }

extern "C" LPSTR KITAPI SkipCRorNL(LPCSTR position) {
  if (!position) return 0;
  if (position[0] == '\r' && position[1] == '\n') return (LPSTR)(position + 2);
  if (position[0] == '\r' || position[0] == '\n') return (LPSTR)(position + 1);
  return (LPSTR)position;
}

extern "C" int KITAPI RemoveAllContinuousEndMarksFromEnd(LPSTR text) {
  if (!text) return 0;
  size_t length = strlen(text), kept = length;
  while (kept && (text[kept - 1] == '\r' || text[kept - 1] == '\n')) kept--;
  text[kept] = 0;
  return (int)(length - kept);
}

extern "C" int KITAPI CountLine(LPCSTR text) {
  if (!text) return 0;
  int lines = 0;
  const char *line = text;
  for (const char *end = FindLineEnd(line); *end; end = FindLineEnd(line)) {
    lines++;
    line = SkipCRorNL(end);
  }
  return lines + (*line != 0);
}

// ---- Files ----

extern "C" HGLOBAL KITAPI OpenReadOnlyFile(LPCSTR name, DWORD *record) {
  if (record) record[0] = record[1] = 0;
  if (!name || !name[0] || !record) return 0;
  HANDLE file = CreateFileA(name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, 0, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, 0);
  if (file == INVALID_HANDLE_VALUE) return 0;
  LARGE_INTEGER size;
  HGLOBAL block = 0;
  if (GetFileSizeEx(file, &size) && size.QuadPart < 0x7FFFFFF0)
    block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (SIZE_T)size.QuadPart + 2);
  LPSTR text = block ? (LPSTR)GlobalLock(block) : 0;
  DWORD read = 0;
  bool whole = text && ReadFile(file, text, (DWORD)size.QuadPart, &read, 0) && read == (DWORD)size.QuadPart;
  CloseHandle(file);
  if (text) GlobalUnlock(block);
  if (!whole) {
    if (block) GlobalFree(block);
    return 0;
  }
  record[0] = read;
  return block;
}

enum { kShiftJis = 0, kUtf8 = 1, kUtf8Mark = 2, kUtf16Mark = 3, kCodePage = 932 };

// True when the bytes are UTF-8 holding at least one character above ASCII.
static bool LooksLikeUtf8(const unsigned char *text, DWORD length) {
  bool wide = false;
  for (DWORD i = 0; i < length;) {
    unsigned char c = text[i];
    DWORD follow = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : 9;
    if (follow == 9 || (follow == 1 && c < 0xC2) || (follow && i + follow >= length)) return false;
    for (DWORD k = 1; k <= follow; k++)
      if ((text[i + k] & 0xC0) != 0x80) return false;
    wide = wide || follow;
    i += follow + 1;
  }
  return wide;
}

// Replaces the locked block by a new one holding the UTF-16 text in code
// page 932. False (nothing changed) when a conversion or allocation fails.
static bool StoreAsShiftJis(const std::wstring &wide, DWORD *length, HGLOBAL *block, LPSTR *pointer) {
  int size = WideCharToMultiByte(kCodePage, 0, wide.data(), (int)wide.size(), 0, 0, 0, 0);
  if (size <= 0 && !wide.empty()) return false;
  HGLOBAL fresh = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (SIZE_T)size + 2);
  LPSTR text = fresh ? (LPSTR)GlobalLock(fresh) : 0;
  if (!text) {
    if (fresh) GlobalFree(fresh);
    return false;
  }
  WideCharToMultiByte(kCodePage, 0, wide.data(), (int)wide.size(), text, size, 0, 0);
  GlobalUnlock(*block);
  GlobalFree(*block);
  *block = fresh;
  *pointer = text;
  *length = (DWORD)size;
  return true;
}

static bool Utf8ToWide(const char *text, DWORD length, std::wstring *wide) {
  if (length == 0) return true;
  int size = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, (int)length, 0, 0);
  if (size <= 0) return false;
  wide->resize((size_t)size);
  return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, (int)length, &(*wide)[0], size) == size;
}

extern "C" int KITAPI GetShiftJisCodeFromOtherCodes(LPSTR text, DWORD *length, HGLOBAL *block, LPSTR *pointer,
                                                    int *encoding, int reserved) {
  if (!text || !length || !block || !*block || !pointer) return 0;
  const unsigned char *bytes = (const unsigned char *)text;
  DWORD size = *length;
  int found = kShiftJis;
  std::wstring wide;
  if (size >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
    found = kUtf8Mark;
    if (!Utf8ToWide(text + 3, size - 3, &wide)) return 0;
  } else if (size >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
    found = kUtf16Mark;
    wide.assign((const wchar_t *)(text + 2), (size - 2) / 2);
  } else if (LooksLikeUtf8(bytes, size) && Utf8ToWide(text, size, &wide)) {
    found = kUtf8;
  }
  if (found != kShiftJis && !StoreAsShiftJis(wide, length, block, pointer)) return 0;
  if (encoding) *encoding = found;
  return 1;
}

// ---- Dialog controls ----

extern "C" int KITAPI myGetCheckedState(HWND dialog, int id) {
  if (!dialog || !GetDlgItem(dialog, id)) return 0;
  return (int)IsDlgButtonChecked(dialog, id);
}

extern "C" int KITAPI SetOneTabInListBox(HWND box, int reserved, int position) {
  if (!box) return 0;
  return SendMessageA(box, LB_SETTABSTOPS, 1, (LPARAM)&position) ? 1 : 0;
}
