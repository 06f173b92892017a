#include "render/PolarDrawing.h"

#include <gtest/gtest.h>

#include <vector>

TEST(PolarDrawing, AnglesTurnClockwiseInTheXZPlane)
{
    struct Case {
        double angle;
        float x, z;
    };
    for (Case c : {Case{0, 2, 0}, Case{90, 0, -2}, Case{180, -2, 0}, Case{270, 0, 2}}) {
        const CPoint3f p = PolarPoint(2, 5, c.angle, 1);
        EXPECT_NEAR(p.x, c.x, 1e-5) << c.angle;
        EXPECT_FLOAT_EQ(p.y, 5) << c.angle;
        EXPECT_NEAR(p.z, c.z, 1e-5) << c.angle;
    }
    const CPoint3f scaled = PolarPoint(2, 5, 0, 1.5);
    EXPECT_FLOAT_EQ(scaled.x, 3) << "the radius scale multiplies the radius";
}

TEST(PolarDrawing, AngleRangesSplitIntoPiecesOfAtMostEightDegrees)
{
    struct Case {
        double a0, a1;
        std::vector<std::pair<double, double>> pieces;
    };
    const Case cases[] = {
        {0, 20, {{0, 8}, {8, 16}, {16, 20}}},
        {0, 16, {{0, 8}, {8, 16}, {16, 16}}},
        {0, 10, {{0, 8}, {8, 10}}},
        {5, 5, {{5, 5}}},
        {10, 0, {}},
        {0, -4, {}},
    };
    for (const Case& c : cases) {
        const std::vector<CAnglePiece> got = SplitAngleRange(c.a0, c.a1);
        ASSERT_EQ(got.size(), c.pieces.size()) << c.a0 << ".." << c.a1;
        for (size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].from, c.pieces[i].first) << c.a0 << ".." << c.a1 << " piece " << i;
            EXPECT_EQ(got[i].to, c.pieces[i].second) << c.a0 << ".." << c.a1 << " piece " << i;
        }
    }
    const std::vector<CAnglePiece> full = SplitAngleRange(0, 360);
    ASSERT_EQ(full.size(), 46u);
    EXPECT_EQ(full.back().from, 360);
    EXPECT_EQ(full.back().to, 360);
}
