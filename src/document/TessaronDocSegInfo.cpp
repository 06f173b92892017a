// Keeping the seg-info list and the z-segments in step, and the isolated-layer rule.

#include "document/TessaronDoc.h"

#include "platform/UserPrompts.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

const char kCountMismatch[] = "Seg info. num is not equ face num!";

}  // namespace

void CTessaronDoc::BuildSegInfoList()
{
    const int naming = m_SegInfoList.m_nNaming;
    m_SegInfoList.Clear();
    for (int i = 0; i < GetZSegmentsInUse(); ++i) {
        const CZSegment& segment = m_ZSegments[i];
        CSegInfo record;
        record.m_dZBegin = segment.m_Params.m_dZFrom;
        record.m_dZEnd = segment.m_Params.m_dZTo;
        record.m_strName = GetPathTitle(segment.m_strLayerFile);
        record.m_nNamed = 0;
        if (i < static_cast<int>(m_MaterialSets.size()))
            record.m_MaterialSet = m_MaterialSets[i];
        m_SegInfoList.Append(std::move(record));
    }
    m_SegInfoList.m_nNaming = naming;
}

// The z-segment list and the seg info list are copied into each other only when they are equally
// long; otherwise the user is told and nothing changes.
bool CTessaronDoc::SegInfoCountMatches(int count) const
{
    if (count == g_nZSegCount && count <= static_cast<int>(m_ZSegments.size()))
        return true;
    AfxMessageBox(kCountMismatch, MB_OK);
    return false;
}

void CTessaronDoc::UpdateZsegmentsFromSegInfo()
{
    const int count = m_SegInfoList.GetCount();
    if (!SegInfoCountMatches(count))
        return;
    for (int i = 0; i < count; ++i) {
        m_ZSegments[i].m_Params.m_dZFrom = m_SegInfoList.GetAt(i)->m_dZBegin;
        m_ZSegments[i].m_Params.m_dZTo = m_SegInfoList.GetAt(i)->m_dZEnd;
    }
    m_MaterialSets.clear();
    for (int i = 0; i < count; ++i)
        m_MaterialSets.push_back(m_SegInfoList.GetAt(i)->m_MaterialSet);
}

void CTessaronDoc::UpdateSegInfoFromZsegments()
{
    const int count = m_SegInfoList.GetCount();
    if (!SegInfoCountMatches(count))
        return;
    for (int i = 0; i < count; ++i) {
        m_SegInfoList.GetAt(i)->m_dZBegin = m_ZSegments[i].m_Params.m_dZFrom;
        m_SegInfoList.GetAt(i)->m_dZEnd = m_ZSegments[i].m_Params.m_dZTo;
    }
}

bool CTessaronDoc::ApplyIsolatedLayerRule(float from, float to)
{
    const int inUse = GetZSegmentsInUse();
    if (g_strIsolatedMethod == "no") {
        bool told = false;
        for (int i = 0; i < inUse; ++i) {
            CZSegmentParams& params = m_ZSegments[i].m_Params;
            if (params.m_nZPlanes > 1 && !told) {
                AfxMessageBox("Because you use the 3d-isolated-layer method,\n"
                              "it will set zplanes==1 in each planes!",
                              MB_OK);
                told = true;
            }
            params.m_nZPlanes = 1;
        }
    }
    if (g_nZSegCount != 1 || m_ZSegments.empty())
        return false;
    const CZSegmentParams& first = m_ZSegments[0].m_Params;
    return std::fabs(to - from) >= 0.01 && std::fabs(first.m_dZTo - first.m_dZFrom) <= 0.01;
}
