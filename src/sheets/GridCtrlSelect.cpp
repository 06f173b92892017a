// The focus cell and the selection, and the mouse and keys that move them; header clicks and
// sorting; redrawing single cells.
#include "sheets/GridCtrl.h"

#include "model/ProcessState.h"
#include "model/SeriesGridCell.h"

#include <algorithm>
#include <cmath>

// --- Redrawing ------------------------------------------------------------------------------------

bool CGridCtrl::InvalidateCell(int nRow, int nCol)
{
    CGridRect rect;
    if (!m_pWindow || !m_bDrawEnabled || !IsCellVisible(nRow, nCol) || !GetCellRect(nRow, nCol, rect))
        return false;
    m_pWindow->InvalidateRect({rect.left, rect.top, rect.right + 1, rect.bottom + 1});
    return true;
}

// The window draws from the model on its next paint, so a repaint is an invalidation of the cell.
bool CGridCtrl::RepaintCell(int nRow, int nCol) { return InvalidateCell(nRow, nCol); }

void CGridCtrl::RedrawFixedCellsOfColumn(int nCol)
{
    for (int r = 0; r < m_nFixedRows; ++r)
        RepaintCell(r, nCol);
}

void CGridCtrl::RedrawFixedCellsOfRow(int nRow)
{
    for (int c = 0; c < m_nFixedCols; ++c)
        RepaintCell(nRow, c);
}

// --- Focus and selection --------------------------------------------------------------------------

CCellId CGridCtrl::SetFocusCell(int nRow, int nCol)
{
    const CCellId old = m_idCurrentCell;
    const CCellId cell{nRow, nCol};
    if (cell == old)
        return old;
    m_idCurrentCell = cell;
    if (IsValid(old)) {
        if (m_pWindow)
            m_pWindow->NotifyOwner(old.row, old.col, GVN_SELCHANGING);
        SetItemState(old.row, old.col, GetItemState(old.row, old.col) & ~GVIS_FOCUSED);
        RepaintCell(old.row, old.col);
        if (old.col != nCol)
            RedrawFixedCellsOfColumn(old.col);
        if (old.row != nRow)
            RedrawFixedCellsOfRow(old.row);
    }
    if (IsValid(cell)) {
        SetItemState(nRow, nCol, GetItemState(nRow, nCol) | GVIS_FOCUSED);
        RepaintCell(nRow, nCol);
        if (old.col != nCol)
            RedrawFixedCellsOfColumn(nCol);
        if (old.row != nRow)
            RedrawFixedCellsOfRow(nRow);
        if (m_pWindow)
            m_pWindow->NotifyOwner(nRow, nCol, GVN_SELCHANGED);
    }
    return old;
}

void CGridCtrl::SetSelectedRange(int minRow, int minCol, int maxRow, int maxCol)
{
    if (!m_bSelectEnabled)
        return;
    const CCellRange range{minRow, minCol, maxRow, maxCol};
    const std::set<CCellId> selected = m_SelectedCells;
    for (const CCellId& cell : selected) {
        SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) & ~GVIS_SELECTED);
        if (!range.Contains(cell.row, cell.col))
            RepaintCell(cell.row, cell.col);
    }
    // The selection kept from before a Ctrl+press comes back.
    if (!m_bSingleRowOnly)
        for (const CCellId& cell : m_PrevSelectedCells)
            if (IsValid(cell)) {
                SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) | GVIS_SELECTED);
                RepaintCell(cell.row, cell.col);
            }
    if (!IsValid(range))
        return;
    for (int r = minRow; r <= maxRow; ++r)
        for (int c = minCol; c <= maxCol; ++c)
            if (!(GetItemState(r, c) & GVIS_SELECTED)) {
                SetItemState(r, c, GetItemState(r, c) | GVIS_SELECTED);
                RepaintCell(r, c);
            }
}

void CGridCtrl::ClearSelection()
{
    SetSelectedRange(-1, -1, -1, -1);
    SetFocusCell(-1, -1);
}

CCellRange CGridCtrl::GetSelectionBounds() const
{
    if (m_SelectedCells.empty())
        return {m_nRows, m_nCols, -1, -1};
    CCellRange range{m_nRows, m_nCols, -1, -1};
    for (const CCellId& cell : m_SelectedCells) {
        range.minRow = std::min(range.minRow, cell.row);
        range.minCol = std::min(range.minCol, cell.col);
        range.maxRow = std::max(range.maxRow, cell.row);
        range.maxCol = std::max(range.maxCol, cell.col);
    }
    return range;
}

