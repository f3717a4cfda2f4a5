#pragma once
#include "ButtonEx.h"
#include "CaptionDlg.h"
#include "ComboBoxR.h"
#include "Controls.h"
#include "Dialog.h"
#include "JobChannel.h"
#include "ListCtrlCl.h"
#include "MessageMap.h"
#include "String.h"

#include <gdiplus.h>

#include <cstdint>
#include <memory>

// The main window: a modal dialog that holds the job list, the conversion
// run, the output folder and the skinned controls. The members keep this
// order on purpose: jobChannel is destroyed (and the engine released) after
// everything declared below it and before the buttons that draw with
// buttonFillBrush.
class CKorvane7Dlg : public CDialog {
public:
    CKorvane7Dlg();
    ~CKorvane7Dlg() override;

    CCaptionDlg captionBar;
    CButtonEx addFilesButton;
    CButtonEx deleteFilesButton;
    CButtonEx uploadButton;
    CButtonEx startButton;
    CButtonEx stopButton;
    CButtonEx browseButton;
    CButtonEx openDirButton;
    HICON appIcon = nullptr;
    JobChannel jobChannel;
    int32_t initDone = 0;
    int32_t runActive = 0;
    int32_t anyRowDone = 0;
    CStatic qualityLabel;
    CComboBox qualityCombo;
    int32_t lastRunQuality = -1;
    CStatic outputPathLabel;
    CEdit outputPathEdit;
    CString outputFolder;
    CString sourceFolder;
    int32_t sourceFolderSet = 0;
    CListCtrlCl jobList;
    int32_t currentRow = 0;
    CComboBoxR rotationCellEditor;
    int32_t editRow = 0;
    int32_t editColumn = 0;
    int32_t cellEditorOpen = 0;
    std::unique_ptr<Gdiplus::Image> bandMiddleImage;
    std::unique_ptr<Gdiplus::Image> bandLeftImage;
    std::unique_ptr<Gdiplus::Image> bandRightImage;
    std::unique_ptr<Gdiplus::SolidBrush> buttonFillBrush;

    // Frame of the window (Korvane7Dlg.cpp, Layout.cpp, CloseWindow.cpp).
    void DoDataExchange(CDataExchange* dx) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    void OnSysCommand(UINT command, LPARAM position);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnLButtonDown(UINT flags, CPoint point);
    void OnSize(UINT type, int width, int height);
    void LayoutControls();
    void OnMinimizeCommand();
    void OnMaximizeCommand();
    void OnAboutCommand();
    void ShowAboutBox();
    void ShowSystemMenuPopup();
    void OnCloseWindow();
    // Enter and Escape close through OnCloseWindow, like the close box.
    void OnOK() override;
    void OnCancel() override;

    // The editor's rectangle over a cell, in the list's client coordinates:
    // the cell's label area inset by one pixel on every side.
    CRect RotationEditorRect(int row, int column) const;

    // Output folder and shell actions (OutputFolder.cpp).
    void InitOutputFolder();
    void OnBrowse();
    void OnOpenDirectory();
    void OnUploadPage();

    // Job list (JobList.cpp).
    void OnAddFiles();
    void OnDropFiles(HDROP drop);
    void AddInputFile(const CString& path);
    bool IsInputListed(const CString& name) const;
    CString MakeOutputName(const CString& inputName) const;
    // The name for row ownRow (OutputName.cpp): the names the other rows hold
    // are taken, its own is not.
    CString MakeOutputName(const CString& inputName, int ownRow) const;
    void OnDeleteFiles();
    void OnQualityChanged();
    void OnListClick(NMITEMACTIVATE* click, LRESULT* result);
    void OpenRotationEditor(int row, int column);
    void CommitRotationEditor();

    // Conversion run (ConversionRun.cpp).
    void OnStartStop();
    void StartRun();
    void OnConversionTick(UINT_PTR timerId);
    void OnCheckRunFinished();
    void StopRun();
    void SetRunControls(BOOL show, BOOL enable);
    bool AllRowsDone() const;
    void SelectOnlyRow(int row);
    // The run's part of the close sequence: stops the job and waits for the worker.
    void EndRunForClose();
    // A stop that came after the current row's job had succeeded marks the row "Done".
    void MarkStoppedRowDone();

private:
    void ConfigureJobList();
    void AddAboutMenuItem();
    void StartEngineOrExit();
    void ConfigureButtons();
    void ConfigureQualityCombo();
    void CreateCaptionBar();

    DECLARE_MESSAGE_MAP()
};
