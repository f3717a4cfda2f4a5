#include <windows.h>
// After windows.h, whose types it uses.
#include <shellapi.h>

#include <gtest/gtest.h>

#include "CommandLine.h"

namespace {
// What ffmpeg.exe gets back from a command line: CommandLineToArgvW.
std::vector<std::wstring> Split(const std::wstring& commandLine) {
    int count = 0;
    LPWSTR* parts = CommandLineToArgvW(commandLine.c_str(), &count);
    std::vector<std::wstring> result(parts, parts + count);
    LocalFree(parts);
    return result;
}

const std::vector<std::wstring> kAwkwardArguments = {
    L"plain",
    L"",
    L"with blanks  and\ttab",
    L"-i",
    L"-leading dash.mp4",
    L"say \"hi\"",
    L"\"",
    L"\"\"",
    L"trailing backslash\\",
    L"C:\\folder with blank\\",
    L"back\\\\slashes\\\\\"before quote",
    L"\\\\server\\share\\clip.mp4",
    L"it's 'single' quoted",
    L"%PATH% & | < > ^ ( ) ;,=",
    L"\u00e9t\u00e9 \u4e2d\u6587.mp4",
};
}  // namespace

TEST(CommandLine, EveryArgumentComesBackUnchangedAndAlone) {
    std::wstring program = L"C:\\Program Files\\KORVANE7\\ffmpeg.exe";
    std::vector<std::wstring> parts = Split(BuildCommandLine(program, kAwkwardArguments));
    ASSERT_EQ(parts.size(), kAwkwardArguments.size() + 1);
    EXPECT_EQ(parts[0], program);
    for (size_t i = 0; i < kAwkwardArguments.size(); ++i)
        EXPECT_EQ(parts[i + 1], kAwkwardArguments[i]) << i;
}

TEST(CommandLine, EachArgumentAloneRoundTrips) {
    for (const std::wstring& argument : kAwkwardArguments) {
        std::vector<std::wstring> parts = Split(L"x.exe " + QuoteArgument(argument));
        ASSERT_EQ(parts.size(), 2u) << QuoteArgument(argument);
        EXPECT_EQ(parts[1], argument);
    }
}
