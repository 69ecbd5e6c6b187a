// Single lines of list and combo boxes (added with the focus on them,
// deleted with the next line selected) and the test of a typed item against
// the disk: it must name an existing folder or file of the kind wanted.
#include "frame/formatted_lists.h"
#include "frame/kitlib.h"
#include "frame/message_boxes.h"
#include "frame/orvexmsg.h"
#include "frame/paths.h"

enum { kWantFolder = 0, kWantFile = 1, kFileKind = 2, kFolderKind = 4, kWarning = 0x30 };
// Message texts of a path of the wrong kind.
enum { kFolderNotFile = 118, kFileNotFolder = 308 };

extern "C" int ORVEXAPI AddAndViewFileToComboBox(HWND dialog, int id, LPCSTR text, int flag) {
  return AddFocusInComboBox(dialog, id, text, flag) == 1 ? 1 : -1;
}

extern "C" int ORVEXAPI AddAndViewFileToListBox(HWND dialog, int id, LPCSTR text, int flag) {
  return AddFocusInListBox(dialog, id, text, 0, flag) == -1 ? -1 : 1;
}

extern "C" int ORVEXAPI DeleteItemInListBox(HWND dialog, int id) {
  HWND box = dialog ? GetDlgItem(dialog, id) : 0;
  LRESULT count = box ? SendMessageA(box, LB_GETCOUNT, 0, 0) : 0;
  if (count <= 0) return 0;
  LRESULT selected = SendMessageA(box, LB_GETCURSEL, 0, 0);
  if (selected < 0 || selected >= count) return -1;
  SendMessageA(box, LB_DELETESTRING, (WPARAM)selected, 0);
  return (int)(selected == count - 1 ? selected - 1 : selected);
}

extern "C" int ORVEXAPI DeleteItemInDirectoryListBox(HWND dialog, int id) {
  int next = DeleteItemInListBox(dialog, id);
  if (next >= 0) SendDlgItemMessageA(dialog, id, LB_SETCURSEL, (WPARAM)next, 0);
  return next;
}

static int WrongKind(HWND dialog, int messageId, int titleId, LPCSTR path) {
  MessageBoxPrintfForOrvex(GethInstOrvexmsg(), messageId, titleId, path, dialog, kWarning, 0);
  return 0;
}

// The kind is asked first: Kitlib's existence tests find only the kind they
// look for, so a file where a folder is wanted would read as missing.
extern "C" int ORVEXAPI IsItemOkInDisk(HWND dialog, LPSTR text, int driveCheck, int messageId, int titleId,
                                       int kind, int show) {
  if (!text || !text[0]) return 0;
  if (IsBadDrive(dialog, text, 0, driveCheck)) return 0;
  int found = IsDirectoryAttributeForOrvex(text);
  if (kind == kWantFolder) {
    if (found == kFileKind) return WrongKind(dialog, kFileNotFolder, titleId, text);
    if (!GetDirExistWithMessage(dialog, text, messageId, show)) return 0;
    return IsDirectoryAttributeForOrvex(text) == kFolderKind;
  }
  if (kind == kWantFile) {
    if (found == kFolderKind) return WrongKind(dialog, kFolderNotFile, titleId, text);
    if (!GetFileExistWithMessage(dialog, text, messageId, 0, titleId, show)) return 0;
    return IsDirectoryAttributeForOrvex(text) == kFileKind;
  }
  return 0;
}
