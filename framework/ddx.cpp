#include "framework/dialog.h"
#include "framework/window_text.h"

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (control.m_hWnd == nullptr) {
        control.SubclassDlgItem(static_cast<UINT>(id), dx->m_pDlgWnd);
    }
}

void DDX_Text(CDataExchange* dx, int id, std::string& value) {
    const HWND control = dx->m_pDlgWnd->GetDlgItem(id);
    if (control == nullptr) {
        return;
    }
    if (dx->m_bSaveAndValidate) {
        value = ReadWindowText(control);
    } else {
        ::SetWindowTextA(control, value.c_str());
    }
}
