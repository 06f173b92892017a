#include "document/DeckSaveRollback.h"

#include "document/AutoMeshCounts.h"

#include <algorithm>

void CDeckSaveRollback::Capture(const std::vector<CZSegment>& zsegs, int inUse, const CSegInfoList& segInfo)
{
    m_segInfo = segInfo;
    m_segments.clear();
    const std::size_t count = std::min(zsegs.size(), static_cast<std::size_t>(std::max(inUse, 0)));
    for (std::size_t i = 0; i < count; ++i) {
        const CZSegment& zseg = zsegs[i];
        Segment kept{zseg.m_strLayerFile, zseg.m_Params, zseg.m_Sections, {}};
        for (int c = 0; c < zseg.GetColumnCount(); ++c) {
            const CColumnRec& column = zseg.GetColumn(c);
            kept.meshes.push_back(column.m_Mesh);
            for (int r = 0; r < column.GetLayersInUse(); ++r)
                kept.meshes.push_back(column.GetLayer(r).m_Mesh);
        }
        m_segments.push_back(std::move(kept));
    }
}

void CDeckSaveRollback::Restore(std::vector<CZSegment>& zsegs, CSegInfoList& segInfo) const
{
    segInfo = m_segInfo;
    for (std::size_t i = 0; i < m_segments.size() && i < zsegs.size(); ++i) {
        const Segment& kept = m_segments[i];
        CZSegment& zseg = zsegs[i];
        zseg.m_strLayerFile = kept.layerFile;
        zseg.m_Params = kept.params;
        zseg.m_Sections = kept.sections;
        // Only the settings the save changed are put back: a column or layer an undo snapshot
        // shares stays shared unless the save wrote to it.
        std::size_t next = 0;
        for (int c = 0; c < zseg.GetColumnCount() && next < kept.meshes.size(); ++c) {
            const CMeshSettings& columnMesh = kept.meshes[next++];
            if (!SameMeshSettings(zseg.GetColumn(c).m_Mesh, columnMesh))
                zseg.Column(c).m_Mesh = columnMesh;
            const int rows = zseg.GetColumn(c).GetLayersInUse();
            for (int r = 0; r < rows && next < kept.meshes.size(); ++r) {
                const CMeshSettings& layerMesh = kept.meshes[next++];
                if (!SameMeshSettings(zseg.GetColumn(c).GetLayer(r).m_Mesh, layerMesh))
                    zseg.Column(c).Layer(r).m_Mesh = layerMesh;
            }
        }
    }
}
