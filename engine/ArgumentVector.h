#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The engine's ffmpeg-style argument vector for one job: "ffmpeg" in the place
// of a program name, the options of the quality level (0 Low, 1 Medium, any
// other value High), the output path last. A null entry follows the last one,
// as in a C program's argv; Count() does not include it.
class ArgumentVector {
public:
    ArgumentVector(int32_t quality, std::string inputPath, std::string outputPath);
    ArgumentVector(const ArgumentVector&) = delete;
    ArgumentVector& operator=(const ArgumentVector&) = delete;

    int32_t Count() const { return static_cast<int32_t>(entries_.size()); }
    char** Data() { return pointers_.data(); }
    const std::vector<std::string>& Entries() const { return entries_; }

private:
    std::vector<std::string> entries_;
    std::vector<char*> pointers_;
};
