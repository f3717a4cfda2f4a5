#include "SphericalMoov.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {
const uint8_t kSphericalUuid[16] = {0xFF, 0xCC, 0x82, 0x63, 0xF8, 0x55, 0x4A, 0x93,
                                    0x88, 0x14, 0x58, 0x7A, 0x02, 0x52, 0x1F, 0xDD};

const char kSphericalXml[] =
    "<?xml version=\"1.0\"?>"
    "<rdf:SphericalVideo xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\" "
    "xmlns:GSpherical=\"http://ns.google.com/videos/1.0/spherical/\">"
    "<GSpherical:Spherical>true</GSpherical:Spherical>"
    "<GSpherical:Stitched>true</GSpherical:Stitched>"
    "<GSpherical:StitchingSoftware>KORVANE7 Video Converter</GSpherical:StitchingSoftware>"
    "<GSpherical:ProjectionType>equirectangular</GSpherical:ProjectionType>"
    "</rdf:SphericalVideo>";

// Bytes before the children: version, flags and entry count of stsd; the
// fixed fields of a visual sample entry.
constexpr size_t kSampleDescriptionFields = 8;
constexpr size_t kVisualSampleEntryFields = 78;

bool IsSphericalUuid(const Box& box) {
    return box.type == FourCc("uuid") && box.data.size() >= sizeof(kSphericalUuid) &&
           std::memcmp(box.data.data(), kSphericalUuid, sizeof(kSphericalUuid)) == 0;
}

bool IsSphericalV2(const Box& box) {
    return box.type == FourCc("st3d") || box.type == FourCc("sv3d");
}

// Opens moov and, in every track, the boxes down to its sample table.
bool OpenSampleTables(Box& moov) {
    if (!OpenBox(moov, 0)) return false;
    for (Box& trak : moov.children) {
        if (trak.type != FourCc("trak")) continue;
        if (!OpenBox(trak, 0)) return false;
        Box* mdia = trak.Child(FourCc("mdia"));
        if (!mdia || !OpenBox(*mdia, 0)) return false;
        Box* minf = mdia->Child(FourCc("minf"));
        if (!minf || !OpenBox(*minf, 0)) return false;
        Box* stbl = minf->Child(FourCc("stbl"));
        if (!stbl || !OpenBox(*stbl, 0)) return false;
    }
    return true;
}

Box* SampleTable(Box& trak) {
    return trak.Child(FourCc("mdia"))->Child(FourCc("minf"))->Child(FourCc("stbl"));
}

// The first track whose handler is "vide"; tracks must be open.
Box* VideoTrack(Box& moov) {
    for (Box& trak : moov.children) {
        if (trak.type != FourCc("trak")) continue;
        Box* hdlr = trak.Child(FourCc("mdia"))->Child(FourCc("hdlr"));
        // Version and flags, pre_defined, then the handler type.
        if (hdlr && hdlr->data.size() >= 12 && ReadU32(&hdlr->data[8]) == FourCc("vide"))
            return &trak;
    }
    return nullptr;
}

struct PictureSize {
    uint32_t width = 0;  // 16.16 fixed point
    uint32_t height = 0;
};

// The track's presentation size from tkhd.
std::optional<PictureSize> TrackPicture(Box& trak) {
    Box* tkhd = trak.Child(FourCc("tkhd"));
    if (!tkhd || tkhd->data.empty()) return std::nullopt;
    // Version 1 has 64-bit times and duration.
    size_t widthAt = tkhd->data[0] == 1 ? 88 : 76;
    if (tkhd->data.size() < widthAt + 8) return std::nullopt;
    return PictureSize{ReadU32(&tkhd->data[widthAt]), ReadU32(&tkhd->data[widthAt + 4])};
}

bool IsEquirectangular(const PictureSize& picture) {
    return picture.height > 0 && uint64_t{picture.width} == 2 * uint64_t{picture.height};
}

template <typename Predicate>
bool RemoveChildren(Box& parent, Predicate predicate) {
    auto kept = std::remove_if(parent.children.begin(), parent.children.end(), predicate);
    bool removed = kept != parent.children.end();
    parent.children.erase(kept, parent.children.end());
    return removed;
}

