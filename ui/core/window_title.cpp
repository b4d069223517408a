#include "ui/core/window_title.h"

std::string MainWindowTitle() {
    return std::string("Glint_Controls--") + GLINT_CONTACT_ADDRESS;
}
