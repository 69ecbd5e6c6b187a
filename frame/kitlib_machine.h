// Kitlib's facts about the machine for the About box: Windows platform and
// version, processor, memory, system resources, computer name and screen;
// and the text shaping those lines need.
#pragma once
#include <windows.h>

#ifndef KITAPI
#define KITAPI __stdcall
#endif

// Platform flags answered by GetWindowsPlatform.
enum {
  kKitPlatform95 = 0x04,
  kKitPlatform98 = 0x08,
  kKitPlatformMe = 0x40,
  kKitPlatform9x = 0x2000,  // the family with the 16-bit resource heaps
  kKitPlatformNT = 0x40000, // the NT family
};
// Bit of IsResourceFunctionActive: the resource percentages can be read.
enum { kKitResourcePercentages = 4 };

extern "C" {

// The platform flags; when `name` is given (520 bytes) the platform's name is
// written into it ("Windows 10", "Windows 7" ...).
int KITAPI GetWindowsPlatform(LPSTR name);
// The service-pack text of the running Windows, or null when it has none.
LPCSTR KITAPI GetExtraInfoForWindowsVersion(int reserved);
// The build number of the running Windows, 0 when unknown.
int KITAPI GetBuiltVersion(void);
// Writes the processor's description (name, identifier, count and speed, on
// lines of their own) into `buffer` of `size` bytes. Returns its length.
int KITAPI GetCPUtype(LPSTR buffer, int size);
// Available physical memory in bytes; the total is stored through `total`.
ULONGLONG KITAPI GetMemResources(ULONGLONG *total);

// ---- The resource heaps of the 9x family ----
// Looks up the functions that read the resource percentages (9x family only).
int KITAPI GetResourceFunctions(void);
// kKitResourcePercentages when the percentages can be read, else 0.
int KITAPI IsResourceFunctionActive(void);
// Free percentages of the system, user and GDI heaps (0 when unknown).
UINT KITAPI GetSystemResources(int reserved);
UINT KITAPI GetUserResources(int reserved);
UINT KITAPI GetGdiResources(int reserved);

// The computer's name in `buffer` of `size` bytes, cut on a whole character.
// Returns its length (0: no name).
int KITAPI GetPCName(LPSTR buffer, int size);
// Sets control `id` of `dialog` to the screen size, "1280 x 1024".
int KITAPI SetScreenSize(HWND dialog, int id);

// ---- Text ----
// Replaces each line break (CR LF, CR or LF) of `text` by the byte `code`,
// in place. Returns the number replaced.
int KITAPI ReplaceNLbyCode(LPSTR text, int code);
// Writes `value` in decimal with a comma between groups of three digits into
// `buffer` of `size` bytes ("1,234,567"); returns the buffer (empty when the
// number does not fit).
LPSTR KITAPI ArrangedNumber(ULONGLONG value, LPSTR buffer, int size);

// ---- Stand-in only ----
// The name GetPCName answers from now on; null: the machine's own.
void KITAPI KitSetPCName(LPCSTR name);

} // extern "C"
