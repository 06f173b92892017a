// The point-in-polygon test of the mesh plot: even-odd crossings on a closed ring, with the edges
// of smallest x and y outside and those of largest x and y inside.

#include "model/Polygon2D.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct ContainsCase {
    const char* what;
    double x, y;
    bool inside;
};

void PrintTo(const ContainsCase& c, std::ostream* os) { *os << c.what << " (" << c.x << ", " << c.y << ")"; }

// The rectangle (1..4, 2..3) through the layer corners' order: bottom-left, bottom-right,
// top-right, top-left.
CPolygon2D Rectangle()
{
    CPolygon2D polygon;
    polygon.SetPoints({CPoint3f(1, 2, 0), CPoint3f(4, 2, 0), CPoint3f(4, 3, 0), CPoint3f(1, 3, 0)});
    return polygon;
}

class RectangleContains : public ::testing::TestWithParam<ContainsCase> {};

}  // namespace

TEST_P(RectangleContains, FollowsTheHalfOpenEdgeRule)
{
    EXPECT_EQ(Rectangle().Contains(GetParam().x, GetParam().y), GetParam().inside);
}

INSTANTIATE_TEST_SUITE_P(Points, RectangleContains,
                         ::testing::Values(ContainsCase{"middle", 2.5, 2.5, true},
                                           ContainsCase{"on the side of smallest y", 2.5, 2.0, false},
                                           ContainsCase{"on the side of smallest x", 1.0, 2.5, false},
                                           ContainsCase{"on the side of largest y", 2.5, 3.0, true},
                                           ContainsCase{"on the side of largest x", 4.0, 2.5, true},
                                           ContainsCase{"left of it", 0.0, 2.5, false},
                                           ContainsCase{"right of it", 5.0, 2.5, false},
                                           ContainsCase{"below it", 2.5, 1.0, false},
                                           ContainsCase{"above it", 2.5, 4.0, false}));

TEST(Polygon2D, ALayerOnTopOfAnotherOwnsTheLineBetweenThem)
{
    CPolygon2D lower, upper;
    lower.SetPoints({CPoint3f(0, 0, 0), CPoint3f(4, 0, 0), CPoint3f(4, 1, 0), CPoint3f(0, 1, 0)});
    upper.SetPoints({CPoint3f(0, 1, 0), CPoint3f(4, 1, 0), CPoint3f(4, 2, 0), CPoint3f(0, 2, 0)});
    EXPECT_TRUE(lower.Contains(2, 1));
    EXPECT_FALSE(upper.Contains(2, 1));
}

TEST(Polygon2D, TrapezoidAndTriangle)
{
    CPolygon2D trapezoid;  // a layer whose upper width is smaller: sides slant inwards
    trapezoid.SetPoints({CPoint3f(0, 0, 0), CPoint3f(4, 0, 0), CPoint3f(3, 1, 0), CPoint3f(1, 1, 0)});
    EXPECT_TRUE(trapezoid.Contains(2, 0.5));
    EXPECT_FALSE(trapezoid.Contains(0.2, 0.9)) << "beyond the slanted left side";
    EXPECT_FALSE(trapezoid.Contains(3.8, 0.9)) << "beyond the slanted right side";
    EXPECT_TRUE(trapezoid.Contains(3.7, 0.2));

    CPolygon2D triangle;
    triangle.SetPoints({CPoint3f(0, 0, 0), CPoint3f(2, 0, 0), CPoint3f(0, 2, 0)});
    EXPECT_TRUE(triangle.Contains(0.5, 0.5));
    EXPECT_FALSE(triangle.Contains(1.5, 1.5));
}

TEST(Polygon2D, WithoutPointsContainsNothing)
{
    CPolygon2D polygon;
    EXPECT_EQ(polygon.GetPointCount(), 0);
    EXPECT_FALSE(polygon.Contains(0, 0));
    polygon = Rectangle();
    EXPECT_EQ(polygon.GetPointCount(), 4);
    polygon.SetPoints({});
    EXPECT_FALSE(polygon.Contains(2.5, 2.5));
    polygon = Rectangle();
    polygon.FreePoints();
    EXPECT_FALSE(polygon.Contains(2.5, 2.5));
}
