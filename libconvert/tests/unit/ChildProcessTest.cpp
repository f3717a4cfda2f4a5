#include <windows.h>

#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "FfmpegLocator.h"
#include "ProcessCount.h"
#include "UniqueHandle.h"

namespace {
// The real ffmpeg.exe, copied beside this suite.
std::wstring Ffmpeg() {
    return ModuleFolder() + L"ffmpeg.exe";
}

const std::vector<std::wstring> kEndlessSource = {
    L"-hide_banner", L"-re",  L"-f",        L"lavfi",  L"-i",       L"testsrc=size=64x64:rate=10",
    L"-f",           L"null", L"-progress", L"pipe:1", L"-nostats", L"-"};

std::vector<std::wstring> With(std::vector<std::wstring> arguments, const std::wstring& first) {
    arguments.insert(arguments.begin(), first);
    return arguments;
}
}  // namespace

TEST(ChildProcess, OutputLinesArriveOnTheCallingThreadAndErrorsAreKept) {
    std::vector<std::string> lines;
    DWORD caller = GetCurrentThreadId();
    bool otherThread = false;
    ChildOutcome outcome =
        RunChild(Ffmpeg(),
                 {L"-hide_banner", L"-f", L"lavfi", L"-i", L"testsrc=duration=1:size=64x64:rate=10",
                  L"-f", L"null", L"-progress", L"pipe:1", L"-nostats", L"-"},
                 nullptr, 0, [&](const std::string& line) {
                     otherThread = otherThread || GetCurrentThreadId() != caller;
                     lines.push_back(line);
                 });
    ASSERT_TRUE(outcome.started);
    EXPECT_FALSE(outcome.stopped);
    EXPECT_EQ(outcome.exitCode, 0u);
    EXPECT_FALSE(otherThread);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "progress=end");
    EXPECT_NE(outcome.errorOutput.find("Output #0, null"), std::string::npos);
}

TEST(ChildProcess, ExitCodeOfAFailedRun) {
    ChildOutcome outcome =
        RunChild(Ffmpeg(), {L"-hide_banner", L"-no-such-option"}, nullptr, 0, nullptr);
    ASSERT_TRUE(outcome.started);
    EXPECT_NE(outcome.exitCode, 0u);
    EXPECT_NE(outcome.errorOutput.find("no-such-option"), std::string::npos);
}

TEST(ChildProcess, AProgramThatIsNotThereDoesNotStart) {
    ChildOutcome outcome =
        RunChild(ModuleFolder() + L"no-such-program.exe", {}, nullptr, 0, nullptr);
    EXPECT_FALSE(outcome.started);
    EXPECT_NE(outcome.startError, 0u);
}

TEST(ChildProcess, StopAsksToQuitAndOtherwiseTerminates) {
    struct Case {
        const char* name;
        std::vector<std::wstring> arguments;
        bool quitsOnRequest;
    } cases[] = {
        {"reads q", kEndlessSource, true},
        // -nostdin makes ffmpeg.exe deaf to "q"; it must still end.
        {"ignores q", With(kEndlessSource, L"-nostdin"), false},
    };
    for (const Case& c : cases) {
        UniqueHandle stop(CreateEventW(nullptr, TRUE, FALSE, nullptr));
        ChildOutcome outcome =
            RunChild(Ffmpeg(), c.arguments, stop.Get(), c.quitsOnRequest ? 10000 : 300,
                     [&](const std::string&) { SetEvent(stop.Get()); });
        ASSERT_TRUE(outcome.started) << c.name;
        EXPECT_TRUE(outcome.stopped) << c.name;
        if (c.quitsOnRequest) {
            EXPECT_EQ(outcome.exitCode, 0u) << c.name;
        } else {
            EXPECT_EQ(outcome.exitCode, static_cast<DWORD>(ERROR_OPERATION_ABORTED)) << c.name;
        }
        EXPECT_EQ(CountProcesses(L"ffmpeg.exe"), 0) << c.name;
    }
}
