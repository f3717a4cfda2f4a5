#pragma once
#include <gtest/gtest.h>

#include "Korvane7Dlg.h"
#include "ScriptedEngine.h"
#include "TempFolder.h"
#include "TestFolders.h"

#include <memory>
#include <string>

// The real main window, created modeless from its template with the scripted
// engine beside the suite. The temporary folder (and with it the settings
// file and the default output folder) lies under a folder of the test's own,
// Root(), whose path holds no "Temp".
class MainWindowTest : public testing::Test {
protected:
    MainWindowTest();
    ~MainWindowTest() override;

    // TMP and TEMP for the next window; the default is Root() + "Temp\".
    void UseTemporaryFolder(const std::wstring& folder) { temporary_.Set(folder); }
    const std::wstring& Root() const { return root_.Path(); }
    std::wstring SettingsFilePath() const;

    // Creates the window (initialisation included) and handles what it posted.
    CKorvane7Dlg& Open();
    // Destroys the window object, as the application does after the dialog ends.
    void Destroy();
    CKorvane7Dlg& Window() { return *window_; }
    ScriptedEngine& Engine() { return engine_; }

    // Handles every message waiting on this thread as the modal loop would.
    static void Pump();
    void SendCommand(int id);
    // Resizes the window so that its client area is width x height.
    void SetClientSize(int width, int height);
    // A child's rectangle in the main window's client coordinates.
    CRect ChildRect(const CWnd& child) const;
    // A template width in dialog units, in this window's pixels.
    int DialogUnitsToPixels(int width) const;

private:
    FolderOutsideTemp root_;
    TempFolder engineFolder_;
    ScriptedEngine engine_;
    TemporaryFolderOverride temporary_;
    std::unique_ptr<CKorvane7Dlg> window_;
};
