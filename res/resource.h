// Resource ids shared by the resource script and the program.
#ifndef GLINT_RES_RESOURCE_H
#define GLINT_RES_RESOURCE_H

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_MAIN 102
#define IDR_MAINFRAME 128
#define IDB_BUILTIN_BG 129
#define IDD_PWR_NOTIFY 153

#define IDC_ON 1000
#define IDC_RAINBOW 1001
#define IDC_STATIC_TEST 1002
#define IDC_BREATH 1003
#define IDC_COLORLOOP 1004
#define IDC_EXIT 1005
#define IDC_MIN 1006
#define IDC_PWR_TEST 1007
#define IDC_PWR_TEXT 1008
#define IDC_AUTO 1010

#endif
