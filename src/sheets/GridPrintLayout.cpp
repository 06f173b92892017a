#include "sheets/GridPrintLayout.h"

#include "sheets/GridCtrl.h"

CGridPrintLayout::CGridPrintLayout(const CGridCtrl& grid, const CGridPrintMetrics& metrics)
    : m_nRows(grid.GetRowCount())
{
    m_nPageWidth = grid.GetTotalWidth() + 8 * metrics.charWidth;
    m_nPageHeight = metrics.horzRes > 0 ? int(static_cast<long long>(m_nPageWidth) * metrics.vertRes / metrics.horzRes) : 0;
    m_nUsableHeight = m_nPageHeight - 6 * metrics.charHeight - grid.GetFixedRowHeight();
    if (grid.GetFixedRowCount() >= m_nRows)
        return;
    // A row that does not fit starts the next page; a row taller than a page gets a page of its own.
    m_firstRows.push_back(grid.GetFixedRowCount());
    int height = 0;
    for (int r = grid.GetFixedRowCount(); r < m_nRows; ++r) {
        height += grid.GetRowHeight(r);
        if (height > m_nUsableHeight && r > m_firstRows.back()) {
            m_firstRows.push_back(r);
            height = grid.GetRowHeight(r);
        }
    }
}

int CGridPrintLayout::FirstRow(int page) const
{
    return page >= 1 && page <= PageCount() ? m_firstRows[size_t(page - 1)] : m_nRows;
}

int CGridPrintLayout::EndRow(int page) const
{
    return page >= 1 && page < PageCount() ? m_firstRows[size_t(page)] : m_nRows;
}
