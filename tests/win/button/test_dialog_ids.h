#pragma once
// Ids of the button test dialog; shared by its resource script and the tests.
#define IDD_BUTTON_TEST 200
#define IDC_FLAT_BUTTON 1001
#define IDC_SECOND_BUTTON 1002
#define IDC_CHECK_BUTTON 1003
#define IDC_DEFAULT_BUTTON 1004
#define IDC_HIDDEN_BUTTON 1005
#define IDR_BUTTON_MENU 300
#define ID_MENU_FIRST 2001
#define ID_MENU_SECOND 2002
