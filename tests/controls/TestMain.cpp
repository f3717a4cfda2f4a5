#include "GdiplusStartupGuard.h"

#include <gtest/gtest.h>

// The controls need the common controls of version 6 (the program's
// manifest is linked in) and GDI+ for as long as the tests run.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&classes);
    GdiplusStartupGuard gdiplus;
    if (!gdiplus.Started()) return 1;
    return RUN_ALL_TESTS();
}
