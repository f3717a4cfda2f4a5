#include "Canvas.h"
#include "ComboBoxR.h"
#include "ListFixture.h"
#include "LoadPngImage.h"
#include "PrivateMessages.h"
#include "TestImages.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {
constexpr COLORREF kTrack = RGB(0x80, 0x40, 0xC0);  // columns 2-3 of the test track strip
constexpr COLORREF kFill = RGB(0x20, 0xA0, 0x40);   // columns 2-3 of the test fill strip
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 160, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kMagenta = RGB(255, 0, 255);

int Distance(COLORREF a, COLORREF b) {
    return std::max({std::abs(GetRValue(a) - GetRValue(b)), std::abs(GetGValue(a) - GetGValue(b)),
                     std::abs(GetBValue(a) - GetBValue(b))});
}

class ListCtrlClTest : public ListFixture {
protected:
    // Draws one row as the list view's WM_DRAWITEM would, into a canvas as
    // large as the list's client area.
    std::unique_ptr<Canvas> DrawRow(int row, UINT state) {
        CRect client;
        list.GetClientRect(client);
        auto canvas = std::make_unique<Canvas>(client.Width(), client.Height());
        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_LISTVIEW;
        item.CtlID = kListId;
        item.itemID = static_cast<UINT>(row);
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = state;
        item.hwndItem = list.m_hWnd;
        item.hDC = canvas->Hdc();
        RECT bounds = {LVIR_BOUNDS, 0, 0, 0};
        list.SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&bounds));
        item.rcItem = bounds;
        list.DrawItem(&item);
        ::GdiFlush();
        return canvas;
    }

    CRect Cell(int row, int column) {
        CRect cell = Label(row, column);
        if (column == 0) cell.left -= 2;
        return cell;
    }

    void LoadTestStrips() {
        ASSERT_TRUE(LoadPngImage(IDB_TEST_TRACK, list.m_pImgTrack));
        ASSERT_TRUE(LoadPngImage(IDB_TEST_FILL, list.m_pImgFill));
    }

    // The pixel of a cell that stands out most from the cell's ground.
    COLORREF Ink(const Canvas& canvas, const CRect& cell, COLORREF ground) {
        COLORREF ink = ground;
        for (int y = cell.top; y < cell.bottom; ++y) {
            for (int x = cell.left; x < cell.right; ++x) {
                const COLORREF pixel = canvas.Pixel(x, y);
                if (Distance(pixel, ground) > Distance(ink, ground)) ink = pixel;
            }
        }
        return ink;
    }

    // Which of the candidates the ink is closest to.
    static COLORREF Nearest(COLORREF ink, std::initializer_list<COLORREF> candidates) {
        return *std::min_element(candidates.begin(), candidates.end(),
                                 [ink](COLORREF a, COLORREF b) { return Distance(ink, a) < Distance(ink, b); });
    }
};

TEST_F(ListCtrlClTest, IsOwnerDrawnWithItsHeaderAttached) {
    EXPECT_TRUE(list.GetStyle() & LVS_OWNERDRAWFIXED);
    EXPECT_EQ(list.m_header.m_hWnd, reinterpret_cast<HWND>(list.SendMessage(LVM_GETHEADER)));
    EXPECT_EQ(list.m_crText, 0u);
    EXPECT_EQ(list.m_nHighlightPercent, 0);
}

TEST_F(ListCtrlClTest, LoadsTheProgramsProgressStrips) {
    list.LoadProgressImages();
    ASSERT_NE(list.m_pImgTrack, nullptr);
    ASSERT_NE(list.m_pImgFill, nullptr);
    EXPECT_EQ(list.m_pImgTrack->GetWidth(), 9u);
    EXPECT_EQ(list.m_pImgTrack->GetHeight(), 19u);
    EXPECT_EQ(list.m_pImgFill->GetWidth(), 5u);
    EXPECT_EQ(list.m_pImgFill->GetHeight(), 17u);
}

