// Lines and actions shared by the title window and the About box.
#include "dialogs/product_lines.h"
#include "dialogs/title_about_resources.h"
#include "frame/kitlib.h"
#include "frame/kitmsg.h"
#include "frame/orvexmsg.h"
#include "runner/product_folder.h"
#include "runner/web_addresses.h"
#include <stdio.h>

enum { kVersionTitleString = 84, kNoticeLineText = 83, kProductHelpTopic = 49149, kHelpTopic = 1 };

// Written by the exports that open the windows and read while they set up,
// all on the host's user-interface thread.
static int g_editControlVersion = 0;
static int g_editControlBeta = 0;

extern "C" LPSTR ORVEXAPI GetVersionInStrTitle(void) {
  _MyLoadString(0, GethInstMain(), 0, kVersionTitleString);
  return GetLoadStrTitle();
}

void StoreEditControlVersion(int version, int beta) {
  g_editControlVersion = version;
  g_editControlBeta = beta;
}

void FormatEditControlLine(char *buffer, size_t size) {
  int written = snprintf(buffer, size, "%s %d.%d", "powered by Footy Text Edit Control", g_editControlVersion / 100,
                         g_editControlVersion % 100);
  if (g_editControlBeta > 0 && written >= 0 && (size_t)written < size)
    snprintf(buffer + written, size - (size_t)written, " Beta %d", g_editControlBeta);
}

void SetNoticeLine(HWND dialog, int id) {
  _MyLoadString(0, GethInstOrvexmsg(), kNoticeLineText, 0);
  SetDlgItemTextA(dialog, id, GetLoadStrMessage());
}

int OpenWebPage(HWND window, int controlId, LPCSTR address) {
  HWND control = controlId ? GetDlgItem(window, controlId) : 0;
  PutHourGlassCursor();
  if (control) myEnableWindow(control, 0);
  int answer = ReachURLFromString(controlId, window, address, 0);
  if (control) myEnableWindow(control, 1);
  PutArrowCursor();
  return answer;
}

bool ProductButton(HWND dialog, int id) {
  if (id == IDC_PRODUCT_PAGE) OpenWebPage(dialog, IDC_PRODUCT_PAGE, kProductPageAddress);
  else if (id == IDC_HINT) ShowProductHelp(dialog, kProductHelpFile, kHelpTopic, kProductHelpTopic);
  else return false;
  return true;
}

void DrawLogo(HWND window, int frameId, HBITMAP bitmap) {
  if (!bitmap || !window || !IsWindow(window)) return;
  HDC dc = GetDC(window);
  MoveBmpAtCenter(dc, window, frameId, bitmap);
  ReleaseDC(window, dc);
}

void PaintLogo(HWND window, int frameId, HBITMAP bitmap) {
  PAINTSTRUCT paint;
  BeginPaint(window, &paint);
  EndPaint(window, &paint);
  DrawLogo(window, frameId, bitmap);
}
