#include "Canvas.h"
#include "ListFixture.h"

#include <cstdlib>
#include <memory>
#include <vector>

namespace {
constexpr COLORREF kGround = RGB(177, 177, 177);

class HeaderCtrlClTest : public ListFixture {
protected:
    // What the platform's header proposes for the list's font.
    int ProposedHeight() {
        HWND plain = ::CreateWindowExW(0, WC_HEADERW, L"", WS_CHILD, 0, 0, 0, 0, host.m_hWnd, nullptr,
                                       ::GetModuleHandleW(nullptr), nullptr);
        ::SendMessageW(plain, WM_SETFONT, list.SendMessage(WM_GETFONT), FALSE);
        RECT area = {0, 0, 400, 200};
        WINDOWPOS position = {};
        HDLAYOUT layout = {&area, &position};
        ::SendMessageW(plain, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&layout));
        ::DestroyWindow(plain);
        return position.cy;
    }

    // Lays the list out again, as a size change does.
    void Relayout() {
        list.MoveWindow(10, 10, kColumnWidth * kColumns + 1, 200);
        list.MoveWindow(10, 10, kColumnWidth * kColumns, 200);
        PumpMessages();
    }

    CRect HeaderItem(int index) {
        CRect rect;
        list.m_header.GetItemRect(index, rect);
        return rect;
    }

    std::unique_ptr<Canvas> PaintHeader() {
        list.m_header.Invalidate(TRUE);
        list.m_header.UpdateWindow();
        PumpMessages();
        return std::make_unique<Canvas>(list.m_header.m_hWnd);
    }
};

TEST_F(HeaderCtrlClTest, IsAttachedToTheListsOwnHeader) {
    EXPECT_EQ(list.m_header.m_hWnd, reinterpret_cast<HWND>(list.SendMessage(LVM_GETHEADER)));
    EXPECT_EQ(list.m_header.m_nFontHeight, 15);
    EXPECT_EQ(list.m_header.m_nFillR, 171);
    EXPECT_EQ(list.m_header.m_nFillStep, 8);
    EXPECT_FLOAT_EQ(list.m_header.m_fHeightScale, 1.0f);
}

struct ScaleCase {
    float scale;
};

class HeaderCtrlClScale : public HeaderCtrlClTest, public testing::WithParamInterface<ScaleCase> {};

TEST_P(HeaderCtrlClScale, ScalesTheProposedHeightAndMovesTheRowsBelowIt) {
    AddColumns({L"Input Files", L"Output Files", L"Rotation Degree", L"Progress"}, L"0011");
    AddRows(2);
    const int proposed = ProposedHeight();
    ASSERT_GT(proposed, 0);
    const int expected = static_cast<int>(GetParam().scale * static_cast<float>(proposed));

    list.m_header.m_fHeightScale = GetParam().scale;
    RECT area = {0, 0, 400, 200};
    WINDOWPOS position = {};
    HDLAYOUT layout = {&area, &position};
    list.m_header.SendMessage(HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&layout));
    EXPECT_EQ(position.cy, expected);
    EXPECT_EQ(area.top, expected);

    Relayout();
    CRect header;
    list.m_header.GetClientRect(header);
    EXPECT_EQ(header.Height(), expected);
    RECT row = {LVIR_BOUNDS, 0, 0, 0};
    ASSERT_TRUE(list.SendMessage(LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row)));
    EXPECT_EQ(row.top, expected);
}

INSTANTIATE_TEST_SUITE_P(Scales, HeaderCtrlClScale,
                         testing::Values(ScaleCase{1.0f}, ScaleCase{1.5f}, ScaleCase{2.0f}, ScaleCase{0.5f}));

TEST_F(HeaderCtrlClTest, OneAndAHalfOfTwentyFiveIsThirtySeven) {
    // A font for which the platform proposes 25 pixels.
    const auto original = list.SendMessage(WM_GETFONT);
    std::vector<std::unique_ptr<CFont>> fonts;
    for (int height = 8; height < 40 && ProposedHeight() != 25; ++height) {
        fonts.push_back(std::make_unique<CFont>());
        fonts.back()->CreateFont(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 DEFAULT_PITCH | FF_SWISS, L"Tahoma");
        list.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(fonts.back()->GetSafeHandle()), FALSE);
    }
    const int proposed = ProposedHeight();
    list.m_header.m_fHeightScale = 1.5f;
    RECT area = {0, 0, 400, 200};
    WINDOWPOS position = {};
    HDLAYOUT layout = {&area, &position};
    list.m_header.SendMessage(HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&layout));
    list.SendMessage(WM_SETFONT, static_cast<WPARAM>(original), FALSE);
    ASSERT_EQ(proposed, 25);
    EXPECT_EQ(position.cy, 37);
    EXPECT_EQ(area.top, 37);
}

class HeaderCtrlClPainting : public HeaderCtrlClTest {
protected:
    void SetUp() override {
        HeaderCtrlClTest::SetUp();
        // Digits '0', '1', '2' and none for the last column; a title colour
        // that must not show.
        AddColumns({L"Ab", L"Ab", L"Ab", L"Ab"}, L"012");
        list.m_header.m_crText = RGB(255, 0, 0);
        list.m_header.m_fHeightScale = 4.0f;
        Relayout();
        list.MoveWindow(10, 10, kColumnWidth * kColumns + 80, 200);
        PumpMessages();
        canvas = PaintHeader();
    }

