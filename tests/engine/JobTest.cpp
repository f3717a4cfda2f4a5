// One job through the worker and the scripted engine: what the engine is
// given, and what the channel and the output file show afterwards.
#include <vector>

#include "EngineTest.h"
#include "Narrow.h"

namespace {
struct VectorCase {
    int quality;
    int rotation;
    std::vector<std::string> options;  // between the input path and the output path
};
void PrintTo(const VectorCase& c, std::ostream* out) {
    *out << "quality " << c.quality << ", rotation " << c.rotation;
}

class ArgumentVectorsTest : public EngineTest, public ::testing::WithParamInterface<VectorCase> {};

TEST_P(ArgumentVectorsTest, EngineGetsTheQualitysVectorAndTheRotationUnchanged) {
    const VectorCase& c = GetParam();
    RunJob(Input(), Output(), c.quality, c.rotation);

    std::vector<std::string> expected = {"ffmpeg", "-i", Narrow(Input())};
    expected.insert(expected.end(), c.options.begin(), c.options.end());
    expected.push_back(Narrow(Output()));
    std::vector<EngineCall> calls = engine.Calls();
    ASSERT_EQ(1u, calls.size());
    EXPECT_EQ(static_cast<int>(expected.size()), calls[0].argc);
    EXPECT_EQ(expected, calls[0].argv);
    EXPECT_EQ(c.rotation, calls[0].rotation);
}

INSTANTIATE_TEST_SUITE_P(
    Qualities, ArgumentVectorsTest,
    ::testing::Values(
        VectorCase{0, 0,
                   {"-b:v", "4096k", "-r", "15", "-profile:v", "main", "-preset", "veryfast",
                    "-refs", "1", "-bf", "0"}},
        VectorCase{1, 90,
                   {"-b:v", "10000k", "-profile:v", "main", "-preset", "veryfast", "-refs", "2",
                    "-bf", "1"}},
        VectorCase{2, 180, {"-b:v", "20000k"}},
        VectorCase{-1, 270, {"-b:v", "20000k"}}));

TEST_F(EngineTest, SuccessGivesResultZeroProgressHundredAndKeepsTheFile) {
    engine.Write({{30.0f, 60.0f}, 0, 0, true, false});
    RunJob(Input(), Output());

    EXPECT_EQ(0, channel.result.load());
    EXPECT_EQ(100u, channel.progress.load());
    EXPECT_EQ("scripted engine output", folder.ReadFile(L"clip_korvane7_1.mp4"));
    EXPECT_EQ(0, channel.workerBusy.load());
}

struct FailureCase {
    int result;
    std::vector<float> reports;
    unsigned lastPercent;
};
void PrintTo(const FailureCase& c, std::ostream* out) { *out << "result " << c.result; }

class FailedJobTest : public EngineTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FailedJobTest, KeepsResultLastReportAndTheEnginesFile) {
    const FailureCase& c = GetParam();
    engine.Write({c.reports, 0, c.result, true, false});
    RunJob(Input(), Output());

    EXPECT_EQ(c.result, channel.result.load());
    EXPECT_EQ(c.lastPercent, channel.progress.load());
    EXPECT_EQ("scripted engine output", folder.ReadFile(L"clip_korvane7_1.mp4"));
    EXPECT_EQ(0, channel.workerBusy.load());
}

INSTANTIATE_TEST_SUITE_P(Results, FailedJobTest,
                         ::testing::Values(FailureCase{5, {12.5f, 57.9f}, 57},
                                           FailureCase{-1, {0.5f}, 0},
                                           FailureCase{999, {}, 0},
                                           FailureCase{1000, {40.0f, 73.2f}, 73}));

class CancelledJobTest : public EngineTest, public ::testing::WithParamInterface<int> {};

TEST_P(CancelledJobTest, DeletesTheOutputClearsProgressAndCancelKeepsResult) {
    engine.Write({{10.0f, 20.0f}, 0, GetParam(), true, true});
    SubmitJob(channel, Input().c_str(), Output().c_str(), 1, 0);
    ASSERT_TRUE(engine.WaitForEvent("block"));
    EXPECT_EQ(20u, channel.progress.load());
    ASSERT_TRUE(folder.Exists(L"clip_korvane7_1.mp4"));

    // What the window does to stop a job.
    channel.cancelRequested.store(1);
    channel.stopTranscoding();
    ASSERT_TRUE(WaitUntil([&] { return channel.workerBusy.load() == 0; }));

    EXPECT_FALSE(folder.Exists(L"clip_korvane7_1.mp4"));
    EXPECT_EQ(0u, channel.progress.load());
    EXPECT_EQ(0, channel.cancelRequested.load());
    EXPECT_EQ(GetParam(), channel.result.load());
}

INSTANTIATE_TEST_SUITE_P(EngineResults, CancelledJobTest, ::testing::Values(7, 0, 1000));

TEST_F(EngineTest, StopWhileNoJobRunsDoesNotCancelTheNextJob) {
    channel.cancelRequested.store(1);
    engine.Write({{50.0f}, 0, 0, true, false});
    RunJob(Input(), Output());

    EXPECT_EQ(0, channel.result.load());
    EXPECT_EQ(100u, channel.progress.load());
    EXPECT_EQ(0, channel.cancelRequested.load());
    EXPECT_TRUE(folder.Exists(L"clip_korvane7_1.mp4"));
}

TEST_F(EngineTest, StopBetweenHandOverAndWakeUpWaitsForTheJobAndSkipsTheEngine) {
    engine.Write({{}, 0, 0, true, true});
    ASSERT_NE(static_cast<DWORD>(-1), SuspendThread(channel.workerThread));
    SubmitJob(channel, Input().c_str(), Output().c_str(), 1, 0);
    // A window that stops now must see a busy worker and wait for it.
    EXPECT_EQ(1, channel.workerBusy.load());
    channel.cancelRequested.store(1);
    channel.stopTranscoding();
    ResumeThread(channel.workerThread);
    ASSERT_TRUE(WaitUntil([&] { return channel.workerBusy.load() == 0; }));

    EXPECT_FALSE(EngineWasCalled());
    EXPECT_FALSE(folder.Exists(L"clip_korvane7_1.mp4"));
    EXPECT_EQ(0, channel.cancelRequested.load());
    EXPECT_EQ(0u, channel.progress.load());
    EXPECT_EQ(0, channel.result.load());
}

TEST_F(EngineTest, WakeUpClearsTheResultOfTheJobBefore) {
    engine.Write({{}, 0, 12, false, false});
    RunJob(Input(), Output());
    ASSERT_EQ(12, channel.result.load());

    engine.Write({{}, 0, 0, false, false});
    RunJob(Input(), Output());
    EXPECT_EQ(0, channel.result.load());
    EXPECT_EQ(100u, channel.progress.load());
    EXPECT_EQ(2u, engine.Calls().size());
}
}  // namespace
