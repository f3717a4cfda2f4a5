#include "JobListFixture.h"

#include "JobRow.h"
#include "SphericalFile.h"

namespace {

// The suite runs beside the reference engine and ffmpeg.exe, with the clips
// the engine's own suites are made from in clips\ next to it.
std::wstring ClipBesideSuite(const wchar_t* name) {
    wchar_t module[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::wstring folder(module);
    folder.resize(folder.find_last_of(L'\\') + 1);
    return folder + L"clips\\" + name;
}

using EndToEndTest = JobListFixture;

// What a user does: drop a 360 clip, press Start, get an upload-ready file.
TEST_F(EndToEndTest, ADroppedClipBecomesDoneAndItsFileCarries360Metadata) {
    CKorvane7Dlg& window = OpenWindow();
    const std::wstring clips = Root() + L"clips\\";
    ASSERT_TRUE(CreateDirectoryW(clips.c_str(), nullptr));
    const std::wstring clip = clips + L"beach trip.mp4";
    ASSERT_TRUE(CopyFileW(ClipBesideSuite(L"sphere_av.mp4").c_str(), clip.c_str(), TRUE))
        << "the engine suites' clips are missing";
    boxes.Answer(IDOK);

    Drop({clip});
    ASSERT_EQ(Column(kProgressColumn), (std::vector<std::wstring>{L"Unprocessed"}));
    Click(window.startButton);
    ASSERT_TRUE(RunEnded());

    EXPECT_EQ(Cell(0, kProgressColumn), L"Done");
    const std::wstring output = OutputFolder() + L"beach trip_korvane7_0.mp4";
    const std::optional<SphericalReport> report = ReadSphericalMetadata(output);
    ASSERT_TRUE(report.has_value()) << "no readable video at the output path";
    EXPECT_EQ(report->width, 640u);
    EXPECT_EQ(report->height, 320u);
    EXPECT_TRUE(report->hasV1);
    EXPECT_NE(report->v1Xml.find("equirectangular"), std::string::npos);

    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].caption, L"Finish transcoding");
    ASSERT_EQ(shellCalls.size(), 1u);
    EXPECT_EQ(shellCalls[0].verb, L"explore");
    EXPECT_EQ(shellCalls[0].file, OutputFolder());
}

// A file that is no video ends as "Invalid file", and the run goes on.
TEST_F(EndToEndTest, ATextFileNamedMp4EndsAsInvalidFileAndTheNextClipStillConverts) {
    CKorvane7Dlg& window = OpenWindow();
    const std::wstring clips = Root() + L"clips\\";
    ASSERT_TRUE(CreateDirectoryW(clips.c_str(), nullptr));
    ASSERT_TRUE(CopyFileW(ClipBesideSuite(L"not_media.mp4").c_str(), (clips + L"notes.mp4").c_str(), TRUE));
    ASSERT_TRUE(CopyFileW(ClipBesideSuite(L"flat.mov").c_str(), (clips + L"flat.mov").c_str(), TRUE));
    boxes.Answer(IDCANCEL);

    Drop({clips + L"notes.mp4", clips + L"flat.mov"});
    Click(window.startButton);
    ASSERT_TRUE(RunEnded());

    EXPECT_EQ(Column(kProgressColumn), (std::vector<std::wstring>{L"Invalid file", L"Done"}));
    const std::optional<SphericalReport> report = ReadSphericalMetadata(OutputFolder() + L"flat_korvane7_0.mp4");
    ASSERT_TRUE(report.has_value());
    EXPECT_FALSE(report->hasV1) << "a 4:3 picture is not marked as 360";
    EXPECT_FALSE(report->hasV2);
}

}  // namespace
