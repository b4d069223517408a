#pragma once
#include "framework/dialog.h"
#include "framework/gdi.h"

#include <windows.h>

#include <string>

// The small borderless popup that shows the EC's performance level by colour: blue for level 1,
// green for 2, red for 3. Its surface is the level's bitmap from the skin folder, its size that
// of the level-1 bitmap. The owner creates it once, sets level and placementFlag before each
// show and shows or hides it; the popup places itself once, stays topmost, repaints every 100 ms
// while it is shown and hides itself about a second after it was first placed.
class CDlgPwrNotify : public CDialog {
public:
    // The popup's timers: place it, refresh its level while shown, hide it.
    enum Timer : UINT_PTR { kPlaceTimer = 1, kRefreshTimer, kHideTimer };

    explicit CDlgPwrNotify(std::string folder); // the skin folder, no trailing backslash

    // Modeless from the popup's dialog template; the window stays hidden until shown.
    BOOL Create(CWnd* parent);

    int level = 0;
    BYTE placementFlag = 0; // 1: lower the popup by half its height (main window in the tray)

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

    void OnTimer(UINT_PTR id);
    void OnWindowPosChanged(WINDOWPOS* pos);
    void OnTestButton();
    HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlType);

    DECLARE_MESSAGE_MAP()

private:
    void PlacePopup();
    void UseTemplateSize();
    void RefreshLevel();
    HBRUSH LevelBrush() const;

    SIZE popupSize{};  // the level-1 bitmap's, else the template's own size
    CBrush redBrush;   // level 3 and every level that is not 1 or 2
    CBrush greenBrush; // level 2
    CBrush blueBrush;  // level 1
    std::string skinFolder;
    std::string levelText; // bound to the hidden text control
};
