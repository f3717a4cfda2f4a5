#include <gtest/gtest.h>

#include "EngineLibrary.h"
#include "ResultCode.h"
#include "TempFolder.h"

namespace {
class Failure : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(engine.Loaded()); }

    EngineLibrary engine;
    TempFolder folder;
    std::wstring output = folder.Path() + L"out.mp4";
};
}  // namespace

TEST_F(Failure, InputsThatAreNoVideoGiveTheirOwnCodesFrom1000) {
    struct Case {
        const wchar_t* clip;
        int result;
    } cases[] = {
        {L"not_media.mp4", kInputNotMedia},
        {L"truncated.mp4", kInputNotMedia},
        {L"audio_only.mp4", kInputWithoutVideo},
        {L"no such clip.mp4", kInputMissing},
    };
    for (const Case& c : cases) {
        EngineLibrary::Run run =
            engine.Convert(QualityVector(kMedium, ClipPath(c.clip), output), 0);
        EXPECT_EQ(run.result, c.result) << Ansi(c.clip);
        EXPECT_TRUE(run.progress.empty()) << Ansi(c.clip);
        EXPECT_FALSE(folder.Exists(L"out.mp4")) << Ansi(c.clip);
    }
}

TEST_F(Failure, AnEncoderFailureLeavesNoOutput) {
    // libx264 refuses 4:2:0 at an odd width.
    EngineLibrary::Run run =
        engine.Convert(QualityVector(kHigh, ClipPath(L"odd_size.mov"), output), 0);
    EXPECT_EQ(run.result, kEncoderFailed);
    EXPECT_FALSE(folder.Exists(L"out.mp4"));
}

TEST_F(Failure, AnExistingOutputIsNeverOverwritten) {
    folder.WriteFile(L"out.mp4", "keep me");
    EngineLibrary::Run run = engine.Convert(QualityVector(kLow, ClipPath(L"flat.mov"), output), 0);
    EXPECT_EQ(run.result, kOutputExists);
    EXPECT_EQ(folder.ReadFile(L"out.mp4"), "keep me");
}

TEST_F(Failure, RotationsOtherThanRightAnglesRunNothing) {
    for (int rotation : {45, -90, 360, 1}) {
        EngineLibrary::Run run =
            engine.Convert(QualityVector(kLow, ClipPath(L"flat.mov"), output), rotation);
        EXPECT_EQ(run.result, kBadRotation) << rotation;
        EXPECT_TRUE(run.progress.empty());
        EXPECT_FALSE(folder.Exists(L"out.mp4"));
    }
}

TEST_F(Failure, UnusableVectorsAreRefused) {
    std::string in = Ansi(ClipPath(L"flat.mov")), out = Ansi(output);
    char program[] = "ffmpeg", dashI[] = "-i";
    std::vector<char*> noOutput = {program, dashI, in.data()};
    std::vector<char*> nullEntry = {program, dashI, nullptr, out.data()};
    std::vector<char*> noInputOption = {program, in.data(), out.data()};
    EXPECT_EQ(engine.ConvertRaw(0, nullptr, 0), kBadArguments);
    EXPECT_EQ(engine.ConvertRaw(4, nullptr, 0), kBadArguments);
    EXPECT_EQ(engine.ConvertRaw(-1, noOutput.data(), 0), kBadArguments);
    EXPECT_EQ(engine.ConvertRaw(3, noOutput.data(), 0), kBadArguments);
    EXPECT_EQ(engine.ConvertRaw(4, nullEntry.data(), 0), kBadArguments);
    EXPECT_EQ(engine.ConvertRaw(3, noInputOption.data(), 0), kBadArguments);
    EXPECT_FALSE(folder.Exists(L"out.mp4"));
}
