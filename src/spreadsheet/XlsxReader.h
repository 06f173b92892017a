#pragma once
// Reads an ".xlsx" file (libzip for the package, pugixml for its parts) into a workbook held in
// memory (WorkbookData.h): every worksheet in workbook order with its name, every cell's value as
// text (shared, inline and formula strings, numbers as their stored text, booleans as TRUE and
// FALSE), its font name, size and boldness, wrapping, solid fill colour and border weight, and the
// sheet's custom row heights and column widths. Texts keep every character, blanks included.

#include <string>

class CWorkbookData;

class CXlsxReader {
public:
    // False with ErrorText when the file is no readable workbook; workbook is then incomplete.
    bool Read(const std::string& path, CWorkbookData& workbook);
    const std::string& ErrorText() const { return m_strError; }

private:
    std::string m_strError;
};
