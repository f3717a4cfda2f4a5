#pragma once
#include "String.h"
#include "Wnd.h"

// The application object: the one static instance is driven by wWinMain
// (InitInstance, then Run when it returns TRUE, then ExitInstance).
class CWinApp {
public:
    explicit CWinApp(LPCWSTR appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    virtual int Run();
    // Names the registry key under which settings would be kept.
    void SetRegistryKey(LPCWSTR key);

    CWnd* m_pMainWnd = nullptr;
    HINSTANCE m_hInstance = nullptr;
    CString m_strAppName;
    CString m_strRegistryKey;
};

class CWinAppEx : public CWinApp {
public:
    explicit CWinAppEx(BOOL resourceSmartUpdate = FALSE) : m_bResourceSmartUpdate(resourceSmartUpdate) {}
    BOOL m_bResourceSmartUpdate;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
// The application hosts no ActiveX controls; kept for the start-up sequence.
inline BOOL AfxEnableControlContainer() { return TRUE; }
// The body of wWinMain.
int AfxWinMain(HINSTANCE instance, LPWSTR commandLine, int show);
