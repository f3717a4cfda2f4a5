#pragma once
#include "Win32.h"

#include <functional>
#include <string>

// ShellExecuteW, through a seam that lets tests see what would be opened.
HINSTANCE AfxShellExecute(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters,
                          LPCWSTR directory, INT show);

struct ShellExecuteCall {
    HWND owner;
    std::wstring verb;
    std::wstring file;
    bool hasParameters;
    bool hasDirectory;
    INT show;
};
using ShellExecuteHook = std::function<void(const ShellExecuteCall& call)>;
// With a hook set, nothing is opened; the hook receives each call.
void AfxSetShellExecuteHook(ShellExecuteHook hook);
