#include "render/LayerDrawing.h"
#include "render/PolarDrawing.h"
#include "render/StencilEdges.h"
#include "render/VertexArrays.h"

#include <cmath>

namespace {

const CRgb kEmptyColour{176, 216, 255};
const CRgb kSelectedColour{60, 60, 60};
const CRgb kHighlightColour{255, 255, 255};
const CRgb kDropTargetColour{255, 0, 0};
// A colour index outside the table (the document keeps it within 0..22) is drawn mid grey.
const CRgb kUnknownColour{128, 128, 128};

void SetColour(CRgb c) { glColor3ub(c.r, c.g, c.b); }

void Vertex(const CPoint3f& p, float z) { glVertex3f(p.x, p.y, z); }

void BindPattern(const CLayerRec& layer, const GLuint* names)
{
    if (layer.IsEmpty()) {
        glDisable(GL_TEXTURE_2D);
        return;
    }
    glEnable(GL_TEXTURE_2D);
    if (names && layer.m_nPattern >= 0 && layer.m_nPattern < kTextureNameCount)
        glBindTexture(GL_TEXTURE_2D, names[layer.m_nPattern]);
}

// Texture coordinates of the four corners (lower-left, lower-right, upper-right, upper-left).
struct TexCoords {
    float ll[2], lr[2], ur[2], ul[2];
};

TexCoords LayerTexCoords(const CLayerRec& layer, float k)
{
    const float h = layer.m_A.y - layer.m_C.y;
    return {{0, 0}, {k * layer.m_fLowerWidth, 0}, {k * layer.m_fUpperWidth, k * h}, {0, k * h}};
}

void FrontFace(const CLayerRec& l, const TexCoords& t, float z)
{
    glBegin(GL_QUADS);
    glNormal3f(0, 0, 1);
    glTexCoord2fv(t.ll);
    Vertex(l.m_C, z);
    glTexCoord2fv(t.lr);
    Vertex(l.m_B, z);
    glTexCoord2fv(t.ur);
    Vertex(l.m_D, z);
    glTexCoord2fv(t.ul);
    Vertex(l.m_A, z);
    glEnd();
}

void BackFace(const CLayerRec& l, const TexCoords& t, float z)
{
    glBegin(GL_QUADS);
    glNormal3f(0, 0, -1);
    glTexCoord2fv(t.ul);
    Vertex(l.m_A, z);
    glTexCoord2fv(t.ur);
    Vertex(l.m_D, z);
    glTexCoord2fv(t.lr);
    Vertex(l.m_B, z);
    glTexCoord2fv(t.ll);
    Vertex(l.m_C, z);
    glEnd();
}

// A side face between the two z planes along the edge p-q.
void SideQuad(const CPoint3f& p, const CPoint3f& q, float zBack, float zFront)
{
    Vertex(p, zBack);
    Vertex(q, zBack);
    Vertex(q, zFront);
    Vertex(p, zFront);
}

void SideFaces(const CLayerRec& l, CRgb colour, float zBack, float zFront)
{
    glBegin(GL_QUADS);
    SetColour(ShadeColour(colour, 0.77));
    glNormal3f(0, 1, 0);
    SideQuad(l.m_A, l.m_D, zBack, zFront);
    glNormal3f(0, -1, 0);
    SideQuad(l.m_C, l.m_B, zBack, zFront);
    SetColour(ShadeColour(colour, 0.72));
    glNormal3f(-1, 0, 0);
    SideQuad(l.m_A, l.m_C, zBack, zFront);
    glNormal3f(1, 0, 0);
    SideQuad(l.m_D, l.m_B, zBack, zFront);
    glEnd();
}

void FaceLoop(const CPoint3f& a, const CPoint3f& b, const CPoint3f& c, const CPoint3f& d, float z)
{
    glBegin(GL_LINE_LOOP);
    Vertex(a, z);
    Vertex(b, z);
    Vertex(c, z);
    Vertex(d, z);
    glEnd();
}

void SideLoop(const CPoint3f& p, const CPoint3f& q, float zBack, float zFront)
{
    glBegin(GL_LINE_LOOP);
    SideQuad(p, q, zBack, zFront);
    glEnd();
}

void SetOutlineState(bool flat, CRgb colour)
{
    if (flat) {
        glColor3ub(0, 0, 0);
        glLineWidth(1.0f);
        return;
    }
    SetColour(ShadeColour(colour, 0.95));
    BeginMaskedSmoothEdges();
    glEnable(GL_POLYGON_OFFSET_LINE);
    glPolygonOffset(-0.5f, 1.0f);
}

} // namespace

