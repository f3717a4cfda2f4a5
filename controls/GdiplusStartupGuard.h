#pragma once
#include "Win32.h"

#include <gdiplus.h>

// GDI+ for the lifetime of the object: started on construction, shut down on
// destruction. Images and graphics objects must be gone before it goes.
class GdiplusStartupGuard {
public:
    GdiplusStartupGuard();
    ~GdiplusStartupGuard();
    GdiplusStartupGuard(const GdiplusStartupGuard&) = delete;
    GdiplusStartupGuard& operator=(const GdiplusStartupGuard&) = delete;

    bool Started() const { return m_status == Gdiplus::Ok; }

private:
    ULONG_PTR m_token = 0;
    Gdiplus::Status m_status = Gdiplus::GenericError;
};
