#include "ListCtrlCl.h"

#include "ImageDrawing.h"
#include "LoadPngImage.h"
#include "PrivateMessages.h"
#include "ScopedSelect.h"
#include "resource.h"

#include <algorithm>

namespace {
constexpr int kTextBufferLength = 512;
constexpr int kFirstColumnWidening = 2;
constexpr int kEditorSlack = 2;
// The inner rectangle the mouse may leave the list through without closing
// the editor: 5 pixels in from the sides and the bottom, 26 below the top.
constexpr int kLeaveMarginSide = 5;
constexpr int kLeaveMarginTop = 26;

const CellColor* FirstColumnEntry(const CellColorList& list, int column) {
    for (const auto& entry : list) {
        if (entry && entry->nCol == column) return entry.get();
    }
    return nullptr;
}

const CellColor* FirstCellEntry(const CellColorList& list, int row, int column) {
    for (const auto& entry : list) {
        if (entry && entry->nRow == row && entry->nCol == column) return entry.get();
    }
    return nullptr;
}

// A progress strip: the image's columns 2 and 3 without its top row,
// stretched over the destination. Nothing for an empty destination.
void DrawStrip(Gdiplus::Graphics& graphics, Gdiplus::Image* image, int left, int top, int width, int height) {
    if (!image || width <= 0) return;
    DrawImageRect(graphics, image, Gdiplus::Rect(left, top, width, height), 2, 1, 2,
                  static_cast<int>(image->GetHeight()) - 1);
}
}  // namespace

BEGIN_MESSAGE_MAP(CListCtrlCl, CListCtrl)
    ON_WM_MEASUREITEM()
    ON_WM_MEASUREITEM_REFLECT()
    ON_NOTIFY_REFLECT(NM_CLICK, OnClick)
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_NOTIFY(HDN_BEGINTRACKA, 0, OnBeginTrack)
    ON_NOTIFY(HDN_BEGINTRACKW, 0, OnBeginTrack)
END_MESSAGE_MAP()

CListCtrlCl::CListCtrlCl() {
    m_font.CreateFont(14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, L"新宋体");
}

CListCtrlCl::~CListCtrlCl() {
    // The list and its header go while the fonts, images and colour records
    // they draw with still exist.
    if (m_hWnd && ::IsWindow(m_hWnd)) DestroyWindow();
}

void CListCtrlCl::SetRowFont() {
    CClientDC screen(nullptr);
    LOGFONTW description = {};
    description.lfHeight = -(120 * screen.GetDeviceCaps(LOGPIXELSY) / 720);
    lstrcpynW(description.lfFaceName, L"新宋体", LF_FACESIZE);
    auto font = std::make_unique<CFont>();
    font->CreateFontIndirect(&description);
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font->GetSafeHandle()), TRUE);
    // The previous row font goes only after the control has let go of it.
    m_pRowFont = std::move(font);
}

void CListCtrlCl::LoadProgressImages() {
    m_pImgTrack.reset();
    m_pImgFill.reset();
    LoadPngImage(IDB_PNG_132_PROGRESS_TRACK, m_pImgTrack);
    LoadPngImage(IDB_PNG_133_PROGRESS_FILL, m_pImgFill);
}

void CListCtrlCl::PreSubclassWindow() {
    ModifyStyle(0, LVS_OWNERDRAWFIXED);
    CListCtrl::PreSubclassWindow();
    if (HWND header = ListView_GetHeader(m_hWnd)) m_header.SubclassWindow(header);
}

LRESULT CListCtrlCl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HSCROLL || message == WM_VSCROLL) {
        PostCloseCellEditor();
    } else if (message == WM_CLOSE_CELL_EDITOR) {
        CloseEditorUnlessNear(static_cast<int>(wParam), static_cast<int>(lParam));
    }
    return CListCtrl::WindowProc(message, wParam, lParam);
}

void CListCtrlCl::PostCloseCellEditor() {
    if (CWnd* parent = GetParent()) parent->PostMessage(WM_CLOSE_CELL_EDITOR, 0, 0);
}

void CListCtrlCl::CloseEditorUnlessNear(int item, int column) {
    // The editor reports that the mouse left it; while the mouse was last
    // seen on (or within 2 pixels of) the edited cell it stays open.
    CRect cell;
    if (!GetSubItemRect(item, column, LVIR_LABEL, cell)) {
        PostCloseCellEditor();
        return;
    }
    const CPoint& p = m_ptLastMouse;
    if (p.x < cell.left - kEditorSlack || p.x > cell.right + kEditorSlack || p.y < cell.top - kEditorSlack ||
        p.y > cell.bottom + kEditorSlack) {
        PostCloseCellEditor();
    }
}

void CListCtrlCl::OnMeasureItem(int controlId, LPMEASUREITEMSTRUCT measureItem) {
    CListCtrl::OnMeasureItem(controlId, measureItem);
}

void CListCtrlCl::MeasureItem(LPMEASUREITEMSTRUCT measureItem) {
    CClientDC screen(nullptr);
    auto font = reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT));
    ScopedSelect selected(screen, font ? font : ::GetStockObject(SYSTEM_FONT));
    TEXTMETRICW metrics = {};
    screen.GetTextMetrics(&metrics);
    measureItem->itemHeight = static_cast<UINT>(metrics.tmHeight + metrics.tmExternalLeading + 1);
}

LRESULT CListCtrlCl::OnSetFont(WPARAM, LPARAM) {
    const LRESULT result = Default();
    // A list view asks for its row height again when its position changes.
    CRect window;
    GetWindowRect(window);
    WINDOWPOS position = {};
    position.hwnd = m_hWnd;
    position.cx = window.Width();
    position.cy = window.Height();
    position.flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    SendMessage(WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&position));
    return result;
}

