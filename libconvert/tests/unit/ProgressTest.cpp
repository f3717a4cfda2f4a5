#include <gtest/gtest.h>

#include "Progress.h"

TEST(Progress, OnlyOutTimeLinesArePositions) {
    struct Case {
        const char* line;
        std::optional<double> seconds;
    } cases[] = {
        {"out_time=00:00:01.500000", 1.5},
        {"out_time=01:02:03.250000", 3723.25},
        {"out_time=-577014:32:22.775808", 0.0},
        {"out_time=N/A", std::nullopt},
        {"out_time_us=1500000", std::nullopt},
        {"out_time_ms=1500000", std::nullopt},
        {"frame=30", std::nullopt},
        {"progress=continue", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        auto seconds = ProgressLineSeconds(c.line);
        ASSERT_EQ(seconds.has_value(), c.seconds.has_value()) << c.line;
        if (seconds) {
            EXPECT_DOUBLE_EQ(*seconds, *c.seconds) << c.line;
        }
    }
}

TEST(Progress, PercentagesNeverGoDownAndStopShortOfHundred) {
    ProgressScale scale(4.0);
    std::vector<float> reported;
    for (double seconds : {0.0, 1.0, 0.5, 1.0, 2.0, 3.9, 4.0, 5.0, 3.0}) {
        if (auto percent = scale.Advance(seconds)) reported.push_back(*percent);
    }
    EXPECT_EQ(reported, (std::vector<float>{0.0f, 25.0f, 50.0f, 97.5f, 99.0f}));
    EXPECT_EQ(scale.Finish(), 100.0f);
    EXPECT_FALSE(scale.Finish().has_value());
    EXPECT_FALSE(scale.Advance(10.0).has_value());
}

TEST(Progress, UnknownDurationGivesOnlyTheFinalHundred) {
    ProgressScale scale(0.0);
    EXPECT_FALSE(scale.Advance(1.0).has_value());
    EXPECT_EQ(scale.Finish(), 100.0f);
}
