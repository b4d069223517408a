#pragma once
#include <cstdint>
#include <string>

#include "led/power_popup.h"
#include "ui/power_notify_dialog.h"

// The power-level popup window as the power-level monitor sees it. Its window is created with
// the object, hidden, from its own copy of the skin folder path.
class PowerPopupWindow final : public PowerPopup {
public:
    PowerPopupWindow(std::string skinFolder, CWnd* parent);

    std::int32_t Level() const override { return dialog.level; }
    void SetLevel(std::int32_t level) override { dialog.level = level; }
    void SetPlacementFlag(std::uint8_t flag) override { dialog.placementFlag = flag; }
    void Show() override { dialog.ShowWindow(SW_SHOW); }
    void Hide() override { dialog.ShowWindow(SW_HIDE); }

private:
    CDlgPwrNotify dialog;
};
