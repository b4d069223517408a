#pragma once
#include "framework/dialog.h"
#include "skin_button_probe.h"
#include "test_dialog_ids.h"

#include <map>

// A modeless dialog whose buttons are skinned; it counts the click commands it receives and
// paints its background in a colour the tests choose.
class ButtonTestDialog : public CDialog {
public:
    ButtonTestDialog();
    BOOL Open(); // creates and shows it

    void DoDataExchange(CDataExchange* dx) override;

    SkinButtonProbe flatButton;
    SkinButtonProbe secondButton;
    SkinButtonProbe checkButton;
    SkinButtonProbe defaultButton;
    SkinButtonProbe hiddenButton;

    std::map<UINT, int> clicks;   // control id -> click commands that reached the dialog's table
    std::map<UINT, int> commands; // menu command id -> commands received
    COLORREF background = RGB(255, 255, 255);

protected:
    DECLARE_MESSAGE_MAP()

private:
    void OnFlatClicked() { ++clicks[IDC_FLAT_BUTTON]; }
    void OnSecondClicked() { ++clicks[IDC_SECOND_BUTTON]; }
    void OnCheckClicked() { ++clicks[IDC_CHECK_BUTTON]; }
    void OnMenuFirst() { ++commands[ID_MENU_FIRST]; }
    void OnMenuSecond() { ++commands[ID_MENU_SECOND]; }
    LRESULT OnEraseBackground(WPARAM dc, LPARAM);
};
