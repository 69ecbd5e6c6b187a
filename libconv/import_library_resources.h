// Control ids of the import-library dialog, shared by its resource script and
// its code.
#pragma once

#define IDC_LIB_DESCRIPTION 1010
#define IDC_LIB_SOURCE_LABEL 1083
#define IDC_LIB_ADD_MS 1400
#define IDC_LIB_SOURCE 1092
#define IDC_LIB_SOURCE_BROWSE 1090
#define IDC_LIB_ADD_BC 1401
#define IDC_LIB_CDECL 40152
#define IDC_LIB_TARGET 40021
#define IDC_LIB_TARGET_BROWSE 1093
#define IDC_LIB_CANCEL 1000
#define IDC_LIB_HELP 40045
