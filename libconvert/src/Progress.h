#pragma once
#include <optional>
#include <string>

// The position, in seconds, that one line of ffmpeg.exe's "-progress" output
// reports ("out_time=00:00:01.500000"); nothing for any other line. A
// negative position, which ffmpeg.exe reports before the first frame, is 0.
std::optional<double> ProgressLineSeconds(const std::string& line);

// Turns positions into percentages of the input's duration that never go
// down. Below 100 while the conversion runs: 100 means success and is given
// only by Finish.
class ProgressScale {
public:
    explicit ProgressScale(double durationSeconds) : duration_(durationSeconds) {}

    // The new percentage when the position has moved it up; otherwise
    // nothing.
    std::optional<float> Advance(double seconds);
    // 100, once.
    std::optional<float> Finish();

private:
    static constexpr float kRunningCeiling = 99.0f;
    double duration_;
    float reported_ = -1.0f;
};
