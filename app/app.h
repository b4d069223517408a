#pragma once
#include "framework/app.h"

// The application object: runs the main window modally and ends with it. The command line is not
// read.
class CZUQ_RGB_LED_ToolApp : public CWinApp {
public:
    CZUQ_RGB_LED_ToolApp();

    BOOL InitInstance() override;

protected:
    DECLARE_MESSAGE_MAP()
};
