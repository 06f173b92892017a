// What the 2-D view draws over its frame, read back from an offscreen frame.

#include "render/Overlay2d.h"
#include "support/OffscreenGL.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

using Rgb = std::array<uint8_t, 3>;
const Rgb kWhite{255, 255, 255};
const Rgb kBlack{0, 0, 0};

class Overlay2d : public ::testing::Test {
protected:
    static constexpr int kWidth = 200, kHeight = 100;
    COffscreenGL gl{kWidth, kHeight};
    CView2dState view;

    void SetUp() override
    {
        ASSERT_TRUE(gl.IsValid()) << gl.Error();
        SetProjection2d(view, kWidth, kHeight);
        glClearColor(1, 1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    Rgb At(int x, int y) const { return gl.ClientPixel(x, y); }
};

TEST_F(Overlay2d, TheDragRectangleIsATwoPixelBlackFrameInsideTheRectangle)
{
    DrawDragRectangle2d(view, {20, 10, 60, 40});
    glFinish();
    EXPECT_EQ(At(20, 10), kBlack);
    EXPECT_EQ(At(21, 25), kBlack);
    EXPECT_EQ(At(22, 25), kWhite) << "inside the frame";
    EXPECT_EQ(At(59, 39), kBlack);
    EXPECT_EQ(At(58, 25), kBlack);
    EXPECT_EQ(At(57, 25), kWhite);
    EXPECT_EQ(At(60, 25), kWhite) << "the right edge is not part of it";
    EXPECT_EQ(At(40, 40), kWhite) << "nor the bottom edge";
    EXPECT_EQ(At(19, 10), kWhite);
    EXPECT_EQ(At(40, 11), kBlack);
    EXPECT_EQ(At(40, 12), kWhite);
}

TEST_F(Overlay2d, AnImageLandsWithItsFirstRowAtTheTop)
{
    // 3 x 2 pixels: a red top row, a blue bottom row.
    const std::vector<unsigned char> rgb = {255, 0, 0, 255, 0, 0, 255, 0, 0, 0, 0, 255, 0, 0, 255, 0, 0, 255};
    DrawClientImage2d(view, 0, 0, 3, 2, rgb.data());
    DrawClientImage2d(view, 198, 98, 3, 2, rgb.data()); // cut off at the corner
    DrawClientImage2d(view, -2, 50, 3, 2, rgb.data());  // cut off at the left edge
    glFinish();
    EXPECT_EQ(At(0, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(At(2, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(At(0, 1), (Rgb{0, 0, 255}));
    EXPECT_EQ(At(3, 0), kWhite);
    EXPECT_EQ(At(0, 2), kWhite);
    EXPECT_EQ(At(198, 98), (Rgb{255, 0, 0}));
    EXPECT_EQ(At(199, 99), (Rgb{0, 0, 255}));
    EXPECT_EQ(At(0, 50), (Rgb{255, 0, 0}));
    EXPECT_EQ(At(0, 51), (Rgb{0, 0, 255}));
    EXPECT_EQ(At(1, 50), kWhite);
}

TEST_F(Overlay2d, TheViewsMatricesAreLeftAsTheyWere)
{
    LoadProjection2d(view);
    GLdouble before[16], after[16];
    glGetDoublev(GL_PROJECTION_MATRIX, before);
    DrawDragRectangle2d(view, {1, 1, 10, 10});
    glGetDoublev(GL_PROJECTION_MATRIX, after);
    for (int i = 0; i < 16; ++i) EXPECT_DOUBLE_EQ(after[i], before[i]);
}

} // namespace
