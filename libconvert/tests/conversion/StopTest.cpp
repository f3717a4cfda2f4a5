#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "EngineLibrary.h"
#include "ProcessCount.h"
#include "ResultCode.h"
#include "TempFolder.h"
#include "UniqueHandle.h"

namespace {
// A 40 s clip: long enough that a conversion is still running at its first
// progress report.
std::vector<std::string> LongConversion(const std::wstring& output) {
    return QualityVector(kMedium, ClipPath(L"long.mp4"), output);
}

class Stop : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(engine.Loaded()); }

    void ExpectStoppedCleanly(const EngineLibrary::Run& run) {
        EXPECT_EQ(run.result, kStopped);
        EXPECT_EQ(CountProcesses(L"ffmpeg.exe"), 0);
        EXPECT_FALSE(folder.Exists(L"out.mp4"));
        EXPECT_TRUE(std::none_of(run.progress.begin(), run.progress.end(),
                                 [](float p) { return p >= 100.0f; }));
    }

    EngineLibrary engine;
    TempFolder folder;
    std::wstring output = folder.Path() + L"out.mp4";
};

UniqueHandle g_firstReport;
}  // namespace

TEST_F(Stop, FromAnotherThreadWhileConverting) {
    g_firstReport.Reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    EngineLibrary::Run run;
    std::thread converter([&] {
        run = engine.Convert(LongConversion(output), 0,
                             [](EngineLibrary&) { SetEvent(g_firstReport.Get()); });
    });
    // Not a timing check: only keeps a broken engine from hanging the suite.
    EXPECT_EQ(WaitForSingleObject(g_firstReport.Get(), 120000), WAIT_OBJECT_0);
    engine.Stop();
    converter.join();
    ExpectStoppedCleanly(run);
    EXPECT_FALSE(run.progress.empty());
}

TEST_F(Stop, AnFfmpegThatIgnoresQuitIsEndedAnyway) {
    std::vector<std::string> vector = LongConversion(output);
    vector.insert(vector.begin() + 1, "-nostdin");  // ffmpeg.exe then never reads the "q"
    EngineLibrary::Run run = engine.Convert(vector, 90, [](EngineLibrary& e) { e.Stop(); });
    ExpectStoppedCleanly(run);
}

TEST_F(Stop, AStopWhileNothingRunsIsForgotten) {
    engine.Stop();
    EngineLibrary::Run run = engine.Convert(QualityVector(kLow, ClipPath(L"flat.mov"), output), 0);
    EXPECT_EQ(run.result, kSuccess);
    EXPECT_TRUE(folder.Exists(L"out.mp4"));
}

TEST_F(Stop, ASecondConversionWhileOneRunsIsRefused) {
    static int nested = -1;
    static std::string nestedOutput;
    nestedOutput = Ansi(folder.Path() + L"second.mp4");
    EngineLibrary::Run run = engine.Convert(LongConversion(output), 0, [](EngineLibrary& e) {
        if (nested != -1) return;
        std::vector<std::string> vector = QualityVector(kLow, ClipPath(L"flat.mov"), L"");
        vector.back() = nestedOutput;
        std::vector<char*> argv;
        for (std::string& entry : vector) argv.push_back(entry.data());
        nested = e.ConvertRaw(static_cast<int>(argv.size()), argv.data(), 0);
        e.Stop();
    });
    EXPECT_EQ(nested, kBusy);
    EXPECT_FALSE(folder.Exists(L"second.mp4"));
    ExpectStoppedCleanly(run);
}