namespace {

CRgb FillColour(const CLayerRec& layer, bool empty)
{
    CRgb c = kUnknownColour;
    MaterialIndexColour(layer.m_nColour, c.r, c.g, c.b);
    if (empty) c = kEmptyColour;
    if (layer.m_nSelected) c = kSelectedColour;
    if (layer.m_nWhite) c = kHighlightColour;
    if (layer.m_nRed) c = kDropTargetColour;
    return c;
}

} // namespace

CRgb LayerFillColour(const CLayerRec& layer) { return FillColour(layer, layer.IsEmpty()); }

CRgb ShadeColour(CRgb c, double f)
{
    return {static_cast<unsigned char>(c.r * f), static_cast<unsigned char>(c.g * f),
            static_cast<unsigned char>(c.b * f)};
}

float LayerDepthOffset(const CLayerRec& layer) { return layer.IsEmpty() ? -0.2f : 0.0f; }

bool LayerShowsFrontOutline(const CLayerRec& layer, int currentZSeg)
{
    return (layer.m_wEdgeFlags & EDGE_LAST_ZSEG) || layer.m_nZSeg == currentZSeg - 1;
}

void DrawLayerGL(const CLayerRec& layer, const CLayerDrawOptions& o)
{
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glPushAttrib(GL_ALL_ATTRIB_BITS);

    const CRgb colour = LayerFillColour(layer);
    const float offset = LayerDepthOffset(layer);
    const float zFront = o.zScale * layer.m_fZTo + offset;
    const float zBack = o.zScale * layer.m_fZFrom + offset;
    const bool hasDepth = layer.m_fZFrom != layer.m_fZTo;

    // The pattern texture is bound for the layer but the faces are drawn in flat colour.
    BindPattern(layer, o.textureNames);
    SetColour(colour);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);

    if (!o.flat) MarkStencil();

    const TexCoords tex = LayerTexCoords(layer, o.textureScale);
    FrontFace(layer, tex, zFront);
    if (!o.noSides) {
        BackFace(layer, tex, zBack);
        if (hasDepth) SideFaces(layer, colour, zBack, zFront);
    }

    SetOutlineState(o.flat, colour);
    if (LayerShowsFrontOutline(layer, o.currentZSeg)) FaceLoop(layer.m_A, layer.m_C, layer.m_B, layer.m_D, zFront);
    if (!o.noSides) {
        const unsigned flags = layer.m_wEdgeFlags;
        if (flags & EDGE_FIRST_ZSEG) FaceLoop(layer.m_A, layer.m_D, layer.m_B, layer.m_C, zBack);
        if (hasDepth) {
            if (flags & EDGE_TOP_LAYER) SideLoop(layer.m_A, layer.m_D, zBack, zFront);
            if (flags & EDGE_BOTTOM_LAYER) SideLoop(layer.m_C, layer.m_B, zBack, zFront);
            if (flags & EDGE_LEFT_FACE) SideLoop(layer.m_A, layer.m_C, zBack, zFront);
            if (flags & EDGE_RIGHT_FACE) SideLoop(layer.m_D, layer.m_B, zBack, zFront);
        }
    }

    glPopAttrib();
    glLineWidth(1.0f);
}

void CFlatLayerBatch::Add(const CLayerRec& l, int currentZSeg)
{
    const bool empty = l.IsEmpty();
    const CRgb colour = FillColour(l, empty);
    const float z = l.m_fZTo + LayerDepthOffset(l);
    for (const CPoint3f* p : {&l.m_C, &l.m_B, &l.m_D, &l.m_A}) AppendVertex(m_quads, m_quadRgb, *p, z, colour);
    if (!LayerShowsFrontOutline(l, currentZSeg)) return;
    // The loop upper-left, lower-left, lower-right, upper-right as four separate segments.
    const CPoint3f* loop[5] = {&l.m_A, &l.m_C, &l.m_B, &l.m_D, &l.m_A};
    for (int i = 0; i < 4; ++i)
        for (const CPoint3f* p : {loop[i], loop[i + 1]}) m_lines.insert(m_lines.end(), {p->x, p->y, z});
}

void CFlatLayerBatch::Draw() const
{
    if (m_quads.empty()) return;
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glNormal3f(0, 0, 1);
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    DrawColouredArrays(GL_QUADS, m_quads, m_quadRgb);
    // The outlines are all black: drawn from the vertices alone, in the current colour.
    glDisableClientState(GL_COLOR_ARRAY);
    glColor3ub(0, 0, 0);
    glLineWidth(1.0f);
    if (!m_lines.empty()) {
        glVertexPointer(3, GL_FLOAT, 0, m_lines.data());
        glDrawArrays(GL_LINES, 0, GLsizei(m_lines.size() / 3));
    }
    glPopClientAttrib();
}

void CFlatLayerBatch::Clear()
{
    m_quads.clear();
    m_quadRgb.clear();
    m_lines.clear();
}

