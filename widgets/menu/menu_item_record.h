#pragma once
#include <windows.h>

#include <string>

// What an owner-drawn menu keeps for one item; its address is the item data the window system
// hands back with every measure and draw request.
struct CMenuItemRecord {
    std::wstring text; // label, optionally a tab and the accelerator text
    UINT flags = 0;    // MF_ flags the item was appended or modified with
    UINT_PTR id = 0;   // command id; the sub-menu handle of a pop-up item; 0 for a separator
    int claimed = 0;   // claim mark while the records are matched to the live menu
};
