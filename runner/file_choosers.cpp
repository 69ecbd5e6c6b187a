// The file and folder choosers: where the dialog starts, the filter list
// built from the source folders of the host's project tree, the check of the
// single-kind choosers (one extension allowed), and the choice handed back in
// the caller's 520-byte path buffer. A product-wide initial folder, when set,
// is where every dialog starts.
//
// Every copy into the caller's buffer is bounded: a choice whose names do not
// fit is refused with a box that says why, so it never looks like a Cancel.
// The filter list is built in a library buffer of its own; an entry that does
// not fit is dropped whole and "All Files" always stays last.
#include "runner/choosers.h"
#include "frame/buffer_sizes.h"
#include "frame/kitlib.h"
#include "frame/kitmsg.h"
#include "frame/message_boxes.h"
#include "frame/orvexmsg.h"
#include "frame/paths.h"
#include "frame/registry.h"
#include "frame/text_fit.h"
#include <string.h>

enum {
  kFileKind = 2,
  kFolderKind = 4,
  kNoUpperFolder = -10,
  kFolderTitleKind = 2,
  kSourceFolders = 3,
  kWrongExtensionText = 98,
  kChooserTitleText = 42,
  kChoiceTooLongText = 366,
  kWarning = 0x30,
};

static const char *const kAllFiles[] = {"All Files", "全ﾌｧｲﾙ"};

// The single-kind choosers: a filter text id and the one extension it allows.
static const struct { int filterId; const char *extension; } kSingleKinds[] = {
    {8190, "c"}, {8193, "cpp"}, {8191, "h"}};

// Owned by the host's user-interface thread, which runs every chooser: the
// product-wide initial folder (written by the host through the pointer it is
// given) and the filter list of the dialog being opened.
static char g_initialFolder[ITEM_BUFFER_SIZE];
static char g_filter[FILTER_BUFFER_SIZE];

extern "C" LPSTR ORVEXAPI GetInitialFolderAtFileOpenOrvex(void) { return g_initialFolder; }

extern "C" void ORVEXAPI SetInitialFolderAtFileOpenOrvexEmpty(void) { g_initialFolder[0] = 0; }

extern "C" int ORVEXAPI my_wmFileOpenOrvex(HWND window, LPCSTR title, LPCSTR filter, LPSTR path, int option,
                                           int last) {
  if (g_initialFolder[0] && path) CopySjis(path, ITEM_BUFFER_SIZE, g_initialFolder);
  return my_wmFileOpen(window, title, filter, path, option, last);
}

// ---- Start folder ----

// Goes up from `path` until it names a folder or nothing is left to cut.
static void ClimbToFolder(char *path) {
  for (;;) {
    size_t before = strlen(path);
    if (GetUpperDirectory(path) == kNoUpperFolder || strlen(path) >= before) return;
    if (IsDirectoryAttributeForOrvex(path) == kFolderKind) return;
  }
}

// A file's folder, a folder itself, the nearest folder above a path that is
// gone, or, for a text without a folder, the host's start folder.
static void ChooseStartFolder(char *path, LPARAM hostValue) {
  int kind = IsDirectoryAttributeForOrvex(path);
  bool hasFolder = FindYenMark(path) != 0;
  if (kind == kFileKind && hasFolder) GetDirectoryPathInFile(path);
  else if (kind != kFolderKind && hasFolder) ClimbToFolder(path);
  else if (kind != kFolderKind) HostGetDirectoryForChooseFolderAndFile(path, hostValue);
  path[ITEM_BUFFER_SIZE - 1] = 0;
  SetDlgCurrentDir(path);
  myGetcwd(path, ITEM_BUFFER_SIZE);
}

// ---- Filter list ----

// Appends "*.ext;" for each extension of `extensions` (a writable copy: the
// host's splitter writes into it) to `patterns`.
static void AppendPatterns(char *extensions, char *patterns, size_t *length) {
  for (char *at = extensions; at && *at;) {
    char *separatorAt = 0;
    LPSTR piece = HostGetExtFormSeriesOfString(at, &separatorAt, ';');
    if (!piece) return;
    const char *inserts[] = {piece};
    char pattern[ITEM_BUFFER_SIZE];
    FormatSjis(pattern, sizeof pattern, "*.%s;", inserts, 1);
    if (!AppendSjis(patterns, ITEM_BUFFER_SIZE, length, pattern)) return;
    if (!separatorAt || separatorAt < at || separatorAt >= extensions + ITEM_BUFFER_SIZE) return;
    *separatorAt = ';';
    at = separatorAt + 1;
  }
}

// One entry "name(patterns)|patterns|" of a source folder; false when the
// host gave no extensions and the Windows source extensions were used.
static bool SourceFolderEntry(int folder, LPARAM hostValue, char *entry, size_t size) {
  LPCSTR name = HostTreeViewGetFolderForSourceFiles(folder);
  LPCSTR hostExtensions = HostTreeViewGetExtForSourceFiles(folder, hostValue);
  char extensions[ITEM_BUFFER_SIZE], patterns[ITEM_BUFFER_SIZE] = "";
  size_t patternLength = 0;
  CopySjis(extensions, sizeof extensions, hostExtensions ? hostExtensions : GetCompileSourceExtWindowsSeparatedBySpace());
  AppendPatterns(extensions, patterns, &patternLength);
  RemoveEndMarkInString(patterns, ';');
  const char *inserts[] = {name, patterns, patterns};
  FormatSjis(entry, size, "%s(%s)|%s|", inserts, 3);
  return hostExtensions != 0;
}

