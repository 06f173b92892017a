// The grid's cells, counts, fonts, colours and sizes.
#include "sheets/GridCtrl.h"

#include <algorithm>

namespace {

// The system colours a new grid starts from, until its window reads the real ones.
constexpr unsigned kSysWindowText = GridRgb(0, 0, 0);
constexpr unsigned kSysWindow = GridRgb(255, 255, 255);
constexpr unsigned kSys3dFace = GridRgb(240, 240, 240);
constexpr unsigned kSys3dShadow = GridRgb(160, 160, 160);

}  // namespace

CGridCtrl::CGridCtrl(int nRows, int nCols, int nFixedRows, int nFixedCols)
    : m_crCellText(kSysWindowText),
      m_crCellBack(kSysWindow),
      m_crGridBack(kSys3dShadow),
      m_crFixedText(kSysWindowText),
      m_crFixedBack(kSys3dFace),
      m_crSysWindowText(kSysWindowText),
      m_crSysWindow(kSysWindow),
      m_crSys3dFace(kSys3dFace),
      m_crSys3dShadow(kSys3dShadow)
{
    SetRowCount(nRows);
    SetColumnCount(nCols);
    SetFixedRowCount(nFixedRows);
    SetFixedColumnCount(nFixedCols);
}

CGridCtrl::~CGridCtrl() = default;

void CGridCtrl::AttachWindow(IGridWindow* window) { m_pWindow = window; }

void CGridCtrl::OnCreate()
{
    std::fill(m_arRowHeights.begin(), m_arRowHeights.end(), m_nDefCellHeight);
    std::fill(m_arColWidths.begin(), m_arColWidths.end(), m_nDefCellWidth);
    ResetScrollBars();
}

void CGridCtrl::SetGridFont(const CGridFont& font, int spaceWidth, int lineHeight, int averageCharWidth)
{
    m_Logfont = font;
    for (auto& row : m_RowData)
        for (auto& cell : row)
            cell->m_font = font;
    m_nMargin = spaceWidth;
    m_nLineHeight = lineHeight;
    m_nDefCellHeight = lineHeight + 2 * m_nMargin;
    m_nDefCellWidth = 12 * averageCharWidth + 2 * m_nMargin;
    if (m_pWindow)
        m_pWindow->InvalidateAll();
}

void CGridCtrl::OnSysColorChange(unsigned windowText, unsigned window, unsigned face3d, unsigned shadow3d)
{
    // A colour the owner has changed keeps its value.
    if (m_crCellText == m_crSysWindowText)
        m_crCellText = windowText;
    if (m_crFixedText == m_crSysWindowText)
        m_crFixedText = windowText;
    if (m_crCellBack == m_crSysWindow)
        m_crCellBack = window;
    if (m_crGridBack == m_crSys3dShadow)
        m_crGridBack = shadow3d;
    if (m_crFixedBack == m_crSys3dFace)
        m_crFixedBack = face3d;
    m_crSysWindowText = windowText;
    m_crSysWindow = window;
    m_crSys3dFace = face3d;
    m_crSys3dShadow = shadow3d;
}

// --- Counts -------------------------------------------------------------------------------------

std::unique_ptr<CGridCell> CGridCtrl::CreateCell(int nRow, int nCol) const
{
    auto cell = std::make_unique<CGridCell>();
    // A column's format carries down into new rows.
    if (nRow > 0 && nCol >= 0 && nCol < m_nCols && nRow - 1 < int(m_RowData.size()))
        cell->m_nFormat = m_RowData[size_t(nRow - 1)][size_t(nCol)]->m_nFormat;
    cell->m_font = m_Logfont;
    return cell;
}

void CGridCtrl::ClearCell(int nRow, int nCol)
{
    SetItemState(nRow, nCol, 0);
    if (CGridCell* cell = Cell(nRow, nCol))
        cell->m_strText.clear();
}

bool CGridCtrl::SetRowCount(int nRows)
{
    if (nRows < 0)
        return false;
    if (nRows == m_nRows)
        return true;
    if (m_nFixedRows > nRows)
        m_nFixedRows = nRows;
    if (m_idCurrentCell.row >= nRows)
        SetFocusCell(-1, -1);
    for (int r = nRows; r < m_nRows; ++r)
        for (int c = 0; c < m_nCols; ++c)
            ClearCell(r, c);
    const int oldRows = m_nRows;
    m_RowData.resize(size_t(nRows));
    m_arRowHeights.resize(size_t(nRows), m_nDefCellHeight);
    m_nRows = nRows;
    for (int r = oldRows; r < nRows; ++r) {
        auto& row = m_RowData[size_t(r)];
        for (int c = 0; c < m_nCols; ++c)
            row.push_back(CreateCell(r, c));
    }
    if (m_pWindow && m_bDrawEnabled) {
        ResetScrollBars();
        m_pWindow->InvalidateAll();
    }
    return true;
}