namespace {

// Highest (top) or lowest (bottom) non-empty layer in use; null when there is none.
const CLayerRec* ContactCarrier(const CColumnRec& column, bool top)
{
    const int n = column.GetLayersInUse();
    for (int i = 0; i < n; ++i) {
        const CLayerRec& l = column.GetLayer(top ? n - 1 - i : i);
        if (!l.IsEmpty()) return &l;
    }
    return nullptr;
}

float BarThickness(float thickness, bool threeD)
{
    if (threeD && !(thickness >= 0.01f)) return 0.01f; // also NaN
    return thickness;
}

// The five drawn faces of a bar: p0, p1 on the carrier's edge, p2, p3 away from it; the face
// against the carrier is not drawn.
struct BarFace {
    float normal[3];
    float v[4][3];
};

void DrawBar(const float x[2], const float base[2], float t, float zBack, float zFront, bool top, bool threeD)
{
    const float s = top ? t : -t;
    const float p[4][2] = {{x[0], base[0]}, {x[1], base[1]}, {x[1], base[1] + s}, {x[0], base[0] + s}};
    auto at = [&](int i, float z, float out[3]) {
        out[0] = p[i][0];
        out[1] = p[i][1];
        out[2] = z;
    };
    BarFace faces[5] = {{{0, 0, 1}, {}}, {{0, 0, -1}, {}}, {{-1, 0, 0}, {}}, {{1, 0, 0}, {}},
                        {{0, top ? 1.0f : -1.0f, 0}, {}}};
    const int corner[5][4] = {{0, 1, 2, 3}, {3, 2, 1, 0}, {0, 0, 3, 3}, {1, 2, 2, 1}, {3, 3, 2, 2}};
    const bool front[5][4] = {{true, true, true, true},
                              {false, false, false, false},
                              {false, true, true, false},
                              {false, false, true, true},
                              {false, true, true, false}};
    for (int f = 0; f < 5; ++f)
        for (int k = 0; k < 4; ++k) at(corner[f][k], front[f][k] ? zFront : zBack, faces[f].v[k]);

    // The 3-D view masks its outlines with the stencil; the 2-D view has no stencil buffer, so
    // there the full-window clear per bar would only cost time.
    if (threeD) MarkStencil();
    glColor3ub(0, 0, 0);
    glBegin(GL_QUADS);
    for (const BarFace& f : faces) {
        glNormal3fv(f.normal);
        for (const auto& v : f.v) glVertex3fv(v);
    }
    glEnd();
    glColor3f(0.5f, 0.5f, 0.5f);
    for (const BarFace& f : faces) {
        glBegin(GL_LINE_LOOP);
        for (const auto& v : f.v) glVertex3fv(v);
        glEnd();
    }
}

// In cylinder coordinates the bar is a box swept over the z range read as angles, its base level
// at the height of the edge's left end.
void DrawPolarBar(const float x[2], float base, float t, float zBack, float zFront)
{
    DrawPolarBox(CPoint3f(x[0], base, 0), CPoint3f(x[0], base + t, 0), CPoint3f(x[1], base + t, 0),
                 CPoint3f(x[1], base, 0), zBack, zFront);
}

void DrawContacts(const CColumnRec& column, float thickness, float zScale, bool threeD, bool cylinder, bool top)
{
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    const CLayerRec* carrier = ContactCarrier(column, top);
    if (!carrier) return;
    // Bars are drawn in their own colours, whatever texture the view left bound.
    glDisable(GL_TEXTURE_2D);
    const float t = BarThickness(thickness, threeD);
    const CPoint3f& start = top ? carrier->m_A : carrier->m_C; // the edge's left end
    const CPoint3f& stop = top ? carrier->m_D : carrier->m_B;  // its right end
    const float zBack = zScale * carrier->m_fZFrom;
    const float zFront = zScale * carrier->m_fZTo;
    const int count = top ? column.m_Contacts.GetTopCount() : column.m_Contacts.GetBottomCount();
    for (int i = 0; i < count; ++i) {
        const CContactRange& r = top ? static_cast<const CContactRange&>(column.m_Contacts.Top(i))
                                     : static_cast<const CContactRange&>(column.m_Contacts.Bottom(i));
        const float x[2] = {start.x + r.m_fFrom, start.x + r.m_fTo};
        const float base[2] = {start.y, stop.y};
        if (cylinder)
            DrawPolarBar(x, base[0], top ? t : -t, zBack, zFront);
        else
            DrawBar(x, base, t, zBack, zFront, top, threeD);
    }
}

} // namespace

void DrawTopContacts(const CColumnRec& column, float thickness, float zScale, bool threeD, bool cylinder)
{
    DrawContacts(column, thickness, zScale, threeD, cylinder, true);
}

void DrawBottomContacts(const CColumnRec& column, float thickness, float zScale, bool threeD, bool cylinder)
{
    DrawContacts(column, thickness, zScale, threeD, cylinder, false);
}
