// The 3-D camera as pure state: the fit of Zoom Origin, both projections, the zoom commands, the
// rotation clamps and the eye-factor dialog value. No GL context is needed (gluProject only
// multiplies the matrices the state holds).

#include "render/View3dState.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <vector>

namespace {

struct FitCase {
    const char* what;
    int segments;
    double length;
    float size;
    double dist, nearPlane, farPlane;
    float pan, scaleZ, barThickness;
};

void PrintTo(const FitCase& c, std::ostream* os) { *os << c.what; }

class ZoomOriginFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(ZoomOriginFit, FitsDistancePlanesPanAndZScaleToTheDevice)
{
    const FitCase& c = GetParam();
    CView3dState view;
    view.rotationX = 40;
    view.zoomX = view.zoomY = 3;
    view.scaleX = view.scaleY = 2;
    view.gesture = EGesture3d::Rotate;
    ZoomOrigin3d(view, c.segments, c.length, [&] { return c.size; });
    EXPECT_DOUBLE_EQ(view.dist, c.dist);
    EXPECT_DOUBLE_EQ(view.nearPlane, c.nearPlane);
    EXPECT_DOUBLE_EQ(view.farPlane, c.farPlane);
    EXPECT_FLOAT_EQ(view.tx, c.pan);
    EXPECT_FLOAT_EQ(view.ty, c.pan);
    EXPECT_FLOAT_EQ(view.scaleZ, c.scaleZ);
    EXPECT_FLOAT_EQ(view.contactBarThickness, c.barThickness);
    // The start position whatever the device.
    EXPECT_FLOAT_EQ(view.rotationX, 15.0f);
    EXPECT_FLOAT_EQ(view.rotationY, 20.0f);
    EXPECT_FLOAT_EQ(view.zoomX, 1.0f);
    EXPECT_FLOAT_EQ(view.zoomY, 1.0f);
    EXPECT_FLOAT_EQ(view.scaleX, 1.0f);
    EXPECT_FLOAT_EQ(view.scaleY, 1.0f);
    EXPECT_FLOAT_EQ(view.eyeFactor, 5.0f);
    EXPECT_EQ(view.gesture, EGesture3d::Idle);
}

// Planes and pan are taken from the distance fitted to the cross-section (1.2 s); only then does a
// long or a short device move the eye.
INSTANTIATE_TEST_SUITE_P(
    Cases, ZoomOriginFit,
    ::testing::Values(FitCase{"no z-segment", 0, 0, 0, 10, 10, 500, -10.0f / 3, 1, 0.2f},
                      FitCase{"cross-section of 0.1 is not fitted", 1, 5, 0.1f, 10, 10, 500, -10.0f / 3, 1, 0.2f},
                      FitCase{"L 20, s 10: r 2 doubles the distance", 1, 20, 10, 24, 12, 600, -4, 1, 0.2f},
                      FitCase{"L 40, s 10: r 4 squeezes z", 3, 40, 10, 18, 12, 600, -4, 0.75f, 0.2f},
                      FitCase{"L 30, s 10: r 3 is not above 3", 2, 30, 10, 36, 12, 600, -4, 1, 0.2f},
                      FitCase{"L 1, s 10: r 0.1 stretches z", 1, 1, 10, 14.4, 12, 600, -4, 10, 0.2f},
                      FitCase{"L 2, s 10: r 0.2 is not below 0.2", 1, 2, 10, 12, 12, 600, -4, 1, 0.2f},
                      FitCase{"flat device, r 0", 1, 0, 10, 12, 12, 600, -4, 1, 0.2f},
                      FitCase{"L 5, s 10: r 0.5 changes nothing", 1, 5, 10, 12, 12, 600, -4, 1, 0.2f}));

TEST(ZoomOrigin3d, MeasuresTheDeviceWithTheBarThicknessItHasJustSet)
{
    CView3dState view;
    std::vector<float> seen;
    ZoomOrigin3d(view, 1, 20, [&] {
        seen.push_back(view.contactBarThickness);
        return 10.0f;
    });
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_FLOAT_EQ(seen[0], 0.2f);         // reset before the first measure
    EXPECT_FLOAT_EQ(seen[1], 0.02f * 10.0f); // fitted before the second
}

TEST(ZoomOrigin3d, KeepsTheProjectionTypeTheZoomSwitchesAndTheThinLayerFlag)
{
    CView3dState view;
    view.parallel = true;
    view.thinLayers = true;
    view.zoomSwitchY = false;
    ZoomOrigin3d(view, 1, 20, [] { return 10.0f; });
    EXPECT_TRUE(view.parallel);
    EXPECT_TRUE(view.thinLayers);
    EXPECT_FALSE(view.zoomSwitchY);
    EXPECT_TRUE(view.zoomSwitchX);
}

// Window coordinates (origin lower left) of a model point at z 0 through the state's matrices.
struct Window {
    double x, y;
};

Window Project(const CView3dState& v, double x, double y)
{
    double wx = 0, wy = 0, wz = 0;
    gluProject(x, y, 0.0, v.modelview, v.projection, v.viewport, &wx, &wy, &wz);
    return {wx, wy};
}

struct CameraCase {
    const char* what;
    bool parallel;
    float zoomX, zoomY;
};

void PrintTo(const CameraCase& c, std::ostream* os) { *os << c.what; }

class Projection3d : public ::testing::TestWithParam<CameraCase> {};

// Both cameras show a half height of dist / zoomY in the plane through the origin, centred on
// (-tx, -ty): the parallel camera by its box, the perspective one by its frustum at the near plane
// dist in front of the eye, which stands eyeFactor x dist in front of the origin.
TEST_P(Projection3d, ThePlaneThroughTheOriginShowsDistOverZoomAroundTheShiftedCentre)
{
    const CameraCase& c = GetParam();
    CView3dState view;
    ZoomOrigin3d(view, 1, 5, [] { return 10.0f; }); // dist 12 = near, far 600, pan -4
    view.parallel = c.parallel;
    view.zoomX = c.zoomX;
    view.zoomY = c.zoomY;
    SetProjection3d(view, 800, 600);

    const double halfHeight = view.dist / c.zoomY;
    const double halfWidth = view.dist * 800.0 / 600.0 / c.zoomX;
    const Window centre = Project(view, 4, 4);
    EXPECT_NEAR(centre.x, 400, 1e-6);
    EXPECT_NEAR(centre.y, 300, 1e-6);
    const Window top = Project(view, 4, 4 + halfHeight);
    EXPECT_NEAR(top.y, 600, 1e-6);
    const Window right = Project(view, 4 + halfWidth, 4);
    EXPECT_NEAR(right.x, 800, 1e-6);
    EXPECT_FLOAT_EQ(view.contactBarThickness, float(0.02 * view.dist / c.zoomY));
}

INSTANTIATE_TEST_SUITE_P(Cameras, Projection3d,
                         ::testing::Values(CameraCase{"parallel", true, 1, 1},
                                           CameraCase{"perspective", false, 1, 1},
                                           CameraCase{"parallel zoomed", true, 2.25f, 1.5f},
                                           CameraCase{"perspective zoomed", false, 1.5f, 2.25f}));

// A long device moves the eye back after the near plane was fitted: the perspective camera then
// shows the plane through the origin, and its pan, dist / near times larger than the parallel one.
TEST(Projection3d, ALongDeviceIsSeenFromFartherAwayInPerspective)
{
    CView3dState view;
    ZoomOrigin3d(view, 1, 20, [] { return 10.0f; }); // dist 24, near 12, pan -4
    SetProjection3d(view, 800, 600);
    EXPECT_NEAR(Project(view, 8, 8).y, 300, 1e-6);
    EXPECT_NEAR(Project(view, 8, 8 + 48).y, 600, 1e-6);
    view.parallel = true;
    SetProjection3d(view, 800, 600);
    EXPECT_NEAR(Project(view, 4, 4 + 24).y, 600, 1e-6);
}

TEST(Projection3d, TheEyeStandsEyeFactorTimesDistInFrontOfTheOrigin)
{
    CView3dState view;
    ZoomOrigin3d(view, 1, 20, [] { return 10.0f; });
    view.eyeFactor = 7.0f;
    SetProjection3d(view, 640, 480);
    EXPECT_DOUBLE_EQ(view.modelview[14], -7.0 * 24.0);
    EXPECT_DOUBLE_EQ(view.modelview[0], 1.0);
    EXPECT_DOUBLE_EQ(view.modelview[12], 0.0);
}

TEST(Projection3d, AClientAreaWithoutHeightIsProjectedAsOnePixelHigh)
{
    CView3dState view;
    ZoomOrigin3d(view, 0, 0, [] { return 0.0f; });
    SetProjection3d(view, 300, 0);
    EXPECT_EQ(view.viewport[2], 300);
    EXPECT_EQ(view.viewport[3], 1);
    for (double m : view.projection) EXPECT_TRUE(std::isfinite(m));
}

TEST(ZoomCommands3d, ZoomInTwiceScalesTheZoomAndPullsThePanTowardTheOrigin)
{
    CView3dState view;
    view.tx = -3;
    view.ty = -3;
    ZoomIn3d(view);
    ZoomIn3d(view);
    EXPECT_FLOAT_EQ(view.zoomX, 2.25f);
    EXPECT_FLOAT_EQ(view.zoomY, 2.25f);
    EXPECT_FLOAT_EQ(view.tx, -1.3333334f);
    ZoomOut3d(view);
    EXPECT_FLOAT_EQ(view.zoomX, 1.5f);
    EXPECT_FLOAT_EQ(view.tx, -2.0f);
}

TEST(ZoomCommands3d, OnlyTheSwitchedOnAxesZoomAndZHasNoEffectOnThem)
{
    CView3dState view;
    view.tx = view.ty = -3;
    view.zoomSwitchX = false;
    view.zoomSwitchZ = false;
    ZoomIn3d(view);
    EXPECT_FLOAT_EQ(view.zoomX, 1.0f);
    EXPECT_FLOAT_EQ(view.tx, -3.0f);
    EXPECT_FLOAT_EQ(view.zoomY, 1.5f);
    EXPECT_FLOAT_EQ(view.scaleZ, 1.0f);
}

TEST(ZoomCommands3d, ZoomingKeepsTheWorldOriginWhereItIsInTheWindow)
{
    for (bool parallel : {true, false}) {
        CView3dState view;
        ZoomOrigin3d(view, 1, 20, [] { return 10.0f; });
        view.parallel = parallel;
        SetProjection3d(view, 800, 600);
        const Window before = Project(view, 0, 0);
        ZoomIn3d(view);
        SetProjection3d(view, 800, 600);
        const Window after = Project(view, 0, 0);
        EXPECT_NEAR(after.x, before.x, 0.01) << parallel;
        EXPECT_NEAR(after.y, before.y, 0.01) << parallel;
    }
}

TEST(ClampRotation3d, KeepsTheTiltWithin90AndBringsTheTurnBackOnce)
{
    const struct {
        float x, y, wantX, wantY;
    } cases[] = {{91, 361, 90, 1}, {-95, -2, -90, 358}, {90, 360, 90, 360}, {-90, 0, -90, 0}, {10, 725, 10, 365}};
    for (const auto& c : cases) {
        CView3dState view;
        view.rotationX = c.x;
        view.rotationY = c.y;
        ClampRotation3d(view);
        EXPECT_FLOAT_EQ(view.rotationX, c.wantX) << c.x;
        EXPECT_FLOAT_EQ(view.rotationY, c.wantY) << c.y;
    }
}

TEST(ViewPointDistance3d, TheDialogEditsTheEyeFactorInTenths)
{
    EXPECT_EQ(EyeFactorToDialogValue(5.0f), 50);
    const float seven = EyeFactorFromDialogValue(70);
    EXPECT_FLOAT_EQ(seven, 7.0f);
    EXPECT_EQ(EyeFactorToDialogValue(seven), 70);
    for (int v = 30; v <= 100; ++v) EXPECT_EQ(EyeFactorToDialogValue(EyeFactorFromDialogValue(v)), v);
}

} // namespace
