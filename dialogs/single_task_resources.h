// Control ids of the single-task dialogs, shared by their resource script and
// their code.
#pragma once

#define IDC_TASK_CANCEL 1000 // "Cancel" of the templates that have one

// "OpenViewFile"
#define IDC_VIEW_AREA 1372
#define IDC_VIEW_COPY 40083

// "OpenEdit"
#define IDC_EDIT_ITEM 1092
#define IDC_EDIT_BROWSE 1014
#define IDC_EDIT_ADD 1094
#define IDC_EDIT_DELETE 1095
#define IDC_EDIT_ADD_ON_OK 40202
#define IDC_EDIT_LIST 25000
#define IDC_EDIT_HELP 40045

// "OpenRenameFile"
#define IDC_RENAME_PATH 1110
#define IDC_RENAME_NAME 1111
#define IDC_RENAME_NEW_NAME 40005
#define IDC_RENAME_EXTENSION 1102

// "OpenAbort"
#define IDC_ABORT_PAGE 1108

// "OpenBadTdsFile"
#define IDC_TDS_98_GROUP 1403
#define IDC_TDS_98_ADVICE 1101
#define IDC_TDS_SYSTEM_PANEL 1014
#define IDC_TDS_XP_GROUP 1404
#define IDC_TDS_XP_ADVICE 1369
#define IDC_TDS_OPEN_FOLDER 1016
#define IDC_TDS_DELETE 1095
