#include "render/BackGrid.h"
#include "render/View2dState.h"
#include "support/OffscreenGL.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {

CView2dState ViewOf(int w, int h, float tx = 2, float ty = 2, float sx = 1, float sy = 1)
{
    CView2dState v;
    v.tx = tx;
    v.ty = ty;
    v.sx = sx;
    v.sy = sy;
    SetProjection2d(v, w, h);
    return v;
}

} // namespace

TEST(View2dProjection, VisibleHeightIsSixteenUnitsAtAnyWindowSize)
{
    // 800 x 600: x from 0 to 21.333, y from 0 to 16; one model unit is 37.5 pixels at scale 1.
    CView2dState v = ViewOf(800, 600, 0, 0);
    CClientPoint origin = ProjectPoint(v, {0, 0});
    CClientPoint unit = ProjectPoint(v, {8, 4});
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(unit.x - origin.x, 300);
    EXPECT_EQ(origin.y - unit.y, 150);
    CModelPoint topRight = UnProjectPoint(v, {800, 0});
    EXPECT_NEAR(topRight.x, 21.3333, 1e-3);
    EXPECT_NEAR(topRight.y, 16.0, 1e-4);

    CView2dState tall = ViewOf(300, 900, 0, 0);
    EXPECT_NEAR(UnProjectPoint(tall, {300, 0}).x, 16.0 / 3, 1e-4);
    EXPECT_NEAR(UnProjectPoint(tall, {300, 0}).y, 16.0, 1e-4);
}

TEST(View2dProjection, TranslationAndScalesPlaceTheModel)
{
    // The model origin sits tx, ty projection units from the lower-left corner; sy = 2 doubles
    // the y size and halves the contact-bar thickness in model units.
    CView2dState v = ViewOf(800, 600, 2, 3, 1, 2);
    CClientPoint o = ProjectPoint(v, {0, 0});
    EXPECT_EQ(o.x, 75);
    EXPECT_EQ(o.y, int(std::trunc(600 - 3 * 37.5 - 0.5)));
    CClientPoint p = ProjectPoint(v, {1, 1});
    EXPECT_EQ(p.x - o.x, 37 + 1); // 37.5 rounds with the point
    EXPECT_EQ(o.y - p.y, 75);
    EXPECT_FLOAT_EQ(v.contactBarThickness, 0.1f);

    CModelPoint back = UnProjectPoint(v, ProjectPoint(v, {4.0f, 2.5f}));
    EXPECT_NEAR(back.x, 4.0, 0.03);
    EXPECT_NEAR(back.y, 2.5, 0.02);
}

TEST(View2dProjection, RectanglesConvertCornerByCorner)
{
    CView2dState v = ViewOf(800, 600, 0, 0);
    CModelRect r;
    r.top = 4;
    r.left = 0;
    r.right = 8;
    r.bottom = 0;
    CClientRect c = WorldRectToClient(v, r);
    EXPECT_EQ(c.left, 0);
    EXPECT_EQ(c.right, 300);
    EXPECT_EQ(c.top, 449);
    EXPECT_EQ(c.bottom, 599);
    CModelRect w = ClientRectToWorld(v, {0, 0, 800, 600});
    EXPECT_NEAR(w.top, 16, 1e-4);
    EXPECT_NEAR(w.left, 0, 1e-4);
    EXPECT_NEAR(w.right, 21.3333, 1e-3);
    EXPECT_NEAR(w.bottom, 0, 1e-4);
}

TEST(View2dProjection, LoadedMatricesMatchWhatGlComputes)
{
    COffscreenGL gl(64, 48);
    ASSERT_TRUE(gl.IsValid()) << gl.Error();
    CView2dState v = ViewOf(640, 480, 1.5f, -2.25f, 3.0f, 0.5f);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 16.0 * 640 / 480, 0, 16, -1100, 1100);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(1.5f, -2.25f, 0);
    glScalef(3.0f, 0.5f, 1);
    double proj[16], model[16];
    glGetDoublev(GL_PROJECTION_MATRIX, proj);
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(v.projection[i], proj[i], 1e-6) << i;
        EXPECT_NEAR(v.modelview[i], model[i], 1e-6) << i;
    }
}

struct FitCase {
    const char* name;
    CModelRect target;
    int width, height;
};

