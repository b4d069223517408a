#pragma once
// Static message tables: each class lists (message, notification code, id, handler) entries;
// lookup walks from the most derived class's table to its bases' tables.
#include <windows.h>

#include <cstddef>

class CCmdTarget;

// Pseudo-messages used only inside tables.
constexpr UINT kReflectBase = 0xBC00; // a parent's notification reflected to the child
constexpr UINT kAnyCtlColor = 0xBB00; // every WM_CTLCOLOR* message
constexpr UINT kAnyCtlColorReflect = kReflectBase + kAnyCtlColor;

struct MessageEntry {
    UINT message; // window message, WM_COMMAND, or one of the pseudo-messages above
    UINT code;    // notification code (WM_COMMAND and reflected WM_COMMAND entries)
    UINT id;      // command or control id (WM_COMMAND entries); 0 elsewhere
    // Returns false when the handler declines, so routing goes on (reflection, defaults).
    bool (*handler)(CCmdTarget& self, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The last id of a range entry, which covers id..lastId; 0 for an entry of one id.
    UINT lastId = 0;

    bool CoversId(UINT commandId) const {
        return lastId == 0 ? commandId == id : commandId >= id && commandId <= lastId;
    }
};

struct MessageMap {
    const MessageMap* (*base)(); // null for the root table
    const MessageEntry* entries;
    std::size_t count;
};

// Finds the first entry, most derived table first, for which matches(entry) holds.
template <typename Match>
const MessageEntry* FindMessageEntry(const MessageMap* map, Match matches) {
    for (; map != nullptr; map = map->base ? map->base() : nullptr) {
        for (std::size_t i = 0; i < map->count; ++i) {
            if (matches(map->entries[i])) {
                return &map->entries[i];
            }
        }
    }
    return nullptr;
}

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const MessageMap* GetThisMessageMap();                                                  \
    const MessageMap* GetMessageMap() const override {                                             \
        return GetThisMessageMap();                                                                \
    }

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const MessageMap* theClass::GetThisMessageMap() {                                              \
        using ThisClass = theClass;                                                                \
        using TheBaseClass = baseClass;                                                            \
        static const MessageEntry entries[] = {

#define END_MESSAGE_MAP()                                                                          \
    }                                                                                              \
    ;                                                                                              \
    static const MessageMap map{&TheBaseClass::GetThisMessageMap, entries, std::size(entries)};    \
    return &map;                                                                                   \
    }

#define GLINT_SELF static_cast<ThisClass&>(self)

// Generic: LRESULT Handler(WPARAM, LPARAM)
#define ON_MESSAGE(msg, fn)                                                                        \
    {msg, 0, 0, [](CCmdTarget& self, WPARAM wp, LPARAM lp, LRESULT& r) {                           \
         r = (GLINT_SELF.*fn)(wp, lp);                                                             \
         return true;                                                                              \
     }},

// void Handler() for a command id (menu, accelerator or button with code 0)
#define ON_COMMAND(id, fn)                                                                         \
    {WM_COMMAND, 0, id, [](CCmdTarget& self, WPARAM, LPARAM, LRESULT& r) {                         \
         (GLINT_SELF.*fn)();                                                                       \
         r = 0;                                                                                    \
         return true;                                                                              \
     }},

// void Handler() for a control notification
#define ON_CONTROL(code, id, fn)                                                                   \
    {WM_COMMAND, code, id, [](CCmdTarget& self, WPARAM, LPARAM, LRESULT& r) {                      \
         (GLINT_SELF.*fn)();                                                                       \
         r = 0;                                                                                    \
         return true;                                                                              \
     }},
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)

// void Handler(UINT id) for a control notification from any id in first..last; entries before
// it in the table win for the ids they name
#define ON_CONTROL_RANGE(code, first, last, fn)                                                    \
    {WM_COMMAND, code, first,                                                                      \
     [](CCmdTarget& self, WPARAM wp, LPARAM, LRESULT& r) {                                         \
         (GLINT_SELF.*fn)(LOWORD(wp));                                                             \
         r = 0;                                                                                    \
         return true;                                                                              \
     },                                                                                            \
     last},

// bool Handler(MEASUREITEMSTRUCT*) that may decline: false lets the default handling measure
#define ON_WM_MEASUREITEM_MAY_DECLINE(fn)                                                          \
    {WM_MEASUREITEM, 0, 0, [](CCmdTarget& self, WPARAM, LPARAM lp, LRESULT& r) {                   \
         r = TRUE;                                                                                 \
         return (GLINT_SELF.*fn)(reinterpret_cast<MEASUREITEMSTRUCT*>(lp));                        \
     }},

// BOOL Handler() on the child for its own reflected notification; FALSE lets the parent see it
#define ON_CONTROL_REFLECT_EX(code, fn)                                                            \
    {kReflectBase + WM_COMMAND, code, 0, [](CCmdTarget& self, WPARAM, LPARAM, LRESULT& r) {        \
         r = 0;                                                                                    \
         return (GLINT_SELF.*fn)() != FALSE;                                                       \
     }},

// HBRUSH CtlColor(CDC* dc, UINT ctlType) on the child; a null brush declines
#define ON_WM_CTLCOLOR_REFLECT()                                                                   \
    {kAnyCtlColorReflect, 0, 0, [](CCmdTarget& self, WPARAM wp, LPARAM lp, LRESULT& r) {           \
         CBorrowedDC dc(reinterpret_cast<HDC>(wp));                                                \
         HBRUSH brush = GLINT_SELF.CtlColor(&dc, static_cast<UINT>(lp));                           \
         r = reinterpret_cast<LRESULT>(brush);                                                     \
         return brush != nullptr;                                                                  \
     }},

// HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlType); wnd is null for a window with no object
#define ON_WM_CTLCOLOR()                                                                           \
    {kAnyCtlColor, 0, 0, [](CCmdTarget& self, WPARAM wp, LPARAM lp, LRESULT& r) {                  \
         CBorrowedDC dc(reinterpret_cast<HDC>(wp));                                                \
         HBRUSH brush =                                                                            \
             GLINT_SELF.OnCtlColor(&dc, CWnd::FromHandlePermanent(reinterpret_cast<HWND>(lp)),     \
                                   CWnd::CurrentMessage().message - WM_CTLCOLORMSGBOX);            \
         r = reinterpret_cast<LRESULT>(brush);                                                     \
         return true;                                                                              \
     }},

#define GLINT_ON_VOID(msg, call)                                                                   \
    {msg, 0, 0, [](CCmdTarget& self, WPARAM wp, LPARAM lp, LRESULT& r) {                           \
         (void)wp;                                                                                 \
         (void)lp;                                                                                 \
         call;                                                                                     \
         r = 0;                                                                                    \
         return true;                                                                              \
     }},

#define ON_WM_TIMER() GLINT_ON_VOID(WM_TIMER, GLINT_SELF.OnTimer(static_cast<UINT_PTR>(wp)))
#define ON_WM_PAINT() GLINT_ON_VOID(WM_PAINT, GLINT_SELF.OnPaint())
#define ON_WM_SYSCOMMAND()                                                                         \
    GLINT_ON_VOID(WM_SYSCOMMAND, GLINT_SELF.OnSysCommand(static_cast<UINT>(wp), lp))
#define ON_WM_LBUTTONDOWN()                                                                        \
    GLINT_ON_VOID(WM_LBUTTONDOWN,                                                                  \
                  GLINT_SELF.OnLButtonDown(static_cast<UINT>(wp),                                  \
                                           POINT{GET_X_LPARAM_(lp), GET_Y_LPARAM_(lp)}))
#define ON_WM_MOUSEMOVE()                                                                          \
    GLINT_ON_VOID(WM_MOUSEMOVE,                                                                    \
                  GLINT_SELF.OnMouseMove(static_cast<UINT>(wp),                                    \
                                         POINT{GET_X_LPARAM_(lp), GET_Y_LPARAM_(lp)}))
#define ON_WM_KILLFOCUS()                                                                          \
    GLINT_ON_VOID(WM_KILLFOCUS, GLINT_SELF.OnKillFocus(reinterpret_cast<HWND>(wp)))
#define ON_WM_SYSCOLORCHANGE() GLINT_ON_VOID(WM_SYSCOLORCHANGE, GLINT_SELF.OnSysColorChange())
#define ON_WM_ACTIVATE()                                                                           \
    GLINT_ON_VOID(WM_ACTIVATE,                                                                     \
                  GLINT_SELF.OnActivate(LOWORD(wp), reinterpret_cast<HWND>(lp), HIWORD(wp) != 0))
#define ON_WM_ENABLE() GLINT_ON_VOID(WM_ENABLE, GLINT_SELF.OnEnable(wp != 0))
#define ON_WM_CANCELMODE() GLINT_ON_VOID(WM_CANCELMODE, GLINT_SELF.OnCancelMode())
#define ON_WM_WINDOWPOSCHANGED()                                                                   \
    GLINT_ON_VOID(WM_WINDOWPOSCHANGED,                                                             \
                  GLINT_SELF.OnWindowPosChanged(reinterpret_cast<WINDOWPOS*>(lp)))

#define GLINT_ON_RESULT(msg, expr)                                                                 \
    {msg, 0, 0, [](CCmdTarget& self, WPARAM wp, LPARAM lp, LRESULT& r) {                           \
         (void)wp;                                                                                 \
         (void)lp;                                                                                 \
         r = static_cast<LRESULT>(expr);                                                           \
         return true;                                                                              \
     }},

// HCURSOR OnQueryDragIcon()
#define ON_WM_QUERYDRAGICON()                                                                      \
    GLINT_ON_RESULT(WM_QUERYDRAGICON, reinterpret_cast<LRESULT>(GLINT_SELF.OnQueryDragIcon()))
// BOOL OnSetCursor(HWND wnd, UINT hitTest, UINT message)
#define ON_WM_SETCURSOR()                                                                          \
    GLINT_ON_RESULT(WM_SETCURSOR,                                                                  \
                    GLINT_SELF.OnSetCursor(reinterpret_cast<HWND>(wp), LOWORD(lp), HIWORD(lp)))
// UINT OnGetDlgCode()
#define ON_WM_GETDLGCODE() GLINT_ON_RESULT(WM_GETDLGCODE, GLINT_SELF.OnGetDlgCode())
// LRESULT OnMenuChar(UINT ch, UINT flags, HMENU menu)
#define ON_WM_MENUCHAR()                                                                           \
    GLINT_ON_RESULT(WM_MENUCHAR,                                                                   \
                    GLINT_SELF.OnMenuChar(LOWORD(wp), HIWORD(wp), reinterpret_cast<HMENU>(lp)))

#define GET_X_LPARAM_(lp) static_cast<int>(static_cast<short>(LOWORD(lp)))
#define GET_Y_LPARAM_(lp) static_cast<int>(static_cast<short>(HIWORD(lp)))
