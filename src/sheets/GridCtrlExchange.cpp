// Cell text in and out: copy, cut, paste and clear, and drag and drop with other grids and other
// programs, all as the exchange text of CGridExchangeText.
#include "sheets/GridCtrl.h"

#include "platform/UserPrompts.h"
#include "sheets/GridExchangeText.h"

std::string CGridCtrl::CopyTextFromGrid(bool* any) const
{
    const CCellRange range = GetSelectionBounds();
    if (any)
        *any = IsValid(range);
    if (!IsValid(range))
        return std::string();
    std::string text;
    for (int r = range.minRow; r <= range.maxRow; ++r) {
        std::vector<const std::string*> cells;
        for (int c = range.minCol; c <= range.maxCol; ++c) {
            const CGridCell* cell = GetCell(r, c);
            cells.push_back(cell && (cell->m_nState & GVIS_SELECTED) ? &cell->m_strText : nullptr);
        }
        if (r > range.minRow)
            text += '\n';
        text += CGridExchangeText::WriteRow(cells);
    }
    return text;
}

void CGridCtrl::CopySelectedText()
{
    bool any = false;
    const std::string text = CopyTextFromGrid(&any);
    if (any && m_pWindow)
        m_pWindow->SetClipboardText(text);
}

void CGridCtrl::CutSelectedText()
{
    if (!m_bEditEnabled)
        return;
    bool any = false;
    const std::string text = CopyTextFromGrid(&any);
    if (!any || !m_pWindow)
        return;
    m_pWindow->SetClipboardText(text);
    ClearSelectedCells();
}

void CGridCtrl::ClearSelectedCells()
{
    if (!m_bEditEnabled)
        return;
    const std::set<CCellId> selected = m_SelectedCells;
    for (const CCellId& cell : selected) {
        // A move onto cells of its own source keeps what the drop wrote there.
        if (m_DropWrittenDuringDrag.count(cell) || !IsCellEditable(cell.row, cell.col))
            continue;
        if (m_pWindow)
            m_pWindow->NotifyOwner(cell.row, cell.col, GVN_BEGINLABELEDIT);
        ClearCell(cell.row, cell.col);
        MarkModified(true, cell.row, cell.col);
        if (m_pWindow)
            m_pWindow->NotifyOwner(cell.row, cell.col, GVN_ENDLABELEDIT);
    }
    if (m_pWindow)
        m_pWindow->InvalidateAll();
}

void CGridCtrl::PasteText()
{
    if (!m_bEditEnabled || !m_pWindow)
        return;
    const CCellId target = IsValid(m_idCurrentCell) ? m_idCurrentCell : GetFirstScrolledCell();
    std::string text;
    if (!IsValid(target) || !m_pWindow->ClipboardHasText() || !m_pWindow->GetClipboardText(text))
        return;
    PasteFromText(target, text);
}

CGridPasteResult CGridCtrl::PasteFromText(CCellId cell, const std::string& data)
{
    CGridPasteResult result;
    if (!IsValid(cell) || !IsCellEditable(cell.row, cell.col))
        return result;
    const std::vector<std::vector<std::string>> lines = CGridExchangeText::Read(data);
    for (size_t i = 0; i < lines.size(); ++i)
        for (size_t j = 0; j < lines[i].size(); ++j) {
            const int row = cell.row + int(i), col = cell.col + int(j);
            if (!IsValid(row, col)) {
                ++result.outside;
                continue;
            }
            // Paste and drop never write into a read-only or a heading cell.
            if (!IsCellEditable(row, col) || IsCellFixed(row, col)) {
                ++result.readOnly;
                continue;
            }
            if (m_pWindow)
                m_pWindow->NotifyOwner(row, col, GVN_BEGINLABELEDIT);
            SetItemText(row, col, lines[i][j]);
            MarkModified(true, row, col);
            if (m_pWindow)
                m_pWindow->NotifyOwner(row, col, GVN_ENDLABELEDIT);
            SetItemState(row, col, GetItemState(row, col) & ~GVIS_SELECTED);
            if (m_bOwnDragRunning)
                m_DropWrittenDuringDrag.insert({row, col});
            ++result.written;
        }
    if (m_pWindow)
        m_pWindow->InvalidateAll();
    result.done = true;
    ReportPasteResult(result);
    return result;
}

