// The bulk and active macro cells of a layer row: the macro parameters of the column's
// "layer_mater" statement, and the "grating_compos" statement of a grating reference.

#include "spreadsheet/ExcelImporter.h"

#include "platform/NumberText.h"
#include "platform/StringUtil.h"
#include "platform/UserPrompts.h"
#include "spreadsheet/GratingComposWriter.h"
#include "textfiles/MacroDef.h"
#include "textfiles/MacroList.h"

namespace {

const char kBulkWrong[] = "Your bulk macro info. is not correct!";
const char kActiveWrong[] = "Your active macro info. is not correct!";
constexpr int kBulk = 2, kActive = 3;

// The values after the name; an empty one keeps its place, an empty tail is no value.
std::vector<std::string> MacroValues(const std::string& rest)
{
    std::vector<std::string> values = CImportSheet::SplitAll(rest, ',');
    while (!values.empty() && values.back().empty())
        values.pop_back();
    return values;
}

// Position of the dash that joins the two ends of a range, npos when the value is none.
std::size_t RangeDash(const std::string& value)
{
    for (std::size_t i = 1; i + 1 < value.size(); ++i)
        if (value[i] == '-' && value[i - 1] != 'e' && value[i - 1] != 'E')
            return i;
    return std::string::npos;
}

}  // namespace

std::string CExcelImporter::SymbolOf(const std::string& macro, int i)
{
    CMacroDef def;
    if (!m_pMacroList || !m_pMacroList->Find(macro, def))
        return std::string();
    return def.FindParamValue(StrFormat("var_symbol%d", i));
}

bool CExcelImporter::HasInnerDash(const std::string& value)
{
    const std::size_t dash = RangeDash(value);
    return dash != std::string::npos && CImportSheet::IsNumberText(value.substr(0, dash)) &&
           CImportSheet::IsNumberText(value.substr(dash + 1));
}

std::string CExcelImporter::AppendGrade(const std::string& value, int i)
{
    if (!HasInnerDash(value))
        return std::string();
    const std::size_t dash = RangeDash(value);
    return StrFormat(" grade_var=%d grade_from=%s grade_to=%s", i, Trim(value.substr(0, dash)).c_str(),
                     Trim(value.substr(dash + 1)).c_str());
}

bool CExcelImporter::IsOldStyleMacro(const std::string& name, const std::string& values)
{
    if (Trim(values).empty() || !m_pMacroList)
        return false;
    const int count = static_cast<int>(MacroValues(values).size());
    CMacroDef def;
    return m_pMacroList->Find(name + "_old_style", def) && def.GetParamCount() == count;
}

std::string CExcelImporter::MacroValue(const CImportSheet& sheet, int row, int block, int offset,
                                       const std::string& value)
{
    return sheet.CheckedNumber(row, block, offset, value);
}

std::string CExcelImporter::AppendBulkMacro(const CImportSheet& sheet, int row, int block, const std::string& text)
{
    std::string name, rest;
    if (!CImportSheet::SplitAt(text, ',', name, rest))
        return " macro_name=" + (text.empty() ? text : sheet.CheckedName(row, block, kBulk, text));
    name = sheet.CheckedName(row, block, kBulk, name);
    std::string out = " macro_name=" + name;
    const bool old = IsOldStyleMacro(name, rest);
    bool reported = false;
    const std::vector<std::string> values = MacroValues(rest);
    for (std::size_t k = 0; k < values.size(); ++k) {
        const int i = static_cast<int>(k) + 1;
        const std::string& v = values[k];
        if (v.empty())
            continue;
        const bool graded = HasInnerDash(v);
        const std::string number = graded ? std::string() : MacroValue(sheet, row, block, kBulk, v);
        if (!graded && number.empty())
            continue;
        if (!old) {
            const std::string symbol = SymbolOf(name, i);
            if (!symbol.empty())
                out += StrFormat(" var_symbol%d=%s", i, symbol.c_str());
            else if (!graded && !reported) {
                AfxMessageBox(kBulkWrong, MB_OK);
                reported = true;
            }
        }
        out += graded ? AppendGrade(v, i) : StrFormat(" var%d=%s", i, number.c_str());
    }
    return out;
}

std::string CExcelImporter::AppendActiveMacro(const CImportSheet& sheet, int row, int block, const std::string& text,
                                              std::string& grating)
{
    grating.clear();
    if (text.empty())
        return std::string();
    std::string macro, gratingPart, name, rest;
    CImportSheet::SplitAt(text, ';', macro, gratingPart);
    CImportSheet::SplitAt(macro, ',', name, rest);
    std::string out;
    if (!name.empty())
        name = sheet.CheckedName(row, block, kActive, name);
    if (!name.empty()) {
        out = " active_macro=" + name;
        const std::vector<std::string> values = MacroValues(rest);
        const int n = static_cast<int>(values.size());
        CMacroDef def;
        const bool old = m_pMacroList && m_pMacroList->Find(name + "_old_style", def) && def.GetParamCount() == n;
        const bool fresh = !old && m_pMacroList && m_pMacroList->Find(name, def) && def.GetParamCount() == n;
        for (int i = 1; i <= n; ++i) {
            const std::string& v = values[static_cast<std::size_t>(i - 1)];
            const std::string number = v.empty() ? v : MacroValue(sheet, row, block, kActive, v);
            if (number.empty())
                continue;
            if (fresh) {
                const std::string symbol = SymbolOf(name, i);
                if (!symbol.empty())
                    out += StrFormat(" avar_symbol%d=%s", i, symbol.c_str());
            }
            out += StrFormat(" avar%d=%s", i, number.c_str());
        }
        if (n > 0 && !old && !fresh)
            AfxMessageBox(kActiveWrong, MB_OK);
    }
    if (!gratingPart.empty()) {
        CGratingComposWriter writer(m_pMacroList);
        writer.ResolveReference(sheet, row, block, gratingPart);
        grating = writer.GetLine();
        NoteLastRow(writer.GetEndRow());
    }
    out += grating.empty() ? " embedded_structure=0" : " embedded_structure=1";
    return out;
}
