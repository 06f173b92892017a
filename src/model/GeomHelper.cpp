#include "model/GeomHelper.h"

#include <cmath>

CPoint3f PointMinus(const CPoint3f& p, double dx, double dy, double /*dz*/)
{
    return CPoint3f(float(double(p.x) - dx), float(double(p.y) - dy), 0.0f);
}

CPoint3f PointPlus(const CPoint3f& p, double dx, double dy, double /*dz*/)
{
    return CPoint3f(float(double(p.x) + dx), float(double(p.y) + dy), 0.0f);
}

CPoint3f PointScale(const CPoint3f& p, double s)
{
    return CPoint3f(float(double(p.x) * s), float(double(p.y) * s), 0.0f);
}

void CGeomHelper::Normalize(float& x, float& y, float& z)
{
    double length = std::sqrt(double(x) * x + double(y) * y + double(z) * z);
    if (length == 0.0)
        length = 1.0;
    x = float(x / length);
    y = float(y / length);
    z = float(z / length);
}

double CGeomHelper::Distance2D(const CPoint3f& a, const CPoint3f& b)
{
    const double dx = double(a.x) - b.x;
    const double dy = double(a.y) - b.y;
    return std::sqrt(dx * dx + dy * dy);
}

void CGeomHelper::UnitDirection(float x, float y, float /*z*/, CPoint3f& out)
{
    constexpr float kAlongAxis = 0.00001f;
    float nz = 0.0f;
    Normalize(x, y, nz);
    if (std::fabs(y) <= kAlongAxis) {
        out = CPoint3f(0.0f, 1.0f, 0.0f);
        return;
    }
    if (std::fabs(x) <= kAlongAxis) {
        out = CPoint3f(1.0f, 0.0f, 0.0f);
        return;
    }
    float ox = 1.0f, oy = -x / y, oz = 0.0f;
    Normalize(ox, oy, oz);
    out = CPoint3f(ox, oy, 0.0f);
}
