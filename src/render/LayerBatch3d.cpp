#include "render/LayerBatch3d.h"

#include "render/VertexArrays.h"

#include <GL/gl.h>

void CLayerBatch3d::AddQuad(const CPoint3f* const corners[4], const float z[4], CRgb colour)
{
    for (int k = 0; k < 4; ++k) AppendVertex(m_faces, m_faceRgb, *corners[k], z[k], colour);
}

void CLayerBatch3d::AddLoop(const CPoint3f* const corners[4], const float z[4], CRgb colour)
{
    for (int k = 0; k < 4; ++k) {
        const int next = (k + 1) % 4;
        AppendVertex(m_lines, m_lineRgb, *corners[k], z[k], colour);
        AppendVertex(m_lines, m_lineRgb, *corners[next], z[next], colour);
    }
}

void CLayerBatch3d::Add(const CLayerRec& l, int currentZSeg, float zScale)
{
    const CRgb colour = LayerFillColour(l);
    const float offset = LayerDepthOffset(l);
    const float f = zScale * l.m_fZTo + offset;  // front
    const float b = zScale * l.m_fZFrom + offset; // back
    const bool hasDepth = l.m_fZFrom != l.m_fZTo;
    const CPoint3f *A = &l.m_A, *B = &l.m_B, *C = &l.m_C, *D = &l.m_D;
    // Each face by its corners: its front and back loops at one z, the sides from back to front.
    const CPoint3f* const front[4] = {C, B, D, A};
    const CPoint3f* const back[4] = {A, D, B, C};
    const CPoint3f* const top[4] = {A, D, D, A};
    const CPoint3f* const bottom[4] = {C, B, B, C};
    const CPoint3f* const left[4] = {A, C, C, A};
    const CPoint3f* const right[4] = {D, B, B, D};
    const float atFront[4] = {f, f, f, f}, atBack[4] = {b, b, b, b}, across[4] = {b, b, f, f};

    AddQuad(front, atFront, colour);
    AddQuad(back, atBack, colour);
    if (hasDepth) {
        const CRgb lit = ShadeColour(colour, 0.77), dim = ShadeColour(colour, 0.72);
        AddQuad(top, across, lit);
        AddQuad(bottom, across, lit);
        AddQuad(left, across, dim);
        AddQuad(right, across, dim);
    }

    const CRgb edge = ShadeColour(colour, 0.95);
    const unsigned flags = l.m_wEdgeFlags;
    if (LayerShowsFrontOutline(l, currentZSeg)) {
        const CPoint3f* const loop[4] = {A, C, B, D};
        AddLoop(loop, atFront, edge);
    }
    if (flags & EDGE_FIRST_ZSEG) AddLoop(back, atBack, edge);
    if (!hasDepth) return;
    if (flags & EDGE_TOP_LAYER) AddLoop(top, across, edge);
    if (flags & EDGE_BOTTOM_LAYER) AddLoop(bottom, across, edge);
    if (flags & EDGE_LEFT_FACE) AddLoop(left, across, edge);
    if (flags & EDGE_RIGHT_FACE) AddLoop(right, across, edge);
}

void CLayerBatch3d::Draw() const
{
    if (m_faces.empty() && m_lines.empty()) return;
    glPushAttrib(GL_ENABLE_BIT | GL_POLYGON_BIT | GL_LINE_BIT | GL_COLOR_BUFFER_BIT | GL_HINT_BIT);
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glDisable(GL_STENCIL_TEST);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    // The faces step back a little so the outlines along their edges always win the depth test.
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(1.0f, 1.0f);
    DrawColouredArrays(GL_QUADS, m_faces, m_faceRgb);
    glDisable(GL_POLYGON_OFFSET_FILL);

    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
    for (float width : {1.5f, 1.8f}) {
        glLineWidth(width);
        DrawColouredArrays(GL_LINES, m_lines, m_lineRgb);
    }
    glPopClientAttrib();
    glPopAttrib();
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glLineWidth(1.0f);
}

void CLayerBatch3d::Clear()
{
    m_faces.clear();
    m_faceRgb.clear();
    m_lines.clear();
    m_lineRgb.clear();
}
