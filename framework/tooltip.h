#pragma once
#include "framework/wnd.h"

#include <commctrl.h>

// A tooltip control window owned by another window; destroyed with its object.
class CToolTipCtrl : public CWnd {
public:
    BOOL Create(CWnd* parent, DWORD style = 0);
    void Activate(BOOL active) { SendMessage(TTM_ACTIVATE, active, 0); }
    int SetMaxTipWidth(int width) {
        return static_cast<int>(SendMessage(TTM_SETMAXTIPWIDTH, 0, width));
    }
    void RelayEvent(MSG* msg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg)); }
};
