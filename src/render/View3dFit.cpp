#include "render/View3dFit.h"

#include "model/ZSegment.h"
#include "render/PolarDrawing.h"
#include "render/ProjectionMatrix.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace {

// Share of the half window the device may fill: a border of about a tenth stays free.
constexpr double kFill = 0.9;
// Far plane as a multiple of the camera distance, as Zoom Origin sets it.
constexpr double kFarFactor = 50.0;
// Average advance of a label glyph, in the font's em height.
constexpr double kGlyphAdvance = 0.75;

CPoint3f Transform(const double m[16], const CPoint3f& p)
{
    return CPoint3f(float(m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12]),
                    float(m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13]),
                    float(m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14]));
}

void AddPrismCorners(const CLayerRec& layer, double angle, std::vector<CPoint3f>& points)
{
    for (const CPoint3f* c : {&layer.m_A, &layer.m_B, &layer.m_C, &layer.m_D})
        for (float z : {layer.m_fZFrom, layer.m_fZTo}) points.push_back(RotatedPoint(CPoint3f(c->x, c->y, z), angle));
}

// The angles at which a sweep from a0 to a1 degrees is sampled: the ends of its facets, or once
// round the circle for a sweep of a full turn or more (which covers every direction).
std::vector<double> SweepAngles(double a0, double a1)
{
    std::vector<double> angles;
    if (!std::isfinite(a0) || !std::isfinite(a1)) return angles;
    if (a1 - a0 >= 360.0) {
        for (double a = 0.0; a <= 360.0; a += 8.0) angles.push_back(a);
        return angles;
    }
    for (const CAnglePiece& piece : SplitAngleRange(a0, a1)) {
        angles.push_back(piece.from);
        angles.push_back(piece.to);
    }
    return angles;
}

// A layer in cylinder coordinates: its outline swept over its z range read as degrees.
void AddCylinderCorners(const CLayerRec& layer, double angle, std::vector<CPoint3f>& points)
{
    const std::vector<double> angles = SweepAngles(layer.m_fZFrom, layer.m_fZTo);
    for (const CPoint3f* c : {&layer.m_A, &layer.m_B, &layer.m_C, &layer.m_D})
        for (double a : angles) points.push_back(RotatedPoint(PolarPoint(c->x, c->y, a, 1.0), angle));
}

// The axis triad as RenderScene3d draws it for the camera distance `dist`, in the scene's model
// coordinates: its arrow tips and the boxes of its labels of at most `longestLabel` glyphs (glyphs
// measured as an average advance; a label runs from its descenders to one em above its base line).
std::vector<CPoint3f> TriadPoints(bool cylinder, size_t longestLabel, double scaleAlongZ, double dist)
{
    const double o = -0.04 * dist, L = -10.0 * o, s = 0.25 * L;
    std::vector<std::array<double, 3>> local = {{0, 0, 0}, {L, 0, 0}, {0, L, 0}, {0, 0, L}};
    const auto width = [s](const char* text) { return s * kGlyphAdvance * double(std::strlen(text)); };
    const auto shown = [longestLabel](const char* text) { return std::strlen(text) <= longestLabel; };
    const char* xLabel = cylinder ? "R(angle=0)" : "+x";
    const char* yLabel = cylinder ? "+z" : "+y";
    const char* zLabel = cylinder ? "R(angle=270)" : "+z";
    const double below = -0.25 * s, above = s;
    // x's label along +x at the x tip, y's left of the y tip, z's along +z at the z tip.
    for (double y : {-0.05 * L + below, -0.05 * L + above}) {
        if (shown(xLabel)) {
            local.push_back({L, y, 0});
            local.push_back({L + width(xLabel), y, 0});
        }
        if (shown(zLabel)) {
            local.push_back({0, y, L});
            local.push_back({0, y, L + width(zLabel)});
        }
    }
    if (shown(yLabel))
        for (double y : {0.9 * L + below, 0.9 * L + above}) {
            local.push_back({-0.3 * L, y, 0});
            local.push_back({-0.3 * L + width(yLabel), y, 0});
        }
    std::vector<CPoint3f> points;
    for (const auto& p : local)
        points.emplace_back(float(p[0] + o), float(p[1] + o), float((p[2] + o) / scaleAlongZ));
    return points;
}

// The frame RenderScene3d draws around the current z-segment for the camera distance `dist`.
std::vector<CPoint3f> SelectionFramePoints(const CScene3d& scene, float scaleZ, double dist)
{
    std::vector<CPoint3f> points;
    CSelectionBox3d box;
    if (!SelectionBox3d(scene, scaleZ, float(dist * 0.03333333333333333), box)) return points;
    const double angle = (*scene.segments)[scene.currentZSeg - 1].GetAngle();
    for (float x : {box.x0, box.x1})
        for (float y : {box.y0, box.y1}) {
            if (scene.cylinder) {
                for (double a : SweepAngles(box.z0, box.z1)) points.push_back(RotatedPoint(PolarPoint(x, y, a, 1.0), angle));
            } else {
                for (float z : {box.z0, box.z1}) points.push_back(RotatedPoint(CPoint3f(x, y, z), angle));
            }
        }
    return points;
}

struct CWindowBox {
    double x0 = 1e300, x1 = -1e300, y0 = 1e300, y1 = -1e300;
    double zNear = -1e300, zFar = 1e300; // largest and least depth towards the eye
    void Add(double x, double y, double z)
    {
        x0 = std::min(x0, x);
        x1 = std::max(x1, x);
        y0 = std::min(y0, y);
        y1 = std::max(y1, y);
        zNear = std::max(zNear, z);
        zFar = std::min(zFar, z);
    }
};

