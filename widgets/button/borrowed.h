#pragma once
#include "framework/menu.h"

#include <windows.h>

// A menu object for a handle that has none of its own, for one scope; the handle is not destroyed.
class BorrowedMenu {
public:
    explicit BorrowedMenu(HMENU handle) : object_(CMenu::FromHandlePermanent(handle)) {
        if (object_ == nullptr) {
            temporary_.Attach(handle);
            object_ = &temporary_;
        }
    }
    ~BorrowedMenu() { temporary_.Detach(); }
    BorrowedMenu(const BorrowedMenu&) = delete;
    BorrowedMenu& operator=(const BorrowedMenu&) = delete;

    CMenu* Get() const { return object_; }

private:
    CMenu temporary_;
    CMenu* object_;
};
