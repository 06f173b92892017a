#pragma once
// One triangle of a mesh read back from the mesher, tagged with the layer region it lies in.

#include "model/Point3f.h"

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
    virtual ~CMeshElement() = default;
};
