// The editor chooser shown at the first start: the editor programs the host
// found, one line each ("description) path"), from which the user picks one.
//
// The host's buffer holds the candidate command lines, each ended by a NUL
// and the whole by an empty line, and receives the chosen path. Only its
// first 520 bytes are the library's to read and write. Each line keeps its
// program's path as item data, since a description may hold ") " itself.
#include "dialogs/listup_editor.h"
#include "dialogs/modal_procedure.h"
#include "frame/kitlib.h"
#include "frame/paths.h"
#include "frame/buffer_sizes.h"
#include "frame/sjis_case.h"
#include <string.h>
#include <string>
#include <vector>

enum { kFileKind = 2, kDescriptionKind = 5 };

// The programs listed in the open chooser, indexed by their lines' item
// data; the host's buffer. Both on the host's user-interface thread.
static std::vector<std::string> g_programs;
static LPSTR g_editors = 0;

static bool IsListed(const char *path) {
  for (const std::string &program : g_programs)
    if (SjisEqualNoCase(program.c_str(), path)) return true;
  return false;
}

// "description) path", cut on a whole character to fit a 520-byte line.
static void AddProgram(HWND dialog, const char *path, int *widest) {
  char description[ITEM_BUFFER_SIZE], line[ITEM_BUFFER_SIZE] = "";
  GetFileDescriptionFromVersionInfo(dialog, path, description, sizeof description, kDescriptionKind);
  size_t length = 0;
  AppendSjis(line, sizeof line, &length, description);
  AppendSjis(line, sizeof line, &length, ") ");
  AppendSjis(line, sizeof line, &length, path);
  if (AddListupLine(dialog, line, (LPARAM)g_programs.size(), widest) >= 0) g_programs.push_back(path);
}

// Lists the program of each command line within the buffer's first 520
// bytes: programs that exist, once each (ASCII letters folded).
static void FillPrograms(HWND dialog) {
  int widest;
  BeginListupFill(&widest);
  for (size_t at = 0; g_editors && at < ITEM_BUFFER_SIZE && g_editors[at];) {
    const char *line = g_editors + at;
    size_t length = strnlen(line, ITEM_BUFFER_SIZE - at);
    if (at + length >= ITEM_BUFFER_SIZE) break; // the line runs past the bytes we may read
    char path[ITEM_BUFFER_SIZE];
    if (GetExecuteFileName(line, path, 0, 0, 0) > 0 && IsDirectoryAttributeForOrvex(path) == kFileKind &&
        !IsListed(path))
      AddProgram(dialog, path, &widest);
    at += length + 1;
  }
  EndListupFill();
}

static void InitChooser(HWND dialog) {
  SetUpListupButtons(dialog, "", "&Choose", "Cancel", "");
  EnableListupButton(dialog, IDC_LISTUP_CLOSE, false);
  g_programs.clear();
  FillPrograms(dialog);
  if (g_editors) g_editors[0] = 0;
}

static void Choose(HWND dialog) {
  LPARAM chosen = ListupSelectedData(dialog);
  if (g_editors && ListupSelection(dialog) >= 0 && (size_t)chosen < g_programs.size())
    CopySjis(g_editors, ITEM_BUFFER_SIZE, g_programs[(size_t)chosen].c_str());
  EndDialog(dialog, 1);
}

static INT_PTR ChooserCommand(HWND dialog, int id, int notification) {
  switch (id) {
  case IDC_LISTUP_LIST:
    if (notification == LBN_SELCHANGE || notification == LBN_DBLCLK) ApplySelectionRule(dialog);
    return TRUE;
  case IDOK: // Enter chooses the selected line, as the button would
    if (IsWindowEnabled(GetDlgItem(dialog, IDC_LISTUP_CLOSE))) Choose(dialog);
    return TRUE;
  case IDC_LISTUP_CLOSE:
    Choose(dialog);
    return TRUE;
  case IDC_LISTUP_SAVE:
  case IDCANCEL:
    EndDialog(dialog, 0);
    return TRUE;
  }
  return FALSE;
}

extern "C" int ORVEXAPI OpenChooseEditorAtFirstStartupDialog(HWND parent, LPSTR editors) {
  g_editors = editors;
  INT_PTR result = DisplayBox(parent, ModalDialogProc<InitChooser, ChooserCommand>,
                    "OpenListupEditor", GethInstOrvexdll());
  if (result != 1 && editors) editors[0] = 0; // also when the dialog could not be shown
  g_programs.clear();
  g_editors = 0;
  return result == 1 ? 1 : 0;
}
