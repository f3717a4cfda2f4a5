#include "JobListFixture.h"

#include "JobRow.h"
#include "PrivateMessages.h"
#include "resource.h"

namespace {

class RotationEditorTest : public JobListFixture {
protected:
    // A window with the rows a.mp4, b.mp4 and c.mp4.
    CKorvane7Dlg& OpenWithRows() {
        CKorvane7Dlg& window = OpenWindow();
        Drop({L"C:\\clips\\a.mp4", L"C:\\clips\\b.mp4", L"C:\\clips\\c.mp4"});
        return window;
    }

    CComboBoxR& Editor() { return Window().rotationCellEditor; }
    bool EditorOpen() { return Window().cellEditorOpen == 1 && IsWindow(Editor().m_hWnd); }
    bool EditorClosed() { return Window().cellEditorOpen == 0 && !IsWindow(Editor().m_hWnd); }

    void Choose(const wchar_t* rotation) {
        ASSERT_TRUE(EditorOpen());
        ASSERT_GE(Editor().SetCurSel(Editor().FindStringExact(-1, rotation)), 0);
    }

    // The cell's label area less one pixel on every side, in list coordinates.
    CRect ExpectedEditorRect(int row) {
        CRect label;
        Window().jobList.GetSubItemRect(row, kRotationColumn, LVIR_LABEL, label);
        const int width = Window().jobList.GetColumnWidth(kRotationColumn);
        return CRect(label.left + 1, label.top + 1, label.left + width - 1, label.bottom - 1);
    }

