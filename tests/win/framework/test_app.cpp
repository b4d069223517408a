#include "test_app.h"

namespace {
TestApp theApp;
}

TestApp& TheTestApp() {
    return theApp;
}

BEGIN_MESSAGE_MAP(TestApp, CWinApp)
    ON_COMMAND(kAppCommand, &TestApp::OnAppCommand)
END_MESSAGE_MAP()
