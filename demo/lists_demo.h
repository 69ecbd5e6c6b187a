// The demo's second part: the "Add Folders" dialog and the import-library
// dialog, worked by a timer as a user would, with their results printed.
#pragma once
#include <windows.h>
#include <string>

// `work` is a scratch folder of the demo.
void ShowFolderListAndImportLibrary(HMODULE library, const std::string &work);
