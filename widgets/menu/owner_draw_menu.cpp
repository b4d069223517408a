#include "widgets/menu/owner_draw_menu.h"

#include "framework/app.h"
#include "widgets/menu/core/menu_template.h"
#include "widgets/menu/menu_class_state.h"
#include "widgets/menu/menu_strings.h"
#include "widgets/menu/text_conversion.h"

#include <algorithm>
#include <span>

namespace {

// The bytes of a menu template resource: from the application's resource module first, then
// from the executable's own; empty when there is none.
std::span<const std::byte> FindMenuTemplate(const char* name) {
    for (HMODULE module : {AfxGetResourceHandle(), ::GetModuleHandleA(nullptr)}) {
        HRSRC found = ::FindResourceA(module, name, MAKEINTRESOURCEA(4));
        if (found == nullptr) {
            continue;
        }
        HGLOBAL loaded = ::LoadResource(module, found);
        const void* data = loaded != nullptr ? ::LockResource(loaded) : nullptr;
        if (data == nullptr) {
            return {};
        }
        return {static_cast<const std::byte*>(data), ::SizeofResource(module, found)};
    }
    return {};
}

} // namespace

COwnerDrawMenu::COwnerDrawMenu() {
    // The shared state must outlive every menu, even one with static storage.
    MenuClass();
}

COwnerDrawMenu::~COwnerDrawMenu() {
    DestroyAll();
}

BOOL COwnerDrawMenu::LoadFromResource(UINT id) {
    return LoadFromResource(MAKEINTRESOURCEA(id & 0xFFFF));
}

BOOL COwnerDrawMenu::LoadFromResource(const char* name) {
    const std::span<const std::byte> bytes = FindMenuTemplate(name);
    if (bytes.empty()) {
        return FALSE;
    }
    // Parsed before anything is torn down, so a malformed template leaves the menu as it was.
    const auto items = ParseMenuTemplate(bytes);
    if (!items) {
        return FALSE;
    }
    DestroyAll();
    if (!CreateMenu()) {
        return FALSE;
    }

    std::vector<COwnerDrawMenu*> levels{this};
    for (const MenuTemplateItem& item : *items) {
        COwnerDrawMenu& top = *levels.back();
        const std::wstring text(item.text.begin(), item.text.end());
        if (item.IsPopup()) {
            auto popup = std::make_unique<COwnerDrawMenu>();
            popup->CreatePopupMenu();
            top.AddItem(item.Flags(), reinterpret_cast<UINT_PTR>(popup->m_hMenu), text.c_str());
            levels.push_back(popup.get());
            top.ownedPopups_.push_back(std::move(popup));
            continue;
        }
        top.AddItem(item.Flags(), item.id, text.c_str());
        for (int closed = 0; closed < item.levelsClosed; ++closed) {
            levels.back()->PadAccelerators();
            levels.pop_back();
        }
    }

    // The bar's own items are shown by the system as plain strings.
    const int count = ::GetMenuItemCount(m_hMenu);
    for (int p = 0; p < count && p < static_cast<int>(records_.size()); ++p) {
        CMenuItemRecord& record = *records_[static_cast<size_t>(p)];
        const std::string text = WideToNarrow(record.text);
        if (HMENU sub = ::GetSubMenu(m_hMenu, p); sub != nullptr) {
            record.flags = MF_BYPOSITION | MF_POPUP;
            ::ModifyMenuA(m_hMenu, static_cast<UINT>(p), MF_BYPOSITION | MF_POPUP | MF_STRING,
                          reinterpret_cast<UINT_PTR>(sub), text.c_str());
        } else {
            record.flags = MF_BYPOSITION;
            ::ModifyMenuA(m_hMenu, static_cast<UINT>(p), MF_BYPOSITION | MF_STRING, record.id,
                          text.c_str());
        }
    }
    loadedFromResource_ = true;
    return TRUE;
}

