#include "DialogCloser.h"

namespace {
DialogCloser* g_active = nullptr;
const wchar_t kAnsweredProperty[] = L"DialogCloser.answered";

BOOL CALLBACK MarkAnswered(HWND window, LPARAM) {
    SetPropW(window, kAnsweredProperty, reinterpret_cast<HANDLE>(1));
    return TRUE;
}
}  // namespace

DialogCloser::DialogCloser() {
    EnumThreadWindows(GetCurrentThreadId(), MarkAnswered, 0);
    g_active = this;
    hook_ = SetWindowsHookExW(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
}

DialogCloser::~DialogCloser() {
    if (hook_) UnhookWindowsHookEx(hook_);
    if (g_active == this) g_active = nullptr;
}

LRESULT CALLBACK DialogCloser::CbtProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && g_active) {
        HWND window = reinterpret_cast<HWND>(wParam);
        wchar_t className[16] = {};
        GetClassNameW(window, className, 16);
        // A dialog can be activated more than once; it is answered only once.
        if (lstrcmpW(className, L"#32770") == 0 && !GetPropW(window, kAnsweredProperty)) {
            SetPropW(window, kAnsweredProperty, reinterpret_cast<HANDLE>(1));
            wchar_t caption[128] = {};
            GetWindowTextW(window, caption, 128);
            g_active->seen_.push_back({caption, GetWindow(window, GW_OWNER)});
            PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
