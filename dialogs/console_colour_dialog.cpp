// The console colour dialog: eight text colours with a brightness box, eight
// background colours with a dark-background box, and a box for the console's
// own default colours. It works on the console cells directly; Cancel puts
// back the values they had when it opened.
//
// A console attribute keeps the text colour in its low four bits (blue 1,
// green 2, red 4, intensity 8) and the background in the next four (16, 32,
// 64, 128). The dark-background box is checked when the background's
// intensity bit is clear.
#include "dialogs/colour_dialog_ids.h"
#include "dialogs/modal_procedure.h"
#include "frame/kitlib.h"
#include "runner/product_folder.h"
#include "settings/colours.h"

enum { kConsoleHelpTopic = 49199, kHelpTopicCommand = 1 };

struct ColourButton {
  int id;
  WORD value;
};

// One of the two groups: its buttons (the first stands for value 0), their
// id range, and the box that adds the intensity bit (when checked for the
// text, when not checked for the background).
struct ConsoleGroup {
  ColourButton buttons[8];
  int firstId, lastId;
  int intensityBox;
  WORD intensityBit;
  bool bitWhenChecked;
};

static const ConsoleGroup kTextGroup = {
    {{IDC_TEXT_BLACK, 0}, {IDC_TEXT_BLUE, 1}, {IDC_TEXT_GREEN, 2}, {IDC_TEXT_CYAN, 3},
     {IDC_TEXT_RED, 4}, {IDC_TEXT_MAGENTA, 5}, {IDC_TEXT_YELLOW, 6}, {IDC_TEXT_WHITE, 7}},
    IDC_TEXT_BLACK, IDC_TEXT_BRIGHT - 1, IDC_TEXT_BRIGHT, 8, true};
static const ConsoleGroup kBackgroundGroup = {
    {{IDC_BACK_BLACK, 0}, {IDC_BACK_BLUE, 16}, {IDC_BACK_GREEN, 32}, {IDC_BACK_CYAN, 48},
     {IDC_BACK_RED, 64}, {IDC_BACK_MAGENTA, 80}, {IDC_BACK_YELLOW, 96}, {IDC_BACK_WHITE, 112}},
    IDC_BACK_BLACK, IDC_BACK_DARK - 1, IDC_BACK_DARK, 128, false};
static const ConsoleGroup *const kGroups[] = {&kTextGroup, &kBackgroundGroup};

// The pairs (text, background) of the open dialog, on the host's
// user-interface thread: the values at opening, for Cancel, and the last
// explicit choice, kept while the default is selected.
static WORD g_backup[2], g_saved[2];

static WORD CellOf(int group) { return (WORD)(group == 0 ? GetConsoleTextColor() : GetConsoleBkColor()); }

static void SetCell(int group, WORD value) {
  if (group == 0) SetConsoleTextColor(value);
  else SetConsoleBkColor(value);
}

static bool IsChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

// The intensity box means nothing beside the colour of value 0.
static void EnableIntensityBox(HWND dialog, const ConsoleGroup &group, int checkedId) {
  myEnableWindow(GetDlgItem(dialog, group.intensityBox), checkedId != group.buttons[0].id);
}

// Checks the button of `value` without its intensity bit (none when no
// button has that value) and sets the intensity box.
static void ShowGroup(HWND dialog, const ConsoleGroup &group, WORD value) {
  WORD colour = (WORD)(value & ~group.intensityBit);
  int checkedId = 0;
  for (const ColourButton &button : group.buttons)
    if (button.value == colour) checkedId = button.id;
  ToggleCheckBoxButton(dialog, group.firstId, group.lastId, checkedId);
  bool bitSet = (value & group.intensityBit) != 0;
  CheckDlgButton(dialog, group.intensityBox, bitSet == group.bitWhenChecked ? BST_CHECKED : BST_UNCHECKED);
  EnableIntensityBox(dialog, group, checkedId);
}

