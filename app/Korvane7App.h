#pragma once
#include "App.h"
#include "GdiplusStartupGuard.h"

#include <optional>

// The application: starts the common controls and GDI+, runs the main window
// as a modal dialog inside InitInstance and shuts GDI+ down in ExitInstance.
class CKorvane7App : public CWinAppEx {
public:
    CKorvane7App();
    ~CKorvane7App() override;

    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    std::optional<GdiplusStartupGuard> gdiplus;
};
