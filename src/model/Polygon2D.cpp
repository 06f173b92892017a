#include "model/Polygon2D.h"

#include <algorithm>

void CPolygon2D::SetPoints(const std::vector<CPoint3f>& points)
{
    FreePoints();
    if (points.empty())
        return;
    m_Ring.reserve(points.size() + 1);
    for (const CPoint3f& p : points)
        m_Ring.emplace_back(p.x, p.y, 0.0f);
    m_Ring.push_back(m_Ring.front());
    m_fMinY = m_fMaxY = m_Ring.front().y;
    m_fMaxX = m_Ring.front().x;
    for (const CPoint3f& p : m_Ring) {
        m_fMinY = std::min(m_fMinY, p.y);
        m_fMaxY = std::max(m_fMaxY, p.y);
        m_fMaxX = std::max(m_fMaxX, p.x);
    }
}

void CPolygon2D::FreePoints() { m_Ring.clear(); }

bool CPolygon2D::Contains(double x, double y) const
{
    if (m_Ring.empty())
        return false;
    const float px = float(x), py = float(y);
    if (py <= m_fMinY || py > m_fMaxY || px > m_fMaxX)
        return false;
    const size_t ringSize = m_Ring.size();
    int crossings = 0;
    CPoint3f p1 = m_Ring[0];
    for (size_t i = 1; i <= ringSize; ++i) {
        const CPoint3f& p2 = m_Ring[i % ringSize];
        if (py > std::min(p1.y, p2.y) && py <= std::max(p1.y, p2.y) && px <= std::max(p1.x, p2.x) &&
            p1.y != p2.y) {
            if (p1.x == p2.x)
                ++crossings;
            else if (px <= (py - p1.y) * (p2.x - p1.x) / (p2.y - p1.y) + p1.x)
                ++crossings;
        }
        p1 = p2;
    }
    return crossings % 2 == 1;
}
