// The import-library dialog: collects and checks the source (a Microsoft
// import library, kind 265, or a DLL file, kind 266) and the Borland library
// to make, prepares the files the converter needs (a copy in a folder that
// takes new files, a renamed copy when source and target would be one file)
// and hands the final names back in the host's name array: entry 1 the
// source, entry 4 the target. The host runs the converter.
//
// Every check names its field: the wrong edit's text is marked and the
// dialog stays open. A copy or a folder that could not be made is told
// (message 352) and fails the OK, since the converter would fail on it later
// with a misleading error. No path longer than an entry can hold is written.
#include "libconv/libconv_internal.h"
#include "libconv/import_library_resources.h"
#include "frame/buffer_sizes.h"
#include "frame/control_texts.h"
#include "frame/kitlib.h"
#include "frame/kitmsg.h"
#include "frame/message_boxes.h"
#include "frame/orvexmsg.h"
#include "frame/paths.h"
#include "frame/registry.h"
#include "frame/sjis_case.h"
#include "frame/text_fit.h"
#include "runner/choosers.h"
#include "runner/product_folder.h"
#include <string.h>

enum {
  kFromMicrosoftLibrary = 265,
  kFromDll = 266,
  kSourceEntry = 1,
  kTargetEntry = 4,
  kLibraryFilter = 8198,
  kDllFilter = 8199,
  kLibraryTitle = 15,
  kDllTitle = 16,
  kWrongExtensionText = 98,
  kTitleText = 221,
  kDefaultTargetText = 270,
  kCopyFailedText = 352,
  kLibraryTitleText = 51,
  kHelpTopic = 49220,
  kShowTopic = 1,
  kMustExist = 2,
  kWarning = 0x30,
  kWarningOkCancel = 0x31,
};

static const char *const kSourceLabel[2][2] = {
    {"From MS Imported &Library ", "ﾏｲｸﾛｿﾌﾄ仕様Dll用ﾗｲﾌﾞﾗﾘから変換(&L)"},
    {"From &DLL File", "Dllﾌｧｲﾙからｲﾝﾎﾟｰﾄﾗｲﾌﾞﾗﾘ作成(&D)"},
};

// Owned by the host's user-interface thread for one OpenNewBClibDialog call.
static int *g_kind = 0;
static char **g_names = 0;

static bool FromDll(void) { return *g_kind == kFromDll; }

// ---- Small steps ----

static void Mark(HWND dialog, int id) { SetReversedInEdit(dialog, id); }

// Copies `text` into entry `index` of the name array; false when it would
// not fit its 520 bytes.
static bool SetEntry(int index, const std::string &text) {
  if (text.size() >= ITEM_BUFFER_SIZE) return false;
  memcpy(g_names[index], text.c_str(), text.size() + 1);
  return true;
}

// True when `path` has the extension the field wants; else message 98.
static bool ExtensionOk(HWND dialog, const char *path, bool source) {
  const char *wanted = source && FromDll() ? "dll" : "lib";
  if (IsExtMatched(path, wanted)) return true;
  MessageBoxPrintfForOrvex(GethInstOrvexmsg(), kWrongExtensionText, kTitleText, wanted, dialog, kWarning, path);
  return false;
}

static void TellNotCreated(HWND dialog, const std::string &path) {
  MessageBoxPrintfForOrvex(GethInstOrvexmsg(), kCopyFailedText, kLibraryTitleText, path.c_str(), dialog, kWarning, 0);
}

static bool CopyLibrary(HWND dialog, const std::string &from, const std::string &to) {
  if (CopyFileA(from.c_str(), to.c_str(), FALSE)) return true;
  TellNotCreated(dialog, to);
  return false;
}

static std::string FolderOf(const std::string &path) {
  std::string folder = path;
  GetDirectoryPathInFile(&folder[0]);
  folder.resize(strlen(folder.c_str()));
  if (!folder.empty() && folder.back() == '\\') folder.pop_back();
  return folder;
}

// ---- Opening and the controls ----

static void InitImportLibrary(HWND dialog) {
  cwCenter(0, dialog);
  if (FromDll()) {
    EnableWindow(GetDlgItem(dialog, IDC_LIB_ADD_MS), FALSE);
    EnableWindow(GetDlgItem(dialog, IDC_LIB_ADD_BC), FALSE);
  } else {
    CheckDlgButton(dialog, IDC_LIB_ADD_MS, BST_CHECKED);
    EnableWindow(GetDlgItem(dialog, IDC_LIB_CDECL), FALSE);
  }
  SetDlgItemTextA(dialog, IDC_LIB_SOURCE_LABEL, kSourceLabel[FromDll() ? 1 : 0][GetLanguage() ? 1 : 0]);
  _MyLoadString(0, GethInstOrvexmsg(), *g_kind, 0);
  SetDlgItemTextA(dialog, IDC_LIB_DESCRIPTION, GetLoadStrMessage());
  char source[ITEM_BUFFER_SIZE];
  CopySjis(source, sizeof source, g_names[kSourceEntry]);
  if (source[0]) {
    SetDlgItemTextA(dialog, IDC_LIB_SOURCE, source);
    EnableWindow(GetDlgItem(dialog, IDC_LIB_SOURCE_BROWSE), FALSE);
  }
  EnableWindow(GetDlgItem(dialog, IDOK), source[0] != 0);
  SetFocus(GetDlgItem(dialog, source[0] ? IDC_LIB_TARGET : IDC_LIB_SOURCE));
}

