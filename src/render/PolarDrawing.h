#pragma once
// Cylinder coordinates for the 3-D drawing: a model x is a radius, y the height along the
// cylinder axis, and a z range a range of angles in degrees, drawn as flat facets of at most 8
// degrees. The polar plane is the x-z plane of the model: angle 0 points along +x, 270 along +z.

#include "model/LayerRec.h"
#include "model/Point3f.h"

#include <vector>

// Degrees to x and y, with the angle's sign turned (pi taken as 3.1415926, as the facets always were).
void PolarToCartesian(double angle, double radius, double& x, double& y);

// The model point of radius r (times the radius scale s), height h and angle a.
CPoint3f PolarPoint(double r, double h, double a, double s);

// Emits PolarPoint(r, h, a, s) as one vertex.
void PolarVertex(double r, double h, double a, double s);

struct CAnglePiece {
    double from, to;
};

// The facets of an angle range: trunc((a1 - a0) / 8 + 1) pieces 8 degrees wide from a0, the last
// cut at a1 (so a range that is a multiple of 8 ends with a piece of no width); none for a
// negative range, one piece a0..a0 for an empty one.
std::vector<CAnglePiece> SplitAngleRange(double a0, double a1);

// A black box swept from angle a0 to a1, with grey edges masked by the stencil: p0..p3 is its
// cross-section (z unused). The side p3-p0 is not drawn: for a contact bar it lies on its carrier.
// Leaves the edge state in force (stencil NOTEQUAL 1, smoothing and blending on).
void DrawPolarBox(const CPoint3f& p0, const CPoint3f& p1, const CPoint3f& p2, const CPoint3f& p3, double a0,
                  double a1);

// A layer in cylinder coordinates: its outline (x the radius times radiusScale, y the height)
// swept from its back z to its front z read as angles, one flat facet of at most 8 degrees after
// the other. Every facet has its front face at its upper angle and, unless noSides, its back face
// at its lower angle and the four faces between, all in the layer's fill colour with the stencil
// marked. No outline is drawn; the masked edge state is left in force with polygon mode LINE.
void DrawCylinderLayer(const CLayerRec& layer, float radiusScale, bool noSides);
