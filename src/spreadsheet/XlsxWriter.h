#pragma once
// Writes a workbook held in memory (WorkbookData.h) as an ".xlsx" file with libxlsxwriter, row by
// row in the library's constant-memory mode, so a large device costs the model's memory and not
// the library's as well. Every library call is checked; the first failure ends the write.

#include <string>

class CWorkbookData;

class CXlsxWriter {
public:
    // Writes the file at path (created or replaced as it stands; the caller puts it in place).
    // scratchFolder (ending in a separator) takes the library's own temporary files. False with
    // ErrorText on the first failure.
    bool Write(const CWorkbookData& workbook, const std::string& path, const std::string& scratchFolder);
    const std::string& ErrorText() const { return m_strError; }

private:
    std::string m_strError;
};
