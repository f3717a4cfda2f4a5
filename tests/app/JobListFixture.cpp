#include "JobListFixture.h"

#include "FileDialog.h"
#include "resource.h"

#include <shlobj.h>

#include <algorithm>

JobListFixture::JobListFixture() {
    // The pointer stays off the list, so no mouse message ends an edit.
    SetCursorPos(0, 0);
    AfxSetShellExecuteHook([this](const ShellExecuteCall& call) { shellCalls.push_back(call); });
}

JobListFixture::~JobListFixture() {
    CFileDialog::SetTestHook(nullptr);
    AfxSetShellExecuteHook(nullptr);
}

CKorvane7Dlg& JobListFixture::OpenWindow() {
    CKorvane7Dlg& window = Open();
    EXPECT_TRUE(PathExists(window.outputFolder.GetString())) << "no output folder was made";
    return window;
}

std::wstring JobListFixture::MakeFile(const std::wstring& path) {
    WriteBytes(path, "");
    return path;
}

void JobListFixture::Drop(const std::vector<std::wstring>& paths) {
    size_t units = 1;
    for (const std::wstring& path : paths) units += path.size() + 1;
    // The window releases the block with DragFinish, as it does a shell drop.
    HGLOBAL block = GlobalAlloc(GHND, sizeof(DROPFILES) + units * sizeof(wchar_t));
    ASSERT_NE(block, nullptr);
    auto* header = static_cast<DROPFILES*>(GlobalLock(block));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    wchar_t* text = reinterpret_cast<wchar_t*>(header + 1);
    for (const std::wstring& path : paths) text = std::copy(path.begin(), path.end(), text) + 1;
    GlobalUnlock(block);
    Window().SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(block), 0);
}

void JobListFixture::AddFiles(const std::vector<std::wstring>& paths) {
    CFileDialog::SetTestHook([paths](const CFileDialog&, std::vector<std::wstring>& chosen) -> INT_PTR {
        chosen = paths;
        return paths.empty() ? IDCANCEL : IDOK;
    });
    Click(Window().addFilesButton);
    CFileDialog::SetTestHook(nullptr);
}

void JobListFixture::Click(CWnd& button) {
    ASSERT_TRUE(button.IsWindowVisible()) << "button " << button.GetDlgCtrlID() << " is hidden";
    ASSERT_TRUE(button.IsWindowEnabled()) << "button " << button.GetDlgCtrlID() << " is disabled";
    Window().SendMessage(WM_COMMAND, MAKEWPARAM(button.GetDlgCtrlID(), BN_CLICKED),
                         reinterpret_cast<LPARAM>(button.m_hWnd));
}

void JobListFixture::ClickCell(int row, int column) {
    NMITEMACTIVATE click = {};
    click.hdr.hwndFrom = Window().jobList.m_hWnd;
    click.hdr.idFrom = IDC_JOB_LIST;
    click.hdr.code = NM_CLICK;
    click.iItem = row;
    click.iSubItem = column;
    Window().SendMessage(WM_NOTIFY, IDC_JOB_LIST, reinterpret_cast<LPARAM>(&click));
}

void JobListFixture::ChooseQuality(int index) {
    CComboBox& combo = Window().qualityCombo;
    ASSERT_TRUE(combo.IsWindowEnabled());
    combo.SetCurSel(index);
    Window().SendMessage(WM_COMMAND, MAKEWPARAM(IDC_QUALITY, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo.m_hWnd));
}

std::wstring JobListFixture::Cell(int row, int column) {
    return Window().jobList.GetItemText(row, column).GetString();
}

std::vector<std::wstring> JobListFixture::Column(int column) {
    std::vector<std::wstring> texts;
    for (int row = 0; row < Rows(); ++row) texts.push_back(Cell(row, column));
    return texts;
}

bool JobListFixture::PumpUntil(const std::function<bool()>& condition) {
    const ULONGLONG limitMs = 60000;
    const ULONGLONG start = GetTickCount64();
    for (;;) {
        MSG msg;
        while (!condition() && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) AfxProcessMessage(&msg);
        if (condition()) return true;
        if (GetTickCount64() - start > limitMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

bool JobListFixture::EngineLogged(const std::string& line) {
    const std::vector<std::string> events = Engine().Events();
    return std::find(events.begin(), events.end(), line) != events.end();
}

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }
