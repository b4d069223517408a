#pragma once
#include "framework/wnd.h"

// A push button control; owner-drawn buttons paint themselves through DrawItem, which the parent's
// WM_DRAWITEM reaches by reflection.
class CButton : public CWnd {
public:
    virtual void DrawItem(DRAWITEMSTRUCT*) {}
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    UINT GetButtonStyle() const { return static_cast<UINT>(GetStyle() & 0xFFFF); }
};
