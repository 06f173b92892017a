#pragma once
// What the spreadsheet exporter, the importer and the 2-D view's hover text share of the cell
// routines: the normal form of a number written into a cell and the test for an empty cell text.
// The cells themselves are read and written by the workbook layer.

#include <string>

class CSheetIOBase {
public:
    virtual ~CSheetIOBase() = default;

    // The number text of a cell: blanks trimmed, lower case, and the zeros that "%f" and "%e"
    // leave at the end of the fraction dropped. Without an exponent a point left bare goes too
    // ("1.500000" -> "1.5", "2.000000" -> "2"); with one the point stays and the exponent is kept
    // ("1.500000e+003" -> "1.5e+003", "1.000000E-005" -> "1.e-005"). A text without a point is
    // only trimmed and lower-cased.
    static void TrimNumberText(std::string& text);
    // "%f" of the value in that normal form.
    static std::string TrimmedNumber(double value);
    static bool IsEmptyText(const std::string& text) { return text.empty(); }

protected:
    std::string m_strPath; // the workbook the exchange works on
};
