#include "ButtonEx.h"

#include "ArcMemDC.h"
#include "ImageDrawing.h"
#include "LoadPngImage.h"
#include "ScopedSelect.h"
#include "resource.h"

#include <algorithm>

namespace {
constexpr COLORREF kUnfilled = RGB(1, 0, 0);
constexpr COLORREF kDisabledText = RGB(211, 211, 211);
constexpr int kFrameInset = 3;
constexpr UINT_PTR kToolId = 1;

// One axis of the fit-centre rule: an image smaller than the button keeps
// its size and is centred; otherwise it fills the button on that axis.
struct Span {
    int offset;
    int extent;
};

Span FitCentre(int available, int natural) {
    if (available - natural > 0) return {(available - natural) / 2, natural};
    return {0, available};
}

void DrawFitCentred(Gdiplus::Graphics& graphics, Gdiplus::Image* image, int width, int height) {
    if (!image) return;
    const int naturalWidth = static_cast<int>(image->GetWidth());
    const int naturalHeight = static_cast<int>(image->GetHeight());
    const Span x = FitCentre(width, naturalWidth);
    const Span y = FitCentre(height, naturalHeight);
    DrawImageRect(graphics, image, Gdiplus::Rect(x.offset, y.offset, x.extent, y.extent), 0, 0, naturalWidth,
                  naturalHeight);
}

void DrawHoverFrame(Gdiplus::Graphics& graphics, Gdiplus::Image* frame, int width, int height) {
    DrawWholeImage(graphics, frame,
                   Gdiplus::Rect(kFrameInset, kFrameInset, width - 2 * kFrameInset, height - 2 * kFrameInset));
}

// The pressed face over a hover frame: natural size, centred, one pixel
// right and down; an origin that comes out at 0 or less is pinned to 0.
void DrawPressedOverFrame(Gdiplus::Graphics& graphics, Gdiplus::Image* image, int width, int height) {
    const int naturalWidth = static_cast<int>(image->GetWidth());
    const int naturalHeight = static_cast<int>(image->GetHeight());
    const int x = std::max(0, (width - naturalWidth) / 2 + 1);
    const int y = std::max(0, (height - naturalHeight) / 2 + 1);
    DrawWholeImage(graphics, image, Gdiplus::Rect(x, y, naturalWidth, naturalHeight));
}
}  // namespace

BEGIN_MESSAGE_MAP(CButtonEx, CButton)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_MOUSEHOVER()
END_MESSAGE_MAP()

