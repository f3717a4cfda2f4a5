#include "EngineLibrary.h"

namespace {
constexpr unsigned kRecorderMagic = 0x4B37u;
// Reports that came with a user pointer other than the registered one.
int g_foreignReports = 0;

template <typename Function>
Function Export(HMODULE module, const char* name) {
    // Through the generic function type, which any function pointer may be
    // cast from and back to.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}
}  // namespace

EngineLibrary::EngineLibrary() {
    module_ = LoadLibraryW((SuiteFolder() + L"libconvert.dll").c_str());
    if (!module_) return;
    synthTrans_ = Export<SynthTransFunction>(module_, "synth_trans");
    stopTranscoding_ = Export<StopTranscodingFunction>(module_, "stop_transcoding");
    setPositionCallback_ = Export<SetPositionCallbackFunction>(module_, "setposition_callback");
}

EngineLibrary::~EngineLibrary() {
    if (setPositionCallback_) setPositionCallback_(nullptr, nullptr);
    if (module_) FreeLibrary(module_);
}

void __cdecl EngineLibrary::OnProgress(float percent, void* user) {
    auto* recorder = static_cast<Recorder*>(user);
    if (!recorder || recorder->magic != kRecorderMagic) {
        ++g_foreignReports;
        return;
    }
    recorder->run->progress.push_back(percent);
    if (recorder->onProgress) recorder->onProgress(*recorder->engine);
}

EngineLibrary::Run EngineLibrary::Convert(const std::vector<std::string>& vector, int rotation,
                                          void (*onProgress)(EngineLibrary&)) {
    Run run;
    Recorder recorder{kRecorderMagic, &run, this, onProgress};
    setPositionCallback_(&EngineLibrary::OnProgress, &recorder);
    std::vector<char*> argv;
    for (const std::string& entry : vector) argv.push_back(const_cast<char*>(entry.c_str()));
    int foreignBefore = g_foreignReports;
    run.result = synthTrans_(static_cast<int>(argv.size()), argv.data(), rotation);
    run.foreignUserPointers = g_foreignReports - foreignBefore;
    return run;
}

int EngineLibrary::ConvertRaw(int argc, char** argv, int rotation) {
    return synthTrans_(argc, argv, rotation);
}

std::wstring SuiteFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

std::wstring ClipPath(const std::wstring& name) {
    return SuiteFolder() + L"clips\\" + name;
}

std::wstring FreshOutputPath(const std::wstring& name) {
    std::wstring folder = SuiteFolder() + L"outputs\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    DeleteFileW((folder + name).c_str());
    return folder + name;
}

std::string Ansi(const std::wstring& text) {
    if (text.empty()) return {};
    BOOL lossy = FALSE;
    int length = WideCharToMultiByte(CP_THREAD_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(), -1, nullptr,
                                     0, nullptr, &lossy);
    if (length <= 0 || lossy) return {};
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_THREAD_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(), -1, narrow.data(),
                        length, nullptr, nullptr);
    narrow.resize(static_cast<size_t>(length) - 1);
    return narrow;
}

std::vector<std::string> QualityVector(Quality quality, const std::wstring& input,
                                       const std::wstring& output) {
    std::string in = Ansi(input), out = Ansi(output);
    switch (quality) {
        case kLow:
            return {"ffmpeg", "-i",      in,         "-b:v",  "4096k", "-r",  "15", "-profile:v",
                    "main",   "-preset", "veryfast", "-refs", "1",     "-bf", "0",  out};
        case kMedium:
            return {"ffmpeg",  "-i",       in,      "-b:v", "10000k", "-profile:v", "main",
                    "-preset", "veryfast", "-refs", "2",    "-bf",    "1",          out};
        default:
            return {"ffmpeg", "-i", in, "-b:v", "20000k", out};
    }
}
