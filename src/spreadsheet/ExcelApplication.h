#pragma once
// The spreadsheet application of the exchange and its collection of open workbooks. The workbooks
// live in memory (ExcelWorkbook.h); making the application visible hands every workbook opened
// from a file to the desktop's default program for that file, which is where the user then works
// with it.

#include "spreadsheet/ExcelWorkbook.h"

#include <memory>
#include <string>
#include <vector>

struct CExcelApplicationState {
    std::vector<CExcelWorkbook> m_Workbooks;
    std::vector<std::string> m_Paths;  // the file each workbook was opened from ("" for a new one)
};

class CExcelWorkbooks {
public:
    explicit CExcelWorkbooks(std::shared_ptr<CExcelApplicationState> state) : m_state(std::move(state)) {}
    int GetCount() const { return static_cast<int>(m_state->m_Workbooks.size()); }
    // A new empty workbook.
    CExcelWorkbook Add();
    // The workbook read from path; false with the reader's reason in error.
    bool Open(const std::string& path, CExcelWorkbook& workbook, std::string& error);

private:
    std::shared_ptr<CExcelApplicationState> m_state;
};

class CExcelApplication {
public:
    CExcelApplication() : m_state(std::make_shared<CExcelApplicationState>()) {}
    CExcelWorkbooks GetWorkbooks() const { return CExcelWorkbooks(m_state); }
    // Visible: the workbooks opened from files are shown in the default program; false when one
    // of them could not be handed over (error names it).
    bool SetVisible(bool visible, std::string& error);
    // The application forgets its workbooks.
    void Quit();

private:
    std::shared_ptr<CExcelApplicationState> m_state;
};
