#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "LibconvertApi.h"

// The real libconvert.dll beside this suite, loaded by its full path and
// driven through its exports, as the application drives it.
class EngineLibrary {
public:
    EngineLibrary();
    ~EngineLibrary();
    EngineLibrary(const EngineLibrary&) = delete;
    EngineLibrary& operator=(const EngineLibrary&) = delete;

    bool Loaded() const { return synthTrans_ && stopTranscoding_ && setPositionCallback_; }

    struct Run {
        int result = -1;
        std::vector<float> progress;
        int foreignUserPointers = 0;  // reports that came with another user pointer
    };

    // Runs synth_trans with vector (narrow, program name first) on this
    // thread, recording the progress reports. onProgress, when given, runs
    // after each report is recorded.
    Run Convert(const std::vector<std::string>& vector, int rotation,
                void (*onProgress)(EngineLibrary&) = nullptr);
    int ConvertRaw(int argc, char** argv, int rotation);
    void Stop() { stopTranscoding_(); }

private:
    struct Recorder {
        unsigned magic;
        Run* run;
        EngineLibrary* engine;
        void (*onProgress)(EngineLibrary&);
    };
    static void __cdecl OnProgress(float percent, void* user);

    HMODULE module_ = nullptr;
    SynthTransFunction synthTrans_ = nullptr;
    StopTranscodingFunction stopTranscoding_ = nullptr;
    SetPositionCallbackFunction setPositionCallback_ = nullptr;
};

// The folder of this suite, ending in a backslash: the engine, ffmpeg.exe,
// clips\ (made before the suite runs) and outputs\ (checked after it).
std::wstring SuiteFolder();
std::wstring ClipPath(const std::wstring& name);
// The path in outputs\ for name, with any file of that name removed.
std::wstring FreshOutputPath(const std::wstring& name);

// Narrow text in the thread's ANSI code page, as the application passes
// paths; empty when the text has characters the code page lacks.
std::string Ansi(const std::wstring& text);

enum Quality { kLow = 0, kMedium = 1, kHigh = 2 };
// The application's argument vector for a quality level.
std::vector<std::string> QualityVector(Quality quality, const std::wstring& input,
                                       const std::wstring& output);
