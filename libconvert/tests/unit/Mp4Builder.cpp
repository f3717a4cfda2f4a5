#include "Mp4Builder.h"

#include <cstring>

namespace {
const uint8_t kSphericalUuid[16] = {0xFF, 0xCC, 0x82, 0x63, 0xF8, 0x55, 0x4A, 0x93,
                                    0x88, 0x14, 0x58, 0x7A, 0x02, 0x52, 0x1F, 0xDD};

Bytes Text(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

Bytes FullBox(const char* type, uint8_t version, const Bytes& content) {
    return MakeBox(type, Cat({{version, 0, 0, 0}, content}));
}

Bytes TrackHeader(const ClipSpec& spec, uint32_t id, uint32_t width, uint32_t height) {
    Bytes times = spec.tkhdVersion1 ? Cat({U64(0), U64(0), U32(id), U32(0), U64(2000)})
                                    : Cat({U32(0), U32(0), U32(id), U32(0), U32(2000)});
    Bytes matrix = Cat({U32(0x10000), U32(0), U32(0), U32(0), U32(0x10000), U32(0), U32(0), U32(0),
                        U32(0x40000000)});
    return FullBox(
        "tkhd", spec.tkhdVersion1 ? 1 : 0,
        Cat({times, Bytes(8, 0), Bytes(8, 0), matrix, U32(width << 16), U32(height << 16)}));
}

Bytes Handler(const char* kind) {
    return FullBox("hdlr", 0,
                   Cat({U32(0), Text(kind), Bytes(12, 0), Text("Handler"), Bytes(1, 0)}));
}

Bytes ChunkTable(const ClipSpec& spec, const std::vector<uint64_t>& offsets) {
    Bytes entries = U32(static_cast<uint32_t>(offsets.size()));
    for (uint64_t offset : offsets)
        entries =
            Cat({entries, spec.wideOffsets ? U64(offset) : U32(static_cast<uint32_t>(offset))});
    return FullBox(spec.wideOffsets ? "co64" : "stco", 0, entries);
}

Bytes VideoSampleEntry(const ClipSpec& spec) {
    Bytes fields(78, 0);
    fields[7] = 1;  // data reference index
    fields[24] = uint8_t(spec.width >> 8);
    fields[25] = uint8_t(spec.width);
    fields[26] = uint8_t(spec.height >> 8);
    fields[27] = uint8_t(spec.height);
    Bytes content = Cat({fields, MakeBox("avcC", Bytes(20, 0x42))});
    if (spec.v2) {
        Bytes st3d = FullBox("st3d", 0, {0});
        Bytes svhd = FullBox("svhd", 0, Text(std::string("builder") + '\0'));
        Bytes proj = MakeBox(
            "proj", Cat({FullBox("prhd", 0, Bytes(12, 0)), FullBox("equi", 0, Bytes(16, 0))}));
        content = Cat({content, st3d, MakeBox("sv3d", Cat({svhd, proj}))});
    }
    content = Cat({content, MakeBox("pasp", Cat({U32(1), U32(1)}))});
    return MakeBox("avc1", content);
}

Bytes Track(const ClipSpec& spec, bool video, const std::vector<uint64_t>& offsets) {
    Bytes entry = video ? VideoSampleEntry(spec)
                        : MakeBox("mp4a", Cat({Bytes(28, 0), MakeBox("esds", Bytes(30, 5))}));
    Bytes stbl =
        MakeBox("stbl", Cat({FullBox("stsd", 0, Cat({U32(1), entry})), FullBox("stts", 0, U32(0)),
                             FullBox("stsc", 0, U32(0)), FullBox("stsz", 0, Cat({U32(0), U32(0)})),
                             ChunkTable(spec, offsets)}));
    Bytes minf = MakeBox("minf", Cat({FullBox(video ? "vmhd" : "smhd", 0, Bytes(8, 0)), stbl}));
    Bytes mdia = MakeBox(
        "mdia", Cat({FullBox("mdhd", 0, Bytes(20, 0)), Handler(video ? "vide" : "soun"), minf}));
    Bytes trak = Cat(
        {TrackHeader(spec, video ? 1 : 2, video ? spec.width : 0, video ? spec.height : 0), mdia});
    if (video && spec.v1) {
        Bytes uuid(kSphericalUuid, kSphericalUuid + sizeof(kSphericalUuid));
        trak = Cat({trak, MakeBox("uuid", Cat({uuid, Text("<old/>")}))});
    }
    return MakeBox("trak", Cat({trak, MakeBox("udta", Bytes(6, 1))}));
}

std::string ChunkText(const char* kind, uint32_t index) {
    std::string text = std::string(kind) + "-chunk-" + std::to_string(index);
    text.resize(16, '.');
    return text;
}
}  // namespace

Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes U32(uint32_t value) {
    return {uint8_t(value >> 24), uint8_t(value >> 16), uint8_t(value >> 8), uint8_t(value)};
}

Bytes U64(uint64_t value) {
    return Cat({U32(uint32_t(value >> 32)), U32(uint32_t(value))});
}

Bytes MakeBox(const char* type, const Bytes& content) {
    return Cat({U32(static_cast<uint32_t>(content.size() + 8)), Text(type), content});
}

Bytes MakeWideBox(const char* type, const Bytes& content) {
    return Cat({U32(1), Text(type), U64(content.size() + 16), content});
}

Clip BuildClip(const ClipSpec& spec) {
    Clip clip;
    clip.chunks.resize(2);
    Bytes media;
    std::vector<uint64_t> chunkPlaces[2];  // offsets inside mdat's content
    for (uint32_t i = 0; i < spec.chunksPerTrack; ++i) {
        for (int track = 0; track < 2; ++track) {
            std::string text = ChunkText(track == 0 ? "video" : "audio", i);
            chunkPlaces[track].push_back(media.size());
            clip.chunks[track].push_back(text);
            media = Cat({media, Text(text)});
        }
    }
    Bytes ftyp = MakeBox("ftyp", Cat({Text("isom"), U32(0x200), Text("isomiso2avc1mp41")}));
    Bytes mdat = MakeBox("mdat", media);

    auto moovFor = [&](uint64_t mediaStart) {
        std::vector<uint64_t> offsets[2];
        for (int track = 0; track < 2; ++track) {
            for (uint64_t place : chunkPlaces[track])
                offsets[track].push_back(
                    (track == 0 && spec.farVideoOffset ? spec.farVideoOffset : mediaStart) + place);
        }
        Bytes content = Cat({FullBox("mvhd", 0, Bytes(96, 0)), Track(spec, true, offsets[0]),
                             Track(spec, false, offsets[1])});
        if (spec.fragmented)
            content = Cat({content, MakeBox("mvex", FullBox("trex", 0, Bytes(20, 0)))});
        return MakeBox("moov", content);
    };
    // The moov box's size does not depend on the offset values.
    size_t moovSize = moovFor(0).size();
    if (spec.moovFirst) {
        clip.bytes = Cat({ftyp, moovFor(ftyp.size() + moovSize + 8), mdat});
    } else {
        clip.bytes = Cat({ftyp, mdat, moovFor(ftyp.size() + 8)});
    }
    if (spec.fragmented)
        clip.bytes = Cat({clip.bytes, MakeBox("moof", FullBox("mfhd", 0, U32(1)))});
    return clip;
}

std::vector<std::vector<uint64_t>> ChunkOffsets(const Bytes& file) {
    std::vector<std::vector<uint64_t>> tables;
    auto top = ParseBoxes(file.data(), file.size());
    if (!top) return tables;
    for (Box& moov : *top) {
        if (moov.type != FourCc("moov") || !OpenBox(moov, 0)) continue;
        for (Box& trak : moov.children) {
            if (trak.type != FourCc("trak") || !OpenBox(trak, 0)) continue;
            Box* mdia = trak.Child(FourCc("mdia"));
            Box* minf = mdia && OpenBox(*mdia, 0) ? mdia->Child(FourCc("minf")) : nullptr;
            Box* stbl = minf && OpenBox(*minf, 0) ? minf->Child(FourCc("stbl")) : nullptr;
            if (!stbl || !OpenBox(*stbl, 0)) continue;
            std::vector<uint64_t> offsets;
            for (const Box& table : stbl->children) {
                bool wide = table.type == FourCc("co64");
                if (!wide && table.type != FourCc("stco")) continue;
                uint32_t count = ReadU32(&table.data[4]);
                for (uint32_t i = 0; i < count; ++i) {
                    const uint8_t* at = &table.data[8 + i * (wide ? 8 : 4)];
                    offsets.push_back(wide ? ReadU64(at) : ReadU32(at));
                }
            }
            tables.push_back(offsets);
        }
    }
    return tables;
}
