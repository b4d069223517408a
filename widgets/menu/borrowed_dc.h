#pragma once
#include "framework/dc.h"

// A context wrapper over a context that belongs to someone else (a draw request's): it is
// neither released nor deleted with the wrapper.
class BorrowedDC : public CDC {
public:
    explicit BorrowedDC(HDC dc) {
        m_hDC = dc;
        m_hAttribDC = dc;
    }
    ~BorrowedDC() override {
        m_hDC = nullptr;
        m_hAttribDC = nullptr;
    }
};
