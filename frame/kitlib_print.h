// Kitlib's layout of printed pages: three header and three footer format
// strings, four margins in centimetres and the chosen printer, with the
// format identifiers a format string may hold, and the helpers of the page
// layout dialog.
#pragma once
#include <windows.h>

#ifndef KITAPI
#define KITAPI __stdcall
#endif

// Flags of SetFormatStringForRichTextContents: one position OR one part.
enum {
  kKitFormatLeft = 0x40,
  kKitFormatCentre = 0x80,
  kKitFormatRight = 0x100,
  kKitFormatHeader = 0x200,
  kKitFormatFooter = 0x400,
};
// Format identifiers of GetFormatIdentifierStringForRichTextContents.
enum { kKitFormatIdentifiers = 4 };

extern "C" {

// The format string of `position` (0 left, 1 centre, 2 right) of the header
// (`footer` 0) or the footer (1) in *text, valid until it is changed; null
// when none is set. 1 when one is set, else 0.
int KITAPI GetFormatStringForRichTextContents(LPSTR *text, int position, int footer);
// Stores `text` (cut on a whole character to 519 bytes) at the place the
// flags name. 1 stored, 0 for flags naming no place.
int KITAPI SetFormatStringForRichTextContents(LPCSTR text, int flags);
// `mode` 0 empties all six format strings. Returns 1.
int KITAPI SetPrintRichTextContentsFormat(int mode);
// The identifier `kind` stands for in a format string: 0 the file name,
// 1 the page number, 2 the date, 3 the time; null for any other kind.
LPCSTR KITAPI GetFormatIdentifierStringForRichTextContents(int kind);

// The margins in centimetres, in the order left, top, right, bottom.
void KITAPI GetMarginForRichTextContents(double *left, double *top, double *right, double *bottom);
// Stores the margins, given in the order left, right, top, bottom (null:
// unchanged); `save` is 1.
void KITAPI SetMarginForRichTextContents(const double *left, const double *right, const double *top,
                                         const double *bottom, int save);

// Lets the user choose the printer for `owner`; `reserved` is 0 and
// `helpId` the dialog's help topic. The chosen printer's name is written
// into `buffer` (MAX_PATH bytes, may be null). 1 when one was chosen.
int KITAPI SetPrinterDialog(int reserved, HWND owner, int helpId, LPSTR buffer);
// Shows the chosen printer on button `id` of `dialog` ("&Printer: name",
// or "&Printer" while none is chosen). 1 done.
int KITAPI SetPrinterInButton(HWND dialog, int id);

// The rectangle of `window` in the client coordinates of its parent. 1 done.
int KITAPI GetPositionInWindow(HWND window, RECT *rect);
// Lets Kitlib's tooltips follow a right button released at the place given;
// the page layout dialog passes zeros after its menu. Returns 0.
int KITAPI OnRbuttonUpForToolTips(HWND window, int x, int y, int flags);

// ---- Stand-in only: what SetPrinterDialog answers from now on without
// showing the system's dialog: 1 and `printer` as the choice, or 0 (no
// choice). -1 shows the system's dialog again (as at load).
void KITAPI KitSetPrinterDialogAnswer(int answer, LPCSTR printer);

} // extern "C"
