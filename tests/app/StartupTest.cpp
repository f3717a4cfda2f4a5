#include "MainWindowHarness.h"

#include "resource.h"

namespace {

constexpr wchar_t kProgramFolder[] = L"KORVANE7 Video Converter\\";

using StartupTest = MainWindowTest;

struct DefaultFolderCase {
    const char* name;
    std::wstring temporary;         // below Root()
    std::wstring existingFolder;    // below Root(), made before the start; empty for none
    std::wstring expectedFolder;    // below Root(); empty when the program has no folder
};

std::vector<DefaultFolderCase> DefaultFolderCases() {
    return {
        {"Temp becomes the program's name", L"AppData\\Local\\Temp\\", L"AppData\\Local\\Temp\\",
         L"AppData\\Local\\KORVANE7 Video Converter\\"},
        {"no Temp keeps the temporary folder", L"TMP\\", L"TMP\\", L"TMP\\"},
        {"the replacement minds letter case", L"AppData\\Local\\temp\\", L"AppData\\Local\\temp\\",
         L"AppData\\Local\\temp\\"},
        {"a missing parent leaves no folder", L"Temp\\Temp\\", L"", L""},
        {"an existing default folder is used", L"Temp\\", L"KORVANE7 Video Converter\\",
         L"KORVANE7 Video Converter\\"},
    };
}

TEST_F(StartupTest, WithoutASettingsFileTheDefaultOutputFolderIsMadeAndShown) {
    for (const DefaultFolderCase& c : DefaultFolderCases()) {
        SCOPED_TRACE(c.name);
        FolderOutsideTemp place;
        if (!c.existingFolder.empty()) MakeFolders(place.Path() + c.existingFolder);
        UseTemporaryFolder(place.Path() + c.temporary);

        CKorvane7Dlg& window = Open();

        const std::wstring expected = c.expectedFolder.empty() ? L"" : place.Path() + c.expectedFolder;
        EXPECT_EQ(window.outputFolder.Str(), expected);
        EXPECT_EQ(window.outputPathEdit.GetWindowText().Str(), expected);
        if (!expected.empty()) {
            EXPECT_TRUE(PathExists(expected));
        }
        EXPECT_FALSE(PathExists(place.Path() + kProgramFolder + kProgramFolder));
        Destroy();
    }
}

TEST_F(StartupTest, TheSavedFolderIsShownWithoutAnyCheck) {
    WriteBytes(SettingsFilePath(), Utf16Bytes(L"Q:\\nowhere\\"));

    CKorvane7Dlg& window = Open();

    EXPECT_STREQ(window.outputFolder, L"Q:\\nowhere\\");
    EXPECT_STREQ(window.outputPathEdit.GetWindowText(), L"Q:\\nowhere\\");
    EXPECT_FALSE(PathExists(Root() + kProgramFolder));
}

TEST_F(StartupTest, AnEmptySettingsFileGivesNoFolderAndMakesNone) {
    WriteBytes(SettingsFilePath(), "");

    CKorvane7Dlg& window = Open();

    EXPECT_TRUE(window.outputFolder.IsEmpty());
    EXPECT_EQ(window.outputPathEdit.GetWindowTextLength(), 0);
    EXPECT_FALSE(PathExists(Root() + kProgramFolder));
}

TEST_F(StartupTest, EveryStartShowsMediumWhateverWasChosenBefore) {
    CKorvane7Dlg& first = Open();
    ASSERT_EQ(first.qualityCombo.GetCount(), 3);
    CString text;
    const wchar_t* expected[] = {L"Low", L"Medium", L"High"};
    for (int i = 0; i < 3; ++i) {
        first.qualityCombo.GetLBText(i, text);
        EXPECT_STREQ(text, expected[i]);
    }
    EXPECT_EQ(first.qualityCombo.GetCurSel(), 1);
    first.qualityCombo.SetCurSel(2);
    first.SendMessage(WM_CLOSE);
    Destroy();

    CKorvane7Dlg& second = Open();

    EXPECT_EQ(second.qualityCombo.GetCurSel(), 1);
}

TEST_F(StartupTest, TheWindowIsReadyWithItsFlagsAndItsRunControls) {
    CKorvane7Dlg& window = Open();

    EXPECT_TRUE(window.IsWindowVisible());
    EXPECT_EQ(window.initDone, 1);
    EXPECT_EQ(window.runActive, 0);
    EXPECT_EQ(window.sourceFolderSet, 0);
    EXPECT_EQ(window.cellEditorOpen, 0);
    EXPECT_EQ(window.lastRunQuality, -1);
    EXPECT_TRUE(window.startButton.IsWindowVisible());
    EXPECT_FALSE(window.startButton.IsWindowEnabled());
    EXPECT_FALSE(window.stopButton.IsWindowVisible());
    EXPECT_TRUE(window.addFilesButton.IsWindowEnabled());
    EXPECT_NE(window.jobChannel.synthTrans, nullptr);
}

TEST_F(StartupTest, TheButtonsCarryTheirTextsColoursAndLooks) {
    CKorvane7Dlg& window = Open();

    struct Expected {
        CButtonEx& button;
        const wchar_t* text;
        BOOL showText;
        COLORREF colour;
        BOOL hoverFrame;
    };
    const Expected buttons[] = {
        {window.addFilesButton, L"Add", TRUE, RGB(255, 255, 255), FALSE},
        {window.deleteFilesButton, L"Delete", TRUE, RGB(255, 255, 255), FALSE},
        {window.startButton, L"", TRUE, RGB(0, 0, 0), FALSE},
        {window.stopButton, L"", FALSE, RGB(0, 0, 0), FALSE},
        {window.browseButton, L"Browse...", TRUE, RGB(0, 0, 0), TRUE},
        {window.openDirButton, L"Open Dir", TRUE, RGB(0, 0, 0), TRUE},
        {window.uploadButton, L"", FALSE, RGB(0, 0, 0), FALSE},
    };
    for (const Expected& e : buttons) {
        SCOPED_TRACE(testing::Message() << "button " << e.button.GetDlgCtrlID());
        EXPECT_STREQ(e.button.m_strText, e.text);
        EXPECT_EQ(e.button.m_bShowText, e.showText);
        if (e.showText) {
            EXPECT_EQ(e.button.m_crText, e.colour);
        }
        EXPECT_EQ(e.button.m_bHoverFrame, e.hoverFrame);
        EXPECT_NE(e.button.m_pImgNormal, nullptr);
        EXPECT_EQ(e.button.m_pFillBrush, window.buttonFillBrush.get());
        EXPECT_NE(e.button.m_pImgDisabled, nullptr);
    }
}

TEST_F(StartupTest, TheJobListHasItsFourColumnsGridLinesAndColours) {
    CKorvane7Dlg& window = Open();

    const wchar_t* titles[] = {L"Input Files", L"Output Files", L"Rotation Degree", L"Progress"};
    const int formats[] = {LVCFMT_LEFT, LVCFMT_LEFT, LVCFMT_CENTER, LVCFMT_CENTER};
    for (int i = 0; i < 4; ++i) {
        wchar_t text[64] = {};
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_FMT;
        column.pszText = text;
        column.cchTextMax = 64;
        ASSERT_TRUE(window.jobList.GetColumn(i, &column));
        EXPECT_STREQ(text, titles[i]);
        EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, formats[i]);
        EXPECT_STREQ(window.jobList.m_header.m_arrTitles[i], titles[i]);
    }
    EXPECT_STREQ(window.jobList.m_header.m_strFormat, L"0011");
    EXPECT_EQ(window.jobList.GetExtendedStyle(), static_cast<DWORD>(LVS_EX_GRIDLINES));
    EXPECT_EQ(window.jobList.GetBkColor(), RGB(255, 255, 255));
    EXPECT_EQ(window.jobList.m_crText, RGB(0, 0, 160));
    EXPECT_EQ(window.jobList.m_header.m_nFontHeight, 18);
    EXPECT_EQ(window.jobList.m_lstColBkColor.size(), 4u);
    EXPECT_EQ(window.jobList.m_lstItemBkColor.size(), 1u);
}

