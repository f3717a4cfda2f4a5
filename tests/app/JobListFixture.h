#pragma once
#include "MainWindowHarness.h"
#include "MessageBoxHook.h"
#include "Shell.h"

#include <functional>
#include <string>
#include <vector>

// The main window as a person uses its job list and its run: files dropped or
// chosen in the (scripted) file dialog, buttons clicked, list cells clicked,
// message boxes answered, the shell's explorer watched instead of opened.
// The output folder is the window's default one, made under Root().
class JobListFixture : public MainWindowTest {
protected:
    JobListFixture();
    ~JobListFixture() override;

    // Opens the window with its default output folder in place.
    CKorvane7Dlg& OpenWindow();
    std::wstring OutputFolder() { return Window().outputFolder.GetString(); }
    // An empty file at the path; returns the path.
    static std::wstring MakeFile(const std::wstring& path);

    // A real WM_DROPFILES with a shell drop block of the paths.
    void Drop(const std::vector<std::wstring>& paths);
    // Add Files, answered in the file dialog with the paths (none: Cancel).
    void AddFiles(const std::vector<std::wstring>& paths);
    // A click only a visible, enabled button can receive.
    void Click(CWnd& button);
    // The list's click notification for a cell (row -1: no row hit).
    void ClickCell(int row, int column);
    void ChooseQuality(int index);

    std::wstring Cell(int row, int column);
    std::vector<std::wstring> Column(int column);
    int Rows() { return Window().jobList.GetItemCount(); }

    // Handles messages until the condition holds; false if it never does
    // within a limit far beyond any expected wait.
    bool PumpUntil(const std::function<bool()>& condition);
    bool RunEnded() { return PumpUntil([this] { return Window().runActive == 0; }); }
    bool EngineLogged(const std::string& line);

    MessageBoxHook boxes;
    std::vector<ShellExecuteCall> shellCalls;
};

// The ANSI form of an ASCII path, as the engine receives it.
std::string Narrow(const std::wstring& text);