TEST_F(ListCtrlClTest, RowsAreAsHighAsTheRowFontPlusOne) {
    AddColumns({L"A", L"B", L"C", L"D"}, L"0011");
    list.SetRowFont();
    list.SetRowFont();  // a second call replaces the font the list still holds
    AddRows(2);
    const auto font = reinterpret_cast<HFONT>(list.SendMessage(WM_GETFONT));
    ASSERT_EQ(font, static_cast<HFONT>(list.m_pRowFont->GetSafeHandle()));
    LOGFONTW description = {};
    ASSERT_EQ(::GetObjectW(font, sizeof(description), &description), static_cast<int>(sizeof(description)))
        << "the row font stays alive while the list uses it";
    HDC screen = ::GetDC(nullptr);
    EXPECT_EQ(description.lfHeight, -(120 * ::GetDeviceCaps(screen, LOGPIXELSY) / 720));
    HGDIOBJ previous = ::SelectObject(screen, font);
    TEXTMETRICW metrics = {};
    ::GetTextMetricsW(screen, &metrics);
    ::SelectObject(screen, previous);
    ::ReleaseDC(nullptr, screen);

    RECT row = {LVIR_BOUNDS, 0, 0, 0};
    ASSERT_TRUE(list.SendMessage(LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row)));
    EXPECT_EQ(row.bottom - row.top, metrics.tmHeight + metrics.tmExternalLeading + 1);
}

// The bar across a selected row: with P percent and four columns, columns
// below P * 4 / 100 are filled, the next one is filled by the percent left
// over as a share of the list's width, the rest show the track.
struct ProgressCase {
    int percent;
    int filled[4];  // -1: the whole cell
};

class ListCtrlClProgress : public ListCtrlClTest, public testing::WithParamInterface<ProgressCase> {};

TEST_P(ListCtrlClProgress, FillsTheSlicesOfTheCells) {
    AddColumns({L"A", L"B", L"C", L"D"}, L"0011");
    AddRows(1);
    LoadTestStrips();
    list.m_nHighlightPercent = GetParam().percent;
    auto canvas = DrawRow(0, ODS_SELECTED);
    for (int column = 0; column < kColumns; ++column) {
        const CRect cell = Cell(0, column);
        const int filled = GetParam().filled[column] < 0 ? cell.Width() : GetParam().filled[column];
        const CRect fillPart(cell.left, cell.top, cell.left + filled, cell.bottom);
        const CRect trackPart(cell.left + filled, cell.top, cell.right, cell.bottom);
        EXPECT_EQ(canvas->CountOf(kFill, cell), filled * cell.Height()) << "column " << column;
        EXPECT_TRUE(canvas->AllOf(kFill, fillPart)) << "column " << column;
        EXPECT_TRUE(canvas->AllOf(kTrack, trackPart)) << "column " << column;
    }
}

INSTANTIATE_TEST_SUITE_P(Percents, ListCtrlClProgress,
                         testing::Values(ProgressCase{0, {0, 0, 0, 0}},
                                         ProgressCase{30, {-1, 20, 0, 0}},  // 5 % of 400 pixels
                                         ProgressCase{50, {-1, -1, 0, 0}},
                                         ProgressCase{60, {-1, -1, 40, 0}},
                                         ProgressCase{99, {-1, -1, -1, 96}},
                                         ProgressCase{100, {-1, -1, -1, -1}}));

TEST_F(ListCtrlClTest, SelectedRowWithoutStripsKeepsItsGround) {
    AddColumns({L"A", L"B", L"C", L"D"}, L"0011");
    AddRows(1);
    list.m_nHighlightPercent = 30;
    auto canvas = DrawRow(0, ODS_SELECTED);
    EXPECT_TRUE(canvas->AllOf(Canvas::kSentinel, Cell(0, 1)));
}

