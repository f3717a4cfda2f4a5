#include <windows.h>

#include <gtest/gtest.h>

#include "EngineLibrary.h"
#include "ResultCode.h"
#include "SphericalFile.h"
#include "TempFolder.h"

namespace {
bool CopyClip(const std::wstring& clip, const std::wstring& to) {
    return CopyFileW(ClipPath(clip).c_str(), to.c_str(), TRUE) != 0;
}

// Letters outside ASCII that this thread's ANSI code page can carry.
std::wstring NonAsciiName() {
    for (const wchar_t* candidate : {L"\u00e9t\u00e9 \u00f1\u00fc", L"\u0436\u0443\u043a",
                                     L"\u03b1\u03b2\u03b3", L"\u65e5\u672c"}) {
        if (!Ansi(candidate).empty()) return candidate;
    }
    return {};
}
}  // namespace

TEST(FileNames, AwkwardNamesConvertTheRightFile) {
    EngineLibrary engine;
    ASSERT_TRUE(engine.Loaded());
    TempFolder folder;
    std::wstring nonAscii = NonAsciiName();
    ASSERT_FALSE(nonAscii.empty());
    std::wstring subfolder = folder.Path() + L"-sub folder 'x'\\";
    ASSERT_TRUE(CreateDirectoryW(subfolder.c_str(), nullptr));
    // A 2:1 decoy under each name cut at its first blank or quote: a split
    // name would convert the wrong picture.
    for (const wchar_t* decoy : {L"with", L"it", L"-leading", L"%PATH%"})
        ASSERT_TRUE(CopyClip(L"sphere_av.mp4", folder.Path() + decoy));

    const std::wstring stems[] = {
        L"with  two blanks",   L"it's 'quoted'", L"-leading dash",
        L"%PATH% & (x) ^;,=!", nonAscii,         L"-sub folder 'x'\\" + nonAscii + L" -i"};
    for (const std::wstring& stem : stems) {
        SCOPED_TRACE(testing::Message() << "name " << Ansi(stem));
        std::wstring input = folder.Path() + stem + L".mov";
        std::wstring output = folder.Path() + stem + L"_korvane7_1.mp4";
        ASSERT_TRUE(CopyClip(L"flat.mov", input));
        ASSERT_FALSE(Ansi(input).empty());
        EngineLibrary::Run run = engine.Convert(QualityVector(kLow, input, output), 0);
        ASSERT_EQ(run.result, kSuccess);
        auto report = ReadSphericalMetadata(output);
        ASSERT_TRUE(report.has_value());
        EXPECT_EQ(report->width, 320u);
        EXPECT_EQ(report->height, 240u);
    }
}