void CGridCtrl::SelectAllCells() { SetSelectedRange(m_nFixedRows, m_nFixedCols, m_nRows - 1, m_nCols - 1); }

void CGridCtrl::SelectColumns(CCellId cell)
{
    if (!IsValid(cell) || cell.col < m_nFixedCols)
        return;
    SetSelectedRange(m_nFixedRows, std::min(m_SelectionStartCell.col, cell.col), m_nRows - 1,
                     std::max(m_SelectionStartCell.col, cell.col));
}

void CGridCtrl::SelectRows(CCellId cell)
{
    if (!IsValid(cell) || cell.row < m_nFixedRows)
        return;
    if (m_bWholeRowMode && m_bSingleRowOnly)
        SetSelectedRange(cell.row, m_nFixedCols, cell.row, m_nCols - 1);
    else
        SetSelectedRange(std::min(m_SelectionStartCell.row, cell.row), m_nFixedCols,
                         std::max(m_SelectionStartCell.row, cell.row), m_nCols - 1);
}

void CGridCtrl::SelectCells(CCellId cell)
{
    if (!IsValid(cell) || IsCellFixed(cell.row, cell.col))
        return;
    const CCellId s = m_SelectionStartCell;
    SetSelectedRange(std::min(s.row, cell.row), std::min(s.col, cell.col), std::max(s.row, cell.row),
                     std::max(s.col, cell.col));
}

void CGridCtrl::SelectTowards(CCellId cell)
{
    if (!m_bSelectEnabled)
        return;
    switch (m_MouseMode) {
    case EGridMouseMode::SelectAll: SelectAllCells(); break;
    case EGridMouseMode::SelectColumns: SelectColumns(cell); break;
    case EGridMouseMode::SelectRows: SelectRows(cell); break;
    case EGridMouseMode::SelectCells: SelectCells(cell); break;
    default: break;
    }
}

// --- Mouse ----------------------------------------------------------------------------------------

void CGridCtrl::ClickAt(CGridPoint point) { OnLButtonDown({point, false, false, true}); }

void CGridCtrl::OnLButtonDown(const CGridMouse& mouse)
{
    if (!m_pWindow)
        return;
    const bool hadFocus = m_pWindow->HasKeyboardFocus();
    const CGridPoint point = mouse.point;
    m_LeftClickDownPoint = point;
    m_LeftClickDownCell = HitTestCell(point);
    if (!IsValid(m_LeftClickDownCell))
        return;
    m_SelectionStartCell = mouse.shift ? m_idCurrentCell : m_LeftClickDownCell;
    m_pWindow->TakeKeyboardFocus();

    if (m_LeftClickDownCell == m_idCurrentCell) {
        m_MouseMode = EGridMouseMode::PrepareEdit;
        return;
    }
    if (m_MouseMode != EGridMouseMode::OverColDivide && m_MouseMode != EGridMouseMode::OverRowDivide) {
        // A press on a heading focuses the first normal cell of its row or column.
        SetFocusCell(-1, -1);
        SetFocusCell(std::max(m_LeftClickDownCell.row, m_nFixedRows), std::max(m_LeftClickDownCell.col, m_nFixedCols));
    }
    if (m_bDragDropEnabled && hadFocus && (GetItemState(m_LeftClickDownCell.row, m_LeftClickDownCell.col) & GVIS_SELECTED)) {
        m_MouseMode = EGridMouseMode::PrepareDrag;
        return;
    }

    m_pWindow->CaptureMouse();
    if (m_MouseMode == EGridMouseMode::Nothing) {
        if (m_bColumnResize && IsOverColumnDivider(point)) {
            m_pWindow->SetCursor(EGridCursor::SizeWE);
            m_MouseMode = EGridMouseMode::OverColDivide;
        } else if (m_bRowResize && IsOverRowDivider(point)) {
            m_pWindow->SetCursor(EGridCursor::SizeNS);
            m_MouseMode = EGridMouseMode::OverRowDivide;
        }
    }

    if (m_MouseMode == EGridMouseMode::OverColDivide) {
        m_MouseMode = EGridMouseMode::SizingCol;
        CGridPoint origin;
        if (!GetCellTopLeft(0, m_LeftClickDownCell.col, origin))
            return;
        // A press just right of a column's left border resizes the column to its left.
        if (point.x - origin.x <= m_nResizeCaptureRange) {
            --m_LeftClickDownCell.col;
            if (!GetCellTopLeft(0, m_LeftClickDownCell.col, origin))
                return;
        }
    } else if (m_MouseMode == EGridMouseMode::OverRowDivide) {
        m_MouseMode = EGridMouseMode::SizingRow;
        CGridPoint origin;
        if (!GetCellTopLeft(m_LeftClickDownCell.row, m_LeftClickDownCell.col, origin))
            return;
        if (point.y - origin.y <= m_nResizeCaptureRange) {
            --m_LeftClickDownCell.row;
            if (!GetCellTopLeft(m_LeftClickDownCell.row, 0, origin))
                return;
        }
    } else {
        m_PrevSelectedCells.clear();
        if (mouse.ctrl)
            m_PrevSelectedCells = m_SelectedCells;
        if (m_LeftClickDownCell.row < m_nFixedRows) {
            OnFixedRowClick(m_LeftClickDownCell);
        } else if (m_LeftClickDownCell.col >= m_nFixedCols) {
            m_MouseMode = m_bWholeRowMode ? EGridMouseMode::SelectRows : EGridMouseMode::SelectCells;
            SelectTowards(m_LeftClickDownCell);
        } else {
            OnFixedColumnClick(m_LeftClickDownCell);
        }
        m_pWindow->StartAutoScroll();
    }
    m_LastMousePoint = point;
}

