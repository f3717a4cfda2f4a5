#include "Korvane7App.h"

#include "Korvane7Dlg.h"

CKorvane7App::CKorvane7App() : CWinAppEx(TRUE) {}

CKorvane7App::~CKorvane7App() = default;

BOOL CKorvane7App::InitInstance() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    gdiplus.emplace();

    CWinAppEx::InitInstance();
    AfxEnableControlContainer();
    SetRegistryKey(L"Local AppWizard-Generated Applications");

    {
        CKorvane7Dlg dialog;
        m_pMainWnd = &dialog;
        dialog.DoModal();
        m_pMainWnd = nullptr;
    }
    // No message loop of our own: the application ends with its dialog.
    return FALSE;
}

int CKorvane7App::ExitInstance() {
    gdiplus.reset();
    return CWinAppEx::ExitInstance();
}
