#include "render/SideContactDrawing.h"

#include "model/ZSegment.h"
#include "render/PolarDrawing.h"

#include <GL/gl.h>

#include <cmath>

namespace {

struct Vec2 {
    float x, y;
};

// Unit normal of the direction d, pointing to +x for a slanted or vertical edge (to +y for a
// horizontal one).
Vec2 UnitNormal(Vec2 d)
{
    if (std::fabs(d.y) <= 1e-5f) return {0, 1};
    if (std::fabs(d.x) <= 1e-5f) return {1, 0};
    const float nx = 1.0f, ny = -d.x / d.y;
    const float len = std::sqrt(nx * nx + ny * ny);
    return {nx / len, ny / len};
}

float SideBarThickness(float thickness, bool threeD)
{
    if (threeD && !(thickness >= 0.01f)) return 0.01f; // also NaN
    return thickness;
}

// The four corners of a bar in the plane: on the carrier edge b1, b2 and out of it o1, o2.
struct SideBar {
    Vec2 o1, b1, b2, o2;
};

// outward: -1 for the left face, +1 for the right face. From and to are fractions of `span`
// along the edge e0-e1; without a span there is no place for the bar.
bool ComputeSideBar(const CPoint3f& e0, const CPoint3f& e1, float outward, float span, float from, float to,
                    float t, SideBar& bar)
{
    if (!(span != 0.0f)) return false;
    const Vec2 d{e1.x - e0.x, e1.y - e0.y};
    const Vec2 n = UnitNormal(d);
    const float f1 = from / span, f2 = to / span;
    bar.b1 = {e0.x + d.x * f1, e0.y + d.y * f1};
    bar.b2 = {e0.x + d.x * f2, e0.y + d.y * f2};
    const float s = outward * t;
    bar.o1 = {bar.b1.x + s * n.x, bar.b1.y + s * n.y};
    bar.o2 = {bar.b2.x + s * n.x, bar.b2.y + s * n.y};
    return true;
}

CPoint3f Point(Vec2 p) { return CPoint3f(p.x, p.y, 0); }

void V(Vec2 p, float z) { glVertex3f(p.x, p.y, z); }

// Both end faces, the two faces across the bar and the outer face; the face against the carrier
// edge is hidden by the layer, and the bar has no outline.
void DrawFlatSideBar(const SideBar& b, float z0, float z1)
{
    glDisable(GL_TEXTURE_2D);
    glColor3ub(0, 0, 0);
    glBegin(GL_QUADS);
    for (float z : {z0, z1}) {
        V(b.o1, z);
        V(b.b1, z);
        V(b.b2, z);
        V(b.o2, z);
    }
    V(b.o2, z0);
    V(b.b2, z0);
    V(b.b2, z1);
    V(b.o2, z1);
    V(b.o1, z0);
    V(b.b1, z0);
    V(b.b1, z1);
    V(b.o1, z1);
    V(b.o1, z0);
    V(b.o2, z0);
    V(b.o2, z1);
    V(b.o1, z1);
    glEnd();
}

void DrawSideFace(const CLayerRec& layer, const CPoint3f& e0, const CPoint3f& e1, float outward, float thickness,
                  bool cylinder, float from, float to, float zScale, bool threeD)
{
    SideBar bar;
    const float t = SideBarThickness(thickness, threeD);
    // The positions are heights in the layer's own thickness, spread over the drawn edge.
    if (!ComputeSideBar(e0, e1, outward, layer.m_fHeight, from, to, t, bar)) return;
    const float z0 = zScale * layer.m_fZFrom, z1 = zScale * layer.m_fZTo;
    if (cylinder)
        DrawPolarBox(Point(bar.o1), Point(bar.b1), Point(bar.b2), Point(bar.o2), z0, z1);
    else
        DrawFlatSideBar(bar, z0, z1);
}

// The corners of the same bar with the positions measured along the drawn edge itself.
bool SideFaceCorners(const CLayerRec& layer, const CPoint3f& e0, const CPoint3f& e1, float outward, float thickness,
                     float from, float to, float zScale, bool threeD, CPoint3f corners[8])
{
    SideBar bar;
    const float edge = std::hypot(e1.x - e0.x, e1.y - e0.y);
    if (!ComputeSideBar(e0, e1, outward, edge, from, to, SideBarThickness(thickness, threeD), bar)) return false;
    const float z[2] = {zScale * layer.m_fZFrom, zScale * layer.m_fZTo};
    for (int i = 0; i < 2; ++i) {
        int k = 4 * i;
        for (Vec2 p : {bar.o1, bar.b1, bar.b2, bar.o2}) corners[k++] = CPoint3f(p.x, p.y, z[i]);
    }
    return true;
}

} // namespace

bool SideFaceCornersLow(const CLayerRec& layer, float thickness, float from, float to, float zScale, bool threeD,
                        CPoint3f corners[8])
{
    return SideFaceCorners(layer, layer.m_C, layer.m_A, -1.0f, thickness, from, to, zScale, threeD, corners);
}

bool SideFaceCornersHigh(const CLayerRec& layer, float thickness, float from, float to, float zScale, bool threeD,
                         CPoint3f corners[8])
{
    return SideFaceCorners(layer, layer.m_B, layer.m_D, 1.0f, thickness, from, to, zScale, threeD, corners);
}

void DrawSideFaceLow(const CLayerRec& layer, float thickness, bool cylinder, float from, float to, float zScale,
                     bool threeD)
{
    DrawSideFace(layer, layer.m_C, layer.m_A, -1.0f, thickness, cylinder, from, to, zScale, threeD);
}

void DrawSideFaceHigh(const CLayerRec& layer, float thickness, bool cylinder, float from, float to, float zScale,
                      bool threeD)
{
    DrawSideFace(layer, layer.m_B, layer.m_D, 1.0f, thickness, cylinder, from, to, zScale, threeD);
}

bool SideContactCarriers(const CZSegment& segment, int row, int& low, int& high)
{
    const CSharedColumns& columns = segment.GetColumns();
    low = high = -1;
    for (int c = 0; c < int(columns.size()); ++c) {
        if (!columns[c].HasRow(row) || columns[c].GetLayer(row).IsEmpty()) continue;
        if (low < 0) low = c;
        high = c;
    }
    return low >= 0;
}

void DrawSideContacts2d(const CZSegment& segment, float thickness)
{
    for (const CContactList& group : segment.m_SideContacts) {
        const int row = group.m_nRow;
        int low = -1, high = -1;
        if (!SideContactCarriers(segment, row, low, high)) continue;
        for (const CContactRec& contact : group.m_Contacts) {
            if (contact.m_nSide == 0)
                DrawSideFaceLow(segment.GetColumn(low).GetLayer(row), thickness, false, contact.m_fFrom,
                                contact.m_fTo, 1.0f, false);
            else if (contact.m_nSide == 1)
                DrawSideFaceHigh(segment.GetColumn(high).GetLayer(row), thickness, false, contact.m_fFrom,
                                 contact.m_fTo, 1.0f, false);
        }
    }
}