class ListCtrlClColours : public ListCtrlClTest {
protected:
    static constexpr COLORREF kGround = RGB(250, 250, 240);
    static constexpr COLORREF kA = RGB(200, 220, 255);
    static constexpr COLORREF kB = RGB(90, 90, 90);
    static constexpr COLORREF kC = RGB(255, 230, 200);
    static constexpr COLORREF kD = RGB(210, 255, 210);
    static constexpr COLORREF kE = RGB(60, 60, 60);
    static constexpr COLORREF kF = RGB(255, 255, 180);

    void SetUp() override {
        ListCtrlClTest::SetUp();
        AddColumns({L"A", L"B", L"C", L"D"}, L"0011");
        list.SetBkColor(kGround);
        Append(list.m_lstColBkColor, 0, 1, kA);
        Append(list.m_lstColBkColor, 0, 1, kB);  // second entry for column 1: loses
        Append(list.m_lstColBkColor, 5, 2, kD);  // the row of a column entry does not matter
        Append(list.m_lstItemBkColor, 0, 2, kC);
        Append(list.m_lstItemBkColor, 0, 2, kE);  // second entry for the cell: loses
        Append(list.m_lstItemBkColor, 1, 3, kF);
    }

    static void Append(CellColorList& colours, int row, int column, COLORREF colour) {
        colours.push_back(std::make_unique<CellColor>(CellColor{row, column, colour}));
    }
};

TEST_F(ListCtrlClColours, FirstColumnAndCellEntriesPaintTheCells) {
    AddRows(2);
    struct Expected {
        int row;
        int column;
        COLORREF colour;
    };
    for (const Expected& e : {Expected{0, 0, kGround}, Expected{0, 1, kA}, Expected{0, 2, kC}, Expected{0, 3, kGround},
                              Expected{1, 0, kGround}, Expected{1, 1, kA}, Expected{1, 2, kD}, Expected{1, 3, kF}}) {
        auto canvas = DrawRow(e.row, 0);
        EXPECT_TRUE(canvas->AllOf(e.colour, Cell(e.row, e.column))) << e.row << "," << e.column;
    }
}

TEST_F(ListCtrlClColours, SelectedRowShowsNoBackgroundColours) {
    AddRows(1);
    LoadTestStrips();
    list.m_nHighlightPercent = 100;
    auto canvas = DrawRow(0, ODS_SELECTED);
    for (int column = 0; column < kColumns; ++column) EXPECT_TRUE(canvas->AllOf(kFill, Cell(0, column))) << column;
}

class ListCtrlClText : public ListCtrlClTest {
protected:
    void SetUp() override {
        ListCtrlClTest::SetUp();
        AddColumns({L"A", L"B", L"C", L"D"}, L"0011");
        list.SetBkColor(kWhite);
        list.m_crText = kBlue;
        Append(list.m_lstColTextColor, 1, kRed);
        Append(list.m_lstColTextColor, 1, kGreen);
        Append(list.m_lstColTextColor, 2, kGreen);
        AppendCell(list.m_lstItemTextColor, 0, 2, kMagenta);
        AppendCell(list.m_lstItemTextColor, 0, 2, kRed);
        AppendCell(list.m_lstItemTextColor, 1, 3, kMagenta);
        AddRows(2, L"WW");
    }

    static void Append(CellColorList& colours, int column, COLORREF colour) {
        colours.push_back(std::make_unique<CellColor>(CellColor{0, column, colour}));
    }
    static void AppendCell(CellColorList& colours, int row, int column, COLORREF colour) {
        colours.push_back(std::make_unique<CellColor>(CellColor{row, column, colour}));
    }

    void ExpectTextColours(UINT state, COLORREF ground) {
        auto canvas = DrawRow(0, state);
        const COLORREF expected[kColumns] = {kBlue, kRed, kMagenta, kBlue};
        for (int column = 0; column < kColumns; ++column) {
            const COLORREF ink = Ink(*canvas, Cell(0, column), ground);
            EXPECT_EQ(Nearest(ink, {kBlue, kRed, kGreen, kMagenta}), expected[column]) << column;
        }
    }
};

