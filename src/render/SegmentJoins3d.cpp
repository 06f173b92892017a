#include "render/SegmentJoins3d.h"

#include "model/ColumnRec.h"
#include "model/ZSegment.h"

#include <GL/gl.h>

#include <algorithm>

namespace {

// Gaps along z up to this size are no gaps: nothing closes them.
constexpr double kLeastGap = 1e-5;

int PairCount(const std::vector<CZSegment>& segments, int segmentsInUse)
{
    return std::min(segmentsInUse, int(segments.size())) - 1;
}

bool HasGap(const CZSegment& a, const CZSegment& b) { return b.m_Params.m_dZFrom - a.m_Params.m_dZTo > kLeastGap; }

CPoint3f At(const CPoint3f& p, float z) { return CPoint3f(p.x, p.y, z); }

CPoint3f Lifted(CPoint3f p, float dy)
{
    p.y += dy;
    return p;
}

// One quad: a, b turned by the first angle, then c, d by the second.
void JoinQuad(const CPoint3f& a, const CPoint3f& b, double angleAB, const CPoint3f& c, const CPoint3f& d,
              double angleCD)
{
    RotatedVertex(a, angleAB);
    RotatedVertex(b, angleAB);
    RotatedVertex(c, angleCD);
    RotatedVertex(d, angleCD);
}

// The end points of every taper edge of a z-segment, two per marked column.
std::vector<CPoint3f> TaperEdgePoints(const CZSegment& segment, bool front)
{
    std::vector<CPoint3f> points;
    for (int j = 0; j < segment.GetColumnCount(); ++j) {
        CPoint3f p, q;
        if (segment.GetColumnBaseLine(j, p, q, front)) {
            points.push_back(p);
            points.push_back(q);
        }
    }
    return points;
}

// A bar thickness the contact-range queries can read.
class CFixedBarThickness : public IContactBarThickness {
public:
    explicit CFixedBarThickness(float t) : m_t(t) {}
    float GetContactBarThickness() const override { return m_t; }

private:
    float m_t;
};

// The four side faces of the frustum between the bar ends p (turned by a0) and q (turned by a1).
void DrawLink(const CPoint3f p[4], double a0, const CPoint3f q[4], double a1)
{
    glColor4f(0, 0, 0, kContactLinkAlpha);
    glBegin(GL_QUADS);
    for (int n = 0; n < 4; ++n) {
        const int m = (n + 1) % 4;
        JoinQuad(p[n], p[m], a0, q[m], q[n], a1);
    }
    glEnd();
}

enum class ERange { Bottom, Top };

void DrawRangeLinks(const CZSegment& a, const CZSegment& b, const CFixedBarThickness& t, ERange kind)
{
    const bool top = kind == ERange::Top;
    const int count = top ? a.GetTopContactCount() : a.GetBottomContactCount();
    for (int k = 0; k < count; ++k) {
        CPoint3f p[4], q[4];
        const bool found = top ? a.GetTopContactGeometry(k, p, t, true) && b.GetTopContactGeometry(k, q, t, false)
                               : a.GetBottomContactGeometry(k, p, t, true) && b.GetBottomContactGeometry(k, q, t, false);
        if (!found) continue;
        bool continuing = false;
        if (top) {
            CTopContact next;
            continuing = b.GetTopContact(k, next) && next.m_nLink != 0;
        } else {
            CBottomContact next;
            continuing = b.GetBottomContact(k, next) && next.m_nLink != 0;
        }
        if (continuing) DrawLink(p, a.GetAngle(), q, b.GetAngle());
    }
}

void DrawSideLinks(const CZSegment& a, const CZSegment& b, const CSideBarCorners& barsA, const CSideBarCorners& barsB,
                   int side)
{
    const int count = side == 0 ? a.GetLeftContactFaces() : a.GetRightContactFaces();
    for (int k = 0; k < count; ++k) {
        const auto& from = barsA[side];
        const auto& to = barsB[side];
        if (k >= int(from.size()) || k >= int(to.size()) || from[k].size() != 8 || to[k].size() != 8) continue;
        CContactRec next;
        const bool found = side == 0 ? b.GetLeftContactQuads(k, next) : b.GetRightContactQuads(k, next);
        if (!found || next.m_nLink == 0) continue;
        // The end of a's bar at its front z, the start of b's at its back z.
        DrawLink(&from[k][4], a.GetAngle(), &to[k][0], b.GetAngle());
    }
}

} // namespace

bool GetColumnTopEdge(const CZSegment& segment, int column, bool front, CPoint3f& a, CPoint3f& b)
{
    if (column < 0 || column >= segment.GetColumnCount()) return false;
    const CColumnRec& col = segment.GetColumn(column);
    if (!col.HasRow(0) || col.GetLayer(0).IsEmpty()) return false;
    int row = 0;
    while (col.HasRow(row + 1) && !col.GetLayer(row + 1).IsEmpty()) ++row;
    const CLayerRec& l = col.GetLayer(row);
    const float z = front ? l.m_fZTo : l.m_fZFrom;
    a = At(l.m_A, z);
    b = At(l.m_D, z);
    return true;
}

