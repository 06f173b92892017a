#pragma once
// The triangles read from one ".msh" file (textfiles/MeshFileReader.h reads them), and the
// region assignment of the mesh plot: each triangle takes the region of the layer outline that
// contains its centroid.

#include "model/MeshElement.h"

#include <vector>

class CMeshPolygon;

class CMeshElementList {
public:
    virtual ~CMeshElementList() = default;

    std::vector<CMeshElement> m_Elements;

    // Gives the polygon's region, and its bounding box as region box, to every triangle whose
    // centroid the polygon contains; applied outline after outline, the last one wins.
    void AssignRegion(const CMeshPolygon& polygon);
    // Replaces `out` by copies of all triangles, those without a region included.
    void CopyElements(std::vector<CMeshElement>& out) const { out = m_Elements; }
};
