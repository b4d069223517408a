#pragma once
#include "framework/app.h"
#include "ui/single_instance.h"

// The application object: runs the main window modally and ends with it. The command line is not
// read.
class CZUQ_RGB_LED_ToolApp : public CWinApp {
public:
    CZUQ_RGB_LED_ToolApp();

    BOOL InitInstance() override;
    // The process's exit code when the main window never ran: 1 for a start that could not reach
    // the EC, 0 otherwise.
    int ExitInstance() override { return exitCode; }

protected:
    DECLARE_MESSAGE_MAP()

private:
    SingleInstance oneCopy;
    int exitCode = 0;
};
