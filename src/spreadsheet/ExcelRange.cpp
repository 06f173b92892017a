#include "spreadsheet/ExcelRange.h"

#include "spreadsheet/ExcelPalette.h"
#include "spreadsheet/WorkbookData.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace {

constexpr int kMaxSheetColumns = 16384;
constexpr int kMaxSheetRows = 1048576;
// Characters per point of font size, and the margin, of a fitted column.
constexpr double kDefaultFontSize = 11.0;

std::size_t LongestLine(const std::string& text)
{
    std::size_t longest = 0, length = 0;
    for (unsigned char c : text) {
        if (c == '\n') {
            longest = std::max(longest, length);
            length = 0;
        } else if ((c & 0xC0) != 0x80) {  // one per character, not per byte
            ++length;
        }
    }
    return std::max(longest, length);
}

}  // namespace

bool ParseCellName(const std::string& name, int& row, int& column)
{
    std::size_t i = 0;
    long c = 0, r = 0;
    while (i < name.size() && std::isalpha(static_cast<unsigned char>(name[i]))) {
        c = c * 26 + (std::toupper(static_cast<unsigned char>(name[i])) - 'A' + 1);
        if (c > kMaxSheetColumns)
            return false;
        ++i;
    }
    if (i == 0 || i == name.size())
        return false;
    for (; i < name.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(name[i])))
            return false;
        r = r * 10 + (name[i] - '0');
        if (r > kMaxSheetRows)
            return false;
    }
    if (r < 1)
        return false;
    row = static_cast<int>(r - 1);
    column = static_cast<int>(c - 1);
    return true;
}

std::string ColumnLetters(int column)
{
    std::string letters;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
    return letters;
}

std::string MakeCellName(int row, int column) { return ColumnLetters(column) + std::to_string(row + 1); }

CExcelRange::CExcelRange(std::shared_ptr<CWorkbookData> workbook, CWorksheetData* sheet, int firstRow,
                         int firstColumn, int lastRow, int lastColumn)
    : m_workbook(std::move(workbook)), m_sheet(sheet), m_firstRow(std::min(firstRow, lastRow)),
      m_firstColumn(std::min(firstColumn, lastColumn)), m_lastRow(std::max(firstRow, lastRow)),
      m_lastColumn(std::max(firstColumn, lastColumn))
{
    if (firstRow == kAllRows || lastRow == kAllRows) {
        m_firstRow = 0;
        m_lastRow = kAllRows;
    }
}

int CExcelRange::LastRow() const { return m_lastRow == kAllRows ? m_sheet->RowCount() - 1 : m_lastRow; }

std::string CExcelRange::GetValue() const
{
    const CCellData* cell = m_sheet->FindCell(m_firstRow, m_firstColumn);
    return cell ? cell->m_strText : std::string();
}

void CExcelRange::SetValue(const std::string& text)
{
    for (int r = m_firstRow; r <= LastRow(); ++r)
        for (int c = m_firstColumn; c <= m_lastColumn; ++c) {
            CCellData& cell = m_sheet->Cell(r, c);
            cell.m_strText = text;
            cell.m_bHasValue = true;
        }
}

CExcelFont CExcelRange::GetFont() const { return CExcelFont(*this); }
CExcelInterior CExcelRange::GetInterior() const { return CExcelInterior(*this); }
CExcelBorders CExcelRange::GetBorders() const { return CExcelBorders(*this); }

CExcelRange CExcelRange::GetEntireColumn() const
{
    return CExcelRange(m_workbook, m_sheet, kAllRows, m_firstColumn, kAllRows, m_lastColumn);
}

CExcelRange CExcelRange::GetResize(int columns) const
{
    CExcelRange resized = *this;
    resized.m_lastColumn = m_firstColumn + std::max(columns, 1) - 1;
    return resized;
}

void CExcelRange::ChangeStyleBy(void (*apply)(CCellStyle&, const void*), const void* argument)
{
    CStyleTable& styles = m_workbook->m_Styles;
    std::map<int, int> changed;  // old format -> new format, worked out once per format
    for (int r = m_firstRow; r <= LastRow(); ++r)
        for (int c = m_firstColumn; c <= m_lastColumn; ++c) {
            CCellData& cell = m_sheet->Cell(r, c);
            auto known = changed.find(cell.m_nStyle);
            if (known == changed.end()) {
                CCellStyle style = styles.Get(cell.m_nStyle);
                apply(style, argument);
                known = changed.emplace(cell.m_nStyle, styles.Intern(style)).first;
            }
            cell.m_nStyle = known->second;
        }
}

void CExcelRange::AutoFit()
{
    const CStyleTable& styles = m_workbook->m_Styles;
    for (int c = m_firstColumn; c <= m_lastColumn; ++c) {
        double width = 0.0;
        for (int r = m_firstRow; r <= LastRow(); ++r) {
            const CCellData* cell = m_sheet->FindCell(r, c);
            if (!cell || cell->m_strText.empty())
                continue;
            const CCellStyle& style = styles.Get(cell->m_nStyle);
            const double size = style.m_dFontSize > 0.0 ? style.m_dFontSize : kDefaultFontSize;
            width = std::max(width, double(LongestLine(cell->m_strText)) * size / kDefaultFontSize + 1.0);
        }
        if (width > 0.0)
            m_sheet->m_ColumnWidths[c] = std::min(width, 255.0);
        else
            m_sheet->m_ColumnWidths.erase(c);
    }
}

void CExcelRange::SetColumnWidth(double width)
{
    for (int c = m_firstColumn; c <= m_lastColumn; ++c)
        m_sheet->m_ColumnWidths[c] = width;
}

void CExcelRange::SetRowHeight(double height)
{
    for (int r = m_firstRow; r <= LastRow(); ++r)
        m_sheet->m_RowHeights[r] = height;
}

void CExcelRange::SetWrapText(bool wrap)
{
    ChangeStyle([wrap](CCellStyle& style) { style.m_bWrapText = wrap; });
}

const CCellStyle& CExcelRange::GetStyle() const
{
    const CCellData* cell = m_sheet->FindCell(m_firstRow, m_firstColumn);
    return m_workbook->m_Styles.Get(cell ? cell->m_nStyle : 0);
}

double CExcelRange::GetColumnWidth() const
{
    auto width = m_sheet->m_ColumnWidths.find(m_firstColumn);
    return width == m_sheet->m_ColumnWidths.end() ? -1.0 : width->second;
}

double CExcelRange::GetRowHeight() const
{
    auto height = m_sheet->m_RowHeights.find(m_firstRow);
    return height == m_sheet->m_RowHeights.end() ? -1.0 : height->second;
}

void CExcelFont::SetName(const std::string& name)
{
    m_range.ChangeStyle([&name](CCellStyle& style) { style.m_strFontName = name; });
}

void CExcelFont::SetSize(double size)
{
    m_range.ChangeStyle([size](CCellStyle& style) { style.m_dFontSize = size; });
}

void CExcelFont::SetBold(bool bold)
{
    m_range.ChangeStyle([bold](CCellStyle& style) { style.m_bBold = bold; });
}

void CExcelInterior::SetColorIndex(int index)
{
    const std::int32_t rgb = PaletteColour(index);
    m_range.ChangeStyle([rgb](CCellStyle& style) { style.m_nFillRgb = rgb < 0 ? CCellStyle::kNoFill : rgb; });
}

void CExcelBorders::SetWeight(int weight)
{
    m_range.ChangeStyle([weight](CCellStyle& style) { style.m_nBorderWeight = weight; });
}
