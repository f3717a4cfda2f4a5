#pragma once
#include <string>
#include <vector>

// Drives the scripted libconvert.dll that sits beside the test executables:
// writes the script it reads at each call and reads back what it recorded.
// The script and its log live in a folder the test owns; the engine finds
// them through the environment variable KORVANE7_ENGINE_SCRIPT, which this
// object sets for its lifetime (it must outlive the engine's last call, so
// declare it before the JobChannel or window that loads the engine). Without
// a script the engine returns 0 at once, writes nothing and records nothing.

// What synth_trans does at its next call.
struct EngineScript {
    std::vector<float> reports;    // progress reports, in this order
    unsigned delayMs = 0;          // pause before each report
    int result = 0;                // what synth_trans returns
    bool writeOutput = false;      // first write a file at the last argument
    bool blockUntilStop = false;   // after the reports, wait for stop_transcoding
};

// One synth_trans call as the engine received it.
struct EngineCall {
    int argc = 0;
    int rotation = 0;
    std::vector<std::string> argv;  // a null entry is recorded as "(null)"
};

class ScriptedEngine {
public:
    explicit ScriptedEngine(const std::wstring& folder, const EngineScript& script = {});
    ~ScriptedEngine();
    ScriptedEngine(const ScriptedEngine&) = delete;
    ScriptedEngine& operator=(const ScriptedEngine&) = delete;

    void Write(const EngineScript& script) const;

    // Every recorded line, in order: "register <user pointer in hex>",
    // "call <argc> <rotation>", "arg <index> <text>", "null <index>", "wrote",
    // "report <value>", "block", "stop", "return <value>", "detach" (the
    // library was released by FreeLibrary).
    std::vector<std::string> Events() const;
    std::vector<EngineCall> Calls() const;
    // Waits until a line equal to event has been recorded; false if it never
    // comes within a generous limit.
    bool WaitForEvent(const std::string& event) const;

    // The build of the engine that lacks one export ("synth_trans",
    // "stop_transcoding" or "setposition_callback"), beside the test executable.
    static std::wstring VariantWithout(const std::wstring& missingExport);

private:
    std::wstring scriptPath_;
};
