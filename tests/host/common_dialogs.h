// The common Open dialog and the folder dialog as the test host works them:
// read where they start and what they offer, choose, then OK. Used inside
// the actions of DriveDialogs / DriveDialogsToo.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

// Controls that identify the two dialogs: the Open dialog's filter list and
// the folder dialog's tree.
enum { kFileDialogFilters = 0x470, kFolderDialogTree = 0x3741 };

// The folder the Open dialog shows.
std::string FileDialogFolder(HWND dialog);
// The shown names of its filters, in order.
std::vector<std::string> FileDialogFilters(HWND dialog);
// Types `names` (one name, or several each in double quotes) as the file
// name and presses Open.
void ChooseInFileDialog(HWND dialog, const std::string &names);
// Selects `folder` in the folder dialog (its start folder when empty) and
// presses OK.
void ChooseInFolderDialog(HWND dialog, const std::string &folder);