void CGridCtrl::OnFixedRowClick(CCellId cell)
{
    if (!IsValid(cell))
        return;
    if (!m_bWholeRowMode) {
        m_MouseMode = cell.col < m_nFixedCols ? EGridMouseMode::SelectAll : EGridMouseMode::SelectColumns;
        SelectTowards(cell);
        return;
    }
    if (!m_bHeaderSort)
        return;
    if (cell.col != m_nSortColumn) {
        m_nSortColumn = cell.col;
        m_bAscending = true;
    } else {
        m_bAscending = !m_bAscending;
    }
    SortRowsByText(m_nSortColumn, m_bAscending);
    if (m_pWindow)
        m_pWindow->InvalidateAll();
}

void CGridCtrl::OnFixedColumnClick(CCellId cell)
{
    if (!IsValid(cell))
        return;
    m_MouseMode = cell.row < m_nFixedRows ? EGridMouseMode::SelectAll : EGridMouseMode::SelectRows;
    SelectTowards(cell);
}

bool CGridCtrl::SortRowsByText(int nCol, bool ascending)
{
    ClearSelection();
    return SortRowsByText(nCol, ascending, m_nFixedRows, -1);
}

bool CGridCtrl::SortRowsByText(int nCol, bool ascending, int low, int high)
{
    if (nCol < 0 || nCol >= m_nCols)
        return false;
    if (high == -1)
        high = m_nRows - 1;
    if (high <= low)
        return false;
    const auto text = [&](int row) -> const std::string& { return m_RowData[size_t(row)][size_t(nCol)]->m_strText; };
    const std::string pivot = text((low + high) / 2);
    int lo = low, hi = high;
    while (lo <= hi) {
        if (ascending) {
            while (lo < high && text(lo) < pivot)
                ++lo;
            while (hi > low && text(hi) > pivot)
                --hi;
        } else {
            while (lo < high && text(lo) > pivot)
                ++lo;
            while (hi > low && text(hi) < pivot)
                --hi;
        }
        if (lo <= hi) {
            // Rows of equal text keep their places.
            if (text(lo) != text(hi)) {
                std::swap(m_RowData[size_t(lo)], m_RowData[size_t(hi)]);
                std::swap(m_arRowHeights[size_t(lo)], m_arRowHeights[size_t(hi)]);
            }
            ++lo;
            --hi;
        }
    }
    if (low < hi)
        SortRowsByText(nCol, ascending, low, hi);
    if (lo < high)
        SortRowsByText(nCol, ascending, lo, high);
    return true;
}

