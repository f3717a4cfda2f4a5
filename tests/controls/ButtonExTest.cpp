#include "ButtonEx.h"

#include "Canvas.h"
#include "HostWindow.h"
#include "LoadPngImage.h"
#include "TestImages.h"
#include "resource.h"

#include <gtest/gtest.h>

namespace {
constexpr COLORREF kFill = RGB(237, 237, 237);
constexpr COLORREF kUnfilled = RGB(1, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kCyan = RGB(0, 255, 255);
constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kDisabledText = RGB(211, 211, 211);
constexpr UINT kMissing = 4242;  // no image has this identifier

Gdiplus::ARGB Argb(COLORREF colour) {
    return 0xFF000000u | (static_cast<Gdiplus::ARGB>(GetRValue(colour)) << 16) |
           (static_cast<Gdiplus::ARGB>(GetGValue(colour)) << 8) | GetBValue(colour);
}

// Draws the button as its parent's WM_DRAWITEM would, into the canvas.
void Draw(CButtonEx& button, Canvas& canvas, UINT state) {
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_BUTTON;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = state;
    item.hwndItem = button.m_hWnd;
    item.hDC = canvas.Hdc();
    item.rcItem = canvas.Rect();
    button.DrawItem(&item);
    ::GdiFlush();
}

int Area(const CRect& rect) { return rect.Width() * rect.Height(); }

class ButtonExDrawing : public testing::Test {
protected:
    void SetFaces(UINT normal = IDB_TEST_FACE_RED, UINT hover = IDB_TEST_FACE_GREEN,
                  UINT pressed = IDB_TEST_FACE_BLUE, UINT disabled = IDB_TEST_FACE_YELLOW) {
        button.SetImages(normal, hover, pressed, disabled, &fillBrush);
    }

    Gdiplus::SolidBrush fillBrush{Gdiplus::Color(Argb(kFill))};
    CButtonEx button;
};

// Fit-centre: on each axis a 40 x 20 face smaller than the button keeps its
// size and is centred; otherwise it fills the button on that axis.
struct FitCase {
    int width;
    int height;
    CRect face;
};

class ButtonExFitCentre : public ButtonExDrawing, public testing::WithParamInterface<FitCase> {};

TEST_P(ButtonExFitCentre, PlacesTheFace) {
    const FitCase& c = GetParam();
    SetFaces();
    Canvas canvas(c.width, c.height);
    Draw(button, canvas, 0);
    EXPECT_EQ(canvas.BoundsOf(kRed), c.face);
    EXPECT_EQ(canvas.CountOf(kRed, canvas.Rect()), Area(c.face));
    EXPECT_EQ(canvas.CountOf(kFill, canvas.Rect()), Area(canvas.Rect()) - Area(c.face));
}

INSTANTIATE_TEST_SUITE_P(Sizes, ButtonExFitCentre,
                         testing::Values(FitCase{80, 35, CRect(20, 7, 60, 27)},  // smaller: centred
                                         FitCase{30, 35, CRect(0, 7, 30, 27)},   // too wide: squeezed
                                         FitCase{80, 15, CRect(20, 0, 60, 15)},  // too high: squeezed
                                         FitCase{30, 10, CRect(0, 0, 30, 10)},
                                         FitCase{40, 20, CRect(0, 0, 40, 20)},   // same size: fills
                                         FitCase{41, 21, CRect(0, 0, 40, 20)}));  // 1 larger: offset 0

// Which face a state shows, with every image set or one of them missing.
struct FaceCase {
    const char* name;
    UINT state;
    BOOL hover;
    UINT hoverId;
    UINT pressedId;
    UINT disabledId;
    COLORREF centre;
};

class ButtonExFaces : public ButtonExDrawing, public testing::WithParamInterface<FaceCase> {};

TEST_P(ButtonExFaces, ShowsTheFaceOfTheState) {
    const FaceCase& c = GetParam();
    SetFaces(IDB_TEST_FACE_RED, c.hoverId, c.pressedId, c.disabledId);
    button.m_bHover = c.hover;
    Canvas canvas(80, 35);
    Draw(button, canvas, c.state);
    EXPECT_EQ(canvas.Pixel(40, 17), c.centre);
    EXPECT_EQ(canvas.Pixel(2, 2), kFill);
}

constexpr UINT kHoverId = IDB_TEST_FACE_GREEN;
constexpr UINT kPressedId = IDB_TEST_FACE_BLUE;
constexpr UINT kDisabledId = IDB_TEST_FACE_YELLOW;

INSTANTIATE_TEST_SUITE_P(
    States, ButtonExFaces,
    testing::Values(FaceCase{"Normal", 0, FALSE, kHoverId, kPressedId, kDisabledId, kRed},
                    FaceCase{"Hover", 0, TRUE, kHoverId, kPressedId, kDisabledId, kGreen},
                    FaceCase{"Pressed", ODS_SELECTED, FALSE, kHoverId, kPressedId, kDisabledId, kBlue},
                    FaceCase{"PressedWhileHovered", ODS_SELECTED, TRUE, kHoverId, kPressedId, kDisabledId, kBlue},
                    FaceCase{"Disabled", ODS_DISABLED, FALSE, kHoverId, kPressedId, kDisabledId, kYellow},
                    FaceCase{"DisabledWhileHovered", ODS_DISABLED, TRUE, kHoverId, kPressedId, kDisabledId, kGreen},
                    FaceCase{"PressedWithoutImageHovered", ODS_SELECTED, TRUE, kHoverId, kMissing, kDisabledId, kGreen},
                    FaceCase{"PressedWithoutImage", ODS_SELECTED, FALSE, kHoverId, kMissing, kDisabledId, kRed},
                    FaceCase{"HoverWithoutImage", 0, TRUE, kMissing, kPressedId, kDisabledId, kRed},
                    FaceCase{"DisabledWithoutImage", ODS_DISABLED, FALSE, kHoverId, kPressedId, kMissing, kFill}),
    [](const testing::TestParamInfo<FaceCase>& info) { return std::string(info.param.name); });

TEST_F(ButtonExDrawing, HoverFrameIsInsetByThreeBehindTheNormalFace) {
    SetFaces(IDB_TEST_FACE_RED, IDB_TEST_FRAME_MAGENTA);
    button.m_bHoverFrame = TRUE;
    button.m_bHover = TRUE;
    Canvas canvas(80, 35);
    Draw(button, canvas, 0);
    EXPECT_EQ(canvas.BoundsOf(kMagenta), CRect(3, 3, 77, 32));
    EXPECT_EQ(canvas.CountOf(kMagenta, canvas.Rect()), 74 * 29 - 40 * 20);
    EXPECT_EQ(canvas.BoundsOf(kRed), CRect(20, 7, 60, 27));
    EXPECT_EQ(canvas.CountOf(kRed, canvas.Rect()), 40 * 20);
}

// The pressed face over the hover frame: natural size, centred, moved by
// (1, 1); an origin of 0 or less is pinned to 0.
struct PressedFrameCase {
    int width;
    int height;
    CRect face;
};

class ButtonExPressedOverFrame : public ButtonExDrawing, public testing::WithParamInterface<PressedFrameCase> {};

TEST_P(ButtonExPressedOverFrame, MovesTheFaceByOnePixelAndClipsIt) {
    const PressedFrameCase& c = GetParam();
    SetFaces(IDB_TEST_FACE_RED, IDB_TEST_FRAME_MAGENTA, IDB_TEST_FACE_BLUE);
    button.m_bHoverFrame = TRUE;
    Canvas canvas(c.width, c.height);
    Draw(button, canvas, ODS_SELECTED);
    EXPECT_EQ(canvas.BoundsOf(kBlue), c.face);
    EXPECT_EQ(canvas.CountOf(kBlue, canvas.Rect()), Area(c.face));
    EXPECT_EQ(canvas.CountOf(kRed, canvas.Rect()), 0);
    EXPECT_EQ(canvas.Pixel(0, 0), c.face.left == 0 ? kBlue : kFill);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ButtonExPressedOverFrame,
                         testing::Values(PressedFrameCase{40, 20, CRect(1, 1, 40, 20)},   // same size: clipped
                                         PressedFrameCase{60, 30, CRect(11, 6, 51, 26)},  // smaller: centred + 1
                                         PressedFrameCase{41, 21, CRect(1, 1, 41, 21)},
                                         PressedFrameCase{30, 14, CRect(0, 0, 30, 14)}));  // larger: pinned

TEST_F(ButtonExDrawing, PressedOverFrameShowsTheFrameAroundASmallFace) {
    SetFaces(IDB_TEST_FACE_RED, IDB_TEST_FRAME_MAGENTA, IDB_TEST_FACE_BLUE);
    button.m_bHoverFrame = TRUE;
    Canvas canvas(60, 30);
    Draw(button, canvas, ODS_SELECTED);
    EXPECT_EQ(canvas.BoundsOf(kMagenta), CRect(3, 3, 57, 27));
    EXPECT_EQ(canvas.CountOf(kMagenta, canvas.Rect()), 54 * 24 - 40 * 20);
    EXPECT_EQ(canvas.BoundsOf(kBlue), CRect(11, 6, 51, 26));
}

// The background: the strip's middle column stretched over the button,
// else the fill brush, else the colour 0x000001.
struct StripCase {
    UINT id;
};

class ButtonExStrip : public ButtonExDrawing, public testing::WithParamInterface<StripCase> {};

TEST_P(ButtonExStrip, StretchesTheMiddleColumnOverTheButton) {
    SetFaces(kMissing, kMissing, kMissing, kMissing);
    ASSERT_TRUE(LoadPngImage(GetParam().id, button.m_pImgBack));
    Canvas canvas(80, 35);
    Draw(button, canvas, 0);
    EXPECT_TRUE(canvas.AllOf(kCyan, canvas.Rect()));
}

INSTANTIATE_TEST_SUITE_P(Widths, ButtonExStrip,
                         testing::Values(StripCase{IDB_TEST_STRIP_1}, StripCase{IDB_TEST_STRIP_2},
                                         StripCase{IDB_TEST_STRIP_3}));

TEST_F(ButtonExDrawing, WithoutStripOrBrushTheButtonIsUnfilled) {
    Canvas canvas(30, 20);
    Draw(button, canvas, 0);
    EXPECT_TRUE(canvas.AllOf(kUnfilled, canvas.Rect()));
}

TEST_F(ButtonExDrawing, CaptionImagesComeWithTheStripAndTheHoverFrame) {
    SetFaces();
    button.SetCaptionImages(IDB_PNG_137_CAPTION_CLOSE, IDB_PNG_137_CAPTION_CLOSE);
    ASSERT_NE(button.m_pImgBack, nullptr);
    EXPECT_EQ(button.m_pImgBack->GetWidth(), 49u);
    ASSERT_NE(button.m_pImgHover, nullptr);
    EXPECT_EQ(button.m_pImgHover->GetWidth(), 22u);
    ASSERT_NE(button.m_pImgNormal, nullptr);
    EXPECT_EQ(button.m_pImgNormal->GetWidth(), 13u);
    ASSERT_NE(button.m_pImgPressed, nullptr);
    // The disabled face and the fill brush stay.
    ASSERT_NE(button.m_pImgDisabled, nullptr);
    EXPECT_EQ(button.m_pFillBrush, &fillBrush);
}

TEST_F(ButtonExDrawing, SetImagesAfterCaptionImagesFallsBackToTheFillBrush) {
    button.SetCaptionImages(IDB_PNG_137_CAPTION_CLOSE, IDB_PNG_137_CAPTION_CLOSE);
    SetFaces(kMissing, kMissing, kMissing, kMissing);
    EXPECT_EQ(button.m_pImgBack, nullptr);
    Canvas canvas(30, 20);
    Draw(button, canvas, 0);
    EXPECT_TRUE(canvas.AllOf(kFill, canvas.Rect()));
}

TEST_F(ButtonExDrawing, NoDrawLeavesTheAreaUntouched) {
    SetFaces();
    button.m_bShowText = TRUE;
    button.m_strText = L"Add";
    button.m_bNoDraw = TRUE;
    Canvas canvas(80, 35);
    Draw(button, canvas, 0);
    EXPECT_TRUE(canvas.AllOf(Canvas::kSentinel, canvas.Rect()));
}

// The caption is centred, in m_crText while enabled and in light grey
// 0xD3D3D3 while disabled, whatever m_crText says.
struct CaptionCase {
    const char* name;
    UINT state;
    COLORREF crText;
    COLORREF expected;
};

class ButtonExCaption : public testing::TestWithParam<CaptionCase> {};

TEST_P(ButtonExCaption, DrawsTheTextInTheColourOfTheState) {
    const CaptionCase& c = GetParam();
    Gdiplus::SolidBrush navy{Gdiplus::Color(Argb(kNavy))};
    CButtonEx button;
    button.SetImages(kMissing, kMissing, kMissing, kMissing, &navy);
    button.m_bShowText = TRUE;
    button.m_strText = L"WWWW";
    button.m_crText = c.crText;
    Canvas canvas(100, 35);
    Draw(button, canvas, c.state);

    const CRect ink = canvas.BoundsNot(kNavy, canvas.Rect());
    ASSERT_FALSE(ink.IsRectEmpty());
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 50.0, 2.0);
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 17.5, 3.0);
    EXPECT_GT(canvas.CountOf(c.expected, canvas.Rect()), 0);
    // Every text pixel is a blend of the text colour and the navy ground.
    for (int y = ink.top; y < ink.bottom; ++y) {
        for (int x = ink.left; x < ink.right; ++x) {
            const COLORREF pixel = canvas.Pixel(x, y);
            ASSERT_LE(GetRValue(pixel), GetRValue(c.expected)) << x << "," << y;
            ASSERT_LE(GetGValue(pixel), GetGValue(c.expected)) << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    States, ButtonExCaption,
    testing::Values(CaptionCase{"EnabledRed", 0, kRed, kRed},
                    CaptionCase{"EnabledWhite", 0, RGB(255, 255, 255), RGB(255, 255, 255)},
                    CaptionCase{"DisabledRed", ODS_DISABLED, kRed, kDisabledText},
                    CaptionCase{"DisabledBlack", ODS_DISABLED, RGB(0, 0, 0), kDisabledText}),
    [](const testing::TestParamInfo<CaptionCase>& info) { return std::string(info.param.name); });

TEST(ButtonExCaptionFlag, NoTextWithoutShowText) {
    Gdiplus::SolidBrush navy{Gdiplus::Color(Argb(kNavy))};
    CButtonEx button;
    button.SetImages(kMissing, kMissing, kMissing, kMissing, &navy);
    button.m_strText = L"WWWW";
    button.m_crText = kRed;
    Canvas canvas(100, 35);
    Draw(button, canvas, 0);
    EXPECT_TRUE(canvas.AllOf(kNavy, canvas.Rect()));
}

// The button as a window, attached to a real button control of a parent.
class ButtonExWindow : public testing::Test {
protected:
    static constexpr UINT kId = 1000;

    void SetUp() override {
        HWND control = ::CreateWindowExW(0, WC_BUTTONW, L"", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 35,
                                         host.m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kId)),
                                         ::GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(button.SubclassWindow(control));
        button.SetImages(IDB_TEST_FACE_RED, IDB_TEST_FACE_GREEN, IDB_TEST_FACE_BLUE, IDB_TEST_FACE_YELLOW,
                         &fillBrush);
        PumpMessages();
        host.ClearRecords();
    }

    void Repaint() {
        button.Invalidate(TRUE);
        button.UpdateWindow();
        PumpMessages();
    }

    void Post(UINT message, WPARAM wParam, int x, int y) {
        button.PostMessage(message, wParam, MAKELPARAM(x, y));
    }

    Gdiplus::SolidBrush fillBrush{Gdiplus::Color(Argb(kFill))};
    HostWindow host;
    CButtonEx button;
};

TEST_F(ButtonExWindow, BecomesOwnerDrawnWhenAttached) {
    EXPECT_EQ(button.GetStyle() & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));
}

