#include "render/Scene3d.h"

#include "model/ZSegment.h"
#include "render/LayerBatch3d.h"
#include "render/LayerDrawing.h"
#include "render/MeshDrawing.h"
#include "render/OutlineFont.h"
#include "render/PolarDrawing.h"
#include "render/ProjectionMatrix.h"
#include "render/Scene2d.h"
#include "render/SegmentJoins3d.h"
#include "render/SideContactDrawing.h"

#include <algorithm>
#include <cmath>

CDeviceExtents DeviceExtents3d(const std::vector<CZSegment>& segments, int segmentsInUse)
{
    CDeviceExtents e;
    const int n = std::min(segmentsInUse, int(segments.size()));
    if (n < 1) return e;
    e.length = segments[n - 1].m_Params.m_dZTo - segments[0].m_Params.m_dZFrom;
    for (int i = 0; i < n; ++i) {
        float r[4];
        segments[i].GetBoundingRect(r);
        const double w = double(r[2]) - r[1], h = double(r[0]) - r[3];
        if (w > e.width) e.width = w;
        if (h > e.height) e.height = h;
    }
    return e;
}

float DeviceSize3d(const CDeviceExtents& extents) { return float(std::max(extents.width, extents.height)); }

void SetupGL3d()
{
    SetupGL2d(); // depth test (less or equal), clear depth 1, perspective hint
    glClearColor(1, 1, 1, 1);

    // Two directional lights, one from each side of the z axis, and a dull grey material: defined
    // as the view always had them, though every face is drawn unlit in its own colour.
    glEnable(GL_LIGHTING);
    const GLfloat light[4] = {1.0f, 0.86f, 0.83f, 1.0f};
    const GLfloat position[2][4] = {{-0.12f, 188.0f, 1000.0f, 0.0f}, {-0.12f, 188.0f, -1000.0f, 0.0f}};
    for (int i = 0; i < 2; ++i) {
        const GLenum id = GL_LIGHT0 + i;
        glLightfv(id, GL_AMBIENT, light);
        glLightfv(id, GL_DIFFUSE, light);
        glLightfv(id, GL_SPECULAR, light);
        glLightfv(id, GL_POSITION, position[i]);
        glEnable(id);
    }
    const GLfloat ambient[4] = {0.2f, 0.2f, 0.2f, 1.0f};
    const GLfloat diffuse[4] = {0.55f, 0.55f, 0.55f, 1.0f};
    const GLfloat specular[4] = {0.1f, 0.1f, 0.1f, 1.0f};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, ambient);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, specular);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 10.0f);

    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glShadeModel(GL_SMOOTH);
}

CPoint3f RotatedPoint(const CPoint3f& p, double angle)
{
    const double a = angle * 3.1415926 / 180.0;
    const double c = std::cos(a), s = std::sin(a);
    return CPoint3f(float(p.x * c - p.y * s), float(p.x * s + p.y * c), p.z);
}

void RotatedVertex(const CPoint3f& p, double angle)
{
    const CPoint3f q = RotatedPoint(p, angle);
    glVertex3f(q.x, q.y, q.z);
}

namespace {

// Lines drawn smooth and blended on top of what is there; polygons as their outlines.
void BeginWireState(float width)
{
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_STENCIL_TEST);
    glLineWidth(width);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
}

void TurnBy(const CZSegment& segment) { glRotated(segment.GetAngle(), 0, 0, 1); }

bool HasDevice(const CScene3d& scene) { return scene.segments && scene.segmentsInUse >= 1; }

// The layers of one z-segment: batched prisms with their outlines, or cylinder sectors.
void DrawSegmentLayers(const CZSegment& segment, int currentZSeg, bool cylinder)
{
    // Reused between frames so that a large device does not allocate on every paint.
    static thread_local CLayerBatch3d batch;
    batch.Clear();
    for (const CColumnRec& column : segment.GetColumns())
        for (const CLayerRec& layer : column.GetLayers()) {
            if (layer.IsEmpty()) continue;
            if (cylinder)
                DrawCylinderLayer(layer, 1.0f, false);
            else
                batch.Add(layer, currentZSeg);
        }
    batch.Draw();
}

