#pragma once
#include "framework/dc.h"
#include "framework/gdi.h"

// An off-screen context over a rectangle of a target context, in the target's coordinates; the
// picture is copied to the target when the object ends. A printing target (or one for which no
// off-screen picture can be made) is drawn into directly.
class CMenuMemDC : public CDC {
public:
    CMenuMemDC(CDC* target, const RECT& rect);
    ~CMenuMemDC() override;

private:
    CBitmap bitmap_;
    HGDIOBJ previousBitmap_ = nullptr;
    CDC* target_;
    RECT rect_;
    bool offScreen_ = false;
};
