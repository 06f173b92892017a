// The grid's geometry: where cells lie in the window, which are visible, hit testing, the divider
// hot zones, the scroll ranges and scrolling.
#include "sheets/GridCtrl.h"

#include <algorithm>

bool CGridCtrl::IsValid(int nRow, int nCol) const { return nRow >= 0 && nRow < m_nRows && nCol >= 0 && nCol < m_nCols; }

bool CGridCtrl::IsValid(const CCellRange& range) const
{
    return range.minRow >= 0 && range.minCol >= 0 && range.maxRow >= 0 && range.maxCol >= 0 &&
           range.maxRow < m_nRows && range.maxCol < m_nCols && range.minRow <= range.maxRow &&
           range.minCol <= range.maxCol;
}

bool CGridCtrl::IsCellEditable(int nRow, int nCol) const
{
    return m_bEditEnabled && !(GetItemState(nRow, nCol) & GVIS_READONLY);
}

CCellId CGridCtrl::GetFirstScrolledCell() const
{
    CCellId cell{m_nFixedRows, m_nFixedCols};
    int right = 0;
    while (right < m_nHScrollPos && cell.col < m_nCols - 1)
        right += m_arColWidths[size_t(cell.col++)];
    int bottom = 0;
    while (bottom < m_nVScrollPos && cell.row < m_nRows - 1)
        bottom += m_arRowHeights[size_t(cell.row++)];
    return cell;
}

CCellRange CGridCtrl::GetVisibleRange(CGridRect* rect) const
{
    const CGridSize client = m_pWindow ? m_pWindow->GetClientSize() : CGridSize{};
    const CCellId topLeft = GetFirstScrolledCell();
    int bottom = GetFixedRowHeight();
    int row = topLeft.row;
    for (; row < m_nRows; ++row) {
        bottom += m_arRowHeights[size_t(row)];
        if (bottom >= client.cy) {
            bottom = client.cy;
            break;
        }
    }
    int right = GetFixedColumnWidth();
    int col = topLeft.col;
    for (; col < m_nCols; ++col) {
        right += m_arColWidths[size_t(col)];
        if (right >= client.cx) {
            right = client.cx;
            break;
        }
    }
    if (rect)
        *rect = {0, 0, right, bottom};
    return {topLeft.row, topLeft.col, std::min(row, m_nRows - 1), std::min(col, m_nCols - 1)};
}

CCellRange CGridCtrl::GetFullyVisibleRange() const
{
    const CGridSize client = m_pWindow ? m_pWindow->GetClientSize() : CGridSize{};
    CCellRange range = GetVisibleRange();
    if (!IsValid(range))
        return range;
    CGridPoint corner;
    if (GetCellTopLeft(range.maxRow, range.maxCol, corner)) {
        if (corner.y + GetRowHeight(range.maxRow) > client.cy && range.maxRow > 0)
            --range.maxRow;
        if (corner.x + GetColumnWidth(range.maxCol) > client.cx && range.maxCol > 0)
            --range.maxCol;
    }
    return range;
}

bool CGridCtrl::GetCellTopLeft(int nRow, int nCol, CGridPoint& p) const
{
    if (!IsValid(nRow, nCol))
        return false;
    const CCellId topLeft = GetFirstScrolledCell();
    if ((nRow >= m_nFixedRows && nRow < topLeft.row) || (nCol >= m_nFixedCols && nCol < topLeft.col))
        return false;
    p = {};
    if (nCol < m_nFixedCols) {
        for (int c = 0; c < nCol; ++c)
            p.x += m_arColWidths[size_t(c)];
    } else {
        p.x = GetFixedColumnWidth();
        for (int c = topLeft.col; c < nCol; ++c)
            p.x += m_arColWidths[size_t(c)];
    }
    if (nRow < m_nFixedRows) {
        for (int r = 0; r < nRow; ++r)
            p.y += m_arRowHeights[size_t(r)];
    } else {
        p.y = GetFixedRowHeight();
        for (int r = topLeft.row; r < nRow; ++r)
            p.y += m_arRowHeights[size_t(r)];
    }
    return true;
}

bool CGridCtrl::GetCellRect(int nRow, int nCol, CGridRect& rect) const
{
    CGridPoint p;
    if (!GetCellTopLeft(nRow, nCol, p))
        return false;
    rect = {p.x, p.y, p.x + GetColumnWidth(nCol) - 1, p.y + GetRowHeight(nRow) - 1};
    return true;
}

bool CGridCtrl::GetCellTextRect(int nRow, int nCol, CGridRect& rect) const
{
    // No image list is attached in this program, so the text has the whole cell.
    return GetCellRect(nRow, nCol, rect);
}