    CRect EditorRectInList() {
        CRect rect;
        Editor().GetWindowRect(&rect);
        MapWindowPoints(nullptr, Window().jobList.m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    // Placed over its cell, dropped down and focused.
    void ExpectEditorOver(int row) {
        ASSERT_TRUE(EditorOpen());
        EXPECT_EQ(Window().editRow, row);
        EXPECT_EQ(Window().editColumn, kRotationColumn);
        EXPECT_TRUE(Editor().IsWindowVisible());
        // The platform gives a drop-down list the height of its selection
        // field, whatever height it is moved to.
        const CRect placed = EditorRectInList();
        const CRect expected = ExpectedEditorRect(row);
        EXPECT_EQ(placed.left, expected.left);
        EXPECT_EQ(placed.top, expected.top);
        EXPECT_EQ(placed.right, expected.right);
        EXPECT_TRUE(Editor().GetDroppedState());
        EXPECT_EQ(GetFocus(), Editor().m_hWnd);
    }
};

TEST_F(RotationEditorTest, AClickOnARotationCellOpensTheEditorOverIt) {
    CKorvane7Dlg& window = OpenWithRows();

    ClickCell(1, kRotationColumn);

    ExpectEditorOver(1);
    EXPECT_EQ(GetParent(Editor().m_hWnd), window.jobList.m_hWnd);
    EXPECT_EQ(Editor().GetDlgCtrlID(), IDC_ROTATION_EDITOR);
    EXPECT_EQ(Editor().m_nItem, 1);
    EXPECT_EQ(Editor().m_nCol, kRotationColumn);
    EXPECT_EQ(Editor().GetStyle() & 0x3, static_cast<DWORD>(CBS_DROPDOWNLIST));
    EXPECT_EQ(Editor().SendMessage(WM_GETFONT), window.SendMessage(WM_GETFONT));
    std::vector<std::wstring> items;
    for (int index = 0; index < Editor().GetCount(); ++index) {
        CString text;
        Editor().GetLBText(index, text);
        items.push_back(text.Str());
    }
    EXPECT_EQ(items, (std::vector<std::wstring>{L"0", L"90", L"180", L"270"}));
    EXPECT_EQ(Editor().GetCurSel(), 0);
}

TEST_F(RotationEditorTest, TheEditorPreselectsTheCellsRotation) {
    const std::pair<const wchar_t*, int> cases[] = {{L"0", 0}, {L"90", 1}, {L"180", 2}, {L"270", 3}, {L"45", -1}};
    CKorvane7Dlg& window = OpenWithRows();
    for (const auto& [text, index] : cases) {
        SCOPED_TRACE(Narrow(text));
        window.jobList.SetItemText(0, kRotationColumn, text);

        ClickCell(0, kRotationColumn);

        EXPECT_EQ(Editor().GetCurSel(), index);
        ClickCell(-1, 0);
    }
}

TEST_F(RotationEditorTest, CommittingTheSameRotationChangesNothing) {
    CKorvane7Dlg& window = OpenWithRows();
    window.jobList.SetItemText(0, kRotationColumn, L"90");
    window.jobList.SetItemText(0, kOutputColumn, L"kept.mp4");
    window.jobList.SetItemText(0, kProgressColumn, L"Done");
    window.startButton.EnableWindow(FALSE);
    ClickCell(0, kRotationColumn);
    ASSERT_EQ(Editor().GetCurSel(), 1);

    ClickCell(0, kInputColumn);

    EXPECT_TRUE(EditorClosed());
    EXPECT_EQ(Cell(0, kRotationColumn), L"90");
    EXPECT_EQ(Cell(0, kOutputColumn), L"kept.mp4");
    EXPECT_EQ(Cell(0, kProgressColumn), L"Done");
    EXPECT_FALSE(window.startButton.IsWindowEnabled());
}

TEST_F(RotationEditorTest, ANewRotationResetsItsRowUnderAFreeName) {
    CKorvane7Dlg& window = OpenWithRows();
    window.jobList.SetItemText(1, kProgressColumn, L"Done");
    // The row's old output was written; the new rotation must not overwrite it.
    MakeFile(OutputFolder() + L"b_korvane7_0.mp4");
    window.startButton.EnableWindow(FALSE);
    ClickCell(1, kRotationColumn);
    Choose(L"180");

    ClickCell(1, kOutputColumn);

    EXPECT_TRUE(EditorClosed());
    EXPECT_EQ(Cell(1, kRotationColumn), L"180");
    EXPECT_EQ(Cell(1, kOutputColumn), L"b_korvane7_1.mp4");
    EXPECT_EQ(Cell(1, kProgressColumn), L"Unprocessed");
    EXPECT_TRUE(window.startButton.IsWindowEnabled());
    EXPECT_EQ(Column(kRotationColumn), (std::vector<std::wstring>{L"0", L"180", L"0"}));
}

TEST_F(RotationEditorTest, ARecomputedNameDoesNotCountTheRowsOwnName) {
    OpenWithRows();
    ClickCell(2, kRotationColumn);
    Choose(L"270");

    ClickCell(-1, 0);

    EXPECT_EQ(Cell(2, kOutputColumn), L"c_korvane7_0.mp4");
    EXPECT_EQ(Cell(2, kRotationColumn), L"270");
}

TEST_F(RotationEditorTest, AClickOnTheEditedCellOnlyFocusesTheEditor) {
    CKorvane7Dlg& window = OpenWithRows();
    ClickCell(0, kRotationColumn);
    const HWND editor = Editor().m_hWnd;
    Choose(L"90");
    window.jobList.SetFocus();

    ClickCell(0, kRotationColumn);

    EXPECT_EQ(Editor().m_hWnd, editor);
    EXPECT_TRUE(EditorOpen());
    EXPECT_EQ(GetFocus(), editor);
    EXPECT_EQ(Editor().GetCurSel(), 1);
    EXPECT_EQ(Cell(0, kRotationColumn), L"0");
}

TEST_F(RotationEditorTest, AClickOnAnotherRotationCellCommitsAndMovesTheEditor) {
    OpenWithRows();
    ClickCell(0, kRotationColumn);
    Choose(L"90");

    ClickCell(2, kRotationColumn);

    EXPECT_EQ(Cell(0, kRotationColumn), L"90");
    ExpectEditorOver(2);
    EXPECT_EQ(Editor().m_nItem, 2);
    EXPECT_EQ(Editor().GetCurSel(), 0);
}

TEST_F(RotationEditorTest, EveryOtherWayOfEndingTheEditCommits) {
    struct Way {
        const char* name;
        std::function<void()> end;
    };
    const Way ways[] = {
        {"a click on another column", [this] { ClickCell(1, kProgressColumn); }},
        {"a click on no row", [this] { ClickCell(-1, kRotationColumn); }},
        {"the list asks to close it",
         [this] {
             Window().PostMessage(WM_CLOSE_CELL_EDITOR, 0, 0);
             Pump();
         }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        OpenWithRows();
        ClickCell(1, kRotationColumn);
        Choose(L"270");

        way.end();

        EXPECT_TRUE(EditorClosed());
        EXPECT_EQ(Cell(1, kRotationColumn), L"270");
        EXPECT_EQ(Cell(1, kProgressColumn), L"Unprocessed");
    }
}

TEST_F(RotationEditorTest, ClicksElsewhereWithNoEditorOpenChangeNothing) {
    OpenWithRows();

    ClickCell(0, kInputColumn);
    ClickCell(-1, 0);
    Window().SendMessage(WM_CLOSE_CELL_EDITOR, 0, 0);

    EXPECT_TRUE(EditorClosed());
    EXPECT_EQ(Column(kRotationColumn), (std::vector<std::wstring>{L"0", L"0", L"0"}));
}

TEST_F(RotationEditorTest, DeleteCommitsAnOpenEditorFirst) {
    CKorvane7Dlg& window = OpenWithRows();
    ClickCell(2, kRotationColumn);
    Choose(L"180");
    window.jobList.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);

    Click(window.deleteFilesButton);

    EXPECT_TRUE(EditorClosed());
    EXPECT_EQ(Column(kInputColumn), (std::vector<std::wstring>{L"b.mp4", L"c.mp4"}));
    EXPECT_EQ(Column(kRotationColumn), (std::vector<std::wstring>{L"0", L"180"}));
}

TEST_F(RotationEditorTest, TheEditorStaysOverItsCellWhenTheWindowIsMaximisedAndRestored) {
    CKorvane7Dlg& window = OpenWithRows();
    ClickCell(1, kRotationColumn);
    const CRect before = EditorRectInList();

    window.ShowWindow(SW_MAXIMIZE);
    Pump();
    ASSERT_TRUE(window.IsZoomed());
    ExpectEditorOver(1);
    EXPECT_NE(EditorRectInList(), before);

    window.ShowWindow(SW_RESTORE);
    Pump();
    ExpectEditorOver(1);
    EXPECT_EQ(EditorRectInList(), before);
}

}  // namespace
