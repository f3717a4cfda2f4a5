#include "MainWindowHarness.h"

#include "resource.h"

MainWindowTest::MainWindowTest()
    : engine_(engineFolder_.Path()), temporary_(root_.Path() + L"Temp\\") {
    MakeFolders(root_.Path() + L"Temp\\");
}

MainWindowTest::~MainWindowTest() { Destroy(); }

std::wstring MainWindowTest::SettingsFilePath() const {
    wchar_t folder[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, folder);
    return std::wstring(folder) + L"global.ini";
}

CKorvane7Dlg& MainWindowTest::Open() {
    Destroy();
    window_ = std::make_unique<CKorvane7Dlg>();
    EXPECT_TRUE(window_->Create(IDD_KORVANE7_DIALOG));
    Pump();
    return *window_;
}

void MainWindowTest::Destroy() {
    window_.reset();
    Pump();
}

void MainWindowTest::Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) AfxProcessMessage(&msg);
}

void MainWindowTest::SendCommand(int id) {
    window_->SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    Pump();
}

void MainWindowTest::SetClientSize(int width, int height) {
    CRect windowRect;
    CRect client;
    window_->GetWindowRect(&windowRect);
    window_->GetClientRect(&client);
    SetWindowPos(window_->m_hWnd, nullptr, 0, 0, width + windowRect.Width() - client.Width(),
                 height + windowRect.Height() - client.Height(), SWP_NOMOVE | SWP_NOZORDER);
    Pump();
    window_->GetClientRect(&client);
    ASSERT_EQ(client.Width(), width);
    ASSERT_EQ(client.Height(), height);
}

CRect MainWindowTest::ChildRect(const CWnd& child) const {
    CRect rect;
    child.GetWindowRect(&rect);
    MapWindowPoints(nullptr, window_->m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int MainWindowTest::DialogUnitsToPixels(int width) const {
    CRect rect(0, 0, width, 8);
    MapDialogRect(window_->m_hWnd, &rect);
    return rect.Width();
}
