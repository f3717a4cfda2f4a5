#include <gtest/gtest.h>

#include "TestFolders.h"
#include "WaitUntil.h"

#include <windows.h>

#include <string>

namespace {

// The real program, copied by the build into a folder without libconvert.dll.
std::wstring ProgramWithoutEngine() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\') + 1) + L"no-engine\\Korvane7.exe";
}

struct ProcessWindows {
    DWORD processId;
    HWND warning = nullptr;
    HWND mainWindow = nullptr;
};

BOOL CALLBACK FindProcessWindows(HWND window, LPARAM context) {
    auto* found = reinterpret_cast<ProcessWindows*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != found->processId) return TRUE;
    wchar_t title[64] = {};
    GetWindowTextW(window, title, 64);
    if (std::wstring(title) == L"Warning") found->warning = window;
    if (std::wstring(title) == L"KORVANE7 Video Converter") found->mainWindow = window;
    return TRUE;
}

struct Process {
    PROCESS_INFORMATION info{};
    ~Process() {
        if (info.hProcess) {
            if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info.hProcess, 99);
            CloseHandle(info.hProcess);
        }
        if (info.hThread) CloseHandle(info.hThread);
    }
};

TEST(MissingEngineTest, TheProgramWarnsAndEndsWithExitCodeZeroWritingNothing) {
    FolderOutsideTemp root;
    const std::wstring temporary = root.Path() + L"Temp\\";
    MakeFolders(temporary);
    // The child inherits the temporary folder.
    TemporaryFolderOverride override(temporary);

    const std::wstring program = ProgramWithoutEngine();
    const std::wstring folder = program.substr(0, program.find_last_of(L'\\'));
    ASSERT_TRUE(PathExists(program));
    ASSERT_FALSE(PathExists(folder + L"\\libconvert.dll"));
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    Process child;
    ASSERT_TRUE(CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               folder.c_str(), &startup, &child.info));

    ProcessWindows windows{child.info.dwProcessId};
    ASSERT_TRUE(WaitUntil([&] {
        EnumWindows(FindProcessWindows, reinterpret_cast<LPARAM>(&windows));
        return windows.warning != nullptr;
    }));
    wchar_t text[128] = {};
    GetDlgItemTextW(windows.warning, 0xFFFF, text, 128);
    EXPECT_STREQ(text, L"Load dll failed. Please reinstall the program.");
    EXPECT_EQ(GetDlgItem(windows.warning, IDCANCEL), nullptr);
    if (windows.mainWindow) {
        EXPECT_FALSE(IsWindowVisible(windows.mainWindow));
    }

    PostMessageW(windows.warning, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ASSERT_TRUE(WaitUntil([&] { return WaitForSingleObject(child.info.hProcess, 0) == WAIT_OBJECT_0; }));

    DWORD exitCode = 1;
    GetExitCodeProcess(child.info.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    EXPECT_FALSE(PathExists(temporary + L"global.ini"));
    EXPECT_FALSE(PathExists(root.Path() + L"KORVANE7 Video Converter"));
}

}  // namespace