// The points as the camera sees them in the plane through the origin: unchanged in the parallel
// camera; in the perspective one enlarged or shrunk by their depth, with the eye eyeFactor x dist
// in front of the origin and the near plane dist in front of the eye.
CWindowBox WindowBox(const std::vector<CPoint3f>& turned, const CView3dState& view, double dist)
{
    CWindowBox box;
    const double eye = view.eyeFactor * dist;
    for (const CPoint3f& q : turned) {
        const double k = view.parallel ? 1.0 : eye / std::max(eye - q.z, 1e-9 * eye);
        box.Add(q.x * k, q.y * k, q.z);
    }
    return box;
}

// The camera distance the box needs: its half height, or its half width over the aspect, as the
// filled share of the window; and the device between the near and the far plane.
double NeededDistance(const CWindowBox& box, const CView3dState& view, double aspect)
{
    const double half = std::max((box.y1 - box.y0) / 2.0, (box.x1 - box.x0) / 2.0 / aspect) / kFill;
    const double nearNeeds = box.zNear / (view.eyeFactor - 1.0) * 1.05;
    const double farNeeds = -box.zFar / (kFarFactor - view.eyeFactor) * 1.05;
    return std::max({half, nearNeeds, farNeeds});
}

}  // namespace

std::vector<CPoint3f> DeviceCorners3d(const CScene3d& scene)
{
    std::vector<CPoint3f> points;
    if (!scene.segments) return points;
    const int n = std::min(scene.segmentsInUse, int(scene.segments->size()));
    for (int i = 0; i < n; ++i) {
        const CZSegment& segment = (*scene.segments)[i];
        for (const CColumnRec& column : segment.GetColumns())
            for (int r = 0; r < column.GetLayersInUse(); ++r) {
                if (scene.cylinder)
                    AddCylinderCorners(column.GetLayer(r), segment.GetAngle(), points);
                else
                    AddPrismCorners(column.GetLayer(r), segment.GetAngle(), points);
            }
    }
    return points;
}

namespace {

// The distance that shows the turned device points, the triad and the frame of the current
// z-segment, found by growing it until what it shows fits (the triad, the frame's margin and the
// perspective all depend on it); false when the triad grows faster than the view, as long labels
// do in a narrow pane.
bool FitDistance(const CView3dState& view, const CScene3d& scene, const double model[16],
                 const std::vector<CPoint3f>& device, size_t longestLabel, double aspect, double& dist,
                 CWindowBox& box)
{
    const double scaleAlongZ = scene.cylinder ? view.scaleX : view.scaleZ;
    const auto neededAt = [&](double d) {
        std::vector<CPoint3f> turned = device;
        for (const CPoint3f& p : TriadPoints(scene.cylinder, longestLabel, scaleAlongZ, d))
            turned.push_back(Transform(model, p));
        for (const CPoint3f& p : SelectionFramePoints(scene, view.scaleZ, d)) turned.push_back(Transform(model, p));
        box = WindowBox(turned, view, d);
        return NeededDistance(box, view, aspect);
    };
    // Start from what the device alone needs seen without perspective, then widen the view in
    // small steps (larger ones while far too close) until it shows everything: the least distance
    // that does, within a step.
    CView3dState flat = view;
    flat.parallel = true;
    dist = std::max(NeededDistance(WindowBox(device, flat, 1.0), flat, aspect), 1e-6);
    for (int step = 0; step < 400 && std::isfinite(dist); ++step) {
        const double needed = neededAt(dist);
        if (!std::isfinite(needed)) return false;
        if (needed <= dist) return true;
        dist = std::min(std::max(needed, dist * 1.02), dist * 2.0);
    }
    return false;
}

}  // namespace

void FitPointsInView3d(CView3dState& view, const CScene3d& scene, const std::vector<CPoint3f>& points, int width,
                       int height)
{
    if (points.empty()) return;
    const double aspect = double(std::max(width, 1)) / double(std::max(height, 1));
    double model[16];
    SceneModelMatrix3d(view, scene, model);
    std::vector<CPoint3f> device;
    for (const CPoint3f& p : points) device.push_back(Transform(model, p));

    double dist = 0.0;
    CWindowBox box;
    // Every label when they fit; else the short axis names only; else the arrows alone.
    bool fitted = false;
    for (size_t longestLabel : {size_t(100), size_t(2), size_t(0)})
        if ((fitted = FitDistance(view, scene, model, device, longestLabel, aspect, dist, box))) break;
    if (!fitted) return;
    view.dist = dist;
    view.nearPlane = dist;
    view.farPlane = kFarFactor * dist;
    // The window's centre on the centre of what it shows (the plane moves by -tx, -ty).
    view.tx = float(-(box.x0 + box.x1) / 2.0);
    view.ty = float(-(box.y0 + box.y1) / 2.0);
}

bool ProjectToWindow3d(const CView3dState& view, const CScene3d& scene, const CPoint3f& point, double& x, double& y)
{
    double model[16], m[16], mvp[16];
    SceneModelMatrix3d(view, scene, model);
    MultiplyMatrix(view.modelview, model, m);
    MultiplyMatrix(view.projection, m, mvp);
    const double p[4] = {point.x, point.y, point.z, 1.0};
    double clip[4];
    for (int r = 0; r < 4; ++r) clip[r] = mvp[r] * p[0] + mvp[4 + r] * p[1] + mvp[8 + r] * p[2] + mvp[12 + r] * p[3];
    if (clip[3] <= 0.0) return false;
    x = clip[0] / clip[3];
    y = clip[1] / clip[3];
    return true;
}
