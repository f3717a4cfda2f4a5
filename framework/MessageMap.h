#pragma once
#include "Wnd.h"

// Message tables. A class declares DECLARE_MESSAGE_MAP() and defines
//   BEGIN_MESSAGE_MAP(CMyWnd, CBaseWnd)
//       ON_WM_PAINT()
//       ON_BN_CLICKED(1000, OnAddFiles)
//   END_MESSAGE_MAP()
// which becomes a ProcessMessageTable override: the entries are tried in the
// order written, the first that matches handles the message, and a message
// no entry matches goes on to the base class's table.

#define DECLARE_MESSAGE_MAP()                                                              \
protected:                                                                                 \
    BOOL ProcessMessageTable(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) \
        override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                    \
    BOOL theClass::ProcessMessageTable(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) { \
        using TheBaseClass = baseClass;

#define END_MESSAGE_MAP()                                                         \
        return TheBaseClass::ProcessMessageTable(message, wParam, lParam, result); \
    }

// Messages ------------------------------------------------------------------

#define ON_MESSAGE(msg, handler)                   \
    if (message == (msg)) {                        \
        result = this->handler(wParam, lParam);    \
        return TRUE;                               \
    }

#define ON_WM_PAINT()          \
    if (message == WM_PAINT) { \
        this->OnPaint();       \
        result = 0;            \
        return TRUE;           \
    }

#define ON_WM_SIZE()                                                                     \
    if (message == WM_SIZE) {                                                            \
        this->OnSize(static_cast<UINT>(wParam), (short)LOWORD(lParam), (short)HIWORD(lParam)); \
        result = 0;                                                                      \
        return TRUE;                                                                     \
    }

#define ON_WM_SYSCOMMAND()                                         \
    if (message == WM_SYSCOMMAND) {                                \
        this->OnSysCommand(static_cast<UINT>(wParam), lParam);     \
        result = 0;                                                \
        return TRUE;                                               \
    }

#define ON_WM_QUERYDRAGICON()                                            \
    if (message == WM_QUERYDRAGICON) {                                   \
        result = reinterpret_cast<LRESULT>(this->OnQueryDragIcon());     \
        return TRUE;                                                     \
    }

// WM_TIMER to a handler of another name; it receives the timer id.
#define ON_WM_TIMER_TO(handler)                          \
    if (message == WM_TIMER) {                           \
        this->handler(static_cast<UINT_PTR>(wParam));    \
        result = 0;                                      \
        return TRUE;                                     \
    }
#define ON_WM_TIMER() ON_WM_TIMER_TO(OnTimer)

#define FW_ON_MOUSE(msg, handler)                                          \
    if (message == (msg)) {                                                \
        this->handler(static_cast<UINT>(wParam), CPoint(lParam));          \
        result = 0;                                                        \
        return TRUE;                                                       \
    }
#define ON_WM_LBUTTONDOWN() FW_ON_MOUSE(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONDBLCLK() FW_ON_MOUSE(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_MOUSEMOVE() FW_ON_MOUSE(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_MOUSEHOVER() FW_ON_MOUSE(WM_MOUSEHOVER, OnMouseHover)

#define ON_WM_MOUSELEAVE()          \
    if (message == WM_MOUSELEAVE) { \
        this->OnMouseLeave();       \
        result = 0;                 \
        return TRUE;                \
    }

#define ON_WM_DROPFILES()                                       \
    if (message == WM_DROPFILES) {                              \
        this->OnDropFiles(reinterpret_cast<HDROP>(wParam));     \
        result = 0;                                             \
        return TRUE;                                            \
    }

#define ON_WM_ERASEBKGND()                                                                \
    if (message == WM_ERASEBKGND) {                                                       \
        result = this->OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));      \
        return TRUE;                                                                      \
    }

#define ON_WM_MEASUREITEM()                                                                   \
    if (message == WM_MEASUREITEM) {                                                          \
        this->OnMeasureItem(static_cast<int>(wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam)); \
        result = TRUE;                                                                        \
        return TRUE;                                                                          \
    }

// WM_CTLCOLOR* of a child: the handler's brush paints the child.
#define ON_WM_CTLCOLOR()                                                                     \
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {                      \
        result = reinterpret_cast<LRESULT>(this->OnCtlColor(                                 \
            CDC::FromHandle(reinterpret_cast<HDC>(wParam)),                                  \
            CWnd::FromHandle(reinterpret_cast<HWND>(lParam)), message - WM_CTLCOLORMSGBOX)); \
        return TRUE;                                                                         \
    }

// Commands and control notifications ----------------------------------------

#define ON_COMMAND(id, handler)                                                        \
    if (message == WM_COMMAND && LOWORD(wParam) == (id) && HIWORD(wParam) == 0) {      \
        this->handler();                                                               \
        result = 0;                                                                    \
        return TRUE;                                                                   \
    }

#define ON_CONTROL(code, id, handler)                                                   \
    if (message == WM_COMMAND && LOWORD(wParam) == (id) && HIWORD(wParam) == (code)) {  \
        this->handler();                                                                \
        result = 0;                                                                     \
        return TRUE;                                                                    \
    }
#define ON_BN_CLICKED(id, handler) ON_CONTROL(BN_CLICKED, id, handler)
#define ON_CBN_SELCHANGE(id, handler) ON_CONTROL(CBN_SELCHANGE, id, handler)

// WM_NOTIFY from child `id`: handler(NMHDR*, LRESULT*).
#define ON_NOTIFY(notifyCode, id, handler)                                                          \
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == (UINT)(notifyCode) &&    \
        reinterpret_cast<NMHDR*>(lParam)->idFrom == (UINT_PTR)(id)) {                        \
        result = 0;                                                                          \
        this->handler(reinterpret_cast<NMHDR*>(lParam), &result);                            \
        return TRUE;                                                                         \
    }

// Reflected notifications: the child's own object handles what its parent received.

#define ON_NOTIFY_REFLECT(notifyCode, handler)                                                       \
    if (message == WM_REFLECT_BASE + WM_NOTIFY &&                                              \
        reinterpret_cast<NMHDR*>(lParam)->code == (UINT)(notifyCode)) {                              \
        result = 0;                                                                            \
        this->handler(reinterpret_cast<NMHDR*>(lParam), &result);                              \
        return TRUE;                                                                           \
    }

#define ON_WM_MEASUREITEM_REFLECT()                                                 \
    if (message == WM_REFLECT_BASE + WM_MEASUREITEM) {                              \
        this->MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));           \
        result = TRUE;                                                              \
        return TRUE;                                                                \
    }

// A child's own colours: a null brush leaves the message to the parent.
#define ON_WM_CTLCOLOR_REFLECT()                                                             \
    if (message >= WM_REFLECT_BASE + WM_CTLCOLORMSGBOX &&                                    \
        message <= WM_REFLECT_BASE + WM_CTLCOLORSTATIC) {                                    \
        HBRUSH brush = this->CtlColor(CDC::FromHandle(reinterpret_cast<HDC>(wParam)),         \
                                      message - WM_REFLECT_BASE - WM_CTLCOLORMSGBOX);         \
        if (brush) {                                                                         \
            result = reinterpret_cast<LRESULT>(brush);                                       \
            return TRUE;                                                                     \
        }                                                                                    \
    }
