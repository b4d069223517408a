#include "ui/main_dialog.h"

#include "framework/app.h"
#include "framework/dc.h"
#include "framework/path_text.h"
#include "res/resource.h"
#include "res/skin_files.h"
#include "ui/about_dialog.h"
#include "ui/core/key_filter.h"
#include "ui/core/skin_folder.h"
#include "ui/core/window_title.h"
#include "ui/exe_path.h"
#include "ui/single_instance.h"
#include "ui/skin_images.h"
#include "ui/taskbar_created.h"

namespace {

constexpr UINT kAboutCommand = 0x0010; // system-menu command of the About entry

} // namespace

BEGIN_MESSAGE_MAP(CZUQ_RGB_LED_ToolDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_CTLCOLOR()
    ON_BN_CLICKED(IDC_STATIC_TEST, &ThisClass::OnTestLevel)
    ON_BN_CLICKED(IDCANCEL, &ThisClass::OnCancelCommand)
    ON_BN_CLICKED(IDOK, &ThisClass::OnExit)
    ON_WM_LBUTTONDOWN()
    ON_BN_CLICKED(IDC_EXIT, &ThisClass::OnExit)
    ON_WM_TIMER()
    ON_BN_CLICKED(IDC_MIN, &ThisClass::OnMinimizeToTray)
    ON_MESSAGE(TrayController::kNotifyMessage, &ThisClass::OnTrayNotify)
    ON_MESSAGE(WM_POWERBROADCAST, &ThisClass::OnPowerBroadcast)
    // Last: the buttons above whose ids fall inside the range keep their own entries.
    ON_CONTROL_RANGE(BN_CLICKED, FirstModeButtonId(), LastModeButtonId(), &ThisClass::OnModeClicked)
END_MESSAGE_MAP()

CZUQ_RGB_LED_ToolDlg::CZUQ_RGB_LED_ToolDlg()
    : CDialog(IDD_MAIN, nullptr), startupRetry({&ec, &secondEc}, *this), tray(*this, languageId),
      ledModes(ec, *this, *this, skinFolder, &keptMode), powerMonitor(ec, *this, skinFolder) {
    appIcon = ::LoadIconA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME));
}

void CZUQ_RGB_LED_ToolDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_MIN, minButton);
    DDX_Control(dx, IDC_EXIT, exitButton);
    for (std::size_t row = 0; row < kModeRowSize; ++row) {
        DDX_Control(dx, skin_files::kModeRowIcons[row].control, modeButtons[row]);
    }
}

BOOL CZUQ_RGB_LED_ToolDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    AddAboutEntry();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(appIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(appIcon));
    SetWindowText(MainWindowTitle());

    exeFolder = FolderOfPath(ExecutablePath());
    languageId = ::GetSystemDefaultLangID();
    skinFolder = SkinFolderFor(exeFolder, languageId);

    LoadBackground();
    GiveStartupIcons();
    SetTimer(kPowerPollTimer, PowerLevelMonitor::kPollPeriodMs);
    startupRetry.Start();
    taskbarCreatedMessage = ListenForTaskbarCreated(m_hWnd);
    bringForwardMessage = BringForwardMessage();
    // A program run as administrator would otherwise not hear a second start by the user.
    ::ChangeWindowMessageFilterEx(m_hWnd, bringForwardMessage, MSGFLT_ALLOW, nullptr);
    return TRUE;
}

void CZUQ_RGB_LED_ToolDlg::AddAboutEntry() {
    const HMENU systemMenu = ::GetSystemMenu(m_hWnd, FALSE);
    if (systemMenu == nullptr) {
        return;
    }
    char text[256] = {};
    if (::LoadStringA(AfxGetResourceHandle(), IDS_ABOUTBOX, text, sizeof(text)) <= 0) {
        return;
    }
    ::AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(systemMenu, MF_STRING, kAboutCommand, text);
}

void CZUQ_RGB_LED_ToolDlg::LoadBackground() {
    CBitmap bitmap;
    bitmap.Attach(LoadSkinBitmap(PathInFolder(skinFolder, skin_files::kBackground)));
    if (bitmap.GetSafeHandle() == nullptr) {
        // Wide texts, so that they read right whatever the ANSI code page.
        ::MessageBoxW(m_hWnd, L"导入背景图失败,使用默认图片!", L"提示", MB_OK);
        bitmap.LoadBitmap(IDB_BUILTIN_BG);
    }
    // The brush keeps its own copy of the pattern; the bitmap goes with its wrapper.
    backgroundBrush.CreatePatternBrush(bitmap);
}