class View2dFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(View2dFit, FillsEightyPercentCentredWithEqualScales)
{
    const FitCase& c = GetParam();
    CView2dState v = ViewOf(c.width, c.height);
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(FitStep2d(v, c.target, false));
    EXPECT_FLOAT_EQ(v.sx, v.sy);
    CClientRect r = WorldRectToClient(v, c.target);
    const double fx = double(r.right - r.left) / c.width;
    const double fy = double(r.bottom - r.top) / c.height;
    // The limiting direction is filled to 80 %, the other one at most.
    EXPECT_NEAR(std::max(fx, fy), 0.8, 0.004);
    EXPECT_LE(std::min(fx, fy), 0.804);
    // Pixel rounding of both corners (and the half pixel of the y flip) leaves up to 3 pixels.
    EXPECT_NEAR(r.left, c.width - r.right, 3);
    EXPECT_NEAR(r.top, c.height - r.bottom, 3);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, View2dFit,
    ::testing::Values(FitCase{"Wide", {4, 0, 10, 0}, 800, 600},
                      FitCase{"Tall", {30, -1, 2, 0}, 800, 600},
                      FitCase{"OffOrigin", {12.5f, 3, 3.5f, 12}, 1024, 400},
                      FitCase{"Huge", {500, 0, 200, 0}, 1280, 1024},
                      FitCase{"FlatLine", {1, 0, 6, 1}, 800, 600}),
    [](const ::testing::TestParamInfo<FitCase>& info) { return info.param.name; });

TEST(View2dFit, RecoversFromAZoomThatShrankTheTargetBelowAPixel)
{
    // At these scales the 9 x 4 target projects to no pixel at all; one fit brings it back.
    const CModelRect target{4, 0, 9, 0};
    for (float s : {1e-4f, 1e-7f, 0.0f}) {
        CView2dState v = ViewOf(800, 600, 2, 2, s, s);
        ASSERT_TRUE(FitStep2d(v, target, false)) << s;
        EXPECT_FLOAT_EQ(v.sx, v.sy) << s;
        CClientRect r = WorldRectToClient(v, target);
        EXPECT_NEAR(r.right - r.left, 640, 2) << s;
        EXPECT_NEAR(r.left, 800 - r.right, 2) << s;
        EXPECT_NEAR(r.top, 600 - r.bottom, 2) << s;
    }
}

TEST(View2dFitSelection, KeepsTheScalesAndOnlyCentres)
{
    CView2dState v = ViewOf(800, 600, 2, 2, 1.5f, 1.5f);
    CModelRect layer{2, 1, 3, 1.5f};
    ASSERT_TRUE(FitStep2d(v, layer, true));
    EXPECT_FLOAT_EQ(v.sx, 1.5f);
    EXPECT_FLOAT_EQ(v.sy, 1.5f);
    CClientRect r = WorldRectToClient(v, layer);
    EXPECT_NEAR(r.left, 800 - r.right, 2);
    EXPECT_NEAR(r.top, 600 - r.bottom, 2);
}

TEST(View2dFitSelection, NothingHappensWithoutExtent)
{
    CView2dState v = ViewOf(800, 600);
    CView2dState before = v;
    EXPECT_FALSE(FitStep2d(v, {3, 1, 1, 3}, false));
    EXPECT_FALSE(FitStep2d(v, {0, 0, 0, 0}, true));
    EXPECT_EQ(v.tx, before.tx);
    EXPECT_EQ(v.sx, before.sx);
}

TEST(View2dBackGrid, SpacingAndEveryFifthLineBlack)
{
    CView2dState v = ViewOf(800, 600, 8, 8); // model x from -8 to 13.3, y from -8 to 8
    std::vector<CGridLine> lines = BackGridLines(v);
    ASSERT_FALSE(lines.empty());
    int vertical = 0;
    bool blackAtMinusFour = false;
    for (const CGridLine& l : lines) {
        if (l.x1 != l.x2) continue; // horizontal
        ++vertical;
        const double k = l.x1 / 0.8;
        EXPECT_NEAR(k, std::round(k), 1e-4) << l.x1;
        const bool multipleOfFour = std::fabs(std::remainder(l.x1, 4.0)) < 1e-4;
        EXPECT_EQ(l.major, multipleOfFour) << l.x1;
        if (std::fabs(l.x1 + 4.0f) < 1e-4) blackAtMinusFour = l.major;
        EXPECT_LT(l.y1, -8.0f);
        EXPECT_GT(l.y2, 8.0f);
    }
    EXPECT_TRUE(blackAtMinusFour);
    // Lines from trunc(-8 * 1.25 - 1) = -11 up to trunc(13.33 * 1.25 + 1) - 1 = 16.
    EXPECT_EQ(vertical, 28);
}

TEST(View2dBackGrid, LeftOutWhenMoreThanTwoHundredLinesWouldShow)
{
    // 800 x 600 shows 21.33 / s model units across: 1.25 lines per unit plus two.
    EXPECT_FALSE(BackGridLines(ViewOf(800, 600, 0, 0, 0.14f, 0.14f)).empty());
    EXPECT_TRUE(BackGridLines(ViewOf(800, 600, 0, 0, 0.13f, 0.13f)).empty());
    EXPECT_TRUE(BackGridLines(ViewOf(800, 600, 0, 0, 1.0f, 0.07f)).empty()); // too many across y
}
