#include <windows.h>

#include <gtest/gtest.h>

#include "FfmpegLocator.h"
#include "ScopedPath.h"
#include "TempFolder.h"

namespace {
std::wstring WithoutSlash(const std::wstring& folder) {
    return folder.substr(0, folder.size() - 1);
}
}  // namespace

TEST(FfmpegLocator, TheEnginesOwnFolderComesFirst) {
    TempFolder own, onPath;
    own.WriteFile(L"ffmpeg.exe", "x");
    onPath.WriteFile(L"ffmpeg.exe", "x");
    ScopedPath path(WithoutSlash(onPath.Path()));
    EXPECT_EQ(LocateFfmpeg(own.Path()), own.Path() + L"ffmpeg.exe");
}

TEST(FfmpegLocator, OtherwiseTheFirstFolderOfPathThatHasIt) {
    TempFolder own, empty, quoted, later;
    CreateDirectoryW((empty.Path() + L"ffmpeg.exe").c_str(),
                     nullptr);  // a folder of that name is no program
    quoted.WriteFile(L"ffmpeg.exe", "x");
    later.WriteFile(L"ffmpeg.exe", "x");
    ScopedPath path(L"C:\\no such folder;;" + empty.Path() + L";\"" + WithoutSlash(quoted.Path()) +
                    L"\";" + later.Path());
    EXPECT_EQ(LocateFfmpeg(own.Path()), quoted.Path() + L"ffmpeg.exe");
}

TEST(FfmpegLocator, NoneAnywhereGivesNothing) {
    TempFolder own, empty;
    ScopedPath path(WithoutSlash(empty.Path()));
    EXPECT_EQ(LocateFfmpeg(own.Path()), L"");
}

TEST(FfmpegLocator, ModuleFolderIsWhereTheCodeWasLoadedFrom) {
    wchar_t exe[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring expected(exe);
    expected.resize(expected.find_last_of(L"\\/") + 1);
    EXPECT_EQ(ModuleFolder(), expected);
}
