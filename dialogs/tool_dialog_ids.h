// Control ids of the tool site, command-option and page layout dialogs,
// shared by their resource script and their code.
#pragma once

#define IDC_TOOL_CANCEL 1000

// Tool site dialogs (assembler and debugger).
#define IDC_SITE_DOWNLOAD 1014
#define IDC_SITE_DESCRIPTION 1101
#define IDC_SITE_OWNER_LINE 40064
#define IDC_SITE_FOLDER 1033
#define IDC_SITE_OPEN_FOLDER 40020

// Command-option dialog.
#define IDC_COMMAND_TEXT 1096
#define IDC_COMMAND_COPY 1116
#define IDC_COMMAND_RESULT 1154
#define IDC_COMMAND_HELP 40045

// Page layout dialog: the six format edits with their "=>" buttons, the four
// margins, the printer button and the commands of the insertion menu.
#define IDC_HEADER_LEFT 1314
#define IDC_HEADER_CENTRE 1315
#define IDC_HEADER_RIGHT 1316
#define IDC_FOOTER_LEFT 1317
#define IDC_FOOTER_CENTRE 1318
#define IDC_FOOTER_RIGHT 1319
#define IDC_INSERT_HEADER_LEFT 1014
#define IDC_INSERT_HEADER_CENTRE 1016
#define IDC_INSERT_HEADER_RIGHT 1018
#define IDC_INSERT_FOOTER_LEFT 1020
#define IDC_INSERT_FOOTER_CENTRE 1015
#define IDC_INSERT_FOOTER_RIGHT 1017
#define IDC_MARGIN_LEFT 1320
#define IDC_MARGIN_RIGHT 1321
#define IDC_MARGIN_TOP 1322
#define IDC_MARGIN_BOTTOM 1323
#define IDC_PRINTER 1344
#define IDM_INSERT_FIRST 1327
