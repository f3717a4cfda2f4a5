#pragma once
#include "Gdi.h"

#include <memory>

// An off-screen drawing context for one rectangle of a target context: a
// paint routine draws into it with the target's coordinates, and when the
// object goes out of scope the picture is copied to the target in one block
// transfer. Create it after the target context and let it go before the
// target is released.
class CArcMemDC : public CDC {
public:
    CArcMemDC(CDC* pDC, const RECT& rect);
    ~CArcMemDC() override;

private:
    std::unique_ptr<CBitmap> m_pBitmap;   // the buffer, as large as m_rect
    CGdiObject* m_pOldBitmap = nullptr;   // selected before the buffer; put back before it is deleted
    CDC* m_pDC = nullptr;                 // the target, not owned
    RECT m_rect{0, 0, 0, 0};              // the buffered area, in the target's coordinates
};
