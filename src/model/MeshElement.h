#pragma once
// One triangle of a mesh read back from the mesher, tagged with the layer region it lies in.

#include "model/Point3f.h"

class CMeshPolygon;

class CMeshElement {
public:
    int m_nZSeg = -1;            // region: z-segment, column and row, from 0; -1 none
    int m_nColumn = -1;
    int m_nRow = -1;
    CPoint3f m_Vertex[3];        // as read; z is 0
    float m_fBox[4] = {0.0f, 0.0f, 0.0f, 0.0f};  // region box when plotted: min x, max x, min y, max y

    CMeshElement() = default;
    CMeshElement(const CMeshElement&) = default;
    CMeshElement& operator=(const CMeshElement&) = default;
    CMeshElement(CMeshElement&&) = default;
    CMeshElement& operator=(CMeshElement&&) = default;
    virtual ~CMeshElement() = default;

    // True when the triangle has the polygon's region.
    bool BelongsTo(const CMeshPolygon& polygon) const;
    // (vertex 0 + vertex 1 + vertex 2) / 3, each step in double and stored in single precision.
    CPoint3f Centroid() const;
    // Writes into `out` this triangle with its vertices mapped from the stored region box into
    // the polygon's present bounding box (the rest copied), so a triangle follows its layer
    // when the layer is resized.
    void MapIntoBox(const CMeshPolygon& polygon, CMeshElement& out) const;
    // The same into a box given as min x, max x, min y, max y. An axis on which the stored box
    // has no extent is only moved with the box, not scaled.
    void MapIntoBox(const float box[4], CMeshElement& out) const;
};