// Cells that could not be placed are never dropped silently.
void CGridCtrl::ReportPasteResult(const CGridPasteResult& result) const
{
    if (result.NotPlaced() == 0)
        return;
    AfxMessageBox(std::to_string(result.NotPlaced()) +
                      " of the pasted cells could not be placed: they fall outside the grid or on read-only cells.",
                  MB_OK | MB_ICONEXCLAMATION);
}

bool CGridCtrl::CanCopy() const { return IsValid(GetSelectionBounds()); }

bool CGridCtrl::CanCut() const { return CanCopy() && m_bEditEnabled; }

bool CGridCtrl::CanPaste() const
{
    return IsValid(m_idCurrentCell) && IsCellEditable(m_idCurrentCell.row, m_idCurrentCell.col) && m_pWindow &&
           m_pWindow->ClipboardHasText();
}

// --- Drag and drop --------------------------------------------------------------------------------

void CGridCtrl::StartDrag()
{
    if (!m_bDragDropEnabled || !m_pWindow)
        return;
    bool any = false;
    const std::string text = CopyTextFromGrid(&any);
    if (!any)
        return;
    const CCellRange range = GetSelectionBounds();
    m_pWindow->NotifyOwner(range.minRow, range.minCol, GVN_BEGINDRAG);
    m_MouseMode = EGridMouseMode::Dragging;
    m_DropWrittenDuringDrag.clear();
    m_bOwnDragRunning = true;
    const int effect = m_pWindow->DoDragDrop(text);
    m_bOwnDragRunning = false;
    if (effect & DROPEFFECT_MOVE)
        ClearSelectedCells();
    m_DropWrittenDuringDrag.clear();
    if (m_MouseMode == EGridMouseMode::Dragging)
        m_MouseMode = EGridMouseMode::Nothing;
}

int CGridCtrl::OnDragEnter(bool offersText, bool ctrl, CGridPoint point)
{
    if (!m_bDragDropEnabled || !offersText)
        return DROPEFFECT_NONE;
    const CCellId cell = HitTestCell(point, false);
    m_LastDragOverCell = cell;
    if (!IsValid(cell) || !IsCellEditable(cell.row, cell.col))
        return DROPEFFECT_NONE;
    SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) | GVIS_DROPHILITED);
    RepaintCell(cell.row, cell.col);
    return DropEffect(ctrl);
}

int CGridCtrl::OnDragOver(bool offersText, bool ctrl, CGridPoint point)
{
    if (!m_bDragDropEnabled || !m_bEditEnabled || !offersText)
        return DROPEFFECT_NONE;
    const CCellId cell = HitTestCell(point, false);
    if (!IsValid(cell)) {
        OnDragLeave();
        m_LastDragOverCell = {};
        return DROPEFFECT_NONE;
    }
    if (!IsCellEditable(cell.row, cell.col))
        return DROPEFFECT_NONE;
    if (cell != m_LastDragOverCell) {
        const CCellId old = m_LastDragOverCell;
        if (IsValid(old)) {
            SetItemState(old.row, old.col, GetItemState(old.row, old.col) & ~GVIS_DROPHILITED);
            RepaintCell(old.row, old.col);
        }
        m_LastDragOverCell = cell;
        SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) | GVIS_DROPHILITED);
        RepaintCell(cell.row, cell.col);
    }
    return DropEffect(ctrl);
}

void CGridCtrl::OnDragLeave()
{
    const CCellId cell = m_LastDragOverCell;
    if (!IsValid(cell))
        return;
    SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) & ~GVIS_DROPHILITED);
    RepaintCell(cell.row, cell.col);
}

bool CGridCtrl::OnDrop(const std::string& data)
{
    const CCellId cell = m_LastDragOverCell;
    if (!m_bDragDropEnabled || !IsValid(cell) || !IsCellEditable(cell.row, cell.col))
        return false;
    m_MouseMode = EGridMouseMode::Nothing;
    OnDragLeave();
    return PasteFromText(cell, data).done;
}
