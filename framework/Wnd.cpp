#include "Wnd.h"

#include "App.h"
#include "Borrowed.h"

namespace {
constexpr UINT_PTR kSubclassId = 0x4B37;

// Objects attached to windows, by handle. Windows belong to the thread that
// made them, and so does this map.
std::unordered_map<HWND, CWnd*>& AttachedWindows() {
    thread_local std::unordered_map<HWND, CWnd*> windows;
    return windows;
}

bool IsDialogWindow(HWND hwnd) {
    wchar_t className[8] = {};
    return ::GetClassNameW(hwnd, className, 8) && lstrcmpW(className, L"#32770") == 0;
}
}  // namespace

CWnd::~CWnd() {
    if (!m_hWnd || m_borrowed) return;
    if (::IsWindow(m_hWnd)) {
        DestroyWindow();
    }
    if (m_hWnd) Detach();
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) {
    auto found = AttachedWindows().find(hwnd);
    return found == AttachedWindows().end() ? nullptr : found->second;
}

CWnd* CWnd::FromHandle(HWND hwnd) {
    if (CWnd* attached = FromHandlePermanent(hwnd)) return attached;
    CWnd* wrapper = BorrowedWrapper<CWnd>(hwnd);
    if (wrapper) wrapper->Borrow(hwnd);
    return wrapper;
}

BOOL CWnd::Attach(HWND hwnd) {
    if (m_hWnd || !hwnd) return FALSE;
    m_hWnd = hwnd;
    AttachedWindows()[hwnd] = this;
    return TRUE;
}

HWND CWnd::Detach() {
    HWND hwnd = m_hWnd;
    if (hwnd) {
        auto found = AttachedWindows().find(hwnd);
        if (found != AttachedWindows().end() && found->second == this) AttachedWindows().erase(found);
    }
    m_hWnd = nullptr;
    return hwnd;
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
    if (!Attach(hwnd)) return FALSE;
    PreSubclassWindow();
    if (!::SetWindowSubclass(hwnd, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
        Detach();
        return FALSE;
    }
    m_subclassed = true;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    HWND item = ::GetDlgItem(parent->m_hWnd, static_cast<int>(id));
    return item ? SubclassWindow(item) : FALSE;
}

HWND CWnd::UnsubclassWindow() {
    if (m_subclassed) {
        ::RemoveWindowSubclass(m_hWnd, SubclassProc, kSubclassId);
        m_subclassed = false;
    }
    return Detach();
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style,
                    const RECT& rect, CWnd* parent, UINT id) {
    if (m_hWnd) return FALSE;
    HWND hwnd = ::CreateWindowExW(exStyle, className, windowName, style, rect.left, rect.top,
                                  rect.right - rect.left, rect.bottom - rect.top,
                                  parent ? parent->m_hWnd : nullptr,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                  AfxGetInstanceHandle(), nullptr);
    return hwnd ? AttachRouted(hwnd) : FALSE;
}

BOOL CWnd::AttachRouted(HWND hwnd) {
    if (!Attach(hwnd)) return FALSE;
    m_subclassed =
        ::SetWindowSubclass(hwnd, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)) != FALSE;
    return TRUE;
}

BOOL CWnd::DestroyWindow() {
    if (!m_hWnd) return FALSE;
    HWND hwnd = m_hWnd;
    BOOL destroyed = ::DestroyWindow(hwnd);
    // A subclassed window detaches itself on its last message.
    if (m_hWnd == hwnd && !::IsWindow(hwnd)) Detach();
    return destroyed;
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_subclassed) return ::DefSubclassProc(m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

void CWnd::PreSubclassWindow() {}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    return ReflectChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    return ProcessMessageTable(WM_REFLECT_BASE + message, wParam, lParam, *result);
}

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

LRESULT CWnd::Default() {
    return DefWindowProc(m_currentMsg.message, m_currentMsg.wParam, m_currentMsg.lParam);
}

BOOL CWnd::ProcessMessageTable(UINT, WPARAM, LPARAM, LRESULT&) { return FALSE; }

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (ReflectToChild(message, wParam, lParam, result)) return TRUE;
    return ProcessMessageTable(message, wParam, lParam, *result);
}

BOOL CWnd::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    HWND child = nullptr;
    switch (message) {
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (item->CtlType != ODT_MENU) child = item->hwndItem;
        break;
    }
    case WM_MEASUREITEM: {
        // By id: an owner-drawn list view asks for its row height before any
        // object could be attached to its window handle.
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (item->CtlType != ODT_MENU) child = ::GetDlgItem(m_hWnd, static_cast<int>(item->CtlID));
        break;
    }
    case WM_NOTIFY:
        child = reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
        break;
    case WM_COMMAND:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        child = reinterpret_cast<HWND>(lParam);
        break;
    default:
        return FALSE;
    }
    if (!child || child == m_hWnd || ::GetParent(child) != m_hWnd) return FALSE;
    CWnd* object = FromHandlePermanent(child);
    return object && object->OnChildNotify(message, wParam, lParam, result);
}

void CWnd::PostNcDestroy() {}

LRESULT CALLBACK CWnd::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR refData) {
    CWnd* window = reinterpret_cast<CWnd*>(refData);
    LRESULT result = window->Dispatch(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(hwnd, SubclassProc, kSubclassId);
        window->m_subclassed = false;
        if (window->m_hWnd == hwnd) window->Detach();
        window->PostNcDestroy();
    }
    return result;
}

LRESULT CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    MSG outer = m_currentMsg;
    m_currentMsg.hwnd = m_hWnd;
    m_currentMsg.message = message;
    m_currentMsg.wParam = wParam;
    m_currentMsg.lParam = lParam;
    LRESULT result = WindowProc(message, wParam, lParam);
    m_currentMsg = outer;
    return result;
}

