#pragma once
// The framing of the 3-D view's start: after Zoom Origin has turned the camera to its start
// (rotation, eye factor, zoom 1, a long device squeezed along z), the pan and the camera distance
// are chosen so that the whole device - every z-segment in use turned by its angle, in prisms or
// in cylinder coordinates, with the frame of the current z-segment, the axis triad and, where they
// fit, its labels - lies inside the pane with a margin,
// in the parallel and in the perspective camera alike.

#include "model/Point3f.h"
#include "render/Scene3d.h"
#include "render/View3dState.h"

#include <vector>

// The points the frame must show, in the scene's model coordinates (before its model transform):
// the corners of every layer of every z-segment in use, turned by the z-segment's angle (in
// cylinder mode the layer's outline swept over its angle range).
std::vector<CPoint3f> DeviceCorners3d(const CScene3d& scene);

// Pan (tx, ty), camera distance and clipping planes so that `points` and the axis triad lie inside
// a client area of width x height pixels with the scene drawn as RenderScene3d draws it. Nothing
// changes without points.
void FitPointsInView3d(CView3dState& view, const CScene3d& scene, const std::vector<CPoint3f>& points, int width,
                       int height);

// Where a model point lands in the window, as normalised device coordinates (-1..1 across the
// viewport), with the view's matrices as SetProjection3d left them; false behind the eye.
bool ProjectToWindow3d(const CView3dState& view, const CScene3d& scene, const CPoint3f& point, double& x, double& y);
