// The About box: the product's version, the edit control's version and facts
// about the machine (Windows, processor, memory, resources or the computer's
// name, screen). The resource line is written into one 520-byte buffer that
// is made when first needed (by InitializeResourceFunction or by the box
// itself) and released by FreeResourceInfoPointer; every line is built
// within its buffer and cut on a whole character.
#include "dialogs/product_lines.h"
#include "dialogs/title_about_resources.h"
#include "frame/kitlib.h"
#include "frame/kitmsg.h"
#include "frame/orvexmsg.h"
#include "frame/text_fit.h"
#include <stdio.h>
#include <string.h>

enum {
  kTextSize = 520,
  kProcessorBufferSize = 1040,
  kMemoryLabelText = 82,
  kResourcePlatform = kKitPlatform9x,
  kResourcePlatformKinds = kKitPlatform95 | kKitPlatform98 | kKitPlatformMe,
};

static const char *const kComputerNameLabel[] = {"Computer name: ", "ｺﾝﾋﾟｭｰﾀ名: "};
static const char *const kNoResourceFigures[] = {"Resource evaluation not supported", "ﾘｿｰｽの評価はｻﾎﾟｰﾄされていません"};

// The resource text buffer and its handle: made and released on the host's
// user-interface thread, which also runs the box.
static HGLOBAL g_resourceHandle = 0;
static LPSTR g_resourceText = 0;
// The About bitmap, alive while the box is open; user-interface thread.
static HBITMAP g_aboutBitmap = 0;

static LPSTR ResourceText(void) {
  if (!g_resourceText) g_resourceText = GetStringPointerBySize(&g_resourceHandle, 0, kTextSize, 0);
  return g_resourceText;
}

extern "C" void ORVEXAPI InitializeResourceFunction(void) {
  int platform = GetWindowsPlatform(0);
  if ((platform & kResourcePlatform) && (platform & kResourcePlatformKinds)) GetResourceFunctions();
  ResourceText();
}

extern "C" void ORVEXAPI FreeResourceInfoPointer(void) {
  if (g_resourceText) FreeStringPointer(g_resourceHandle, g_resourceText);
  g_resourceText = 0;
  g_resourceHandle = 0;
}

static void DeleteAboutBitmap(void) {
  if (g_aboutBitmap) DeleteObject(g_aboutBitmap);
  g_aboutBitmap = 0;
}

// Appends `format` with its "%s" taking `insert`.
static void AppendFormatted(char *line, size_t *length, const char *format, const char *insert) {
  char part[kTextSize];
  const char *inserts[] = {insert};
  FormatSjis(part, sizeof part, format, inserts, 1);
  AppendSjis(line, kTextSize, length, part);
}

static void SetWindowsVersionLine(HWND dialog) {
  char line[kTextSize], name[kTextSize] = "", numbers[64];
  OSVERSIONINFOA version;
  memset(&version, 0, sizeof version);
  version.dwOSVersionInfoSize = sizeof version;
  GetVersionExA(&version);
  int platform = GetWindowsPlatform(name);
  size_t length = 0;
  line[0] = 0;
  AppendSjis(line, sizeof line, &length, name);
  if (platform & kKitPlatformNT)
    snprintf(numbers, sizeof numbers, " (%s%d.%d)", "NT ", (int)version.dwMajorVersion, (int)version.dwMinorVersion);
  else
    snprintf(numbers, sizeof numbers, " Ver.%d.%d", (int)version.dwMajorVersion, (int)version.dwMinorVersion);
  AppendSjis(line, sizeof line, &length, numbers);
  LPCSTR extra = GetExtraInfoForWindowsVersion(0);
  if (extra) AppendFormatted(line, &length, " %s", extra);
  int build = GetBuiltVersion();
  if (build) {
    snprintf(numbers, sizeof numbers, " (build %d)", build);
    AppendSjis(line, sizeof line, &length, numbers);
  }
  SetDlgItemTextA(dialog, IDC_WINDOWS_VERSION, line);
}

// Kitlib bounds the description by the size it gave the buffer.
static void SetProcessorLine(HWND dialog) {
  HGLOBAL handle = 0;
  INT32 size = 0;
  LPSTR text = GetStringPointerBySize(&handle, 0, kProcessorBufferSize, &size);
  if (!text) return;
  GetCPUtype(text, size);
  ReplaceNLbyCode(text, ' ');
  SetDlgItemTextA(dialog, IDC_PROCESSOR, text);
  FreeStringPointer(handle, text);
}

