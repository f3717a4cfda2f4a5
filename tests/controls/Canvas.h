#pragma once
#include "Gdi.h"

#include <ostream>
#include <string>

// A 32-bit pixel surface with a device context, to draw a control into (or
// to copy a window's client area into) and to read back what was drawn.
class Canvas {
public:
    static constexpr COLORREF kSentinel = RGB(0x12, 0x34, 0x56);

    Canvas(int width, int height, COLORREF fill = kSentinel);
    // A copy of the window's client area as it is on the screen now.
    explicit Canvas(HWND window);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Hdc() const { return m_dc.GetSafeHdc(); }
    CDC* Dc() { return &m_dc; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    CRect Rect() const { return CRect(0, 0, m_width, m_height); }

    void Fill(COLORREF colour);
    COLORREF Pixel(int x, int y) const;
    // Smallest rectangle holding every pixel of exactly this colour within
    // the area; empty when there is none.
    CRect BoundsOf(COLORREF colour, const RECT& area) const;
    CRect BoundsOf(COLORREF colour) const { return BoundsOf(colour, Rect()); }
    int CountOf(COLORREF colour, const RECT& area) const;
    bool AllOf(COLORREF colour, const RECT& area) const;
    // Bounds of the pixels that differ from the colour by more than the
    // tolerance in some channel.
    CRect BoundsNot(COLORREF colour, const RECT& area, int tolerance = 0) const;

    bool SavePng(const std::wstring& path) const;

private:
    void Create(int width, int height);
    template <class Visit>
    void ForEachPixel(const RECT& area, Visit visit) const;
    template <class Match>
    CRect BoundsWhere(const RECT& area, Match match) const;

    int m_width = 0;
    int m_height = 0;
    CDC m_dc;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_previous = nullptr;
    DWORD* m_bits = nullptr;
};

// Rectangles in test failure messages.
inline void PrintTo(const CRect& rect, std::ostream* out) {
    *out << "(" << rect.left << ", " << rect.top << ")-(" << rect.right << ", " << rect.bottom << ")";
}
