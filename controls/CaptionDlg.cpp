#include "CaptionDlg.h"

#include "ArcMemDC.h"
#include "ImageDrawing.h"
#include "LoadPngImage.h"
#include "PrivateMessages.h"
#include "ScopedSelect.h"
#include "resource.h"

namespace {
constexpr COLORREF kUnfilled = RGB(1, 0, 0);
constexpr COLORREF kTitleText = RGB(255, 255, 255);
constexpr int kEndPieceWidth = 42;
constexpr int kTitleMargin = 10;
constexpr int kButtonRightInset = 10;
}  // namespace

BEGIN_MESSAGE_MAP(CCaptionDlg, CDialog)
    ON_WM_PAINT()
    ON_BN_CLICKED(IDC_CAPTION_MENU, OnBnClickedMenu)
    ON_BN_CLICKED(IDC_CAPTION_MIN, OnBnClickedMin)
    ON_BN_CLICKED(IDC_CAPTION_MAX, OnBnClickedMax)
    ON_BN_CLICKED(IDC_CAPTION_CLOSE, OnBnClickedClose)
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONDOWN()
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CCaptionDlg::CCaptionDlg()
    : CDialog(IDD_CAPTION, nullptr),
      m_pImgCaption(LoadPngImage(IDB_PNG_134_CAPTION_STRIP)),
      m_pImgCaptionLeft(LoadPngImage(IDB_PNG_135_CAPTION_LEFT)),
      m_pImgCaptionRight(LoadPngImage(IDB_PNG_136_CAPTION_RIGHT)) {
    m_fontTitle.CreateFont(18, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, L"新宋体");
}

CCaptionDlg::~CCaptionDlg() = default;

void CCaptionDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_CAPTION_MIN, m_btnMin);
    DDX_Control(dx, IDC_CAPTION_MAX, m_btnMax);
    DDX_Control(dx, IDC_CAPTION_CLOSE, m_btnClose);
    DDX_Control(dx, IDC_CAPTION_MENU, m_btnMenu);
}

BOOL CCaptionDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_btnClose.SetCaptionImages(IDB_PNG_137_CAPTION_CLOSE, IDB_PNG_137_CAPTION_CLOSE);
    m_btnMax.SetCaptionImages(IDB_PNG_139_CAPTION_MAXIMIZE, IDB_PNG_139_CAPTION_MAXIMIZE);
    m_btnMin.SetCaptionImages(IDB_PNG_140_CAPTION_MINIMIZE, IDB_PNG_140_CAPTION_MINIMIZE);
    m_btnMenu.SetCaptionImages(IDB_PNG_175_CAPTION_MENU, IDB_PNG_175_CAPTION_MENU);
    for (CButtonEx* button : {&m_btnClose, &m_btnMax, &m_btnMin, &m_btnMenu}) button->m_bHoverFrame = TRUE;
    m_btnClose.SetToolTipText(L"关闭", TRUE);
    m_btnMax.SetToolTipText(L"最大化", TRUE);
    m_btnMin.SetToolTipText(L"最小化", TRUE);
    m_btnMenu.SetToolTipText(L"菜单", TRUE);
    PlaceCaptionButtons();
    return TRUE;
}

void CCaptionDlg::PlaceCaptionButtons() {
    CRect client;
    GetClientRect(client);
    for (CButtonEx* button : {&m_btnClose, &m_btnMax, &m_btnMin, &m_btnMenu}) {
        if (button->m_hWnd) button->MoveWindow(client.Width() - kButtonRightInset, 0, 0, 0, TRUE);
    }
}

BOOL CCaptionDlg::PreTranslateMessage(MSG* msg) {
    // The bar is part of its parent's frame: these keys neither close it
    // nor press one of its buttons.
    if (msg->message == WM_KEYDOWN &&
        (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE || msg->wParam == VK_SPACE)) {
        return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

void CCaptionDlg::PostToParent(UINT message, LPARAM lParam) {
    if (CWnd* parent = GetParent()) parent->PostMessage(message, 0, lParam);
}

void CCaptionDlg::OnBnClickedMenu() { PostToParent(WM_CAPTION_MENU); }
void CCaptionDlg::OnBnClickedMin() { PostToParent(WM_CAPTION_MINIMIZE); }
void CCaptionDlg::OnBnClickedMax() { PostToParent(WM_CAPTION_MAXIMIZE); }
void CCaptionDlg::OnBnClickedClose() { PostToParent(WM_CAPTION_CLOSE); }

void CCaptionDlg::OnLButtonDown(UINT flags, CPoint point) {
    // Dragging the bar moves the parent, as its own caption would.
    if (CWnd* parent = GetParent()) parent->PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
    CDialog::OnLButtonDown(flags, point);
}

void CCaptionDlg::OnLButtonDblClk(UINT flags, CPoint point) {
    PostToParent(WM_CAPTION_MAXIMIZE);
    CDialog::OnLButtonDblClk(flags, point);
}

HBRUSH CCaptionDlg::OnCtlColor(CDC* dc, CWnd* window, UINT ctlColor) {
    return CDialog::OnCtlColor(dc, window, ctlColor);
}

void CCaptionDlg::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(client);
    CArcMemDC memory(&dc, client);
    memory.FillSolidRect(client, kUnfilled);
    const int width = client.Width();
    {
        // The bar is drawn with a height of 0 for now: only the fill shows.
        Gdiplus::Graphics graphics(memory.GetSafeHdc());
        if (m_pImgCaption) {
            DrawImageRect(graphics, m_pImgCaption.get(), Gdiplus::Rect(0, 0, width, 0), 0, 0,
                          static_cast<int>(m_pImgCaption->GetWidth()) - 1,
                          static_cast<int>(m_pImgCaption->GetHeight()));
        }
        DrawWholeImage(graphics, m_pImgCaptionLeft.get(), Gdiplus::Rect(0, 0, kEndPieceWidth, 0));
        DrawWholeImage(graphics, m_pImgCaptionRight.get(), Gdiplus::Rect(width - kEndPieceWidth, 0, kEndPieceWidth, 0));
    }
    memory.SetTextColor(kTitleText);
    memory.SetBkMode(TRANSPARENT);
    ScopedSelect font(memory, m_fontTitle.GetSafeHandle());
    CRect title(client.left + kTitleMargin, client.top, client.right - kTitleMargin, 0);
    memory.DrawText(m_strTitle, title, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
