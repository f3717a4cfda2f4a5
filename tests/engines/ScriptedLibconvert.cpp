// A libconvert.dll for the tests: it converts nothing and does what the
// running test wrote into its script, and records every call in a log.
// The script's path is in the environment variable KORVANE7_ENGINE_SCRIPT and
// is read at each call; the log is the same path followed by ".log".
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <mutex>
#include <sstream>
#include <string>
#include <vector>

namespace {
using ProgressCallback = void(__cdecl*)(float position, void* user);

struct Script {
    std::vector<float> reports;
    DWORD delayMs = 0;
    int result = 0;
    bool writeOutput = false;
    bool blockUntilStop = false;
};

class OwnedHandle {
public:
    explicit OwnedHandle(HANDLE handle) : handle_(handle) {}
    ~OwnedHandle() {
        if (handle_ && handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

// Set by stop_transcoding; a stop that comes while nothing runs is forgotten
// when the next transcoding starts, as a real engine would.
OwnedHandle g_stopEvent(CreateEventW(nullptr, TRUE, FALSE, nullptr));
std::mutex g_logLock;
ProgressCallback g_callback = nullptr;
void* g_callbackUser = nullptr;

std::wstring ScriptPath() {
    wchar_t path[MAX_PATH] = {};
    DWORD length = GetEnvironmentVariableW(L"KORVANE7_ENGINE_SCRIPT", path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(path) : std::wstring();
}

Script ReadScript() {
    Script script;
    std::ifstream in(ScriptPath().c_str());
    std::string key;
    while (in >> key) {
        if (key == "report") {
            float value = 0;
            in >> value;
            script.reports.push_back(value);
        } else if (key == "delay") {
            in >> script.delayMs;
        } else if (key == "result") {
            in >> script.result;
        } else if (key == "write") {
            in >> script.writeOutput;
        } else if (key == "block") {
            in >> script.blockUntilStop;
        }
    }
    return script;
}

// Win32 calls only: this also runs inside DllMain.
void Log(const std::string& line) {
    std::wstring path = ScriptPath();
    if (path.empty()) return;
    std::lock_guard<std::mutex> lock(g_logLock);
    OwnedHandle file(CreateFileW((path + L".log").c_str(), FILE_APPEND_DATA, FILE_SHARE_READ,
                                 nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.Get() == INVALID_HANDLE_VALUE) return;
    std::string text = line + "\n";
    DWORD written = 0;
    WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

void WriteOutput(const char* path) {
    OwnedHandle file(CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.Get() == INVALID_HANDLE_VALUE) return;
    static const char kContent[] = "scripted engine output";
    DWORD written = 0;
    WriteFile(file.Get(), kContent, sizeof kContent - 1, &written, nullptr);
    Log("wrote");
}

bool Stopped(DWORD waitMs) {
    return WaitForSingleObject(g_stopEvent.Get(), waitMs) == WAIT_OBJECT_0;
}
}  // namespace

extern "C" int __cdecl synth_trans(int argc, char** argv, int rotation) {
    ResetEvent(g_stopEvent.Get());
    Script script = ReadScript();
    Log("call " + std::to_string(argc) + " " + std::to_string(rotation));
    for (int i = 0; i < argc; ++i)
        Log(argv[i] ? "arg " + std::to_string(i) + " " + argv[i] : "null " + std::to_string(i));
    if (script.writeOutput && argc > 0 && argv[argc - 1]) WriteOutput(argv[argc - 1]);

    bool stopped = false;
    for (float report : script.reports) {
        stopped = Stopped(script.delayMs);
        if (stopped) break;
        char text[32];
        std::snprintf(text, sizeof text, "report %.9g", static_cast<double>(report));
        Log(text);
        if (g_callback) g_callback(report, g_callbackUser);
    }
    if (script.blockUntilStop && !stopped) {
        Log("block");
        Stopped(INFINITE);
    }
    Log("return " + std::to_string(script.result));
    return script.result;
}

extern "C" void __cdecl stop_transcoding() {
    Log("stop");
    SetEvent(g_stopEvent.Get());
}

extern "C" void __cdecl setposition_callback(ProgressCallback callback, void* user) {
    g_callback = callback;
    g_callbackUser = user;
    std::ostringstream line;
    line << "register " << std::hex << reinterpret_cast<uintptr_t>(user);
    Log(line.str());
}

// Released by FreeLibrary (not by the end of the process): the log shows
// whether that happened while a call was still running.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_DETACH && reserved == nullptr) Log("detach");
    return TRUE;
}