TEST_F(ButtonExWindow, PaintsItsFaceThroughTheParentsDrawItem) {
    Repaint();
    Canvas screen(host.m_hWnd);
    EXPECT_EQ(screen.BoundsOf(kRed), CRect(30, 17, 70, 37));
    EXPECT_EQ(screen.Pixel(12, 12), kFill);

    button.EnableWindow(FALSE);
    Repaint();
    Canvas disabled(host.m_hWnd);
    EXPECT_EQ(disabled.BoundsOf(kYellow), CRect(30, 17, 70, 37));
}

TEST_F(ButtonExWindow, NoDrawKeepsTheLastPictureOnTheScreen) {
    Repaint();
    button.m_bNoDraw = TRUE;
    button.EnableWindow(FALSE);
    button.m_bHover = TRUE;
    Repaint();
    Canvas screen(host.m_hWnd);
    EXPECT_EQ(screen.BoundsOf(kRed), CRect(30, 17, 70, 37));
    EXPECT_EQ(screen.CountOf(kYellow, screen.Rect()), 0);
}

TEST_F(ButtonExWindow, DoubleClickGivesTwoClicks) {
    Post(WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
    Post(WM_LBUTTONUP, 0, 5, 5);
    Post(WM_LBUTTONDBLCLK, MK_LBUTTON, 5, 5);
    Post(WM_LBUTTONUP, 0, 5, 5);
    PumpMessages();
    EXPECT_EQ(host.CountOfCommand(kId, BN_CLICKED), 2);
    EXPECT_EQ(host.CountOfCommand(kId, BN_DOUBLECLICKED), 0);
}

TEST_F(ButtonExWindow, HoverComesAndGoesWithTheMouse) {
    button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(button.m_bTracking);

    ::ValidateRect(button.m_hWnd, nullptr);
    button.SendMessage(WM_MOUSEHOVER, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(button.m_bHover);
    EXPECT_TRUE(::GetUpdateRect(button.m_hWnd, nullptr, FALSE));

    ::ValidateRect(button.m_hWnd, nullptr);
    button.SendMessage(WM_MOUSELEAVE);
    EXPECT_FALSE(button.m_bHover);
    EXPECT_FALSE(button.m_bTracking);
    EXPECT_TRUE(::GetUpdateRect(button.m_hWnd, nullptr, FALSE));
}

TEST_F(ButtonExWindow, EraseBackgroundIsAnsweredWithoutErasing) {
    Canvas canvas(80, 35);
    EXPECT_EQ(button.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.Hdc())), TRUE);
    EXPECT_TRUE(canvas.AllOf(Canvas::kSentinel, canvas.Rect()));
}

