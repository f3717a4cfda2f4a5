#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

using Bytes = std::vector<uint8_t>;

constexpr uint32_t FourCc(const char (&name)[5]) {
    return uint32_t(uint8_t(name[0])) << 24 | uint32_t(uint8_t(name[1])) << 16 |
           uint32_t(uint8_t(name[2])) << 8 | uint32_t(uint8_t(name[3]));
}

// One ISO base media box held in memory. A box is either closed (data is
// everything after its header) or opened (data is what comes before its
// children, such as the fields of a full box or a sample entry, and children
// holds the rest).
struct Box {
    uint32_t type = 0;
    bool wideSize = false;  // its size was written in 64 bits
    bool opened = false;
    Bytes data;
    std::vector<Box> children;

    Box* Child(uint32_t childType);
    // Its size with header, as AppendBox writes it.
    uint64_t Size() const;
};

// The boxes that fill data exactly, all closed; nothing when the sizes do
// not add up.
std::optional<std::vector<Box>> ParseBoxes(const uint8_t* data, size_t size);

// Opens a closed box whose children start after prefixSize bytes of its
// data. False, and the box unchanged, when they do not parse.
bool OpenBox(Box& box, size_t prefixSize);

void AppendBox(const Box& box, Bytes& out);

uint32_t ReadU32(const uint8_t* at);
uint64_t ReadU64(const uint8_t* at);
void WriteU32(uint8_t* at, uint32_t value);
void WriteU64(uint8_t* at, uint64_t value);