void DrawContactBars(const CZSegment& segment, float thickness, bool cylinder)
{
    for (const CColumnRec& column : segment.GetColumns()) DrawTopContacts(column, thickness, 1.0f, true, cylinder);
    for (const CColumnRec& column : segment.GetColumns())
        DrawBottomContacts(column, thickness, 1.0f, true, cylinder);
}

void DrawDevice(const CView3dState& view, const CScene3d& scene)
{
    const std::vector<CZSegment>& segments = *scene.segments;
    const int n = scene.segmentsInUse;
    for (int i = 0; i < n; ++i) {
        glPushMatrix();
        TurnBy(segments[i]);
        DrawSegmentLayers(segments[i], scene.currentZSeg, scene.cylinder);
        glPopMatrix();
    }

    std::vector<CSideBarCorners> sideBars(n);
    for (int i = 0; i < n; ++i) {
        glPushMatrix();
        TurnBy(segments[i]);
        sideBars[i] = DrawLayerSideFaces3d(segments[i], view.contactBarThickness, scene.cylinder);
        glPopMatrix();
    }

    if (!scene.cylinder) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        DrawTaperFaces3d(segments, n);
        DrawSegmentJunctions3d(segments, n);
        for (int i = 0; i < n; ++i) {
            glPushMatrix();
            TurnBy(segments[i]);
            DrawSegmentMesh3d(segments[i], i);
            glPopMatrix();
        }
        DrawContactLinks3d(segments, n, view.contactBarThickness, sideBars);
    }

    for (int i = 0; i < n; ++i) {
        glPushMatrix();
        TurnBy(segments[i]);
        DrawContactBars(segments[i], view.contactBarThickness, scene.cylinder);
        glPopMatrix();
    }
}

// The tallest column has the most layers in use; of equal ones the last.
const CColumnRec& TallestColumn(const CZSegment& segment)
{
    const CColumnRec* tallest = &segment.GetColumn(0);
    for (const CColumnRec& column : segment.GetColumns())
        if (column.GetLayersInUse() >= tallest->GetLayersInUse()) tallest = &column;
    return *tallest;
}

bool HasAnyLayer(const CZSegment& segment)
{
    for (const CColumnRec& column : segment.GetColumns())
        if (column.GetLayersInUse() > 0) return true;
    return false;
}

void WireLoop(const CPoint3f corners[4], float z)
{
    glBegin(GL_LINE_LOOP);
    for (int k = 0; k < 4; ++k) glVertex3f(corners[k].x, corners[k].y, z);
    glEnd();
}

void PolarLoop(const CPoint3f corners[4], double angle)
{
    glBegin(GL_LINE_LOOP);
    for (int k = 0; k < 4; ++k) PolarVertex(corners[k].x, corners[k].y, angle, 1.0);
    glEnd();
}

} // namespace

void DrawBoxOutline3d(const CPoint3f corners[4], double a0, double a1)
{
    BeginWireState(1.0f);
    const std::vector<CAnglePiece> pieces = SplitAngleRange(a0, a1);
    for (size_t i = 0; i < pieces.size(); ++i) {
        const double b0 = pieces[i].from, b1 = pieces[i].to;
        if (i == 0) PolarLoop(corners, b0);
        if (i + 1 == pieces.size()) PolarLoop(corners, b1);
        glBegin(GL_LINES);
        for (int k = 0; k < 4; ++k) {
            PolarVertex(corners[k].x, corners[k].y, b0, 1.0);
            PolarVertex(corners[k].x, corners[k].y, b1, 1.0);
        }
        glEnd();
    }
}

