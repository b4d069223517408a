#include "ui/power_popup_window.h"

#include <utility>

PowerPopupWindow::PowerPopupWindow(std::string skinFolder, CWnd* parent)
    : dialog(std::move(skinFolder)) {
    dialog.Create(parent);
}
