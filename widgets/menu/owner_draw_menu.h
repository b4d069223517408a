#pragma once
#include "framework/menu.h"
#include "widgets/menu/menu_item_record.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

class CDC;

// A menu whose pop-up items are owner-drawn, built from a menu template resource. It keeps one
// record per item position and answers the measure, draw and menu-character requests of its
// items in a classic or an XP look.
class COwnerDrawMenu : public CMenu {
public:
    COwnerDrawMenu();
    ~COwnerDrawMenu() override;

    void DrawItem(DRAWITEMSTRUCT* item) override;
    void MeasureItem(MEASUREITEMSTRUCT* item) override;

    // Only the low 16 bits of the id are used.
    virtual BOOL LoadFromResource(UINT id);
    // Fails without touching the menu when the resource is missing or its template is malformed.
    virtual BOOL LoadFromResource(const char* name);
    // Frees the records and the pop-ups this menu made, destroys the handle; FALSE without one.
    virtual BOOL DestroyAll();

    BOOL AddItem(UINT flags, UINT_PTR id, const wchar_t* text);
    // Modifies the item at a position and returns its new record, which the caller must keep
    // alive as long as the item shows it (null text: empty).
    std::unique_ptr<CMenuItemRecord> ReplaceItem(int position, UINT flags, UINT_PTR id,
                                                 const char* text);
    void ResyncRecords();
    CMenuItemRecord* ClaimRecord(UINT_PTR id);
    void DropUnclaimedRecords();
    // FALSE for a position outside the records.
    bool GetItemText(int position, std::string& text) const;
    void PadAccelerators();
    int FirstRecordPosition() const;
    void RestoreBarPopups();

    static bool IsKnownMenu(const CMenu* menu);
    static bool IsKnownMenu(HMENU menu);
    // WM_MENUCHAR answer: MNC_EXECUTE with the position of the first item whose text holds
    // '&' and the character (case-insensitive), else 0.
    static LRESULT HandleMenuChar(UINT ch, UINT flags, CMenu* menu);

    const std::vector<std::unique_ptr<CMenuItemRecord>>& Records() const { return records_; }
    const std::vector<HMENU>& SubMenus() const { return subMenus_; }

    static bool DrawClassicCheckBox(const RECT& box, CDC& dc, bool selected, bool radio);
    static bool DrawXpCheckBox(COLORREF highlight, const RECT& box, CDC& dc, bool radio);
    static void DrawTick(COLORREF color, int x, int y, CDC& dc);
    static void DrawDot(COLORREF color, int x, int y, CDC& dc);

private:
    void DrawItemClassic(DRAWITEMSTRUCT* item);
    void DrawItemXp(DRAWITEMSTRUCT* item);

    std::vector<std::unique_ptr<CMenuItemRecord>> records_;
    std::vector<HMENU> subMenus_;
    // The pop-up menu objects this menu created while loading; their handles are in subMenus_.
    std::vector<std::unique_ptr<COwnerDrawMenu>> ownedPopups_;
    int iconWidth_ = 16;
    int iconHeight_ = 15;
    bool loadedFromResource_ = false;
};
