#include "spreadsheet/WorkbookData.h"

#include <algorithm>
#include <tuple>

bool CCellStyle::operator<(const CCellStyle& other) const
{
    return std::tie(m_strFontName, m_dFontSize, m_bBold, m_bWrapText, m_nFillRgb, m_nBorderWeight) <
           std::tie(other.m_strFontName, other.m_dFontSize, other.m_bBold, other.m_bWrapText, other.m_nFillRgb,
                    other.m_nBorderWeight);
}

CStyleTable::CStyleTable() { Intern(CCellStyle()); }

int CStyleTable::Intern(const CCellStyle& style)
{
    auto found = m_ids.find(style);
    if (found != m_ids.end())
        return found->second;
    const int id = Count();
    m_styles.push_back(style);
    m_ids.emplace(style, id);
    return id;
}

CCellData& CWorksheetData::Cell(int row, int column)
{
    if (static_cast<int>(m_rows.size()) <= row)
        m_rows.resize(static_cast<std::size_t>(row) + 1);
    std::vector<CCellData>& cells = m_rows[static_cast<std::size_t>(row)];
    if (static_cast<int>(cells.size()) <= column)
        cells.resize(static_cast<std::size_t>(column) + 1);
    return cells[static_cast<std::size_t>(column)];
}

const CCellData* CWorksheetData::FindCell(int row, int column) const
{
    if (row < 0 || column < 0 || row >= RowCount())
        return nullptr;
    const std::vector<CCellData>& cells = m_rows[static_cast<std::size_t>(row)];
    if (column >= static_cast<int>(cells.size()))
        return nullptr;
    const CCellData& cell = cells[static_cast<std::size_t>(column)];
    return cell.m_bHasValue || cell.m_nStyle != 0 ? &cell : nullptr;
}

int CWorksheetData::ColumnCount() const
{
    std::size_t width = 0;
    for (const std::vector<CCellData>& cells : m_rows)
        width = std::max(width, cells.size());
    return static_cast<int>(width);
}

std::size_t CWorksheetData::CellCount() const
{
    std::size_t count = 0;
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < static_cast<int>(m_rows[static_cast<std::size_t>(r)].size()); ++c)
            if (FindCell(r, c))
                ++count;
    return count;
}

CWorksheetData& CWorkbookData::AddSheet(const std::string& name)
{
    m_Sheets.push_back(std::make_unique<CWorksheetData>());
    m_Sheets.back()->m_strName = name;
    return *m_Sheets.back();
}

CWorksheetData* CWorkbookData::FindSheet(const std::string& name)
{
    for (auto& sheet : m_Sheets)
        if (sheet->m_strName == name)
            return sheet.get();
    return nullptr;
}
