#pragma once
// Ids shared by the test program's resource script and its tests.

#define IDD_HIDDEN_DIALOG 200
#define IDD_SHOWN_DIALOG 201

#define IDC_EDIT 1001
#define IDC_PUSH 1002
#define IDC_OWNER_DRAWN 1003
#define IDC_LABEL 1004
