// The colour store for the colour dialogs: the six output and tree-view
// records that the dialogs copy into a working copy and back.
#pragma once
#include "frame/instance.h"

// Records 0 to 3 are the output window's (text, background, text,
// background), 4 and 5 the tree view's (text, background).
enum { kColourRecords = 6 };
// A console cell holding this value stands for the console's own default.
enum { kDefaultConsoleColour = 65535 };

struct ColourRecord {
  COLORREF colour;        // the colour in use
  COLORREF defaultColour; // what "default" stands for
  HBRUSH brush;           // a solid brush of the colour (background records), or 0
  int background;         // 1: a background record, which gets a brush
  int chosen;             // 1: chosen by the user, 0: the default
};

bool IsColourRecord(int record);
// A copy of the record; a record outside 0 to 5 reads as zeros.
ColourRecord ColourRecordAt(int record);
// Puts `value` into the table. The table's brush is deleted first when the
// new record carries another one: the table owns the brush it holds.
void StoreColourRecord(int record, const ColourRecord &value);

extern "C" {
void ORVEXAPI SetUseCommonTextAndBkColor(int flag);
void ORVEXAPI SetCommonTextColor(COLORREF colour, int isDefault);
void ORVEXAPI SetCommonBkColor(COLORREF colour, int isDefault);
int ORVEXAPI IsUseCommonTextAndBkColor(void);
int ORVEXAPI GetConsoleTextColor(void);
int ORVEXAPI GetConsoleBkColor(void);
void ORVEXAPI SetConsoleTextColor(int value);
void ORVEXAPI SetConsoleBkColor(int value);
}
