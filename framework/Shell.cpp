#include "Shell.h"

namespace {
ShellExecuteHook& Hook() {
    static ShellExecuteHook hook;
    return hook;
}
}  // namespace

void AfxSetShellExecuteHook(ShellExecuteHook hook) { Hook() = std::move(hook); }

HINSTANCE AfxShellExecute(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters,
                          LPCWSTR directory, INT show) {
    if (Hook()) {
        Hook()({owner, verb ? verb : L"", file ? file : L"", parameters != nullptr, directory != nullptr, show});
        return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(33));
    }
    return ::ShellExecuteW(owner, verb, file, parameters, directory, show);
}