bool SelectionBox3d(const CScene3d& scene, float scaleZ, float margin, CSelectionBox3d& box)
{
    if (!scene.segments || scene.currentZSeg < 1 || scene.currentZSeg > scene.segmentsInUse) return false;
    const CZSegment& segment = (*scene.segments)[scene.currentZSeg - 1];
    if (segment.GetColumnCount() == 0 || !HasAnyLayer(segment)) return false;
    const CLayerRec& a = segment.GetColumn(0).GetLayer(0);
    const CColumnRec& tallest = TallestColumn(segment);
    const CLayerRec& b = tallest.GetLayer(tallest.GetLayersInUse() - 1);
    const CLayerRec& c = segment.GetColumn(segment.GetColumnCount() - 1).GetLayer(0);
    box.x0 = a.m_C.x - margin;
    box.y0 = a.m_C.y - margin;
    box.x1 = c.m_B.x + margin;
    box.y1 = b.m_A.y + margin;
    box.z0 = a.m_fZFrom - margin / 2;
    box.z1 = a.m_fZTo + margin / 2;
    // Stretched far along z, a margin would be stretched too: a share of the z range instead.
    if (std::fabs(scaleZ) > 10.0f) {
        box.z0 = a.m_fZFrom * 0.98f;
        box.z1 = a.m_fZTo * 1.02f;
    }
    return true;
}

void DrawSelection3d(const CScene3d& scene, float scaleZ, float margin)
{
    CSelectionBox3d box;
    if (!SelectionBox3d(scene, scaleZ, margin, box)) return;
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    BeginWireState(1.5f);
    glPushMatrix();
    TurnBy((*scene.segments)[scene.currentZSeg - 1]);
    glColor3ub(255, 255, 255);
    glLineWidth(1.0f);
    const CPoint3f corners[4] = {CPoint3f(box.x0, box.y0, 0), CPoint3f(box.x0, box.y1, 0),
                                 CPoint3f(box.x1, box.y1, 0), CPoint3f(box.x1, box.y0, 0)};
    if (scene.cylinder) {
        DrawBoxOutline3d(corners, box.z0, box.z1);
    } else {
        WireLoop(corners, box.z0);
        WireLoop(corners, box.z1);
        glBegin(GL_LINES);
        for (const CPoint3f& p : corners) {
            glVertex3f(p.x, p.y, box.z0);
            glVertex3f(p.x, p.y, box.z1);
        }
        glEnd();
    }
    glPopMatrix();
    glPopAttrib();
}

void DrawArrow3d(float length)
{
    const float L = length, h = 0.9f * length, w = 0.05f * length;
    const float head[4][3] = {{h, w, 0}, {h, -w, 0}, {h, 0, w}, {h, 0, -w}};
    glBegin(GL_LINES);
    glVertex3f(L, 0, 0);
    glVertex3f(0, 0, 0);
    for (const auto& p : head) {
        glVertex3f(L, 0, 0);
        glVertex3fv(p);
    }
    glEnd();
}

void DrawAxisLabels3d(float length, bool cylinder, const COutlineFont* font)
{
    const float L = length;
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glDisable(GL_BLEND);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_STENCIL_TEST);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    auto label = [font](const char* text) {
        if (font) font->DrawLabel(text);
    };

    glPushMatrix();
    glColor3ub(0, 0, 255);
    DrawArrow3d(L);
    glTranslatef(L, -0.05f * L, 0);
    glScalef(0.25f * L, 0.25f * L, 0.25f * L);
    label(cylinder ? "R(angle=0)" : "+x");
    glPopMatrix();

    glPushMatrix();
    glColor3ub(255, 0, 0);
    glRotatef(90, 0, 0, 1);
    DrawArrow3d(L);
    glPopMatrix();
    glPushMatrix();
    glTranslatef(-0.3f * L, 0.9f * L, 0);
    glScalef(0.25f * L, 0.25f * L, 0.25f * L);
    label(cylinder ? "+z" : "+y");
    glPopMatrix();

    glPushMatrix();
    glColor3ub(255, 255, 0);
    glRotatef(-90, 0, 1, 0);
    DrawArrow3d(L);
    glPopMatrix();
    glPushMatrix();
    glTranslatef(0, -0.05f * L, L);
    glRotatef(90, 0, -1, 0);
    glScalef(0.25f * L, 0.25f * L, 0.25f * L);
    label(cylinder ? "R(angle=270)" : "+z");
    glPopMatrix();

    glPopAttrib();
}