// For kind 265 the renaming choices matter only while source and target are
// one file; a target without a folder is taken in the current folder.
static void FollowTarget(HWND dialog) {
  if (FromDll()) return;
  char source[ITEM_BUFFER_SIZE], target[ITEM_BUFFER_SIZE], full[ITEM_BUFFER_SIZE];
  ReadControlText(dialog, IDC_LIB_SOURCE, source, sizeof source);
  ReadControlText(dialog, IDC_LIB_TARGET, target, sizeof target);
  if (!target[0] || !FindYenMark(target)) {
    DWORD length = GetFullPathNameA(target[0] ? target : ".", sizeof full, full, 0);
    if (length && length < sizeof full) memcpy(target, full, length + 1);
  }
  BOOL same = SjisEqualNoCase(source, target);
  EnableWindow(GetDlgItem(dialog, IDC_LIB_ADD_MS), same);
  EnableWindow(GetDlgItem(dialog, IDC_LIB_ADD_BC), same);
}

static void Browse(HWND dialog, bool source) {
  int edit = source ? IDC_LIB_SOURCE : IDC_LIB_TARGET;
  bool dll = source && FromDll();
  char path[ITEM_BUFFER_SIZE];
  ReadControlText(dialog, edit, path, sizeof path);
  if (!GetNewFile(dialog, path, dll ? kDllFilter : kLibraryFilter, dll ? kDllTitle : kLibraryTitle,
                  source ? kChosenFilesMustExist : 0, 0))
    return;
  SetDlgItemTextA(dialog, edit, path);
  if (ExtensionOk(dialog, path, source)) return;
  SetDlgItemTextA(dialog, edit, "");
  Mark(dialog, edit);
}

// ---- OK ----

// Reads and checks the source into entry 1; false (field marked) when not.
static bool TakeSource(HWND dialog) {
  char source[ITEM_BUFFER_SIZE];
  ReadControlText(dialog, IDC_LIB_SOURCE, source, sizeof source);
  if (!source[0] || !ExtensionOk(dialog, source, true)) {
    Mark(dialog, IDC_LIB_SOURCE);
    return false;
  }
  if (!IsFileDirExistWithMessage(dialog, source, kMustExist, 0)) return false;
  return SetEntry(kSourceEntry, source);
}

// The target as typed, or the host's default for the source; `defaulted`
// says which. Empty (field marked) when it is no good.
static std::string TakeTarget(HWND dialog, bool *defaulted) {
  char target[ITEM_BUFFER_SIZE];
  size_t typed = ReadControlText(dialog, IDC_LIB_TARGET, target, sizeof target);
  *defaulted = !target[0];
  if (*defaulted) {
    memcpy(target, g_names[kSourceEntry], strlen(g_names[kSourceEntry]) + 1);
    HostGetLibExtension(target);
    target[ITEM_BUFFER_SIZE - 1] = 0;
    return target;
  }
  std::string path = target;
  if (typed >= sizeof target || !ExtensionOk(dialog, target, false) || IsBadFname(dialog, target, 1)) path.clear();
  else if (!IsRootDirIncluded(target)) path = FolderOf(g_names[kSourceEntry]) + "\\" + target;
  if (path.empty() || path.size() >= ITEM_BUFFER_SIZE) {
    Mark(dialog, IDC_LIB_TARGET);
    return std::string();
  }
  return path;
}

// Copies the source into `folder` (made when missing): entry 1 becomes the
// copy and the target moves into the folder.
static bool MoveIntoFolder(HWND dialog, const std::string &folder, std::string *target) {
  if (IsDirectoryAttributeForOrvex(folder.c_str()) != 4 && myMkdir(folder.c_str()) != 0) {
    TellNotCreated(dialog, folder);
    return false;
  }
  std::string copy = folder + "\\" + SjisFileNamePart(g_names[kSourceEntry]);
  std::string moved = folder + "\\" + SjisFileNamePart(target->c_str());
  if (copy.size() >= ITEM_BUFFER_SIZE || moved.size() >= ITEM_BUFFER_SIZE) {
    Mark(dialog, IDC_LIB_SOURCE);
    return false;
  }
  if (!CopyLibrary(dialog, g_names[kSourceEntry], copy)) return false;
  SetEntry(kSourceEntry, copy);
  *target = moved;
  return true;
}

