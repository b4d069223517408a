#pragma once
#include "widgets/button/skin_button.h"

// Opens the button's state to the tests and counts the mouse moves it has handled and the faces it
// has painted.
class SkinButtonProbe : public CSkinButton {
public:
    using CSkinButton::bitmaps;
    using CSkinButton::checkState;
    using CSkinButton::hover;
    using CSkinButton::icons;
    using CSkinButton::isCheckBox;
    using CSkinButton::isDefault;
    using CSkinButton::menu;
    using CSkinButton::menuPushed;
    using CSkinButton::toolTip;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_MOUSEMOVE) {
            ++mouseMoves;
        }
        return CSkinButton::WindowProc(message, wParam, lParam);
    }

    DWORD PaintFace(CDC* dc, const RECT* rect) override {
        ++facesPainted;
        return CSkinButton::PaintFace(dc, rect);
    }

    int mouseMoves = 0;
    int facesPainted = 0;
};
