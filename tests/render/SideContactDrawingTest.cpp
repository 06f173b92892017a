#include "render/Scene2d.h"
#include "render/SideContactDrawing.h"
#include "support/OffscreenGL.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// A layer 1 thick whose lower edge runs from (0, 0) to (4, 0) and upper edge from (0, 1) to
// (2, 1): a vertical left face and a slanted right face.
CLayerRec MakeTrapezoid(float height)
{
    CLayerRec l;
    l.m_Material.m_Bulk.m_strName = "GaAs";
    l.m_fHeight = height;
    l.m_fLowerWidth = 4;
    l.m_fUpperWidth = 2;
    l.SetExtent(CPoint3f(0, 0, 0), 0, true, 1);
    l.m_fZFrom = 0;
    l.m_fZTo = 2;
    return l;
}

class SideContactDrawing : public ::testing::Test {
protected:
    // 100 pixels per model unit, x from -1 to 5, y from -1 to 3.
    COffscreenGL gl{600, 400};

    void SetUp() override
    {
        ASSERT_TRUE(gl.IsValid()) << gl.Error();
        SetupGL2d();
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-1, 5, -1, 3, -50, 50);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glClearColor(1, 1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }

    bool BlackAt(float x, float y) const
    {
        glFinish();
        return gl.Pixel(int((x + 1) * 100), int((y + 1) * 100))[0] == 0;
    }
};

TEST_F(SideContactDrawing, BarStandsOutOfTheFaceAlongItsNormal)
{
    const CLayerRec layer = MakeTrapezoid(1);
    DrawSideFaceHigh(layer, 0.5f, false, 0, 1, 1.0f, false);
    // The right face runs from (4, 0) to (2, 1); its outward normal is (1, 2) / sqrt 5.
    const float nx = 1 / std::sqrt(5.0f), ny = 2 / std::sqrt(5.0f);
    EXPECT_TRUE(BlackAt(3 + 0.4f * nx, 0.5f + 0.4f * ny)) << "out along the normal";
    EXPECT_FALSE(BlackAt(3 + 0.6f * nx, 0.5f + 0.6f * ny)) << "beyond the thickness";
    EXPECT_FALSE(BlackAt(3 - 0.2f * nx, 0.5f - 0.2f * ny)) << "not into the layer";

    DrawSideFaceLow(layer, 0.5f, false, 0.25f, 0.75f, 1.0f, false);
    EXPECT_TRUE(BlackAt(-0.25f, 0.5f)) << "the left face is vertical: the bar sticks out to -x";
    EXPECT_FALSE(BlackAt(-0.25f, 0.15f)) << "below from";
    EXPECT_FALSE(BlackAt(-0.25f, 0.85f)) << "above to";
}

TEST_F(SideContactDrawing, ThreeDThicknessIsAtLeastOneHundredth)
{
    const CLayerRec layer = MakeTrapezoid(1);
    // 0.01 is one pixel here: look at the pixel just left of the face.
    struct Case {
        float thickness;
        bool threeD, drawn;
    };
    const Case cases[] = {{0, true, true}, {std::numeric_limits<float>::quiet_NaN(), true, true}, {0, false, false}};
    for (const Case& c : cases) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        DrawSideFaceLow(layer, c.thickness, false, 0, 1, 1.0f, c.threeD);
        EXPECT_EQ(BlackAt(-0.005f, 0.5f), c.drawn) << c.thickness << " " << c.threeD;
    }
}

TEST_F(SideContactDrawing, LayerWithoutThicknessGetsNoBar)
{
    // The contact's heights are fractions of the thickness; a layer of thickness 0 gives none.
    const CLayerRec layer = MakeTrapezoid(0);
    DrawSideFaceLow(layer, 0.5f, false, 0, 1, 1.0f, false);
    DrawSideFaceHigh(layer, 0.5f, false, 0, 1, 1.0f, false);
    EXPECT_FALSE(BlackAt(-0.25f, 0.5f));
    EXPECT_FALSE(BlackAt(3.3f, 0.7f));
}

