#include "framework/dialog.h"

#include "framework/app.h"
#include "framework/current_message.h"

// The dialog manager's procedure for our dialogs. At WM_INITDIALOG it binds the object and
// subclasses the window, after which every message reaches the object first and this procedure's
// FALSE lets the dialog manager's default handling run.
INT_PTR CALLBACK DialogInitProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_INITDIALOG || CWnd::FromHandlePermanent(hwnd) != nullptr) {
        return FALSE;
    }
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    if (dialog == nullptr || !dialog->SubclassWindow(hwnd)) {
        return FALSE;
    }
    CurrentMessageScope scope(hwnd, message, wParam, lParam);
    return dialog->OnInitDialog();
}

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent) : templateId_(templateId), parent_(parent) {}

HWND CDialog::CreateFromTemplate(HWND parent) {
    return ::CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(templateId_), parent,
                                DialogInitProc, reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    if (m_hWnd != nullptr || modalRunning_) {
        return FALSE;
    }
    templateId_ = templateId;
    parent_ = parent;
    modal_ = false;
    return CreateFromTemplate(parent != nullptr ? parent->m_hWnd : nullptr) != nullptr;
}

INT_PTR CDialog::DoModal() {
    if (m_hWnd != nullptr || modalRunning_) {
        return -1;
    }
    // The owner is the given parent, else the application's main window; the whole top-level
    // window is disabled while the dialog runs.
    CWnd* ownerWnd = parent_;
    if (ownerWnd == nullptr && AfxGetApp() != nullptr && AfxGetApp()->m_pMainWnd != this) {
        ownerWnd = AfxGetApp()->m_pMainWnd;
    }
    HWND owner = ownerWnd != nullptr ? ownerWnd->m_hWnd : nullptr;
    if (owner != nullptr) {
        owner = ::GetAncestor(owner, GA_ROOT);
    }
    const bool reenableOwner = owner != nullptr && ::IsWindowEnabled(owner);
    if (reenableOwner) {
        ::EnableWindow(owner, FALSE);
    }

    modal_ = true;
    modalRunning_ = true;
    modalResult_ = -1;
    if (CreateFromTemplate(owner) != nullptr) {
        RunModalLoop();
    }
    modalRunning_ = false;

    // Give the owner back its input before the dialog goes, so that activation returns to it.
    if (reenableOwner) {
        ::EnableWindow(owner, TRUE);
    }
    if (m_hWnd != nullptr) {
        if (owner != nullptr && ::GetActiveWindow() == m_hWnd) {
            ::SetActiveWindow(owner);
        }
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        DestroyWindow();
    }
    modal_ = false;
    return modalResult_;
}

void CDialog::RunModalLoop() {
    bool idleSeen = false;
    MSG msg{};
    while (modalRunning_ && m_hWnd != nullptr) {
        // Like the system's dialog boxes, a modal dialog shows itself once its queue first runs
        // dry, whatever its template says.
        if (!idleSeen && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            idleSeen = true;
            if (!::IsWindowVisible(m_hWnd)) {
                ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
            }
            continue;
        }
        const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == -1) {
            break;
        }
        if (got == 0) {
            // The application is quitting: end this dialog and leave WM_QUIT for the outer loop.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (!WalkPreTranslateTree(m_hWnd, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}

void CDialog::EndDialog(int result) {
    if (modal_) {
        modalResult_ = result;
        modalRunning_ = false;
        return;
    }
    if (m_hWnd != nullptr) {
        ::ShowWindow(m_hWnd, SW_HIDE);
    }
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    CDataExchange exchange{saveAndValidate, this};
    DoDataExchange(&exchange);
    return TRUE;
}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
    return m_hWnd != nullptr && ::IsDialogMessageA(m_hWnd, msg);
}

void CDialog::OnOK() {
    if (UpdateData(TRUE)) {
        EndDialog(IDOK);
    }
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}
