#include <gtest/gtest.h>

#include "FfmpegLog.h"

namespace {
// Listings as ffmpeg.exe 4.1 writes them, line ends included.
const char kVideoWithAudio[] =
    "Input #0, mov,mp4,m4a,3gp,3g2,mj2, from 'file:C:\\clips\\v1.mp4':\r\n"
    "  Metadata:\r\n"
    "    major_brand     : isom\r\n"
    "  Duration: 00:01:02.50, start: 0.000000, bitrate: 1698 kb/s\r\n"
    "    Stream #0:0(und): Video: h264 (Constrained Baseline) (avc1 / 0x31637661), yuv420p, "
    "640x320 "
    "[SAR 1:1 DAR 2:1], 1613 kb/s, 30 fps, 30 tbr, 15360 tbn, 60 tbc (default)\r\n"
    "    Side data:\r\n"
    "      spherical: equirectangular (0.000000/0.000000/0.000000) \r\n"
    "    Stream #0:1(und): Audio: aac (LC) (mp4a / 0x6134706D), 44100 Hz, mono, fltp, 69 kb/s "
    "(default)\r\n"
    "At least one output file must be specified\r\n";

const char kAudioOnly[] =
    "Input #0, mov,mp4,m4a,3gp,3g2,mj2, from 'file:ao.mp4':\n"
    "  Duration: 00:00:02.00, start: 0.000000, bitrate: 75 kb/s\n"
    "    Stream #0:0(und): Audio: aac (LC) (mp4a / 0x6134706D), 44100 Hz, mono, fltp, 69 kb/s "
    "(default)\n"
    "At least one output file must be specified\n";

const char kCoverArtOnly[] =
    "Input #0, mov,mp4,m4a,3gp,3g2,mj2, from 'file:song.mp4':\n"
    "  Duration: 00:03:00.00, start: 0.000000, bitrate: 128 kb/s\n"
    "    Stream #0:0(und): Audio: aac (LC), 44100 Hz, stereo, fltp, 128 kb/s (default)\n"
    "    Stream #0:1: Video: mjpeg (Baseline), yuvj420p(pc), 600x600 [SAR 1:1 DAR 1:1], 90k tbr, "
    "90k tbn, "
    "90k tbc (attached pic)\n"
    "At least one output file must be specified\n";

const char kNoDuration[] =
    "Input #0, mov,mp4,m4a,3gp,3g2,mj2, from 'file:live.mov':\n"
    "  Duration: N/A, start: 0.000000, bitrate: N/A\n"
    "    Stream #0:0: Video: h264, yuv420p, 320x240, 30 fps\n";

const char kNotMedia[] =
    "[mov,mp4,m4a,3gp,3g2,mj2 @ 0000000000cb2f80] Format mov,mp4,m4a,3gp,3g2,mj2 detected only "
    "with low score of 1, "
    "misdetection possible!\r\n"
    "[mov,mp4,m4a,3gp,3g2,mj2 @ 0000000000cb2f80] moov atom not found\r\n"
    "file:t.mp4: Invalid data found when processing input\r\n";

// A name that holds the texts the reader looks for must not fool it.
const char kMissing[] = "file:C:\\Input #0 Video: fake.mp4: No such file or directory\r\n";
}  // namespace

TEST(FfmpegLog, InputListingGivesVerdictAndDuration) {
    struct Case {
        const char* log;
        ResultCode verdict;
        double duration;
    } cases[] = {
        {kVideoWithAudio, kSuccess, 62.5},
        {kNoDuration, kSuccess, 0},
        {kAudioOnly, kInputWithoutVideo, 2},
        {kCoverArtOnly, kInputWithoutVideo, 180},
        {kNotMedia, kInputNotMedia, 0},
        {kMissing, kInputMissing, 0},
        {"", kInputNotMedia, 0},
    };
    for (const Case& c : cases) {
        InputReport report = ReadInputReport(c.log);
        EXPECT_EQ(report.verdict, c.verdict) << c.log;
        EXPECT_DOUBLE_EQ(report.durationSeconds, c.duration) << c.log;
    }
}

TEST(FfmpegLog, FailuresAreToldApartByTheirMessages) {
    struct Case {
        const char* log;
        ResultCode code;
    } cases[] = {
        {"File 'file:C:\\out.mp4' already exists. Exiting.\r\n", kOutputExists},
        {"[libx264 @ 0000000000cbb040] width not divisible by 2 (321x241)\r\n"
         "Error initializing output stream 0:0 -- Error while opening encoder for output stream "
         "#0:0 - maybe "
         "incorrect parameters such as bit_rate, rate, width or height\r\n"
         "Conversion failed!\r\n",
         kEncoderFailed},
        {"Video encoding failed\n", kEncoderFailed},
        {"av_interleaved_write_frame(): No space left on device\n"
         "Error writing trailer of file:D:\\out.mp4: No space left on device\n",
         kDiskFull},
        {"Unrecognized option 'bogus'.\nError splitting the argument list: Option not found\n",
         kConversionFailed},
        {"", kConversionFailed},
        // A file name is no message.
        {"Input #0, mov, from 'file:already exists. Exiting.mp4':\n", kConversionFailed},
    };
    for (const Case& c : cases) EXPECT_EQ(ClassifyFailure(c.log), c.code) << c.log;
}
