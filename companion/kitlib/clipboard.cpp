// Copying a text to the clipboard, as Shift-JIS bytes and as the UTF-16 text
// other programs paste, with a box that tells the user unless it is switched
// off.
#include "frame/kitlib.h"
#include <string.h>
#include <string>

static const char *const kCopied[] = {"The text was copied to the clipboard.", "ｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰしました。"};
static const char *const kCopyTitle[] = {"Copy", "ｺﾋﾟｰ"};

// Set and read on the user-interface thread.
static int g_suppressMessage = 0;

extern "C" int KITAPI SetSuppressCopyClipBoardMessage(int suppress) {
  int previous = g_suppressMessage;
  g_suppressMessage = suppress ? 1 : 0;
  return previous;
}

extern "C" int KITAPI IsSuppressCopyClipBoardMessage(void) { return g_suppressMessage; }

// A movable block holding `bytes` bytes of `data`, or 0.
static HGLOBAL BlockOf(const void *data, size_t bytes) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
  void *target = block ? GlobalLock(block) : 0;
  if (!target) {
    if (block) GlobalFree(block);
    return 0;
  }
  memcpy(target, data, bytes);
  GlobalUnlock(block);
  return block;
}

static bool Put(UINT format, HGLOBAL block) {
  if (!block) return false;
  if (SetClipboardData(format, block)) return true;
  GlobalFree(block);
  return false;
}

extern "C" int KITAPI ToClip(HWND owner, LPCSTR text, int size, int ansiFormat, int wideFormat) {
  if (!text || size <= 0) return 0;
  const char *end = (const char *)memchr(text, 0, (size_t)size);
  int length = end ? (int)(end - text) : size;
  if (!OpenClipboard(IsWindow(owner) ? owner : 0)) return 0;
  EmptyClipboard();
  std::string copy(text, (size_t)length);
  bool done = Put((UINT)ansiFormat, BlockOf(copy.c_str(), copy.size() + 1));
  if (wideFormat) {
    int count = MultiByteToWideChar(932, 0, copy.c_str(), -1, 0, 0);
    std::wstring wide(count > 0 ? (size_t)count : 1, L'\0');
    if (count > 0) MultiByteToWideChar(932, 0, copy.c_str(), -1, &wide[0], count);
    done = Put((UINT)wideFormat, BlockOf(wide.c_str(), wide.size() * sizeof(WCHAR))) && done;
  }
  CloseClipboard();
  if (done && !g_suppressMessage) {
    int language = GetLanguage() ? 1 : 0;
    _myMessageBox(owner, kCopied[language], kCopyTitle[language], MB_ICONINFORMATION);
  }
  return done ? 1 : 0;
}
