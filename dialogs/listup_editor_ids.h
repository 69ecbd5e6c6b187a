// Control ids of the template "OpenListupEditor", shared by its resource
// script and the three dialogs on it.
#pragma once

#define IDC_LISTUP_LIST 1312
#define IDC_LISTUP_OPEN 40006
#define IDC_LISTUP_CLOSE 1001
#define IDC_LISTUP_SAVE 40075
