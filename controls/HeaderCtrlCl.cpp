#include "HeaderCtrlCl.h"

#include "ArcMemDC.h"
#include "ScopedSelect.h"

#include <gdiplus.h>

namespace {
constexpr COLORREF kGround = RGB(177, 177, 177);
constexpr COLORREF kTitleText = RGB(0, 0, 0);
constexpr Gdiplus::ARGB kGradientTop = 0xFFE5E5E5;
constexpr Gdiplus::ARGB kGradientBottom = 0xFFDDDDDD;
constexpr int kGradientPeriod = 28;
constexpr int kTitleInset = 3;
}  // namespace

BEGIN_MESSAGE_MAP(CHeaderCtrlCl, CHeaderCtrl)
    ON_WM_PAINT()
    ON_MESSAGE(HDM_LAYOUT, OnLayout)
END_MESSAGE_MAP()

void CHeaderCtrlCl::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(client);
    CArcMemDC memory(&dc, client);
    memory.FillSolidRect(client, kGround);
    Gdiplus::Graphics graphics(memory.GetSafeHdc());
    const int count = GetItemCount();
    for (int i = 0; i < count; ++i) {
        CRect item;
        GetItemRect(i, item);
        Gdiplus::LinearGradientBrush gradient(Gdiplus::Point(0, 0), Gdiplus::Point(0, kGradientPeriod),
                                              Gdiplus::Color(kGradientTop), Gdiplus::Color(kGradientBottom));
        gradient.SetWrapMode(Gdiplus::WrapModeTile);
        // The item's left column and its top and bottom rows keep the grey
        // ground: they read as separators and borders.
        graphics.FillRectangle(&gradient, item.left + 1, 1, item.Width() - 1, item.Height() - 2);

        CFont font;
        font.CreateFont(m_nFontHeight, m_nFontWidth, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, ANSI_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                        L"新宋体");
        ScopedSelect selected(memory, font.GetSafeHandle());
        TEXTMETRICW metrics = {};
        memory.GetTextMetrics(&metrics);

        if (i < m_strFormat.GetLength()) {
            if (m_strFormat[i] == L'0') item.left += kTitleInset;
            if (m_strFormat[i] == L'2') item.right -= kTitleInset;
        }
        item.OffsetRect(0, (item.Height() - metrics.tmHeight) / 2);
        memory.SetTextColor(kTitleText);
        memory.SetBkMode(TRANSPARENT);
        if (i < m_arrTitles.GetSize()) memory.DrawText(m_arrTitles[i], item, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

LRESULT CHeaderCtrlCl::OnLayout(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = DefWindowProc(HDM_LAYOUT, wParam, lParam);
    auto* layout = reinterpret_cast<HDLAYOUT*>(lParam);
    if (!layout || !layout->pwpos || !layout->prc) return result;
    const int height = static_cast<int>(m_fHeightScale * static_cast<float>(layout->pwpos->cy));
    layout->pwpos->cy = height;
    layout->prc->top = height;
    return result;
}
