// Formatted string lists moved to and from list boxes, combo boxes and edit
// fields: filling a box from a list, telling whether a box still holds the
// list's items, and saving a box or a field into the list. One set of code
// serves both kinds of box through a table of their messages and Kitlib
// helpers. A box line is read only after its length was asked, and a line
// longer than an item can be is skipped, never copied.
#include "frame/control_texts.h"
#include "frame/dialog_controls.h"
#include "frame/formatted_lists.h"
#include "frame/kitlib.h"
#include "frame/sjis_case.h"
#include <string>
#include <vector>

struct BoxKind {
  UINT getCount, getTextLength, getText, setSelection;
  int(KITAPI *widen)(HWND, int, LPCSTR, int, int *);
  int(KITAPI *add)(HWND, int, LPCSTR, int, int);
};
static const BoxKind kListBox = {LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT, LB_SETCURSEL,
                                 SetHorizontalScrollInListBoxByStringSize, AddAndViewIndepFileToListBox};
static const BoxKind kComboBox = {CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT, CB_SETCURSEL,
                                  SetHorizontalScrollInComboBoxByStringSize, AddAndViewIndepFileToComboBox};

// The box's lines; a line too long for an item stays empty and `fits` says so.
struct BoxLines {
  std::vector<std::string> text;
  std::vector<bool> fits;
};

static BoxLines ReadLines(HWND box, const BoxKind &kind) {
  BoxLines lines;
  LRESULT count = box ? SendMessageA(box, kind.getCount, 0, 0) : 0;
  for (LRESULT i = 0; i < count; i++) {
    LRESULT length = SendMessageA(box, kind.getTextLength, (WPARAM)i, 0);
    char line[ITEM_BUFFER_SIZE] = "";
    bool fits = length >= 0 && length < ITEM_BUFFER_SIZE &&
                SendMessageA(box, kind.getText, (WPARAM)i, (LPARAM)line) >= 0;
    lines.text.push_back(fits ? line : "");
    lines.fits.push_back(fits);
  }
  return lines;
}

// Whether the box's lines differ from the list's items.
static bool Differ(const BoxLines &lines, HGLOBAL list, int separator) {
  int items = GetTotalOfItemsFile(list, separator);
  if ((size_t)items != lines.text.size()) return true;
  // Each line answers for one item at most, so "a;A" does not match a, b.
  std::vector<bool> used(lines.text.size(), false);
  size_t matched = 0;
  char item[ITEM_BUFFER_SIZE];
  for (int k = 0, offset = 0; k < items; k++) {
    offset = GetEachFilesFromFormattedString(item, offset, &list, separator);
    for (size_t j = 0; j < lines.text.size(); j++) {
      if (used[j] || !lines.fits[j] || !SjisEqualNoCase(lines.text[j].c_str(), item)) continue;
      used[j] = true;
      matched++;
      break;
    }
  }
  return matched != lines.text.size();
}

static int IsAltered(HWND dialog, int id, HGLOBAL list, int separator, const BoxKind &kind) {
  return Differ(ReadLines(DialogControl(dialog, id), kind), list, separator) ? 1 : 0;
}

// The box is read once: compared, then saved from the same lines.
static int SaveBox(HWND dialog, int id, HGLOBAL *list, int separator, const BoxKind &kind) {
  if (!list) return 0;
  BoxLines lines = ReadLines(DialogControl(dialog, id), kind);
  if (!Differ(lines, *list, separator)) return 0;
  AddFormattedStringFromEachFile(dialog, "", list, separator);
  for (size_t j = 0; j < lines.text.size(); j++)
    if (lines.fits[j]) AddFormattedStringFromEachFile(dialog, lines.text[j].c_str(), list, separator);
  return 1;
}

// Adds every non-empty item of the list to the box, widening its extent.
// Returns the number of items added; `widest` as Kitlib keeps it.
static int AddItems(HWND dialog, int id, HGLOBAL list, int separator, const BoxKind &kind, int *widest) {
  char item[ITEM_BUFFER_SIZE];
  int added = 0;
  for (int offset = 0, next; (next = GetEachFilesFromFormattedString(item, offset, &list, separator)) != 0;
       offset = next) {
    if (!item[0]) continue;
    kind.widen(dialog, id, item, 0, widest);
    if (kind.add(dialog, id, item, 1, 1) >= 0) added++;
  }
  return added;
}

extern "C" int ORVEXAPI IsItemAlteredInComboBox(HWND dialog, int id, HGLOBAL list, int separator) {
  return IsAltered(dialog, id, list, separator, kComboBox);
}

extern "C" int ORVEXAPI IsItemAlteredInListBox(HWND dialog, int id, HGLOBAL list, int separator) {
  return IsAltered(dialog, id, list, separator, kListBox);
}

extern "C" int ORVEXAPI SaveItemFromComboBoxInGlobalMemory(HWND dialog, int id, HGLOBAL *list, int separator) {
  return SaveBox(dialog, id, list, separator, kComboBox);
}

extern "C" int ORVEXAPI SaveItemFromListBoxInGlobalMemory(HWND dialog, int id, HGLOBAL *list, int separator) {
  return SaveBox(dialog, id, list, separator, kListBox);
}

extern "C" int ORVEXAPI SaveItemFromEditBoxInGlobalMemory(HWND dialog, int id, HGLOBAL *list, int check) {
  char text[ITEM_BUFFER_SIZE];
  ReadControlText(dialog, id, text, sizeof text);
  if (!text[0]) {
    if (list) *list = SaveToGlobalMemory(dialog, *list, "");
    return -1;
  }
  if (check && !IsItemOkInDisk(dialog, text, 1, 40, 41, 1, 1)) return 0;
  if (list) *list = SaveToGlobalMemory(dialog, *list, text);
  return 1;
}

// The combo box is redrawn once, after the whole fill.
extern "C" void ORVEXAPI FillComboBoxByGlobalMemory(HWND dialog, int id, HGLOBAL list, int separator) {
  HWND box = DialogControl(dialog, id);
  if (!box) return;
  SendMessageA(box, WM_SETREDRAW, FALSE, 0);
  int widest = 0;
  int added = AddItems(dialog, id, list, separator, kComboBox, &widest);
  if (added && widest == 0) ResetHorizontalScrollInComboBox(box, 0);
  SendMessageA(box, WM_SETREDRAW, TRUE, 0);
  SendMessageA(box, CB_SETCURSEL, 0, 0);
}

extern "C" void ORVEXAPI FillListBoxByGlobalMemory(HWND dialog, int id, HGLOBAL list, int separator) {
  HWND box = DialogControl(dialog, id);
  if (!box) return;
  int widest = 0;
  AddExtraWidthForStringInHorizontalScroll(kListBoxFillExtraWidth);
  AddItems(dialog, id, list, separator, kListBox, &widest);
  AddExtraWidthForStringInHorizontalScroll(0);
  SendMessageA(box, LB_SETCURSEL, 0, 0);
}

extern "C" void ORVEXAPI FillEditBoxByGlobalMemory(HWND dialog, int id, HGLOBAL list) {
  HWND field = DialogControl(dialog, id);
  if (!field) return;
  const char *text = LockFormattedList(list);
  SetWindowTextA(field, text ? text : "");
  if (text) GlobalUnlock(list);
}
