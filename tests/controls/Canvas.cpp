#include "Canvas.h"

#include <gdiplus.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {
bool FindPngEncoder(CLSID* clsid) {
    UINT count = 0;
    UINT bytes = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0) return false;
    std::vector<BYTE> buffer(bytes);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, bytes, encoders) != Gdiplus::Ok) return false;
    for (UINT i = 0; i < count; ++i) {
        if (lstrcmpW(encoders[i].MimeType, L"image/png") == 0) {
            *clsid = encoders[i].Clsid;
            return true;
        }
    }
    return false;
}

int ChannelDistance(COLORREF a, COLORREF b) {
    return std::max({std::abs(GetRValue(a) - GetRValue(b)), std::abs(GetGValue(a) - GetGValue(b)),
                     std::abs(GetBValue(a) - GetBValue(b))});
}
}  // namespace

Canvas::Canvas(int width, int height, COLORREF fill) {
    Create(width, height);
    Fill(fill);
}

Canvas::Canvas(HWND window) {
    RECT client;
    ::GetClientRect(window, &client);
    Create(client.right, client.bottom);
    HDC source = ::GetDC(window);
    ::BitBlt(Hdc(), 0, 0, m_width, m_height, source, 0, 0, SRCCOPY);
    ::ReleaseDC(window, source);
    ::GdiFlush();
}

Canvas::~Canvas() {
    if (m_previous) ::SelectObject(Hdc(), m_previous);
    if (m_bitmap) ::DeleteObject(m_bitmap);
}

void Canvas::Create(int width, int height) {
    m_width = width;
    m_height = height;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_dc.CreateCompatibleDC(nullptr);
    m_bitmap = ::CreateDIBSection(Hdc(), &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_bits = static_cast<DWORD*>(bits);
    m_previous = ::SelectObject(Hdc(), m_bitmap);
}

void Canvas::Fill(COLORREF colour) {
    m_dc.FillSolidRect(0, 0, m_width, m_height, colour);
    ::GdiFlush();
}

COLORREF Canvas::Pixel(int x, int y) const {
    ::GdiFlush();
    const DWORD value = m_bits[static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)];
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

template <class Match>
CRect Canvas::BoundsWhere(const RECT& area, Match match) const {
    CRect bounds;
    bool any = false;
    ForEachPixel(area, [&](int x, int y, COLORREF pixel) {
        if (!match(pixel)) return;
        if (!any) {
            bounds.SetRect(x, y, x + 1, y + 1);
            any = true;
        }
        bounds.left = std::min<LONG>(bounds.left, x);
        bounds.top = std::min<LONG>(bounds.top, y);
        bounds.right = std::max<LONG>(bounds.right, x + 1);
        bounds.bottom = std::max<LONG>(bounds.bottom, y + 1);
    });
    return bounds;
}

template <class Visit>
void Canvas::ForEachPixel(const RECT& area, Visit visit) const {
    const int top = std::max<int>(0, area.top);
    const int bottom = std::min<int>(m_height, area.bottom);
    const int left = std::max<int>(0, area.left);
    const int right = std::min<int>(m_width, area.right);
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) visit(x, y, Pixel(x, y));
    }
}

CRect Canvas::BoundsOf(COLORREF colour, const RECT& area) const {
    return BoundsWhere(area, [colour](COLORREF pixel) { return pixel == colour; });
}

CRect Canvas::BoundsNot(COLORREF colour, const RECT& area, int tolerance) const {
    return BoundsWhere(area, [=](COLORREF pixel) { return ChannelDistance(pixel, colour) > tolerance; });
}

int Canvas::CountOf(COLORREF colour, const RECT& area) const {
    int count = 0;
    ForEachPixel(area, [&](int, int, COLORREF pixel) { count += pixel == colour ? 1 : 0; });
    return count;
}

bool Canvas::AllOf(COLORREF colour, const RECT& area) const {
    const CRect r(area);
    return CountOf(colour, area) == r.Width() * r.Height();
}

bool Canvas::SavePng(const std::wstring& path) const {
    CLSID png;
    if (!FindPngEncoder(&png)) return false;
    ::GdiFlush();
    Gdiplus::Bitmap bitmap(m_bitmap, nullptr);
    return bitmap.Save(path.c_str(), &png, nullptr) == Gdiplus::Ok;
}
