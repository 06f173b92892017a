#pragma once
// Point and vector routines of the mesh plot and the layer drawing. The point routines work in
// the plane: they compute in double precision, store in single precision and always give z 0.

#include "model/Point3f.h"

// (x - dx, y - dy, 0).
CPoint3f PointMinus(const CPoint3f& p, double dx, double dy, double dz);
// (x + dx, y + dy, 0).
CPoint3f PointPlus(const CPoint3f& p, double dx, double dy, double dz);
// (x s, y s, 0).
CPoint3f PointScale(const CPoint3f& p, double s);

// Stateless vector operations.
class CGeomHelper {
public:
    virtual ~CGeomHelper() = default;

    // Divides each value by the vector's length; a zero vector stays as it is.
    static void Normalize(float& x, float& y, float& z);
    // The distance of the (x, y) parts.
    static double Distance2D(const CPoint3f& a, const CPoint3f& b);
    // The unit normal, in the plane, of the direction's (x, y) part: (0, 1) for a direction
    // along x, (1, 0) for one along y, else (1, -x/y) normalised; z is 0.
    static void UnitDirection(float x, float y, float z, CPoint3f& out);
};
