#include "ButtonEx.h"
#include "Canvas.h"
#include "HostWindow.h"
#include "ListCtrlCl.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// One window with every kind of button of the program in each of its
// states, and the job list with its header and a selected row at 30 %,
// saved as a picture into the build folder for a person to look at.
namespace {
constexpr int kLabelWidth = 80;
constexpr int kCellWidth = 100;

struct Kind {
    const wchar_t* name;
    UINT normal, hover, pressed, disabled;
    int width, height;
    const wchar_t* text;
    COLORREF textColour;
    BOOL hoverFrame;
    BOOL caption;  // caption-bar style: strip and hover frame
};

const Kind kKinds[] = {
    {L"Add", IDB_PNG_168_FILES_NORMAL, IDB_PNG_167_FILES_HOVER, IDB_PNG_169_FILES_PRESSED,
     IDB_PNG_166_FILES_DISABLED, 80, 35, L"Add", RGB(255, 255, 255), FALSE, FALSE},
    {L"Start", IDB_PNG_147_START_NORMAL, IDB_PNG_146_START_HOVER, IDB_PNG_163_START_PRESSED,
     IDB_PNG_149_START_DISABLED, 80, 80, L"", 0, FALSE, FALSE},
    {L"Stop", IDB_PNG_150_STOP_NORMAL, IDB_PNG_151_STOP_HOVER, IDB_PNG_164_STOP_PRESSED, IDB_PNG_150_STOP_NORMAL,
     80, 80, nullptr, 0, FALSE, FALSE},
    {L"Browse", IDB_PNG_143_BROWSE_NORMAL, IDB_PNG_142_BROWSE_HOVER, IDB_PNG_144_BROWSE_PRESSED,
     IDB_PNG_145_BROWSE_DISABLED, 70, 26, L"Browse...", 0, TRUE, FALSE},
    {L"Upload", IDB_PNG_162_UPLOAD_NORMAL, IDB_PNG_161_UPLOAD_HOVER, IDB_PNG_170_UPLOAD_PRESSED,
     IDB_PNG_162_UPLOAD_NORMAL, 70, 35, nullptr, 0, FALSE, FALSE},
    {L"Close", IDB_PNG_137_CAPTION_CLOSE, 0, IDB_PNG_137_CAPTION_CLOSE, 0, 30, 27, nullptr, 0, TRUE, TRUE},
    {L"Max", IDB_PNG_139_CAPTION_MAXIMIZE, 0, IDB_PNG_139_CAPTION_MAXIMIZE, 0, 30, 27, nullptr, 0, TRUE, TRUE},
    {L"Min", IDB_PNG_140_CAPTION_MINIMIZE, 0, IDB_PNG_140_CAPTION_MINIMIZE, 0, 30, 27, nullptr, 0, TRUE, TRUE},
    {L"Menu", IDB_PNG_175_CAPTION_MENU, 0, IDB_PNG_175_CAPTION_MENU, 0, 30, 27, nullptr, 0, TRUE, TRUE},
};

const wchar_t* const kStates[] = {L"normal", L"hover", L"pressed", L"disabled"};

class Gallery : public testing::Test {
protected:
    void Label(const wchar_t* text, int x, int y, int width) {
        ::CreateWindowExW(0, WC_STATICW, text, WS_CHILD | WS_VISIBLE, x, y, width, 16, host.m_hWnd, nullptr,
                          ::GetModuleHandleW(nullptr), nullptr);
    }

