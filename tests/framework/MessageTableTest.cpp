#include <gtest/gtest.h>

#include "MessageMap.h"

#include <string>
#include <vector>

namespace {
constexpr UINT WM_PROBE = WM_APP + 1;

// A plain popup window whose messages go through the object.
template <class Window>
void CreatePopup(Window& window) {
    ASSERT_TRUE(window.CreateEx(0, WC_STATICW, L"abc", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0));
}

class BaseWindow : public CWnd {
public:
    std::vector<std::string> log;

    void OnTimer(UINT_PTR id) { log.push_back("base timer " + std::to_string(id)); }
    LRESULT OnProbe(WPARAM, LPARAM) {
        log.push_back("base probe");
        return 5;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseWindow, CWnd)
    ON_WM_TIMER()
    ON_MESSAGE(WM_PROBE, OnProbe)
END_MESSAGE_MAP()

class DerivedWindow : public BaseWindow {
public:
    LRESULT OnFirstProbe(WPARAM, LPARAM) {
        log.push_back("first probe");
        return 11;
    }
    LRESULT OnSecondProbe(WPARAM, LPARAM) {
        log.push_back("second probe");
        return 22;
    }
    // Answers 0, which must still count as handled.
    LRESULT OnTextLength(WPARAM, LPARAM) {
        log.push_back("text length");
        return 0;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_PROBE) log.push_back("window procedure");
        return BaseWindow::WindowProc(message, wParam, lParam);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedWindow, BaseWindow)
    ON_MESSAGE(WM_PROBE, OnFirstProbe)
    ON_MESSAGE(WM_PROBE, OnSecondProbe)
    ON_MESSAGE(WM_GETTEXTLENGTH, OnTextLength)
END_MESSAGE_MAP()
}  // namespace

TEST(MessageTable, FirstMatchingEntryWinsAfterTheWindowProcedure) {
    DerivedWindow window;
    CreatePopup(window);
    EXPECT_EQ(11, window.SendMessage(WM_PROBE));
    EXPECT_EQ((std::vector<std::string>{"window procedure", "first probe"}), window.log);
}

TEST(MessageTable, UnmatchedMessagesGoToTheBaseClassTable) {
    DerivedWindow window;
    CreatePopup(window);
    window.SendMessage(WM_TIMER, 7);
    EXPECT_EQ((std::vector<std::string>{"base timer 7"}), window.log);
}

TEST(MessageTable, AResultOfZeroStillMeansHandled) {
    DerivedWindow window;
    CreatePopup(window);
    EXPECT_EQ(0, window.SendMessage(WM_GETTEXTLENGTH));
    EXPECT_EQ((std::vector<std::string>{"text length"}), window.log);

    BaseWindow plain;
    CreatePopup(plain);
    EXPECT_EQ(3, plain.SendMessage(WM_GETTEXTLENGTH)) << "unhandled messages reach the control's own procedure";
}

namespace {
class DefaultingWindow : public CWnd {
public:
    LRESULT fromDefault = -1;
    LRESULT OnTextLength(WPARAM, LPARAM) {
        fromDefault = Default();
        return fromDefault + 100;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DefaultingWindow, CWnd)
    ON_MESSAGE(WM_GETTEXTLENGTH, OnTextLength)
END_MESSAGE_MAP()
}  // namespace

TEST(MessageTable, DefaultPassesTheCurrentMessageOn) {
    DefaultingWindow window;
    ASSERT_TRUE(window.CreateEx(0, WC_STATICW, L"abcd", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    EXPECT_EQ(104, window.SendMessage(WM_GETTEXTLENGTH));
    EXPECT_EQ(4, window.fromDefault);
}

TEST(Window, DestroyingTheWindowDetachesTheObject) {
    DefaultingWindow window;
    ASSERT_TRUE(window.CreateEx(0, WC_STATICW, L"x", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    HWND hwnd = window.m_hWnd;
    EXPECT_EQ(&window, CWnd::FromHandlePermanent(hwnd));
    ::DestroyWindow(hwnd);
    EXPECT_EQ(nullptr, window.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hwnd));
}
