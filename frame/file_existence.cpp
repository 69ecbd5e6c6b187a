// Existence and kind of files and folders, with the boxes that tell the user
// what is wrong, and the guard against deleting or creating system folders.
// Caller's paths are read through copies: a constant text must do.
#include "frame/paths.h"
#include "frame/focus_guard.h"
#include "frame/kitlib.h"
#include "frame/kitmsg.h"
#include "frame/orvexmsg.h"
#include "frame/text_fit.h"
#include <string.h>
#include <string>

enum { kTextSize = 520, kWarningStyle = 0x30 };

// The editor that callers fall back to when a file cannot be opened.
static const char kNotepad[] = "Notepad.exe";

extern "C" int ORVEXAPI IsDirectoryAttributeForOrvex(LPCSTR path) {
  if (!path) return 0;
  HGLOBAL handle = 0;
  LPSTR copy = GetStringPointer(&handle, path);
  if (!copy) return 0;
  int answer = IsDirectoryAttribute(copy);
  FreeStringPointer(handle, copy);
  return answer;
}

extern "C" int ORVEXAPI IsFileDirExistForOrvex(LPCSTR path) {
  if (!path) return 0;
  std::string copy(path);
  copy.push_back(0);
  Remove95Quotation(&copy[0]);
  return IsFileDirExist(copy.c_str());
}

// Appends message `id` of the message library (nothing for id 0).
static void AppendMessage(char *text, size_t *length, int id, const char *after) {
  if (!id) return;
  _MyLoadString(0, GethInstOrvexmsg(), id, 0);
  AppendSjis(text, kTextSize, length, GetLoadStrMessage());
  AppendSjis(text, kTextSize, length, after);
}

extern "C" LPSTR ORVEXAPI GetDirExistWithMessage(HWND window, LPSTR path, int messageId, int show) {
  if (!path || !path[0]) return 0;
  if (IsDirExistWithDriveChecking(path, 0) == 1) return path;
  if (show) {
    char message[kTextSize] = "";
    size_t length = 0;
    AppendMessage(message, &length, messageId, "");
    HWND focus = FocusGuardOpen();
    AlertDirectory(window, path, 2, message, 0);
    FocusGuardClose(focus);
  }
  return 0;
}

// The OS-error box of a file not found: the message, then (with a second
// id) the editor offered instead and the second message.
static void TellFileMissing(HWND window, LPSTR path, int messageId, int secondId, int titleId) {
  DWORD error = GetLastError();
  char text[kTextSize] = "", title[kTextSize] = "";
  size_t length = 0, titleLength = 0;
  AppendMessage(text, &length, messageId, "");
  if (secondId) {
    AppendSjis(text, kTextSize, &length, kNotepad);
    AppendSjis(text, kTextSize, &length, " ");
    AppendMessage(text, &length, secondId, " ");
  }
  AppendMessage(title, &titleLength, titleId, "");
  HWND focus = FocusGuardOpen();
  SetHelpDosErrorMessage(kWarningStyle, 0);
  mySetLastError(error);
  DosErrorMessage(window, path, text, title, 0);
  FocusGuardClose(focus);
}

extern "C" LPSTR ORVEXAPI GetFileExistWithMessage(HWND window, LPSTR path, int messageId, int secondId, int titleId,
                                                  int show) {
  if (!path || !path[0]) return 0;
  char found[kTextSize] = "";
  int answer = IsRelatedFileExist(path, found);
  if (answer != 0 && answer != -3) {
    size_t length = strlen(found);
    if (length < MAX_PATH) memcpy(path, found, length + 1);
    return path;
  }
  if (show) TellFileMissing(window, path, messageId, secondId, titleId);
  if (!secondId) return 0;
  memcpy(path, kNotepad, sizeof kNotepad);
  return path;
}

extern "C" int ORVEXAPI ThisContainsSystemFolderToDelete(LPCSTR path) {
  return ThisFolderRelatedToSystemFolder(path, 0);
}

extern "C" int ORVEXAPI ThisIsSystemFolderToCreate(LPCSTR path) { return ThisFolderRelatedToSystemFolder(path, 1); }
