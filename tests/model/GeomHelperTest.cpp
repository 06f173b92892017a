// The plane point routines and the vector helpers of the mesh plot and the layer drawing.

#include "model/GeomHelper.h"

#include <gtest/gtest.h>

#include <ostream>

TEST(GeomHelper, PointRoutinesWorkInThePlaneAndDropZ)
{
    const CPoint3f p(1.5f, -2.0f, 7.0f);
    const CPoint3f minus = PointMinus(p, 0.5, 1.0, 3.0);
    const CPoint3f plus = PointPlus(p, 0.5, 1.0, 3.0);
    const CPoint3f scaled = PointScale(p, 2.0);
    EXPECT_FLOAT_EQ(minus.x, 1.0f);
    EXPECT_FLOAT_EQ(minus.y, -3.0f);
    EXPECT_FLOAT_EQ(plus.x, 2.0f);
    EXPECT_FLOAT_EQ(plus.y, -1.0f);
    EXPECT_FLOAT_EQ(scaled.x, 3.0f);
    EXPECT_FLOAT_EQ(scaled.y, -4.0f);
    for (const CPoint3f& q : {minus, plus, scaled})
        EXPECT_EQ(q.z, 0.0f);
}

TEST(GeomHelper, PointRoutinesComputeInDoubleAndStoreInSingle)
{
    // 0.1 as a double added to a float: rounded once, to the float nearest the double sum.
    const CPoint3f p(0.2f, 0.0f, 0.0f);
    EXPECT_EQ(PointPlus(p, 0.1, 0.0, 0.0).x, float(double(0.2f) + 0.1));
    EXPECT_EQ(PointScale(CPoint3f(1.0f, 0.0f, 0.0f), 0.3333333333333333).x, float(0.3333333333333333));
}

TEST(GeomHelper, NormalizeKeepsAZeroVector)
{
    float x = 3, y = 0, z = 4;
    CGeomHelper::Normalize(x, y, z);
    EXPECT_FLOAT_EQ(x, 0.6f);
    EXPECT_FLOAT_EQ(y, 0.0f);
    EXPECT_FLOAT_EQ(z, 0.8f);
    float a = 0, b = 0, c = 0;
    CGeomHelper::Normalize(a, b, c);
    EXPECT_EQ(a, 0.0f);
    EXPECT_EQ(b, 0.0f);
    EXPECT_EQ(c, 0.0f);
}

TEST(GeomHelper, Distance2DIgnoresZ)
{
    EXPECT_DOUBLE_EQ(CGeomHelper::Distance2D(CPoint3f(1, 1, 5), CPoint3f(4, 5, -5)), 5.0);
}

namespace {

struct UnitDirectionCase {
    float x, y, z;
    float outX, outY;
};

void PrintTo(const UnitDirectionCase& c, std::ostream* os)
{
    *os << "(" << c.x << ", " << c.y << ", " << c.z << ") -> (" << c.outX << ", " << c.outY << ")";
}

class UnitDirection : public ::testing::TestWithParam<UnitDirectionCase> {};

}  // namespace

TEST_P(UnitDirection, IsTheUnitNormalInThePlane)
{
    const UnitDirectionCase& c = GetParam();
    CPoint3f out(9, 9, 9);
    CGeomHelper::UnitDirection(c.x, c.y, c.z, out);
    EXPECT_NEAR(out.x, c.outX, 1e-6);
    EXPECT_NEAR(out.y, c.outY, 1e-6);
    EXPECT_EQ(out.z, 0.0f);
}

INSTANTIATE_TEST_SUITE_P(Directions, UnitDirection,
                         ::testing::Values(UnitDirectionCase{3, 4, 0, 0.8f, -0.6f},
                                           UnitDirectionCase{1, 0, 0, 0, 1},
                                           UnitDirectionCase{0, 2, 0, 1, 0},
                                           // z takes no part: the (x, y) part is normalised alone
                                           UnitDirectionCase{3, 4, 100, 0.8f, -0.6f},
                                           // a direction within 0.00001 of the x axis counts as along it
                                           UnitDirectionCase{1, 0.000005f, 0, 0, 1},
                                           UnitDirectionCase{0, 0, 0, 0, 1}));
