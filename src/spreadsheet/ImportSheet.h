#pragma once
// One worksheet as the import reads it: cell texts by row (from 1), column block and offset, the
// splitting and number tests of the import, and the message that names a cell whose text cannot
// go into a statement ("Sheet2!C14: '0.5 d=9' is not a number"). The import reads the workbook
// held in memory and changes nothing in it.

#include "spreadsheet/ExcelWorkbook.h"

#include <string>
#include <vector>

class CImportSheet {
public:
    CImportSheet() = default;
    explicit CImportSheet(const CExcelWorksheet& sheet) : m_sheet(sheet) {}

    // The cell's text with blanks trimmed; "" for an empty cell or a row beyond the sheet.
    std::string Read(int row, int block, int offset) const;
    // The cell's text as the workbook holds it, blanks included.
    std::string ReadRaw(int row, int block, int offset) const;
    // One past the last row (from 1) that holds a cell: the searches of the import end there.
    int EndRow() const;
    std::string Name() const { return m_sheet.IsValid() ? m_sheet.GetName() : std::string(); }
    // "Sheet1!B7".
    std::string CellName(int row, int block, int offset) const;

    // Shows "<cell>: '<text>' <what>" (OK button).
    void Report(int row, int block, int offset, const std::string& text, const std::string& what) const;
    // The text when it reads wholly as a number; otherwise the cell is reported and "" returned.
    std::string CheckedNumber(int row, int block, int offset, const std::string& text) const;
    // The text when it is one name (no blank, no '=', no quote); otherwise reported, "".
    std::string CheckedName(int row, int block, int offset, const std::string& text) const;

    // Splits at the first `separator` into two trimmed parts; false (first the whole text, trimmed,
    // second "") when there is none.
    static bool SplitAt(const std::string& text, char separator, std::string& first, std::string& second);
    // Every part between the separators, trimmed; an empty text gives one empty part.
    static std::vector<std::string> SplitAll(const std::string& text, char separator);
    // The whole text (blanks around it allowed) is one finite number: "1E+18", "-0.1", "1.e-003".
    static bool IsNumberText(const std::string& text);
    static bool IsNameText(const std::string& text);
    // Leading-number readings, 0 when the text starts with none.
    static int LeadingInt(const std::string& text);
    static double LeadingDouble(const std::string& text);

private:
    CExcelWorksheet m_sheet;
};
