// The 3-D view's gestures as pure functions: what each mouse event and key does to the camera and
// what it asks of the window.

#include "render/View3dInput.h"

#include <gtest/gtest.h>

namespace {

CMouse3d At(int x, int y, bool left, bool right)
{
    CMouse3d m;
    m.x = x;
    m.y = y;
    m.left = left;
    m.right = right;
    return m;
}

class Gestures3d : public ::testing::Test {
protected:
    CView3dState view;
    static constexpr int kHeight = 600;

    void SetUp() override
    {
        ZoomOrigin3d(view, 1, 20, [] { return 10.0f; }); // dist 24
        SetProjection3d(view, 800, kHeight);
    }
    CInput3dResult Move(int x, int y, bool left, bool right, bool captured = true)
    {
        return MouseMove3d(view, 1, captured, kHeight, At(x, y, left, right));
    }
};

TEST_F(Gestures3d, ARightDragTurnsAQuarterDegreePerPixelWithTheRotateCursor)
{
    RightButtonDown3d(view, 1, At(100, 100, false, true));
    const CInput3dResult r = Move(140, 120, false, true);
    EXPECT_EQ(view.gesture, EGesture3d::Rotate);
    EXPECT_FLOAT_EQ(view.rotationX, 15.0f + 20 * 0.25f);
    EXPECT_FLOAT_EQ(view.rotationY, 20.0f + 40 * 0.25f);
    EXPECT_EQ(r.cursor, ECursor3d::Rotate);
    EXPECT_TRUE(r.setProjection);
    EXPECT_EQ(view.rotationPoint[0], 140);
}

TEST_F(Gestures3d, TurningStopsAtTheVerticalAndWrapsAroundOnce)
{
    RightButtonDown3d(view, 1, At(0, 0, false, true));
    Move(0, 1000, false, true); // +250 degrees about x
    EXPECT_FLOAT_EQ(view.rotationX, 90.0f);
    view.rotationY = 359;
    view.rotationPoint[0] = 0;
    Move(8, 1000, false, true); // +2 degrees about y
    EXPECT_FLOAT_EQ(view.rotationY, 1.0f);
    view.rotationY = 0;
    Move(0, 1000, false, true); // -2 degrees
    EXPECT_FLOAT_EQ(view.rotationY, 358.0f);
}

TEST_F(Gestures3d, ABothButtonDragUpTenPixelsEnlargesTheSwitchedOnAxesByATenth)
{
    view.zoomSwitchZ = false;
    LeftButtonDown3d(view, 1, At(50, 200, true, true));
    Move(50, 190, true, true);
    EXPECT_EQ(view.gesture, EGesture3d::Zoom);
    EXPECT_FLOAT_EQ(view.scaleX, 1.1f);
    EXPECT_FLOAT_EQ(view.scaleY, 1.1f);
    EXPECT_FLOAT_EQ(view.scaleZ, 1.0f);
}

// One long move downwards used to make the factor 0 or negative, flattening or mirroring the
// solid; it is held at a tenth, and a scale never falls below its floor.
TEST_F(Gestures3d, AZoomDragNeverFlattensOrMirrorsTheSolid)
{
    LeftButtonDown3d(view, 1, At(50, 0, true, true));
    Move(50, 100, true, true); // factor 0 before the floor
    EXPECT_FLOAT_EQ(view.scaleX, kLeastZoomFactor);
    Move(50, 400, true, true); // factor -2 before the floor
    EXPECT_GT(view.scaleY, 0.0f);
    for (int i = 0; i < 40; ++i) Move(50, 400 + 300 * (i + 1), true, true);
    EXPECT_FLOAT_EQ(view.scaleZ, kLeastModelScale);
}

TEST_F(Gestures3d, ALeftDragMovesTheSolidWithTheMouseInTheParallelCamera)
{
    view.parallel = true;
    SetProjection3d(view, 800, kHeight);
    LeftButtonDown3d(view, 1, At(400, 300, true, false));
    const float tx = view.tx, ty = view.ty;
    Move(430, 280, true, false);
    EXPECT_EQ(view.gesture, EGesture3d::Move);
    // 2 dist / height model units per pixel: 30 right, 20 up.
    EXPECT_FLOAT_EQ(view.tx, tx + float(30 * 2 * 24.0 / kHeight));
    EXPECT_FLOAT_EQ(view.ty, ty + float(20 * 2 * 24.0 / kHeight));
}

TEST_F(Gestures3d, WithoutCaptureOrWithoutZSegmentsAMoveOnlyResetsTheGesture)
{
    view.gesture = EGesture3d::Rotate;
    const CInput3dResult r = Move(10, 10, false, true, false);
    EXPECT_EQ(view.gesture, EGesture3d::Idle);
    EXPECT_FALSE(r.setProjection);
    const float before = view.rotationX;
    const CInput3dResult none = MouseMove3d(view, 0, true, kHeight, At(0, 500, false, true));
    EXPECT_FALSE(none.setProjection);
    EXPECT_FLOAT_EQ(view.rotationX, before);
}

TEST_F(Gestures3d, ButtonsCaptureTheMouseSetTheirCursorsAndReleaseWithTheLastButton)
{
    CInput3dResult r = LeftButtonDown3d(view, 1, At(1, 1, true, false));
    EXPECT_TRUE(r.captureMouse);
    EXPECT_TRUE(r.showNextStepPrompt);
    EXPECT_EQ(r.cursor, ECursor3d::Move);
    r = RightButtonDown3d(view, 1, At(1, 1, true, true));
    EXPECT_EQ(r.cursor, ECursor3d::Zoom); // right pressed while left is held
    r = LeftButtonUp3d(view, 1, At(1, 1, false, true));
    EXPECT_EQ(r.cursor, ECursor3d::Rotate); // left released first
    EXPECT_FALSE(r.releaseMouse);
    r = RightButtonUp3d(view, 1, At(1, 1, false, false));
    EXPECT_TRUE(r.releaseMouse);
}

TEST_F(Gestures3d, ARightClickWithoutADragAsksForTheMenuAndADragDoesNot)
{
    RightButtonDown3d(view, 1, At(5, 5, false, true));
    EXPECT_TRUE(RightButtonUp3d(view, 1, At(5, 5, false, false)).showZsegmentMenu);

    RightButtonDown3d(view, 1, At(5, 5, false, true));
    Move(25, 5, false, true);
    EXPECT_FALSE(RightButtonUp3d(view, 1, At(25, 5, false, false)).showZsegmentMenu);

    LeftButtonDown3d(view, 1, At(5, 5, true, false));
    RightButtonDown3d(view, 1, At(5, 5, true, true));
    Move(5, 0, true, true);
    EXPECT_FALSE(RightButtonUp3d(view, 1, At(5, 0, true, false)).showZsegmentMenu);
}

TEST_F(Gestures3d, WithoutZSegmentsButtonsOnlyResetTheGesture)
{
    view.gesture = EGesture3d::Move;
    const CInput3dResult r = LeftButtonDown3d(view, 0, At(1, 1, true, false));
    EXPECT_EQ(view.gesture, EGesture3d::Idle);
    EXPECT_FALSE(r.captureMouse);
    EXPECT_FALSE(r.showNextStepPrompt);
    EXPECT_FALSE(RightButtonUp3d(view, 0, At(1, 1, false, false)).showZsegmentMenu);
}

TEST_F(Gestures3d, ArrowKeysTurnTwoDegreesAndEveryKeyProjects)
{
    const struct {
        EKey3d key;
        float dx, dy;
    } cases[] = {{EKey3d::Left, 0, -2}, {EKey3d::Right, 0, 2}, {EKey3d::Up, -2, 0}, {EKey3d::Down, 2, 0},
                 {EKey3d::Other, 0, 0}};
    for (const auto& c : cases) {
        CView3dState v;
        v.rotationX = 15;
        v.rotationY = 20;
        EXPECT_TRUE(KeyDown3d(v, c.key).setProjection);
        EXPECT_FLOAT_EQ(v.rotationX, 15 + c.dx);
        EXPECT_FLOAT_EQ(v.rotationY, 20 + c.dy);
    }
    CView3dState v;
    v.rotationY = 1;
    KeyDown3d(v, EKey3d::Left);
    EXPECT_FLOAT_EQ(v.rotationY, 359.0f);
}

TEST(ZsegmentPopup3d, ListsThinLayerPropertyASeparatorAndEveryZSegmentWithTheCurrentChecked)
{
    const std::vector<CPopupItem3d> items = ZsegmentPopupItems(7, 8, true, 3, 2);
    ASSERT_EQ(items.size(), 6u);
    EXPECT_EQ(items[0].text, "Zoom in thin layer");
    EXPECT_EQ(items[0].id, 7);
    EXPECT_TRUE(items[0].checked);
    EXPECT_EQ(items[1].text, "Current z-segment property");
    EXPECT_EQ(items[1].id, 8);
    EXPECT_EQ(items[2].id, 0);
    const char* names[] = {"z-segment1", "z-segment2", "z-segment3"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(items[3 + i].text, names[i]);
        EXPECT_EQ(items[3 + i].id, kZsegmentPopupBase + i);
        EXPECT_EQ(items[3 + i].checked, i == 1);
    }
    EXPECT_FALSE(ZsegmentPopupItems(7, 8, false, 0, 0)[0].checked);
}

} // namespace
