#include <gtest/gtest.h>

#include <algorithm>

#include "EngineLibrary.h"
#include "Mp4Box.h"
#include "Mp4File.h"
#include "ResultCode.h"
#include "SphericalFile.h"
#include "TempFolder.h"

namespace {
// Reports only go up, 100 comes once and last.
void ExpectHonestProgress(const EngineLibrary::Run& run) {
    ASSERT_FALSE(run.progress.empty());
    EXPECT_TRUE(std::is_sorted(run.progress.begin(), run.progress.end()));
    EXPECT_EQ(run.progress.back(), 100.0f);
    EXPECT_EQ(std::count(run.progress.begin(), run.progress.end(), 100.0f), 1);
    EXPECT_GE(run.progress.front(), 0.0f);
    EXPECT_EQ(run.foreignUserPointers, 0);
}

bool MoovBeforeMdat(const std::wstring& path) {
    auto layout = ReadTopLevelLayout(path);
    if (!layout) return false;
    auto moov = std::find_if(layout->begin(), layout->end(),
                             [](auto& box) { return box.type == FourCc("moov"); });
    auto mdat = std::find_if(layout->begin(), layout->end(),
                             [](auto& box) { return box.type == FourCc("mdat"); });
    return moov != layout->end() && mdat != layout->end() && moov < mdat;
}

// The outputs that check-outputs.sh examines with ffprobe after this suite;
// the two lists name the same files.
struct Case {
    const wchar_t* output;
    const wchar_t* input;
    Quality quality;
    int rotation;
    uint32_t width, height;
    bool v1, v2;
} const kCases[] = {
    {L"low_360.mp4", L"sphere_av.mp4", kLow, 0, 640, 320, true, false},
    {L"medium_360.mp4", L"sphere_av.mp4", kMedium, 0, 640, 320, true, false},
    {L"high_360.mp4", L"sphere_av.mp4", kHigh, 0, 640, 320, true, false},
    {L"flat_r0.mp4", L"flat.mov", kMedium, 0, 320, 240, false, false},
    {L"flat_r90.mp4", L"flat.mov", kMedium, 90, 240, 320, false, false},
    {L"flat_r180.mp4", L"flat.mov", kLow, 180, 320, 240, false, false},
    {L"flat_r270.mp4", L"flat.mov", kHigh, 270, 240, 320, false, false},
    {L"v1_in.mp4", L"sphere_v1.mp4", kMedium, 0, 640, 320, true, true},
    {L"v2_in.mp4", L"sphere_v2.mp4", kHigh, 0, 640, 320, true, true},
    {L"v1_r180.mp4", L"sphere_v1.mp4", kLow, 180, 640, 320, true, true},
    {L"v1_r90.mp4", L"sphere_v1.mp4", kMedium, 90, 320, 640, false, false},
    {L"v2_r270.mp4", L"sphere_v2.mp4", kMedium, 270, 320, 640, false, false},
};
}  // namespace

TEST(Conversion, EveryQualityAndRotationGivesAFastStartMp4WithTheRightMetadata) {
    EngineLibrary engine;
    ASSERT_TRUE(engine.Loaded());
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << "output " << Ansi(c.output));
        std::wstring output = FreshOutputPath(c.output);
        EngineLibrary::Run run =
            engine.Convert(QualityVector(c.quality, ClipPath(c.input), output), c.rotation);
        ASSERT_EQ(run.result, kSuccess);
        ExpectHonestProgress(run);
        EXPECT_TRUE(MoovBeforeMdat(output));
        auto report = ReadSphericalMetadata(output);
        ASSERT_TRUE(report.has_value());
        EXPECT_EQ(report->width, c.width);
        EXPECT_EQ(report->height, c.height);
        EXPECT_EQ(report->hasV1, c.v1);
        EXPECT_EQ(report->hasV2, c.v2);
        if (c.v1) {
            EXPECT_NE(report->v1Xml.find("equirectangular"), std::string::npos);
        }
    }
}

TEST(Conversion, ProgressReachesItsCallbackOnTheConvertingThread) {
    EngineLibrary engine;
    ASSERT_TRUE(engine.Loaded());
    static DWORD converting = 0;
    static int elsewhere = 0;
    converting = GetCurrentThreadId();
    elsewhere = 0;
    TempFolder folder;
    EngineLibrary::Run run =
        engine.Convert(QualityVector(kMedium, ClipPath(L"flat.mov"), folder.Path() + L"thread.mp4"),
                       0, [](EngineLibrary&) { elsewhere += GetCurrentThreadId() != converting; });
    ASSERT_EQ(run.result, kSuccess);
    ExpectHonestProgress(run);
    EXPECT_EQ(elsewhere, 0);
}
