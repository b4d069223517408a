#pragma once
#include "framework/message_map.h"

// Root of everything that has a message table: windows and the application object.
class CCmdTarget {
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

    // Runs the table's handler for a WM_COMMAND (id, code); false when none takes it.
    bool OnCmdMsg(UINT id, UINT code, WPARAM wParam, LPARAM lParam, LRESULT& result);

protected:
    static const MessageMap* GetThisMessageMap();
    virtual const MessageMap* GetMessageMap() const { return GetThisMessageMap(); }
};
