#include "render/View3dState.h"

#include "render/ProjectionMatrix.h"

#include <algorithm>
#include <cmath>

namespace {

// The factor of Zoom Out and of the pan in Zoom In, as the single-precision value it always was.
constexpr float kTwoThirds = 0.6666667f;

// Cross-sections this small (or none) are not fitted: the camera keeps distance 10.
constexpr float kLeastFittedSize = 0.1f;

// Step 4 of the fit: a long device is looked at from farther away, a short one stretched along z.
void FitToLength(CView3dState& view, float length, float size)
{
    const float r = length / size;
    if (r > 3.0f) {
        view.scaleZ = 3.0f / r;
        view.dist = 1.5 * view.dist;
    } else if (r > 1.0f) {
        view.dist = r * view.dist;
    } else if (r < 0.2f && std::fabs(r) > 0.0001f) {
        view.scaleZ = view.scaleZ / r;
        view.dist = 1.2 * view.dist;
    }
}

} // namespace

void ZoomOrigin3d(CView3dState& view, int segmentsInUse, double length, const std::function<float()>& deviceSize)
{
    view.rotationPoint[0] = view.rotationPoint[1] = 0;
    view.dist = 10.0;
    view.gesture = EGesture3d::Idle;
    view.zoomX = view.zoomY = 1.0f;
    view.contactBarThickness = 0.2f;
    if (segmentsInUse >= 1) {
        const float s = deviceSize();
        if (s > kLeastFittedSize) {
            view.contactBarThickness = 0.02f * s;
            view.dist = 1.2 * s;
        }
    }
    view.nearPlane = view.dist;
    view.farPlane = 50.0 * view.dist;
    view.eyeFactor = 5.0f;
    view.rotationX = 15.0f;
    view.rotationY = 20.0f;
    view.scaleX = view.scaleY = view.scaleZ = 1.0f;
    view.tx = view.ty = float(-view.dist / 3.0);
    // The distance changes after the clipping planes and the pan were taken from it: a long device
    // is seen from farther away while planes and pan stay fitted to the cross-section.
    if (segmentsInUse >= 1) {
        const float s = deviceSize();
        if (s > kLeastFittedSize) FitToLength(view, float(length), s);
    }
}

void SetProjection3d(CView3dState& view, int width, int height)
{
    // A window squeezed to nothing still gets a usable projection.
    const int w = std::max(width, 1);
    const int h = std::max(height, 1);
    view.clientWidth = w;
    view.clientHeight = h;
    view.viewport[0] = view.viewport[1] = 0;
    view.viewport[2] = w;
    view.viewport[3] = h;
    // Bars keep one hundredth of the visible height, whatever the distance and the zoom.
    view.contactBarThickness = float(0.02 * view.dist / view.zoomY);

    const double aspect = double(w) / double(h);
    if (view.parallel) {
        const double a = view.dist / view.zoomY;
        const double b = aspect * view.dist / view.zoomX;
        OrthoMatrix(view.projection, -b - view.tx, b - view.tx, -a - view.ty, a - view.ty, view.nearPlane,
                    view.farPlane);
    } else {
        // The near plane stands dist in front of the eye, the origin eyeFactor x dist: a window of
        // half height dist / eyeFactor there shows dist at the origin, as the parallel camera does.
        const double k = view.dist / view.eyeFactor;
        const double kx = k * view.tx / view.dist;
        const double ky = k * view.ty / view.dist;
        const double a = k / view.zoomY;
        const double b = k * aspect / view.zoomX;
        FrustumMatrix(view.projection, -b - kx, b - kx, -a - ky, a - ky, view.nearPlane, view.farPlane);
    }
    IdentityMatrix(view.modelview);
    view.modelview[14] = -view.eyeFactor * view.dist;
}

void LoadProjection3d(const CView3dState& view)
{
    LoadViewMatrices(view.viewport, view.projection, view.modelview);
}

void ZoomIn3d(CView3dState& view)
{
    if (view.zoomSwitchX) {
        view.zoomX *= 1.5f;
        view.tx *= kTwoThirds;
    }
    if (view.zoomSwitchY) {
        view.zoomY *= 1.5f;
        view.ty *= kTwoThirds;
    }
}

void ZoomOut3d(CView3dState& view)
{
    if (view.zoomSwitchX) {
        view.zoomX *= kTwoThirds;
        view.tx *= 1.5f;
    }
    if (view.zoomSwitchY) {
        view.zoomY *= kTwoThirds;
        view.ty *= 1.5f;
    }
}

void ClampRotation3d(CView3dState& view)
{
    if (view.rotationX > 90.0f) view.rotationX = 90.0f;
    if (view.rotationX < -90.0f) view.rotationX = -90.0f;
    if (view.rotationY > 360.0f) view.rotationY -= 360.0f;
    if (view.rotationY < 0.0f) view.rotationY += 360.0f;
}

int EyeFactorToDialogValue(float eyeFactor) { return int(eyeFactor * 10.0f); }

float EyeFactorFromDialogValue(int value) { return float(value) * 0.1f; }
