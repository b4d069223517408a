#include "framework/gdi.h"

#include "framework/app.h"
#include "framework/dc.h"

CGdiObject& CGdiObject::operator=(CGdiObject&& other) noexcept {
    if (this != &other) {
        Attach(other.Detach());
    }
    return *this;
}

BOOL CGdiObject::Attach(HGDIOBJ object) {
    if (object != m_hObject) {
        DeleteObject();
        m_hObject = object;
    }
    return object != nullptr;
}

HGDIOBJ CGdiObject::Detach() {
    const HGDIOBJ object = m_hObject;
    m_hObject = nullptr;
    return object;
}

BOOL CGdiObject::DeleteObject() {
    if (m_hObject == nullptr) {
        return FALSE;
    }
    return ::DeleteObject(Detach());
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height) {
    if (dc != nullptr) {
        return Attach(::CreateCompatibleBitmap(dc->GetSafeHdc(), width, height));
    }
    CClientDC screen(static_cast<HWND>(nullptr));
    return Attach(::CreateCompatibleBitmap(screen.GetSafeHdc(), width, height));
}

BOOL CBitmap::LoadBitmap(UINT resourceId) {
    return Attach(::LoadBitmapA(AfxGetResourceHandle(), MAKEINTRESOURCEA(resourceId)));
}
