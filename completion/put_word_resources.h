// Control ids of the completion popup's template "OpenPutWord".
#pragma once

#define IDC_PUTWORD_TITLE 1092
#define IDC_PUTWORD_MAIN_LIST 1312
#define IDC_PUTWORD_CANDIDATES 25000
#define IDC_PUTWORD_BEST_AGAIN 40040
#define IDC_PUTWORD_HELP 40045