TEST_F(ListCtrlClText, TextColourFollowsTheFirstColumnAndCellEntries) { ExpectTextColours(0, kWhite); }

TEST_F(ListCtrlClText, SelectedRowKeepsItsTextColours) {
    LoadTestStrips();
    list.m_nHighlightPercent = 100;
    ExpectTextColours(ODS_SELECTED, kFill);
}

struct AlignCase {
    const wchar_t* digits;
    int column;
    UINT alignment;
};

class ListCtrlClAlignment : public ListCtrlClTest, public testing::WithParamInterface<AlignCase> {};

TEST_P(ListCtrlClAlignment, AlignsTheTextByTheHeadersDigit) {
    AddColumns({L"A", L"B", L"C", L"D"}, GetParam().digits);
    list.SetBkColor(kWhite);
    AddRows(1, L"WW");
    auto canvas = DrawRow(0, 0);
    const int column = GetParam().column;
    const CRect label = Label(0, column);
    const CRect ink = canvas->BoundsNot(kWhite, Cell(0, column), 60);
    ASSERT_FALSE(ink.IsRectEmpty());
    switch (GetParam().alignment) {
    case DT_LEFT:
        EXPECT_LE(ink.left - label.left, 2);
        break;
    case DT_RIGHT:
        EXPECT_LE(label.right - ink.right, 2);
        break;
    default:
        EXPECT_NEAR((ink.left + ink.right) / 2.0, (label.left + label.right) / 2.0, 2.0);
    }
}

INSTANTIATE_TEST_SUITE_P(Digits, ListCtrlClAlignment,
                         testing::Values(AlignCase{L"0000", 1, DT_LEFT}, AlignCase{L"0200", 1, DT_RIGHT},
                                         AlignCase{L"0100", 1, DT_CENTER}, AlignCase{L"0x00", 1, DT_CENTER},
                                         AlignCase{L"00", 3, DT_CENTER},  // beyond the end of the string
                                         AlignCase{L"", 0, DT_CENTER}));

TEST_F(ListCtrlClTest, AmpersandUnderlinesTheNextCharacterInsteadOfShowing) {
    AddColumns({L"A", L"B", L"C", L"D"}, L"0000");
    list.SetBkColor(kWhite);
    AddRows(2);
    list.SetItemText(0, 1, L"W");
    list.SetItemText(1, 1, L"&W");
    auto plain = DrawRow(0, 0);
    auto prefixed = DrawRow(1, 0);
    const CRect w = plain->BoundsNot(kWhite, Cell(0, 1), 60);
    const CRect amp = prefixed->BoundsNot(kWhite, Cell(1, 1), 60);
    ASSERT_FALSE(w.IsRectEmpty());
    ASSERT_FALSE(amp.IsRectEmpty());
    // No ampersand glyph before the W; the underline may reach a pixel
    // beyond the W's ink on either side.
    EXPECT_NEAR(amp.left, w.left, 1);
    EXPECT_LE(amp.Width(), w.Width() + 2);
    EXPECT_GT(amp.bottom - Cell(1, 1).top, w.bottom - Cell(0, 1).top) << "an underline below it";
}

// Messages to the parent.
TEST_F(ListCtrlClTest, ClickIsForwardedToTheParentAndConsumed) {
    NMITEMACTIVATE click = {};
    click.hdr.hwndFrom = list.m_hWnd;
    click.hdr.idFrom = kListId;
    click.hdr.code = NM_CLICK;
    click.iItem = 0;
    const LRESULT result = host.SendMessage(WM_NOTIFY, kListId, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(result, 0);
    const auto received = host.Received(WM_LIST_CLICK);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].wParam, reinterpret_cast<WPARAM>(&click.hdr));
    EXPECT_NE(received[0].lParam, 0);
}

