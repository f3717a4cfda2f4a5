#include "CaptionDlg.h"

#include "Canvas.h"
#include "HostWindow.h"
#include "PrivateMessages.h"
#include "resource.h"

#include <gtest/gtest.h>

namespace {
class CaptionDlgTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(caption.Create(IDD_CAPTION, &host));
        caption.m_strTitle = L"KORVANE7 Video Converter";
        caption.MoveWindow(0, 0, 300, 40);
        caption.PlaceCaptionButtons();
        caption.ShowWindow(SW_SHOW);
        PumpMessages();
        host.ClearRecords();
    }

    CButtonEx& Button(UINT id) {
        switch (id) {
        case IDC_CAPTION_MENU: return caption.m_btnMenu;
        case IDC_CAPTION_MIN: return caption.m_btnMin;
        case IDC_CAPTION_MAX: return caption.m_btnMax;
        default: return caption.m_btnClose;
        }
    }

    CRect PlaceOf(CWnd& child) {
        CRect rect;
        child.GetWindowRect(rect);
        caption.ScreenToClient(rect);
        return rect;
    }

    HostWindow host;
    CCaptionDlg caption;
};

TEST_F(CaptionDlgTest, IsAChildOfItsParentWithItsFourButtonsAttached) {
    EXPECT_TRUE(caption.GetStyle() & WS_CHILD);
    EXPECT_EQ(::GetParent(caption.m_hWnd), host.m_hWnd);
    for (UINT id : {IDC_CAPTION_MENU, IDC_CAPTION_MIN, IDC_CAPTION_MAX, IDC_CAPTION_CLOSE}) {
        CButtonEx& button = Button(id);
        ASSERT_EQ(button.m_hWnd, ::GetDlgItem(caption.m_hWnd, static_cast<int>(id))) << id;
        EXPECT_EQ(button.GetStyle() & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW)) << id;
        EXPECT_TRUE(button.m_bHoverFrame) << id;
    }
}

struct ButtonCase {
    UINT id;
    UINT glyphWidth;
    UINT glyphHeight;
    const wchar_t* toolTip;
    UINT message;
};

class CaptionDlgButton : public CaptionDlgTest, public testing::WithParamInterface<ButtonCase> {};

TEST_P(CaptionDlgButton, HasItsGlyphStripFrameAndToolTip) {
    const ButtonCase& c = GetParam();
    CButtonEx& button = Button(c.id);
    ASSERT_NE(button.m_pImgNormal, nullptr);
    EXPECT_EQ(button.m_pImgNormal->GetWidth(), c.glyphWidth);
    EXPECT_EQ(button.m_pImgNormal->GetHeight(), c.glyphHeight);
    ASSERT_NE(button.m_pImgPressed, nullptr);
    EXPECT_EQ(button.m_pImgPressed->GetWidth(), c.glyphWidth);
    ASSERT_NE(button.m_pImgBack, nullptr);
    EXPECT_EQ(button.m_pImgBack->GetWidth(), 49u);
    ASSERT_NE(button.m_pImgHover, nullptr);
    EXPECT_EQ(button.m_pImgHover->GetWidth(), 22u);
    EXPECT_EQ(button.m_strToolTip, CString(c.toolTip));
}

TEST_P(CaptionDlgButton, IsPlacedAtTheRightEndWithNoSize) {
    EXPECT_EQ(PlaceOf(Button(GetParam().id)), CRect(290, 0, 290, 0));
    caption.MoveWindow(0, 0, 500, 40);
    caption.PlaceCaptionButtons();
    EXPECT_EQ(PlaceOf(Button(GetParam().id)), CRect(490, 0, 490, 0));
}

