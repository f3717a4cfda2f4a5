#pragma once
#include "Controls.h"
#include "HeaderCtrlCl.h"
#include "MessageMap.h"

#include <gdiplus.h>

#include <memory>
#include <vector>

// A colour for one column (nRow is ignored there) or one cell.
struct CellColor {
    int nRow;
    int nCol;
    COLORREF crColor;
};

// Colour records in the order they were appended; the first one that
// matches a column or cell wins. The list control owns the records:
//   list.m_lstColBkColor.push_back(std::make_unique<CellColor>(CellColor{row, column, colour}));
using CellColorList = std::vector<std::unique_ptr<CellColor>>;

// The skinned report list: draws every row itself (per-column and per-cell
// background and text colours; in a selected row a progress bar across the
// cells, m_nHighlightPercent filled), carries its own header, takes its row
// height from its font, tells its parent about clicks (WM_LIST_CLICK) and
// asks it to close an in-place cell editor (WM_CLOSE_CELL_EDITOR) on
// scrolling, when the mouse leaves and when a column resize begins.
class CListCtrlCl : public CListCtrl {
public:
    CListCtrlCl();
    ~CListCtrlCl() override;

    // Makes the 12-point row font, which decides the row height.
    void SetRowFont();
    // PNG 132 as the bar's empty part, PNG 133 as its filled part.
    void LoadProgressImages();

    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;

    CHeaderCtrlCl m_header;
    CellColorList m_lstColBkColor;
    CellColorList m_lstItemBkColor;
    CellColorList m_lstColTextColor;
    CellColorList m_lstItemTextColor;
    COLORREF m_crText = 0;
    std::unique_ptr<Gdiplus::Image> m_pImgTrack;
    std::unique_ptr<Gdiplus::Image> m_pImgFill;
    int m_nHighlightPercent = 0;  // 0 to 100, written by the owner
    CFont m_font;                 // draws the cell texts
    CPoint m_ptLastMouse;         // client coordinates
    // The font given to the control by SetRowFont; kept alive while the
    // control may use it.
    std::unique_ptr<CFont> m_pRowFont;

protected:
    void OnMeasureItem(int controlId, LPMEASUREITEMSTRUCT measureItem);
    void MeasureItem(LPMEASUREITEMSTRUCT measureItem);
    void OnClick(NMHDR* notify, LRESULT* result);
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    void OnMouseMove(UINT flags, CPoint point);
    void OnMouseLeave();
    void OnBeginTrack(NMHDR* notify, LRESULT* result);

    DECLARE_MESSAGE_MAP()

private:
    void PostCloseCellEditor();
    void CloseEditorUnlessNear(int item, int column);
    void DrawProgressSlice(Gdiplus::Graphics& graphics, const CRect& cell, int column);
    void DrawCellBackground(CDC& dc, const CRect& cell, int item, int column);
    COLORREF CellTextColor(int item, int column) const;
    UINT ColumnAlignment(int column) const;
};