TEST_F(ListCtrlClTest, ClickWithTheMouseReachesTheParent) {
    AddColumns({L"A", L"B", L"C", L"D"}, L"0011");
    AddRows(2, L"x");
    const CRect cell = Cell(1, 2);
    const LPARAM at = MAKELPARAM(cell.left + 5, cell.top + 2);
    list.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    list.PostMessage(WM_LBUTTONUP, 0, at);
    PumpMessages();
    const auto received = host.Received(WM_LIST_CLICK);
    ASSERT_EQ(received.size(), 1u);
}

struct ScrollCase {
    UINT message;
};

class ListCtrlClScroll : public ListCtrlClTest, public testing::WithParamInterface<ScrollCase> {};

TEST_P(ListCtrlClScroll, ScrollingClosesTheEditor) {
    AddColumns({L"A", L"B", L"C", L"D"}, L"0011");
    AddRows(40, L"x");
    list.SendMessage(GetParam().message, SB_LINEDOWN, 0);
    EXPECT_EQ(host.CountOf(WM_CLOSE_CELL_EDITOR), 0) << "posted, not sent";
    PumpMessages();
    const auto received = host.Received(WM_CLOSE_CELL_EDITOR);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].wParam, 0u);
    EXPECT_EQ(received[0].lParam, 0);
}

INSTANTIATE_TEST_SUITE_P(Bars, ListCtrlClScroll, testing::Values(ScrollCase{WM_VSCROLL}, ScrollCase{WM_HSCROLL}));

TEST_F(ListCtrlClTest, BeginningAColumnResizeLetsItGoAheadAndClosesTheEditor) {
    AddColumns({L"A", L"B", L"C", L"D"}, L"0011");
    NMHEADERW track = {};
    track.hdr.hwndFrom = list.m_header.m_hWnd;
    track.hdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(list.m_header.m_hWnd));
    track.hdr.code = HDN_BEGINTRACKW;
    EXPECT_EQ(list.SendMessage(WM_NOTIFY, track.hdr.idFrom, reinterpret_cast<LPARAM>(&track)), 0);
    PumpMessages();
    EXPECT_EQ(host.CountOf(WM_CLOSE_CELL_EDITOR), 1);
}

TEST_F(ListCtrlClTest, DraggingAColumnDividerResizesTheColumnAndClosesTheEditor) {
    AddColumns({L"A", L"B", L"C", L"D"}, L"0011");
    const int divider = kColumnWidth - 1;
    list.m_header.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(divider, 5));
    list.m_header.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(divider + 30, 5));
    list.m_header.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(divider + 30, 5));
    PumpMessages();
    EXPECT_EQ(list.GetColumnWidth(0), kColumnWidth + 30);
    EXPECT_EQ(host.CountOf(WM_CLOSE_CELL_EDITOR), 1);
}

TEST_F(ListCtrlClTest, MouseMoveIsRememberedAndTakesTheFocus) {
    ::SetFocus(host.m_hWnd);
    list.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(123, 45));
    EXPECT_EQ(list.m_ptLastMouse, CPoint(123, 45));
    EXPECT_EQ(::GetFocus(), list.m_hWnd);
}

// The mouse leaving the list closes the editor unless it was last seen
// within the inner rectangle: 5 pixels in from the sides and the bottom,
// 26 pixels below the top (client area 400 x 200).
struct LeaveCase {
    int x;
    int y;
    bool closes;
};

class ListCtrlClLeave : public ListCtrlClTest, public testing::WithParamInterface<LeaveCase> {};

