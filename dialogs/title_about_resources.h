// Resource and control ids of the title and About windows, shared by their
// resource script and their code.
#pragma once

#define IDB_TITLE_LOGO 157
#define IDB_ABOUT_LOGO 292
#define IDI_PRODUCT 170
#define IDI_PROJECT 171

#define IDC_LOGO_FRAME 1118    // frame of the title bitmap
#define IDC_SECOND_FRAME 1117  // the title's second frame
#define IDC_VERSION_TITLE 1119 // product name and version
#define IDC_EDITOR_LINE 40021  // the edit-control line
#define IDC_NOTICE_LINE 1116
#define IDC_FIXED_LINE 40064
#define IDC_PRODUCT_PAGE 1014
#define IDC_AUTO_CLOSE 1074
#define IDC_HINT 40045 // the help button
#define IDC_START_PAGE 1016
#define IDC_START_HINT 1018

#define IDC_ABOUT_FRAME 1405 // frame of the About bitmap
#define IDC_WINDOWS_VERSION 1115
#define IDC_PROCESSOR 1120
#define IDC_MEMORY 1121
#define IDC_RESOURCES 1122
#define IDC_SCREEN 1123
#define IDC_ABOUT_ICON 1124
#define IDC_CANCEL_BUTTON 1000
