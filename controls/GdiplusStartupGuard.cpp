#include "GdiplusStartupGuard.h"

GdiplusStartupGuard::GdiplusStartupGuard() {
    Gdiplus::GdiplusStartupInput input;  // version 1, no debug callback, own background thread
    m_status = Gdiplus::GdiplusStartup(&m_token, &input, nullptr);
}

GdiplusStartupGuard::~GdiplusStartupGuard() {
    if (Started()) Gdiplus::GdiplusShutdown(m_token);
}
