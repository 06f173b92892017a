#include "textfiles/GratingStatements.h"

#include "model/UnsetValue.h"
#include "platform/NumberText.h"
#include "platform/UserPrompts.h"

#include <string_view>

namespace {

bool IsSetGratingValue(double value)
{
    return UnsetDistance(value) > 0.1;
}

}  // namespace

int CGratingStatements::ReadGratingCompos(int n)
{
    CZSegment& z = m_ctx.zsegs[n];
    const CKeywordLineList& lines = m_ctx.lines;
    const int layerCount = lines.CountLayerLines();
    const int columnCount = z.GetColumnCount();
    int row = 0;
    const int count = lines.GetCount();
    for (int i = 0; i < count; ++i) {
        // Compared as a view: a comparison with a text literal then needs no library call.
        const std::string_view keyword = lines.GetKeyword(i);
        if (keyword == "layer") {
            ++row;
            continue;
        }
        if (keyword != "grating_compos") continue;
        if (row >= layerCount) {
            AfxMessageBox("Grating_compos is not correct!", MB_OK);
            break;
        }
        const CKeywordLine& line = lines[i];
        const std::string columnText = line.GetParam("column_num");
        if (columnText.empty()) continue;
        const int column = AtoIndex(columnText);
        if (column < 0 || column >= columnCount) continue;

        CGratingComposRec rec;
        rec.m_nColumn = column;
        rec.m_dHigh = AtoFOr(line.GetParam("d_high"), 0.1);
        rec.m_dFall = AtoFOr(line.GetParam("d_fall"), 0.0);
        rec.m_dLow = AtoFOr(line.GetParam("d_low"), 0.1);
        rec.m_dRise = AtoFOr(line.GetParam("d_rise"), 0.0);
        rec.m_strHiMacro = line.GetParam("hi_macro_name");
        rec.m_strHiActiveMacro = line.GetParam("hi_active_macro");
        rec.m_strLoMacro = line.GetParam("lo_macro_name");
        rec.m_strLoActiveMacro = line.GetParam("lo_active_macro");
        const std::string order = line.GetParam("grating_order");
        rec.m_nGratingOrder = order.empty() ? 1 : AtoI(order);
        for (int k = 0; k < 5; ++k) {
            rec.m_dHiVar[k] = AtoFOr(line.GetParam(StrFormat("hi_var%d", k + 1)), kUnsetValue);
            rec.m_dHiAVar[k] = AtoFOr(line.GetParam(StrFormat("hi_avar%d", k + 1)), kUnsetValue);
            rec.m_dLoVar[k] = AtoFOr(line.GetParam(StrFormat("lo_var%d", k + 1)), kUnsetValue);
            rec.m_dLoAVar[k] = AtoFOr(line.GetParam(StrFormat("lo_avar%d", k + 1)), kUnsetValue);
        }
        if (!rec.m_strHiMacro.empty()) ReadHiLoVarSymbols(line, rec.m_strHiMacro, rec.m_dHiVar, true, true);
        if (!rec.m_strHiActiveMacro.empty())
            ReadHiLoVarSymbols(line, rec.m_strHiActiveMacro, rec.m_dHiAVar, false, true);
        if (!rec.m_strLoMacro.empty()) ReadHiLoVarSymbols(line, rec.m_strLoMacro, rec.m_dLoVar, true, false);
        if (!rec.m_strLoActiveMacro.empty())
            ReadHiLoVarSymbols(line, rec.m_strLoActiveMacro, rec.m_dLoAVar, false, false);
        rec.m_nPresent = 1;
        // Only the rows in use have a layer to carry the composition.
        if (z.GetColumn(column).HasRow(row)) z.Column(column).Layer(row).m_Grating = rec;
    }
    return 1;
}

