#include "spreadsheet/ExcelApplication.h"

#include "platform/ShellOpen.h"

CExcelWorkbook CExcelWorkbooks::Add()
{
    m_state->m_Workbooks.emplace_back();
    m_state->m_Paths.emplace_back();
    return m_state->m_Workbooks.back();
}

bool CExcelWorkbooks::Open(const std::string& path, CExcelWorkbook& workbook, std::string& error)
{
    CExcelWorkbook opened;
    if (!opened.Open(path)) {
        error = opened.ErrorText();
        return false;
    }
    m_state->m_Workbooks.push_back(opened);
    m_state->m_Paths.push_back(path);
    workbook = opened;
    return true;
}

bool CExcelApplication::SetVisible(bool visible, std::string& error)
{
    if (!visible)
        return true;
    for (const std::string& path : m_state->m_Paths)
        if (!path.empty() && !ShellOpener().OpenWithDefaultProgram(path)) {
            error = path;
            return false;
        }
    return true;
}

void CExcelApplication::Quit()
{
    m_state->m_Workbooks.clear();
    m_state->m_Paths.clear();
}
