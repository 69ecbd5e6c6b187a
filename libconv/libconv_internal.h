// What the import-library dialog's parts share: the remembered library
// names, the folder proposed when the source's folder takes no new files,
// and the path steps they take.
#pragma once
#include "frame/instance.h"
#include <string>

extern "C" {
LPSTR ORVEXAPI GetOriginalMSLibraryName(void);
LPSTR ORVEXAPI GetRenamedMSLibraryName(void);
void ORVEXAPI FreeLibraryNameForMCtoBClibrary(void);
int ORVEXAPI OpenNewBClibDialog(HWND parent, int ignored, int *kind, char **names);
}

// Replace a remembered name (an empty text forgets it); the old copy is freed.
void RememberOriginalLibrary(const char *path);
void RememberRenamedLibrary(const char *path);

// Where the source library is to be copied before it is converted.
enum WritableFolderAnswer { kFolderAsItIs, kFolderChosen, kFolderCancelled };
// When the source's folder refuses new files, asks the user for a folder on
// the desktop and puts it in `folder`; kFolderAsItIs when the source's folder
// will do, kFolderCancelled when the user cancelled or no folder can be had
// (every number up to 9999 taken: told with message 352).
WritableFolderAnswer ChooseWritableFolder(HWND dialog, const char *source, std::string *folder);

// `path` with `mark` put before the last period of its file name (a folder's
// period never counts), or at the end of a file name without one.
std::string WithMarkBeforeExtension(const char *path, const char *mark);