void CGridCtrl::OnMouseMove(const CGridMouse& mouse)
{
    if (!m_pWindow)
        return;
    const CGridPoint point = mouse.point;
    const CGridSize client = m_pWindow->GetClientSize();
    const bool inside = point.x >= 0 && point.y >= 0 && point.x < client.cx && point.y < client.cy;
    if (m_MouseMode != EGridMouseMode::Dragging && !inside)
        return;

    if (mouse.leftButton && m_MouseMode != EGridMouseMode::Nothing) {
        if (!IsValid(m_LeftClickDownCell)) {
            m_LastMousePoint = point;
            return;
        }
        switch (m_MouseMode) {
        case EGridMouseMode::SelectAll:
        case EGridMouseMode::SelectColumns:
        case EGridMouseMode::SelectRows:
        case EGridMouseMode::SelectCells: {
            const CCellId cell = HitTestCell(point);
            if (!IsValid(cell))
                return;
            if (cell != m_idCurrentCell) {
                SelectTowards(cell);
                if (!IsCellFixed(cell.row, cell.col))
                    SetFocusCell(cell);
            }
            break;
        }
        case EGridMouseMode::SizingRow:
        case EGridMouseMode::SizingCol:
            // The window draws the sizing band at the last mouse point.
            m_pWindow->InvalidateAll();
            break;
        case EGridMouseMode::PrepareDrag:
            m_LastMousePoint = point;
            StartDrag();
            return;
        default:
            break;
        }
        m_LastMousePoint = point;
        return;
    }

    if (m_bColumnResize && IsOverColumnDivider(point)) {
        m_pWindow->SetCursor(EGridCursor::SizeWE);
        m_MouseMode = EGridMouseMode::OverColDivide;
    } else if (m_bRowResize && IsOverRowDivider(point)) {
        m_pWindow->SetCursor(EGridCursor::SizeNS);
        m_MouseMode = EGridMouseMode::OverRowDivide;
    } else if (m_MouseMode != EGridMouseMode::Nothing) {
        m_pWindow->SetCursor(EGridCursor::Arrow);
        m_MouseMode = EGridMouseMode::Nothing;
    }
    if (m_MouseMode == EGridMouseMode::Nothing && m_bShowTitleTips) {
        CGridRect textRect, hover;
        std::string text;
        CGridFont font;
        if (TitleTipAt(point, textRect, text, hover, font))
            m_pWindow->ShowTitleTip(textRect, text, hover, font);
    }
    m_LastMousePoint = point;
}

void CGridCtrl::OnLButtonUp(const CGridMouse& mouse)
{
    if (!m_pWindow)
        return;
    const CGridPoint point = mouse.point;
    if (m_pWindow->HasCapture()) {
        m_pWindow->ReleaseMouse();
        m_pWindow->StopAutoScroll();
    }
    switch (m_MouseMode) {
    case EGridMouseMode::PrepareEdit:
        OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, VK_LBUTTON);
        break;
    case EGridMouseMode::PrepareDrag:
        ClearSelection();
        break;
    case EGridMouseMode::SizingCol: {
        m_pWindow->InvalidateAll();
        if (point != m_LeftClickDownPoint) {
            CGridPoint origin;
            if (!GetCellTopLeft(0, m_LeftClickDownCell.col, origin))
                return;
            SetColumnWidth(m_LeftClickDownCell.col, std::max(0, point.x - origin.x));
            ResetScrollBars();
        }
        break;
    }
    case EGridMouseMode::SizingRow: {
        m_pWindow->InvalidateAll();
        if (point != m_LeftClickDownPoint) {
            CGridPoint origin;
            if (!GetCellTopLeft(m_LeftClickDownCell.row, 0, origin))
                return;
            SetRowHeight(m_LeftClickDownCell.row, std::max(0, point.y - origin.y));
            ResetScrollBars();
        }
        break;
    }
    default:
        break;
    }
    m_MouseMode = EGridMouseMode::Nothing;
    m_pWindow->SetCursor(EGridCursor::Arrow);
    if (IsValid(m_LeftClickDownCell))
        m_pWindow->PostCommandToOwner();
}

void CGridCtrl::OnRButtonUp(const CGridMouse& mouse)
{
    OnLButtonUp(mouse);
    OfferSeries();
}

