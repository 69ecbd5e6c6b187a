// The status texts that stand in the host's C-function combo box and status
// region while function lists are made: put into the box (disabled, so the
// user cannot pick one as a function), recognised, and removed again.
#include "frame/buffer_sizes.h"
#include "frame/kitlib.h"
#include "frame/registry.h"
#include "settings/session_flags.h"
#include <initializer_list>
#include <string.h>

enum StatusText { kHowToMenu, kHowToAutomated, kListing, kAdding, kSaving, kStatusTextCount };

// English, Japanese. The leading blanks and '>' belong to the texts.
static const char *const kTexts[kStatusTextCount][2] = {
    {" Function Listing:[Tool]-Menu", " 関数ﾘｽﾄ作成:[ﾂｰﾙ]ﾒﾆｭｰ"},
    {" Automated Function Listing", " 自動関数ﾘｽﾄ作成"},
    {" >Listing Functions...", " >関数ﾘｽﾄ作成中…"},
    {"  >Adding Functions...", "  >関数ﾘｽﾄ中…"},
    {"Save Corrected Function List...", " 関数ﾘｽﾄ修正保存中･･･"},
};
// The adding text without its leading "  >", for the status region.
enum { kAddingLead = 3 };

static const char *Text(StatusText which) { return kTexts[which][GetLanguage() ? 1 : 0]; }

static StatusText HowTo() { return IsFunctionListingAutomated() ? kHowToAutomated : kHowToMenu; }

extern "C" void ORVEXAPI DeleteDefaultMessageInComboBoxCfunction(HWND combo) {
  if (!IsWindow(combo)) return;
  for (StatusText which : {kHowToMenu, kHowToAutomated, kAdding, kListing, kSaving})
    DeleteSpecifiedTextFromComboBox(combo, 0, Text(which));
}

static void Show(HWND combo, int *width, StatusText which) {
  if (!IsWindow(combo)) return;
  DeleteDefaultMessageInComboBoxCfunction(combo);
  SetHorizontalScrollInComboBoxByStringSize(combo, 0, Text(which), 0, width);
  SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM)Text(which));
  SendMessageA(combo, CB_SETCURSEL, 0, 0);
  EnableWindow(combo, FALSE);
}

extern "C" void ORVEXAPI PutHowToMessageInComboBoxCfunction(HWND combo, int *width) { Show(combo, width, HowTo()); }

extern "C" void ORVEXAPI PutListCreatingMessageInComboBoxCfunction(HWND combo, int *width) { Show(combo, width, kListing); }

extern "C" void ORVEXAPI PutListAddingMessageInComboBoxCfunction(HWND combo, int *width) { Show(combo, width, kAdding); }

static int FirstLineIs(HWND combo, StatusText which) {
  if (!IsWindow(combo)) return 0;
  SendMessageA(combo, CB_SETCURSEL, 0, 0);
  char line[ITEM_BUFFER_SIZE];
  if (myGetTextComboBox(combo, 0, line) < 0) return 0;
  return strcmp(line, Text(which)) == 0;
}

extern "C" int ORVEXAPI IsHowToMessageInComboBoxCfunction(HWND combo) { return FirstLineIs(combo, HowTo()); }

extern "C" int ORVEXAPI IsListCreatingMessageInComboBoxCfunction(HWND combo) { return FirstLineIs(combo, kListing); }

extern "C" LPCSTR ORVEXAPI GetListAddingMessageString(void) { return Text(kAdding) + kAddingLead; }

extern "C" void ORVEXAPI PutListAddingMessageInStatusRegion(void) {
  HostSetMessageInAllowedStatusRegionWithSpace(GetListAddingMessageString());
}

extern "C" void ORVEXAPI PutListCorrectedMessageInStatusRegion(void) {
  HostSetMessageInAllowedStatusRegionWithSpace(Text(kSaving));
}
