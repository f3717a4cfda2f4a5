// Runs from a folder without libconvert.dll.
#include <gtest/gtest.h>

#include "EngineBridge.h"

TEST(MissingEngineTest, StartGivesMinusOneAndSetsNothingElse) {
    JobChannel channel;
    EXPECT_EQ(kEngineLibraryMissing, StartEngine(channel));
    EXPECT_EQ(nullptr, channel.engineLibrary);
    EXPECT_EQ(nullptr, channel.synthTrans);
    EXPECT_EQ(nullptr, channel.stopTranscoding);
    EXPECT_EQ(nullptr, channel.setPositionCallback);
    EXPECT_EQ(nullptr, channel.jobEvent);
    EXPECT_EQ(nullptr, channel.workerThread);
}
