#include "Korvane7Dlg.h"

#include "AboutDlg.h"
#include "App.h"
#include "LoadPngImage.h"
#include "PrivateMessages.h"
#include "resource.h"

namespace {

// The background of the window and the fill of every button (ARGB).
constexpr Gdiplus::ARGB kButtonFill = 0xFFEDEDED;

// A press this close to the top edge moves the window.
constexpr int kDragBandHeight = 30;

// Where the system menu opens when the caption's menu button asks for it.
constexpr UINT kSystemMenuPopupFlags = TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_NONOTIFY;
constexpr int kSystemMenuInset = 10;

}  // namespace

BEGIN_MESSAGE_MAP(CKorvane7Dlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_BN_CLICKED(IDC_ADD_FILES, OnAddFiles)
    ON_BN_CLICKED(IDC_BROWSE, OnBrowse)
    ON_BN_CLICKED(IDC_START, OnStartStop)
    ON_BN_CLICKED(IDC_STOP, OnStartStop)
    ON_WM_TIMER_TO(OnConversionTick)
    ON_WM_LBUTTONDOWN()
    ON_BN_CLICKED(IDC_CMD_MINIMIZE, OnMinimizeCommand)
    ON_BN_CLICKED(IDC_CMD_MAXIMIZE, OnMaximizeCommand)
    ON_BN_CLICKED(IDC_CMD_CLOSE, OnCloseWindow)
    ON_BN_CLICKED(IDC_OPEN_DIR, OnOpenDirectory)
    ON_BN_CLICKED(IDC_DELETE_FILES, OnDeleteFiles)
    ON_BN_CLICKED(IDC_UPLOAD, OnUploadPage)
    ON_BN_CLICKED(IDC_CMD_ABOUT, OnAboutCommand)
    ON_WM_DROPFILES()
    ON_WM_SIZE()
    ON_CBN_SELCHANGE(IDC_QUALITY, OnQualityChanged)
END_MESSAGE_MAP()

CKorvane7Dlg::CKorvane7Dlg()
    : CDialog(IDD_KORVANE7_DIALOG, nullptr),
      appIcon(::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME))),
      bandMiddleImage(LoadPngImage(IDB_PNG_134_CAPTION_STRIP)),
      bandLeftImage(LoadPngImage(IDB_PNG_135_CAPTION_LEFT)),
      bandRightImage(LoadPngImage(IDB_PNG_136_CAPTION_RIGHT)),
      buttonFillBrush(std::make_unique<Gdiplus::SolidBrush>(Gdiplus::Color(kButtonFill))) {}

// The window must be gone before the members it routes messages to.
CKorvane7Dlg::~CKorvane7Dlg() {
    if (m_hWnd) DestroyWindow();
}

void CKorvane7Dlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_ADD_FILES, addFilesButton);
    DDX_Control(dx, IDC_DELETE_FILES, deleteFilesButton);
    DDX_Control(dx, IDC_UPLOAD, uploadButton);
    DDX_Control(dx, IDC_START, startButton);
    DDX_Control(dx, IDC_STOP, stopButton);
    DDX_Control(dx, IDC_JOB_LIST, jobList);
    DDX_Control(dx, IDC_QUALITY_LABEL, qualityLabel);
    DDX_Control(dx, IDC_QUALITY, qualityCombo);
    DDX_Control(dx, IDC_OUTPUT_PATH_LABEL, outputPathLabel);
    DDX_Control(dx, IDC_OUTPUT_PATH, outputPathEdit);
    DDX_Control(dx, IDC_BROWSE, browseButton);
    DDX_Control(dx, IDC_OPEN_DIR, openDirButton);
}

// The private messages are acted on here; every message, these included,
// then goes through the message table and default processing.
LRESULT CKorvane7Dlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        OnCloseWindow();
        break;
    case WM_CHECK_RUN_FINISHED:
        OnCheckRunFinished();
        break;
    case WM_LIST_CLICK:
        if (!runActive)
            OnListClick(reinterpret_cast<NMITEMACTIVATE*>(wParam), reinterpret_cast<LRESULT*>(lParam));
        break;
    case WM_CAPTION_MENU:
        ShowSystemMenuPopup();
        break;
    case WM_CLOSE_CELL_EDITOR:
        if (cellEditorOpen) CommitRotationEditor();
        break;
    default:
        break;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

void CKorvane7Dlg::OnSysCommand(UINT command, LPARAM position) {
    // The low four bits of a system command are the system's own.
    if ((command & 0xFFF0) == IDC_SYSMENU_ABOUT) {
        ShowAboutBox();
        return;
    }
    CDialog::OnSysCommand(command, position);
}

void CKorvane7Dlg::ShowAboutBox() {
    CAboutDlg about;
    about.DoModal();
}

void CKorvane7Dlg::OnAboutCommand() { ShowAboutBox(); }

HCURSOR CKorvane7Dlg::OnQueryDragIcon() { return static_cast<HCURSOR>(appIcon); }

void CKorvane7Dlg::OnLButtonDown(UINT flags, CPoint point) {
    if (point.y <= kDragBandHeight)
        PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
    CDialog::OnLButtonDown(flags, point);
}

void CKorvane7Dlg::ShowSystemMenuPopup() {
    CMenu* menu = GetSystemMenu(FALSE);
    if (!menu) return;
    CRect window;
    GetWindowRect(&window);
    menu->TrackPopupMenu(kSystemMenuPopupFlags, window.right - kSystemMenuInset, window.top, this);
}

void CKorvane7Dlg::OnMinimizeCommand() { ShowWindow(SW_MINIMIZE); }

void CKorvane7Dlg::OnMaximizeCommand() {
    ShowWindow(IsZoomed() ? SW_RESTORE : SW_MAXIMIZE);
    LayoutControls();
    UpdateWindow();
}
