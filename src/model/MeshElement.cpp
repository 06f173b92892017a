#include "model/MeshElement.h"

#include "model/GeomHelper.h"
#include "model/MeshPolygon.h"

bool CMeshElement::BelongsTo(const CMeshPolygon& polygon) const
{
    return m_nZSeg == polygon.m_nZSeg && m_nColumn == polygon.m_nColumn && m_nRow == polygon.m_nRow;
}

CPoint3f CMeshElement::Centroid() const
{
    CPoint3f sum = PointPlus(m_Vertex[0], m_Vertex[1].x, m_Vertex[1].y, 0.0);
    sum = PointPlus(sum, m_Vertex[2].x, m_Vertex[2].y, 0.0);
    return PointScale(sum, 0.3333333333333333);
}

void CMeshElement::MapIntoBox(const CMeshPolygon& polygon, CMeshElement& out) const
{
    float box[4];
    polygon.GetBoundingBox(box[0], box[1], box[2], box[3]);
    MapIntoBox(box, out);
}

void CMeshElement::MapIntoBox(const float box[4], CMeshElement& out) const
{
    const float ex0 = m_fBox[0], ex1 = m_fBox[1], ey0 = m_fBox[2], ey1 = m_fBox[3];
    const float sx = ex1 != ex0 ? (box[1] - box[0]) / (ex1 - ex0) : 1.0f;
    const float sy = ey1 != ey0 ? (box[3] - box[2]) / (ey1 - ey0) : 1.0f;
    const CPoint3f vertices[3] = {m_Vertex[0], m_Vertex[1], m_Vertex[2]};
    out = *this;
    for (int i = 0; i < 3; ++i) {
        out.m_Vertex[i].x = (vertices[i].x - ex0) * sx + box[0];
        out.m_Vertex[i].y = (vertices[i].y - ey0) * sy + box[2];
    }
}
