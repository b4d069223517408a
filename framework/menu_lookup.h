#pragma once
// How an owner-draw request of a menu item finds its menu object (internal).
#include "framework/menu.h"

// The object attached to the item's menu, or else the one whose menu has it as a submenu.
CMenu* FindMenuForDraw(HMENU menu);
// The attached menu that holds an item with this command (preferring the item with this data, then
// an item of the menu itself over one of its submenus); null when none does.
CMenu* FindMenuForMeasure(UINT itemId, ULONG_PTR itemData);
