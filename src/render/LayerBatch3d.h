#pragma once
// The layers of one z-segment as the 3-D view draws them, batched: every face of every layer in
// one vertex array of quads, then the outlines of the exposed faces in one array of lines, drawn
// twice (1.5 and then 1.8 pixels wide, smooth and blended), instead of one glBegin/glEnd and one
// stencil clear per layer. The picture is the layer prism of DrawLayerGL (3-D) with the outline
// that the 3-D view draws over it along the same edges:
//   faces    front and back in the fill colour, top and bottom shaded 0.77, left and right 0.72;
//   outlines in the fill colour shaded 0.95, around the front face (edge bit 1 or a layer of the
//            current z-segment), the back face (bit 2) and, when the layer has depth, the top (16),
//            bottom (32), left (4) and right (8) faces.
// The view's window has no stencil buffer, so the per-layer stencil mask of the single-layer
// drawing never took effect there; the faces are pushed back by a polygon offset instead, so an
// outline is never hidden by the faces it borders.

#include "model/LayerRec.h"
#include "render/LayerDrawing.h"

#include <vector>

class CLayerBatch3d {
public:
    // Adds the faces and the exposed outlines of one layer, z multiplied by zScale.
    void Add(const CLayerRec& layer, int currentZSeg, float zScale = 1.0f);
    // Draws everything added with the current modelview matrix; leaves lighting and texturing off
    // and the line width 1.
    void Draw() const;
    void Clear();
    bool Empty() const { return m_faces.empty(); }
    size_t FaceCount() const { return m_faces.size() / 12; }
    size_t OutlineSegmentCount() const { return m_lines.size() / 6; }

private:
    // One quad or one closed outline through four corners, each at its own z.
    void AddQuad(const CPoint3f* const corners[4], const float z[4], CRgb colour);
    void AddLoop(const CPoint3f* const corners[4], const float z[4], CRgb colour);

    std::vector<float> m_faces;            // x, y, z per vertex, four vertices per quad
    std::vector<unsigned char> m_faceRgb;  // r, g, b per vertex
    std::vector<float> m_lines;            // x, y, z per vertex, two per segment
    std::vector<unsigned char> m_lineRgb;
};