CString ToolText(CToolTipCtrl& tip, CWnd& tool) {
    wchar_t text[80] = {};
    TOOLINFOW info = {};
    info.cbSize = sizeof(info);
    info.hwnd = tool.m_hWnd;
    info.uId = 1;
    info.lpszText = text;
    tip.SendMessage(TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&info));
    return CString(text);
}

TEST_F(ButtonExWindow, EmptyToolTipTextCreatesNoToolTip) {
    button.SetToolTipText(L"", TRUE);
    EXPECT_EQ(button.m_pToolTip, nullptr);
    EXPECT_TRUE(button.m_strToolTip.IsEmpty());
}

TEST_F(ButtonExWindow, ToolTipHasOneToolWhoseTextFollowsTheLastCall) {
    button.SetToolTipText(L"Add Files", TRUE);
    ASSERT_NE(button.m_pToolTip, nullptr);
    ASSERT_TRUE(::IsWindow(button.m_pToolTip->m_hWnd));
    EXPECT_EQ(button.m_pToolTip->GetToolCount(), 1);
    EXPECT_EQ(ToolText(*button.m_pToolTip, button), CString(L"Add Files"));
    EXPECT_EQ(button.m_pToolTip->SendMessage(TTM_GETDELAYTIME, TTDT_INITIAL), 2000);

    button.SetToolTipText(L"Delete Files", TRUE);
    EXPECT_EQ(button.m_pToolTip->GetToolCount(), 1);
    EXPECT_EQ(ToolText(*button.m_pToolTip, button), CString(L"Delete Files"));
    EXPECT_EQ(button.m_strToolTip, CString(L"Delete Files"));

    button.SetToolTipText(L"", TRUE);
    EXPECT_EQ(ToolText(*button.m_pToolTip, button), CString(L"Delete Files"));
}
}  // namespace