BOOL COwnerDrawMenu::AddItem(UINT flags, UINT_PTR id, const wchar_t* text) {
    if (id == 0) {
        flags = MF_SEPARATOR | MF_OWNERDRAW | (flags & MF_BYPOSITION);
    } else {
        flags |= MF_OWNERDRAW;
    }
    if ((flags & MF_POPUP) != 0) {
        const auto sub = reinterpret_cast<HMENU>(id);
        MenuClass().knownMenus.push_back(sub);
        subMenus_.push_back(sub);
    }
    auto record = std::make_unique<CMenuItemRecord>();
    record->text = text != nullptr ? text : L"";
    record->flags = flags;
    record->id = id;
    const BOOL appended =
        ::AppendMenuW(m_hMenu, flags, id, reinterpret_cast<LPCWSTR>(record.get()));
    records_.push_back(std::move(record));
    if (loadedFromResource_) {
        RestoreBarPopups();
    }
    return appended;
}

BOOL COwnerDrawMenu::DestroyAll() {
    auto& known = MenuClass().knownMenus;
    if (m_hMenu != nullptr) {
        std::erase(known, m_hMenu);
    }
    for (auto sub = subMenus_.rbegin(); sub != subMenus_.rend(); ++sub) {
        std::erase(known, *sub);
        // Only the pop-ups this menu made are its to delete; their own teardown destroys them.
        std::erase_if(ownedPopups_, [&](const auto& popup) { return popup->m_hMenu == *sub; });
    }
    ownedPopups_.clear();
    subMenus_.clear();
    records_.clear();
    return DestroyMenu();
}

int COwnerDrawMenu::FirstRecordPosition() const {
    if (!loadedFromResource_) {
        return 0;
    }
    const int count = ::GetMenuItemCount(m_hMenu);
    for (int i = 0; i < count; ++i) {
        const std::string text = MenuStringAt(m_hMenu, i);
        if (text.empty()) {
            continue;
        }
        for (size_t j = 0; j < records_.size(); ++j) {
            if (WideToNarrow(records_[j]->text) == text) {
                return i >= static_cast<int>(j) ? i - static_cast<int>(j) : 0;
            }
        }
    }
    return 0;
}

void COwnerDrawMenu::RestoreBarPopups() {
    const int start = FirstRecordPosition();
    const int count = ::GetMenuItemCount(m_hMenu);
    for (int i = 0; start + i < count; ++i) {
        if (i >= static_cast<int>(records_.size())) {
            break;
        }
        HMENU sub = ::GetSubMenu(m_hMenu, start + i);
        if (sub == nullptr) {
            continue;
        }
        CMenuItemRecord& record = *records_[static_cast<size_t>(i)];
        record.flags = MF_BYPOSITION | MF_POPUP;
        ::ModifyMenuA(m_hMenu, static_cast<UINT>(start + i), MF_BYPOSITION | MF_POPUP | MF_STRING,
                      reinterpret_cast<UINT_PTR>(sub), WideToNarrow(record.text).c_str());
    }
}

bool COwnerDrawMenu::IsKnownMenu(HMENU menu) {
    const auto& known = MenuClass().knownMenus;
    return menu != nullptr && std::find(known.begin(), known.end(), menu) != known.end();
}

bool COwnerDrawMenu::IsKnownMenu(const CMenu* menu) {
    return menu != nullptr && IsKnownMenu(menu->GetSafeHmenu());
}

LRESULT COwnerDrawMenu::HandleMenuChar(UINT ch, UINT flags, CMenu* menu) {
    auto* ownerDrawn = dynamic_cast<COwnerDrawMenu*>(menu);
    if (ownerDrawn == nullptr || (flags & MF_POPUP) == 0) {
        return 0;
    }
    // An ANSI window receives the character in the thread's code page.
    const std::string key = LowerCase(std::string{'&', static_cast<char>(ch)});
    if (::GetMenuItemCount(ownerDrawn->m_hMenu) != static_cast<int>(ownerDrawn->records_.size())) {
        ownerDrawn->ResyncRecords();
    }
    const int count = ::GetMenuItemCount(ownerDrawn->m_hMenu);
    for (int i = 0; i < count; ++i) {
        std::string text;
        if (ownerDrawn->GetItemText(i, text) && LowerCase(text).find(key) != std::string::npos) {
            return MAKELRESULT(i, MNC_EXECUTE);
        }
    }
    return 0;
}
