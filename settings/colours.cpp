// The colours of the console in which programs run, of the output window and
// of the project tree view, and the common colours those two may share. The
// host sets them at start, reads them when it paints and saves them; the
// colour dialogs change them.
//
// A background record owns a solid brush of its colour, which the host
// paints with: a new colour makes a new brush and deletes the old one, so a
// brush handed out stays valid only until the record's next change.
#include "settings/colours.h"
#include <stdio.h>

// All of these are written and read on the host's user-interface thread,
// which runs the colour dialogs too.
static WORD g_consoleText = 7;
static WORD g_consoleBackground = 0;
static ColourRecord g_records[kColourRecords] = {
    {RGB(0, 0, 0), RGB(0, 0, 0), 0, 0, 1},             // output: text
    {RGB(255, 255, 255), RGB(255, 255, 255), 0, 1, 1}, // output: background
    {RGB(255, 0, 0), RGB(255, 0, 0), 0, 0, 1},         // output: text
    {RGB(255, 0, 0), RGB(255, 0, 0), 0, 1, 1},         // output: background
    {RGB(0, 0, 0), RGB(0, 0, 0), 0, 0, 1},             // tree view: text
    {RGB(255, 255, 255), RGB(255, 255, 255), 0, 1, 1}, // tree view: background
};
static int g_useCommon = 0;
static COLORREF g_commonText = 0, g_commonBackground = 0;
static int g_commonTextDefault = 0, g_commonBackgroundDefault = 0;

bool IsColourRecord(int record) { return record >= 0 && record < kColourRecords; }

ColourRecord ColourRecordAt(int record) {
  static const ColourRecord none = {};
  return IsColourRecord(record) ? g_records[record] : none;
}

void StoreColourRecord(int record, const ColourRecord &value) {
  if (!IsColourRecord(record)) return;
  HBRUSH old = g_records[record].brush;
  if (old && old != value.brush) DeleteObject(old);
  g_records[record] = value;
}

// The cells are 16 bits wide; they travel as 32-bit values, zero-extended
// on the way out and cut to their low 16 bits on the way in.
extern "C" int ORVEXAPI GetConsoleTextColor(void) { return g_consoleText; }
extern "C" int ORVEXAPI GetConsoleBkColor(void) { return g_consoleBackground; }
extern "C" void ORVEXAPI SetConsoleTextColor(int value) { g_consoleText = (WORD)value; }
extern "C" void ORVEXAPI SetConsoleBkColor(int value) { g_consoleBackground = (WORD)value; }

// The buffer holds 12 bytes: "65535-65535" and its NUL.
extern "C" LPSTR ORVEXAPI GetConsoleColorString(LPSTR buffer) {
  if (!buffer) return 0;
  if (g_consoleText == kDefaultConsoleColour && g_consoleBackground == kDefaultConsoleColour)
    snprintf(buffer, 12, "DUMMY");
  else
    snprintf(buffer, 12, "%u-%u", (unsigned)g_consoleText, (unsigned)g_consoleBackground);
  return buffer;
}

extern "C" COLORREF ORVEXAPI GetOutputAndTreeViewColor(int record) { return ColourRecordAt(record).colour; }

extern "C" COLORREF ORVEXAPI GetOutputAndTreeViewDefaultColor(int record) {
  return ColourRecordAt(record).defaultColour;
}

extern "C" int ORVEXAPI IsDefaultOutputAndTreeViewColor(int record) {
  return IsColourRecord(record) && !g_records[record].chosen;
}

// A background record answers its new brush, a text record its chosen flag.
extern "C" INT_PTR ORVEXAPI SetOutputAndTreeViewColor(COLORREF colour, int record, int useDefault) {
  if (!IsColourRecord(record)) return 0;
  ColourRecord value = g_records[record];
  value.colour = useDefault ? value.defaultColour : colour;
  value.chosen = useDefault ? 0 : 1;
  if (!value.background) {
    g_records[record] = value;
    return value.chosen;
  }
  value.brush = CreateSolidBrush(value.colour);
  StoreColourRecord(record, value);
  return (INT_PTR)value.brush;
}

extern "C" void ORVEXAPI DeleteBrushOutputAndTreeViewColor(void) {
  for (ColourRecord &record : g_records) {
    if (record.brush) DeleteObject(record.brush);
    record.brush = 0;
  }
}

extern "C" int ORVEXAPI IsUseCommonTextAndBkColor(void) { return g_useCommon; }
extern "C" void ORVEXAPI SetUseCommonTextAndBkColor(int flag) { g_useCommon = flag; }

static int ReadCommon(COLORREF colour, int isDefault, COLORREF *colourOut, int *defaultOut) {
  if (colourOut) *colourOut = colour;
  if (defaultOut) *defaultOut = isDefault;
  return isDefault;
}

extern "C" int ORVEXAPI GetCommonTextColor(COLORREF *colour, int *isDefault) {
  return ReadCommon(g_commonText, g_commonTextDefault, colour, isDefault);
}

extern "C" int ORVEXAPI GetCommonBkColor(COLORREF *colour, int *isDefault) {
  return ReadCommon(g_commonBackground, g_commonBackgroundDefault, colour, isDefault);
}

extern "C" void ORVEXAPI SetCommonTextColor(COLORREF colour, int isDefault) {
  g_commonText = colour;
  g_commonTextDefault = isDefault;
}

extern "C" void ORVEXAPI SetCommonBkColor(COLORREF colour, int isDefault) {
  g_commonBackground = colour;
  g_commonBackgroundDefault = isDefault;
}

static void SetPairByCommonColour(int textRecord, int backgroundRecord) {
  SetOutputAndTreeViewColor(g_commonText, textRecord, g_commonTextDefault);
  SetOutputAndTreeViewColor(g_commonBackground, backgroundRecord, g_commonBackgroundDefault);
}

extern "C" void ORVEXAPI SetOutputColorByCommonColor(void) { SetPairByCommonColour(0, 1); }
extern "C" void ORVEXAPI SetTreeViewColorByCommonColor(void) { SetPairByCommonColour(4, 5); }