// Kilobytes rounded to the nearest, with digit grouping.
static void Kilobytes(ULONGLONG bytes, char *text, int size) { ArrangedNumber((bytes + 512) / 1024, text, size); }

static void SetMemoryLine(HWND dialog) {
  char line[kTextSize], available[32], total[32];
  ULONGLONG totalBytes = 0;
  Kilobytes(GetMemResources(&totalBytes), available, sizeof available);
  Kilobytes(totalBytes, total, sizeof total);
  _MyLoadString(0, GethInstOrvexmsg(), kMemoryLabelText, 0);
  const char *inserts[] = {GetLoadStrMessage(), available};
  size_t length = FormatSjis(line, sizeof line, "%s:%sK", inserts, 2);
  AppendFormatted(line, &length, "/%sK", total);
  SetDlgItemTextA(dialog, IDC_MEMORY, line);
}

static void AppendPercent(char *line, size_t *length, const char *format, const char *label, UINT percent) {
  char part[64];
  snprintf(part, sizeof part, format, label, percent);
  AppendSjis(line, kTextSize, length, part);
}

// The free percentages of the resource heaps where they can be read, else
// the computer's name.
static void SetResourceLine(HWND dialog) {
  char fallback[kTextSize], name[kTextSize];
  LPSTR line = ResourceText();
  if (!line) line = fallback;
  size_t length = 0;
  line[0] = 0;
  if (IsResourceFunctionActive() & kKitResourcePercentages) {
    AppendPercent(line, &length, "%s%u%%", "SYSTEM:", GetSystemResources(0));
    AppendPercent(line, &length, "%s%u%%", " USER:", GetUserResources(0));
    AppendPercent(line, &length, " %s%u%%", "GDI:", GetGdiResources(0));
  }
  if (!line[0]) {
    int language = GetLanguage() ? 1 : 0;
    if (GetPCName(name, sizeof name) > 0) {
      AppendSjis(line, kTextSize, &length, kComputerNameLabel[language]);
      AppendSjis(line, kTextSize, &length, name);
    } else {
      AppendSjis(line, kTextSize, &length, kNoResourceFigures[language]);
    }
  }
  SetDlgItemTextA(dialog, IDC_RESOURCES, line);
}

static void InitAbout(HWND dialog) {
  char line[kTextSize];
  cwCenter(0, dialog);
  DeleteAboutBitmap();
  g_aboutBitmap = ShrinkBitmap(dialog, GethInstOrvexdll(), IDB_ABOUT_LOGO, IDC_ABOUT_FRAME);
  SetDlgItemTextA(dialog, IDC_VERSION_TITLE, GetVersionInStrTitle());
  FormatEditControlLine(line, sizeof line);
  SetDlgItemTextA(dialog, IDC_EDITOR_LINE, line);
  SetNoticeLine(dialog, IDC_NOTICE_LINE);
  SetWindowsVersionLine(dialog);
  SetProcessorLine(dialog);
  SetMemoryLine(dialog);
  SetResourceLine(dialog);
  SetScreenSize(dialog, IDC_SCREEN);
  SetFocus(GetDlgItem(dialog, IDOK));
}

static INT_PTR AboutCommand(HWND dialog, int id) {
  if (ProductButton(dialog, id)) return TRUE;
  switch (id) {
  case IDOK:
  case IDCANCEL:
  case IDC_CANCEL_BUTTON:
    DeleteAboutBitmap();
    EndDialog(dialog, 1);
    return TRUE;
  }
  return FALSE;
}

static INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_INITDIALOG:
    InitAbout(dialog);
    return FALSE; // the focus is set
  case WM_PAINT:
    PaintLogo(dialog, IDC_ABOUT_FRAME, g_aboutBitmap);
    return TRUE;
  case WM_CLOSE:
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
  case WM_COMMAND:
    return AboutCommand(dialog, LOWORD(wParam));
  case WM_DESTROY: // however the box ends
    DeleteAboutBitmap();
    return FALSE;
  }
  return FALSE;
}

extern "C" int ORVEXAPI OpenAboutDialog(HWND owner, int ignored, int editControlVersion, int beta) {
  StoreEditControlVersion(editControlVersion, beta);
  return (int)DisplayBox(owner, AboutProc, "OpenAbout", GethInstOrvexdll());
}
