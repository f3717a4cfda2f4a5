#include "Controls.h"

#include "Borrowed.h"

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_DRAWITEM) {
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        *result = TRUE;
        return TRUE;
    }
    return CWnd::OnChildNotify(message, wParam, lParam, result);
}

BOOL CComboBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CreateEx(0, WC_COMBOBOXW, nullptr, style, rect, parent, id);
}

int CComboBox::AddString(LPCWSTR text) {
    return static_cast<int>(::SendMessageW(m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

int CComboBox::GetCount() const { return static_cast<int>(::SendMessageW(m_hWnd, CB_GETCOUNT, 0, 0)); }
int CComboBox::GetCurSel() const { return static_cast<int>(::SendMessageW(m_hWnd, CB_GETCURSEL, 0, 0)); }

int CComboBox::SetCurSel(int index) {
    return static_cast<int>(::SendMessageW(m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(index), 0));
}

int CComboBox::FindStringExact(int startAfter, LPCWSTR text) const {
    return static_cast<int>(::SendMessageW(m_hWnd, CB_FINDSTRINGEXACT, static_cast<WPARAM>(startAfter),
                                           reinterpret_cast<LPARAM>(text)));
}

void CComboBox::GetLBText(int index, CString& text) const {
    LRESULT length = ::SendMessageW(m_hWnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) {
        text.Empty();
        return;
    }
    ::SendMessageW(m_hWnd, CB_GETLBTEXT, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(text.GetBufferSetLength(static_cast<int>(length))));
    text.ReleaseBuffer();
}

void CComboBox::ShowDropDown(BOOL show) { ::SendMessageW(m_hWnd, CB_SHOWDROPDOWN, show, 0); }
BOOL CComboBox::GetDroppedState() const { return static_cast<BOOL>(::SendMessageW(m_hWnd, CB_GETDROPPEDSTATE, 0, 0)); }

int CHeaderCtrl::GetItemCount() const { return static_cast<int>(::SendMessageW(m_hWnd, HDM_GETITEMCOUNT, 0, 0)); }

BOOL CHeaderCtrl::GetItemRect(int index, LPRECT rect) const {
    return static_cast<BOOL>(
        ::SendMessageW(m_hWnd, HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect)));
}

BOOL CListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_DRAWITEM) {
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        *result = TRUE;
        return TRUE;
    }
    return CWnd::OnChildNotify(message, wParam, lParam, result);
}

int CListCtrl::InsertColumn(int column, LPCWSTR heading, int format, int width) {
    LVCOLUMNW info = {};
    info.mask = LVCF_TEXT | LVCF_FMT | LVCF_SUBITEM | (width >= 0 ? LVCF_WIDTH : 0);
    info.fmt = format;
    info.cx = width;
    info.pszText = const_cast<LPWSTR>(heading);
    info.iSubItem = column;
    return static_cast<int>(::SendMessageW(m_hWnd, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column),
                                           reinterpret_cast<LPARAM>(&info)));
}

BOOL CListCtrl::GetColumn(int column, LVCOLUMNW* info) const {
    return static_cast<BOOL>(::SendMessageW(m_hWnd, LVM_GETCOLUMNW, static_cast<WPARAM>(column),
                                            reinterpret_cast<LPARAM>(info)));
}

int CListCtrl::GetColumnWidth(int column) const {
    return static_cast<int>(::SendMessageW(m_hWnd, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
}

BOOL CListCtrl::SetColumnWidth(int column, int width) {
    return static_cast<BOOL>(::SendMessageW(m_hWnd, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column),
                                            MAKELPARAM(width, 0)));
}

int CListCtrl::InsertItem(int item, LPCWSTR text) {
    LVITEMW info = {};
    info.mask = LVIF_TEXT;
    info.iItem = item;
    info.pszText = const_cast<LPWSTR>(text);
    return static_cast<int>(::SendMessageW(m_hWnd, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&info)));
}

BOOL CListCtrl::DeleteItem(int item) {
    return static_cast<BOOL>(::SendMessageW(m_hWnd, LVM_DELETEITEM, static_cast<WPARAM>(item), 0));
}

BOOL CListCtrl::DeleteAllItems() { return static_cast<BOOL>(::SendMessageW(m_hWnd, LVM_DELETEALLITEMS, 0, 0)); }
int CListCtrl::GetItemCount() const { return static_cast<int>(::SendMessageW(m_hWnd, LVM_GETITEMCOUNT, 0, 0)); }

BOOL CListCtrl::SetItemText(int item, int subItem, LPCWSTR text) {
    LVITEMW info = {};
    info.iSubItem = subItem;
    info.pszText = const_cast<LPWSTR>(text);
    return static_cast<BOOL>(::SendMessageW(m_hWnd, LVM_SETITEMTEXTW, static_cast<WPARAM>(item),
                                            reinterpret_cast<LPARAM>(&info)));
}

