#include "render/MeshDrawing.h"

#include "model/MeshPolygon.h"

#include <GL/gl.h>

#include <map>
#include <utility>
#include <vector>

namespace {

// The three edges of a mapped triangle as separate segments (x, y, z per vertex), so that all
// triangles go out in one batch of lines: the same pixels as one line loop per triangle.
void AddEdges(const CMeshElement& e, float z, std::vector<float>& lines)
{
    for (int i = 0; i < 3; ++i) {
        const CPoint3f& p = e.m_Vertex[i];
        const CPoint3f& q = e.m_Vertex[(i + 1) % 3];
        lines.insert(lines.end(), {p.x, p.y, z, q.x, q.y, z});
    }
}

}  // namespace

void DrawMeshOutlines(const CZSegment& segment, int segmentIndex, float z)
{
    if (segment.m_MeshTriangles.empty())
        return;
    // Triangles by the layer they belong to, so each layer outline finds its own at once.
    std::multimap<std::pair<int, int>, const CMeshElement*> byLayer;
    for (const CMeshElement& e : segment.m_MeshTriangles)
        if (e.m_nZSeg == segmentIndex)
            byLayer.emplace(std::make_pair(e.m_nColumn, e.m_nRow), &e);
    if (byLayer.empty())
        return;

    // Reused between frames so that a fine mesh does not allocate on every paint.
    static thread_local std::vector<float> lines;
    lines.clear();
    CMeshElement mapped;
    for (const CMeshPolygon& polygon : LayerMeshPolygons(segment, segmentIndex)) {
        const auto range = byLayer.equal_range({polygon.m_nColumn, polygon.m_nRow});
        if (range.first == range.second)
            continue;
        float box[4];
        polygon.GetBoundingBox(box[0], box[1], box[2], box[3]);
        for (auto it = range.first; it != range.second; ++it) {
            it->second->MapIntoBox(box, mapped);
            AddEdges(mapped, z, lines);
        }
    }
    glPushMatrix();
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glColor3f(1, 1, 1);
    glLineWidth(2.0f);
    glBegin(GL_LINES);
    for (size_t i = 0; i + 2 < lines.size(); i += 3)
        glVertex3fv(&lines[i]);
    glEnd();
    glLineWidth(1.0f);
    glPopMatrix();
}
