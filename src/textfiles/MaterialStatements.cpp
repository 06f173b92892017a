#include "textfiles/MaterialStatements.h"

#include <algorithm>

#include "platform/NumberText.h"
#include "platform/StringUtil.h"

int CMaterialStatements::WriteLayerMacro(int n, int column, int row)
{
    return WriteLayerMacro(m_ctx.zsegs[n].GetColumn(column).GetLayer(row), column);
}

int CMaterialStatements::WriteLayerMacro(const CLayerRec& layer, int column)
{
    const std::string& name = layer.m_Material.m_Bulk.m_strName;
    if (!StartsWith(name, "contact")) return 0;
    CKeywordLine line = NewStatement("layer_mater");
    AppendParam(line, "macro_name", "contact");
    AppendParam(line, "column_num", StrFormat("%d", column + 1));
    // A layer holds six variables; a macro asking for more gets no values it cannot have.
    const int count = std::min(GetMacroParamCount("bulk", name), 6);
    for (int i = 1; i <= count; ++i)
        AppendParam(line, StrFormat("var%d", i), FileNumber(layer.m_Material.m_Bulk.m_dVar[i - 1]));
    m_ctx.lines.Append(line);
    return 1;
}

int CMaterialStatements::GetMacroParamCount(const std::string& /*kind*/, const std::string& name)
{
    return m_ctx.macros.GetParamCountOf(name);
}

bool CMaterialStatements::IsInsulatorMaterial(const std::string& name)
{
    static const char* const kInsulators[] = {"sio2", "tio2", "vacuum", "air", "sin", "alas_oxide", "fe_inp"};
    for (const char* insulator : kInsulators)
        if (name == insulator) return true;
    return false;
}
