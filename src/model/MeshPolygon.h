#pragma once
// The outline of one layer, tagged with the layer's region (z-segment, column and row, from 0):
// the mesh plot gives a triangle the region of the outline that contains its centroid, and the
// views draw each triangle stretched into its region's present outline.

#include "model/Point3f.h"

#include <vector>

class CZSegment;

class CMeshPolygon {
public:
    int m_nZSeg = -1;
    int m_nColumn = -1;
    int m_nRow = -1;
    std::vector<CPoint3f> m_Points;

    // The box of the points; without points min 1e7 and max -1e7 on both axes.
    void GetBoundingBox(float& minX, float& maxX, float& minY, float& maxY) const;
    void Clear() { m_Points.clear(); }
};

// The outlines of the non-empty layers in use of a z-segment tagged with index `zseg`, column by
// column and row by row, each through its corners bottom-left, bottom-right, top-right, top-left
// as the last layout placed them.
std::vector<CMeshPolygon> LayerMeshPolygons(const CZSegment& segment, int zseg);
