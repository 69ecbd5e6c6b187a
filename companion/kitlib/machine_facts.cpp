// Facts about the machine for the About box: the Windows platform, version
// and build, the processor, memory, the resource heaps (which only the 9x
// family has: on the NT family their functions are never found), the
// computer's name and the screen size.
#include "frame/kitlib.h"
#include "frame/text_fit.h"
#include <stdio.h>
#include <string.h>

enum { kNameSize = 520, kOverrideSize = 2048 };

// Set by the host or the tests on the user-interface thread (stand-in only);
// read by GetPCName there.
static bool g_nameOverridden = false;
static char g_nameOverride[kOverrideSize];
// Written by GetWindowsPlatform and read by GetExtraInfoForWindowsVersion's
// caller right after it, on the user-interface thread.
static char g_servicePack[128];
// Set once by GetResourceFunctions; the NT family never sets it.
static int g_resourceFunctions = 0;

static OSVERSIONINFOA RunningVersion(void) {
  OSVERSIONINFOA version;
  memset(&version, 0, sizeof version);
  version.dwOSVersionInfoSize = sizeof version;
  GetVersionExA(&version);
  return version;
}

static const char *PlatformName(const OSVERSIONINFOA &version) {
  static const struct { DWORD major, minor; const char *name; } kNames[] = {
      {10, 0, "Windows 10"}, {6, 3, "Windows 8.1"}, {6, 2, "Windows 8"}, {6, 1, "Windows 7"},
      {6, 0, "Windows Vista"}, {5, 2, "Windows Server 2003"}, {5, 1, "Windows XP"}, {5, 0, "Windows 2000"}};
  for (const auto &known : kNames)
    if (version.dwMajorVersion == known.major && version.dwMinorVersion == known.minor) return known.name;
  return "Windows";
}

// Set by the host or a test on the user-interface thread: what
// GetWindowsPlatform answers instead of the running platform, -1 for none.
static int g_platformAnswer = -1;

extern "C" void KITAPI KitSetWindowsPlatform(int flags) { g_platformAnswer = flags; }

extern "C" int KITAPI GetWindowsPlatform(LPSTR name) {
  OSVERSIONINFOA version = RunningVersion();
  if (name) {
    size_t length = 0;
    name[0] = 0;
    AppendSjis(name, kNameSize, &length, PlatformName(version));
  }
  if (g_platformAnswer != -1) return g_platformAnswer;
  return version.dwPlatformId == VER_PLATFORM_WIN32_NT ? kKitPlatformNT : kKitPlatform9x;
}

extern "C" LPCSTR KITAPI GetExtraInfoForWindowsVersion(int reserved) {
  OSVERSIONINFOA version = RunningVersion();
  size_t length = 0;
  g_servicePack[0] = 0;
  AppendSjis(g_servicePack, sizeof g_servicePack, &length, version.szCSDVersion);
  return g_servicePack[0] ? g_servicePack : 0;
}

extern "C" int KITAPI GetBuiltVersion(void) { return (int)(RunningVersion().dwBuildNumber & 0xFFFF); }

static const char kFirstProcessorKey[] = "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0";

// A text value of the first processor's registry key, or empty.
static void ProcessorText(HKEY key, const char *name, char *value, DWORD size) {
  DWORD type = 0, capacity = size - 1;
  if (key && RegQueryValueExA(key, name, 0, &type, (BYTE *)value, &capacity) == ERROR_SUCCESS && type == REG_SZ)
    value[capacity] = 0;
  else
    value[0] = 0;
}

static DWORD ProcessorNumber(HKEY key, const char *name) {
  DWORD number = 0, type = 0, size = sizeof number;
  if (!key || RegQueryValueExA(key, name, 0, &type, (BYTE *)&number, &size) != ERROR_SUCCESS || type != REG_DWORD)
    return 0;
  return number;
}

extern "C" int KITAPI GetCPUtype(LPSTR buffer, int size) {
  if (!buffer || size <= 0) return 0;
  char name[256], identifier[256], count[96];
  HKEY key = 0;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kFirstProcessorKey, 0, KEY_READ, &key) != ERROR_SUCCESS) key = 0;
  ProcessorText(key, "ProcessorNameString", name, sizeof name);
  ProcessorText(key, "Identifier", identifier, sizeof identifier);
  DWORD megahertz = ProcessorNumber(key, "~MHz");
  if (key) RegCloseKey(key);
  SYSTEM_INFO system;
  GetSystemInfo(&system);
  snprintf(count, sizeof count, "%lu processor(s), %lu MHz", (unsigned long)system.dwNumberOfProcessors,
           (unsigned long)megahertz);
  size_t length = 0;
  buffer[0] = 0;
  const char *lines[] = {name, identifier, count};
  for (const char *line : lines) {
    if (!line[0]) continue;
    if (length) AppendSjis(buffer, (size_t)size, &length, "\r\n");
    AppendSjis(buffer, (size_t)size, &length, line);
  }
  return (int)length;
}

extern "C" ULONGLONG KITAPI GetMemResources(ULONGLONG *total) {
  MEMORYSTATUSEX status;
  memset(&status, 0, sizeof status);
  status.dwLength = sizeof status;
  GlobalMemoryStatusEx(&status);
  if (total) *total = status.ullTotalPhys;
  return status.ullAvailPhys;
}

extern "C" int KITAPI GetResourceFunctions(void) {
  g_resourceFunctions = (GetWindowsPlatform(0) & kKitPlatform9x) ? kKitResourcePercentages : 0;
  return g_resourceFunctions;
}

extern "C" int KITAPI IsResourceFunctionActive(void) { return g_resourceFunctions; }

// The heaps' free percentages come from the 9x family's own functions; where
// they were not found there is nothing to tell.
extern "C" UINT KITAPI GetSystemResources(int reserved) { return 0; }
extern "C" UINT KITAPI GetUserResources(int reserved) { return 0; }
extern "C" UINT KITAPI GetGdiResources(int reserved) { return 0; }

extern "C" int KITAPI GetPCName(LPSTR buffer, int size) {
  if (!buffer || size <= 0) return 0;
  buffer[0] = 0;
  char own[MAX_COMPUTERNAME_LENGTH + 1] = "";
  DWORD ownSize = sizeof own;
  const char *name = g_nameOverridden ? g_nameOverride : (GetComputerNameA(own, &ownSize) ? own : "");
  size_t length = 0;
  AppendSjis(buffer, (size_t)size, &length, name);
  return (int)length;
}

extern "C" void KITAPI KitSetPCName(LPCSTR name) {
  g_nameOverridden = name != 0;
  size_t length = 0;
  g_nameOverride[0] = 0;
  if (name) AppendSjis(g_nameOverride, sizeof g_nameOverride, &length, name);
}

extern "C" int KITAPI SetScreenSize(HWND dialog, int id) {
  char text[64];
  snprintf(text, sizeof text, "%d x %d", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  return SetDlgItemTextA(dialog, id, text) ? 1 : 0;
}
