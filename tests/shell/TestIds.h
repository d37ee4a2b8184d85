// Ids of the test dialogs (TestDialogs.rc), apart from the program's own.
#pragma once

#define IDD_TEST 200
#define IDD_TEST_NO_LISTS 201

#define IDC_TEST_APPLY 300
#define IDC_TEST_ONE 301
#define IDC_TEST_TWO 302
#define IDC_TEST_THREE 303
#define IDC_TEST_EDIT 400
#define IDC_TEST_COMBO 401
#define IDC_TEST_PICTURE 402
#define IDC_TEST_PIN 403
