#include <gtest/gtest.h>

#include <algorithm>

#include "FfmpegCommand.h"

namespace {
using Args = std::vector<std::wstring>;

// The application's vectors for Low, Medium and High, without "ffmpeg".
const Args kLow = {L"-i",    L"C:\\in.mp4", L"-b:v", L"4096k",   L"-r",
                   L"15",    L"-profile:v", L"main", L"-preset", L"veryfast",
                   L"-refs", L"1",          L"-bf",  L"0",       L"D:\\out.mp4"};
const Args kMedium = {L"-i",   L"C:\\in.mp4", L"-b:v",       L"10000k", L"-profile:v",
                      L"main", L"-preset",    L"veryfast",   L"-refs",  L"2",
                      L"-bf",  L"1",          L"D:\\out.mp4"};
const Args kHigh = {L"-i", L"C:\\in.mp4", L"-b:v", L"20000k", L"D:\\out.mp4"};

const Args kGlobalAdditions = {L"-n", L"-progress", L"pipe:1", L"-nostats"};
const Args kOutputAdditions = {L"-c:v", L"libx264",   L"-pix_fmt",   L"yuv420p", L"-c:a",
                               L"aac",  L"-movflags", L"+faststart", L"-strict", L"unofficial"};

Args Concat(std::initializer_list<Args> parts) {
    Args all;
    for (const Args& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

Args Convert(const Args& vector, int rotation = 0) {
    auto job = ReadJobArguments(vector);
    EXPECT_TRUE(job.has_value());
    if (!job) return {};
    return ConversionArguments(*job, *RotationFilter(rotation));
}

size_t CountOf(const Args& args, const std::wstring& entry) {
    return static_cast<size_t>(std::count(args.begin(), args.end(), entry));
}

// The value that follows the first occurrence of option.
std::wstring ValueOf(const Args& args, const std::wstring& option) {
    auto found = std::find(args.begin(), args.end(), option);
    return found == args.end() || found + 1 == args.end() ? L"(absent)" : *(found + 1);
}
}  // namespace

TEST(FfmpegCommand, ApplicationVectorsGetExactlyTheUploadAdditions) {
    struct Case {
        const Args& vector;
        Args middle;  // the vector's options between input and output
    } cases[] = {
        {kLow, Args(kLow.begin() + 2, kLow.end() - 1)},
        {kMedium, Args(kMedium.begin() + 2, kMedium.end() - 1)},
        {kHigh, Args(kHigh.begin() + 2, kHigh.end() - 1)},
    };
    for (const Case& c : cases) {
        Args expected = Concat({kGlobalAdditions,
                                {L"-i", L"file:C:\\in.mp4"},
                                c.middle,
                                kOutputAdditions,
                                {L"file:D:\\out.mp4"}});
        EXPECT_EQ(Convert(c.vector), expected);
    }
}

TEST(FfmpegCommand, RotationBecomesAClockwiseVideoFilter) {
    struct Case {
        int rotation;
        const wchar_t* filter;
    } cases[] = {{90, L"transpose=clock"}, {180, L"hflip,vflip"}, {270, L"transpose=cclock"}};
    for (const Case& c : cases) {
        Args expected = Concat({kGlobalAdditions,
                                {L"-i", L"file:C:\\in.mp4"},
                                Args(kHigh.begin() + 2, kHigh.end() - 1),
                                kOutputAdditions,
                                {L"-vf", c.filter, L"file:D:\\out.mp4"}});
        EXPECT_EQ(Convert(kHigh, c.rotation), expected) << c.rotation;
    }
    EXPECT_EQ(CountOf(Convert(kMedium, 0), L"-vf"), 0u);
}

TEST(FfmpegCommand, OnlyRightAnglesAreRotations) {
    for (int rotation : {0, 90, 180, 270})
        EXPECT_TRUE(RotationFilter(rotation).has_value()) << rotation;
    for (int rotation : {-90, 1, 45, 89, 360, 450, -1})
        EXPECT_FALSE(RotationFilter(rotation).has_value()) << rotation;
}

TEST(FfmpegCommand, OptionsTheVectorSetsAreNeverOverridden) {
    struct Case {
        Args options;                      // put between input and output
        std::vector<std::wstring> absent;  // additions that must not appear
        std::wstring option, value;        // and the vector's own value that must stay
    } cases[] = {
        {{L"-c:v", L"mpeg4"}, {L"libx264"}, L"-c:v", L"mpeg4"},
        {{L"-vcodec", L"mpeg4"}, {L"libx264"}, L"-vcodec", L"mpeg4"},
        {{L"-c", L"copy"}, {L"libx264", L"aac"}, L"-c", L"copy"},
        {{L"-c:a", L"libmp3lame"}, {L"aac"}, L"-c:a", L"libmp3lame"},
        {{L"-an"}, {L"aac"}, L"-c:v", L"libx264"},
        {{L"-pix_fmt", L"yuv444p"}, {L"yuv420p"}, L"-pix_fmt", L"yuv444p"},
        {{L"-movflags", L"frag_keyframe"}, {L"+faststart"}, L"-movflags", L"frag_keyframe"},
        {{L"-strict", L"experimental"}, {L"unofficial"}, L"-strict", L"experimental"},
        {{L"-y"}, {L"-n"}, L"-c:v", L"libx264"},
    };
    for (const Case& c : cases) {
        Args args = Convert(Concat({{L"-i", L"in.mp4"}, c.options, {L"out.mp4"}}));
        for (const std::wstring& addition : c.absent)
            EXPECT_EQ(CountOf(args, addition), 0u) << addition;
        EXPECT_EQ(CountOf(args, c.option), 1u) << c.option;
        EXPECT_EQ(ValueOf(args, c.option), c.value);
    }
}

TEST(FfmpegCommand, VideoCodecForVideoLeavesAudioToUs) {
    Args args = Convert({L"-i", L"in.mp4", L"-c:v:0", L"libx265", L"out.mp4"});
    EXPECT_EQ(CountOf(args, L"libx264"), 0u);
    EXPECT_EQ(ValueOf(args, L"-c:a"), L"aac");
}

TEST(FfmpegCommand, RotationJoinsTheVectorsOwnVideoFilter) {
    Args expected = Concat({kGlobalAdditions,
                            {L"-i", L"file:in.mp4", L"-vf", L"scale=640:320,transpose=clock"},
                            kOutputAdditions,
                            {L"file:out.mp4"}});
    EXPECT_EQ(Convert({L"-i", L"in.mp4", L"-vf", L"scale=640:320", L"out.mp4"}, 90), expected);
}

TEST(FfmpegCommand, PathsAreFileAddressesWhateverTheyLookLike) {
    auto job = ReadJobArguments({L"-i", L"-c:v", L"-y"});
    ASSERT_TRUE(job.has_value());
    EXPECT_EQ(job->InputPath(), L"-c:v");
    EXPECT_EQ(job->OutputPath(), L"-y");
    // Neither path counts as the option it resembles.
    EXPECT_FALSE(job->SetsOption({L"-c:v", L"-y"}));
    Args args = ConversionArguments(*job, L"");
    EXPECT_EQ(ValueOf(args, L"-i"), L"file:-c:v");
    EXPECT_EQ(args.back(), L"file:-y");
    EXPECT_EQ(CountOf(args, L"-n"), 1u);

    auto addressed = ReadJobArguments({L"-i", L"file:C:\\in.mp4", L"file:C:\\out.mp4"});
    ASSERT_TRUE(addressed.has_value());
    EXPECT_EQ(addressed->InputPath(), L"C:\\in.mp4");
    EXPECT_EQ(ConversionArguments(*addressed, L"").back(), L"file:C:\\out.mp4");
}

TEST(FfmpegCommand, VectorsWithoutInputOrOutputAreRefused) {
    const Args cases[] = {
        {},
        {L"-i"},
        {L"-i", L"in.mp4"},
        {L"in.mp4", L"out.mp4"},
        {L"-i", L"", L"out.mp4"},
        {L"-i", L"in.mp4", L""},
        {L"-b:v", L"4096k", L"-i"},
    };
    for (const Args& vector : cases)
        EXPECT_FALSE(ReadJobArguments(vector).has_value()) << vector.size();
}

TEST(FfmpegCommand, ProbeOnlyListsTheInput) {
    EXPECT_EQ(ProbeArguments(L"-odd name.mp4"),
              (Args{L"-hide_banner", L"-nostdin", L"-i", L"file:-odd name.mp4"}));
}
