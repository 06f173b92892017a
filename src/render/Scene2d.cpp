#include "render/Scene2d.h"

#include "model/TessaronDoc.h"
#include "model/ZSegment.h"
#include "render/BackGrid.h"
#include "render/SideContactDrawing.h"

#include <map>
#include <tuple>
#include <vector>

void SetupGL2d()
{
    glClearColor(0, 0, 0, 1);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
}

void UploadTextures(const CTextureData images[kTextureNameCount], GLuint names[kTextureNameCount])
{
    glGenTextures(kTextureNameCount, names);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    for (int i = 0; i < kTextureNameCount; ++i) {
        const CTextureData& image = images[i];
        if (!image.rgb || image.width <= 0 || image.height <= 0) continue;
        glBindTexture(GL_TEXTURE_2D, names[i]);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
        glTexImage2D(GL_TEXTURE_2D, 0, 3, image.width, image.height, 0, GL_RGB, GL_UNSIGNED_BYTE, image.rgb);
    }
    glEnable(GL_TEXTURE_2D);
}

void DrawLayers2d(const CZSegment& segment, int currentZSeg)
{
    // Reused between frames so that a large device does not allocate on every paint.
    static thread_local CFlatLayerBatch batch;
    batch.Clear();
    for (const CColumnRec& column : segment.GetColumns())
        for (const CLayerRec& layer : column.GetLayers())
            if (layer.m_Material.m_Bulk.m_strName != "void") batch.Add(layer, currentZSeg);
    batch.Draw();
}

namespace {

struct Box {
    float x0, x1, y0, y1;
};

Box OutlineBox(const CLayerRec& l)
{
    Box b{1e7f, -1e7f, 1e7f, -1e7f};
    for (const CPoint3f* p : {&l.m_C, &l.m_B, &l.m_D, &l.m_A}) {
        b.x0 = std::min(b.x0, p->x);
        b.x1 = std::max(b.x1, p->x);
        b.y0 = std::min(b.y0, p->y);
        b.y1 = std::max(b.y1, p->y);
    }
    return b;
}

// From the box the layer had when the mesh was plotted into the layer's present box; the three
// edges go into `lines` as separate segments (x, y, z per vertex).
void AddStretchedTriangle(const CMeshElement& e, const Box& b, float z, std::vector<float>& lines)
{
    const float ex0 = e.m_fBox[0], ex1 = e.m_fBox[1], ey0 = e.m_fBox[2], ey1 = e.m_fBox[3];
    const float sx = (b.x1 - b.x0) / (ex1 - ex0);
    const float sy = (b.y1 - b.y0) / (ey1 - ey0);
    float v[3][2];
    for (int i = 0; i < 3; ++i) {
        v[i][0] = (e.m_Vertex[i].x - ex0) * sx + b.x0;
        v[i][1] = (e.m_Vertex[i].y - ey0) * sy + b.y0;
    }
    for (int i = 0; i < 3; ++i) {
        const float* p = v[i];
        const float* q = v[(i + 1) % 3];
        lines.insert(lines.end(), {p[0], p[1], z, q[0], q[1], z});
    }
}

} // namespace

void DrawMesh2d(const CZSegment& segment, int segmentIndex)
{
    if (segment.m_MeshTriangles.empty()) return;
    // Triangles by the layer they were assigned to, so each layer finds its own at once.
    std::multimap<std::pair<int, int>, const CMeshElement*> byLayer;
    for (const CMeshElement& e : segment.m_MeshTriangles)
        if (e.m_nZSeg == segmentIndex) byLayer.emplace(std::make_pair(e.m_nColumn, e.m_nRow), &e);
    if (byLayer.empty()) return;

    // All outlines are the same white lines, so they go out in one batch.
    static thread_local std::vector<float> lines;
    lines.clear();
    const std::vector<CColumnRec>& columns = segment.GetColumns();
    for (int c = 0; c < int(columns.size()); ++c) {
        const std::vector<CLayerRec>& layers = columns[c].GetLayers();
        for (int r = 0; r < int(layers.size()); ++r) {
            if (layers[r].IsEmpty()) continue;
            auto range = byLayer.equal_range({c, r});
            if (range.first == range.second) continue;
            const Box box = OutlineBox(layers[r]);
            for (auto it = range.first; it != range.second; ++it)
                AddStretchedTriangle(*it->second, box, 1000.0f, lines);
        }
    }
    glPushMatrix();
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glColor3f(1, 1, 1);
    glLineWidth(2.0f);
    glBegin(GL_LINES);
    for (size_t i = 0; i + 2 < lines.size(); i += 3) glVertex3fv(&lines[i]);
    glEnd();
    glLineWidth(1.0f);
    glPopMatrix();
}

void StartFrame2d(const CView2dState& view)
{
    LoadProjection2d(view);
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void RenderScene2d(const CView2dState& view, const CScene2d& scene)
{
    StartFrame2d(view);
    glPushMatrix();
    // The grid is drawn in its own colours, not tinted by the last bound texture.
    glDisable(GL_TEXTURE_2D);
    if (scene.backGrid) DrawBackGrid(BackGridLines(view));
    if (scene.segment) {
        const CZSegment& seg = *scene.segment;
        // The front of the z-segment at z 0.
        glTranslatef(0, 0, -float(seg.m_Params.m_dZTo));
        DrawLayers2d(seg, scene.currentZSeg);
        DrawMesh2d(seg, scene.currentZSeg - 1);
        if (scene.document) scene.document->ClampSideContactExtents();
        DrawSideContacts2d(seg, view.contactBarThickness);
        for (const CColumnRec& column : seg.GetColumns())
            DrawTopContacts(column, view.contactBarThickness, 1.0f, false);
        for (const CColumnRec& column : seg.GetColumns())
            DrawBottomContacts(column, view.contactBarThickness, 1.0f, false);
    }
    glPopMatrix();
}
