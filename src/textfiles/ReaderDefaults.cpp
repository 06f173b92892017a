#include "textfiles/ReaderDefaults.h"

#include "platform/NumberText.h"
#include "platform/StringUtil.h"
#include "textfiles/LayerFileUpdater.h"
#include "textfiles/LayerStatementReader.h"
#include "textfiles/MacroList.h"
#include "textfiles/MergeMemo.h"

namespace {

constexpr int kMacroVariables = 6;  // a layer holds six variables of each macro

// The number after a name's prefix ("upper_w" and "upper_w2" give "2"); "" when the rest is not a
// plain number.
std::string NumberAfter(const std::string& name, const std::string& prefix)
{
    if (name.size() <= prefix.size() || !StartsWith(name, prefix))
        return "";
    const std::string rest = name.substr(prefix.size());
    for (char c : rest)
        if (!IsDigit(c))
            return "";
    return rest;
}

}  // namespace

CReaderDefaults::CReaderDefaults(const CKeywordLineList& fresh, CMacroList* macros) : m_pMacros(macros)
{
    for (const CKeywordLine& line : fresh.m_lines)
        if (line.m_strKeyword == "column")
            m_columnWidths.emplace(Trim(line.GetParam("column_num")), line.GetParam("w"));
}

std::string CReaderDefaults::Fingerprint() const
{
    std::string text;
    CMergeMemo::AppendNumber(text, static_cast<long long>(m_columnWidths.size()));
    for (const auto& width : m_columnWidths) {
        CMergeMemo::AppendText(text, width.first);
        CMergeMemo::AppendText(text, width.second);
    }
    CMergeMemo::AppendNumber(text, static_cast<long long>(m_unnamedEmptyColumns.size()));
    for (const std::string& column : m_unnamedEmptyColumns)
        CMergeMemo::AppendText(text, column);
    AppendMacroFingerprint(text, m_pMacros);
    return text;
}

void AppendMacroFingerprint(std::string& text, const CMacroList* macros)
{
    CMergeMemo::AppendNumber(text, macros ? macros->GetCount() : -1);
    if (!macros)
        return;
    for (int i = 0; i < macros->GetCount(); ++i) {
        const CMacroDef& def = macros->GetDef(i);
        CMergeMemo::AppendText(text, def.GetUsage());
        CMergeMemo::AppendNumber(text, def.GetTokenCount());
        for (int t = 0; t < def.GetTokenCount(); ++t)
            CMergeMemo::AppendText(text, def.GetToken(t));
        CMergeMemo::AppendNumber(text, def.GetParamEntryCount());
        for (int e = 0; e < def.GetParamEntryCount(); ++e)
            CMergeMemo::AppendText(text, def.GetParamEntry(e));
    }
}

bool CReaderDefaults::ReadsAsAbsent(const CKeywordLine& holder, const CKeywordLine& other,
                                    const CKeywordParam& param) const
{
    const std::string& keyword = holder.m_strKeyword;
    const std::string& name = param.m_strName;
    const std::string& value = param.m_strValue;
    if (keyword == "layer") {
        if (name == "gaussian_tail")
            return CompareValueText(value, "0.001");
        return IsColumnWidth(name, value);
    }
    if (keyword == "layer_mater") {
        if (name == "macro_name")
            return Trim(value) == "void" && m_unnamedEmptyColumns.count(Trim(holder.GetParam("column_num"))) > 0;
        if (!NumberAfter(name, "var_symbol").empty())
            return IsOwnSymbol(holder, other, param, true);
        if (!NumberAfter(name, "avar_symbol").empty())
            return IsOwnSymbol(holder, other, param, false);
    }
    return false;
}

bool CReaderDefaults::IsColumnWidth(const std::string& name, const std::string& value) const
{
    // A row's layer starts as wide as its column; "w<K>", "upper_w<K>" and "lower_w<K>" only say
    // otherwise.
    std::string column;
    for (const char* prefix : {"w", "upper_w", "lower_w"})
        if (column.empty())
            column = NumberAfter(name, prefix);
    if (column.empty())
        return false;
    auto width = m_columnWidths.find(column);
    return width != m_columnWidths.end() && !Trim(width->second).empty() && CompareValueText(value, width->second);
}

bool CReaderDefaults::IsOwnSymbol(const CKeywordLine& holder, const CKeywordLine& other, const CKeywordParam& param,
                                  bool bulk) const
{
    // A symbol moves its variable to the place the macro gives that symbol; the macro's own k-th
    // symbol on the k-th variable moves nothing. Symbols also make the statement free-style, so
    // both statements must read alike in that respect.
    if (!m_pMacros || CLayerStatementReader::ReadsAsOldStyle(holder, bulk) !=
                          CLayerStatementReader::ReadsAsOldStyle(other, bulk))
        return false;
    const int k = AtoI(NumberAfter(param.m_strName, bulk ? "var_symbol" : "avar_symbol"));
    if (k < 1 || k > kMacroVariables)
        return false;
    CMacroDef def;
    if (!m_pMacros->Find(holder.GetParam(bulk ? "macro_name" : "active_macro"), def))
        return false;
    for (int q = 1; q <= kMacroVariables; ++q)
        if (def.FindParamValue(StrFormat("var_symbol%d", q)) == param.m_strValue)
            return q == k;
    return false;
}
