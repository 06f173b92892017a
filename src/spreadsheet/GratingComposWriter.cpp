#include "spreadsheet/GratingComposWriter.h"

#include "platform/NumberText.h"
#include "platform/StringUtil.h"
#include "platform/UserPrompts.h"
#include "textfiles/MacroDef.h"
#include "textfiles/MacroList.h"

namespace {

const char kBadReference[] = "Your grating_compos refrence is not correct!";
const char kNotFound[] = "Not found grating_compos position!";

}  // namespace

std::string CGratingComposWriter::ResolveReference(const CImportSheet& sheet, int row, int block,
                                                   const std::string& reference)
{
    m_strLine.clear();
    m_nEndRow = -1;
    if (reference.empty())
        return std::string();
    std::string before, tag;
    if (!CImportSheet::SplitAt(reference, ';', before, tag))
        tag = before;
    if (tag.size() <= 3)
        return std::string();
    if (tag.front() != '[' && tag.back() != ']') {
        AfxMessageBox(kBadReference, MB_OK);
        return std::string();
    }
    const int first = FindPosition(sheet, row, block, tag);
    if (first < 0)
        return std::string();
    ReadGratingBlock(sheet, first, block);
    WriteLine(block);
    m_nEndRow = first + 5;
    return m_strLine;
}

int CGratingComposWriter::FindPosition(const CImportSheet& sheet, int row, int block, const std::string& tag)
{
    const std::string wanted = ToLowerAscii(tag);
    for (int r = row + 1; r < sheet.EndRow(); ++r)
        if (ToLowerAscii(sheet.Read(r, block, 0)) == wanted)
            return r + 1;
    AfxMessageBox(kNotFound, MB_OK);
    return -1;
}

float CGratingComposWriter::ReadDistance(const CImportSheet& sheet, int row, int block)
{
    const std::string text = sheet.Read(row, block, 1);
    if (text.empty())
        return 0.0f;
    return static_cast<float>(AtoF(sheet.CheckedNumber(row, block, 1, text)));
}

void CGratingComposWriter::ReadGratingBlock(const CImportSheet& sheet, int first, int block)
{
    m_nGratingOrder = 0;
    const std::string order = sheet.Read(first, block, 1);
    if (!order.empty())
        m_nGratingOrder = AtoI(sheet.CheckedNumber(first, block, 1, order));
    m_fDHigh = ReadDistance(sheet, first + 1, block);
    m_fDLow = ReadDistance(sheet, first + 2, block);
    m_fDRise = ReadDistance(sheet, first + 3, block);
    m_fDFall = ReadDistance(sheet, first + 4, block);
    m_strHiMacro = ParseMacroRef(sheet, first + 1, block, 2, m_fHiVar);
    m_strHiActiveMacro = ParseMacroRef(sheet, first + 1, block, 3, m_fHiAvar);
    m_strLoMacro = ParseMacroRef(sheet, first + 2, block, 2, m_fLoVar);
    m_strLoActiveMacro = ParseMacroRef(sheet, first + 2, block, 3, m_fLoAvar);
}

std::string CGratingComposWriter::ParseMacroRef(const CImportSheet& sheet, int row, int block, int offset,
                                                float values[kValues])
{
    for (int i = 0; i < kValues; ++i)
        values[i] = kUnset;
    const std::string text = sheet.Read(row, block, offset);
    if (text.size() < 2)
        return std::string();
    std::string name, rest;
    if (!CImportSheet::SplitAt(text, ',', name, rest))
        return sheet.CheckedName(row, block, offset, text);
    name = sheet.CheckedName(row, block, offset, name);
    const std::vector<std::string> items = CImportSheet::SplitAll(rest, ',');
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].empty())
            continue;
        if (i >= static_cast<std::size_t>(kValues)) {
            sheet.Report(row, block, offset, text, StrFormat("has more than %d values; the rest is left out", kValues));
            break;
        }
        const std::string number = sheet.CheckedNumber(row, block, offset, items[i]);
        if (!number.empty())
            values[i] = static_cast<float>(AtoF(number));
    }
    return name;
}

std::string CGratingComposWriter::Number(float value)
{
    std::string text = StrFormat("%e", static_cast<double>(value));
    TrimNumberText(text);
    return text;
}

std::string CGratingComposWriter::SymbolOf(const std::string& macro, int i) const
{
    CMacroDef def;
    if (!m_pMacros || !m_pMacros->Find(macro, def))
        return std::string();
    return def.FindParamValue(StrFormat("var_symbol%d", i));
}

std::string CGratingComposWriter::MacroParams(const std::string& name, const char* nameKey, const char* symbolKey,
                                              const char* valueKey, const float values[kValues]) const
{
    if (name.empty())
        return std::string();
    std::string text = StrFormat(" %s=%s", nameKey, name.c_str());
    for (int i = 1; i <= kValues; ++i) {
        if (!(values[i - 1] > kSetAbove))
            continue;
        const std::string symbol = SymbolOf(name, i);
        if (!symbol.empty())
            text += StrFormat(" %s%d=%s", symbolKey, i, symbol.c_str());
        text += StrFormat(" %s%d=%s", valueKey, i, Number(values[i - 1]).c_str());
    }
    return text;
}

void CGratingComposWriter::WriteLine(int block)
{
    std::string line = "grating_compos";
    const std::pair<const char*, float> distances[] = {
        {"d_high", m_fDHigh}, {"d_low", m_fDLow}, {"d_rise", m_fDRise}, {"d_fall", m_fDFall}};
    for (const auto& [key, value] : distances)
        if (value > -0.00001f)
            line += StrFormat(" %s=%s", key, Number(value).c_str());
    line += MacroParams(m_strHiMacro, "hi_macro_name", "hi_var_symbol", "hi_var", m_fHiVar);
    line += MacroParams(m_strHiActiveMacro, "hi_active_macro", "hi_avar_symbol", "hi_avar", m_fHiAvar);
    line += MacroParams(m_strLoMacro, "lo_macro_name", "lo_var_symbol", "lo_var", m_fLoVar);
    line += MacroParams(m_strLoActiveMacro, "lo_active_macro", "lo_avar_symbol", "lo_avar", m_fLoAvar);
    if (m_nGratingOrder > 0)
        line += StrFormat(" grating_order=%d", m_nGratingOrder);
    line += StrFormat(" column_num=%d", block + 1);
    m_strLine = line;
}
