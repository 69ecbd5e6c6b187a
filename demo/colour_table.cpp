// The demo's look at the colour store: the console cells as the host saves
// them, then each output and tree-view record, before and after the host
// sets a few colours, as the host reads them when it paints.
#include "demo/colour_table.h"
#include <stdio.h>
#include <string>

typedef char *(__stdcall *GETCONSOLECOLORSTRING)(char *);
typedef COLORREF(__stdcall *GETCOLOUR)(int);
typedef int(__stdcall *ISDEFAULTCOLOUR)(int);
typedef INT_PTR(__stdcall *SETCOLOUR)(COLORREF, int, int);
typedef void(__stdcall *SETCONSOLE)(int);

static const char *const kRecordNames[] = {"output text",      "output background", "output error text",
                                           "output error back", "tree text",         "tree background"};

static void PrintText(const std::string &text) {
  DWORD written;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), (DWORD)text.size(), &written, 0);
}

static std::string Hex(COLORREF colour) {
  char text[16];
  snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
  return text;
}

static void PrintTable(HMODULE library, const char *heading) {
  auto consoleText = (GETCONSOLECOLORSTRING)(void *)GetProcAddress(library, "GetConsoleColorString");
  auto colour = (GETCOLOUR)(void *)GetProcAddress(library, "GetOutputAndTreeViewColor");
  auto defaultColour = (GETCOLOUR)(void *)GetProcAddress(library, "GetOutputAndTreeViewDefaultColor");
  auto isDefault = (ISDEFAULTCOLOUR)(void *)GetProcAddress(library, "IsDefaultOutputAndTreeViewColor");
  if (!consoleText || !colour || !defaultColour || !isDefault) return;
  char console[12];
  PrintText(std::string("\n") + heading + "\n  console (text-background): " + consoleText(console) + "\n");
  for (int record = 0; record < 6; record++) {
    char line[160];
    snprintf(line, sizeof line, "  record %d  %-18s %s  (default %s)%s\n", record, kRecordNames[record],
             Hex(colour(record)).c_str(), Hex(defaultColour(record)).c_str(),
             isDefault(record) ? "  uses the default" : "");
    PrintText(line);
  }
}

void ShowColourTable(HMODULE library) {
  auto setColour = (SETCOLOUR)(void *)GetProcAddress(library, "SetOutputAndTreeViewColor");
  auto setText = (SETCONSOLE)(void *)GetProcAddress(library, "SetConsoleTextColor");
  auto setBack = (SETCONSOLE)(void *)GetProcAddress(library, "SetConsoleBkColor");
  if (!setColour || !setText || !setBack) return;
  PrintTable(library, "Colour table at load:");
  setText(14);
  setBack(16);
  setColour(RGB(0, 0, 128), 1, 0);
  setColour(0, 2, 1);
  PrintTable(library, "After the host set yellow on blue for the console, navy for the output background "
                      "and the default for the error text:");
  auto deleteBrushes = (void(__stdcall *)(void))(void *)GetProcAddress(library, "DeleteBrushOutputAndTreeViewColor");
  if (deleteBrushes) deleteBrushes();
}
