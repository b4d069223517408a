#pragma once
#include "framework/dc.h"
#include "framework/menu.h"

#include <windows.h>

// A device context that belongs to someone else (the one of an owner-draw request): used through
// CDC for one scope and handed back untouched.
class BorrowedDC : public CDC {
public:
    explicit BorrowedDC(HDC dc) { Attach(dc); }
    ~BorrowedDC() override { Detach(); }
};

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
