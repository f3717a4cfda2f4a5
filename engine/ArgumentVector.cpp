#include "ArgumentVector.h"

namespace {
std::vector<std::string> QualityOptions(int32_t quality) {
    switch (quality) {
    case 0:
        return {"-b:v", "4096k", "-r", "15", "-profile:v", "main", "-preset", "veryfast",
                "-refs", "1", "-bf", "0"};
    case 1:
        return {"-b:v", "10000k", "-profile:v", "main", "-preset", "veryfast", "-refs", "2",
                "-bf", "1"};
    default:
        return {"-b:v", "20000k"};
    }
}
}  // namespace

ArgumentVector::ArgumentVector(int32_t quality, std::string inputPath, std::string outputPath) {
    entries_ = {"ffmpeg", "-i", std::move(inputPath)};
    for (std::string& option : QualityOptions(quality)) entries_.push_back(std::move(option));
    entries_.push_back(std::move(outputPath));
    for (std::string& entry : entries_) pointers_.push_back(entry.data());
    pointers_.push_back(nullptr);
}