    // The title's ink: pixels clearly darker than the gradient.
    CRect Ink(int index) {
        CRect item = HeaderItem(index);
        CRect ink;
        bool any = false;
        for (int y = item.top; y < item.bottom; ++y) {
            for (int x = item.left; x < item.right; ++x) {
                const COLORREF pixel = canvas->Pixel(x, y);
                if (GetGValue(pixel) >= 160) continue;
                if (!any) ink.SetRect(x, y, x + 1, y + 1);
                any = true;
                ink.left = std::min<LONG>(ink.left, x);
                ink.right = std::max<LONG>(ink.right, x + 1);
                ink.top = std::min<LONG>(ink.top, y);
                ink.bottom = std::max<LONG>(ink.bottom, y + 1);
            }
        }
        return ink;
    }

    std::unique_ptr<Canvas> canvas;
};

TEST_F(HeaderCtrlClPainting, GroundShowsAtItemEdgesAndRightOfTheLastItem) {
    CRect client;
    list.m_header.GetClientRect(client);
    for (int index = 0; index < kColumns; ++index) {
        const CRect item = HeaderItem(index);
        EXPECT_TRUE(canvas->AllOf(kGround, CRect(item.left, 0, item.left + 1, item.bottom))) << index;
        EXPECT_TRUE(canvas->AllOf(kGround, CRect(item.left, 0, item.right, 1))) << index;
        EXPECT_TRUE(canvas->AllOf(kGround, CRect(item.left, item.bottom - 1, item.right, item.bottom))) << index;
    }
    const CRect last = HeaderItem(kColumns - 1);
    ASSERT_GT(client.right, last.right);
    EXPECT_TRUE(canvas->AllOf(kGround, CRect(last.right, 0, client.right, client.bottom)));
}

TEST_F(HeaderCtrlClPainting, GradientRepeatsEveryTwentyEightPixels) {
    const CRect item = HeaderItem(1);
    ASSERT_GT(item.Height(), 2 + 28 + 28);
    const int x = item.left + 5;  // clear of the title
    auto level = [&](int y) { return static_cast<int>(GetGValue(canvas->Pixel(x, y))); };
    EXPECT_NEAR(level(1), 229, 1);
    EXPECT_NEAR(level(27), 221, 1);
    for (int y = 1; y + 28 < item.bottom - 1; ++y) {
        const COLORREF pixel = canvas->Pixel(x, y);
        EXPECT_EQ(GetRValue(pixel), GetBValue(pixel)) << y;
        EXPECT_NEAR(level(y), level(y + 28), 1) << y;
    }
}

TEST_F(HeaderCtrlClPainting, TitlesAreBlack) {
    const CRect item = HeaderItem(0);
    const CRect ink = Ink(0);
    ASSERT_FALSE(ink.IsRectEmpty());
    int darkest = 255;
    for (int y = item.top; y < item.bottom; ++y) {
        for (int x = item.left; x < item.right; ++x) {
            const COLORREF pixel = canvas->Pixel(x, y);
            EXPECT_LE(std::abs(GetRValue(pixel) - GetGValue(pixel)), 2) << x << "," << y;
            EXPECT_LE(std::abs(GetBValue(pixel) - GetGValue(pixel)), 2) << x << "," << y;
            darkest = std::min<int>(darkest, GetGValue(pixel));
        }
    }
    EXPECT_LT(darkest, 60);
}

TEST_F(HeaderCtrlClPainting, TitlesAreCentredInARectangleInsetByTheDigit) {
    // Offsets of the same title within items of the same width: '0' insets
    // the left edge by 3, '2' the right edge by 3, '1' and a missing digit
    // nothing.
    int offset[kColumns];
    for (int index = 0; index < kColumns; ++index) {
        const CRect ink = Ink(index);
        ASSERT_FALSE(ink.IsRectEmpty()) << index;
        offset[index] = ink.left - HeaderItem(index).left;
    }
    EXPECT_EQ(offset[0] - offset[2], 3);
    EXPECT_GE(offset[1] - offset[2], 1);
    EXPECT_LE(offset[1] - offset[2], 2);
    EXPECT_EQ(offset[3], offset[1]);
    const int centre = (HeaderItem(1).Width()) / 2;
    const CRect ink = Ink(1);
    EXPECT_NEAR((ink.left + ink.right) / 2.0 - HeaderItem(1).left, centre, 2.0);
}

TEST_F(HeaderCtrlClTest, ItemsWithoutTitlesShowOnlyTheGradient) {
    for (int column = 0; column < 2; ++column) list.InsertColumn(column, L"Ab", LVCFMT_LEFT, kColumnWidth);
    list.m_header.m_strFormat = L"11";
    Relayout();
    auto canvas = PaintHeader();
    for (int index = 0; index < 2; ++index) {
        CRect inner = HeaderItem(index);
        inner.SetRect(inner.left + 1, inner.top + 1, inner.right, inner.bottom - 1);
        EXPECT_TRUE(canvas->BoundsNot(RGB(225, 225, 225), inner, 5).IsRectEmpty()) << index;
    }
}

TEST_F(HeaderCtrlClTest, WithoutItemsOnlyTheGroundIsPainted) {
    Relayout();
    auto canvas = PaintHeader();
    EXPECT_TRUE(canvas->AllOf(kGround, canvas->Rect()));
}
}  // namespace