CString CListCtrl::GetItemText(int item, int subItem) const {
    // The list reports how many characters it copied; grow until the text fits.
    CString text;
    for (int capacity = 256;; capacity *= 2) {
        LVITEMW info = {};
        info.iSubItem = subItem;
        info.cchTextMax = capacity;
        info.pszText = text.GetBufferSetLength(capacity);
        int copied = static_cast<int>(::SendMessageW(m_hWnd, LVM_GETITEMTEXTW, static_cast<WPARAM>(item),
                                                     reinterpret_cast<LPARAM>(&info)));
        if (copied < capacity - 1) {
            text.ReleaseBuffer(copied);
            return text;
        }
    }
}

UINT CListCtrl::GetItemState(int item, UINT mask) const {
    return static_cast<UINT>(::SendMessageW(m_hWnd, LVM_GETITEMSTATE, static_cast<WPARAM>(item), mask));
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask) {
    LVITEMW info = {};
    info.state = state;
    info.stateMask = mask;
    return static_cast<BOOL>(::SendMessageW(m_hWnd, LVM_SETITEMSTATE, static_cast<WPARAM>(item),
                                            reinterpret_cast<LPARAM>(&info)));
}

int CListCtrl::GetNextItem(int start, int flags) const {
    return static_cast<int>(::SendMessageW(m_hWnd, LVM_GETNEXTITEM, static_cast<WPARAM>(start),
                                           MAKELPARAM(flags, 0)));
}

BOOL CListCtrl::GetSubItemRect(int item, int subItem, int area, CRect& rect) const {
    rect.top = subItem;
    rect.left = area;
    return static_cast<BOOL>(::SendMessageW(m_hWnd, LVM_GETSUBITEMRECT, static_cast<WPARAM>(item),
                                            reinterpret_cast<LPARAM>(static_cast<RECT*>(&rect))));
}

BOOL CListCtrl::SetBkColor(COLORREF color) {
    return static_cast<BOOL>(::SendMessageW(m_hWnd, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(color)));
}

COLORREF CListCtrl::GetBkColor() const {
    return static_cast<COLORREF>(::SendMessageW(m_hWnd, LVM_GETBKCOLOR, 0, 0));
}

DWORD CListCtrl::SetExtendedStyle(DWORD styles) {
    return static_cast<DWORD>(::SendMessageW(m_hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(styles)));
}

DWORD CListCtrl::GetExtendedStyle() const {
    return static_cast<DWORD>(::SendMessageW(m_hWnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
}

CHeaderCtrl* CListCtrl::GetHeaderCtrl() const {
    HWND header = reinterpret_cast<HWND>(::SendMessageW(m_hWnd, LVM_GETHEADER, 0, 0));
    return CHeaderCtrl::FromHandle(header);
}

CHeaderCtrl* CHeaderCtrl::FromHandle(HWND header) {
    if (auto* attached = dynamic_cast<CHeaderCtrl*>(CWnd::FromHandlePermanent(header))) return attached;
    CHeaderCtrl* wrapper = BorrowedWrapper<CHeaderCtrl>(header);
    if (wrapper) wrapper->Borrow(header);
    return wrapper;
}

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style) {
    RECT none = {CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT};
    if (!CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | style, none, parent, 0)) return FALSE;
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return TRUE;
}

BOOL CToolTipCtrl::AddTool(CWnd* window, LPCWSTR text, LPCRECT rect, UINT_PTR toolId) {
    TOOLINFOW tool = {};
    tool.cbSize = sizeof(tool);
    tool.hwnd = window->m_hWnd;
    tool.uId = toolId;
    tool.lpszText = const_cast<LPWSTR>(text);
    if (rect) tool.rect = *rect;
    return static_cast<BOOL>(::SendMessageW(m_hWnd, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)));
}

void CToolTipCtrl::UpdateTipText(LPCWSTR text, CWnd* window, UINT_PTR toolId) {
    TOOLINFOW tool = {};
    tool.cbSize = sizeof(tool);
    tool.hwnd = window->m_hWnd;
    tool.uId = toolId;
    tool.lpszText = const_cast<LPWSTR>(text);
    ::SendMessageW(m_hWnd, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void CToolTipCtrl::Activate(BOOL activate) { ::SendMessageW(m_hWnd, TTM_ACTIVATE, activate, 0); }
int CToolTipCtrl::GetToolCount() const { return static_cast<int>(::SendMessageW(m_hWnd, TTM_GETTOOLCOUNT, 0, 0)); }

void CToolTipCtrl::SetDelayTime(DWORD which, int milliseconds) {
    ::SendMessageW(m_hWnd, TTM_SETDELAYTIME, which, MAKELPARAM(milliseconds, 0));
}

void CToolTipCtrl::RelayEvent(MSG* msg) {
    ::SendMessageW(m_hWnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
}