CSideBarCorners DrawLayerSideFaces3d(const CZSegment& segment, float thickness, bool cylinder)
{
    CSideBarCorners bars;
    for (const CContactList& group : segment.m_SideContacts) {
        const int row = group.m_nRow;
        int low = -1, high = -1;
        const bool carried = SideContactCarriers(segment, row, low, high);
        for (const CContactRec& contact : group.m_Contacts) {
            const int side = contact.m_nSide;
            if (side != 0 && side != 1) continue;
            std::vector<CPoint3f> corners;
            if (carried) {
                const CLayerRec& layer = segment.GetColumn(side == 0 ? low : high).GetLayer(row);
                CPoint3f points[8];
                bool placed = false;
                if (side == 0) {
                    DrawSideFaceLow(layer, thickness, cylinder, contact.m_fFrom, contact.m_fTo, 1.0f, true);
                    placed = SideFaceCornersLow(layer, thickness, contact.m_fFrom, contact.m_fTo, 1.0f, true, points);
                } else {
                    DrawSideFaceHigh(layer, thickness, cylinder, contact.m_fFrom, contact.m_fTo, 1.0f, true);
                    placed = SideFaceCornersHigh(layer, thickness, contact.m_fFrom, contact.m_fTo, 1.0f, true, points);
                }
                if (placed) corners.assign(points, points + 8);
            }
            bars[side].push_back(std::move(corners));
        }
    }
    glDisable(GL_LIGHTING);
    return bars;
}

void DrawSegmentMesh3d(const CZSegment& segment, int index)
{
    // The outlines of the 2-D view's mesh, at either end of the z-segment.
    for (double z : {segment.m_Params.m_dZFrom, segment.m_Params.m_dZTo})
        DrawMeshOutlines(segment, index, float(z));
}

void SceneModelMatrix3d(const CView3dState& view, const CScene3d& scene, double m[16])
{
    const bool c = scene.cylinder;
    const double L = c ? scene.extents.width : scene.extents.length;
    double step[16];
    IdentityMatrix(m);
    if (HasDevice(scene)) {
        if (c)
            TranslationMatrix(step, 0.2 * L, 0, -view.scaleX * L);
        else
            TranslationMatrix(step, 0, 0, -view.scaleZ * L);
        MultiplyMatrix(m, step, m);
    }
    RotationMatrix(step, view.rotationX, 1, 0, 0);
    MultiplyMatrix(m, step, m);
    RotationMatrix(step, view.rotationY, 0, 1, 0);
    MultiplyMatrix(m, step, m);
    ScaleMatrix(step, view.scaleX, view.scaleY, c ? view.scaleX : view.scaleZ);
    MultiplyMatrix(m, step, m);
}

void RenderScene3d(const CView3dState& view, const CScene3d& scene)
{
    LoadProjection3d(view);
    glClearColor(kScene3dBackground, kScene3dBackground, kScene3dBackground, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    glEnable(GL_POLYGON_OFFSET_LINE);
    glPolygonOffset(-0.5f, 1.0f);
    // Every face and line is shown in its own flat colour.
    glDisable(GL_LIGHTING);

    const bool c = scene.cylinder;
    glPushMatrix();
    double model[16];
    SceneModelMatrix3d(view, scene, model);
    glMultMatrixd(model);

    if (HasDevice(scene) && !scene.drawingLock) DrawDevice(view, scene);

    glDisable(GL_LIGHTING);
    DrawSelection3d(scene, view.scaleZ, float(view.dist * 0.03333333333333333));

    glPushMatrix();
    glScalef(1, 1, 1.0f / (c ? view.scaleX : view.scaleZ));
    const float o = float(-0.04 * view.dist);
    glTranslatef(o, o, o);
    DrawAxisLabels3d(-10.0f * o, c, scene.font);
    glPopMatrix();

    glPopMatrix();
}
