#include <gtest/gtest.h>

#include "Controls.h"
#include "Dialog.h"
#include "FrameworkTestIds.h"
#include "MessageMap.h"

#include <vector>

namespace {
constexpr UINT WM_END_TEST = WM_APP + 7;

class OwnerDrawnButton : public CButton {
public:
    int attachCount = 0;
    std::vector<HWND> drawn;

    void PreSubclassWindow() override {
        ++attachCount;
        ModifyStyle(0, BS_OWNERDRAW);
        CButton::PreSubclassWindow();
    }
    void DrawItem(LPDRAWITEMSTRUCT item) override { drawn.push_back(item->hwndItem); }
};

class ReflectingList : public CListCtrl {
public:
    std::vector<UINT> reflected;

    void OnClick(NMHDR* header, LRESULT* result) {
        reflected.push_back(header->code);
        *result = 0;
    }
    void MeasureItem(LPMEASUREITEMSTRUCT item) { item->itemHeight = 33; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ReflectingList, CListCtrl)
    ON_NOTIFY_REFLECT(NM_CLICK, OnClick)
    ON_WM_MEASUREITEM_REFLECT()
END_MESSAGE_MAP()

class TestDialog : public CDialog {
public:
    TestDialog() : CDialog(IDD_TEST_DIALOG) {}

    OwnerDrawnButton button;
    ReflectingList list;
    std::vector<UINT> parentNotifications;
    std::vector<MSG> preTranslatedMouse;
    bool controlsExistedAtInit = false;
    HWND buttonWindow = nullptr;

    void DoDataExchange(CDataExchange* dx) override {
        DDX_Control(dx, IDC_TEST_BUTTON, button);
        DDX_Control(dx, IDC_TEST_LIST, list);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        controlsExistedAtInit = button.m_hWnd != nullptr && list.m_hWnd != nullptr;
        buttonWindow = button.m_hWnd;
        return TRUE;
    }
    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST) preTranslatedMouse.push_back(*msg);
        return CDialog::PreTranslateMessage(msg);
    }
    void OnListNotify(NMHDR* header, LRESULT*) { parentNotifications.push_back(header->code); }
    LRESULT OnEndTest(WPARAM code, LPARAM) {
        EndDialog(static_cast<int>(code));
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestDialog, CDialog)
    ON_NOTIFY(NM_CLICK, IDC_TEST_LIST, OnListNotify)
    ON_NOTIFY(NM_DBLCLK, IDC_TEST_LIST, OnListNotify)
    ON_MESSAGE(WM_END_TEST, OnEndTest)
END_MESSAGE_MAP()

void PumpPending() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) AfxProcessMessage(&msg);
}

NMHDR Notification(const CWnd& from, UINT code) {
    NMHDR header = {};
    header.hwndFrom = from.m_hWnd;
    header.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(from.m_hWnd));
    header.code = code;
    return header;
}
}  // namespace

TEST(DataExchange, AttachesEachControlOnceAndRunsPreSubclassWindow) {
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_TEST_DIALOG));
    EXPECT_TRUE(dialog.controlsExistedAtInit);
    EXPECT_EQ(::GetDlgItem(dialog.m_hWnd, IDC_TEST_BUTTON), dialog.button.m_hWnd);
    EXPECT_EQ(1, dialog.button.attachCount);
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), dialog.button.GetStyle() & BS_TYPEMASK);
    dialog.UpdateData(FALSE);
    EXPECT_EQ(1, dialog.button.attachCount);
    EXPECT_EQ(&dialog.list, CWnd::FromHandlePermanent(dialog.list.m_hWnd));
    dialog.DestroyWindow();
    EXPECT_EQ(nullptr, dialog.button.m_hWnd) << "the control detaches with its window";
}

TEST(Reflection, OwnerDrawingReachesTheButtonObject) {
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_TEST_DIALOG));
    dialog.ShowWindow(SW_SHOWNOACTIVATE);
    dialog.button.Invalidate();
    dialog.button.UpdateWindow();
    PumpPending();
    ASSERT_FALSE(dialog.button.drawn.empty());
    EXPECT_EQ(dialog.button.m_hWnd, dialog.button.drawn.front());
    dialog.DestroyWindow();
}

TEST(Reflection, NotificationsGoToTheChildFirstAndToTheParentOnlyWhenUnhandled) {
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_TEST_DIALOG));
    NMHDR click = Notification(dialog.list, NM_CLICK);
    NMHDR doubleClick = Notification(dialog.list, NM_DBLCLK);
    dialog.SendMessage(WM_NOTIFY, click.idFrom, reinterpret_cast<LPARAM>(&click));
    dialog.SendMessage(WM_NOTIFY, doubleClick.idFrom, reinterpret_cast<LPARAM>(&doubleClick));
    EXPECT_EQ(std::vector<UINT>{static_cast<UINT>(NM_CLICK)}, dialog.list.reflected);
    EXPECT_EQ(std::vector<UINT>{static_cast<UINT>(NM_DBLCLK)}, dialog.parentNotifications);
    dialog.DestroyWindow();
}

TEST(Reflection, MeasureItemFindsTheChildByControlId) {
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_TEST_DIALOG));
    MEASUREITEMSTRUCT item = {};
    item.CtlType = ODT_LISTVIEW;
    item.CtlID = IDC_TEST_LIST;
    item.itemHeight = 1;
    dialog.SendMessage(WM_MEASUREITEM, IDC_TEST_LIST, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(33u, item.itemHeight);
    dialog.DestroyWindow();
}

namespace {
TestDialog* g_modalDialog = nullptr;

// Runs once the modal loop is going: clicks the button, then ends the dialog.
void CALLBACK ClickThenEnd(HWND, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(nullptr, id);
    HWND button = g_modalDialog->button.m_hWnd;
    ::PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    ::PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    ::PostMessageW(g_modalDialog->m_hWnd, WM_END_TEST, 42, 0);
}

void CALLBACK PressEscape(HWND, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(nullptr, id);
    ::PostMessageW(::GetDlgItem(g_modalDialog->m_hWnd, IDOK), WM_KEYDOWN, VK_ESCAPE, 0);
}
}  // namespace

TEST(ModalDialog, EndsWithTheEndDialogCodeAndOffersMouseMessagesToPreTranslate) {
    TestDialog dialog;
    g_modalDialog = &dialog;
    ASSERT_NE(0u, ::SetTimer(nullptr, 0, 10, ClickThenEnd));
    EXPECT_EQ(42, dialog.DoModal());
    EXPECT_EQ(nullptr, dialog.m_hWnd) << "the modal window is destroyed";
    ASSERT_FALSE(dialog.preTranslatedMouse.empty());
    EXPECT_EQ(static_cast<UINT>(WM_LBUTTONDOWN), dialog.preTranslatedMouse.front().message);
    EXPECT_EQ(dialog.buttonWindow, dialog.preTranslatedMouse.front().hwnd)
        << "the dialog saw the message addressed to its button";
}

TEST(ModalDialog, EscapeEndsItThroughTheDefaultCancel) {
    TestDialog dialog;
    g_modalDialog = &dialog;
    ASSERT_NE(0u, ::SetTimer(nullptr, 0, 10, PressEscape));
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
}
