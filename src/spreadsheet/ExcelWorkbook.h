#pragma once
// A workbook held in memory, its collection of worksheets and one worksheet: the handles of the
// exchange in the shape of the spreadsheet program's object model (see ExcelRange.h for cells).
// A workbook is read from an ".xlsx" file (Open) or made new (Add, ExcelApplication.h) and written
// back with SaveAs; nothing touches a file in between.

#include "spreadsheet/ExcelRange.h"

#include <memory>
#include <string>

class CWorkbookData;
class CWorksheetData;

class CExcelWorksheet {
public:
    CExcelWorksheet() = default;
    CExcelWorksheet(std::shared_ptr<CWorkbookData> workbook, CWorksheetData* sheet)
        : m_workbook(std::move(workbook)), m_sheet(sheet)
    {
    }
    bool IsValid() const { return m_sheet != nullptr; }
    std::string GetName() const;
    void SetName(const std::string& name);
    // The cells from cell1 to cell2 ("A1", "H2"); an invalid range for a text that is no cell name.
    CExcelRange GetRange(const std::string& cell1, const std::string& cell2) const;
    // The same by row and column (from 0).
    CExcelRange GetCells(int firstRow, int firstColumn, int lastRow, int lastColumn) const;
    CWorksheetData& Data() const { return *m_sheet; }

private:
    std::shared_ptr<CWorkbookData> m_workbook;
    CWorksheetData* m_sheet = nullptr;
};

class CExcelSheets {
public:
    explicit CExcelSheets(std::shared_ptr<CWorkbookData> workbook) : m_workbook(std::move(workbook)) {}
    int GetCount() const;
    // By position from 1, or by name; invalid when there is none.
    CExcelWorksheet GetItem(int position) const;
    CExcelWorksheet GetItem(const std::string& name) const;
    // A new empty worksheet at the end.
    CExcelWorksheet Add(const std::string& name);

private:
    std::shared_ptr<CWorkbookData> m_workbook;
};

class CExcelWorkbook {
public:
    // An empty workbook (no worksheet).
    CExcelWorkbook();
    // Reads the ".xlsx" file; false with ErrorText when it is no readable workbook.
    bool Open(const std::string& path);
    // Writes the workbook to path as it stands (the caller puts the file in place); scratchFolder
    // takes the writer's own temporary files. False with ErrorText.
    bool SaveAs(const std::string& path, const std::string& scratchFolder);
    CExcelSheets GetWorksheets() const { return CExcelSheets(m_data); }
    const std::string& ErrorText() const { return m_strError; }
    const CWorkbookData& Data() const { return *m_data; }

private:
    std::shared_ptr<CWorkbookData> m_data;
    std::string m_strError;
};