// Builds the filter list of the source folders in g_filter.
static void BuildSourceFilter(LPARAM hostValue) {
  char entry[FILTER_BUFFER_SIZE], allFiles[64];
  const char *inserts[] = {kAllFiles[GetLanguage() ? 1 : 0], "*.*", "*.*"};
  size_t allLength = FormatSjis(allFiles, sizeof allFiles, "%s(%s)|%s|", inserts, 3);
  size_t length = 0;
  g_filter[0] = 0;
  for (int folder = 0; folder < kSourceFolders; folder++) {
    bool more = SourceFolderEntry(folder, hostValue, entry, sizeof entry);
    if (length + strlen(entry) + allLength < sizeof g_filter) AppendSjis(g_filter, sizeof g_filter, &length, entry);
    if (!more) break;
  }
  AppendSjis(g_filter, sizeof g_filter, &length, allFiles);
}

// The filter list of the dialog, or null when there is none to show: an id
// without a text, or no host splitter for the source folders' extensions.
static LPCSTR FilterList(int filterId, LPARAM hostValue) {
  if (filterId) {
    if (!MyLoadString(filterId, 0)) return 0;
    CopySjis(g_filter, sizeof g_filter, GetLoadStrMessage());
    return g_filter;
  }
  if (!HostSlotFunction(kGetExtFormSeriesOfString)) return 0;
  BuildSourceFilter(hostValue);
  return g_filter;
}

// ---- Choosing ----

static const char *RequiredExtension(int filterId) {
  for (const auto &kind : kSingleKinds)
    if (kind.filterId == filterId) return kind.extension;
  return 0;
}

// Bytes of a list of NUL-ended names with its closing empty text.
static size_t ListSize(const char *names) {
  size_t size = 0;
  while (names[size]) size += strlen(names + size) + 1;
  return size + 1;
}

// The first name of the list without the extension, or null.
static const char *NameWithout(const char *names, const char *extension) {
  for (const char *name = names; *name; name += strlen(name) + 1)
    if (!IsExtMatched(name, extension)) return name;
  return 0;
}

static void TellChoiceTooLong(HWND window) {
  MessageBoxPrintfForOrvex(GethInstOrvexmsg(), kChoiceTooLongText, kChooserTitleText, 0, window, kWarning, 0);
}

// Copies the chosen names into `path`; false when they do not fit.
static bool TakeChoice(HWND window, LPSTR path) {
  LPCSTR names = GetDlgCurrentFileWithPath();
  if (!names || !names[0]) return true;
  if (ListSize(names) > ITEM_BUFFER_SIZE) {
    TellChoiceTooLong(window);
    return false;
  }
  MoveMemorySeparetedByZero(path, names);
  return true;
}

extern "C" int ORVEXAPI GetNewFile(HWND window, LPSTR path, int filterId, int titleKind, int option,
                                   LPARAM hostValue) {
  if (!path) return 0;
  path[ITEM_BUFFER_SIZE - 1] = 0;
  LPCSTR filter = FilterList(filterId, hostValue);
  if (!filter) return 0;
  ChooseStartFolder(path, hostValue);
  LPCSTR title = GetTitleForFileOpen(titleKind);
  const char *extension = RequiredExtension(filterId);
  for (;;) {
    int answer = my_wmFileOpenOrvex(window, title, filter, path, option, 0);
    HostEditorUpdateMDIWindows();
    path[0] = 0;
    if (answer == 0 || answer == -1 || !TakeChoice(window, path) || !path[0] || !extension) break;
    const char *wrong = NameWithout(path, extension);
    if (!wrong) break;
    MessageBoxPrintfForOrvex(GethInstOrvexmsg(), kWrongExtensionText, kChooserTitleText, extension, window,
                             kWarning, 0);
    path[0] = 0;
    SetDlgCurrentFileWithPath("");
    SetDlgCurrentFileWithoutPath("");
  }
  ReleaseAllocMemoryForFileOpen();
  ResetDlgCurrentDirAndFile();
  return path[0] != 0;
}

extern "C" int ORVEXAPI GetNewDirectory(HWND window, LPSTR path, int option) {
  if (!path) return 0;
  path[ITEM_BUFFER_SIZE - 1] = 0;
  SetDlgCurrentDir(path);
  int answer = my_wmFileOpenOrvex(window, GetTitleForFileOpen(kFolderTitleKind), 0, path, option, 0);
  HostEditorUpdateMDIWindows();
  bool chosen = answer != 0 && answer != -1;
  if (chosen) {
    LPCSTR folder = GetDlgCurrentDir();
    chosen = folder && folder[0] && strlen(folder) < ITEM_BUFFER_SIZE;
    if (chosen) {
      CopySjis(path, ITEM_BUFFER_SIZE, folder);
      ConvertWin95CharacterSet(path, 24, 0);
    } else if (folder && folder[0]) {
      TellChoiceTooLong(window);
    }
  }
  ReleaseAllocMemoryForFileOpen();
  ResetDlgCurrentDirAndFile();
  return chosen ? 1 : 0;
}
