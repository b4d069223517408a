#include "framework/handle_map.h"
#include "framework/menu_lookup.h"

namespace {

// Menus cannot really nest without end, but a bound keeps a corrupt tree from recursing forever.
constexpr int kMaxMenuDepth = 16;

bool HoldsSubmenu(HMENU menu, HMENU wanted, int depth) {
    if (depth > kMaxMenuDepth) {
        return false;
    }
    const int count = ::GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        const HMENU sub = ::GetSubMenu(menu, position);
        if (sub != nullptr && (sub == wanted || HoldsSubmenu(sub, wanted, depth + 1))) {
            return true;
        }
    }
    return false;
}

// 3: an item of the menu itself with this command and data; 2: with this command; 1: the command
// is somewhere in its submenus; 0: not there.
int MatchItem(HMENU menu, UINT itemId, ULONG_PTR itemData) {
    int best = 0;
    const int count = ::GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_DATA | MIIM_SUBMENU;
        if (!::GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info)) {
            continue;
        }
        // An item that opens a submenu is identified by the submenu's handle.
        const bool sameId =
            info.wID == itemId ||
            (info.hSubMenu != nullptr &&
             static_cast<UINT>(reinterpret_cast<UINT_PTR>(info.hSubMenu)) == itemId);
        if (sameId && info.dwItemData == itemData) {
            return 3;
        }
        if (sameId) {
            best = 2;
        }
    }
    if (best == 0 && ::GetMenuState(menu, itemId, MF_BYCOMMAND) != static_cast<UINT>(-1)) {
        best = 1;
    }
    return best;
}

} // namespace

CMenu* FindMenuForDraw(HMENU menu) {
    if (menu == nullptr) {
        return nullptr;
    }
    if (CMenu* attached = CMenu::FromHandlePermanent(menu)) {
        return attached;
    }
    CMenu* holder = nullptr;
    MenuHandleMap().ForEach([&](HMENU handle, CMenu* object) {
        if (holder == nullptr && HoldsSubmenu(handle, menu, 0)) {
            holder = object;
        }
    });
    return holder;
}

CMenu* FindMenuForMeasure(UINT itemId, ULONG_PTR itemData) {
    CMenu* best = nullptr;
    int bestMatch = 0;
    MenuHandleMap().ForEach([&](HMENU handle, CMenu* object) {
        const int match = MatchItem(handle, itemId, itemData);
        if (match > bestMatch) {
            bestMatch = match;
            best = object;
        }
    });
    return best;
}

CMenu::~CMenu() {
    DestroyMenu();
}

CMenu* CMenu::FromHandlePermanent(HMENU menu) {
    return menu == nullptr ? nullptr : MenuHandleMap().Find(menu);
}

BOOL CMenu::Attach(HMENU menu) {
    if (menu == nullptr || m_hMenu != nullptr || !::IsMenu(menu) ||
        !MenuHandleMap().Add(menu, this)) {
        return FALSE;
    }
    m_hMenu = menu;
    return TRUE;
}

HMENU CMenu::Detach() {
    const HMENU menu = m_hMenu;
    if (menu != nullptr) {
        MenuHandleMap().Remove(menu);
        m_hMenu = nullptr;
    }
    return menu;
}

BOOL CMenu::DestroyMenu() {
    if (m_hMenu == nullptr) {
        return FALSE;
    }
    return ::DestroyMenu(Detach());
}
