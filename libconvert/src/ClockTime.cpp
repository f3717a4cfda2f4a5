#include "ClockTime.h"

#include <cstdlib>

std::optional<double> ParseClockTime(const char* text) {
    char* end = nullptr;
    long hours = std::strtol(text, &end, 10);
    if (end == text || *end != ':') return std::nullopt;
    text = end + 1;
    long minutes = std::strtol(text, &end, 10);
    if (end == text || *end != ':') return std::nullopt;
    text = end + 1;
    double seconds = std::strtod(text, &end);
    if (end == text) return std::nullopt;
    return hours * 3600.0 + minutes * 60.0 + seconds;
}