TEST_F(StartupTest, TheSystemMenuEndsWithTheAboutEntry) {
    CKorvane7Dlg& window = Open();

    HMENU menu = GetSystemMenu(window.m_hWnd, FALSE);
    ASSERT_NE(menu, nullptr);
    int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    EXPECT_EQ(GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(GetMenuItemID(menu, count - 1), static_cast<UINT>(IDC_SYSMENU_ABOUT));
    wchar_t text[64] = {};
    GetMenuStringW(menu, count - 1, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, L"&About KORVANE7 Video Converter");
}

TEST_F(StartupTest, TheWindowShowsTheApplicationIcon) {
    CKorvane7Dlg& window = Open();

    ASSERT_NE(window.appIcon, nullptr);
    EXPECT_EQ(reinterpret_cast<HICON>(window.SendMessage(WM_GETICON, ICON_BIG)), window.appIcon);
    EXPECT_EQ(reinterpret_cast<HICON>(window.SendMessage(WM_GETICON, ICON_SMALL)), window.appIcon);
    EXPECT_EQ(reinterpret_cast<HICON>(window.SendMessage(WM_QUERYDRAGICON)), window.appIcon);
}

TEST_F(StartupTest, TheCaptionBarIsAHiddenChildOfNoHeight) {
    CKorvane7Dlg& window = Open();
    SetClientSize(800, 500);

    ASSERT_NE(window.captionBar.m_hWnd, nullptr);
    EXPECT_EQ(GetParent(window.captionBar.m_hWnd), window.m_hWnd);
    EXPECT_FALSE(window.captionBar.IsWindowVisible());
    EXPECT_EQ(ChildRect(window.captionBar), CRect(0, 0, 800, 0));
    EXPECT_STREQ(window.captionBar.m_strTitle, L"KORVANE7 Video Converter");
}

TEST_F(StartupTest, TheBackgroundIsPaintedLightGrey) {
    CKorvane7Dlg& window = Open();
    SetClientSize(800, 500);
    SetWindowPos(window.m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    RedrawWindow(window.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump();

    HDC dc = GetDC(window.m_hWnd);
    COLORREF free = GetPixel(dc, 700, 20);
    COLORREF belowList = GetPixel(dc, 400, 414);
    ReleaseDC(window.m_hWnd, dc);
    EXPECT_EQ(free, RGB(237, 237, 237));
    EXPECT_EQ(belowList, RGB(237, 237, 237));
}

}  // namespace