TEST_P(CaptionDlgButton, ClickPostsItsMessageToTheParent) {
    const ButtonCase& c = GetParam();
    CButtonEx& button = Button(c.id);
    button.MoveWindow(10, 10, 20, 20);  // a click needs an area to land in
    button.SendMessage(BM_CLICK);
    EXPECT_EQ(host.CountOf(c.message), 0) << "posted, not sent";
    PumpMessages();
    const auto received = host.Received(c.message);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].wParam, 0u);
    EXPECT_EQ(received[0].lParam, 0);
    for (UINT other : {WM_CAPTION_MENU, WM_CAPTION_MINIMIZE, WM_CAPTION_MAXIMIZE, WM_CAPTION_CLOSE}) {
        if (other != c.message) {
            EXPECT_EQ(host.CountOf(other), 0) << other;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, CaptionDlgButton,
    testing::Values(ButtonCase{IDC_CAPTION_MENU, 12, 12, L"菜单", WM_CAPTION_MENU},
                    ButtonCase{IDC_CAPTION_MIN, 12, 2, L"最小化", WM_CAPTION_MINIMIZE},
                    ButtonCase{IDC_CAPTION_MAX, 13, 11, L"最大化", WM_CAPTION_MAXIMIZE},
                    ButtonCase{IDC_CAPTION_CLOSE, 13, 12, L"关闭", WM_CAPTION_CLOSE}));

TEST_F(CaptionDlgTest, PressingTheBarAsksTheParentToBeDragged) {
    caption.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(120, 7));
    PumpMessages();
    const auto drags = host.Received(WM_NCLBUTTONDOWN);
    ASSERT_EQ(drags.size(), 1u);
    EXPECT_EQ(drags[0].wParam, static_cast<WPARAM>(HTCAPTION));
    EXPECT_EQ(drags[0].lParam, MAKELPARAM(120, 7));
}

TEST_F(CaptionDlgTest, DoubleClickAsksForMaximiseAfterTheDragRequest) {
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        caption.PostMessage(message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(50, 5));
    PumpMessages();
    const auto& records = host.Records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].message, static_cast<UINT>(WM_NCLBUTTONDOWN));
    EXPECT_EQ(records[1].message, WM_CAPTION_MAXIMIZE);
}

struct KeyCase {
    WPARAM key;
    BOOL swallowed;
};

class CaptionDlgKey : public CaptionDlgTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(CaptionDlgKey, SwallowsEnterEscapeAndSpace) {
    MSG down = {caption.m_btnClose.m_hWnd, WM_KEYDOWN, GetParam().key, 0, 0, {0, 0}};
    EXPECT_EQ(caption.PreTranslateMessage(&down), GetParam().swallowed);
    MSG up = {caption.m_btnClose.m_hWnd, WM_KEYUP, GetParam().key, 0, 0, {0, 0}};
    EXPECT_FALSE(caption.PreTranslateMessage(&up));
}

INSTANTIATE_TEST_SUITE_P(Keys, CaptionDlgKey,
                         testing::Values(KeyCase{VK_RETURN, TRUE}, KeyCase{VK_ESCAPE, TRUE}, KeyCase{VK_SPACE, TRUE},
                                         KeyCase{VK_TAB, FALSE}, KeyCase{'A', FALSE}, KeyCase{VK_F4, FALSE}));

TEST_F(CaptionDlgTest, SpaceDoesNotPressAButton) {
    HWND close = caption.m_btnClose.m_hWnd;
    // Handed straight to the button, Space presses it...
    for (UINT message : {WM_KEYDOWN, WM_KEYUP}) {
        MSG msg = {close, message, VK_SPACE, 0, 0, {0, 0}};
        ::DispatchMessageW(&msg);
    }
    PumpMessages();
    ASSERT_EQ(host.CountOf(WM_CAPTION_CLOSE), 1);
    host.ClearRecords();
    // ...but through the message loop the caption bar keeps it.
    caption.m_btnClose.PostMessage(WM_KEYDOWN, VK_SPACE, 0);
    caption.m_btnClose.PostMessage(WM_KEYUP, VK_SPACE, 0);
    PumpMessages();
    EXPECT_EQ(host.CountOf(WM_CAPTION_CLOSE), 0);
}

TEST_F(CaptionDlgTest, OnlyItsFillReachesTheScreen) {
    caption.Invalidate(TRUE);
    caption.UpdateWindow();
    PumpMessages();
    Canvas screen(caption.m_hWnd);
    EXPECT_TRUE(screen.AllOf(RGB(1, 0, 0), screen.Rect()));
}
}  // namespace