static WORD ReadGroup(HWND dialog, const ConsoleGroup &group) {
  WORD value = 0;
  for (const ColourButton &button : group.buttons)
    if (IsChecked(dialog, button.id)) value = button.value;
  if (value && IsChecked(dialog, group.intensityBox) == group.bitWhenChecked) value |= group.intensityBit;
  return value;
}

static void ReadDialogIntoCells(HWND dialog) {
  for (int g = 0; g < 2; g++) SetCell(g, ReadGroup(dialog, *kGroups[g]));
}

static void EnableColourControls(HWND dialog, bool enable) {
  for (const ConsoleGroup *group : kGroups) {
    for (int id = group->firstId; id <= group->lastId; id++) myEnableWindow(GetDlgItem(dialog, id), enable);
    myEnableWindow(GetDlgItem(dialog, group->intensityBox), enable);
  }
}

static void ShowCells(HWND dialog) {
  EnableColourControls(dialog, true);
  for (int g = 0; g < 2; g++) ShowGroup(dialog, *kGroups[g], CellOf(g));
}

static void SelectDefault(HWND dialog) {
  EnableColourControls(dialog, false);
  for (const ConsoleGroup *group : kGroups) {
    ToggleCheckBoxButton(dialog, group->firstId, group->lastId, 0);
    CheckDlgButton(dialog, group->intensityBox, BST_UNCHECKED);
  }
}

static void InitConsoleDialog(HWND dialog) {
  cwCenter(0, dialog);
  for (int g = 0; g < 2; g++) g_backup[g] = g_saved[g] = CellOf(g);
  if (GetConsoleTextColor() < kDefaultConsoleColour) {
    ShowCells(dialog);
    return;
  }
  g_saved[0] = 7;
  g_saved[1] = 0;
  CheckDlgButton(dialog, IDC_CONSOLE_DEFAULT, BST_CHECKED);
  SelectDefault(dialog);
}

static void DefaultBoxClicked(HWND dialog) {
  if (IsChecked(dialog, IDC_CONSOLE_DEFAULT)) {
    ReadDialogIntoCells(dialog);
    for (int g = 0; g < 2; g++) {
      g_saved[g] = CellOf(g);
      SetCell(g, kDefaultConsoleColour);
    }
    SelectDefault(dialog);
  } else {
    for (int g = 0; g < 2; g++) SetCell(g, g_saved[g]);
    ShowCells(dialog);
  }
}

// A click on a colour button of either group: that button alone is checked.
static bool ColourButtonClicked(HWND dialog, int id) {
  for (const ConsoleGroup *group : kGroups) {
    if (id < group->firstId || id > group->lastId) continue;
    ToggleCheckBoxButton(dialog, group->firstId, group->lastId, id);
    EnableIntensityBox(dialog, *group, id);
    return true;
  }
  return false;
}

static INT_PTR ConsoleCommand(HWND dialog, int id, int notification) {
  switch (id) {
  case IDOK:
    if (!IsChecked(dialog, IDC_CONSOLE_DEFAULT)) ReadDialogIntoCells(dialog);
    EndDialog(dialog, 1);
    return TRUE;
  case IDCANCEL:
  case IDC_COLOUR_CANCEL:
    for (int g = 0; g < 2; g++) SetCell(g, g_backup[g]);
    EndDialog(dialog, 0);
    return TRUE;
  case IDC_CONSOLE_DEFAULT:
    DefaultBoxClicked(dialog);
    return TRUE;
  case IDC_COLOUR_HELP:
    ShowProductHelp(dialog, kProductHelpFile, kHelpTopicCommand, kConsoleHelpTopic);
    return TRUE;
  }
  return ColourButtonClicked(dialog, id);
}

extern "C" int ORVEXAPI OpenConsoleColorDialog(HWND owner, int ignored1, int ignored2, int ignored3) {
  return DisplayBox(owner, ModalDialogProc<InitConsoleDialog, ConsoleCommand>,
                    "OpenConsoleColor", GethInstOrvexdll()) == 1 ? 1 : 0;
}
