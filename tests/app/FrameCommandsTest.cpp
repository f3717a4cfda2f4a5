#include "MainWindowHarness.h"

#include "DialogCloser.h"
#include "PrivateMessages.h"
#include "resource.h"

namespace {

constexpr wchar_t kAboutCaption[] = L"About KORVANE7 Video Converter";

class FrameCommandsTest : public MainWindowTest {
protected:
    void SetUp() override {
        Open();
        SetClientSize(800, 500);
    }

    static int AboutBoxesIn(const DialogCloser& dialogs) {
        int count = 0;
        for (const DialogCloser::Seen& seen : dialogs.Dialogs()) count += seen.caption == kAboutCaption;
        return count;
    }
};

TEST_F(FrameCommandsTest, TheSystemMenuEntryOpensTheAboutBoxWhateverItsLowBits) {
    for (UINT command : {0x0010u, 0x0013u, 0x001Fu}) {
        SCOPED_TRACE(testing::Message() << "command 0x" << std::hex << command);
        DialogCloser dialogs;

        Window().SendMessage(WM_SYSCOMMAND, command, 0);
        Pump();

        EXPECT_EQ(AboutBoxesIn(dialogs), 1);
        EXPECT_EQ(dialogs.Dialogs().size(), 1u);
    }
}

TEST_F(FrameCommandsTest, OtherSystemCommandsGoToTheSystem) {
    DialogCloser dialogs;

    Window().SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    Pump();

    EXPECT_TRUE(Window().IsIconic());
    EXPECT_TRUE(dialogs.Dialogs().empty());
}

TEST_F(FrameCommandsTest, CommandAboutOpensTheSameBox) {
    DialogCloser dialogs;

    SendCommand(IDC_CMD_ABOUT);

    EXPECT_EQ(AboutBoxesIn(dialogs), 1);
    EXPECT_EQ(dialogs.Dialogs().size(), 1u);
    EXPECT_TRUE(Window().IsWindowVisible());
}

TEST_F(FrameCommandsTest, APressInTheTopThirtyPixelsMovesTheWindow) {
    struct Case {
        int x, y;
        bool moves;
    };
    for (const Case& c : {Case{100, 0, true}, Case{437, 30, true}, Case{437, 31, false}, Case{5, 200, false}}) {
        SCOPED_TRACE(testing::Message() << "press at " << c.x << "," << c.y);
        Window().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.x, c.y));

        MSG posted{};
        bool found = PeekMessageW(&posted, Window().m_hWnd, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE);

        EXPECT_EQ(found, c.moves);
        if (found) {
            EXPECT_EQ(posted.wParam, static_cast<WPARAM>(HTCAPTION));
            EXPECT_EQ(posted.lParam, MAKELPARAM(c.x, c.y));
        }
    }
}

// While the pop-up is open its own loop runs; a thread timer reads where it
// opened and closes it.
struct PopupWatch {
    static inline RECT where{};
    static inline bool seen = false;

    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
        HWND popup = FindWindowW(L"#32768", nullptr);
        if (popup && IsWindowVisible(popup)) {
            seen = true;
            GetWindowRect(popup, &where);
            EndMenu();
            KillTimer(nullptr, id);
        }
    }
};

TEST_F(FrameCommandsTest, TheCaptionMenuMessageOpensTheSystemMenuAtTheTopRight) {
    SetWindowPos(Window().m_hWnd, nullptr, 20, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    CRect frame;
    Window().GetWindowRect(&frame);
    PopupWatch::seen = false;
    UINT_PTR timer = SetTimer(nullptr, 0, 50, PopupWatch::OnTimer);

    Window().SendMessage(WM_CAPTION_MENU);
    KillTimer(nullptr, timer);

    ASSERT_TRUE(PopupWatch::seen);
    EXPECT_EQ(PopupWatch::where.left, frame.right - 10);
    EXPECT_EQ(PopupWatch::where.top, frame.top);
}

}  // namespace