// A right click on a value offers to sweep it: the cell's series target goes where the series
// command reads it, with the parameter id of a grid value.
void CGridCtrl::OfferSeries()
{
    const CGridCell* cell = GetCell(m_LeftClickDownCell.row, m_LeftClickDownCell.col);
    if (!cell || cell->m_target.m_nValueKind < 0 || std::fabs(cell->m_target.m_dValue + 9999.0) < 0.0001)
        return;
    g_SeriesGridCell = cell->m_target;
    g_nSeriesParamId = 200;
    if (m_pWindow)
        m_pWindow->ShowSeriesMenu();
}

void CGridCtrl::OnLButtonDblClk(const CGridMouse& mouse)
{
    if (!m_pWindow)
        return;
    const CGridPoint point = mouse.point;
    if (m_MouseMode == EGridMouseMode::OverColDivide) {
        CCellId cell = HitTestCell(point);
        CGridPoint origin;
        if (!GetCellTopLeft(0, cell.col, origin))
            return;
        if (point.x - origin.x <= m_nResizeCaptureRange)
            --cell.col;
        AutoSizeColumn(cell.col);
        m_pWindow->InvalidateAll();
    } else if (m_MouseMode == EGridMouseMode::OverRowDivide) {
        CCellId cell = HitTestCell(point);
        CGridPoint origin;
        if (!GetCellTopLeft(cell.row, 0, origin))
            return;
        if (point.y - origin.y <= m_nResizeCaptureRange)
            --cell.row;
        AutoSizeRow(cell.row);
        m_pWindow->InvalidateAll();
    } else if (m_MouseMode == EGridMouseMode::Nothing) {
        if (IsValid(m_LeftClickDownCell) && !IsCellFixed(m_LeftClickDownCell.row, m_LeftClickDownCell.col)) {
            OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, VK_LBUTTON);
        } else if (m_bWholeRowMode) {
            const CCellId cell = HitTestCell(point);
            if (IsValid(cell) && cell.row >= m_nFixedRows && cell.col < m_nFixedCols)
                OnEditCell(cell.row, cell.col, VK_LBUTTON);
        }
    }
}

EGridCursor CGridCtrl::CursorAt(CGridPoint point) const
{
    if (IsOverRowDivider(point))
        return EGridCursor::SizeNS;
    if (IsOverColumnDivider(point))
        return EGridCursor::SizeWE;
    return EGridCursor::Arrow;
}

void CGridCtrl::OnTimer(CGridPoint point)
{
    if (!m_pWindow)
        return;
    const CGridSize client = m_pWindow->GetClientSize();
    const int fixedHeight = GetFixedRowHeight(), fixedWidth = GetFixedColumnWidth();
    const int x = std::clamp(point.x, 0, std::max(0, client.cx - 1));
    const int y = std::clamp(point.y, 0, std::max(0, client.cy - 1));
    if (point.y > client.cy) {
        OnKeyDown(VK_DOWN, false, false);
        SelectTowards(HitTestCell({x, client.cy}));
    } else if (point.y < fixedHeight) {
        OnKeyDown(VK_UP, false, false);
        SelectTowards(HitTestCell({x, fixedHeight + 1}));
    }
    if (point.x > client.cx) {
        OnKeyDown(VK_RIGHT, false, false);
        SelectTowards(HitTestCell({client.cx, y}));
    } else if (point.x < fixedWidth) {
        OnKeyDown(VK_LEFT, false, false);
        SelectTowards(HitTestCell({fixedWidth + 1, y}));
    }
}

void CGridCtrl::OnCaptureChanged(bool toGrid)
{
    if (toGrid || !m_pWindow)
        return;
    m_pWindow->StopAutoScroll();
    if (m_MouseMode == EGridMouseMode::Dragging)
        m_MouseMode = EGridMouseMode::Nothing;
}

// --- Keys -----------------------------------------------------------------------------------------

void CGridCtrl::SelectRangeFromMode(CCellId next, bool shift)
{
    m_PrevSelectedCells.clear();
    m_MouseMode = m_bWholeRowMode ? EGridMouseMode::SelectRows : EGridMouseMode::SelectCells;
    if (!shift)
        m_SelectionStartCell = next;
    SelectTowards(next);
    m_MouseMode = EGridMouseMode::Nothing;
}

