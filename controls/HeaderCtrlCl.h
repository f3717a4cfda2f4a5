#pragma once
#include "Controls.h"
#include "MessageMap.h"

// The skinned list's column header: paints a grey ground, a light vertical
// gradient on every item and the titles of m_arrTitles, off screen, and can
// scale the height the platform proposes. It also keeps the alignment
// digit of every column, which the list uses for its cells. The owner fills
// the public fields after the list exists.
class CHeaderCtrlCl : public CHeaderCtrl {
public:
    CHeaderCtrlCl() = default;
    ~CHeaderCtrlCl() override = default;

    CStringArray m_arrTitles;  // title of column i at index i
    // One digit per column: '0' left, '1' centre, '2' right. The titles are
    // always centred; '0' and '2' only move them 3 pixels off the edge.
    CString m_strFormat;
    // The filler for the area right of the last column and the title colour
    // are kept for the owner; the header paints grey ground and black titles.
    int m_nFillR = 171;
    int m_nFillG = 199;
    int m_nFillB = 235;
    int m_nFillStep = 8;
    float m_fHeightScale = 1.0f;  // applied to the height the platform proposes
    int m_nFontHeight = 15;
    int m_nFontWidth = 0;
    COLORREF m_crText = 0;

protected:
    void OnPaint();
    LRESULT OnLayout(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
