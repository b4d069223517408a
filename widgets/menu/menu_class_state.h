#pragma once
#include <windows.h>

#include <vector>

// State shared by every owner-drawn menu of the process. osClass is worked out before main runs;
// tests may set it and the theme cache to choose a look.
struct MenuClassState {
    // Every sub-menu handle appended as a pop-up item, in order of appending; repeats allowed.
    std::vector<HMENU> knownMenus;
    int osClass = 0;
    struct ThemeCache {
        bool done = false;
        bool classic = false;
    } themeCache;
};

MenuClassState& MenuClass();

// The drawing generation of the running Windows (see OsClassFromVersion).
int QueryOsClass();
// Whether the user's current theme is the classic one; read from the registry once.
bool ClassicThemeSelected();
// Menus are measured and drawn in the XP look on XP with a theme other than the classic one.
bool XpLook();
