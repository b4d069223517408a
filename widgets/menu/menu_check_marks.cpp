#include "framework/dc.h"
#include "framework/gdi.h"
#include "widgets/menu/core/blend.h"
#include "widgets/menu/menu_class_state.h"
#include "widgets/menu/owner_draw_menu.h"

bool COwnerDrawMenu::DrawClassicCheckBox(const RECT& box, CDC& dc, bool selected, bool radio) {
    COLORREF fill = ::GetSysColor(XpLook() ? COLOR_BTNFACE : COLOR_MENU);
    if (!selected) {
        fill = BlendToWhite(0.6, fill);
    }
    CBrush brush;
    brush.CreateSolidBrush(fill);
    dc.FillRect(&box, brush);
    if (MenuClass().osClass > 1) {
        RECT edge = box;
        dc.DrawEdge(&edge, BDR_SUNKENOUTER, BF_RECT);
    }
    const COLORREF mark = ::GetSysColor(COLOR_MENUTEXT);
    if (radio) {
        DrawDot(mark, box.left + 5, box.top + 4, dc);
    } else {
        DrawTick(mark, box.left + 4, box.top + 4, dc);
    }
    return true;
}

bool COwnerDrawMenu::DrawXpCheckBox(COLORREF highlight, const RECT& box, CDC& dc, bool radio) {
    CBrush brush;
    brush.CreateSolidBrush(BlendToWhite(0.85, highlight));
    dc.FillRect(&box, brush);
    dc.Draw3dRect(&box, highlight, highlight);
    const COLORREF mark = ::GetSysColor(COLOR_MENUTEXT);
    if (radio) {
        DrawDot(mark, box.left + 5, box.top + 4, dc);
    } else {
        DrawTick(mark, box.left + 5, box.top + 4, dc);
    }
    return true;
}

void COwnerDrawMenu::DrawTick(COLORREF color, int x, int y, CDC& dc) {
    static constexpr int kStrokeTops[] = {2, 3, 4, 3, 2, 1, 0};
    CPen pen;
    pen.CreatePen(PS_SOLID, 0, color);
    ScopedSelect selected(dc, pen);
    for (int i = 0; i < 7; ++i) {
        dc.MoveTo(x + i, y + kStrokeTops[i]);
        dc.LineTo(x + i, y + kStrokeTops[i] + 3);
    }
}

void COwnerDrawMenu::DrawDot(COLORREF color, int x, int y, CDC& dc) {
    CBrush brush;
    brush.CreateSolidBrush(color);
    CPen pen;
    pen.CreatePen(PS_SOLID, 0, color);
    ScopedSelect brushSelected(dc, brush);
    ScopedSelect penSelected(dc, pen);
    dc.Ellipse(x, y, x + 6, y + 6);
}
