// Resource and control identifiers, shared by the resource script and the code:
// those the panel works on (panel/PanelIds.h) and the window's own.
// Plain #defines only: windres includes it.
#pragma once

#include "panel/PanelIds.h"

// Controls the code never addresses
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Dialogs, strings, menu commands
#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_KELVARIN_DIALOG 102
#define IDR_MAINFRAME 128
#define IDM_ABOUTBOX 0x0010
#define ID_HELP 57670

// About box picture
#define IDB_ABOUT_PINOUT 192

// Main dialog: pin-number texts
#define IDC_PIN13_NUMBER 1015
#define IDC_PIN12_NUMBER 1026
#define IDC_PIN10_NUMBER 1027
#define IDC_PIN11_NUMBER 1028
#define IDC_PIN9_NUMBER 1029
#define IDC_PIN8_NUMBER 1030
#define IDC_PIN6_NUMBER 1031
#define IDC_PIN7_NUMBER 1032
#define IDC_PIN5_NUMBER 1033
#define IDC_PIN4_NUMBER 1034
#define IDC_PIN3_NUMBER 1035
#define IDC_PIN1_NUMBER 1036
#define IDC_PIN2_NUMBER 1037
#define IDC_PIN25_NUMBER 1038
#define IDC_PIN23_NUMBER 1039
#define IDC_PIN24_NUMBER 1040
#define IDC_PIN22_NUMBER 1041
#define IDC_PIN21_NUMBER 1042
#define IDC_PIN19_NUMBER 1043
#define IDC_PIN20_NUMBER 1044
#define IDC_PIN18_NUMBER 1045
#define IDC_PIN17_NUMBER 1046
#define IDC_PIN16_NUMBER 1047
#define IDC_PIN14_NUMBER 1048
#define IDC_PIN15_NUMBER 1049

// Main dialog: labels
#define IDC_LOW_TEXT 1017
#define IDC_HIGH_TEXT 1022
#define IDC_MODE_LABEL 1050
#define IDC_BASE_LABEL 1067
#define IDC_EXT_LABEL 1068
#define IDC_DATA_LABEL 1069
#define IDC_DATA_BIN_LABEL 1073
#define IDC_DSR_LABEL 1075
#define IDC_DSR_BIN_LABEL 1077
#define IDC_DCR_LABEL 1079
#define IDC_DCR_BIN_LABEL 1081

// About box
#define IDC_ABOUT_DATA_NOTE 1071
#define IDC_ABOUT_DSR_NOTE 1072
#define IDC_ABOUT_DCR_NOTE 1073
#define IDC_ABOUT_ECR_NOTE 1074
#define IDC_ABOUT_CREDIT1 1075
#define IDC_ABOUT_CREDIT3 1076
#define IDC_ABOUT_CREDIT2 1077
#define IDC_ABOUT_PINOUT 1078
