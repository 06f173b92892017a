#pragma once
// A polygon for point tests: the crossing-number (even-odd) rule on its closed ring of points, in
// single precision. A point on the edge of smallest y (or of smallest x) of a rectangle lies
// outside, one on the edge of largest y (or of largest x) inside, so a point on the line between
// two rows of layers belongs to exactly one of them.

#include "model/Point3f.h"

#include <vector>

class CPolygon2D {
public:
    virtual ~CPolygon2D() = default;

    // Replaces the points; the ring closes itself (its last point repeats the first).
    void SetPoints(const std::vector<CPoint3f>& points);
    void FreePoints();
    int GetPointCount() const { return m_Ring.empty() ? 0 : int(m_Ring.size()) - 1; }
    // True when the point lies inside; a polygon without points contains nothing.
    bool Contains(double x, double y) const;

private:
    std::vector<CPoint3f> m_Ring;  // n + 1 points, z 0
    // Beyond these no edge can count, so such points are outside at once.
    float m_fMinY = 0.0f, m_fMaxY = 0.0f, m_fMaxX = 0.0f;
};
