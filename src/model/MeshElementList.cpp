#include "model/MeshElementList.h"

#include "model/MeshPolygon.h"
#include "model/Polygon2D.h"

void CMeshElementList::AssignRegion(const CMeshPolygon& polygon)
{
    float box[4];
    polygon.GetBoundingBox(box[0], box[1], box[2], box[3]);
    CPolygon2D region;
    region.SetPoints(polygon.m_Points);
    for (CMeshElement& element : m_Elements) {
        const CPoint3f centroid = element.Centroid();
        if (!region.Contains(centroid.x, centroid.y))
            continue;
        element.m_nZSeg = polygon.m_nZSeg;
        element.m_nColumn = polygon.m_nColumn;
        element.m_nRow = polygon.m_nRow;
        for (int i = 0; i < 4; ++i)
            element.m_fBox[i] = box[i];
    }
}
