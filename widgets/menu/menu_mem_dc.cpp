#include "widgets/menu/menu_mem_dc.h"

CMenuMemDC::CMenuMemDC(CDC* target, const RECT& rect) : target_(target), rect_(rect) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (!target->IsPrinting() && CreateCompatibleDC(target)) {
        if (bitmap_.CreateCompatibleBitmap(target, width, height)) {
            previousBitmap_ = SelectObject(&bitmap_);
            SetWindowOrg(rect.left, rect.top);
            offScreen_ = true;
            return;
        }
        DeleteDC();
    }
    // Share the target's handles; they are handed back untouched at the end.
    m_bPrinting = target->m_bPrinting;
    m_hDC = target->m_hDC;
    m_hAttribDC = target->m_hAttribDC;
}

CMenuMemDC::~CMenuMemDC() {
    if (offScreen_) {
        target_->BitBlt(rect_.left, rect_.top, rect_.right - rect_.left, rect_.bottom - rect_.top,
                        this, rect_.left, rect_.top, SRCCOPY);
        SelectObject(previousBitmap_);
        bitmap_.DeleteObject();
        DeleteDC();
    } else {
        m_hDC = nullptr;
        m_hAttribDC = nullptr;
    }
}
