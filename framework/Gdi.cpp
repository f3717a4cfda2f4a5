#include "Gdi.h"

#include "Wnd.h"

#include "Borrowed.h"

BOOL CGdiObject::Attach(HGDIOBJ handle) {
    if (m_hObject || !handle) return FALSE;
    m_hObject = handle;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ handle = m_hObject;
    m_hObject = nullptr;
    return handle;
}

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject) return FALSE;
    BOOL deleted = m_borrowed ? TRUE : ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return deleted;
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ handle) {
    CGdiObject* wrapper = BorrowedWrapper<CGdiObject>(handle);
    if (wrapper) {
        wrapper->m_borrowed = true;
        wrapper->m_hObject = handle;
    }
    return wrapper;
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                       BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
                       BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily, LPCWSTR faceName) {
    return Attach(::CreateFontW(height, width, escapement, orientation, weight, italic, underline,
                                strikeOut, charSet, outPrecision, clipPrecision, quality,
                                pitchAndFamily, faceName));
}

BOOL CFont::CreateFontIndirect(const LOGFONTW* logFont) {
    return Attach(::CreateFontIndirectW(logFont));
}

CFont* CFont::FromHandle(HFONT handle) {
    CFont* wrapper = BorrowedWrapper<CFont>(handle);
    if (wrapper) {
        wrapper->m_borrowed = true;
        wrapper->m_hObject = handle;
    }
    return wrapper;
}

BOOL CBrush::CreateSolidBrush(COLORREF color) { return Attach(::CreateSolidBrush(color)); }

BOOL CBitmap::CreateCompatibleBitmap(HDC dc, int width, int height) {
    return Attach(::CreateCompatibleBitmap(dc, width, height));
}

CDC::~CDC() { DeleteDC(); }

BOOL CDC::Attach(HDC dc) {
    if (m_hDC || !dc) return FALSE;
    m_hDC = dc;
    return TRUE;
}

HDC CDC::Detach() {
    HDC dc = m_hDC;
    m_hDC = nullptr;
    return dc;
}

BOOL CDC::CreateCompatibleDC(CDC* reference) {
    return Attach(::CreateCompatibleDC(reference ? reference->m_hDC : nullptr));
}

BOOL CDC::DeleteDC() {
    if (!m_hDC) return FALSE;
    BOOL deleted = m_borrowed ? TRUE : ::DeleteDC(m_hDC);
    m_hDC = nullptr;
    return deleted;
}

CDC* CDC::FromHandle(HDC dc) {
    CDC* wrapper = BorrowedWrapper<CDC>(dc);
    if (wrapper) {
        wrapper->m_borrowed = true;
        wrapper->m_hDC = dc;
    }
    return wrapper;
}

CGdiObject* CDC::SelectObject(CGdiObject* object) {
    if (!object) return nullptr;
    return CGdiObject::FromHandle(::SelectObject(m_hDC, object->m_hObject));
}

HGDIOBJ CDC::SelectObject(HGDIOBJ object) { return ::SelectObject(m_hDC, object); }

CGdiObject* CDC::SelectStockObject(int index) {
    return CGdiObject::FromHandle(::SelectObject(m_hDC, ::GetStockObject(index)));
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource, DWORD rop) {
    return ::BitBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, xSource, ySource, rop);
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF color) {
    ::SetBkColor(m_hDC, color);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color) {
    RECT rect = {x, y, x + cx, y + cy};
    FillSolidRect(&rect, color);
}

COLORREF CDC::SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
COLORREF CDC::GetTextColor() const { return ::GetTextColor(m_hDC); }
COLORREF CDC::SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
COLORREF CDC::GetBkColor() const { return ::GetBkColor(m_hDC); }
int CDC::SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }

int CDC::DrawText(const CString& text, LPRECT rect, UINT format) {
    return ::DrawTextW(m_hDC, text, text.GetLength(), rect, format);
}

int CDC::DrawText(LPCWSTR text, int count, LPRECT rect, UINT format) {
    return ::DrawTextW(m_hDC, text, count, rect, format);
}

BOOL CDC::GetTextMetrics(LPTEXTMETRICW metrics) const { return ::GetTextMetricsW(m_hDC, metrics); }
int CDC::GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hDC, index); }
BOOL CDC::DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }

CPaintDC::CPaintDC(CWnd* window) : m_hWnd(window->m_hWnd) {
    Attach(::BeginPaint(m_hWnd, &m_ps));
    m_borrowed = true;
}

CPaintDC::~CPaintDC() {
    ::EndPaint(m_hWnd, &m_ps);
    Detach();
}

CClientDC::CClientDC(CWnd* window) : m_hWnd(window ? window->m_hWnd : nullptr) {
    Attach(::GetDC(m_hWnd));
    m_borrowed = true;
}

CClientDC::~CClientDC() {
    ::ReleaseDC(m_hWnd, Detach());
}
