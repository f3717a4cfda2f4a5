#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "Mp4Box.h"

// Builds small MP4 files byte by byte, independently of the engine's box
// writer, for tests of the metadata rewriting.
Bytes Cat(std::initializer_list<Bytes> parts);
Bytes MakeBox(const char* type, const Bytes& content);
Bytes MakeWideBox(const char* type, const Bytes& content);
Bytes U32(uint32_t value);
Bytes U64(uint64_t value);

struct ClipSpec {
    uint32_t width = 640;
    uint32_t height = 320;
    bool moovFirst = true;
    bool wideOffsets = false;  // co64 instead of stco
    bool v1 = false;           // an earlier V1 box with foreign XML
    bool v2 = false;           // st3d and sv3d in the video sample entry
    bool fragmented = false;   // mvex in moov, a moof box
    bool tkhdVersion1 = false;
    uint32_t chunksPerTrack = 3;
    uint32_t farVideoOffset = 0;  // when not 0: where the video offsets start, far outside the file
};

struct Clip {
    Bytes bytes;
    // For every chunk, in the order of the tracks' chunk tables: its bytes.
    std::vector<std::vector<std::string>> chunks;
};

// ftyp, a video and an audio track whose chunks sit in mdat, moov before or
// after mdat.
Clip BuildClip(const ClipSpec& spec);

// Every chunk offset of every track, read from the file's bytes.
std::vector<std::vector<uint64_t>> ChunkOffsets(const Bytes& file);