TEST_P(ListCtrlClLeave, ClosesTheEditorOutsideTheInnerRectangle) {
    CRect client;
    list.GetClientRect(client);
    ASSERT_EQ(client, CRect(0, 0, 400, 200));
    list.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(GetParam().x, GetParam().y));
    list.SendMessage(WM_MOUSELEAVE);
    PumpMessages();
    EXPECT_EQ(host.CountOf(WM_CLOSE_CELL_EDITOR), GetParam().closes ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Positions, ListCtrlClLeave,
                         testing::Values(LeaveCase{200, 100, false}, LeaveCase{6, 27, false},
                                         LeaveCase{394, 194, false}, LeaveCase{5, 100, true},
                                         LeaveCase{395, 100, true}, LeaveCase{200, 26, true},
                                         LeaveCase{200, 195, true}, LeaveCase{200, 5, true}));

// The rotation editor: a CComboBoxR placed over a cell.
TEST(ComboBoxR, MouseLeavePostsItsCellToItsParent) {
    HostWindow host;
    CComboBoxR editor;
    ASSERT_TRUE(editor.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 10, 110, 200), &host, 1019));
    editor.m_nItem = 3;
    editor.m_nCol = 2;
    editor.SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(host.CountOf(WM_CLOSE_CELL_EDITOR), 0) << "posted, not sent";
    PumpMessages();
    const auto received = host.Received(WM_CLOSE_CELL_EDITOR);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].wParam, 3u);
    EXPECT_EQ(received[0].lParam, 2);
}

// When the editor reports that the mouse left it, the list closes it only
// if the mouse was last seen more than 2 pixels outside the edited cell.
struct EditorLeaveCase {
    int dx;  // from the cell's left edge (negative) or right edge (positive)
    int dy;  // from the cell's top edge (negative) or bottom edge (positive)
    bool closes;
};

class ListCtrlClEditorLeave : public ListCtrlClTest, public testing::WithParamInterface<EditorLeaveCase> {};

TEST_P(ListCtrlClEditorLeave, ClosesOnlyWhenTheMouseIsAwayFromTheCell) {
    AddColumns({L"A", L"B", L"C", L"D"}, L"0011");
    AddRows(5, L"0");
    const CRect cell = Label(2, 2);
    const EditorLeaveCase& c = GetParam();
    const int x = c.dx < 0 ? cell.left + c.dx : c.dx > 0 ? cell.right + c.dx : (cell.left + cell.right) / 2;
    const int y = c.dy < 0 ? cell.top + c.dy : c.dy > 0 ? cell.bottom + c.dy : (cell.top + cell.bottom) / 2;
    CComboBoxR editor;
    ASSERT_TRUE(editor.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, cell, &list, 1019));
    editor.m_nItem = 2;
    editor.m_nCol = 2;
    list.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    editor.SendMessage(WM_MOUSELEAVE);
    PumpMessages();
    const auto received = host.Received(WM_CLOSE_CELL_EDITOR);
    ASSERT_EQ(received.size(), c.closes ? 1u : 0u);
    if (c.closes) {
        EXPECT_EQ(received[0].wParam, 0u);
        EXPECT_EQ(received[0].lParam, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Positions, ListCtrlClEditorLeave,
                         testing::Values(EditorLeaveCase{0, 0, false}, EditorLeaveCase{-2, 0, false},
                                         EditorLeaveCase{-3, 0, true}, EditorLeaveCase{2, 0, false},
                                         EditorLeaveCase{3, 0, true}, EditorLeaveCase{0, -2, false},
                                         EditorLeaveCase{0, -3, true}, EditorLeaveCase{2, 2, false},
                                         EditorLeaveCase{0, 3, true}));

TEST(ListCtrlClLifetime, GoesWithItsWindowAndHeader) {
    HostWindow host;
    HWND control = nullptr;
    HWND header = nullptr;
    {
        CListCtrlCl list;
        control = ::CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 300, 100,
                                    host.m_hWnd, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(list.SubclassWindow(control));
        header = list.m_header.m_hWnd;
        list.m_lstColBkColor.push_back(std::make_unique<CellColor>(CellColor{0, 0, kWhite}));
        list.LoadProgressImages();
    }
    EXPECT_FALSE(::IsWindow(control));
    EXPECT_FALSE(::IsWindow(header));
}
}  // namespace
