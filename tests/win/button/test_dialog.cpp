#include "test_dialog.h"

// clang-format off
BEGIN_MESSAGE_MAP(ButtonTestDialog, CDialog)
    ON_MESSAGE(WM_ERASEBKGND, &ButtonTestDialog::OnEraseBackground)
    ON_BN_CLICKED(IDC_FLAT_BUTTON, &ButtonTestDialog::OnFlatClicked)
    ON_BN_CLICKED(IDC_SECOND_BUTTON, &ButtonTestDialog::OnSecondClicked)
    ON_BN_CLICKED(IDC_CHECK_BUTTON, &ButtonTestDialog::OnCheckClicked)
    ON_COMMAND(ID_MENU_FIRST, &ButtonTestDialog::OnMenuFirst)
    ON_COMMAND(ID_MENU_SECOND, &ButtonTestDialog::OnMenuSecond)
END_MESSAGE_MAP()
// clang-format on

ButtonTestDialog::ButtonTestDialog() : CDialog(IDD_BUTTON_TEST) {}

BOOL ButtonTestDialog::Open() {
    if (!Create(IDD_BUTTON_TEST)) {
        return FALSE;
    }
    ShowWindow(SW_SHOW);
    ::UpdateWindow(m_hWnd);
    return TRUE;
}

void ButtonTestDialog::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_FLAT_BUTTON, flatButton);
    DDX_Control(dx, IDC_SECOND_BUTTON, secondButton);
    DDX_Control(dx, IDC_CHECK_BUTTON, checkButton);
    DDX_Control(dx, IDC_DEFAULT_BUTTON, defaultButton);
    DDX_Control(dx, IDC_HIDDEN_BUTTON, hiddenButton);
}

LRESULT ButtonTestDialog::OnEraseBackground(WPARAM dc, LPARAM) {
    RECT client{};
    GetClientRect(&client);
    const HBRUSH brush = ::CreateSolidBrush(background);
    ::FillRect(reinterpret_cast<HDC>(dc), &client, brush);
    ::DeleteObject(brush);
    return TRUE;
}
