#include <gtest/gtest.h>

#include "Conversion.h"
#include "ScopedPath.h"
#include "TempFolder.h"

namespace {
std::wstring WithoutSlash(const std::wstring& folder) {
    return folder.substr(0, folder.size() - 1);
}
}  // namespace

TEST(Conversion, WithoutFfmpegNothingRuns) {
    TempFolder empty;
    ScopedPath path(WithoutSlash(empty.Path()));
    std::wstring input = empty.WriteFile(L"in.mp4", "x");
    int reports = 0;
    ResultCode result = RunConversion({L"-i", input, empty.Path() + L"out.mp4"}, 0, empty.Path(),
                                      nullptr, [&](float) { ++reports; });
    EXPECT_EQ(result, kFfmpegMissing);
    EXPECT_EQ(reports, 0);
    EXPECT_FALSE(empty.Exists(L"out.mp4"));
}

TEST(Conversion, ArgumentsAreCheckedBeforeLookingForFfmpeg) {
    TempFolder empty;
    ScopedPath path(WithoutSlash(empty.Path()));
    EXPECT_EQ(RunConversion({L"-i", L"in.mp4", L"out.mp4"}, 45, empty.Path(), nullptr, nullptr),
              kBadRotation);
    EXPECT_EQ(RunConversion({L"in.mp4", L"out.mp4"}, 0, empty.Path(), nullptr, nullptr),
              kBadArguments);
}