bool GetColumnBottomEdge(const CZSegment& segment, int column, bool front, CPoint3f& a, CPoint3f& b)
{
    if (column < 0 || column >= segment.GetColumnCount()) return false;
    const CColumnRec& col = segment.GetColumn(column);
    if (!col.HasRow(0) || col.GetLayer(0).IsEmpty()) return false;
    const CLayerRec& l = col.GetLayer(0);
    const float z = front ? l.m_fZTo : l.m_fZFrom;
    a = At(l.m_C, z);
    b = At(l.m_B, z);
    return true;
}

bool IsColumnJoined(const std::vector<CZSegment>& segments, int segmentsInUse, int i, int column)
{
    if (PairCount(segments, segmentsInUse) < 1 || i < 0 || i >= PairCount(segments, segmentsInUse) || column < 0)
        return false;
    CPoint3f p, q;
    return segments[i].GetColumnBaseLine(column, p, q, true) && segments[i + 1].GetColumnBaseLine(column, p, q, true);
}

void DrawTaperFaces3d(const std::vector<CZSegment>& segments, int segmentsInUse)
{
    for (int i = 0; i < PairCount(segments, segmentsInUse); ++i) {
        const CZSegment &sa = segments[i], &sb = segments[i + 1];
        const std::vector<CPoint3f> a = TaperEdgePoints(sa, true), b = TaperEdgePoints(sb, false);
        if (a.size() != b.size() || a.empty()) continue;
        glColor3ub(255, 255, 255);
        glBegin(GL_QUADS);
        for (size_t k = 0; k + 1 < a.size(); k += 2) JoinQuad(a[k], a[k + 1], sa.GetAngle(), b[k + 1], b[k], sb.GetAngle());
        glEnd();
    }
}

void DrawSegmentJunctions3d(const std::vector<CZSegment>& segments, int segmentsInUse)
{
    if (segmentsInUse < 1) return;
    glColor4f(kJunctionGrey, kJunctionGrey, kJunctionGrey, kJunctionAlpha);
    glBegin(GL_QUADS);
    for (int i = 0; i < PairCount(segments, segmentsInUse); ++i) {
        const CZSegment &sa = segments[i], &sb = segments[i + 1];
        if (!HasGap(sa, sb)) continue;
        for (int j = 0; j < sa.GetColumnCount(); ++j) {
            CPoint3f a, b, c, d;
            // Just under the top edges, and well above the bottom edges, so they do not fight the
            // layers' own faces there.
            if (GetColumnTopEdge(sa, j, true, a, b) && GetColumnTopEdge(sb, j, false, c, d))
                JoinQuad(Lifted(a, -0.002f), Lifted(b, -0.002f), sa.GetAngle(), Lifted(d, -0.002f),
                         Lifted(c, -0.002f), sb.GetAngle());
            if (GetColumnBottomEdge(sa, j, true, a, b) && GetColumnBottomEdge(sb, j, false, c, d))
                JoinQuad(Lifted(a, 0.2f), Lifted(b, 0.2f), sa.GetAngle(), Lifted(d, 0.2f), Lifted(c, 0.2f),
                         sb.GetAngle());
        }
    }
    glEnd();
    DrawJunctionSideFaces3d(segments, segmentsInUse);
}

void DrawJunctionSideFaces3d(const std::vector<CZSegment>& segments, int segmentsInUse)
{
    glBegin(GL_QUADS);
    for (int i = 0; i < PairCount(segments, segmentsInUse); ++i) {
        const CZSegment &sa = segments[i], &sb = segments[i + 1];
        if (!HasGap(sa, sb)) continue;
        const int columns = std::min(sa.GetColumnCount(), sb.GetColumnCount());
        for (int j = 0; j < columns; ++j) {
            const CColumnRec &ca = sa.GetColumn(j), &cb = sb.GetColumn(j);
            const int rows = std::min(ca.GetLayersInUse(), cb.GetLayersInUse());
            const bool left = IsColumnJoined(segments, segmentsInUse, i, j - 1);
            const bool right = IsColumnJoined(segments, segmentsInUse, i, j);
            for (int k = 0; k < rows; ++k) {
                const CLayerRec &la = ca.GetLayer(k), &lb = cb.GetLayer(k);
                if (la.IsEmpty() || lb.IsEmpty()) continue;
                const float za = la.m_fZTo, zb = lb.m_fZFrom;
                if (!left)
                    JoinQuad(At(la.m_C, za), At(la.m_A, za), sa.GetAngle(), At(lb.m_A, zb), At(lb.m_C, zb),
                             sb.GetAngle());
                if (!right)
                    JoinQuad(At(la.m_B, za), At(la.m_D, za), sa.GetAngle(), At(lb.m_D, zb), At(lb.m_B, zb),
                             sb.GetAngle());
            }
        }
    }
    glEnd();
}

void DrawContactLinks3d(const std::vector<CZSegment>& segments, int segmentsInUse, float thickness,
                        const std::vector<CSideBarCorners>& sideBars)
{
    const CFixedBarThickness t(thickness);
    for (int i = 0; i < PairCount(segments, segmentsInUse); ++i) {
        const CZSegment &sa = segments[i], &sb = segments[i + 1];
        if (sa.m_Params.m_strTaperLink == "no") continue;
        DrawRangeLinks(sa, sb, t, ERange::Bottom);
        DrawRangeLinks(sa, sb, t, ERange::Top);
        if (i + 1 < int(sideBars.size())) {
            DrawSideLinks(sa, sb, sideBars[i], sideBars[i + 1], 0);
            DrawSideLinks(sa, sb, sideBars[i], sideBars[i + 1], 1);
        }
    }
}
