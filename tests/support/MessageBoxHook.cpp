#include "MessageBoxHook.h"

namespace {
MessageBoxHook* g_activeHook = nullptr;

std::wstring WindowText(HWND hwnd) {
    int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    return text;
}
}  // namespace

MessageBoxHook::MessageBoxHook(std::deque<int> answers) : answers_(std::move(answers)) {
    g_activeHook = this;
    hook_ = SetWindowsHookExW(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
}

MessageBoxHook::~MessageBoxHook() {
    if (hook_) UnhookWindowsHookEx(hook_);
    if (g_activeHook == this) g_activeHook = nullptr;
}

LRESULT CALLBACK MessageBoxHook::CbtProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && g_activeHook) {
        HWND window = reinterpret_cast<HWND>(wParam);
        wchar_t className[16] = {};
        GetClassNameW(window, className, 16);
        // A message box is a system dialog whose text sits in the static 0xFFFF.
        if (lstrcmpW(className, L"#32770") == 0 && GetDlgItem(window, 0xFFFF))
            g_activeHook->OnActivate(window);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void MessageBoxHook::OnActivate(HWND box) {
    // A box can be activated more than once; it is answered only the first time.
    if (GetPropW(box, L"MessageBoxHook.answered")) return;
    SetPropW(box, L"MessageBoxHook.answered", reinterpret_cast<HANDLE>(1));
    Box record;
    record.text = WindowText(GetDlgItem(box, 0xFFFF));
    record.caption = WindowText(box);
    record.owner = GetWindow(box, GW_OWNER);
    record.hasCancel = GetDlgItem(box, IDCANCEL) != nullptr;
    if (!answers_.empty()) {
        record.answer = answers_.front();
        answers_.pop_front();
    }
    boxes_.push_back(record);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(record.answer, BN_CLICKED), 0);
}
