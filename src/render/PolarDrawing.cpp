#include "render/PolarDrawing.h"
#include "render/LayerDrawing.h"
#include "render/StencilEdges.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

void PolarToCartesian(double angle, double radius, double& x, double& y)
{
    const double t = angle * -0.017453292222222222;
    x = radius * std::cos(t);
    y = radius * std::sin(t);
}

CPoint3f PolarPoint(double r, double h, double a, double s)
{
    double x = 0, y = 0;
    PolarToCartesian(a, r * s, x, y);
    return CPoint3f(float(x), float(h), float(y));
}

void PolarVertex(double r, double h, double a, double s)
{
    const CPoint3f p = PolarPoint(r, h, a, s);
    glVertex3f(p.x, p.y, p.z);
}

std::vector<CAnglePiece> SplitAngleRange(double a0, double a1)
{
    std::vector<CAnglePiece> pieces;
    const int n = int((a1 - a0) * 0.125 + 1.0);
    for (int i = 0; i < n; ++i) {
        const double b0 = a0 + 8.0 * i;
        const double b1 = std::min(a0 + 8.0 * (i + 1), a1);
        pieces.push_back({b0, b1});
    }
    return pieces;
}

namespace {

void At(const CPoint3f& p, double angle) { PolarVertex(p.x, p.y, angle, 1.0); }

void Quad(const CPoint3f& a, const CPoint3f& b, double angleAB, const CPoint3f& c, const CPoint3f& d, double angleCD)
{
    At(a, angleAB);
    At(b, angleAB);
    At(c, angleCD);
    At(d, angleCD);
}

void Line(const CPoint3f& a, double angleA, const CPoint3f& b, double angleB)
{
    At(a, angleA);
    At(b, angleB);
}

} // namespace

void DrawPolarBox(const CPoint3f& p0, const CPoint3f& p1, const CPoint3f& p2, const CPoint3f& p3, double a0,
                  double a1)
{
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    const std::vector<CAnglePiece> pieces = SplitAngleRange(a0, a1);
    for (size_t i = 0; i < pieces.size(); ++i) {
        const double b0 = pieces[i].from, b1 = pieces[i].to;
        glColor3f(0, 0, 0);
        MarkStencil();
        glBegin(GL_QUADS);
        Quad(p0, p1, b0, p2, p3, b0);
        Quad(p0, p1, b1, p2, p3, b1);
        Quad(p0, p1, b0, p1, p0, b1);
        Quad(p3, p2, b0, p2, p3, b1);
        Quad(p1, p2, b0, p2, p1, b1);
        glEnd();

        BeginMaskedSmoothEdges();
        glColor3f(0.5f, 0.5f, 0.5f);
        glBegin(GL_LINES);
        for (const CPoint3f* p : {&p0, &p3, &p1, &p2}) Line(*p, b0, *p, b1);
        // The end caps' edges, at the two ends of the whole range.
        if (i == 0) {
            Line(p0, b0, p3, b0);
            Line(p1, b0, p2, b0);
        }
        if (i + 1 == pieces.size()) {
            Line(p0, b1, p3, b1);
            Line(p1, b1, p2, b1);
        }
        glEnd();
    }
}

namespace {

void LayerAt(const CPoint3f& p, double angle, double radiusScale) { PolarVertex(p.x, p.y, angle, radiusScale); }

void DrawCylinderPiece(const CLayerRec& l, double b0, double b1, double s, bool noSides)
{
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    const CRgb colour = LayerFillColour(l);
    MarkStencil();
    glDisable(GL_TEXTURE_2D);
    glColor3ub(colour.r, colour.g, colour.b);
    const CPoint3f *A = &l.m_A, *B = &l.m_B, *C = &l.m_C, *D = &l.m_D;
    glBegin(GL_QUADS);
    for (const CPoint3f* p : {C, B, D, A}) LayerAt(*p, b1, s);
    if (!noSides) {
        for (const CPoint3f* p : {A, D, B, C}) LayerAt(*p, b0, s);
        if (b0 != b1) {
            // Top, bottom, left and right between the two angles: corner and angle per vertex.
            const struct {
                const CPoint3f* p;
                bool upper;
            } sides[4][4] = {{{A, false}, {A, true}, {D, true}, {D, false}},
                             {{C, false}, {B, false}, {B, true}, {C, true}},
                             {{A, false}, {C, false}, {C, true}, {A, true}},
                             {{D, false}, {D, true}, {B, true}, {B, false}}};
            for (const auto& side : sides)
                for (const auto& v : side) LayerAt(*v.p, v.upper ? b1 : b0, s);
        }
    }
    glEnd();
    BeginMaskedSmoothEdges();
    glLineWidth(1.0f);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glColor3ub(0, 0, 0);
}

} // namespace

void DrawCylinderLayer(const CLayerRec& layer, float radiusScale, bool noSides)
{
    for (const CAnglePiece& piece : SplitAngleRange(layer.m_fZFrom, layer.m_fZTo))
        DrawCylinderPiece(layer, piece.from, piece.to, radiusScale, noSides);
}
