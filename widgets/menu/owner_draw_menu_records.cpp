#include "widgets/menu/menu_strings.h"
#include "widgets/menu/owner_draw_menu.h"
#include "widgets/menu/text_conversion.h"

#include <algorithm>

std::unique_ptr<CMenuItemRecord> COwnerDrawMenu::ReplaceItem(int position, UINT flags, UINT_PTR id,
                                                             const char* text) {
    auto record = std::make_unique<CMenuItemRecord>();
    record->text = NarrowToWide(text);
    record->flags = flags;
    record->id = id;
    const auto data =
        (flags & MF_OWNERDRAW) != 0 ? reinterpret_cast<LPCWSTR>(record.get()) : nullptr;
    ::ModifyMenuW(m_hMenu, static_cast<UINT>(position), flags | MF_BYPOSITION, id, data);
    return record;
}

CMenuItemRecord* COwnerDrawMenu::ClaimRecord(UINT_PTR id) {
    for (auto& record : records_) {
        if (record->id == id && record->claimed == 0) {
            record->claimed = 1;
            return record.get();
        }
    }
    return nullptr;
}

void COwnerDrawMenu::DropUnclaimedRecords() {
    std::erase_if(records_, [](const auto& record) { return record->claimed == 0; });
}

bool COwnerDrawMenu::GetItemText(int position, std::string& text) const {
    if (position < 0 || position >= static_cast<int>(records_.size())) {
        return false;
    }
    text = WideToNarrow(records_[static_cast<size_t>(position)]->text);
    return true;
}

void COwnerDrawMenu::ResyncRecords() {
    for (auto& record : records_) {
        record->claimed = 0;
    }
    std::vector<CMenuItemRecord*> inPositionOrder;
    std::vector<std::unique_ptr<CMenuItemRecord>> fresh;
    auto keepFresh = [&](std::unique_ptr<CMenuItemRecord> record) {
        fresh.push_back(std::move(record));
        return fresh.back().get();
    };

    for (int p = 0; p < ::GetMenuItemCount(m_hMenu); ++p) {
        const UINT state = ::GetMenuState(m_hMenu, static_cast<UINT>(p), MF_BYPOSITION);
        CMenuItemRecord* record = nullptr;
        if ((state & MF_POPUP) != 0) {
            const auto sub = reinterpret_cast<UINT_PTR>(::GetSubMenu(m_hMenu, p));
            record = ClaimRecord(sub);
            const std::string text = MenuStringAt(m_hMenu, p);
            if (record != nullptr) {
                if (!text.empty()) {
                    record->text = NarrowToWide(text.c_str());
                }
            } else {
                const UINT flags =
                    (state & 0xFF & ~MF_POPUP) | MF_BYPOSITION | MF_OWNERDRAW | MF_POPUP;
                record = keepFresh(ReplaceItem(p, flags, sub, text.c_str()));
            }
        } else if ((state & MF_SEPARATOR) != 0) {
            record = ClaimRecord(0);
            if (record != nullptr) {
                ::ModifyMenuW(m_hMenu, static_cast<UINT>(p), record->flags | MF_BYPOSITION, 0,
                              reinterpret_cast<LPCWSTR>(record));
            } else {
                const UINT flags = state | MF_BYPOSITION | MF_SEPARATOR | MF_OWNERDRAW;
                record = keepFresh(ReplaceItem(p, flags, 0, ""));
            }
        } else {
            const UINT id = ::GetMenuItemID(m_hMenu, p);
            record = ClaimRecord(id);
            const std::string text = MenuStringAt(m_hMenu, p);
            const UINT flags = state | MF_BYPOSITION | MF_OWNERDRAW;
            if (record != nullptr) {
                record->flags = flags;
                if (!text.empty()) {
                    record->text = NarrowToWide(text.c_str());
                }
                ::ModifyMenuW(m_hMenu, static_cast<UINT>(p), flags, id,
                              reinterpret_cast<LPCWSTR>(record));
            } else {
                record = keepFresh(ReplaceItem(p, flags, id, text.c_str()));
            }
        }
        inPositionOrder.push_back(record);
    }

    DropUnclaimedRecords();
    // Every record is now either a claimed one or a fresh one; refill in position order.
    std::vector<std::unique_ptr<CMenuItemRecord>> pool = std::move(records_);
    std::move(fresh.begin(), fresh.end(), std::back_inserter(pool));
    records_.clear();
    for (CMenuItemRecord* wanted : inPositionOrder) {
        auto owned = std::find_if(pool.begin(), pool.end(),
                                  [&](const auto& candidate) { return candidate.get() == wanted; });
        records_.push_back(std::move(*owned));
    }
}
