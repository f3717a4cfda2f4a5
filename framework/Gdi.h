#pragma once
#include "String.h"
#include "Types.h"

class CWnd;

// A GDI object. An object made by one of the Create calls, or handed over
// with Attach, is deleted with its owner; FromHandle gives a borrowing
// wrapper for a handle that belongs to someone else.
class CGdiObject {
public:
    CGdiObject() = default;
    virtual ~CGdiObject() { DeleteObject(); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ m_hObject = nullptr;

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    operator HGDIOBJ() const { return m_hObject; }
    BOOL Attach(HGDIOBJ handle);
    HGDIOBJ Detach();
    BOOL DeleteObject();

    static CGdiObject* FromHandle(HGDIOBJ handle);

protected:
    bool m_borrowed = false;
};

class CFont : public CGdiObject {
public:
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                    BYTE quality, BYTE pitchAndFamily, LPCWSTR faceName);
    BOOL CreateFontIndirect(const LOGFONTW* logFont);
    static CFont* FromHandle(HFONT handle);
};

class CBrush : public CGdiObject {
public:
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
    BOOL CreateSolidBrush(COLORREF color);
};

class CBitmap : public CGdiObject {
public:
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
    BOOL CreateCompatibleBitmap(HDC dc, int width, int height);
};

// A device context. One made with CreateCompatibleDC, or handed over with
// Attach, is deleted with its owner; FromHandle borrows.
class CDC {
public:
    CDC() = default;
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC = nullptr;

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }
    BOOL Attach(HDC dc);
    HDC Detach();
    BOOL CreateCompatibleDC(CDC* reference);
    BOOL DeleteDC();
    static CDC* FromHandle(HDC dc);

    // Selecting returns the object that was selected before, as a borrowing
    // wrapper, so that it can be selected back.
    CGdiObject* SelectObject(CGdiObject* object);
    HGDIOBJ SelectObject(HGDIOBJ object);
    CGdiObject* SelectStockObject(int index);

    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource, DWORD rop);
    // Fills with a solid colour; the colour stays the context's background colour.
    void FillSolidRect(LPCRECT rect, COLORREF color);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const;
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const;
    int SetBkMode(int mode);
    int DrawText(const CString& text, LPRECT rect, UINT format);
    int DrawText(LPCWSTR text, int count, LPRECT rect, UINT format);
    BOOL GetTextMetrics(LPTEXTMETRICW metrics) const;
    int GetDeviceCaps(int index) const;
    BOOL DrawIcon(int x, int y, HICON icon);

protected:
    bool m_borrowed = false;
};

// The context of one WM_PAINT: BeginPaint on construction, EndPaint on destruction.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC() override;
    PAINTSTRUCT m_ps{};

private:
    HWND m_hWnd;
};

// A window's client-area context, released on destruction.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* window);
    ~CClientDC() override;

private:
    HWND m_hWnd;
};
