#include "ArcMemDC.h"

#include <algorithm>

CArcMemDC::CArcMemDC(CDC* pDC, const RECT& rect) : m_pBitmap(std::make_unique<CBitmap>()) {
    CreateCompatibleDC(pDC);
    const int width = std::max(0, static_cast<int>(rect.right - rect.left));
    const int height = std::max(0, static_cast<int>(rect.bottom - rect.top));
    m_pBitmap->CreateCompatibleBitmap(pDC->GetSafeHdc(), width, height);
    m_pOldBitmap = SelectObject(m_pBitmap.get());
    // The buffer's pixel (0, 0) stands for the rectangle's top-left corner,
    // so that drawing uses the target's coordinates.
    ::SetViewportOrgEx(m_hDC, -rect.left, -rect.top, nullptr);
    m_pDC = pDC;
    m_rect = rect;
}

CArcMemDC::~CArcMemDC() {
    const int width = std::max(0, static_cast<int>(m_rect.right - m_rect.left));
    const int height = std::max(0, static_cast<int>(m_rect.bottom - m_rect.top));
    m_pDC->BitBlt(m_rect.left, m_rect.top, width, height, this, m_rect.left, m_rect.top, SRCCOPY);
    SelectObject(m_pOldBitmap);
    m_pBitmap.reset();
}