bool CGridCtrl::IsCellVisible(int nRow, int nCol) const
{
    if (!m_pWindow || !IsValid(nRow, nCol))
        return false;
    CGridPoint p;
    if (!GetCellTopLeft(nRow, nCol, p))
        return false;
    const CGridSize client = m_pWindow->GetClientSize();
    return p.x < client.cx && p.y < client.cy;
}

CCellId CGridCtrl::HitTestCell(CGridPoint point, bool allowFixed) const
{
    CCellId cell;
    if (!m_pWindow || point.x < 0 || point.y < 0)
        return cell;
    const CCellId topLeft = GetFirstScrolledCell();
    const int fixedWidth = GetFixedColumnWidth(), fixedHeight = GetFixedRowHeight();

    if (point.x < fixedWidth) {
        if (!allowFixed)
            return {};
        int right = 0;
        cell.col = m_nFixedCols;
        for (int c = 0; c < m_nFixedCols; ++c) {
            right += m_arColWidths[size_t(c)];
            if (right > point.x) {
                cell.col = c;
                break;
            }
        }
    } else {
        int right = fixedWidth;
        for (int c = topLeft.col; c < m_nCols; ++c) {
            right += m_arColWidths[size_t(c)];
            if (right > point.x) {
                cell.col = c;
                break;
            }
        }
        if (cell.col < 0)
            return {};
    }

    if (point.y < fixedHeight) {
        if (!allowFixed)
            return {};
        int bottom = 0;
        cell.row = m_nFixedRows;
        for (int r = 0; r < m_nFixedRows; ++r) {
            bottom += m_arRowHeights[size_t(r)];
            if (bottom > point.y) {
                cell.row = r;
                break;
            }
        }
    } else {
        int bottom = fixedHeight;
        for (int r = topLeft.row; r < m_nRows; ++r) {
            bottom += m_arRowHeights[size_t(r)];
            if (bottom > point.y) {
                cell.row = r;
                break;
            }
        }
        if (cell.row < 0)
            return {};
    }
    return cell;
}

bool CGridCtrl::IsOverRowDivider(CGridPoint point) const
{
    if (point.x >= GetFixedColumnWidth())
        return false;
    const CCellId cell = HitTestCell(point);
    CGridPoint origin;
    if (!IsValid(cell) || !GetCellTopLeft(cell.row, cell.col, origin))
        return false;
    if (point.y - origin.y <= m_nResizeCaptureRange && cell.row != 0)
        return true;
    return origin.y + GetRowHeight(cell.row) - point.y <= m_nResizeCaptureRange;
}

bool CGridCtrl::IsOverColumnDivider(CGridPoint point) const
{
    if (point.y >= GetFixedRowHeight())
        return false;
    const CCellId cell = HitTestCell(point);
    CGridPoint origin;
    if (!IsValid(cell) || !GetCellTopLeft(cell.row, cell.col, origin))
        return false;
    if (point.x - origin.x <= m_nResizeCaptureRange && cell.col != 0)
        return true;
    return origin.x + GetColumnWidth(cell.col) - point.x <= m_nResizeCaptureRange;
}

// --- Scroll bars ----------------------------------------------------------------------------------

void CGridCtrl::ResetScrollBars()
{
    if (!m_bDrawEnabled || !m_pWindow)
        return;
    const CGridSize client = m_pWindow->GetClientSize();
    const int fixedWidth = GetFixedColumnWidth(), fixedHeight = GetFixedRowHeight();
    if (client.cx - fixedWidth <= 0 || client.cy - fixedHeight <= 0)
        return;
    m_nHScrollPage = client.cx - fixedWidth;
    m_nVScrollPage = client.cy - fixedHeight;
    const int bodyWidth = GetTotalWidth() - fixedWidth, bodyHeight = GetTotalHeight() - fixedHeight;
    m_nVScrollMax = bodyHeight > m_nVScrollPage ? bodyHeight - 1 : 0;
    m_nHScrollMax = bodyWidth > m_nHScrollPage ? bodyWidth - 1 : 0;
    // The positions stay inside the new ranges, as a scroll bar keeps them.
    SetScrollPosition(EGridBar::Horizontal, m_nHScrollPos);
    SetScrollPosition(EGridBar::Vertical, m_nVScrollPos);
}

int CGridCtrl::GetScrollPosition(EGridBar bar) const
{
    return bar == EGridBar::Horizontal ? m_nHScrollPos : m_nVScrollPos;
}

int CGridCtrl::GetScrollMax(EGridBar bar) const { return bar == EGridBar::Horizontal ? m_nHScrollMax : m_nVScrollMax; }

int CGridCtrl::GetScrollPage(EGridBar bar) const
{
    return bar == EGridBar::Horizontal ? m_nHScrollPage : m_nVScrollPage;
}

