#include "ScriptedEngine.h"

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "WaitUntil.h"

namespace {
const wchar_t kScriptVariable[] = L"KORVANE7_ENGINE_SCRIPT";

std::wstring ExecutableFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}
}  // namespace

ScriptedEngine::ScriptedEngine(const std::wstring& folder, const EngineScript& script)
    : scriptPath_(folder + L"engine-script.txt") {
    Write(script);
    DeleteFileW((scriptPath_ + L".log").c_str());
    SetEnvironmentVariableW(kScriptVariable, scriptPath_.c_str());
}

ScriptedEngine::~ScriptedEngine() { SetEnvironmentVariableW(kScriptVariable, nullptr); }

void ScriptedEngine::Write(const EngineScript& script) const {
    std::ofstream out(scriptPath_.c_str(), std::ios::trunc);
    for (float report : script.reports) out << "report " << report << "\n";
    out << "delay " << script.delayMs << "\n"
        << "result " << script.result << "\n"
        << "write " << script.writeOutput << "\n"
        << "block " << script.blockUntilStop << "\n";
}

std::vector<std::string> ScriptedEngine::Events() const {
    std::ifstream in((scriptPath_ + L".log").c_str(), std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<EngineCall> ScriptedEngine::Calls() const {
    std::vector<EngineCall> calls;
    for (const std::string& line : Events()) {
        std::istringstream words(line);
        std::string kind;
        size_t index = 0;
        words >> kind;
        if (kind == "call") {
            calls.emplace_back();
            words >> calls.back().argc >> calls.back().rotation;
        } else if ((kind == "arg" || kind == "null") && !calls.empty() && (words >> index)) {
            std::vector<std::string>& argv = calls.back().argv;
            if (argv.size() <= index) argv.resize(index + 1);
            // The text follows the index and one blank, and may itself hold blanks.
            size_t textStart = line.find(' ', kind.size() + 1);
            argv[index] = kind == "null" ? "(null)" : line.substr(textStart + 1);
        }
    }
    return calls;
}

bool ScriptedEngine::WaitForEvent(const std::string& event) const {
    return WaitUntil([&] {
        std::vector<std::string> events = Events();
        return std::find(events.begin(), events.end(), event) != events.end();
    });
}

std::wstring ScriptedEngine::VariantWithout(const std::wstring& missingExport) {
    return ExecutableFolder() + L"engine-variants\\without-" + missingExport +
           L"\\libconvert.dll";
}
