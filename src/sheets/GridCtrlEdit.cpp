// In-place editing: the choice lists per column, starting an editor over a cell, taking its text
// back and carrying the edit on to the next cell; the title tip for text that does not fit.
#include "sheets/GridCtrl.h"

void CGridCtrl::SetCellOptions(int nCol, std::vector<std::string> options)
{
    m_arColumnOptions.push_back({nCol, std::move(options)});
}

// A column named more than once uses its first list.
const std::vector<std::string>* CGridCtrl::GetCellOptions(int nCol) const
{
    for (const CChoiceList& list : m_arColumnOptions)
        if (list.col == nCol)
            return &list.options;
    return nullptr;
}

void CGridCtrl::OnEditCell(int nRow, int nCol, int firstChar)
{
    EnsureVisible(nRow, nCol);
    CGridRect rect;
    if (!IsValid(nRow, nCol) || !IsCellEditable(nRow, nCol) || !IsCellVisible(nRow, nCol) ||
        !GetCellRect(nRow, nCol, rect))
        return;
    if (m_pWindow)
        m_pWindow->NotifyOwner(nRow, nCol, GVN_BEGINLABELEDIT);
    const unsigned format = GetItemFormat(nRow, nCol);
    const unsigned alignment = (format & DT_RIGHT) ? DT_RIGHT : (format & DT_CENTER) ? DT_CENTER : DT_LEFT;
    CreateInPlaceEditControl(rect, alignment, nRow, nCol, GetItemText(nRow, nCol), firstChar);
}

void CGridCtrl::CreateInPlaceEditControl(const CGridRect& rect, unsigned alignment, int nRow, int nCol,
                                         const std::string& text, int firstChar)
{
    if (!m_pWindow)
        return;
    CGridEditorRequest request;
    request.rect = rect;
    request.row = nRow;
    request.col = nCol;
    request.text = text;
    request.firstChar = firstChar;
    request.alignment = alignment;
    if (const std::vector<std::string>* options = GetCellOptions(nCol)) {
        request.isList = true;
        request.choices = *options;
    }
    m_pWindow->OpenEditor(request);
}

void CGridCtrl::OnEndInPlaceEditNotify(int nRow, int nCol, const std::string& text, int lastKey, bool shift)
{
    if (!m_pWindow)
        return;
    OnEndInPlaceEdit(nRow, nCol, text);
    InvalidateCell(nRow, nCol);
    m_pWindow->NotifyOwner(nRow, nCol, GVN_ENDLABELEDIT);
    // Tab and the navigation keys carry the edit on to the cell they lead to.
    if (lastKey == VK_TAB || (lastKey >= VK_PRIOR && lastKey <= VK_DOWN)) {
        OnKeyDown(lastKey, shift, false);
        OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, lastKey);
    }
}

void CGridCtrl::OnEndInPlaceEdit(int nRow, int nCol, const std::string& text)
{
    // An unchanged text (an edit ended with Escape) leaves the cell as it was.
    if (GetItemText(nRow, nCol) == text)
        return;
    MarkModified(true, nRow, nCol);
    SetItemText(nRow, nCol, text);
}

bool CGridCtrl::TitleTipAt(CGridPoint point, CGridRect& textRect, std::string& text, CGridRect& hover,
                           CGridFont& font) const
{
    if (!m_pWindow)
        return false;
    const CCellId cell = HitTestCell(point);
    if (!IsValid(cell) || !GetCellTextRect(cell.row, cell.col, textRect) || !GetCellRect(cell.row, cell.col, hover))
        return false;
    if (textRect.IsEmpty())
        return false;
    text = GetItemText(cell.row, cell.col);
    font = GetItemFont(cell.row, cell.col);
    // The tip shows the text with a space each side, when that does not fit the cell.
    const int width = m_pWindow->MeasureText(" " + text + " ", font).cx;
    return textRect.left + width > textRect.right;
}
