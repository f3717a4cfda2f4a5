#pragma once
#include <optional>

// Seconds in ffmpeg.exe's "HH:MM:SS.fraction" notation, as in
// "00:01:02.500000" (62.5); nothing when the text does not start with one.
std::optional<double> ParseClockTime(const char* text);
