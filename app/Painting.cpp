#include "Korvane7Dlg.h"

#include "ArcMemDC.h"

namespace {
constexpr COLORREF kBackground = RGB(237, 237, 237);
}

void CKorvane7Dlg::OnPaint() {
    if (IsIconic()) {
        CPaintDC dc(this);
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
        CRect client;
        GetClientRect(&client);
        int x = (client.Width() - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
        int y = (client.Height() - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
        dc.DrawIcon(x, y, appIcon);
        return;
    }
    // The whole client area is drawn off screen and copied in one transfer,
    // so the background never flickers; the children paint themselves.
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    {
        CArcMemDC memory(&dc, client);
        memory.FillSolidRect(0, 0, client.Width(), client.Height(), kBackground);
    }
    CDialog::OnPaint();
}
