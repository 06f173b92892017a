#include "spreadsheet/ExcelWorkbook.h"

#include "spreadsheet/WorkbookData.h"
#include "spreadsheet/XlsxReader.h"
#include "spreadsheet/XlsxWriter.h"

std::string CExcelWorksheet::GetName() const { return m_sheet->m_strName; }

void CExcelWorksheet::SetName(const std::string& name) { m_sheet->m_strName = name; }

CExcelRange CExcelWorksheet::GetRange(const std::string& cell1, const std::string& cell2) const
{
    int r1 = 0, c1 = 0, r2 = 0, c2 = 0;
    if (!ParseCellName(cell1, r1, c1) || !ParseCellName(cell2, r2, c2))
        return CExcelRange();
    return CExcelRange(m_workbook, m_sheet, r1, c1, r2, c2);
}

CExcelRange CExcelWorksheet::GetCells(int firstRow, int firstColumn, int lastRow, int lastColumn) const
{
    return CExcelRange(m_workbook, m_sheet, firstRow, firstColumn, lastRow, lastColumn);
}

int CExcelSheets::GetCount() const { return m_workbook->SheetCount(); }

CExcelWorksheet CExcelSheets::GetItem(int position) const
{
    if (position < 1 || position > GetCount())
        return CExcelWorksheet();
    return CExcelWorksheet(m_workbook, m_workbook->m_Sheets[static_cast<std::size_t>(position - 1)].get());
}

CExcelWorksheet CExcelSheets::GetItem(const std::string& name) const
{
    CWorksheetData* sheet = m_workbook->FindSheet(name);
    return sheet ? CExcelWorksheet(m_workbook, sheet) : CExcelWorksheet();
}

CExcelWorksheet CExcelSheets::Add(const std::string& name)
{
    return CExcelWorksheet(m_workbook, &m_workbook->AddSheet(name));
}

CExcelWorkbook::CExcelWorkbook() : m_data(std::make_shared<CWorkbookData>()) {}

bool CExcelWorkbook::Open(const std::string& path)
{
    m_data = std::make_shared<CWorkbookData>();
    CXlsxReader reader;
    if (reader.Read(path, *m_data))
        return true;
    m_strError = reader.ErrorText();
    return false;
}

bool CExcelWorkbook::SaveAs(const std::string& path, const std::string& scratchFolder)
{
    CXlsxWriter writer;
    if (writer.Write(*m_data, path, scratchFolder))
        return true;
    m_strError = writer.ErrorText();
    return false;
}
