#include "ui/power_notify_dialog.h"

#include "framework/app.h"
#include "framework/dc.h"
#include "framework/path_text.h"
#include "framework/wide_text.h"
#include "res/resource.h"
#include "res/skin_files.h"
#include "ui/core/popup_placement.h"
#include "ui/skin_images.h"

#include <iterator>
#include <string>
#include <utility>

namespace {

static_assert(std::size(skin_files::kPopupBitmaps) == 3, "one bitmap for each level, 1 to 3");

constexpr UINT kPlaceDelayMs = 10;
constexpr UINT kRefreshPeriodMs = 100;
constexpr UINT kHideDelayMs = 1000;

// The popup template's own size in dialog units: the popup keeps it when the level-1 bitmap,
// which normally gives the size, cannot be loaded.
constexpr int kTemplateWidthDlu = 158;
constexpr int kTemplateHeightDlu = 89;

// Makes a pattern brush from a bitmap file; the bitmap itself is released once the brush holds
// its copy. Fills metrics when asked. False when the file could not be loaded as a bitmap.
bool LoadPatternBrush(const std::string& path, CBrush& brush, BITMAP* metrics) {
    HANDLE loaded = LoadSkinBitmap(path);
    if (loaded == nullptr) {
        return false;
    }
    CBitmap bitmap;
    bitmap.Attach(loaded);
    if (metrics != nullptr) {
        bitmap.GetBitmap(metrics);
    }
    brush.CreatePatternBrush(bitmap);
    return true;
}

} // namespace

BEGIN_MESSAGE_MAP(CDlgPwrNotify, CDialog)
    ON_BN_CLICKED(IDC_PWR_TEST, &CDlgPwrNotify::OnTestButton)
    ON_WM_TIMER()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CDlgPwrNotify::CDlgPwrNotify(std::string folder) : skinFolder(std::move(folder)) {}

BOOL CDlgPwrNotify::Create(CWnd* parent) {
    return CDialog::Create(IDD_PWR_NOTIFY, parent);
}

void CDlgPwrNotify::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Text(dx, IDC_PWR_TEXT, levelText);
}

BOOL CDlgPwrNotify::OnInitDialog() {
    CDialog::OnInitDialog();

    // Each bitmap is read once, here; showing the popup again touches no file.
    const std::string bluePath = PathInFolder(skinFolder, skin_files::kPopupBitmaps[0]);
    BITMAP metrics{};
    if (LoadPatternBrush(bluePath, blueBrush, &metrics)) {
        popupSize = SIZE{metrics.bmWidth, metrics.bmHeight};
    } else {
        // Wide texts, so the Chinese shows whatever the system's ANSI code page.
        ::MessageBoxW(m_hWnd, L"导入背景图失败!", L"提示", MB_OK);
        AfxMessageBox(WideFromUtf8(bluePath).c_str());
        UseTemplateSize();
    }
    // The other levels fall back to the default background without a word.
    LoadPatternBrush(PathInFolder(skinFolder, skin_files::kPopupBitmaps[1]), greenBrush, nullptr);
    LoadPatternBrush(PathInFolder(skinFolder, skin_files::kPopupBitmaps[2]), redBrush, nullptr);

    SetTimer(kPlaceTimer, kPlaceDelayMs);
    return FALSE; // no control takes the focus
}

void CDlgPwrNotify::UseTemplateSize() {
    RECT rect{0, 0, kTemplateWidthDlu, kTemplateHeightDlu};
    ::MapDialogRect(m_hWnd, &rect);
    popupSize = SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

void CDlgPwrNotify::PlacePopup() {
    RECT desktop{};
    ::GetWindowRect(::GetDesktopWindow(), &desktop);
    const PopupBounds bounds =
        PlacePopupBounds(DesktopRect{desktop.left, desktop.top, desktop.right, desktop.bottom},
                         popupSize.cx, popupSize.cy, placementFlag == 1);
    ::MoveWindow(m_hWnd, bounds.x, bounds.y, bounds.width, bounds.height, TRUE);
}

void CDlgPwrNotify::OnTimer(UINT_PTR id) {
    switch (id) {
    case kPlaceTimer:
        // Placed once: later shows keep this position whatever the placement flag says then.
        PlacePopup();
        ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
        KillTimer(kPlaceTimer);
        SetTimer(kHideTimer, kHideDelayMs);
        break;
    case kRefreshTimer:
        RefreshLevel();
        break;
    case kHideTimer:
        KillTimer(kHideTimer);
        EndDialog(1); // hides this modeless popup; the window remains
        break;
    default:
        break;
    }
    Default();
}

// The repaint is what turns a shown popup to a new level's colour.
void CDlgPwrNotify::RefreshLevel() {
    levelText = "PowerLevel 0x30= " + std::to_string(level);
    Invalidate(TRUE);
    UpdateData(FALSE);
}

// The refresh runs only while the popup is shown: a hidden window's repaint is never seen, and a
// tray tool must not wake the machine ten times a second for nothing. Each show starts with the
// current level. Every way of showing or hiding a window ends here, ShowWindow and SetWindowPos
// alike.
void CDlgPwrNotify::OnWindowPosChanged(WINDOWPOS* pos) {
    if ((pos->flags & SWP_SHOWWINDOW) != 0) {
        RefreshLevel();
        SetTimer(kRefreshTimer, kRefreshPeriodMs);
    } else if ((pos->flags & SWP_HIDEWINDOW) != 0) {
        KillTimer(kRefreshTimer);
    }
    Default();
}

void CDlgPwrNotify::OnTestButton() {
    PlacePopup();
}

HBRUSH CDlgPwrNotify::LevelBrush() const {
    switch (level) {
    case 1:
        return blueBrush;
    case 2:
        return greenBrush;
    default:
        return redBrush;
    }
}

HBRUSH CDlgPwrNotify::OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlType) {
    HBRUSH brush = CDialog::OnCtlColor(dc, wnd, ctlType);
    if (wnd == this) {
        // A level whose bitmap is missing keeps the default dialog background.
        if (HBRUSH levelBrush = LevelBrush(); levelBrush != nullptr) {
            brush = levelBrush;
        }
    }
    return brush;
}
