#include <windows.h>

#include <gtest/gtest.h>

#include "Mp4Builder.h"
#include "SphericalFile.h"
#include "TempFolder.h"
#include "UniqueHandle.h"

namespace {
const size_t kV1BoxSize = SphericalV1Box().Size();

Bytes ToBytes(const std::string& text) {
    return Bytes(text.begin(), text.end());
}
std::string ToText(const Bytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

// Every chunk offset still leads to that chunk's bytes.
void ExpectChunksInPlace(const Bytes& file, const Clip& clip) {
    auto tables = ChunkOffsets(file);
    ASSERT_EQ(tables.size(), clip.chunks.size());
    for (size_t track = 0; track < tables.size(); ++track) {
        ASSERT_EQ(tables[track].size(), clip.chunks[track].size());
        for (size_t i = 0; i < tables[track].size(); ++i) {
            uint64_t offset = tables[track][i];
            ASSERT_LE(offset + 16, file.size());
            EXPECT_EQ(std::string(file.begin() + offset, file.begin() + offset + 16),
                      clip.chunks[track][i]);
        }
    }
}

size_t FileCount(const std::wstring& folder) {
    size_t count = 0;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++count;
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return count;
}

class SphericalFile : public ::testing::Test {
protected:
    // Writes the clip, rewrites it and returns the outcome; the result is in written.
    MetadataOutcome Rewrite(const Clip& clip) {
        path = folder.WriteFile(L"clip.mp4", ToText(clip.bytes));
        MetadataOutcome outcome = WriteSphericalMetadata(path);
        written = ToBytes(folder.ReadFile(L"clip.mp4"));
        return outcome;
    }

    TempFolder folder;
    std::wstring path;
    Bytes written;
};
}  // namespace

TEST_F(SphericalFile, EquirectangularPictureGetsV1AndEveryOffsetFollows) {
    struct Case {
        bool moovFirst, wideOffsets, tkhdVersion1;
    } cases[] = {
        {true, false, false}, {true, true, false}, {false, false, false}, {false, true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "moovFirst " << c.moovFirst << " co64 " << c.wideOffsets);
        ClipSpec spec;
        spec.moovFirst = c.moovFirst;
        spec.wideOffsets = c.wideOffsets;
        spec.tkhdVersion1 = c.tkhdVersion1;
        Clip clip = BuildClip(spec);
        ASSERT_EQ(Rewrite(clip), MetadataOutcome::Written);
        EXPECT_EQ(written.size(), clip.bytes.size() + kV1BoxSize);
        ExpectChunksInPlace(written, clip);
        auto report = ReadSphericalMetadata(path);
        ASSERT_TRUE(report.has_value());
        EXPECT_EQ(report->width, 640u);
        EXPECT_EQ(report->height, 320u);
        EXPECT_TRUE(report->hasV1);
        EXPECT_FALSE(report->hasV2);
        for (const char* required :
             {"<GSpherical:Spherical>true</GSpherical:Spherical>",
              "<GSpherical:Stitched>true</GSpherical:Stitched>",
              "<GSpherical:ProjectionType>equirectangular</GSpherical:ProjectionType>",
              "<GSpherical:StitchingSoftware>KORVANE7 Video "
              "Converter</GSpherical:StitchingSoftware>",
              "xmlns:GSpherical=\"http://ns.google.com/videos/1.0/spherical/\"",
              "xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\""})
            EXPECT_NE(report->v1Xml.find(required), std::string::npos) << required;
        EXPECT_EQ(FileCount(folder.Path()), 1u);
    }
}

TEST_F(SphericalFile, V1GoesLastIntoTheVideoTrackOnly) {
    Clip clip = BuildClip(ClipSpec{});
    ASSERT_EQ(Rewrite(clip), MetadataOutcome::Written);
    auto top = ParseBoxes(written.data(), written.size());
    ASSERT_TRUE(top.has_value());
    Box* moov = nullptr;
    for (Box& box : *top) {
        if (box.type == FourCc("moov")) moov = &box;
    }
    ASSERT_NE(moov, nullptr);
    ASSERT_TRUE(OpenBox(*moov, 0));
    std::vector<uint32_t> lastChildren;
    for (Box& trak : moov->children) {
        if (trak.type != FourCc("trak")) continue;
        ASSERT_TRUE(OpenBox(trak, 0));
        lastChildren.push_back(trak.children.back().type);
    }
    EXPECT_EQ(lastChildren, (std::vector<uint32_t>{FourCc("uuid"), FourCc("udta")}));
}

TEST_F(SphericalFile, AnEarlierV1IsReplacedAndARewriteIsStable) {
    ClipSpec spec;
    spec.v1 = true;
    spec.v2 = true;
    Clip clip = BuildClip(spec);
    ASSERT_EQ(Rewrite(clip), MetadataOutcome::Written);
    Bytes once = written;
    ASSERT_EQ(WriteSphericalMetadata(path), MetadataOutcome::Written);
    EXPECT_EQ(ToBytes(folder.ReadFile(L"clip.mp4")), once);
    auto report = ReadSphericalMetadata(path);
    ASSERT_TRUE(report.has_value());
    EXPECT_EQ(report->v1Xml.find("<old/>"), std::string::npos);
    EXPECT_TRUE(report->hasV2);  // what ffmpeg.exe wrote for a 2:1 picture stays
    ExpectChunksInPlace(once, clip);
}

TEST_F(SphericalFile, OtherPicturesLoseAllSphericalMetadata) {
    for (bool moovFirst : {true, false}) {
        SCOPED_TRACE(moovFirst);
        ClipSpec spec;
        spec.width = 320;
        spec.height = 640;
        spec.moovFirst = moovFirst;
        spec.v1 = true;
        spec.v2 = true;
        Clip clip = BuildClip(spec);
        ASSERT_EQ(Rewrite(clip), MetadataOutcome::Written);
        EXPECT_LT(written.size(), clip.bytes.size());
        ExpectChunksInPlace(written, clip);
        auto report = ReadSphericalMetadata(path);
        ASSERT_TRUE(report.has_value());
        EXPECT_FALSE(report->hasV1);
        EXPECT_FALSE(report->hasV2);
        EXPECT_EQ(report->width, 320u);
        EXPECT_EQ(report->height, 640u);
    }
}

TEST_F(SphericalFile, FilesThatNeedNothingOrCannotBeEditedStayByteForByte) {
    ClipSpec flat;
    flat.width = 320;
    flat.height = 240;
    ClipSpec fragmented;
    fragmented.fragmented = true;
    ClipSpec offsetOverflow;  // a shift would push a 32-bit offset past its field
    offsetOverflow.farVideoOffset = 0xFFFFFF00u;
    Clip truncated = BuildClip(ClipSpec{});
    truncated.bytes.resize(truncated.bytes.size() - 10);
    Clip text;
    text.bytes = ToBytes("This is not a video at all.\n");
    Clip noVideo;
    noVideo.bytes = MakeBox("moov", MakeBox("mvhd", Bytes(100, 0)));

    struct Case {
        const char* name;
        Clip clip;
        MetadataOutcome outcome;
    } cases[] = {
        {"flat", BuildClip(flat), MetadataOutcome::Unchanged},
        {"fragmented", BuildClip(fragmented), MetadataOutcome::LeftAlone},
        {"offset overflow", BuildClip(offsetOverflow), MetadataOutcome::LeftAlone},
        {"truncated", truncated, MetadataOutcome::LeftAlone},
        {"text", text, MetadataOutcome::LeftAlone},
        {"no video track", noVideo, MetadataOutcome::LeftAlone},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Rewrite(c.clip), c.outcome) << c.name;
        EXPECT_EQ(written, c.clip.bytes) << c.name;
        EXPECT_EQ(FileCount(folder.Path()), 1u) << c.name;
    }
}

TEST_F(SphericalFile, AFileThatCannotBeReplacedStaysAsItWas) {
    Clip clip = BuildClip(ClipSpec{});
    path = folder.WriteFile(L"clip.mp4", ToText(clip.bytes));
    {
        // Another program reads the file and lets nobody rename or delete it.
        UniqueHandle reader(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(reader.Valid());
        EXPECT_EQ(WriteSphericalMetadata(path), MetadataOutcome::WriteFailed);
    }
    EXPECT_EQ(ToBytes(folder.ReadFile(L"clip.mp4")), clip.bytes);
    EXPECT_EQ(FileCount(folder.Path()), 1u);
}

TEST_F(SphericalFile, AMissingFileCannotBeWritten) {
    EXPECT_EQ(WriteSphericalMetadata(folder.Path() + L"none.mp4"), MetadataOutcome::WriteFailed);
    EXPECT_FALSE(ReadSphericalMetadata(folder.Path() + L"none.mp4").has_value());
}