// A scroll bar whose thumb is a page long stops where the page shows the range's end.
void CGridCtrl::SetScrollPosition(EGridBar bar, int position)
{
    const bool horizontal = bar == EGridBar::Horizontal;
    const int max = horizontal ? m_nHScrollMax : m_nVScrollMax;
    const int page = horizontal ? m_nHScrollPage : m_nVScrollPage;
    const int last = std::max(0, max - std::max(page, 1) + 1);
    (horizontal ? m_nHScrollPos : m_nVScrollPos) = std::clamp(position, 0, last);
    if (m_pWindow)
        m_pWindow->SetScrollBars(m_nHScrollPage, m_nHScrollMax, m_nHScrollPos, m_nVScrollPage, m_nVScrollMax,
                                 m_nVScrollPos);
}

// One scroll request on either bar. The window is redrawn whole: what scrolling shows is the same.
void CGridCtrl::ScrollBy(EGridBar bar, int code, int trackPosition)
{
    if (m_pWindow) {
        if (!m_pWindow->HasKeyboardFocus())
            m_pWindow->TakeKeyboardFocus();
        m_pWindow->HideTitleTip();
    }
    const bool horizontal = bar == EGridBar::Horizontal;
    const CGridSize client = m_pWindow ? m_pWindow->GetClientSize() : CGridSize{};
    const int fixed = horizontal ? GetFixedColumnWidth() : GetFixedRowHeight();
    const int clientEnd = horizontal ? client.cx : client.cy;
    const int firstBody = horizontal ? m_nFixedCols : m_nFixedRows;
    const int pos = GetScrollPosition(bar), max = GetScrollMax(bar);
    const CCellId topLeft = GetFirstScrolledCell();
    const int topIndex = horizontal ? topLeft.col : topLeft.row;
    const auto size = [&](int index) { return horizontal ? GetColumnWidth(index) : GetRowHeight(index); };
    bool changed = false;
    switch (code) {
    case SB_LINEUP:
        if (pos > 0 && topIndex > firstBody) {
            SetScrollPosition(bar, std::max(0, pos - size(topIndex - 1)));
            changed = true;
        }
        break;
    case SB_LINEDOWN:
        if (pos < max) {
            SetScrollPosition(bar, pos + size(topIndex));
            changed = GetScrollPosition(bar) != pos;
        }
        break;
    case SB_PAGEUP:
        if (pos > 0) {
            SetScrollPosition(bar, std::max(0, pos - (clientEnd - fixed)));
            changed = true;
        }
        break;
    case SB_PAGEDOWN:
        if (pos < max) {
            SetScrollPosition(bar, std::min(max, pos + (clientEnd - fixed)));
            changed = true;
        }
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        SetScrollPosition(bar, trackPosition);
        changed = GetFirstScrolledCell() != topLeft;
        break;
    case SB_TOP:
        if (pos > 0) {
            SetScrollPosition(bar, 0);
            changed = true;
        }
        break;
    case SB_BOTTOM:
        if (pos < max) {
            SetScrollPosition(bar, max);
            changed = true;
        }
        break;
    default:
        break;
    }
    if (changed && m_pWindow)
        m_pWindow->InvalidateAll();
}

void CGridCtrl::OnHScroll(int code, int trackPosition) { ScrollBy(EGridBar::Horizontal, code, trackPosition); }

void CGridCtrl::OnVScroll(int code, int trackPosition) { ScrollBy(EGridBar::Vertical, code, trackPosition); }

void CGridCtrl::EnsureVisible(int nRow, int nCol)
{
    const CCellRange visible = GetVisibleRange();
    for (int n = nCol - visible.maxCol; n > 0; --n)
        OnHScroll(SB_LINERIGHT);
    for (int n = visible.minCol - nCol; n > 0; --n)
        OnHScroll(SB_LINELEFT);
    for (int n = nRow - visible.maxRow; n > 0; --n)
        OnVScroll(SB_LINEDOWN);
    for (int n = visible.minRow - nRow; n > 0; --n)
        OnVScroll(SB_LINEUP);
    // A cell cut off by the client edge comes in one line more.
    CGridRect rect;
    if (m_pWindow && GetCellRect(nRow, nCol, rect)) {
        const CGridSize client = m_pWindow->GetClientSize();
        if (rect.right > client.cx)
            OnHScroll(SB_LINERIGHT);
        if (rect.bottom > client.cy)
            OnVScroll(SB_LINEDOWN);
    }
}

void CGridCtrl::OnMouseWheel(int delta)
{
    if (m_nRowsPerWheelNotch == 0xFFFFFFFFu) {
        const int pages = delta / 120;
        for (int n = pages; n > 0; --n)
            OnVScroll(SB_PAGEUP);
        for (int n = -pages; n > 0; --n)
            OnVScroll(SB_PAGEDOWN);
        return;
    }
    const int lines = int(delta * int(m_nRowsPerWheelNotch) / 120);
    for (int n = lines; n > 0; --n)
        OnVScroll(SB_LINEUP);
    for (int n = -lines; n > 0; --n)
        OnVScroll(SB_LINEDOWN);
}
