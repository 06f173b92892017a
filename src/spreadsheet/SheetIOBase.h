#pragma once
// What the spreadsheet exporter, the importer and the 2-D view's hover text share of the cell
// routines: the normal form of a number written into a cell and the test for an empty cell text.
// The cells themselves are read and written by the workbook layer.

#include <string>

class CSheetIOBase {
public:
    // How numbers are written: fixed is "%f" in the normal form of TrimNumberText (the hover box);
    // exact is the same unless that text does not read back to the value (a value below 5e-7, one
    // with more than six decimals), which then gets the shortest text that does (a workbook must
    // not lose what the device holds).
    enum class NumberForm { fixed, exact };
    // Every structure column owns this many spreadsheet columns: seven of data and a separator.
    static constexpr int kColumnsPerBlock = 8;

    virtual ~CSheetIOBase() = default;

    // The number text of a cell: blanks trimmed, lower case, and the zeros that "%f" and "%e"
    // leave at the end of the fraction dropped. Without an exponent a point left bare goes too
    // ("1.500000" -> "1.5", "2.000000" -> "2"); with one the point stays and the exponent is kept
    // ("1.500000e+003" -> "1.5e+003", "1.000000E-005" -> "1.e-005"). A text without a point is
    // only trimmed and lower-cased.
    static void TrimNumberText(std::string& text);
    // "%f" of the value in that normal form.
    static std::string TrimmedNumber(double value);
    // The number in the form asked; singlePrecision: the value is a 32-bit float of the model and
    // reads back as that.
    static std::string NumberText(double value, NumberForm form, bool singlePrecision);
    // The letters of spreadsheet column block * 8 + offset (from 0): "A" for (0, 0), "Z" for (3, 1),
    // "AA" for (3, 2), "ZZ" for (87, 5) and on with three letters beyond it.
    static std::string ColumnName(int block, int offset);
    static bool IsEmptyText(const std::string& text) { return text.empty(); }

protected:
    std::string m_strPath; // the workbook the exchange works on
};