// Opens the video track's sample entries; nothing when they do not parse.
std::vector<Box>* VideoSampleEntries(Box& videoTrak) {
    Box* stsd = SampleTable(videoTrak)->Child(FourCc("stsd"));
    if (!stsd || !OpenBox(*stsd, kSampleDescriptionFields)) return nullptr;
    for (Box& entry : stsd->children) {
        if (!OpenBox(entry, kVisualSampleEntryFields)) return nullptr;
    }
    return &stsd->children;
}

bool ShiftTable(Box& table, size_t entrySize, uint64_t firstMoved, int64_t delta) {
    Bytes& data = table.data;
    if (data.size() < 8) return false;
    uint32_t count = ReadU32(&data[4]);
    if ((data.size() - 8) / entrySize < count) return false;
    uint64_t largest = entrySize == 4 ? std::numeric_limits<uint32_t>::max()
                                      : std::numeric_limits<uint64_t>::max();
    for (size_t i = 0; i < count; ++i) {
        uint8_t* at = &data[8 + i * entrySize];
        uint64_t offset = entrySize == 4 ? ReadU32(at) : ReadU64(at);
        if (offset < firstMoved) continue;
        if (delta < 0 && offset < uint64_t(-delta)) return false;
        if (delta > 0 && largest - offset < uint64_t(delta)) return false;
        uint64_t moved = offset + static_cast<uint64_t>(delta);
        if (entrySize == 4) {
            WriteU32(at, static_cast<uint32_t>(moved));
        } else {
            WriteU64(at, moved);
        }
    }
    return true;
}
}  // namespace

Box SphericalV1Box() {
    Box box;
    box.type = FourCc("uuid");
    box.data.resize(sizeof(kSphericalUuid) + sizeof(kSphericalXml) - 1);
    std::memcpy(box.data.data(), kSphericalUuid, sizeof(kSphericalUuid));
    std::memcpy(box.data.data() + sizeof(kSphericalUuid), kSphericalXml, sizeof(kSphericalXml) - 1);
    return box;
}

MoovEdit ApplySphericalPolicy(Box& moov) {
    if (!OpenSampleTables(moov)) return MoovEdit::Unsupported;
    // Fragments carry their own offsets; they are left as they are.
    if (moov.Child(FourCc("mvex"))) return MoovEdit::Unsupported;
    Box* video = VideoTrack(moov);
    if (!video) return MoovEdit::Unsupported;
    auto picture = TrackPicture(*video);
    if (!picture) return MoovEdit::Unsupported;

    bool removed = RemoveChildren(*video, IsSphericalUuid);
    if (IsEquirectangular(*picture)) {
        video->children.push_back(SphericalV1Box());
        return MoovEdit::Changed;
    }
    std::vector<Box>* entries = VideoSampleEntries(*video);
    if (!entries) return MoovEdit::Unsupported;
    for (Box& entry : *entries) removed = RemoveChildren(entry, IsSphericalV2) || removed;
    return removed ? MoovEdit::Changed : MoovEdit::Unchanged;
}

bool ShiftChunkOffsets(Box& moov, uint64_t firstMoved, int64_t delta) {
    if (!OpenSampleTables(moov)) return false;
    for (Box& trak : moov.children) {
        if (trak.type != FourCc("trak")) continue;
        for (Box& table : SampleTable(trak)->children) {
            if (table.type == FourCc("stco") && !ShiftTable(table, 4, firstMoved, delta))
                return false;
            if (table.type == FourCc("co64") && !ShiftTable(table, 8, firstMoved, delta))
                return false;
        }
    }
    return true;
}

std::optional<SphericalReport> DescribeSpherical(Box moov) {
    if (!OpenSampleTables(moov)) return std::nullopt;
    Box* video = VideoTrack(moov);
    if (!video) return std::nullopt;
    SphericalReport report;
    if (auto picture = TrackPicture(*video)) {
        report.width = picture->width >> 16;
        report.height = picture->height >> 16;
    }
    for (const Box& child : video->children) {
        if (!IsSphericalUuid(child)) continue;
        report.hasV1 = true;
        report.v1Xml.assign(child.data.begin() + sizeof(kSphericalUuid), child.data.end());
    }
    if (std::vector<Box>* entries = VideoSampleEntries(*video)) {
        for (const Box& entry : *entries) {
            report.hasV2 = report.hasV2 ||
                           std::any_of(entry.children.begin(), entry.children.end(), IsSphericalV2);
        }
    }
    return report;
}
