// Formatted string lists: one text in a movable global block whose items are
// separated by one separator byte (';' everywhere inside the library), moved
// to and from the combo boxes, list boxes and edit fields of dialogs. Items
// are read into ITEM_BUFFER_SIZE buffers: at most 519 bytes, cut on a whole
// character, blanks trimmed at both ends.
#pragma once
#include "frame/instance.h"
#include "frame/buffer_sizes.h"

extern "C" {

// Reading and writing.
int ORVEXAPI GetEachFilesFromFormattedStringPointer(LPSTR item, int offset, LPCSTR list, int separator);
int ORVEXAPI GetEachFilesFromFormattedString(LPSTR item, int offset, HGLOBAL *list, int separator);
int ORVEXAPI GetTotalOfItemsFile(HGLOBAL list, int separator);
int ORVEXAPI AddFormattedStringFromEachFile(HWND window, LPCSTR text, HGLOBAL *list, int separator);

// Boxes and edit fields. A box is control `id` of `dialog`, or `dialog`
// itself when `id` is 0.
int ORVEXAPI SaveItemFromComboBoxInGlobalMemory(HWND dialog, int id, HGLOBAL *list, int separator);
int ORVEXAPI SaveItemFromListBoxInGlobalMemory(HWND dialog, int id, HGLOBAL *list, int separator);
int ORVEXAPI SaveItemFromEditBoxInGlobalMemory(HWND dialog, int id, HGLOBAL *list, int check);
void ORVEXAPI FillComboBoxByGlobalMemory(HWND dialog, int id, HGLOBAL list, int separator);
void ORVEXAPI FillListBoxByGlobalMemory(HWND dialog, int id, HGLOBAL list, int separator);
void ORVEXAPI FillEditBoxByGlobalMemory(HWND dialog, int id, HGLOBAL list);
int ORVEXAPI IsItemAlteredInComboBox(HWND dialog, int id, HGLOBAL list, int separator);
int ORVEXAPI IsItemAlteredInListBox(HWND dialog, int id, HGLOBAL list, int separator);

// Single lines and items.
int ORVEXAPI AddAndViewFileToComboBox(HWND dialog, int id, LPCSTR text, int flag);
int ORVEXAPI AddAndViewFileToListBox(HWND dialog, int id, LPCSTR text, int flag);
int ORVEXAPI DeleteItemInListBox(HWND dialog, int id);
int ORVEXAPI DeleteItemInDirectoryListBox(HWND dialog, int id);
// `text` may be rewritten with the name under which the file was found: its
// buffer holds ITEM_BUFFER_SIZE bytes.
int ORVEXAPI IsItemOkInDisk(HWND dialog, LPSTR text, int driveCheck, int messageId, int titleId, int kind, int show);

} // extern "C"

// The locked text of a list's block, or null (block left unlocked) when there
// is no block, it cannot be locked or it holds no NUL. The caller unlocks it.
const char *LockFormattedList(HGLOBAL block);

// The separator every caller inside the library passes.
enum { kListSeparator = ';' };

// Extra pixels Kitlib adds to each line width it measures while the library
// fills a list box, so the horizontal extent leaves room behind the widest.
enum { kListBoxFillExtraWidth = 360 };