CButtonEx::CButtonEx() : m_pFont(std::make_unique<CFont>()) {
    m_pFont->CreateFont(16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Time New Romans");
}

CButtonEx::~CButtonEx() = default;

void CButtonEx::SetImages(UINT normalId, UINT hoverId, UINT pressedId, UINT disabledId,
                          Gdiplus::Brush* fillBrush) {
    m_pFillBrush = fillBrush;
    m_pImgBack.reset();
    m_pImgNormal.reset();
    m_pImgHover.reset();
    m_pImgPressed.reset();
    m_pImgDisabled.reset();
    m_pImgNormal = LoadPngImage(normalId);
    m_pImgHover = LoadPngImage(hoverId);
    m_pImgPressed = LoadPngImage(pressedId);
    m_pImgDisabled = LoadPngImage(disabledId);
}

void CButtonEx::SetCaptionImages(UINT normalId, UINT pressedId) {
    m_pImgBack.reset();
    m_pImgNormal.reset();
    m_pImgHover.reset();
    m_pImgPressed.reset();
    m_pImgBack = LoadPngImage(IDB_PNG_134_CAPTION_STRIP);
    m_pImgNormal = LoadPngImage(normalId);
    m_pImgHover = LoadPngImage(IDB_PNG_138_CAPTION_HOVER_FRAME);
    m_pImgPressed = LoadPngImage(pressedId);
}

void CButtonEx::EnsureToolTip() {
    if (m_pToolTip) return;
    m_pToolTip = std::make_unique<CToolTipCtrl>();
    m_pToolTip->Create(this, TTS_ALWAYSTIP);
    m_pToolTip->Activate(TRUE);
}

void CButtonEx::SetToolTipText(CString text, BOOL activate) {
    if (text.IsEmpty()) return;
    EnsureToolTip();
    m_strToolTip = text;
    if (m_pToolTip->GetToolCount() == 0) {
        CRect client;
        GetClientRect(client);
        m_pToolTip->AddTool(this, m_strToolTip, client, kToolId);
    }
    m_pToolTip->UpdateTipText(m_strToolTip, this, kToolId);
    m_pToolTip->SetDelayTime(TTDT_AUTOMATIC, 2000);
    m_pToolTip->Activate(activate);
}

void CButtonEx::PreSubclassWindow() {
    ModifyStyle(0, BS_OWNERDRAW);
    CButton::PreSubclassWindow();
}

BOOL CButtonEx::PreTranslateMessage(MSG* msg) {
    // An owner-drawn button would report a second click in a row as a
    // double click; as a press it gives a second BN_CLICKED.
    if (msg->message == WM_LBUTTONDBLCLK) msg->message = WM_LBUTTONDOWN;
    if (msg->message == WM_MOUSEMOVE || msg->message == WM_LBUTTONDOWN || msg->message == WM_LBUTTONUP) {
        if (m_pToolTip && ::IsWindow(m_pToolTip->m_hWnd)) m_pToolTip->RelayEvent(msg);
    }
    return CButton::PreTranslateMessage(msg);
}

HBRUSH CButtonEx::CtlColor(CDC*, UINT) { return nullptr; }

BOOL CButtonEx::OnEraseBkgnd(CDC*) { return TRUE; }

void CButtonEx::OnMouseMove(UINT flags, CPoint point) {
    if (!m_bTracking) {
        TRACKMOUSEEVENT track = {};
        track.cbSize = sizeof(track);
        track.dwFlags = TME_HOVER | TME_LEAVE;
        track.hwndTrack = m_hWnd;
        track.dwHoverTime = 1;
        m_bTracking = ::_TrackMouseEvent(&track);
    }
    CButton::OnMouseMove(flags, point);
}

void CButtonEx::OnMouseHover(UINT, CPoint) {
    m_bHover = TRUE;
    Invalidate(TRUE);
    if (m_pToolTip && ::IsWindow(m_pToolTip->m_hWnd)) m_pToolTip->SendMessage(TTM_UPDATE);
}

void CButtonEx::OnMouseLeave() {
    m_bTracking = FALSE;
    m_bHover = FALSE;
    Invalidate(TRUE);
    CButton::OnMouseLeave();
}

void CButtonEx::DrawItem(LPDRAWITEMSTRUCT drawItem) {
    if (m_bNoDraw) return;
    CDC* target = CDC::FromHandle(drawItem->hDC);
    CRect rect(drawItem->rcItem);
    CArcMemDC memory(target, rect);
    const int width = rect.Width();
    const int height = rect.Height();
    memory.FillSolidRect(rect, kUnfilled);
    {
        Gdiplus::Graphics graphics(memory.GetSafeHdc());
        if (m_pImgBack) {
            const int column = static_cast<int>(m_pImgBack->GetWidth()) / 2;
            DrawImageRect(graphics, m_pImgBack.get(), Gdiplus::Rect(0, 0, width, height), column, 0, 1,
                          static_cast<int>(m_pImgBack->GetHeight()));
        } else if (m_pFillBrush) {
            graphics.FillRectangle(m_pFillBrush, 0, 0, width, height);
        }
        DrawFace(graphics, drawItem->itemState, width, height);
    }
    if (m_bShowText) {
        memory.SetTextColor((drawItem->itemState & ODS_DISABLED) ? kDisabledText : m_crText);
        memory.SetBkMode(TRANSPARENT);
        ScopedSelect font(memory, m_pFont->GetSafeHandle());
        memory.DrawText(m_strText, rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

void CButtonEx::DrawFace(Gdiplus::Graphics& graphics, UINT state, int width, int height) {
    if ((state & ODS_SELECTED) && m_pImgPressed) {
        if (m_bHoverFrame) {
            DrawHoverFrame(graphics, m_pImgHover.get(), width, height);
            DrawPressedOverFrame(graphics, m_pImgPressed.get(), width, height);
        } else {
            DrawFitCentred(graphics, m_pImgPressed.get(), width, height);
        }
    } else if (m_bHover && m_pImgHover) {
        if (m_bHoverFrame) {
            DrawHoverFrame(graphics, m_pImgHover.get(), width, height);
            DrawFitCentred(graphics, m_pImgNormal.get(), width, height);
        } else {
            DrawFitCentred(graphics, m_pImgHover.get(), width, height);
        }
    } else if (state & ODS_DISABLED) {
        DrawFitCentred(graphics, m_pImgDisabled.get(), width, height);
    } else {
        DrawFitCentred(graphics, m_pImgNormal.get(), width, height);
    }
}