    CButtonEx& AddButton(const Kind& kind, int state, int x, int y) {
        buttons.push_back(std::make_unique<CButtonEx>());
        CButtonEx& button = *buttons.back();
        HWND control = ::CreateWindowExW(0, WC_BUTTONW, L"", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, x, y, kind.width,
                                         kind.height, host.m_hWnd, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        button.SubclassWindow(control);
        if (kind.caption) {
            button.SetCaptionImages(kind.normal, kind.pressed);
        } else {
            button.SetImages(kind.normal, kind.hover, kind.pressed, kind.disabled, &fillBrush);
        }
        button.m_bHoverFrame = kind.hoverFrame;
        if (kind.text) {
            button.m_strText = kind.text;
            button.m_bShowText = TRUE;
            button.m_crText = kind.textColour;
        }
        if (state == 1) button.m_bHover = TRUE;
        if (state == 2) button.SendMessage(BM_SETSTATE, TRUE);
        if (state == 3) button.EnableWindow(FALSE);
        return button;
    }

    void AddJobList(int y) {
        HWND control = ::CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_ALIGNLEFT,
                                         10, y, 740, 150, host.m_hWnd,
                                         reinterpret_cast<HMENU>(static_cast<UINT_PTR>(IDC_JOB_LIST)),
                                         ::GetModuleHandleW(nullptr), nullptr);
        list.SubclassWindow(control);
        list.LoadProgressImages();
        for (int column = 0; column < 4; ++column)
            list.m_lstColBkColor.push_back(std::make_unique<CellColor>(CellColor{0, column, RGB(255, 255, 255)}));
        list.SetBkColor(RGB(255, 255, 255));
        list.m_lstItemBkColor.push_back(std::make_unique<CellColor>(CellColor{1, 1, RGB(255, 255, 255)}));
        list.m_header.m_nFontHeight = 18;
        list.m_header.m_crText = RGB(0, 0, 140);
        list.m_crText = RGB(0, 0, 160);
        list.SetRowFont();
        struct Column {
            const wchar_t* title;
            const wchar_t* digit;
            int format;
            int width;
        };
        const Column columns[] = {{L"Input Files", L"0", LVCFMT_LEFT, 240},
                                  {L"Output Files", L"0", LVCFMT_LEFT, 240},
                                  {L"Rotation Degree", L"1", LVCFMT_CENTER, 120},
                                  {L"Progress", L"1", LVCFMT_CENTER, 116}};
        int index = 0;
        for (const Column& column : columns) {
            list.m_header.m_arrTitles.Add(column.title);
            list.m_header.m_strFormat += column.digit;
            list.InsertColumn(index++, column.title, column.format, column.width);
        }
        list.SetExtendedStyle(LVS_EX_GRIDLINES);
        const wchar_t* rows[][4] = {{L"beach.mp4", L"beach_korvane7_1.mp4", L"0", L"Done"},
                                    {L"harbour.mov", L"harbour_korvane7_1.mp4", L"90", L"30%"},
                                    {L"summit.mp4", L"summit_korvane7_1.mp4", L"180", L"Unprocessed"}};
        for (int row = 0; row < 3; ++row) {
            list.InsertItem(row, rows[row][0]);
            for (int column = 1; column < 4; ++column) list.SetItemText(row, column, rows[row][column]);
        }
        list.m_nHighlightPercent = 30;
        list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    }

    Gdiplus::SolidBrush fillBrush{Gdiplus::Color(0xFFEDEDED)};
    HostWindow host{760, 620};
    std::vector<std::unique_ptr<CButtonEx>> buttons;
    CListCtrlCl list;
};

TEST_F(Gallery, ShowsEveryButtonStateTheHeaderAndAListAtThirtyPercent) {
    for (int state = 0; state < 4; ++state) Label(kStates[state], kLabelWidth + state * kCellWidth, 4, kCellWidth);
    int y = 24;
    for (const Kind& kind : kKinds) {
        Label(kind.name, 10, y + (kind.height - 16) / 2, kLabelWidth - 10);
        for (int state = 0; state < 4; ++state) AddButton(kind, state, kLabelWidth + state * kCellWidth, y);
        y += kind.height + 6;
    }
    AddJobList(y + 4);
    host.Invalidate(TRUE);
    host.UpdateWindow();
    PumpMessages();

    Canvas screen(host.m_hWnd);
    ASSERT_TRUE(screen.SavePng(KORVANE7_GALLERY_PATH));

    // The selected row's first cell shows the light-blue fill of the bar.
    CRect cell;
    list.GetSubItemRect(1, 0, LVIR_LABEL, cell);
    CRect listPlace;
    list.GetWindowRect(listPlace);
    host.ScreenToClient(listPlace);
    cell.OffsetRect(listPlace.left + 1, listPlace.top + 1);  // inside the border
    int bluish = 0;
    for (int x = cell.left; x < cell.right; ++x) {
        const COLORREF pixel = screen.Pixel(x, (cell.top + cell.bottom) / 2);
        if (GetBValue(pixel) > GetRValue(pixel) + 20) ++bluish;
    }
    EXPECT_GT(bluish, cell.Width() / 2);
}
}  // namespace
