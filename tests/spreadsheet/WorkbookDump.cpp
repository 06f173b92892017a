#include "WorkbookDump.h"

#include "platform/NumberText.h"
#include "spreadsheet/ExcelRange.h"
#include "spreadsheet/WorkbookData.h"

namespace {

std::string FormatText(const CCellStyle& style)
{
    std::string text = style.m_strFontName + " " + StrFormat("%g", style.m_dFontSize);
    if (style.m_bBold)
        text += " bold";
    if (style.m_bWrapText)
        text += " wrap";
    if (style.m_nFillRgb != CCellStyle::kNoFill)
        text += StrFormat(" fill=%06X", static_cast<unsigned>(style.m_nFillRgb));
    if (style.m_nBorderWeight != CCellStyle::kNoBorder)
        text += StrFormat(" border=%d", style.m_nBorderWeight);
    return text;
}

}  // namespace

std::string DumpWorkbook(const CWorkbookData& workbook)
{
    std::string out;
    for (const auto& sheet : workbook.m_Sheets) {
        out += "== " + sheet->m_strName + "\n";
        for (const auto& [column, width] : sheet->m_ColumnWidths)
            out += "width " + ColumnLetters(column) + " " + StrFormat("%g", width) + "\n";
        for (const auto& [row, height] : sheet->m_RowHeights)
            out += "height " + std::to_string(row + 1) + " " + StrFormat("%g", height) + "\n";
        for (int r = 0; r < sheet->RowCount(); ++r)
            for (int c = 0; c < static_cast<int>(sheet->RowCells(r).size()); ++c) {
                const CCellData* cell = sheet->FindCell(r, c);
                if (!cell)
                    continue;
                out += MakeCellName(r, c) + " [" + FormatText(workbook.m_Styles.Get(cell->m_nStyle)) + "]";
                if (cell->m_bHasValue)
                    out += " \"" + cell->m_strText + "\"";
                out += "\n";
            }
    }
    return out;
}
