// The desktop: its folder and the label of its entry in Kitlib's folder menu.
// Both can be replaced, so that a host or a test can put the desktop in a
// scratch folder and show it under a label of its own.
#include "frame/kitlib.h"
#include "frame/text_fit.h"
#include <shlobj.h>
#include <string>

static const char *const kDesktopEntry[] = {"Desktop\tAlt+D", "ﾃﾞｽｸﾄｯﾌﾟ\tAlt+D"};

// Set by the host or a test and read on the user-interface thread.
static bool g_folderReplaced = false;
static std::string g_folder;
static bool g_entryReplaced = false;
static std::string g_entry;

extern "C" void KITAPI KitSetDesktopDirectory(LPCSTR folder) {
  g_folderReplaced = folder != 0;
  g_folder = folder ? folder : "";
}

extern "C" void KITAPI KitSetDesktopMenuEntry(LPCSTR label) {
  g_entryReplaced = true;
  g_entry = label ? label : "";
}

extern "C" LPCSTR KITAPI GetDesktopMenuHandle(int kind) {
  if (!g_entryReplaced) return kDesktopEntry[GetLanguage() ? 1 : 0];
  return g_entry.empty() ? 0 : g_entry.c_str();
}

extern "C" LPSTR KITAPI GetDesktopDirectory(LPSTR buffer, int kind) {
  if (!buffer) return 0;
  buffer[0] = 0;
  if (!g_folderReplaced) return SHGetSpecialFolderPathA(0, buffer, CSIDL_DESKTOPDIRECTORY, FALSE) ? buffer : 0;
  if (g_folder.empty() || !CopySjis(buffer, MAX_PATH, g_folder.c_str())) {
    buffer[0] = 0;
    return 0;
  }
  return buffer;
}
