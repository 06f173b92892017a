#pragma once
// A rectangle of cells of a worksheet held in memory, and the font, interior and borders of such a
// rectangle: the handles through which the exchange writes and reads cells, in the shape of the
// spreadsheet program's own object model. A handle refers to its workbook's data and stays valid
// as long as any handle of that workbook exists.
//
// Setting the font, the interior colour, the borders or the wrapping changes the format of every
// cell of the range (a blank cell gets a formatted blank); formats are shared through the
// workbook's format table.

#include <cstdint>
#include <memory>
#include <string>

class CWorkbookData;
class CWorksheetData;
struct CCellStyle;

class CExcelRange {
public:
    // Whole columns: the rows of the range run to the sheet's last row.
    static constexpr int kAllRows = -1;

    CExcelRange() = default;
    CExcelRange(std::shared_ptr<CWorkbookData> workbook, CWorksheetData* sheet, int firstRow, int firstColumn,
                int lastRow, int lastColumn);

    bool IsValid() const { return m_sheet != nullptr; }
    // The text of the range's first cell ("" for a cell never written).
    std::string GetValue() const;
    // Every cell of the range takes the text.
    void SetValue(const std::string& text);

    class CExcelFont GetFont() const;
    class CExcelInterior GetInterior() const;
    class CExcelBorders GetBorders() const;
    // The columns of the range, all rows.
    CExcelRange GetEntireColumn() const;
    // The same first cell and rows, columns many columns.
    CExcelRange GetResize(int columns) const;
    // Each column of the range gets the width its longest text needs; a column without text goes
    // back to the default width.
    void AutoFit();
    void SetColumnWidth(double width);
    void SetRowHeight(double height);
    void SetWrapText(bool wrap);

    // Reading back what was set (the range's first cell, row and column).
    const CCellStyle& GetStyle() const;
    // -1 when the column or row keeps the default.
    double GetColumnWidth() const;
    double GetRowHeight() const;

    int FirstRow() const { return m_firstRow; }
    int FirstColumn() const { return m_firstColumn; }
    int LastRow() const;
    int LastColumn() const { return m_lastColumn; }

    // Changes the format of every cell of the range.
    template <class Change>
    void ChangeStyle(Change change);

private:
    void ChangeStyleBy(void (*apply)(CCellStyle&, const void*), const void* argument);

    std::shared_ptr<CWorkbookData> m_workbook;
    CWorksheetData* m_sheet = nullptr;
    int m_firstRow = 0, m_firstColumn = 0, m_lastRow = 0, m_lastColumn = 0;
};

class CExcelFont {
public:
    explicit CExcelFont(CExcelRange range) : m_range(std::move(range)) {}
    void SetName(const std::string& name);
    void SetSize(double size);
    void SetBold(bool bold);

private:
    CExcelRange m_range;
};

class CExcelInterior {
public:
    explicit CExcelInterior(CExcelRange range) : m_range(std::move(range)) {}
    // A colour of the standard palette (1..56); any other index removes the fill.
    void SetColorIndex(int index);

private:
    CExcelRange m_range;
};

class CExcelBorders {
public:
    explicit CExcelBorders(CExcelRange range) : m_range(std::move(range)) {}
    // The four edges of every cell: 1 hairline, 2 thin, -4138 medium, 4 thick, 0 none.
    void SetWeight(int weight);

private:
    CExcelRange m_range;
};

// "B7" -> row 6, column 1 (from 0); false for a text that is no cell name.
bool ParseCellName(const std::string& name, int& row, int& column);
// Row and column from 0 -> "B7"; columns go on past "ZZ" ("AAA").
std::string MakeCellName(int row, int column);
// Column from 0 -> its letters.
std::string ColumnLetters(int column);

template <class Change>
void CExcelRange::ChangeStyle(Change change)
{
    ChangeStyleBy([](CCellStyle& style, const void* argument) { (*static_cast<const Change*>(argument))(style); },
                  &change);
}
