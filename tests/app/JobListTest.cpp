#include "JobListFixture.h"

#include "FileDialog.h"
#include "JobRow.h"

namespace {

class JobListTest : public JobListFixture {
protected:
    std::wstring Clips() {
        const std::wstring folder = Root() + L"clips\\";
        MakeFolders(folder);
        return folder;
    }

    static std::wstring DuplicateText(const std::wstring& path) {
        return L"File\uFF1A\"" + path + L"\" already exist.";
    }
    static std::wstring FolderText(const std::wstring& folder) {
        return L"File Path is not the same with \"" + folder + L"\".";
    }

    void ExpectWarnings(const std::vector<std::wstring>& texts) {
        ASSERT_EQ(boxes.Boxes().size(), texts.size());
        for (size_t i = 0; i < texts.size(); ++i) {
            const MessageBoxHook::Box& box = boxes.Boxes()[i];
            EXPECT_EQ(box.text, texts[i]);
            EXPECT_EQ(box.caption, L"Warning");
            EXPECT_EQ(box.owner, Window().m_hWnd);
            EXPECT_FALSE(box.hasCancel);
        }
    }
};

TEST_F(JobListTest, DroppedFilesBecomeRowsWithRotationZeroAndUnprocessed) {
    CKorvane7Dlg& window = OpenWindow();
    const std::wstring clips = Clips();
    ASSERT_FALSE(window.startButton.IsWindowEnabled());

    Drop({MakeFile(clips + L"clip.mov"), MakeFile(clips + L"beach.mp4")});

    EXPECT_EQ(Column(kInputColumn), (std::vector<std::wstring>{L"clip.mov", L"beach.mp4"}));
    EXPECT_EQ(Column(kOutputColumn),
              (std::vector<std::wstring>{L"clip_korvane7_0.mp4", L"beach_korvane7_0.mp4"}));
    EXPECT_EQ(Column(kRotationColumn), (std::vector<std::wstring>{L"0", L"0"}));
    EXPECT_EQ(Column(kProgressColumn), (std::vector<std::wstring>{L"Unprocessed", L"Unprocessed"}));
    EXPECT_EQ(window.sourceFolder.Str(), clips);
    EXPECT_EQ(window.sourceFolderSet, 1);
    EXPECT_TRUE(window.startButton.IsWindowEnabled());
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(JobListTest, AnythingDroppedIsOfferedAndAFolderBecomesARow) {
    CKorvane7Dlg& window = OpenWindow();
    const std::wstring clips = Clips();
    MakeFolders(clips + L"holiday");

    Drop({clips + L"holiday", MakeFile(clips + L"notes.txt")});

    EXPECT_EQ(Column(kInputColumn), (std::vector<std::wstring>{L"holiday", L"notes.txt"}));
    // A name without a dot is its own stem.
    EXPECT_EQ(Column(kOutputColumn),
              (std::vector<std::wstring>{L"holiday_korvane7_0.mp4", L"notes_korvane7_0.mp4"}));
    EXPECT_TRUE(window.startButton.IsWindowEnabled());
}

TEST_F(JobListTest, ADroppedPathLongerThan255UnitsIsTakenWhole) {
    CKorvane7Dlg& window = OpenWindow();
    std::wstring folder = L"C:\\";
    while (folder.size() < 280) folder += std::wstring(40, L'd') + L"\\";
    const std::wstring name = L"long-" + std::wstring(30, L'n') + L".mov";
    ASSERT_GT((folder + name).size(), 300u);

    Drop({folder + name});

    ASSERT_EQ(Rows(), 1);
    EXPECT_EQ(Cell(0, kInputColumn), name);
    EXPECT_EQ(window.sourceFolder.Str(), folder);
    EXPECT_EQ(Cell(0, kOutputColumn), L"long-" + std::wstring(30, L'n') + L"_korvane7_0.mp4");
}

TEST_F(JobListTest, AddFilesShowsTheSelectFilesDialog) {
    CKorvane7Dlg& window = OpenWindow();
    const std::wstring clips = Clips();
    bool shown = false;
    CFileDialog::SetTestHook([&](const CFileDialog& dialog, std::vector<std::wstring>& chosen) -> INT_PTR {
        shown = true;
        EXPECT_STREQ(dialog.m_ofn.lpstrTitle, L"Select Files");
        using Filters = std::vector<std::pair<std::wstring, std::wstring>>;
        EXPECT_EQ(dialog.Filters(), (Filters{{L"Media Files (*mp4, *.mov)", L"*.mp4;*.mov"},
                                             {L"All Files (*.*)", L"*.*"}}));
        const DWORD options = OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
        EXPECT_EQ(dialog.m_ofn.Flags & options, options);
        EXPECT_EQ(dialog.m_ofn.nMaxFile, 26000u);
        EXPECT_NE(dialog.m_ofn.lpstrFile, nullptr);
        EXPECT_EQ(dialog.m_ofn.lpstrDefExt, nullptr);
        chosen = {MakeFile(clips + L"a.mp4"), MakeFile(clips + L"b.mov")};
        return IDOK;
    });
    window.outputPathEdit.SetFocus();

    Click(window.addFilesButton);
    CFileDialog::SetTestHook(nullptr);

    EXPECT_TRUE(shown);
    EXPECT_EQ(Column(kInputColumn), (std::vector<std::wstring>{L"a.mp4", L"b.mov"}));
    EXPECT_TRUE(window.startButton.IsWindowEnabled());
    EXPECT_EQ(GetFocus(), window.jobList.m_hWnd);
}

TEST_F(JobListTest, CancellingAddFilesChangesNothing) {
    CKorvane7Dlg& window = OpenWindow();
    window.outputPathEdit.SetFocus();

    AddFiles({});

    EXPECT_EQ(Rows(), 0);
    EXPECT_FALSE(window.startButton.IsWindowEnabled());
    EXPECT_EQ(GetFocus(), window.outputPathEdit.m_hWnd);
    EXPECT_EQ(window.sourceFolderSet, 0);
}

TEST_F(JobListTest, TheDuplicateCheckComesBeforeTheFolderCheck) {
    struct Case {
        const char* name;
        std::vector<std::wstring> paths;
        std::vector<std::wstring> warnings;
        std::vector<std::wstring> rows;
    };
    const Case cases[] = {
        {"the same file twice", {L"C:\\clips\\a.mp4", L"C:\\clips\\a.mp4"},
         {DuplicateText(L"C:\\clips\\a.mp4")}, {L"a.mp4"}},
        {"another folder", {L"C:\\a\\x.mp4", L"C:\\b\\y.mp4"}, {FolderText(L"C:\\a\\")}, {L"x.mp4"}},
        {"a folder differing in letter case", {L"C:\\a\\x.mp4", L"C:\\A\\y.mp4"}, {FolderText(L"C:\\a\\")},
         {L"x.mp4"}},
        {"a listed name from another folder", {L"C:\\a\\x.mp4", L"C:\\b\\x.mp4"},
         {DuplicateText(L"C:\\b\\x.mp4")}, {L"x.mp4"}},
        {"a name differing in letter case", {L"C:\\a\\x.mp4", L"C:\\a\\X.mp4"}, {}, {L"x.mp4", L"X.mp4"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CKorvane7Dlg& window = OpenWindow();
        boxes.Clear();

        Drop(c.paths);

        ExpectWarnings(c.warnings);
        EXPECT_EQ(Column(kInputColumn), c.rows);
        EXPECT_EQ(window.sourceFolder.Str(), c.paths.front().substr(0, c.paths.front().rfind(L'\\') + 1));
    }
}

TEST_F(JobListTest, FiveChosenFilesOfWhichTwoAreListedGiveTwoWarningsAndThreeRows) {
    OpenWindow();
    const std::wstring clips = Clips();
    AddFiles({MakeFile(clips + L"b.mp4"), MakeFile(clips + L"d.mp4")});
    boxes.Clear();

    AddFiles({MakeFile(clips + L"a.mp4"), clips + L"b.mp4", MakeFile(clips + L"c.mov"), clips + L"d.mp4",
              MakeFile(clips + L"e.mp4")});

    ExpectWarnings({DuplicateText(clips + L"b.mp4"), DuplicateText(clips + L"d.mp4")});
    EXPECT_EQ(Column(kInputColumn),
              (std::vector<std::wstring>{L"b.mp4", L"d.mp4", L"a.mp4", L"c.mov", L"e.mp4"}));
}

TEST_F(JobListTest, AfterDeleteEmptiesTheListAFileFromAnyFolderIsAccepted) {
    CKorvane7Dlg& window = OpenWindow();
    Drop({L"C:\\a\\x.mp4"});
    window.jobList.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    Click(window.deleteFilesButton);
    ASSERT_EQ(Rows(), 0);
    EXPECT_EQ(window.sourceFolderSet, 0);

    Drop({L"C:\\b\\y.mp4", L"C:\\a\\z.mp4"});

    ExpectWarnings({FolderText(L"C:\\b\\")});
    EXPECT_EQ(Column(kInputColumn), (std::vector<std::wstring>{L"y.mp4"}));
    EXPECT_EQ(window.sourceFolder.Str(), L"C:\\b\\");
}

TEST_F(JobListTest, OutputNamesTakeTheFirstNumberFreeInTheOutputFolder) {
    struct Case {
        const char* name;
        std::vector<std::wstring> files;
        std::vector<std::wstring> folders;
        std::wstring input;
        std::wstring output;
    };
    const Case cases[] = {
        {"an empty folder", {}, {}, L"clip.mov", L"clip_korvane7_0.mp4"},
        {"0 and 1 taken", {L"clip_korvane7_0.mp4", L"clip_korvane7_1.mp4"}, {}, L"clip.mov",
         L"clip_korvane7_2.mp4"},
        {"a folder of that name", {}, {L"clip_korvane7_0.mp4"}, L"clip.mov", L"clip_korvane7_1.mp4"},
        {"a gap", {L"clip_korvane7_1.mp4"}, {}, L"clip.mov", L"clip_korvane7_0.mp4"},
        {"everything after the first dot", {}, {}, L"trip.part2.mov", L"trip_korvane7_0.mp4"},
        {"no dot", {}, {}, L"README", L"README_korvane7_0.mp4"},
    };
    int index = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CKorvane7Dlg& window = OpenWindow();
        const std::wstring output = Root() + L"out" + std::to_wstring(index++) + L"\\";
        MakeFolders(output);
        for (const std::wstring& file : c.files) MakeFile(output + file);
        for (const std::wstring& folder : c.folders) MakeFolders(output + folder);
        window.outputFolder = output.c_str();
        window.outputPathEdit.SetWindowText(output.c_str());

        Drop({L"C:\\clips\\" + c.input});

        ASSERT_EQ(Rows(), 1);
        EXPECT_EQ(Cell(0, kOutputColumn), c.output);
    }
}

TEST_F(JobListTest, TwoRowsNeverShareAnOutputName) {
    OpenWindow();

    Drop({L"C:\\clips\\a.mp4", L"C:\\clips\\a.mov", L"C:\\clips\\A.avi", L"C:\\clips\\b.mp4"});

    // The file system does not tell a_korvane7_0.mp4 and A_korvane7_0.mp4 apart.
    EXPECT_EQ(Column(kOutputColumn), (std::vector<std::wstring>{L"a_korvane7_0.mp4", L"a_korvane7_1.mp4",
                                                                L"A_korvane7_2.mp4", L"b_korvane7_0.mp4"}));
}

TEST_F(JobListTest, DeleteRemovesEverySelectedRow) {
    CKorvane7Dlg& window = OpenWindow();
    Drop({L"C:\\clips\\a.mp4", L"C:\\clips\\b.mp4", L"C:\\clips\\c.mp4", L"C:\\clips\\d.mp4"});
    for (int row : {0, 2, 3}) window.jobList.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);

    Click(window.deleteFilesButton);

    EXPECT_EQ(Column(kInputColumn), (std::vector<std::wstring>{L"b.mp4"}));
    EXPECT_TRUE(window.startButton.IsWindowEnabled());
    EXPECT_EQ(window.sourceFolderSet, 1);
    EXPECT_TRUE(boxes.Boxes().empty());

    window.jobList.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    Click(window.deleteFilesButton);

    EXPECT_EQ(Rows(), 0);
    EXPECT_FALSE(window.startButton.IsWindowEnabled());
    EXPECT_EQ(window.sourceFolderSet, 0);
    EXPECT_EQ(window.sourceFolder.Str(), L"C:\\clips\\");
}

TEST_F(JobListTest, DeleteWithNothingSelectedAsksForASelection) {
    for (bool empty : {true, false}) {
        SCOPED_TRACE(empty ? "empty list" : "no row selected");
        CKorvane7Dlg& window = OpenWindow();
        if (!empty) Drop({L"C:\\clips\\a.mp4"});
        boxes.Clear();

        Click(window.deleteFilesButton);

        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, L"Please select Files.");
        EXPECT_EQ(boxes.Boxes()[0].caption, L"Hint");
        EXPECT_EQ(boxes.Boxes()[0].owner, window.m_hWnd);
        EXPECT_EQ(Rows(), empty ? 0 : 1);
    }
}

TEST_F(JobListTest, AQualityChangeBeforeAnyRunChangesNoRow) {
    CKorvane7Dlg& window = OpenWindow();
    Drop({L"C:\\clips\\a.mp4"});
    window.jobList.SetItemText(0, kProgressColumn, L"Done");
    // A recomputed name would now be a_korvane7_1.mp4.
    MakeFile(OutputFolder() + L"a_korvane7_0.mp4");
    window.startButton.EnableWindow(FALSE);

    ChooseQuality(2);

    EXPECT_EQ(Cell(0, kOutputColumn), L"a_korvane7_0.mp4");
    EXPECT_EQ(Cell(0, kProgressColumn), L"Done");
    EXPECT_FALSE(window.startButton.IsWindowEnabled());
}

}  // namespace
