// The file and folder choosers, for the dialogs that let the user browse.
// Path buffers hold ITEM_BUFFER_SIZE (520) bytes: the start path in, the
// choice out (several files as full paths, each NUL-ended, then an empty
// text). A choice that would not fit is refused with a box, never cut.
#pragma once
#include "frame/instance.h"

// Dialog option bits, as the common file dialog takes them.
enum { kChooseSeveralFiles = 0x200, kChosenFilesMustExist = 0x1000 };

extern "C" {
int ORVEXAPI GetNewFile(HWND window, LPSTR path, int filterId, int titleKind, int option, LPARAM hostValue);
int ORVEXAPI GetNewDirectory(HWND window, LPSTR path, int option);
int ORVEXAPI my_wmFileOpenOrvex(HWND window, LPCSTR title, LPCSTR filter, LPSTR path, int option, int last);
LPSTR ORVEXAPI GetInitialFolderAtFileOpenOrvex(void);
void ORVEXAPI SetInitialFolderAtFileOpenOrvexEmpty(void);
int ORVEXAPI SelectNewDirectoryIntoComboBox(HWND dialog, int second, int third, int fourth, HGLOBAL *list, int id);
int ORVEXAPI SelectNewDirectoryIntoEditBox(HWND dialog, int second, int third, int fourth, HGLOBAL *list, int id);
}
