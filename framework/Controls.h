#pragma once
#include "Wnd.h"

// Thin wrappers over the common controls' messages.

class CButton : public CWnd {
public:
    // Called for WM_DRAWITEM of an owner-drawn button, reflected from the parent.
    virtual void DrawItem(LPDRAWITEMSTRUCT) {}

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};

class CStatic : public CWnd {};

class CEdit : public CWnd {};

class CComboBox : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    int AddString(LPCWSTR text);
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    int FindStringExact(int startAfter, LPCWSTR text) const;
    void GetLBText(int index, CString& text) const;
    void ShowDropDown(BOOL show = TRUE);
    BOOL GetDroppedState() const;
};

class CHeaderCtrl : public CWnd {
public:
    static CHeaderCtrl* FromHandle(HWND header);
    int GetItemCount() const;
    BOOL GetItemRect(int index, LPRECT rect) const;
};

class CListCtrl : public CWnd {
public:
    // Called for WM_DRAWITEM of an owner-drawn list, reflected from the parent.
    virtual void DrawItem(LPDRAWITEMSTRUCT) {}

    int InsertColumn(int column, LPCWSTR heading, int format = LVCFMT_LEFT, int width = -1);
    BOOL GetColumn(int column, LVCOLUMNW* info) const;
    int GetColumnWidth(int column) const;
    BOOL SetColumnWidth(int column, int width);
    int InsertItem(int item, LPCWSTR text);
    BOOL DeleteItem(int item);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    BOOL SetItemText(int item, int subItem, LPCWSTR text);
    CString GetItemText(int item, int subItem) const;
    UINT GetItemState(int item, UINT mask) const;
    BOOL SetItemState(int item, UINT state, UINT mask);
    int GetNextItem(int start, int flags) const;
    BOOL GetSubItemRect(int item, int subItem, int area, CRect& rect) const;
    BOOL SetBkColor(COLORREF color);
    COLORREF GetBkColor() const;
    DWORD SetExtendedStyle(DWORD styles);
    DWORD GetExtendedStyle() const;
    // The list's own header window (a borrowing wrapper unless an object is attached to it).
    CHeaderCtrl* GetHeaderCtrl() const;

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};

class CToolTipCtrl : public CWnd {
public:
    BOOL Create(CWnd* parent, DWORD style = 0);
    BOOL AddTool(CWnd* window, LPCWSTR text, LPCRECT rect, UINT_PTR toolId);
    void UpdateTipText(LPCWSTR text, CWnd* window, UINT_PTR toolId);
    void Activate(BOOL activate);
    int GetToolCount() const;
    void SetDelayTime(DWORD which, int milliseconds);
    void RelayEvent(MSG* msg);
};
