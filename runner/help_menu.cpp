// The commands of the host's help menu: each opens a help file of the
// product folder at a topic, but one, which opens the runtime-library
// documentation site in the browser while the main window's title says so.
#include "runner/product_folder.h"
#include "runner/web_addresses.h"
#include "frame/kitlib.h"
#include <string.h>

enum {
  kHelpTopicsWindow = 11, // WinHelp: the help-topics window
  kHelpTopic = 1,         // WinHelp: a topic by its number
  kDocumentationSiteCommand = 40127,
  kTitleBufferSize = 520,
};

struct HelpCommand {
  int command;
  int file; // help-file index of the product folder
  int helpCommand;
  int topic;
};

static const HelpCommand kHelpCommands[] = {
    {40022, kProductHelpFile, kHelpTopicsWindow, 0}, {40023, kRuntimeHelpFile, kHelpTopicsWindow, 0},
    {40046, kProductHelpFile, kHelpTopic, 49165},     {40125, kProductHelpFile, kHelpTopic, 49149},
    {40139, kProductHelpFile, kHelpTopic, 49203},     {40149, kSwitchHelpFile, kHelpTopic, 49148},
    {40158, kProductHelpFile, kHelpTopic, 49207},     {40176, kProductHelpFile, kHelpTopic, 49168},
    {40183, kProductHelpFile, kHelpTopic, 49213},     {40230, kProductHelpFile, kHelpTopic, 49220},
    {40232, kProductHelpFile, kHelpTopic, 49222},
};

static const char *const kBusyTitles[] = {"....Calling....", "…呼び出し中…"};

// The main window's title says the site is being opened until the browser
// has it. The saved title is kept whole, however long.
static void OpenDocumentationSite(HWND window) {
  HWND main = GethWndMain();
  HGLOBAL handle = 0;
  LPSTR saved = 0;
  int size = 0;
  if (main && IsWindow(main)) {
    int length = GetWindowTextLengthA(main);
    size = length < kTitleBufferSize ? kTitleBufferSize : length + 1;
    saved = GetStringPointerBySize(&handle, 0, size, 0);
  }
  if (saved) {
    GetWindowTextA(main, saved, size);
    SetWindowTextA(main, kBusyTitles[GetLanguage() ? 1 : 0]);
  }
  PutHourGlassCursor();
  ReachURLFromString(0, window, kDocumentationSiteAddress, 0);
  if (saved) SetWindowTextA(main, saved);
  PutArrowCursor();
  if (saved) FreeStringPointer(handle, saved);
}

extern "C" int ORVEXAPI OnHelpAtCommand(HWND window, UINT message, WPARAM first, LPARAM second) {
  int command = (int)(first & 0xFFFF);
  if (command == kDocumentationSiteCommand) {
    OpenDocumentationSite(window);
    return 0;
  }
  for (const HelpCommand &row : kHelpCommands) {
    if (row.command != command) continue;
    ShowProductHelp(window, row.file, row.helpCommand, row.topic);
    return 1;
  }
  return 0;
}
