#pragma once
#include "ButtonEx.h"
#include "Dialog.h"

#include <gdiplus.h>

#include <memory>

// A skinned caption bar: a child dialog (template 173) with menu, minimise,
// maximise and close image buttons. It paints its background strip and
// title, lets the user drag its parent by it, and reports its buttons and a
// double click to its parent with the WM_CAPTION_* messages.
class CCaptionDlg : public CDialog {
public:
    CCaptionDlg();
    ~CCaptionDlg() override;

    // Puts the four buttons at the right end of the bar (currently 0 x 0 in
    // size, so that none of them shows).
    void PlaceCaptionButtons();

    void DoDataExchange(CDataExchange* dx) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnInitDialog() override;

    CButtonEx m_btnMin;
    CButtonEx m_btnMax;
    CButtonEx m_btnClose;
    CButtonEx m_btnMenu;
    CFont m_fontTitle;
    CString m_strTitle;  // written by the owner
    std::unique_ptr<Gdiplus::Image> m_pImgCaption;
    std::unique_ptr<Gdiplus::Image> m_pImgCaptionLeft;
    std::unique_ptr<Gdiplus::Image> m_pImgCaptionRight;

protected:
    void OnPaint();
    void OnBnClickedMenu();
    void OnBnClickedMin();
    void OnBnClickedMax();
    void OnBnClickedClose();
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);
    HBRUSH OnCtlColor(CDC* dc, CWnd* window, UINT ctlColor);

    DECLARE_MESSAGE_MAP()

private:
    void PostToParent(UINT message, LPARAM lParam = 0);
};
