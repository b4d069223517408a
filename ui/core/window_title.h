#pragma once

#include <string>

// The main window's text: the product name, "--" and the maker's contact address, which is set
// at build time (GLINT_CONTACT_ADDRESS) and empty by default. The window has no caption bar, so
// the text shows on the taskbar button and in task switching only.
std::string MainWindowTitle();
