#include <gtest/gtest.h>
#include <windows.h>

#include <gdiplus.h>
#include <shlwapi.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ModuleResource.h"
#include "resource.h"

namespace {

constexpr BYTE kRgb = 2;
constexpr BYTE kRgba = 6;

struct PngEntry {
    UINT id;
    UINT width;
    UINT height;
    BYTE colourType;
};

// Every picture the program loads: id, pixel size and channels.
const PngEntry kCatalogue[] = {
    {IDB_PNG_129_HEADER_TILE_LIGHT, 15, 21, kRgb},
    {IDB_PNG_130_HEADER_TILE_GREY, 15, 21, kRgb},
    {IDB_PNG_131_HEADER_TILE_DARK, 15, 21, kRgb},
    {IDB_PNG_132_PROGRESS_TRACK, 9, 19, kRgb},
    {IDB_PNG_133_PROGRESS_FILL, 5, 17, kRgb},
    {IDB_PNG_134_CAPTION_STRIP, 49, 27, kRgb},
    {IDB_PNG_135_CAPTION_LEFT, 40, 27, kRgba},
    {IDB_PNG_136_CAPTION_RIGHT, 40, 27, kRgba},
    {IDB_PNG_137_CAPTION_CLOSE, 13, 12, kRgba},
    {IDB_PNG_138_CAPTION_HOVER_FRAME, 22, 22, kRgba},
    {IDB_PNG_139_CAPTION_MAXIMIZE, 13, 11, kRgba},
    {IDB_PNG_140_CAPTION_MINIMIZE, 12, 2, kRgba},
    {IDB_PNG_141_CAPTION_RESTORE, 14, 12, kRgba},
    {IDB_PNG_142_BROWSE_HOVER, 80, 32, kRgba},
    {IDB_PNG_143_BROWSE_NORMAL, 80, 32, kRgba},
    {IDB_PNG_144_BROWSE_PRESSED, 80, 32, kRgba},
    {IDB_PNG_145_BROWSE_DISABLED, 92, 30, kRgba},
    {IDB_PNG_146_START_HOVER, 128, 128, kRgba},
    {IDB_PNG_147_START_NORMAL, 128, 128, kRgba},
    {IDB_PNG_149_START_DISABLED, 128, 128, kRgba},
    {IDB_PNG_150_STOP_NORMAL, 128, 128, kRgba},
    {IDB_PNG_151_STOP_HOVER, 128, 128, kRgba},
    {IDB_PNG_161_UPLOAD_HOVER, 550, 289, kRgba},
    {IDB_PNG_162_UPLOAD_NORMAL, 550, 289, kRgba},
    {IDB_PNG_163_START_PRESSED, 128, 128, kRgba},
    {IDB_PNG_164_STOP_PRESSED, 128, 128, kRgba},
    {IDB_PNG_166_FILES_DISABLED, 80, 80, kRgba},
    {IDB_PNG_167_FILES_HOVER, 80, 80, kRgba},
    {IDB_PNG_168_FILES_NORMAL, 80, 80, kRgba},
    {IDB_PNG_169_FILES_PRESSED, 80, 80, kRgba},
    {IDB_PNG_170_UPLOAD_PRESSED, 550, 289, kRgba},
    {IDB_PNG_171_EMBLEM, 28, 28, kRgba},
    {IDB_PNG_174_CAPTION_SEPARATOR, 2, 12, kRgb},
    {IDB_PNG_175_CAPTION_MENU, 12, 12, kRgba},
};

// Ids inside the catalogue's range that nothing asks for.
const UINT kGaps[] = {148, 152, 153, 154, 155, 156, 157, 158, 159, 160, 165, 172, 173};

std::string_view PngResource(UINT id) { return ModuleResource(L"png", id); }

struct PngHeader {
    UINT width;
    UINT height;
    BYTE bitDepth;
    BYTE colourType;
};

// The IHDR chunk, which a PNG file must begin with after its signature.
std::optional<PngHeader> ReadPngHeader(std::string_view bytes) {
    constexpr std::string_view kSignature("\x89PNG\r\n\x1a\n", 8);
    if (bytes.size() < 33 || bytes.substr(0, 8) != kSignature || bytes.substr(12, 4) != "IHDR") {
        return std::nullopt;
    }
    auto bigEndian = [&](size_t at) {
        UINT value = 0;
        for (size_t i = 0; i < 4; ++i) {
            value = value << 8 | static_cast<BYTE>(bytes[at + i]);
        }
        return value;
    };
    return PngHeader{bigEndian(16), bigEndian(20), static_cast<BYTE>(bytes[24]),
                     static_cast<BYTE>(bytes[25])};
}

class GdiplusSession {
public:
    GdiplusSession() {
        Gdiplus::GdiplusStartupInput input;
        status_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr);
    }
    ~GdiplusSession() {
        if (status_ == Gdiplus::Ok) {
            Gdiplus::GdiplusShutdown(token_);
        }
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    bool Started() const { return status_ == Gdiplus::Ok; }

private:
    ULONG_PTR token_ = 0;
    Gdiplus::Status status_ = Gdiplus::GenericError;
};

struct ReleaseStream {
    void operator()(IStream* stream) const { stream->Release(); }
};
using StreamPtr = std::unique_ptr<IStream, ReleaseStream>;

class PngCatalogue : public ::testing::TestWithParam<PngEntry> {};

TEST_P(PngCatalogue, HeaderGivesTheCataloguedSizeAndChannels) {
    const PngEntry& entry = GetParam();
    const std::optional<PngHeader> header = ReadPngHeader(PngResource(entry.id));
    ASSERT_TRUE(header) << "no PNG resource " << entry.id;
    EXPECT_EQ(header->width, entry.width);
    EXPECT_EQ(header->height, entry.height);
    EXPECT_EQ(header->bitDepth, 8);
    EXPECT_EQ(header->colourType, entry.colourType) << "2 is RGB, 6 is RGBA";
}

TEST_P(PngCatalogue, DecodesToItsSizeWithAlphaOnlyWhereCatalogued) {
    const PngEntry& entry = GetParam();
    const std::string_view bytes = PngResource(entry.id);
    ASSERT_FALSE(bytes.empty());
    GdiplusSession gdiplus;
    ASSERT_TRUE(gdiplus.Started());
    StreamPtr stream(SHCreateMemStream(reinterpret_cast<const BYTE*>(bytes.data()),
                                       static_cast<UINT>(bytes.size())));
    ASSERT_TRUE(stream);
    Gdiplus::Bitmap bitmap(stream.get(), FALSE);
    ASSERT_EQ(bitmap.GetLastStatus(), Gdiplus::Ok);
    EXPECT_EQ(bitmap.GetWidth(), entry.width);
    EXPECT_EQ(bitmap.GetHeight(), entry.height);
    EXPECT_EQ(Gdiplus::IsAlphaPixelFormat(bitmap.GetPixelFormat()) != FALSE,
              entry.colourType == kRgba);
}

INSTANTIATE_TEST_SUITE_P(Images, PngCatalogue, ::testing::ValuesIn(kCatalogue),
                         [](const ::testing::TestParamInfo<PngEntry>& info) {
                             return "Png" + std::to_string(info.param.id);
                         });

BOOL CALLBACK CollectId(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR collected) {
    if (IS_INTRESOURCE(name)) {
        reinterpret_cast<std::vector<UINT>*>(collected)->push_back(
            static_cast<UINT>(reinterpret_cast<ULONG_PTR>(name)));
    }
    return TRUE;
}

TEST(PngResources, ExactlyTheCataloguedIdsHoldImages) {
    std::vector<UINT> found;
    EnumResourceNamesW(GetModuleHandleW(nullptr), L"PNG", CollectId,
                       reinterpret_cast<LONG_PTR>(&found));
    std::sort(found.begin(), found.end());
    std::vector<UINT> expected;
    for (const PngEntry& entry : kCatalogue) {
        expected.push_back(entry.id);
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(found, expected);
}

TEST(PngResources, GapsInTheNumberingHoldNoImage) {
    for (UINT id : kGaps) {
        EXPECT_TRUE(PngResource(id).empty()) << "unexpected PNG resource " << id;
    }
}

}  // namespace