void CListCtrlCl::OnClick(NMHDR* notify, LRESULT* result) {
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_LIST_CLICK, reinterpret_cast<WPARAM>(notify), reinterpret_cast<LPARAM>(result));
    *result = 0;
}

void CListCtrlCl::OnMouseMove(UINT flags, CPoint point) {
    m_ptLastMouse = point;
    SetFocus();
    CListCtrl::OnMouseMove(flags, point);
}

void CListCtrlCl::OnMouseLeave() {
    CRect client;
    GetClientRect(client);
    const CPoint& p = m_ptLastMouse;
    const bool inside = client.left + kLeaveMarginSide < p.x && p.x < client.right - kLeaveMarginSide &&
                        client.top + kLeaveMarginTop < p.y && p.y < client.bottom - kLeaveMarginSide;
    if (!inside) PostCloseCellEditor();
    CListCtrl::OnMouseLeave();
}

void CListCtrlCl::OnBeginTrack(NMHDR*, LRESULT* result) {
    *result = 0;  // the resize goes ahead
    PostCloseCellEditor();
}

UINT CListCtrlCl::ColumnAlignment(int column) const {
    if (column < m_header.m_strFormat.GetLength()) {
        if (m_header.m_strFormat[column] == L'0') return DT_LEFT;
        if (m_header.m_strFormat[column] == L'2') return DT_RIGHT;
    }
    return DT_CENTER;
}

COLORREF CListCtrlCl::CellTextColor(int item, int column) const {
    COLORREF color = m_crText;
    if (const CellColor* entry = FirstColumnEntry(m_lstColTextColor, column)) color = entry->crColor;
    if (const CellColor* entry = FirstCellEntry(m_lstItemTextColor, item, column)) color = entry->crColor;
    return color;
}

void CListCtrlCl::DrawCellBackground(CDC& dc, const CRect& cell, int item, int column) {
    dc.FillSolidRect(cell, GetBkColor());
    if (const CellColor* entry = FirstColumnEntry(m_lstColBkColor, column)) dc.FillSolidRect(cell, entry->crColor);
    if (const CellColor* entry = FirstCellEntry(m_lstItemBkColor, item, column))
        dc.FillSolidRect(cell, entry->crColor);
}

void CListCtrlCl::DrawProgressSlice(Gdiplus::Graphics& graphics, const CRect& cell, int column) {
    // Every column stands for an equal share of the bar; the column the
    // bar ends in is filled by the percent left over, as a share of the
    // list's width.
    const int columns = m_header.GetItemCount();
    if (columns <= 0) return;
    const int percent = m_nHighlightPercent;
    const int filledColumns = percent * columns / 100;
    if (column < filledColumns) {
        DrawStrip(graphics, m_pImgFill.get(), cell.left, cell.top, cell.Width(), cell.Height());
    } else if (column == filledColumns) {
        CRect client;
        GetClientRect(client);
        const int columnStart = column * 100 / columns;
        // The filled part stays within its cell.
        const int filled = std::clamp((percent - columnStart) * client.Width() / 100, 0, cell.Width());
        DrawStrip(graphics, m_pImgFill.get(), cell.left, cell.top, filled, cell.Height());
        DrawStrip(graphics, m_pImgTrack.get(), cell.left + filled, cell.top, cell.Width() - filled, cell.Height());
    } else {
        DrawStrip(graphics, m_pImgTrack.get(), cell.left, cell.top, cell.Width(), cell.Height());
    }
}

void CListCtrlCl::DrawItem(LPDRAWITEMSTRUCT drawItem) {
    CDC& dc = *CDC::FromHandle(drawItem->hDC);
    const int item = static_cast<int>(drawItem->itemID);
    const bool selected = (drawItem->itemState & ODS_SELECTED) != 0;
    // The list view's context gets back its font and text settings.
    const int saved = ::SaveDC(dc);
    {
        Gdiplus::Graphics graphics(dc.GetSafeHdc());
        LVCOLUMNW columnInfo = {};
        columnInfo.mask = LVCF_FMT | LVCF_WIDTH;
        for (int column = 0; GetColumn(column, &columnInfo); ++column) {
            CRect label;
            if (!GetSubItemRect(item, column, LVIR_LABEL, label)) continue;

            wchar_t text[kTextBufferLength] = {};
            LVITEMW itemInfo = {};
            itemInfo.mask = LVIF_TEXT;
            itemInfo.iItem = item;
            itemInfo.iSubItem = column;
            itemInfo.pszText = text;
            itemInfo.cchTextMax = kTextBufferLength;
            SendMessage(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&itemInfo));

            CRect cell = label;
            if (column == 0) cell.left -= kFirstColumnWidening;
            if (selected) {
                DrawProgressSlice(graphics, cell, column);
                // The bar shows through the text.
                dc.SetBkMode(TRANSPARENT);
            } else {
                DrawCellBackground(dc, cell, item, column);
            }

            dc.SelectStockObject(DEFAULT_GUI_FONT);
            TEXTMETRICW metrics = {};
            dc.GetTextMetrics(&metrics);
            label.OffsetRect(0, (label.Height() - metrics.tmHeight) / 2);
            dc.SetTextColor(CellTextColor(item, column));
            ScopedSelect font(dc, m_font.GetSafeHandle());
            const wchar_t* shown = itemInfo.pszText ? itemInfo.pszText : text;
            dc.DrawText(shown, -1, label, ColumnAlignment(column));
        }
    }
    ::RestoreDC(dc, saved);
}