bool CGridCtrl::SetColumnCount(int nCols)
{
    if (nCols < 0)
        return false;
    if (nCols == m_nCols)
        return true;
    if (m_nFixedCols > nCols)
        m_nFixedCols = nCols;
    if (m_idCurrentCell.col >= nCols)
        SetFocusCell(-1, -1);
    for (int r = 0; r < m_nRows; ++r)
        for (int c = nCols; c < m_nCols; ++c)
            ClearCell(r, c);
    const int oldCols = m_nCols;
    m_arColWidths.resize(size_t(nCols), m_nDefCellWidth);
    m_nCols = nCols;
    for (int r = 0; r < m_nRows; ++r) {
        auto& row = m_RowData[size_t(r)];
        row.resize(size_t(std::min(oldCols, nCols)));
        for (int c = oldCols; c < nCols; ++c)
            row.push_back(CreateCell(r, c));
    }
    if (m_pWindow && m_bDrawEnabled) {
        ResetScrollBars();
        m_pWindow->InvalidateAll();
    }
    return true;
}

bool CGridCtrl::SetFixedRowCount(int nFixedRows)
{
    if (nFixedRows < 0)
        return false;
    if (nFixedRows > m_nRows && !SetRowCount(nFixedRows))
        return false;
    if (m_idCurrentCell.row >= 0 && m_idCurrentCell.row < nFixedRows)
        SetFocusCell(-1, -1);
    m_nFixedRows = nFixedRows;
    if (m_pWindow && m_bDrawEnabled)
        m_pWindow->InvalidateAll();
    return true;
}

bool CGridCtrl::SetFixedColumnCount(int nFixedCols)
{
    if (nFixedCols < 0)
        return false;
    if (nFixedCols > m_nCols && !SetColumnCount(nFixedCols))
        return false;
    if (m_idCurrentCell.col >= 0 && m_idCurrentCell.col < nFixedCols)
        SetFocusCell(-1, -1);
    m_nFixedCols = nFixedCols;
    if (m_pWindow && m_bDrawEnabled)
        m_pWindow->InvalidateAll();
    return true;
}

int CGridCtrl::InsertRow(const std::string& heading, int nRow)
{
    if (nRow >= 0 && nRow >= m_nRows)
        return -1;
    ClearSelection();
    if (m_nCols == 0)
        SetColumnCount(1);
    if (nRow < 0)
        nRow = m_nRows;
    m_RowData.insert(m_RowData.begin() + nRow, std::vector<std::unique_ptr<CGridCell>>());
    m_arRowHeights.insert(m_arRowHeights.begin() + nRow, 0);
    ++m_nRows;
    auto& row = m_RowData[size_t(nRow)];
    for (int c = 0; c < m_nCols; ++c)
        row.push_back(CreateCell(nRow, c));
    row[0]->m_strText = heading;
    m_arRowHeights[size_t(nRow)] = MeasureText(heading, true).cy;
    ResetScrollBars();
    return nRow;
}

bool CGridCtrl::DeleteRow(int nRow)
{
    if (nRow < 0 || nRow >= m_nRows)
        return false;
    ClearSelection();
    for (int c = 0; c < m_nCols; ++c)
        ClearCell(nRow, c);
    m_RowData.erase(m_RowData.begin() + nRow);
    m_arRowHeights.erase(m_arRowHeights.begin() + nRow);
    --m_nRows;
    if (nRow < m_nFixedRows)
        --m_nFixedRows;
    ResetScrollBars();
    return true;
}

bool CGridCtrl::DeleteAllCells()
{
    ClearSelection();
    m_arRowHeights.clear();
    m_arColWidths.clear();
    m_RowData.clear();
    m_SelectedCells.clear();
    m_PrevSelectedCells.clear();
    m_nRows = m_nCols = m_nFixedRows = m_nFixedCols = 0;
    ResetScrollBars();
    return true;
}

// --- Cells --------------------------------------------------------------------------------------

CGridCell* CGridCtrl::Cell(int nRow, int nCol)
{
    if (nRow < 0 || nRow >= m_nRows || nCol < 0 || nCol >= m_nCols)
        return nullptr;
    return m_RowData[size_t(nRow)][size_t(nCol)].get();
}

