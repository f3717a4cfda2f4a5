#include "Korvane7Dlg.h"

#include "EngineBridge.h"
#include "resource.h"

#include <cstdlib>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kHeaderText = RGB(0, 0, 140);
constexpr COLORREF kCellText = RGB(0, 0, 160);

struct ColumnSpec {
    const wchar_t* title;
    int format;
    const wchar_t* alignmentDigit;
    int width;
};

constexpr ColumnSpec kColumns[] = {
    {L"Input Files", LVCFMT_LEFT, L"0", 240},
    {L"Output Files", LVCFMT_LEFT, L"0", 240},
    {L"Rotation Degree", LVCFMT_CENTER, L"1", 120},
    {L"Progress", LVCFMT_CENTER, L"1", 120},
};

struct ButtonImages {
    CButtonEx CKorvane7Dlg::*button;
    UINT normal;
    UINT hover;
    UINT pressed;
    UINT disabled;
};

constexpr ButtonImages kButtonImages[] = {
    {&CKorvane7Dlg::addFilesButton, IDB_PNG_168_FILES_NORMAL, IDB_PNG_167_FILES_HOVER,
     IDB_PNG_169_FILES_PRESSED, IDB_PNG_166_FILES_DISABLED},
    {&CKorvane7Dlg::deleteFilesButton, IDB_PNG_168_FILES_NORMAL, IDB_PNG_167_FILES_HOVER,
     IDB_PNG_169_FILES_PRESSED, IDB_PNG_166_FILES_DISABLED},
    {&CKorvane7Dlg::uploadButton, IDB_PNG_162_UPLOAD_NORMAL, IDB_PNG_161_UPLOAD_HOVER,
     IDB_PNG_170_UPLOAD_PRESSED, IDB_PNG_162_UPLOAD_NORMAL},
    {&CKorvane7Dlg::startButton, IDB_PNG_147_START_NORMAL, IDB_PNG_146_START_HOVER,
     IDB_PNG_163_START_PRESSED, IDB_PNG_149_START_DISABLED},
    {&CKorvane7Dlg::stopButton, IDB_PNG_150_STOP_NORMAL, IDB_PNG_151_STOP_HOVER,
     IDB_PNG_164_STOP_PRESSED, IDB_PNG_150_STOP_NORMAL},
    {&CKorvane7Dlg::browseButton, IDB_PNG_143_BROWSE_NORMAL, IDB_PNG_142_BROWSE_HOVER,
     IDB_PNG_144_BROWSE_PRESSED, IDB_PNG_145_BROWSE_DISABLED},
    {&CKorvane7Dlg::openDirButton, IDB_PNG_143_BROWSE_NORMAL, IDB_PNG_142_BROWSE_HOVER,
     IDB_PNG_144_BROWSE_PRESSED, IDB_PNG_145_BROWSE_DISABLED},
};

void SetCaption(CButtonEx& button, const wchar_t* text, COLORREF color, const wchar_t* toolTip) {
    button.m_strText = text;
    button.m_bShowText = TRUE;
    button.m_crText = color;
    button.SetToolTipText(toolTip, TRUE);
}

}  // namespace

BOOL CKorvane7Dlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ConfigureJobList();
    AddAboutMenuItem();
    SetIcon(appIcon, TRUE);
    SetIcon(appIcon, FALSE);
    StartEngineOrExit();
    initDone = 1;
    ConfigureButtons();
    ConfigureQualityCombo();
    CreateCaptionBar();
    CenterWindow();
    LayoutControls();
    InitOutputFolder();
    sourceFolderSet = 0;
    cellEditorOpen = 0;
    lastRunQuality = -1;
    return TRUE;
}

void CKorvane7Dlg::ConfigureJobList() {
    jobList.LoadProgressImages();
    for (int column = 0; column < 4; ++column)
        jobList.m_lstColBkColor.push_back(std::make_unique<CellColor>(CellColor{0, column, kWhite}));
    jobList.SetBkColor(kWhite);
    jobList.m_lstItemBkColor.push_back(std::make_unique<CellColor>(CellColor{1, 1, kWhite}));

    CHeaderCtrlCl& header = jobList.m_header;
    header.m_fHeightScale = 1.0f;
    header.m_nFontHeight = 18;
    header.m_nFontWidth = 0;
    header.m_crText = kHeaderText;
    header.m_nFillR = 0;
    header.m_nFillG = 0;
    header.m_nFillB = 128;
    header.m_nFillStep = 8;
    jobList.m_crText = kCellText;
    jobList.SetRowFont();

    int index = 0;
    for (const ColumnSpec& column : kColumns) {
        header.m_arrTitles.Add(column.title);
        header.m_strFormat += column.alignmentDigit;
        jobList.InsertColumn(index++, column.title, column.format, column.width);
    }
    jobList.SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES);
}

void CKorvane7Dlg::AddAboutMenuItem() {
    CMenu* menu = GetSystemMenu(FALSE);
    if (!menu) return;
    CString text;
    text.LoadString(IDS_ABOUTBOX);
    if (text.IsEmpty()) return;
    menu->AppendMenu(MF_SEPARATOR);
    menu->AppendMenu(MF_STRING, IDC_SYSMENU_ABOUT, text);
}

// Without its engine the program can do nothing: it says so and ends
// before the window is ever shown, writing nothing.
void CKorvane7Dlg::StartEngineOrExit() {
    if (StartEngine(jobChannel) == kEngineStarted) return;
    MessageBox(L"Load dll failed. Please reinstall the program.", L"Warning", MB_OK);
    std::exit(0);
}

void CKorvane7Dlg::ConfigureButtons() {
    SetCaption(addFilesButton, L"Add", kWhite, L"Add Files");
    SetCaption(deleteFilesButton, L"Delete", kWhite, L"Delete Files");
    SetCaption(startButton, L"", kBlack, L"Start Convert");
    startButton.EnableWindow(FALSE);
    stopButton.m_strText = L"";
    stopButton.m_bShowText = FALSE;
    stopButton.SetToolTipText(L"Stop Convert", TRUE);
    stopButton.ShowWindow(SW_HIDE);
    SetCaption(browseButton, L"Browse...", kBlack, L"Select Output Folder");
    browseButton.m_bHoverFrame = TRUE;
    SetCaption(openDirButton, L"Open Dir", kBlack, L"Open Directory");
    openDirButton.m_bHoverFrame = TRUE;

    for (const ButtonImages& images : kButtonImages)
        (this->*images.button)
            .SetImages(images.normal, images.hover, images.pressed, images.disabled,
                       buttonFillBrush.get());
}

void CKorvane7Dlg::ConfigureQualityCombo() {
    qualityCombo.AddString(L"Low");
    qualityCombo.AddString(L"Medium");
    qualityCombo.AddString(L"High");
    qualityCombo.SetCurSel(1);
}

// The caption bar is kept hidden: the window uses the system's own caption.
void CKorvane7Dlg::CreateCaptionBar() {
    captionBar.Create(IDD_CAPTION, this);
    captionBar.ShowWindow(SW_HIDE);
    captionBar.m_strTitle = L"KORVANE7 Video Converter";
    captionBar.Invalidate(TRUE);
}
