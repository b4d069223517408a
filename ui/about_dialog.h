#pragma once
#include "framework/dialog.h"

// The About box, opened from the main window's system menu; its OK button ends it.
class CAboutDlg : public CDialog {
public:
    CAboutDlg();
};
