// Ids of the main window's controls and images that the panel works on,
// shared with the resource script and the code. The window's resource header
// includes it beside its own ids.
// Plain #defines only: windres and the portable panel logic both include it.
#pragma once

// Indicator images (27 x 25, 24-bit). Which pin shows which is the pin table's
// business (panel/PinMap.cpp); the bitmaps are generated from that table.
#define IDB_LEGEND_HIGH 130
#define IDB_LEGEND_LOW 131
#define IDB_S5_HIGH 132
#define IDB_S7_HIGH 133
#define IDB_C0_HIGH 134
#define IDB_C1_HIGH 135
#define IDB_C2_HIGH 136
#define IDB_C3_HIGH 137
#define IDB_S3_HIGH 153
#define IDB_S4_HIGH 154
#define IDB_S6_HIGH 156
#define IDB_G0_LOW 157
#define IDB_G1_LOW 158
#define IDB_G2_LOW 159
#define IDB_G3_LOW 160
#define IDB_G4_LOW 161
#define IDB_G5_LOW 162
#define IDB_G6_LOW 163
#define IDB_G7_LOW 164
#define IDB_S3_LOW 165
#define IDB_S7_LOW 166
#define IDB_S6_LOW 167
#define IDB_S5_LOW 168
#define IDB_S4_LOW 169
#define IDB_C3_LOW 170
#define IDB_C2_LOW 171
#define IDB_C1_LOW 172
#define IDB_C0_LOW 173
#define IDB_D7_HIGH 175
#define IDB_D0_LOW 176
#define IDB_D1_LOW 177
#define IDB_D2_LOW 178
#define IDB_D3_LOW 179
#define IDB_D4_LOW 180
#define IDB_D5_LOW 181
#define IDB_D6_LOW 182
#define IDB_D7_LOW 183
#define IDB_D0_HIGH 184
#define IDB_D1_HIGH 185
#define IDB_D2_HIGH 186
#define IDB_D3_HIGH 187
#define IDB_D4_HIGH 188
#define IDB_D5_HIGH 189
#define IDB_D6_HIGH 190
// Main dialog: commands
#define IDC_READ 3
#define IDC_WRITE 4
#define IDC_SET 5
#define IDC_REFRESH 6

// Main dialog: data and control pin buttons
#define IDC_D7 1008
#define IDC_D6 1009
#define IDC_D5 1012
#define IDC_D4 1013
#define IDC_D3 1016
#define IDC_C3 1018
#define IDC_D2 1019
#define IDC_D1 1020
#define IDC_C2 1021
#define IDC_D0 1023
#define IDC_C0 1024
#define IDC_C1 1025

// Main dialog: status and ground pin pictures, legend
#define IDC_PIN25 1051
#define IDC_PIN24 1052
#define IDC_PIN23 1053
#define IDC_PIN22 1054
#define IDC_PIN21 1055
#define IDC_PIN20 1056
#define IDC_PIN19 1057
#define IDC_PIN18 1058
#define IDC_PIN13 1059
#define IDC_PIN12 1060
#define IDC_PIN11 1061
#define IDC_PIN10 1062
#define IDC_PIN15 1063
#define IDC_LEGEND_HIGH 1064
#define IDC_LEGEND_LOW 1065

// Main dialog: mode list, address and register fields
#define IDC_MODE 1066
#define IDC_BASE_ADDR 1070
#define IDC_EXT_ADDR 1071
#define IDC_DATA_HEX 1072
#define IDC_DATA_BIN 1074
#define IDC_DSR_HEX 1076
#define IDC_DSR_BIN 1078
#define IDC_DCR_HEX 1080
#define IDC_DCR_BIN 1082
