// The layout of printed pages: six format strings (left, centre and right of
// the header and of the footer), four margins in centimetres and the chosen
// printer, with the identifiers a format string may hold and the helpers of
// the page layout dialog. Everything is kept in memory while the library is
// loaded.
#include "frame/kitlib.h"
#include "frame/buffer_sizes.h"
#include "frame/text_fit.h"
#include <commdlg.h>
#include <string.h>

enum { kFormatSize = ITEM_BUFFER_SIZE, kPrinterSize = MAX_PATH, kPositions = 3, kParts = 2 };

static const char *const kIdentifiers[kKitFormatIdentifiers] = {"&f", "&p", "&d", "&t"};
static const char *const kPrinterCaption = "&Printer";

// All of these are written and read on the UI thread that runs the dialog
// and prints.
static char g_formats[kParts][kPositions][kFormatSize];
static double g_margins[4] = {2.0, 2.5, 2.0, 2.5}; // left, top, right, bottom
static char g_printer[kPrinterSize];
// -1: show the system's dialog; else the answer the stand-in gives.
static int g_printerAnswer = -1;
static char g_printerToAnswer[kPrinterSize];

extern "C" int KITAPI GetFormatStringForRichTextContents(LPSTR *text, int position, int footer) {
  if (text) *text = 0;
  if (position < 0 || position >= kPositions || footer < 0 || footer >= kParts) return 0;
  char *format = g_formats[footer][position];
  if (!format[0]) return 0;
  if (text) *text = format;
  return 1;
}

extern "C" int KITAPI SetFormatStringForRichTextContents(LPCSTR text, int flags) {
  int part = (flags & kKitFormatHeader) ? 0 : (flags & kKitFormatFooter) ? 1 : -1;
  int position = (flags & kKitFormatLeft) ? 0 : (flags & kKitFormatCentre) ? 1 : (flags & kKitFormatRight) ? 2 : -1;
  if (part < 0 || position < 0) return 0;
  CopySjis(g_formats[part][position], kFormatSize, text);
  return 1;
}

extern "C" int KITAPI SetPrintRichTextContentsFormat(int mode) {
  if (mode == 0) memset(g_formats, 0, sizeof g_formats);
  return 1;
}

extern "C" LPCSTR KITAPI GetFormatIdentifierStringForRichTextContents(int kind) {
  return kind >= 0 && kind < kKitFormatIdentifiers ? kIdentifiers[kind] : 0;
}

extern "C" void KITAPI GetMarginForRichTextContents(double *left, double *top, double *right, double *bottom) {
  double *targets[] = {left, top, right, bottom};
  for (int i = 0; i < 4; i++)
    if (targets[i]) *targets[i] = g_margins[i];
}

extern "C" void KITAPI SetMarginForRichTextContents(const double *left, const double *right, const double *top,
                                                    const double *bottom, int save) {
  const double *values[] = {left, top, right, bottom};
  for (int i = 0; i < 4; i++)
    if (values[i]) g_margins[i] = *values[i];
}

// The system's print set-up dialog; the chosen printer's name, or false.
static bool AskSystemForPrinter(HWND owner, char *name) {
  PRINTDLGA request;
  memset(&request, 0, sizeof request);
  request.lStructSize = sizeof request;
  request.hwndOwner = owner && IsWindow(owner) ? owner : 0;
  request.Flags = PD_PRINTSETUP;
  if (!PrintDlgA(&request)) return false;
  bool chosen = false;
  DEVNAMES *names = request.hDevNames ? (DEVNAMES *)GlobalLock(request.hDevNames) : 0;
  if (names) {
    CopySjis(name, kPrinterSize, (const char *)names + names->wDeviceOffset);
    chosen = name[0] != 0;
    GlobalUnlock(request.hDevNames);
  }
  if (request.hDevNames) GlobalFree(request.hDevNames);
  if (request.hDevMode) GlobalFree(request.hDevMode);
  return chosen;
}

extern "C" int KITAPI SetPrinterDialog(int reserved, HWND owner, int helpId, LPSTR buffer) {
  char name[kPrinterSize] = "";
  bool chosen = g_printerAnswer < 0 ? AskSystemForPrinter(owner, name) : g_printerAnswer == 1;
  if (g_printerAnswer >= 0) CopySjis(name, sizeof name, g_printerToAnswer);
  if (buffer) buffer[0] = 0;
  if (!chosen) return 0;
  CopySjis(g_printer, sizeof g_printer, name);
  if (buffer) CopySjis(buffer, kPrinterSize, name);
  return 1;
}

extern "C" int KITAPI SetPrinterInButton(HWND dialog, int id) {
  HWND button = dialog && IsWindow(dialog) ? GetDlgItem(dialog, id) : 0;
  if (!button) return 0;
  char caption[kPrinterSize + 16];
  size_t length = 0;
  caption[0] = 0;
  AppendSjis(caption, sizeof caption, &length, kPrinterCaption);
  if (g_printer[0]) {
    AppendSjis(caption, sizeof caption, &length, ": ");
    AppendSjis(caption, sizeof caption, &length, g_printer);
  }
  SetWindowTextA(button, caption);
  return 1;
}

extern "C" int KITAPI GetPositionInWindow(HWND window, RECT *rect) {
  if (!rect) return 0;
  SetRectEmpty(rect);
  if (!window || !IsWindow(window) || !GetWindowRect(window, rect)) return 0;
  HWND parent = GetParent(window);
  if (parent) MapWindowPoints(0, parent, (POINT *)rect, 2);
  return 1;
}

extern "C" int KITAPI OnRbuttonUpForToolTips(HWND window, int x, int y, int flags) { return 0; }

extern "C" void KITAPI KitSetPrinterDialogAnswer(int answer, LPCSTR printer) {
  g_printerAnswer = answer;
  CopySjis(g_printerToAnswer, sizeof g_printerToAnswer, printer);
}
