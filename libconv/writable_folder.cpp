// The folder a library is copied to when its own folder takes no new files
// (the converter writes beside its input): a folder named after the library
// on the desktop, or the desktop itself. The user is shown the desktop by
// its menu label when there is one ("[Desktop]\foo"); the folder is numbered
// against the path that will really be made, the desktop folder's.
#include "libconv/libconv_internal.h"
#include "frame/buffer_sizes.h"
#include "frame/kitlib.h"
#include "frame/kitmsg.h"
#include "frame/message_boxes.h"
#include "frame/orvexmsg.h"
#include "frame/paths.h"
#include "frame/text_fit.h"
#include <string.h>

enum {
  kAccessDenied = 5,
  kDesktop = 10,
  kFileKind = 2,
  kHighestNumber = 9999,
  kAskText = 353,
  kAskTitle = 51,
  kYesNoCancel = 0x33,
  kAskBufferSize = 2048,
  kNotCreatedText = 352,
  kWarning = 0x30,
};

// The desktop as the user knows it: its menu label in square brackets, cut
// at the menu's separator mark, else its folder.
static std::string DesktopDisplay(const std::string &desktop) {
  LPCSTR entry = GetDesktopMenuHandle(kDesktop);
  if (!entry || !entry[0]) return desktop;
  char mark = (char)GetKugiriForAltCodeInMenu();
  const char *end = entry;
  while (*end && !(*end == mark && SjisCharLength(end) == 1)) end = SjisNext(end);
  return "[" + std::string(entry, (size_t)(end - entry)) + "]";
}

// The library's name without its extension.
static std::string BaseName(const char *source) {
  std::string name = SjisFileNamePart(source);
  const char *dot = SjisLastOf(name.c_str(), ".");
  if (dot) name.resize((size_t)(dot - name.c_str()));
  return name;
}

// The name of the folder to make on the desktop: the base name, with a
// number when a file of that name is in the way, counted up while the name
// is taken. Empty when no number up to 9999 is free.
static std::string FreeFolderName(const std::string &desktop, const std::string &base) {
  if (IsDirectoryAttributeForOrvex((desktop + "\\" + base).c_str()) != kFileKind) return base;
  for (int number = 1; number <= kHighestNumber; number++) {
    std::string name = base + std::to_string(number);
    if (!IsFileDirExistForOrvex((desktop + "\\" + name).c_str())) return name;
  }
  return std::string();
}

static int Ask(HWND dialog, const char *sourceFolder, const std::string &proposed, const std::string &display) {
  char text[kAskBufferSize];
  const char *errorText[] = {xDosErrors(0, kAccessDenied)};
  size_t length = FormatSjis(text, sizeof text, "Windows>> %s\n\n", errorText, 1);
  _MyLoadString(0, GethInstOrvexmsg(), kAskText, kAskTitle);
  const char *inserts[] = {sourceFolder, proposed.c_str(), proposed.c_str(), display.c_str()};
  FormatSjis(text + length, sizeof text - length, GetLoadStrMessage(), inserts, 4);
  char title[ITEM_BUFFER_SIZE];
  CopySjis(title, sizeof title, GetLoadStrTitle());
  return _myMessageBoxForOrvex(dialog, text, title, kYesNoCancel);
}

WritableFolderAnswer ChooseWritableFolder(HWND dialog, const char *source, std::string *folder) {
  std::string sourceFolder = source;
  GetDirectoryPathInFile(&sourceFolder[0]);
  sourceFolder.resize(strlen(sourceFolder.c_str()));
  if (IsCreatngFileForbidden(sourceFolder.c_str()) != kAccessDenied) return kFolderAsItIs;
  char desktop[MAX_PATH];
  if (!GetDesktopDirectory(desktop, kDesktop) || !desktop[0]) return kFolderCancelled;
  std::string name = FreeFolderName(desktop, BaseName(source));
  if (name.empty()) {
    std::string taken = std::string(desktop) + "\\" + BaseName(source) + std::to_string(kHighestNumber);
    MessageBoxPrintfForOrvex(GethInstOrvexmsg(), kNotCreatedText, kAskTitle, taken.c_str(), dialog, kWarning, 0);
    return kFolderCancelled;
  }
  std::string display = DesktopDisplay(desktop);
  int answer = Ask(dialog, sourceFolder.c_str(), display + "\\" + name, display);
  if (answer == IDYES) *folder = std::string(desktop) + "\\" + name;
  else if (answer == IDNO) *folder = desktop;
  else return kFolderCancelled;
  return kFolderChosen;
}