// Source and target are one file: the new library gets "BC", or the
// Microsoft library is copied to a name with "MS" and converted from there.
static bool SeparateSameFile(HWND dialog, std::string *target) {
  if (IsDlgButtonChecked(dialog, IDC_LIB_ADD_BC) == BST_CHECKED) {
    RememberOriginalLibrary(0);
    std::string renamed = WithMarkBeforeExtension(target->c_str(), "BC");
    if (renamed.size() >= ITEM_BUFFER_SIZE) {
      Mark(dialog, IDC_LIB_TARGET);
      return false;
    }
    *target = renamed;
  } else if (IsDlgButtonChecked(dialog, IDC_LIB_ADD_MS) == BST_CHECKED) {
    std::string original = g_names[kSourceEntry];
    std::string renamed = WithMarkBeforeExtension(original.c_str(), "MS");
    if (renamed.size() >= ITEM_BUFFER_SIZE) {
      Mark(dialog, IDC_LIB_SOURCE);
      return false;
    }
    if (!CopyLibrary(dialog, *target, renamed)) return false;
    SetEntry(kSourceEntry, renamed);
    RememberOriginalLibrary(original.c_str());
    RememberRenamedLibrary(renamed.c_str());
  }
  return true;
}

static bool RunOkSteps(HWND dialog) {
  if (!TakeSource(dialog)) return false;
  std::string folder;
  WritableFolderAnswer where = ChooseWritableFolder(dialog, g_names[kSourceEntry], &folder);
  if (where == kFolderCancelled) return false;
  bool defaulted = false;
  std::string target = TakeTarget(dialog, &defaulted);
  if (target.empty()) return false;
  if (where == kFolderChosen && !MoveIntoFolder(dialog, folder, &target)) return false;
  if (SjisEqualNoCase(g_names[kSourceEntry], target.c_str()) && !SeparateSameFile(dialog, &target)) return false;
  if (defaulted && MessageBoxPrintfForOrvex(GethInstOrvexmsg(), kDefaultTargetText, kLibraryTitleText,
                                            target.c_str(), dialog, kWarningOkCancel, 0) != IDOK) {
    Mark(dialog, IDC_LIB_TARGET);
    return false;
  }
  SetEntry(kTargetEntry, target);
  *g_kind = FromDll() ? IsDlgButtonChecked(dialog, IDC_LIB_CDECL) == BST_CHECKED : 0;
  return true;
}

static INT_PTR CALLBACK ImportLibraryProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    InitImportLibrary(dialog);
    return FALSE;
  }
  if (message != WM_COMMAND) return FALSE;
  int id = LOWORD(wParam), code = HIWORD(wParam);
  switch (id) {
  case IDC_LIB_SOURCE:
    EnableWindow(GetDlgItem(dialog, IDOK), GetWindowTextLengthA(GetDlgItem(dialog, IDC_LIB_SOURCE)) > 0);
    break;
  case IDC_LIB_TARGET:
    if (code == EN_UPDATE) FollowTarget(dialog);
    break;
  case IDC_LIB_ADD_MS:
  case IDC_LIB_ADD_BC:
    CheckRadioButton(dialog, IDC_LIB_ADD_MS, IDC_LIB_ADD_BC, id);
    break;
  case IDC_LIB_SOURCE_BROWSE:
  case IDC_LIB_TARGET_BROWSE:
    Browse(dialog, id == IDC_LIB_SOURCE_BROWSE);
    break;
  case IDC_LIB_HELP:
    ShowProductHelp(dialog, kProductHelpFile, kShowTopic, kHelpTopic);
    break;
  case IDOK:
    if (RunOkSteps(dialog)) EndDialog(dialog, 1);
    break;
  case IDCANCEL:
  case IDC_LIB_CANCEL:
    EndDialog(dialog, 0);
    break;
  default:
    return FALSE;
  }
  return TRUE;
}

extern "C" int ORVEXAPI OpenNewBClibDialog(HWND parent, int ignored, int *kind, char **names) {
  if (!kind || !names || !names[kSourceEntry] || !names[kTargetEntry]) return 0;
  if (*kind != kFromMicrosoftLibrary && *kind != kFromDll) return 0;
  g_kind = kind;
  g_names = names;
  INT_PTR answer = DisplayBox(parent, ImportLibraryProc, "OpenNewBClib", GethInstOrvexdll());
  g_kind = 0;
  g_names = 0;
  return answer == 1 ? 1 : 0;
}
