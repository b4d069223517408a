#pragma once
#include <windows.h>

// A menu object bound to a menu handle, registered in the menu handle map while attached so that
// owner-drawn items reach DrawItem and MeasureItem. Destroys a handle still attached.
class CMenu {
public:
    CMenu() = default;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;
    virtual ~CMenu();

    HMENU m_hMenu = nullptr;
    HMENU GetSafeHmenu() const { return m_hMenu; }
    operator HMENU() const { return m_hMenu; }

    static CMenu* FromHandlePermanent(HMENU menu);

    BOOL Attach(HMENU menu);
    HMENU Detach();
    // FALSE (and nothing created) while a menu is attached.
    BOOL CreateMenu() { return m_hMenu == nullptr && Attach(::CreateMenu()); }
    BOOL CreatePopupMenu() { return m_hMenu == nullptr && Attach(::CreatePopupMenu()); }
    BOOL DestroyMenu(); // detaches and destroys; FALSE when there is no handle

    virtual void DrawItem(DRAWITEMSTRUCT*) {}
    virtual void MeasureItem(MEASUREITEMSTRUCT*) {}
};