void CGridCtrl::OnKeyDown(int key, bool shift, bool ctrl)
{
    if (!IsValid(m_idCurrentCell))
        return;
    CCellId next = m_idCurrentCell;
    bool wrapped = false;

    if (ctrl && key >= 'A' && key <= 'X') {
        switch (key) {
        case 'A': SelectAllCells(); break;
        case 'C': CopySelectedText(); break;
        case 'V': PasteText(); break;
        case 'X': CutSelectedText(); break;
        default: break;
        }
    }

    switch (key) {
    case VK_TAB:
        if (shift) {
            if (next.col > m_nFixedCols) {
                --next.col;
            } else if (next.col == m_nFixedCols && next.row > m_nFixedRows) {
                --next.row;
                next.col = m_nCols - 1;
                wrapped = true;
            }
        } else {
            if (next.col < m_nCols - 1) {
                ++next.col;
            } else if (next.col == m_nCols - 1 && next.row < m_nRows - 1) {
                ++next.row;
                next.col = m_nFixedCols;
                wrapped = true;
            }
        }
        break;
    case VK_PRIOR: {
        const int top = GetFirstScrolledCell().row;
        OnVScroll(SB_PAGEUP);
        const int moved = top - GetFirstScrolledCell().row;
        next.row = moved > 0 ? std::max(m_nFixedRows, next.row - moved) : m_nFixedRows;
        break;
    }
    case VK_NEXT: {
        const int top = GetFirstScrolledCell().row;
        OnVScroll(SB_PAGEDOWN);
        const int moved = GetFirstScrolledCell().row - top;
        next.row = moved > 0 ? std::min(m_nRows - 1, next.row + moved) : m_nRows - 1;
        break;
    }
    case VK_END:
        OnVScroll(SB_BOTTOM);
        next.row = m_nRows - 1;
        break;
    case VK_HOME:
        OnVScroll(SB_TOP);
        next.row = m_nFixedRows;
        break;
    case VK_LEFT:
        if (next.col > m_nFixedCols)
            --next.col;
        break;
    case VK_RIGHT:
        if (next.col < m_nCols - 1)
            ++next.col;
        break;
    case VK_UP:
        if (next.row > m_nFixedRows)
            --next.row;
        break;
    case VK_DOWN:
        if (next.row < m_nRows - 1)
            ++next.row;
        break;
    case VK_DELETE:
        if (IsCellEditable(next.row, next.col)) {
            if (m_pWindow)
                m_pWindow->NotifyOwner(next.row, next.col, GVN_BEGINLABELEDIT);
            SetItemText(next.row, next.col, "");
            MarkModified(true, next.row, next.col);
            if (m_pWindow)
                m_pWindow->NotifyOwner(next.row, next.col, GVN_ENDLABELEDIT);
            RepaintCell(next.row, next.col);
        }
        break;
    default:
        break;
    }

    if (next == m_idCurrentCell)
        return;
    if (m_MouseMode == EGridMouseMode::Nothing)
        SelectRangeFromMode(next, shift && key != VK_TAB);
    SetFocusCell(next);

    if (!IsCellVisible(next.row, next.col)) {
        EnsureVisible(next.row, next.col);
        switch (key) {
        case VK_TAB:
            // A wrap goes to the row below (above) and the row's first (last) column.
            if (shift && wrapped) {
                OnVScroll(SB_LINEUP);
                SetScrollPosition(EGridBar::Horizontal, m_nHScrollMax);
            } else if (shift) {
                OnHScroll(SB_LINELEFT);
            } else if (wrapped) {
                OnVScroll(SB_LINEDOWN);
                SetScrollPosition(EGridBar::Horizontal, 0);
            } else {
                OnHScroll(SB_LINERIGHT);
            }
            break;
        case VK_LEFT: OnHScroll(SB_LINELEFT); break;
        case VK_RIGHT: OnHScroll(SB_LINERIGHT); break;
        case VK_UP: OnVScroll(SB_LINEUP); break;
        case VK_DOWN: OnVScroll(SB_LINEDOWN); break;
        default: break;
        }
        if (m_pWindow)
            m_pWindow->InvalidateAll();
    }
}

void CGridCtrl::OnChar(int ch, bool ctrl)
{
    if (ctrl || m_MouseMode != EGridMouseMode::Nothing)
        return;
    if (ch == VK_TAB && m_bTakeTab)
        return;
    OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, ch);
}

void CGridCtrl::OnKillFocus()
{
    if (m_pWindow)
        m_pWindow->NotifyOwner(m_idCurrentCell.row, m_idCurrentCell.col, GVN_ENDLABELEDIT);
}
