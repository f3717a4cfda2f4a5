#include <gtest/gtest.h>

#include "GdiplusStartupGuard.h"

#include <commctrl.h>

// The windows under test need the common controls and GDI+, as the
// application starts them.
int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    GdiplusStartupGuard gdiplus;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