void CGratingStatements::ReadHiLoVarSymbols(const CKeywordLine& line, const std::string& macroName,
                                            double values[5], bool bulk, bool hi)
{
    double read[5];
    for (int k = 0; k < 5; ++k) read[k] = values[k];
    CMacroDef def;
    if (!m_ctx.macros.Find(macroName, def)) def = CMacroDef();
    const char* symbolFormat = bulk ? (hi ? "hi_var_symbol%d" : "lo_var_symbol%d")
                                    : (hi ? "hi_avar_symbol%d" : "lo_avar_symbol%d");
    for (int k = 1; k <= 5; ++k) {
        const std::string symbol = line.GetParam(StrFormat(symbolFormat, k));
        if (symbol.empty()) continue;
        for (int j = 1; j <= 5; ++j) {
            if (def.FindParamValue(StrFormat("var_symbol%d", j)) == symbol) {
                values[j - 1] = read[k - 1];
                break;
            }
        }
    }
}

bool CGratingStatements::IsComplete(const CGratingComposRec& rec)
{
    return rec.m_nColumn >= 0 && rec.m_nPresent != 0 && !rec.m_strHiMacro.empty() &&
           !rec.m_strHiActiveMacro.empty() && !rec.m_strLoMacro.empty() && !rec.m_strLoActiveMacro.empty();
}

bool CGratingStatements::IsGratingComplete(int n, int column, int row)
{
    CZSegment& z = m_ctx.zsegs[n];
    if (!z.GetColumn(column).HasRow(row)) return false;
    const CLayerRec& layer = z.GetColumn(column).GetLayer(row);
    const int embedded = IsComplete(layer.m_Grating) ? 1 : 0;
    // The writer asks this of every layer it writes: a flag that is already right is only read,
    // so that a save copies no layer an undo snapshot shares.
    if (layer.m_nEmbedded != embedded) z.Column(column).Layer(row).m_nEmbedded = embedded;
    return embedded == 1;
}

void CGratingStatements::AppendVariables(CKeywordLine& line, const std::string& macroName,
                                         const double values[5], const char* symbolFormat,
                                         const char* valueFormat)
{
    CMacroDef def;
    const bool known = m_ctx.macros.Find(macroName, def);
    for (int k = 1; k <= 5; ++k) {
        if (!IsSetGratingValue(values[k - 1])) continue;
        if (known) {
            const std::string symbol = def.FindParamValue(StrFormat("var_symbol%d", k));
            if (!symbol.empty()) AppendParam(line, StrFormat(symbolFormat, k), symbol);
        }
        AppendParam(line, StrFormat(valueFormat, k), StrFormat("%f", values[k - 1]));
    }
}

CKeywordLine CGratingStatements::FormatGratingCompos(const CGratingComposRec& rec, int column)
{
    CKeywordLine line = NewStatement("grating_compos");
    AppendParam(line, "d_high", StrFormat("%f", rec.m_dHigh));
    AppendParam(line, "d_low", StrFormat("%f", rec.m_dLow));
    AppendParam(line, "d_fall", StrFormat("%f", rec.m_dFall));
    AppendParam(line, "d_rise", StrFormat("%f", rec.m_dRise));
    AppendParam(line, "hi_macro_name", rec.m_strHiMacro);
    AppendVariables(line, rec.m_strHiMacro, rec.m_dHiVar, "hi_var_symbol%d", "hi_var%d");
    AppendParam(line, "hi_active_macro", rec.m_strHiActiveMacro);
    AppendVariables(line, rec.m_strHiActiveMacro, rec.m_dHiAVar, "hi_avar_symbol%d", "hi_avar%d");
    AppendParam(line, "lo_macro_name", rec.m_strLoMacro);
    AppendVariables(line, rec.m_strLoMacro, rec.m_dLoVar, "lo_var_symbol%d", "lo_var%d");
    AppendParam(line, "lo_active_macro", rec.m_strLoActiveMacro);
    AppendVariables(line, rec.m_strLoActiveMacro, rec.m_dLoAVar, "lo_avar_symbol%d", "lo_avar%d");
    AppendParam(line, "grating_order", StrFormat("%d", rec.m_nGratingOrder));
    AppendParam(line, "column_num", StrFormat("%d", column + 1));
    return line;
}

bool CGratingStatements::WriteGratingCompos(int n, int column, int row)
{
    const CColumnRec& col = m_ctx.zsegs[n].GetColumn(column);
    if (!col.HasRow(row)) return false;
    const CGratingComposRec& rec = col.GetLayer(row).m_Grating;
    if (!IsComplete(rec)) return false;
    m_ctx.lines.Append(FormatGratingCompos(rec, column));
    return true;
}
