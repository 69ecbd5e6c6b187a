// Helpers of the tool dialogs: the clipboard copy of a control's text, the
// folder window of the desktop, the program named by a command line and the
// description a program carries in its version resource.
#include "frame/kitlib.h"
#include "frame/buffer_sizes.h"
#include "frame/dialog_controls.h"
#include "frame/text_fit.h"
#include "journal.h"
#include <shellapi.h>
#include <stdio.h>
#include <string.h>
#include <string>

// The control's whole text, as Shift-JIS and as UTF-16, through ToClip,
// which tells the user unless its message is switched off.
extern "C" int KITAPI SendStringsToClip(HWND dialog, HWND control) {
  if (!control || !IsWindow(control)) return 0;
  std::string text = WholeControlText(control);
  return ToClip(dialog, text.c_str(), (int)text.size() + 1, CF_TEXT, CF_UNICODETEXT);
}

extern "C" int KITAPI OpenDirInDesktop(RECT *place, HWND window, LPCSTR folder, int reserved1, int reserved2) {
  if (place) {
    SetRectEmpty(place);
    if (window && IsWindow(window)) GetWindowRect(window, place);
  }
  if (!folder || !folder[0]) return 0;
  const char *fields[] = {"folder", folder};
  JournalAppend(fields, 2);
  if (JournalRealShell()) ShellExecuteA(window, "explore", folder, 0, 0, SW_SHOWNORMAL);
  return 1;
}

extern "C" int KITAPI GetExecuteFileName(LPCSTR line, LPSTR path, int reserved1, int reserved2, int reserved3) {
  if (!path) return 0;
  path[0] = 0;
  if (!line) return 0;
  while (*line == ' ' || *line == '\t') line++;
  const char *start = line, *end;
  if (*start == '"') {
    start++;
    end = start;
    while (*end && *end != '"') end = SjisNext(end);
  } else {
    end = start;
    while (*end && *end != ' ' && *end != '\t') end = SjisNext(end);
  }
  size_t length = 0;
  AppendSjisBytes(path, ITEM_BUFFER_SIZE, &length, start, (size_t)(end - start));
  return (int)length;
}

// The text `name` of the first translation of the version resource.
static std::string VersionString(const std::string &info, const char *name) {
  struct Translation { WORD language, codePage; } *translation = 0;
  UINT size = 0;
  void *data = (void *)info.data();
  if (!VerQueryValueA(data, "\\VarFileInfo\\Translation", (void **)&translation, &size) ||
      size < sizeof *translation)
    return "";
  char query[96];
  snprintf(query, sizeof query, "\\StringFileInfo\\%04x%04x\\%s", translation->language, translation->codePage, name);
  char *value = 0;
  if (!VerQueryValueA(data, query, (void **)&value, &size) || !value) return "";
  return std::string(value, strnlen(value, size));
}

extern "C" int KITAPI GetFileDescriptionFromVersionInfo(HWND window, LPCSTR path, LPSTR buffer, int size,
                                                        int kind) {
  if (!buffer || size <= 0) return 0;
  buffer[0] = 0;
  if (!path) return 0;
  std::string description;
  DWORD handle = 0, infoSize = GetFileVersionInfoSizeA(path, &handle);
  if (infoSize) {
    std::string info(infoSize, '\0');
    if (GetFileVersionInfoA(path, 0, infoSize, &info[0])) description = VersionString(info, "FileDescription");
  }
  if (description.empty()) {
    const char *separator = SjisLastSeparator(path);
    description = separator ? separator + 1 : path;
  }
  size_t length = 0;
  AppendSjis(buffer, (size_t)size, &length, description.c_str());
  return (int)length;
}