BOOL CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
    return ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}

BOOL CWnd::MoveWindow(LPCRECT rect, BOOL repaint) {
    return MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}

BOOL CWnd::ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
BOOL CWnd::EnableWindow(BOOL enable) { return ::EnableWindow(m_hWnd, enable); }
BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
void CWnd::InvalidateRect(LPCRECT rect, BOOL erase) { ::InvalidateRect(m_hWnd, rect, erase); }
void CWnd::Invalidate(BOOL erase) { ::InvalidateRect(m_hWnd, nullptr, erase); }
void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }
void CWnd::GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
void CWnd::GetWindowRect(LPRECT rect) const { ::GetWindowRect(m_hWnd, rect); }

void CWnd::ScreenToClient(LPRECT rect) const {
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(rect), 2);
}

void CWnd::ClientToScreen(LPPOINT point) const { ::ClientToScreen(m_hWnd, point); }
CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags) {
    DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE));
    DWORD changed = (style & ~remove) | add;
    if (changed == style) return FALSE;
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(changed));
    if (flags)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
    return TRUE;
}

DWORD CWnd::GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE)); }
CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }

CWnd* CWnd::SetParent(CWnd* newParent) {
    return FromHandle(::SetParent(m_hWnd, newParent ? newParent->m_hWnd : nullptr));
}

CWnd* CWnd::GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }
int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::PostMessageW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

CFont* CWnd::GetFont() const {
    return CFont::FromHandle(reinterpret_cast<HFONT>(::SendMessageW(m_hWnd, WM_GETFONT, 0, 0)));
}

void CWnd::SetFont(CFont* font, BOOL redraw) {
    ::SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font ? font->m_hObject : nullptr),
                   MAKELPARAM(redraw, 0));
}

int CWnd::GetWindowTextLength() const { return ::GetWindowTextLengthW(m_hWnd); }

void CWnd::GetWindowText(CString& text) const {
    int length = GetWindowTextLength();
    ::GetWindowTextW(m_hWnd, text.GetBufferSetLength(length), length + 1);
    text.ReleaseBuffer();
}

CString CWnd::GetWindowText() const {
    CString text;
    GetWindowText(text);
    return text;
}

void CWnd::SetWindowText(LPCWSTR text) { ::SetWindowTextW(m_hWnd, text); }

CMenu* CWnd::GetSystemMenu(BOOL revert) const {
    return CMenu::FromHandle(::GetSystemMenu(m_hWnd, revert));
}

HICON CWnd::SetIcon(HICON icon, BOOL big) {
    return reinterpret_cast<HICON>(::SendMessageW(m_hWnd, WM_SETICON, big ? ICON_BIG : ICON_SMALL,
                                                  reinterpret_cast<LPARAM>(icon)));
}

void CWnd::CenterWindow(CWnd* alternateOwner) {
    RECT area;
    HWND owner = alternateOwner ? alternateOwner->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER);
    if (GetStyle() & WS_CHILD) {
        ::GetClientRect(::GetParent(m_hWnd), &area);
    } else if (owner && ::IsWindowVisible(owner) && !::IsIconic(owner)) {
        ::GetWindowRect(owner, &area);
    } else {
        MONITORINFO monitor = {};
        monitor.cbSize = sizeof(monitor);
        ::GetMonitorInfoW(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
        area = monitor.rcWork;
    }
    RECT window;
    ::GetWindowRect(m_hWnd, &window);
    int width = window.right - window.left;
    int height = window.bottom - window.top;
    int x = area.left + (area.right - area.left - width) / 2;
    int y = area.top + (area.bottom - area.top - height) / 2;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CWnd::IsIconic() const { return ::IsIconic(m_hWnd); }
BOOL CWnd::IsZoomed() const { return ::IsZoomed(m_hWnd); }

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, TIMERPROC timerProc) {
    return ::SetTimer(m_hWnd, id, elapse, timerProc);
}

BOOL CWnd::KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }

int CWnd::MessageBox(LPCWSTR text, LPCWSTR caption, UINT type) {
    return ::MessageBoxW(m_hWnd, text, caption, type);
}

void CWnd::DragAcceptFiles(BOOL accept) { ::DragAcceptFiles(m_hWnd, accept); }

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, LPCWSTR text) {
    return ::AppendMenuW(m_hMenu, flags, id, text);
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT) {
    return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner ? owner->m_hWnd : nullptr, nullptr);
}

CMenu* CMenu::FromHandle(HMENU menu) {
    CMenu* wrapper = BorrowedWrapper<CMenu>(menu);
    if (wrapper) wrapper->m_hMenu = menu;
    return wrapper;
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (control.m_hWnd) return;
    HWND item = ::GetDlgItem(dx->m_pDlgWnd->m_hWnd, id);
    if (item) control.SubclassWindow(item);
}

BOOL AfxPreTranslateMessage(MSG* msg) {
    for (HWND target = msg->hwnd; target; target = ::GetParent(target)) {
        CWnd* object = CWnd::FromHandlePermanent(target);
        if (object && object->PreTranslateMessage(msg)) return TRUE;
    }
    return FALSE;
}

void AfxProcessMessage(MSG* msg) {
    if (AfxPreTranslateMessage(msg)) return;
    HWND root = msg->hwnd ? ::GetAncestor(msg->hwnd, GA_ROOT) : nullptr;
    if (root && IsDialogWindow(root) && ::IsDialogMessageW(root, msg)) return;
    ::TranslateMessage(msg);
    ::DispatchMessageW(msg);
}

BOOL AfxPumpMessage() {
    MSG msg;
    if (::GetMessageW(&msg, nullptr, 0, 0) <= 0) return FALSE;
    AfxProcessMessage(&msg);
    return TRUE;
}
