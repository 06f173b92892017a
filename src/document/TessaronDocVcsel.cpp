// VCSEL section names: which sections the layers of the current z-segment name, and carrying an
// edited section to every layer that names it.

#include "document/TessaronDoc.h"

#include <algorithm>

namespace {

// The section a layer names: its VCSEL type when its VCSEL flag is set, else none ("").
const std::string& NamedSection(const CLayerRec& layer)
{
    static const std::string none;
    return layer.m_nVcselFlag != 0 ? layer.m_Vcsel->m_strVcselType : none;
}

}  // namespace

void CTessaronDoc::CollectUsedMacroNames(std::vector<std::string>& names) const
{
    names.clear();
    const CZSegment* current = GetCurrentZSegment();
    if (!current || current->GetColumnCount() == 0)
        return;
    const int rows = GetMaxRowCount(g_nCurZSeg - 1);
    for (int j = 0; j < rows; ++j) {
        for (const CColumnRec& column : current->GetColumns()) {
            if (!column.HasRow(j))
                continue;
            const std::string& name = NamedSection(column.GetLayer(j));
            if (!name.empty())
                names.push_back(name);
        }
    }
}

bool CTessaronDoc::IsMacroNameUsed(const std::string& name) const
{
    std::vector<std::string> names;
    CollectUsedMacroNames(names);
    return std::find(names.begin(), names.end(), name) != names.end();
}

int CTessaronDoc::FindMacroNameInOtherRow(int row, const std::string& name) const
{
    const CZSegment* current = GetCurrentZSegment();
    if (!current)
        return -1;
    const int rows = GetMaxRowCount(g_nCurZSeg - 1);
    for (int j = 0; j < rows; ++j) {
        if (j == row)
            continue;
        for (const CColumnRec& column : current->GetColumns()) {
            if (column.HasRow(j) && column.GetLayer(j).m_Vcsel->m_strVcselType == name)
                return j < row ? 0 : 1;
        }
    }
    return -1;
}

std::string CTessaronDoc::GetLastMacroName(int row) const
{
    std::string last;
    const CZSegment* current = GetCurrentZSegment();
    if (!current)
        return last;
    for (int j = 0; j < row; ++j) {
        for (const CColumnRec& column : current->GetColumns()) {
            if (!column.HasRow(j))
                continue;
            const std::string& name = NamedSection(column.GetLayer(j));
            if (!name.empty())
                last = name;
        }
    }
    return last;
}

void CTessaronDoc::ApplyVcselSection(const std::string& name, int flag, CVcselSection section)
{
    if (name.empty())
        return;
    const int inUse = GetZSegmentsInUse();
    for (int s = 0; s < inUse; ++s) {
        CZSegment& segment = m_ZSegments[s];
        for (int c = 0; c < segment.GetColumnCount(); ++c) {
            CColumnRec& column = segment.Column(c);
            for (int j = 0; j < column.GetLayersInUse(); ++j) {
                CLayerRec& layer = column.Layer(j);
                if (!layer.IsEmpty() && NamedSection(layer) == name) {
                    layer.m_nVcselFlag = flag;
                    layer.m_Vcsel = section;
                }
            }
        }
    }
}
