#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <shlwapi.h>

#include <string>

#include "ModuleResource.h"

namespace {

std::string Narrow(const wchar_t* text) {
    char buffer[MAX_PATH * 2] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, buffer, sizeof(buffer), nullptr, nullptr);
    return buffer;
}

std::string Manifest() {
    return std::string(ModuleResource(RT_MANIFEST, 1));
}

TEST(Manifest, DeclaresCommonControls6AsInvokerAndDpiAwareness) {
    const std::string text = Manifest();
    ASSERT_FALSE(text.empty()) << "no manifest resource 1";
    for (const char* part : {
             R"(name="Microsoft.Windows.Common-Controls")",
             R"(version="6.0.0.0")",
             R"(publicKeyToken="6595b64144ccf1df")",
             R"(processorArchitecture="*")",
             R"(level="asInvoker")",
             R"(uiAccess="false")",
             R"(>true</dpiAware>)",
         }) {
        EXPECT_NE(text.find(part), std::string::npos) << part;
    }
}

BOOL CALLBACK CountName(HMODULE, LPCWSTR, LPWSTR, LONG_PTR count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

TEST(Manifest, IsTheOnlyOne) {
    int count = 0;
    EnumResourceNamesW(GetModuleHandleW(nullptr), RT_MANIFEST, CountName,
                       reinterpret_cast<LONG_PTR>(&count));
    EXPECT_EQ(count, 1);
}

// The manifest takes effect: the common controls come from the side-by-side
// store, where version 6 lives, not from the system folder.
TEST(Manifest, CommonControlsVersion6IsActive) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    ASSERT_TRUE(InitCommonControlsEx(&controls));
    HMODULE comctl = GetModuleHandleW(L"comctl32.dll");
    ASSERT_NE(comctl, nullptr);
    wchar_t path[MAX_PATH] = {};
    ASSERT_NE(GetModuleFileNameW(comctl, path, MAX_PATH), 0u);
    EXPECT_NE(StrStrIW(path, L"\\winsxs\\"), nullptr) << "loaded from " << Narrow(path);
}

}  // namespace
