// The product folder (the folder of the IDE executable) and the paths of the
// product's own files in it. Every path kept here fits 259 bytes: a folder
// whose paths would not fit is refused whole, and the globals stay as they
// were. Until SetOrvexDirectory has found the folder the paths are empty,
// and nothing is looked up, compared or deleted against an empty folder (it
// would mean the current folder).
#include "runner/product_folder.h"
#include "frame/kitlib.h"
#include "frame/sjis_case.h"
#include <string.h>

enum { kPathBufferSize = 264, kLongestPath = 259 };

static const char kIdeExecutable[] = "ORVEX.EXE";
static const char kHelperExecutable[] = "ORVEXEXT.EXE";
static const char kConsoleHelper[] = "Veil.exe";
static const char *const kHelpFiles[] = {"ORVEX.HLP", "OPTHELP.HLP", "ORVEXC.HLP"};

// Written by SetOrvexDirectory and read by everything else, all on the host's
// user-interface thread.
static char g_productFolder[kPathBufferSize];
static char g_idePath[kPathBufferSize];
static char g_helperPath[kPathBufferSize];
// Last help file found by IsHelpFileThere or path built by RemoveVeilExe;
// user-interface thread.
static char g_scratchPath[kPathBufferSize];
// Handed to the host, which fills it; the library never writes it.
static char g_newerExePath[kPathBufferSize];

// `name` in the product folder into `path` (MAX_PATH bytes); false when there
// is no product folder or the path would not fit.
static bool ProductPath(const char *name, char *path) {
  return g_productFolder[0] && myGetFullPathName(path, g_productFolder, name) > 0 &&
         strlen(path) <= kLongestPath;
}

extern "C" void ORVEXAPI SetOrvexDirectory(void) {
  char folder[kPathBufferSize] = "", ide[kPathBufferSize] = "", helper[kPathBufferSize] = "";
  if (!GetExecutedDirectory(kIdeExecutable, folder) || !folder[0] || strlen(folder) > kLongestPath) return;
  int ideLength = myGetFullPathName(ide, folder, kIdeExecutable);
  int helperLength = myGetFullPathName(helper, folder, kHelperExecutable);
  if (ideLength <= 0 || ideLength > kLongestPath || helperLength <= 0 || helperLength > kLongestPath) return;
  strcpy(g_productFolder, folder);
  strcpy(g_idePath, ide);
  strcpy(g_helperPath, helper);
}

extern "C" LPSTR ORVEXAPI GetOrvexDirectory(void) { return g_productFolder; }

extern "C" LPSTR ORVEXAPI GetOrvexFullPathName(LPSTR buffer) {
  if (!buffer) return g_idePath;
  strcpy(buffer, g_idePath);
  return buffer;
}

LPCSTR ElevatedHelperPath(void) { return g_helperPath; }

extern "C" int ORVEXAPI ThisIsOrvexDirectory(LPCSTR path) {
  if (!path || !g_productFolder[0]) return 0;
  return SjisEqualNoCase(path, g_productFolder) ? 1 : 0;
}

extern "C" int ORVEXAPI ThisContainsOrvexDirectory(LPCSTR text) {
  if (!text || !g_productFolder[0]) return 0;
  return j_lstristr(g_productFolder, text) ? 1 : 0;
}

extern "C" LPCSTR ORVEXAPI GetOrvexHelp(void) { return kHelpFiles[kProductHelpFile]; }

extern "C" LPCSTR ORVEXAPI GetOrvexSwitchHelp(void) { return kHelpFiles[kSwitchHelpFile]; }

extern "C" LPCSTR ORVEXAPI GetUpdateDll(void) { return "Renew.dll"; }

extern "C" LPCSTR ORVEXAPI GetOrvexUpdateSubDirectory(void) { return "Update"; }

extern "C" LPSTR ORVEXAPI GetOrvexNewerExeFile(void) { return g_newerExePath; }

extern "C" int ORVEXAPI IsHelpFileThere(int index) {
  int answer = 0;
  if (index < kProductHelpFile || index > kRuntimeHelpFile || !g_productFolder[0]) return 0;
  GetAppropriateHelpFile(-1, g_productFolder, kHelpFiles[index], g_scratchPath, &answer);
  return answer;
}

void ShowProductHelp(HWND window, int index, int command, int topic) {
  if (index < kProductHelpFile || index > kRuntimeHelpFile || !g_productFolder[0]) return;
  myShowHelpFile(-1, window, g_productFolder, kHelpFiles[index], command, topic);
}

extern "C" int ORVEXAPI RemoveVeilExe(void) {
  char path[kPathBufferSize];
  if (!ProductPath(kConsoleHelper, path)) return 0;
  strcpy(g_scratchPath, path);
  return myRemove(g_scratchPath);
}
