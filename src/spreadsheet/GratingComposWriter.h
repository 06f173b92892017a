#pragma once
// Turns a grating reference of an active-macro cell ("1;[DFB-2-3]") back into the layer's
// "grating_compos" statement: finds the grating block under the tag in the same column block,
// reads its cells and builds the statement text. One writer serves one reference.

#include "spreadsheet/ImportSheet.h"
#include "spreadsheet/SheetIOBase.h"

#include <string>

class CMacroList;

class CGratingComposWriter : public CSheetIOBase {
public:
    static constexpr int kValues = 5;
    // A value of the four arrays that the block leaves out; every value above kSetAbove is given.
    static constexpr float kUnset = -1e11f;
    static constexpr float kSetAbove = -1e10f;

    explicit CGratingComposWriter(CMacroList* macros) : m_pMacros(macros) {}

    // The statement text, or "" (the reason shown); m_nEndRow is the row below the block read.
    std::string ResolveReference(const CImportSheet& sheet, int row, int block, const std::string& reference);
    std::string GetLine() const { return m_strLine; }
    int GetEndRow() const { return m_nEndRow; }
    // The row below the tag's row (the grating_order row), or -1 after a message. The search runs
    // through the sheet's used range.
    int FindPosition(const CImportSheet& sheet, int row, int block, const std::string& tag);
    void ReadGratingBlock(const CImportSheet& sheet, int first, int block);
    // The macro name of a macro cell ("m1, 0.3, , 0.5") and up to five values; a value cell that is
    // not a number and values beyond the fifth are reported and left out.
    std::string ParseMacroRef(const CImportSheet& sheet, int row, int block, int offset, float values[kValues]);
    void WriteLine(int block);

private:
    float ReadDistance(const CImportSheet& sheet, int row, int block);
    // " <prefix>_var_symbolN=..  <prefix>_varN=.." of the given values.
    std::string MacroParams(const std::string& name, const char* nameKey, const char* symbolKey,
                            const char* valueKey, const float values[kValues]) const;
    std::string SymbolOf(const std::string& macro, int i) const;
    static std::string Number(float value);

    CMacroList* m_pMacros;
    int m_nGratingOrder = 0;
    float m_fDHigh = 0.0f, m_fDLow = 0.0f, m_fDRise = 0.0f, m_fDFall = 0.0f;
    std::string m_strHiMacro, m_strHiActiveMacro;
    float m_fHiVar[kValues] = {}, m_fHiAvar[kValues] = {};
    std::string m_strLoMacro, m_strLoActiveMacro;
    float m_fLoVar[kValues] = {}, m_fLoAvar[kValues] = {};
    std::string m_strLine;
    int m_nEndRow = -1;
};
