#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "Mp4Box.h"

// The Spherical Video V1 box (equirectangular, mono) that YouTube reads: a
// "uuid" box of Google's identifier holding GSpherical XML.
Box SphericalV1Box();

enum class MoovEdit { Unchanged, Changed, Unsupported };

// Gives a moov box the spherical metadata its video track's picture calls
// for: a 2:1 (equirectangular) picture gets the V1 box as the last child of
// its track, replacing any earlier one; any other picture loses all V1 and V2
// metadata. Unsupported, and nothing to write, for fragmented files, files
// without a video track and boxes that do not parse. Chunk offsets are not
// touched: ShiftChunkOffsets moves them once the new size is known.
MoovEdit ApplySphericalPolicy(Box& moov);

// Moves every stco and co64 chunk offset from firstMoved on by delta bytes.
// False when an offset would leave its field or a table does not parse.
bool ShiftChunkOffsets(Box& moov, uint64_t firstMoved, int64_t delta);

struct SphericalReport {
    uint32_t width = 0;  // the video track's picture, in whole pixels
    uint32_t height = 0;
    bool hasV1 = false;
    std::string v1Xml;
    bool hasV2 = false;  // st3d or sv3d in a video sample entry
};

// What a moov box says of its video track; nothing without one.
std::optional<SphericalReport> DescribeSpherical(Box moov);