const CGridCell* CGridCtrl::GetCell(int nRow, int nCol) const { return const_cast<CGridCtrl*>(this)->Cell(nRow, nCol); }

bool CGridCtrl::SetItem(const GRID_ITEM& item)
{
    CGridCell* cell = Cell(item.row, item.col);
    if (!cell)
        return false;
    if (item.mask & GVIF_TEXT)
        cell->m_strText = item.szText;
    if (item.mask & GVIF_PARAM)
        cell->m_lParam = item.lParam;
    if (item.mask & GVIF_IMAGE)
        cell->m_nImage = item.iImage;
    if (item.mask & GVIF_STATE)
        cell->m_nState = item.state;   // straight into the cell: the selected set is not touched
    if (item.mask & GVIF_FORMAT)
        cell->m_nFormat = item.nFormat;
    if (item.mask & GVIF_BKCLR)
        cell->m_crBkClr = item.crBkClr;
    if (item.mask & GVIF_FGCLR)
        cell->m_crFgClr = item.crFgClr;
    if (item.mask & GVIF_FONT)
        cell->m_font = item.lfFont;
    return true;
}

bool CGridCtrl::GetItem(GRID_ITEM& item) const
{
    const CGridCell* cell = GetCell(item.row, item.col);
    if (!cell)
        return false;
    if (item.mask & GVIF_TEXT)
        item.szText = GetItemText(item.row, item.col);
    if (item.mask & GVIF_PARAM)
        item.lParam = cell->m_lParam;
    if (item.mask & GVIF_IMAGE)
        item.iImage = cell->m_nImage;
    if (item.mask & GVIF_STATE)
        item.state = cell->m_nState;
    if (item.mask & GVIF_FORMAT)
        item.nFormat = cell->m_nFormat;
    if (item.mask & GVIF_BKCLR)
        item.crBkClr = cell->m_crBkClr;
    if (item.mask & GVIF_FGCLR)
        item.crFgClr = cell->m_crFgClr;
    if (item.mask & GVIF_FONT)
        item.lfFont = cell->m_font;
    return true;
}

bool CGridCtrl::SetItemText(int nRow, int nCol, const std::string& text)
{
    CGridCell* cell = Cell(nRow, nCol);
    if (!cell)
        return false;
    cell->m_strText = text;
    return true;
}

std::string CGridCtrl::GetItemText(int nRow, int nCol) const
{
    const CGridCell* cell = GetCell(nRow, nCol);
    return cell ? cell->m_strText : std::string();
}

bool CGridCtrl::SetItemState(int nRow, int nCol, unsigned state)
{
    CGridCell* cell = Cell(nRow, nCol);
    if (!cell)
        return false;
    // The selected set follows the selected bit.
    if ((cell->m_nState & GVIS_SELECTED) && !(state & GVIS_SELECTED))
        m_SelectedCells.erase({nRow, nCol});
    else if (!(cell->m_nState & GVIS_SELECTED) && (state & GVIS_SELECTED))
        m_SelectedCells.insert({nRow, nCol});
    cell->m_nState = state;
    return true;
}

unsigned CGridCtrl::GetItemState(int nRow, int nCol) const
{
    const CGridCell* cell = GetCell(nRow, nCol);
    return cell ? cell->m_nState : 0;
}

unsigned CGridCtrl::GetItemFormat(int nRow, int nCol) const
{
    const CGridCell* cell = GetCell(nRow, nCol);
    return cell ? cell->m_nFormat : 0;
}

int CGridCtrl::GetItemImage(int nRow, int nCol) const
{
    const CGridCell* cell = GetCell(nRow, nCol);
    return cell ? cell->m_nImage : -1;
}

bool CGridCtrl::SetItemFont(int nRow, int nCol, const CGridFont& font)
{
    CGridCell* cell = Cell(nRow, nCol);
    if (!cell)
        return false;
    cell->m_font = font;
    return true;
}

CGridFont CGridCtrl::GetItemFont(int nRow, int nCol) const
{
    const CGridCell* cell = GetCell(nRow, nCol);
    return cell ? cell->m_font : m_Logfont;
}

void CGridCtrl::SetItemAttributes(int nRow, int nCol, const CSeriesTarget& target)
{
    if (CGridCell* cell = Cell(nRow, nCol))
        cell->m_target = target;
}

