#include "model/MeshPolygon.h"

#include "model/ZSegment.h"

#include <algorithm>

void CMeshPolygon::GetBoundingBox(float& minX, float& maxX, float& minY, float& maxY) const
{
    minX = minY = 1e7f;
    maxX = maxY = -1e7f;
    for (const CPoint3f& p : m_Points) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
}

std::vector<CMeshPolygon> LayerMeshPolygons(const CZSegment& segment, int zseg)
{
    std::vector<CMeshPolygon> polygons;
    const CSharedColumns& columns = segment.GetColumns();
    for (int c = 0; c < int(columns.size()); ++c) {
        const CSharedLayers& layers = columns[c].GetLayers();
        for (int r = 0; r < int(layers.size()); ++r) {
            const CLayerRec& layer = layers[r];
            if (layer.IsEmpty())
                continue;
            CMeshPolygon polygon;
            polygon.m_nZSeg = zseg;
            polygon.m_nColumn = c;
            polygon.m_nRow = r;
            polygon.m_Points = {layer.m_C, layer.m_B, layer.m_D, layer.m_A};
            polygons.push_back(std::move(polygon));
        }
    }
    return polygons;
}
