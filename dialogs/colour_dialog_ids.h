// Control ids of the three colour dialogs, shared by their resource script
// and their code.
#pragma once

#define IDC_COLOUR_CANCEL 1000
#define IDC_COLOUR_HELP 40045

// Console dialog: eight text colour buttons with the brightness box, eight
// background colour buttons with the dark-background box, and the default
// box. The buttons are plain (not automatic) check boxes: the code checks
// one of a group.
#define IDC_TEXT_BLACK 1358
#define IDC_TEXT_BLUE 1359
#define IDC_TEXT_GREEN 1360
#define IDC_TEXT_RED 1361
#define IDC_TEXT_YELLOW 1362
#define IDC_TEXT_CYAN 1363
#define IDC_TEXT_MAGENTA 1364
#define IDC_TEXT_WHITE 1365
#define IDC_TEXT_BRIGHT 1366
#define IDC_BACK_BLACK 1349
#define IDC_BACK_BLUE 1350
#define IDC_BACK_GREEN 1351
#define IDC_BACK_RED 1352
#define IDC_BACK_CYAN 1353
#define IDC_BACK_MAGENTA 1354
#define IDC_BACK_YELLOW 1355
#define IDC_BACK_WHITE 1356
#define IDC_BACK_DARK 1357
#define IDC_CONSOLE_DEFAULT 40215

// Output and tree-view dialogs: the owner-drawn colour list, the radio
// buttons of the records, the sample fields and the use-common box.
#define IDC_COLOUR_LIST 1370
#define IDC_RECORD_FIRST 40212
#define IDC_SAMPLE_FIRST 40216
#define IDC_USE_COMMON 40221
