#pragma once
// The contents of a workbook held in memory: its worksheets in order, each with its cells (text and
// a shared format), row heights and column widths. The workbook wrappers (ExcelRange.h and its
// neighbours) edit it; CXlsxWriter writes it as an ".xlsx" file in one pass and CXlsxReader fills
// it from one. Rows and columns count from 0 here; cell names ("B7") are the wrappers' business.
//
// A device of 40 z-segments with 20 columns of 500 layers makes about three million cells, most of
// them formatted blanks inside the colour bands: a cell is a short text and the number of a format
// in the workbook's format table, so equal formats are stored once.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

// The look of a cell. Colours are 0xRRGGBB; kNoFill leaves the cell unfilled.
struct CCellStyle {
    static constexpr std::int32_t kNoFill = -1;
    static constexpr int kNoBorder = 0;

    std::string m_strFontName;   // "" for the workbook's default font
    double m_dFontSize = 0.0;    // 0 for the default size
    bool m_bBold = false;
    bool m_bWrapText = false;
    std::int32_t m_nFillRgb = kNoFill;
    int m_nBorderWeight = kNoBorder;  // the spreadsheet's weights: 1 hairline, 2 thin, -4138 medium, 4 thick

    bool operator<(const CCellStyle& other) const;
    bool operator==(const CCellStyle& other) const { return !(*this < other) && !(other < *this); }
};

// Every distinct format of a workbook, numbered from 0 (format 0 is the default look).
class CStyleTable {
public:
    CStyleTable();
    int Intern(const CCellStyle& style);
    const CCellStyle& Get(int id) const { return m_styles[static_cast<std::size_t>(id)]; }
    int Count() const { return static_cast<int>(m_styles.size()); }

private:
    std::vector<CCellStyle> m_styles;
    std::map<CCellStyle, int> m_ids;
};

struct CCellData {
    std::string m_strText;
    int m_nStyle = 0;
    bool m_bHasValue = false;  // a value was written (an empty text too); false for a formatted blank
};

class CWorksheetData {
public:
    std::string m_strName;
    std::map<int, double> m_RowHeights;    // points; rows not listed have the default height
    std::map<int, double> m_ColumnWidths;  // characters; columns not listed have the default width

    // The cell, created (empty, default format) when it does not exist yet.
    CCellData& Cell(int row, int column);
    // The cell, or nullptr when nothing was ever written to it.
    const CCellData* FindCell(int row, int column) const;
    // One past the last row and column that hold a cell (0 for an empty sheet).
    int RowCount() const { return static_cast<int>(m_rows.size()); }
    int ColumnCount() const;
    // The cells of one row, indexed by column; shorter than the sheet is wide.
    const std::vector<CCellData>& RowCells(int row) const { return m_rows[static_cast<std::size_t>(row)]; }
    // The cells that exist, in row and then column order.
    std::size_t CellCount() const;

private:
    std::vector<std::vector<CCellData>> m_rows;
};

class CWorkbookData {
public:
    CStyleTable m_Styles;
    std::vector<std::unique_ptr<CWorksheetData>> m_Sheets;

    CWorksheetData& AddSheet(const std::string& name);
    // The sheet of that name (exact), nullptr when there is none.
    CWorksheetData* FindSheet(const std::string& name);
    int SheetCount() const { return static_cast<int>(m_Sheets.size()); }
};
