#include "framework/handle_map.h"

HandleMap<HWND, CWnd>& WindowHandleMap() {
    static auto* map = new HandleMap<HWND, CWnd>();
    return *map;
}

HandleMap<HMENU, CMenu>& MenuHandleMap() {
    static auto* map = new HandleMap<HMENU, CMenu>();
    return *map;
}
