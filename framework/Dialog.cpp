#include "Dialog.h"

#include "App.h"

namespace {
// The dialog whose window is being created on this thread: it is bound to
// the window at the window's first message to the dialog procedure, before
// the controls exist.
thread_local CDialog* t_dialogBeingCreated = nullptr;
}  // namespace

CDialog::~CDialog() {
    if (m_hWnd) DestroyWindow();
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM, LPARAM lParam) {
    if (FromHandlePermanent(hwnd)) return FALSE;
    CDialog* dialog = t_dialogBeingCreated;
    if (!dialog && message == WM_INITDIALOG) dialog = reinterpret_cast<CDialog*>(lParam);
    if (!dialog || dialog->m_hWnd) return FALSE;
    t_dialogBeingCreated = nullptr;
    dialog->AttachRouted(hwnd);
    // Everything from here on reaches the object through its window procedure;
    // the dialog procedure only answers "not handled".
    if (message == WM_INITDIALOG) return dialog->OnInitDialog();
    return FALSE;
}

BOOL CDialog::CreateFromTemplate(HWND parent) {
    m_ended = false;
    m_nModalResult = -1;
    t_dialogBeingCreated = this;
    HWND hwnd = ::CreateDialogParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_nIDTemplate), parent,
                                     DialogProc, reinterpret_cast<LPARAM>(this));
    t_dialogBeingCreated = nullptr;
    return hwnd != nullptr;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    if (m_hWnd) return FALSE;
    m_nIDTemplate = templateId;
    m_pParentWnd = parent;
    return CreateFromTemplate(parent ? parent->m_hWnd : nullptr);
}

INT_PTR CDialog::DoModal() {
    if (m_hWnd) return -1;
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    if (!owner) {
        CWinApp* app = AfxGetApp();
        if (app && app->m_pMainWnd && app->m_pMainWnd != this) owner = app->m_pMainWnd->m_hWnd;
    }
    if (owner) owner = ::GetAncestor(owner, GA_ROOT);
    if (!CreateFromTemplate(owner)) return -1;

    const bool disableOwner = owner && ::IsWindowEnabled(owner);
    if (disableOwner) ::EnableWindow(owner, FALSE);
    if (!m_ended && m_hWnd) {
        ShowWindow(SW_SHOWNORMAL);
        RunModalLoop();
    }
    if (disableOwner) ::EnableWindow(owner, TRUE);
    if (owner && m_hWnd && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(owner);
    if (m_hWnd) DestroyWindow();
    return m_nModalResult;
}

void CDialog::RunModalLoop() {
    m_inModalLoop = true;
    MSG msg;
    while (!m_ended && m_hWnd) {
        BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) {
            // Leave the quit request for the loop outside this one.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        AfxProcessMessage(&msg);
    }
    m_inModalLoop = false;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::EndDialog(int result) {
    m_nModalResult = result;
    m_ended = true;
    if (m_inModalLoop) {
        // Wakes the modal loop so that it sees the end.
        PostMessage(WM_NULL);
    } else if (m_hWnd) {
        ::ShowWindow(m_hWnd, SW_HIDE);
    }
}

void CDialog::OnOK() { EndDialog(IDOK); }
void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_INITDIALOG) {
        *result = OnInitDialog();
        return TRUE;
    }
    if (CWnd::OnWndMsg(message, wParam, lParam, result)) return TRUE;
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        if (LOWORD(wParam) == IDOK) {
            OnOK();
            *result = 0;
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            *result = 0;
            return TRUE;
        }
    }
    return FALSE;
}