void CZUQ_RGB_LED_ToolDlg::GiveStartupIcons() {
    // No mode is shown as selected until the first click.
    for (std::size_t row = 0; row < kModeRowSize; ++row) {
        modeButtons[row].SetIcons(
            LoadSkinIcon(PathInFolder(skinFolder, skin_files::kModeRowIcons[row].plain)), nullptr);
    }
    for (const skin_files::ButtonIcons& icons : skin_files::kWindowButtonIcons) {
        if (CSkinButton* button = WindowButtonOf(icons.control)) {
            button->SetIcons(LoadSkinIcon(PathInFolder(skinFolder, icons.plain)), nullptr);
        }
    }
}

CSkinButton* CZUQ_RGB_LED_ToolDlg::WindowButtonOf(int controlId) {
    switch (controlId) {
    case IDC_EXIT:
        return &exitButton;
    case IDC_MIN:
        return &minButton;
    default:
        return nullptr;
    }
}

void CZUQ_RGB_LED_ToolDlg::OnSysCommand(UINT id, LPARAM) {
    if ((id & 0xFFF0) == kAboutCommand) {
        CAboutDlg about;
        about.DoModal();
        return;
    }
    Default();
}

void CZUQ_RGB_LED_ToolDlg::OnPaint() {
    if (!IsIconic()) {
        Default();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    RECT client{};
    GetClientRect(&client);
    const int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(dc, x, y, appIcon);
}

HCURSOR CZUQ_RGB_LED_ToolDlg::OnQueryDragIcon() {
    return static_cast<HCURSOR>(appIcon);
}

HBRUSH CZUQ_RGB_LED_ToolDlg::OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlType) {
    const HBRUSH brush = CDialog::OnCtlColor(dc, wnd, ctlType);
    // The skin tiles the dialog's own background; the controls keep theirs.
    return wnd == this ? static_cast<HBRUSH>(backgroundBrush) : brush;
}

BOOL CZUQ_RGB_LED_ToolDlg::PreTranslateMessage(MSG* msg) {
    if (IsSwallowedKey(msg->message, msg->wParam)) {
        return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

void CZUQ_RGB_LED_ToolDlg::OnModeClicked(UINT id) {
    if (const ModeEntry* entry = ModeOfButton(static_cast<int>(id))) {
        ledModes.SelectLedMode(entry->mode);
    }
}

void CZUQ_RGB_LED_ToolDlg::OnTestLevel() {
    powerMonitor.OnTestLevel();
}

void CZUQ_RGB_LED_ToolDlg::OnCancelCommand() {}

void CZUQ_RGB_LED_ToolDlg::OnExit() {
    // No icon is left behind in the notification area by the ending process.
    tray.RemoveIconForExit();
    EndProcess();
}

void CZUQ_RGB_LED_ToolDlg::OnLButtonDown(UINT, POINT point) {
    // Dragging the background moves the window as a caption bar would.
    PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
    Default();
}

void CZUQ_RGB_LED_ToolDlg::OnTimer(UINT_PTR id) {
    powerMonitor.OnTimer(id);
    ledModes.OnTimer(id);
    startupRetry.OnTimer(id);
    Default();
}

void CZUQ_RGB_LED_ToolDlg::OnMinimizeToTray() {
    tray.HideToTray();
}

LRESULT CZUQ_RGB_LED_ToolDlg::OnTrayNotify(WPARAM iconId, LPARAM mouseMessage) {
    return tray.OnTrayNotify(static_cast<std::uint32_t>(iconId),
                             static_cast<std::uint32_t>(mouseMessage));
}

LRESULT CZUQ_RGB_LED_ToolDlg::OnPowerBroadcast(WPARAM event, LPARAM) {
    ledModes.OnPowerBroadcast(static_cast<std::uint32_t>(event));
    return Default();
}

LRESULT CZUQ_RGB_LED_ToolDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // A registered message has no fixed id for the message table.
    if (taskbarCreatedMessage != 0 && message == taskbarCreatedMessage) {
        tray.OnTaskbarCreated();
        return 0;
    }
    if (bringForwardMessage != 0 && message == bringForwardMessage) {
        if (IsIconic()) {
            ShowWindow(SW_RESTORE);
        }
        tray.BringForward();
        return 0;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}