void CGridCtrl::MarkModified(bool modified, int nRow, int nCol)
{
    if (nRow > 0 && nCol > 0) {
        if (CGridCell* cell = Cell(nRow, nCol)) {
            if (modified) {
                cell->m_nState |= GVIS_MODIFIED;
                m_bUserChanged = true;
            } else {
                cell->m_nState &= ~GVIS_MODIFIED;
            }
        }
    } else {
        m_bUserChanged = modified;
    }
    if (!m_bUserChanged)
        for (auto& row : m_RowData)
            for (auto& cell : row)
                cell->m_nState &= ~GVIS_MODIFIED;
}

// --- Sizes --------------------------------------------------------------------------------------

int CGridCtrl::GetRowHeight(int nRow) const
{
    return nRow < 0 || nRow >= m_nRows ? -1 : m_arRowHeights[size_t(nRow)];
}

int CGridCtrl::GetColumnWidth(int nCol) const
{
    return nCol < 0 || nCol >= m_nCols ? -1 : m_arColWidths[size_t(nCol)];
}

bool CGridCtrl::SetRowHeight(int nRow, int height)
{
    if (nRow < 0 || nRow >= m_nRows || height < 0)
        return false;
    m_arRowHeights[size_t(nRow)] = height;
    return true;
}

bool CGridCtrl::SetColumnWidth(int nCol, int width)
{
    if (nCol < 0 || nCol >= m_nCols || width < 0)
        return false;
    m_arColWidths[size_t(nCol)] = width;
    return true;
}

int CGridCtrl::GetFixedRowHeight() const
{
    int height = 0;
    for (int r = 0; r < m_nFixedRows; ++r)
        height += m_arRowHeights[size_t(r)];
    return height;
}

int CGridCtrl::GetFixedColumnWidth() const
{
    int width = 0;
    for (int c = 0; c < m_nFixedCols; ++c)
        width += m_arColWidths[size_t(c)];
    return width;
}

int CGridCtrl::GetTotalHeight() const
{
    int height = 0;
    for (int h : m_arRowHeights)
        height += h;
    return height;
}

int CGridCtrl::GetTotalWidth() const
{
    int width = 0;
    for (int w : m_arColWidths)
        width += w;
    return width;
}

CGridSize CGridCtrl::MeasureText(const std::string& text, bool semibold) const
{
    CGridFont font = m_Logfont;
    if (semibold)
        font.weight = 600;
    const CGridTextExtent extent = m_pWindow ? m_pWindow->MeasureText(text, font) : CGridTextExtent{0, m_nLineHeight};
    return {extent.cx + 2 * m_nMargin, extent.cy + 2 * m_nMargin};
}

CGridSize CGridCtrl::GetCellExtent(int nRow, int nCol) const
{
    const CGridCell* cell = GetCell(nRow, nCol);
    if (!cell || !m_pWindow)
        return {};
    CGridFont font = cell->m_font;
    if (IsCellFixed(nRow, nCol))
        font.weight = 600;
    const CGridTextExtent extent = m_pWindow->MeasureText(cell->m_strText, font);
    return {extent.cx + 4 * m_nMargin, extent.cy + 2 * m_nMargin};
}

void CGridCtrl::AutoSize()
{
    if (!m_pWindow)
        return;
    std::fill(m_arColWidths.begin(), m_arColWidths.end(), 0);
    std::fill(m_arRowHeights.begin(), m_arRowHeights.end(), 0);
    for (int r = 0; r < m_nRows; ++r)
        for (int c = 0; c < m_nCols; ++c) {
            const CGridSize extent = GetCellExtent(r, c);
            m_arColWidths[size_t(c)] = std::max(m_arColWidths[size_t(c)], extent.cx);
            m_arRowHeights[size_t(r)] = std::max(m_arRowHeights[size_t(r)], extent.cy);
        }
    ResetScrollBars();
    if (m_bDrawEnabled)
        m_pWindow->InvalidateAll();
}

bool CGridCtrl::AutoSizeRow(int nRow)
{
    if (nRow < 0 || nRow >= m_nRows || !m_pWindow)
        return false;
    int height = 0;
    for (int c = 0; c < m_nCols; ++c)
        height = std::max(height, GetCellExtent(nRow, c).cy);
    m_arRowHeights[size_t(nRow)] = height;
    ResetScrollBars();
    return true;
}

bool CGridCtrl::AutoSizeColumn(int nCol)
{
    if (nCol < 0 || nCol >= m_nCols || !m_pWindow)
        return false;
    int width = 0;
    for (int r = 0; r < m_nRows; ++r)
        width = std::max(width, GetCellExtent(r, nCol).cx);
    m_arColWidths[size_t(nCol)] = width;
    ResetScrollBars();
    return true;
}
