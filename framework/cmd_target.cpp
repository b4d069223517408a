#include "framework/cmd_target.h"

const MessageMap* CCmdTarget::GetThisMessageMap() {
    static const MessageMap root{nullptr, nullptr, 0};
    return &root;
}

bool CCmdTarget::OnCmdMsg(UINT id, UINT code, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    const MessageEntry* entry =
        FindMessageEntry(GetMessageMap(), [id, code](const MessageEntry& e) {
            return e.message == WM_COMMAND && e.CoversId(id) && e.code == code;
        });
    return entry != nullptr && entry->handler(*this, wParam, lParam, result);
}
