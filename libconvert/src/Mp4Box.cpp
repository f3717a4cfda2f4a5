#include "Mp4Box.h"

#include <limits>

namespace {
constexpr uint64_t kHeaderSize = 8;
constexpr uint64_t kWideHeaderSize = 16;

uint64_t ContentSize(const Box& box) {
    uint64_t content = box.data.size();
    for (const Box& child : box.children) content += child.Size();
    return content;
}

// A box keeps a 64-bit size it was written with, and needs one when it
// outgrows 32 bits.
bool HasWideHeader(const Box& box, uint64_t content) {
    return box.wideSize || content + kHeaderSize > std::numeric_limits<uint32_t>::max();
}
}  // namespace

Box* Box::Child(uint32_t childType) {
    for (Box& child : children) {
        if (child.type == childType) return &child;
    }
    return nullptr;
}

uint64_t Box::Size() const {
    uint64_t content = ContentSize(*this);
    return content + (HasWideHeader(*this, content) ? kWideHeaderSize : kHeaderSize);
}

std::optional<std::vector<Box>> ParseBoxes(const uint8_t* data, size_t size) {
    std::vector<Box> boxes;
    size_t offset = 0;
    while (offset < size) {
        if (size - offset < kHeaderSize) return std::nullopt;
        Box box;
        uint64_t boxSize = ReadU32(data + offset);
        box.type = ReadU32(data + offset + 4);
        uint64_t header = kHeaderSize;
        if (boxSize == 1) {
            if (size - offset < kWideHeaderSize) return std::nullopt;
            boxSize = ReadU64(data + offset + 8);
            header = kWideHeaderSize;
            box.wideSize = true;
        }
        // A size of 0 ("to the end of the file") has no place inside a box.
        if (boxSize < header || boxSize > size - offset) return std::nullopt;
        box.data.assign(data + offset + header, data + offset + boxSize);
        boxes.push_back(std::move(box));
        offset += static_cast<size_t>(boxSize);
    }
    return boxes;
}

bool OpenBox(Box& box, size_t prefixSize) {
    if (box.opened) return true;
    if (box.data.size() < prefixSize) return false;
    auto children = ParseBoxes(box.data.data() + prefixSize, box.data.size() - prefixSize);
    if (!children) return false;
    box.children = std::move(*children);
    box.data.resize(prefixSize);
    box.opened = true;
    return true;
}

void AppendBox(const Box& box, Bytes& out) {
    uint64_t content = ContentSize(box);
    bool wide = HasWideHeader(box, content);
    uint64_t size = content + (wide ? kWideHeaderSize : kHeaderSize);
    size_t at = out.size();
    out.resize(at + (wide ? kWideHeaderSize : kHeaderSize));
    WriteU32(&out[at], wide ? 1 : static_cast<uint32_t>(size));
    WriteU32(&out[at + 4], box.type);
    if (wide) WriteU64(&out[at + 8], size);
    out.insert(out.end(), box.data.begin(), box.data.end());
    for (const Box& child : box.children) AppendBox(child, out);
}

uint32_t ReadU32(const uint8_t* at) {
    return uint32_t(at[0]) << 24 | uint32_t(at[1]) << 16 | uint32_t(at[2]) << 8 | uint32_t(at[3]);
}

uint64_t ReadU64(const uint8_t* at) {
    return uint64_t(ReadU32(at)) << 32 | ReadU32(at + 4);
}

void WriteU32(uint8_t* at, uint32_t value) {
    at[0] = uint8_t(value >> 24);
    at[1] = uint8_t(value >> 16);
    at[2] = uint8_t(value >> 8);
    at[3] = uint8_t(value);
}

void WriteU64(uint8_t* at, uint64_t value) {
    WriteU32(at, uint32_t(value >> 32));
    WriteU32(at + 4, uint32_t(value));
}