TEST_F(SideContactDrawing, InCylinderCoordinatesTheBarIsSweptOverItsAngles)
{
    // A layer of radii 1 to 5, heights 0 to 1, over the angles 0 to 90: its left face is the
    // inner one, and the bar on it runs from radius 0.5 to 1.
    CLayerRec layer = MakeTrapezoid(1);
    layer.m_fLowerWidth = layer.m_fUpperWidth = 4;
    layer.SetExtent(CPoint3f(1, 0, 0), 0, false, 0);
    layer.m_fZFrom = 0;
    layer.m_fZTo = 90;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-1, 5, -1, 3, -50, 50);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(90, 1, 0, 0); // looking down the cylinder axis: the screen shows (x, -z)
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    DrawSideFaceLow(layer, 0.5f, true, 0, 1, 1.0f, true);
    auto polar = [](float r, float degrees) {
        const float t = degrees * 3.14159265f / 180;
        return std::make_pair(r * std::cos(t), r * std::sin(t));
    };
    struct Case {
        float r, degrees;
        bool black;
    };
    for (Case c : {Case{0.75f, 45, true}, Case{0.75f, 10, true}, Case{0.75f, 80, true}, Case{1.25f, 45, false},
                   Case{0.3f, 45, false}, Case{0.75f, 120, false}}) {
        const auto p = polar(c.r, c.degrees);
        EXPECT_EQ(BlackAt(p.first, p.second), c.black) << "radius " << c.r << " at " << c.degrees;
    }
}

// The 3-D view's contact links need the corners of the bars: the same bars, with from and to
// measured along the drawn edge, four corners at the back z and four at the front z.
TEST(SideFaceCorners, AreTheBarsCornersMeasuredAlongTheDrawnEdge)
{
    CLayerRec layer = MakeTrapezoid(0.5f); // drawn 1 high (clamped to the least height 1), height 0.5
    CPoint3f c[8];
    ASSERT_TRUE(SideFaceCornersLow(layer, 0.5f, 0.25f, 0.75f, 1.0f, true, c));
    // The left face is vertical from (0, 0) to (0, 1): its bar lies at y 0.25..0.75 (not 0.5..
    // 1.5, as a fraction of the height 0.5 would give), 0.5 out to -x.
    const float want[4][2] = {{-0.5f, 0.25f}, {0, 0.25f}, {0, 0.75f}, {-0.5f, 0.75f}};
    for (int k = 0; k < 8; ++k) {
        EXPECT_FLOAT_EQ(c[k].x, want[k % 4][0]) << k;
        EXPECT_FLOAT_EQ(c[k].y, want[k % 4][1]) << k;
        EXPECT_FLOAT_EQ(c[k].z, k < 4 ? 0.0f : 2.0f) << k; // back z 0, front z 2
    }
    ASSERT_TRUE(SideFaceCornersHigh(layer, 0.001f, 0, std::sqrt(5.0f), 3.0f, true, c));
    // Right face from (4, 0) to (2, 1), its whole length sqrt 5, 0.01 out (the least 3-D
    // thickness) along (1, 2) / sqrt 5; z scaled by 3.
    EXPECT_NEAR(c[0].x, 4 + 0.01f / std::sqrt(5.0f), 1e-6);
    EXPECT_NEAR(c[2].x, 2, 1e-6);
    EXPECT_NEAR(c[2].y, 1, 1e-6);
    EXPECT_FLOAT_EQ(c[4].z, 6.0f);
}

TEST(SideFaceCorners, AnEdgeWithoutLengthGivesNoBar)
{
    CLayerRec layer = MakeTrapezoid(1);
    layer.m_A = layer.m_C; // the left face collapsed to a point
    CPoint3f c[8];
    c[0] = CPoint3f(7, 7, 7);
    EXPECT_FALSE(SideFaceCornersLow(layer, 0.5f, 0, 1, 1.0f, true, c));
    EXPECT_FLOAT_EQ(c[0].x, 7.0f);
}

} // namespace
