#include "spreadsheet/XlsxWriter.h"

#include "spreadsheet/WorkbookData.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <vector>

namespace {

uint8_t BorderOfWeight(int weight)
{
    switch (weight) {
    case 1: return LXW_BORDER_HAIR;
    case 2: return LXW_BORDER_THIN;
    case -4138: return LXW_BORDER_MEDIUM;
    case 4: return LXW_BORDER_THICK;
    default: return LXW_BORDER_NONE;
    }
}

// The library's formats of one workbook, made when a style is first used (the default style has
// none: the library writes its own default).
class CFormatCache {
public:
    CFormatCache(lxw_workbook* workbook, const CStyleTable& styles)
        : m_workbook(workbook), m_styles(styles), m_formats(static_cast<std::size_t>(styles.Count()), nullptr)
    {
    }
    lxw_format* Get(int id)
    {
        if (id <= 0 || id >= m_styles.Count())
            return nullptr;
        lxw_format*& format = m_formats[static_cast<std::size_t>(id)];
        if (!format)
            format = Make(m_styles.Get(id));
        return format;
    }

private:
    lxw_format* Make(const CCellStyle& style)
    {
        lxw_format* format = workbook_add_format(m_workbook);
        if (!format)
            return nullptr;
        if (!style.m_strFontName.empty())
            format_set_font_name(format, style.m_strFontName.c_str());
        if (style.m_dFontSize > 0.0)
            format_set_font_size(format, style.m_dFontSize);
        if (style.m_bBold)
            format_set_bold(format);
        if (style.m_bWrapText)
            format_set_text_wrap(format);
        if (style.m_nFillRgb != CCellStyle::kNoFill) {
            format_set_pattern(format, LXW_PATTERN_SOLID);
            format_set_bg_color(format, static_cast<lxw_color_t>(style.m_nFillRgb));
        }
        if (style.m_nBorderWeight != CCellStyle::kNoBorder)
            format_set_border(format, BorderOfWeight(style.m_nBorderWeight));
        return format;
    }

    lxw_workbook* m_workbook;
    const CStyleTable& m_styles;
    std::vector<lxw_format*> m_formats;
};

bool IsHex(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// The file format reads "_xHHHH_" as an escaped character: a text that holds one literally has its
// "_" escaped ("_x005F_"), so it reads back as written.
std::string EscapeLiteralEscapes(const std::string& text)
{
    if (text.find("_x") == std::string::npos)
        return text;
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "_x") == 0 && i + 7 <= text.size() && text[i + 6] == '_' && IsHex(text[i + 2]) &&
            IsHex(text[i + 3]) && IsHex(text[i + 4]) && IsHex(text[i + 5]))
            out += "_x005F";
        out += text[i];
    }
    return out;
}

std::string CellName(int row, int column)
{
    std::string letters;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
    return letters + std::to_string(row + 1);
}

}  // namespace

bool CXlsxWriter::Write(const CWorkbookData& workbook, const std::string& path, const std::string& scratchFolder)
{
    m_strError.clear();
    std::string tmpdir = scratchFolder;
    lxw_workbook_options options = {};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = tmpdir.empty() ? nullptr : tmpdir.data();
    lxw_workbook* book = workbook_new_opt(path.c_str(), &options);
    if (!book) {
        m_strError = "The workbook could not be created.";
        return false;
    }
    CFormatCache formats(book, workbook.m_Styles);
    auto fail = [&](const std::string& text) {
        if (m_strError.empty())
            m_strError = text;
        return false;
    };
    bool ok = true;
    for (const auto& sheetPtr : workbook.m_Sheets) {
        if (!ok)
            break;
        const CWorksheetData& sheet = *sheetPtr;
        lxw_worksheet* ws = workbook_add_worksheet(book, sheet.m_strName.c_str());
        if (!ws) {
            ok = fail("The worksheet \"" + sheet.m_strName + "\" could not be added.");
            break;
        }
        for (const auto& [column, width] : sheet.m_ColumnWidths) {
            const lxw_error error = worksheet_set_column(ws, static_cast<lxw_col_t>(column),
                                                         static_cast<lxw_col_t>(column), width, nullptr);
            if (error != LXW_NO_ERROR) {
                ok = fail(std::string("Column width: ") + lxw_strerror(error));
                break;
            }
        }
        int lastRow = sheet.RowCount() - 1;
        if (!sheet.m_RowHeights.empty())
            lastRow = std::max(lastRow, sheet.m_RowHeights.rbegin()->first);
        for (int row = 0; row <= lastRow && ok; ++row) {
            auto height = sheet.m_RowHeights.find(row);
            if (height != sheet.m_RowHeights.end()) {
                const lxw_error error = worksheet_set_row(ws, static_cast<lxw_row_t>(row), height->second, nullptr);
                if (error != LXW_NO_ERROR) {
                    ok = fail(std::string("Row height: ") + lxw_strerror(error));
                    break;
                }
            }
            if (row >= sheet.RowCount())
                continue;
            const std::vector<CCellData>& cells = sheet.RowCells(row);
            for (int column = 0; column < static_cast<int>(cells.size()); ++column) {
                const CCellData& cell = cells[static_cast<std::size_t>(column)];
                if (!cell.m_bHasValue && cell.m_nStyle == 0)
                    continue;
                lxw_format* format = formats.Get(cell.m_nStyle);
                const lxw_row_t r = static_cast<lxw_row_t>(row);
                const lxw_col_t c = static_cast<lxw_col_t>(column);
                const lxw_error error = cell.m_bHasValue && !cell.m_strText.empty()
                                            ? worksheet_write_string(ws, r, c, EscapeLiteralEscapes(cell.m_strText).c_str(), format)
                                            : worksheet_write_blank(ws, r, c, format);
                if (error != LXW_NO_ERROR) {
                    ok = fail(sheet.m_strName + "!" + CellName(row, column) + ": " + lxw_strerror(error));
                    break;
                }
            }
        }
    }
    // The library frees the workbook in any case; a failure to write the file shows here.
    const lxw_error closed = workbook_close(book);
    if (closed != LXW_NO_ERROR)
        ok = fail(lxw_strerror(closed));
    return ok;
}
