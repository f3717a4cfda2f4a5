#include <gtest/gtest.h>

#include <limits>

#include "DebuggerOutput.h"
#include "EngineBridge.h"

namespace {
struct ReportCase {
    float position;
    uint32_t percent;
};
void PrintTo(const ReportCase& c, std::ostream* out) { *out << "position " << c.position; }

class ProgressReportTest : public ::testing::TestWithParam<ReportCase> {};

TEST_P(ProgressReportTest, StoresThePositionTruncatedWithinZeroToHundred) {
    JobChannel channel;
    channel.progress.store(42);
    OnEngineProgress(GetParam().position, &channel);
    EXPECT_EQ(GetParam().percent, channel.progress.load()) << "position " << GetParam().position;
}

INSTANTIATE_TEST_SUITE_P(
    Positions, ProgressReportTest,
    ::testing::Values(ReportCase{57.9f, 57}, ReportCase{0.5f, 0}, ReportCase{0.0f, 0},
                      ReportCase{99.99f, 99}, ReportCase{100.0f, 100}, ReportCase{7.0f, 7},
                      // Reports outside the range must not wrap into a finished-looking value.
                      ReportCase{-3.0f, 0}, ReportCase{-0.5f, 0}, ReportCase{250.0f, 100},
                      ReportCase{std::numeric_limits<float>::infinity(), 100},
                      ReportCase{std::numeric_limits<float>::quiet_NaN(), 0},
                      ReportCase{5e9f, 100}));

TEST(ProgressDebuggerLineTest, EachReportWritesOneLineWithTheWidenedPosition) {
    JobChannel channel;
    DebuggerOutput output;
    OnEngineProgress(57.9f, &channel);
    OnEngineProgress(0.5f, &channel);
    OnEngineProgress(100.0f, &channel);
    EXPECT_EQ((std::vector<std::wstring>{L"progress=57.900002\n", L"progress=0.500000\n",
                                         L"progress=100.000000\n"}),
              output.Lines());
}

TEST(ProgressDebuggerLineTest, WithoutAChannelNothingHappens) {
    DebuggerOutput output;
    OnEngineProgress(50.0f, nullptr);
    EXPECT_TRUE(output.Lines().empty());
}
}  // namespace
