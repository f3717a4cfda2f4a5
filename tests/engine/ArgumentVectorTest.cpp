#include "ArgumentVector.h"

#include <gtest/gtest.h>

TEST(ArgumentVectorTest, PointersFollowTheEntriesAndEndInANullEntry) {
    for (int quality : {0, 1, 2, -1}) {
        ArgumentVector arguments(quality, "in.mov", "out.mp4");
        ASSERT_EQ(static_cast<size_t>(arguments.Count()), arguments.Entries().size());
        for (int i = 0; i < arguments.Count(); ++i)
            EXPECT_EQ(arguments.Entries()[static_cast<size_t>(i)], arguments.Data()[i]);
        EXPECT_EQ(nullptr, arguments.Data()[arguments.Count()]) << "quality " << quality;
    }
}

TEST(ArgumentVectorTest, PathsKeepTheirBytes) {
    ArgumentVector arguments(1, "C:\\clips\\caf\xE9 1.mov", "D:\\out\\x_korvane7_1.mp4");
    EXPECT_EQ("C:\\clips\\caf\xE9 1.mov", arguments.Entries()[2]);
    EXPECT_EQ("D:\\out\\x_korvane7_1.mp4", arguments.Entries().back());
}
