#include "MainWindowHarness.h"

#include "resource.h"

namespace {

class LayoutTest : public MainWindowTest {
protected:
    // Template widths of the labels, the combo box and the edit field.
    struct KeptWidths {
        int qualityLabel, qualityCombo, pathLabel, pathEdit;
    };

    KeptWidths TemplateWidths() const {
        return {DialogUnitsToPixels(48), DialogUnitsToPixels(95), DialogUnitsToPixels(48),
                DialogUnitsToPixels(252)};
    }

    // Every control where the layout puts it for a client area of w x h.
    void ExpectLayout(int w, int h) {
        CKorvane7Dlg& window = Window();
        CRect client;
        window.GetClientRect(&client);
        ASSERT_EQ(client.Width(), w);
        ASSERT_EQ(client.Height(), h);
        const KeptWidths kept = TemplateWidths();

        EXPECT_EQ(ChildRect(window.addFilesButton), CRect(10, 2, 90, 37));
        EXPECT_EQ(ChildRect(window.deleteFilesButton), CRect(94, 2, 174, 37));
        EXPECT_EQ(ChildRect(window.uploadButton), CRect(180, 0, 250, 35));
        EXPECT_EQ(ChildRect(window.jobList), CRect(3, 39, w - 3, h - 88));
        const int c = w - 6;
        const int widths[] = {c / 3, c / 3, c / 6, c / 6};
        for (int i = 0; i < 4; ++i) EXPECT_EQ(window.jobList.GetColumnWidth(i), widths[i]) << "column " << i;

        EXPECT_EQ(ChildRect(window.qualityLabel), CRect(10, h - 74, 10 + kept.qualityLabel, h - 48));
        CRect combo = ChildRect(window.qualityCombo);
        EXPECT_EQ(combo.TopLeft(), CPoint(kept.qualityLabel + 14, h - 74));
        EXPECT_EQ(combo.Width(), kept.qualityCombo);
        EXPECT_EQ(ChildRect(window.startButton), CRect(w - 90, h - 84, w - 10, h - 4));
        EXPECT_EQ(ChildRect(window.stopButton), CRect(w - 90, h - 84, w - 10, h - 4));
        EXPECT_EQ(ChildRect(window.outputPathLabel), CRect(10, h - 40, 10 + kept.pathLabel, h - 14));
        const int editLeft = kept.pathLabel + 14;
        EXPECT_EQ(ChildRect(window.outputPathEdit), CRect(editLeft, h - 40, editLeft + kept.pathEdit, h - 14));
        const int browseLeft = kept.pathLabel + kept.pathEdit + 18;
        EXPECT_EQ(ChildRect(window.browseButton), CRect(browseLeft, h - 40, browseLeft + 70, h - 14));
        EXPECT_EQ(ChildRect(window.openDirButton), CRect(browseLeft + 74, h - 40, browseLeft + 144, h - 14));
        EXPECT_EQ(ChildRect(window.captionBar), CRect(0, 0, w, 0));
    }

    void SetUp() override {
        Open();
        SetClientSize(800, 500);
    }
};

TEST_F(LayoutTest, PlacesEveryControlForAClientAreaOf800By500) {
    CKorvane7Dlg& window = Window();

    EXPECT_EQ(ChildRect(window.jobList), CRect(3, 39, 797, 412));
    const int widths[] = {264, 264, 132, 132};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(window.jobList.GetColumnWidth(i), widths[i]);
    EXPECT_EQ(ChildRect(window.startButton), CRect(710, 416, 790, 496));
    EXPECT_EQ(ChildRect(window.stopButton), CRect(710, 416, 790, 496));
    EXPECT_EQ(ChildRect(window.qualityLabel).top, 426);
    EXPECT_EQ(ChildRect(window.qualityCombo).top, 426);
    EXPECT_EQ(ChildRect(window.outputPathLabel).top, 460);
    EXPECT_EQ(ChildRect(window.outputPathEdit).top, 460);
    EXPECT_EQ(ChildRect(window.browseButton).top, 460);
    EXPECT_EQ(ChildRect(window.openDirButton).top, 460);
    ExpectLayout(800, 500);
}

TEST_F(LayoutTest, MaximisingAndRestoringLayOutAgainKeepingTheFourWidths) {
    CKorvane7Dlg& window = Window();

    window.ShowWindow(SW_MAXIMIZE);
    Pump();
    ASSERT_TRUE(window.IsZoomed());
    CRect maximised;
    window.GetClientRect(&maximised);
    EXPECT_GT(maximised.Width(), 800);
    ExpectLayout(maximised.Width(), maximised.Height());

    window.ShowWindow(SW_RESTORE);
    Pump();
    ExpectLayout(800, 500);
}

TEST_F(LayoutTest, TheMaximiseCommandTogglesAndLaysOut) {
    CKorvane7Dlg& window = Window();

    SendCommand(IDC_CMD_MAXIMIZE);
    ASSERT_TRUE(window.IsZoomed());
    CRect maximised;
    window.GetClientRect(&maximised);
    ExpectLayout(maximised.Width(), maximised.Height());

    SendCommand(IDC_CMD_MAXIMIZE);
    EXPECT_FALSE(window.IsZoomed());
    ExpectLayout(800, 500);
}

TEST_F(LayoutTest, MinimisedNothingIsLaidOutAndRestoringPutsEverythingBack) {
    CKorvane7Dlg& window = Window();

    SendCommand(IDC_CMD_MINIMIZE);
    ASSERT_TRUE(window.IsIconic());
    // The controls stay where they were; nothing gets a negative size.
    EXPECT_EQ(ChildRect(window.jobList).Width(), 794);
    EXPECT_EQ(ChildRect(window.jobList).Height(), 373);
    const int widths[] = {264, 264, 132, 132};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(window.jobList.GetColumnWidth(i), widths[i]) << "column " << i;

    window.ShowWindow(SW_RESTORE);
    Pump();
    EXPECT_FALSE(window.IsIconic());
    ExpectLayout(800, 500);
}

}  // namespace
