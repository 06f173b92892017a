#include "sheets/LabelEditScope.h"

#include "document/TessaronDoc.h"
#include "model/ProcessState.h"

#include <algorithm>
#include <vector>

namespace {

const char kEmptyLayer[] = "void";

}  // namespace

CLabelEditScope CLabelEditScope::ForEdit(int mode, int zseg, int column, int row)
{
    CLabelEditScope scope;
    scope.m_nZSeg = zseg;
    switch (mode) {
    case 1:
        // The new column's layer joins row 0; the new column has no stored labels yet.
        scope.m_nRow = 0;
        break;
    case 2:
        // The new layer goes in above the selected one: the layer there moves up with its labels.
        scope.m_nColumn = column;
        scope.m_nRow = row < 0 ? -1 : row + 1;
        scope.m_nKeptColumn = column;
        break;
    default:
        scope.m_nColumn = column;
        scope.m_nRow = row;
        scope.m_nEditedColumn = column;
        break;
    }
    return scope;
}

bool CLabelEditScope::Replaces(const CTessaronDoc& doc, const CLabelLocation& where) const
{
    if (where.m_nZSeg != m_nZSeg)
        return false;
    if (where.m_nRow < 0)
        return m_nColumn >= 0 && where.m_nColumn == m_nColumn;
    if (m_nRow < 0 || where.m_nRow != m_nRow || where.m_nColumn == m_nKeptColumn)
        return false;
    if (where.m_nColumn == m_nEditedColumn)
        return true;
    const CColumnRec& column = doc.m_ZSegments[where.m_nZSeg].GetColumn(where.m_nColumn);
    return column.GetLayer(where.m_nRow).m_Material.m_Bulk.m_strName != kEmptyLayer;
}

bool CLabelEditScope::IsNameFree(const CTessaronDoc& doc, const std::string& text) const
{
    const int zsegments = std::min(g_nZSegCount, static_cast<int>(doc.m_ZSegments.size()));
    std::vector<CLabelLocation> labels;
    for (int z = 0; z < zsegments; ++z) {
        doc.CollectLabelsExceptRow(z, -1, labels);
        for (const CLabelLocation& where : labels)
            if (where.m_strText == text && !Replaces(doc, where))
                return false;
    }
    return true;
}
