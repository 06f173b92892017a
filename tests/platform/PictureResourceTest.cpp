// The product pictures built into the program: one splash picture and one About picture per mode.

#include "PictureResources.h"
#include "platform/PictureResource.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <tuple>

namespace {

struct PictureCase {
    int id;
    int width;
    int height;
};

void PrintTo(const PictureCase& c, std::ostream* os) { *os << "picture " << c.id; }

class PictureResource : public ::testing::TestWithParam<PictureCase> {};

// The number of different colours of an image.
size_t ColourCount(const CTextureImage& image)
{
    std::set<std::tuple<int, int, int>> colours;
    for (size_t i = 0; i + 2 < image.data.size(); i += 3)
        colours.emplace(image.data[i], image.data[i + 1], image.data[i + 2]);
    return colours.size();
}

}  // namespace

TEST_P(PictureResource, LoadsAtItsSizeAndIsADrawing)
{
    const PictureCase& c = GetParam();
    CTextureImage image;
    ASSERT_TRUE(CPictureResource::Load(c.id, image));
    EXPECT_EQ(image.sizeX, c.width);
    EXPECT_EQ(image.sizeY, c.height);
    ASSERT_EQ(image.data.size(), size_t(c.width) * c.height * 3);
    EXPECT_GT(ColourCount(image), 16u);
}

INSTANTIATE_TEST_SUITE_P(BothModes, PictureResource,
                         ::testing::Values(PictureCase{IDB_SPLASH_BUILDER, 420, 315}, PictureCase{IDB_SPLASH_3D, 420, 315},
                                           PictureCase{IDB_ABOUT_BUILDER, 300, 222},
                                           PictureCase{IDB_ABOUT_3D, 300, 222}));

TEST(PictureResources, EachModeHasPicturesOfItsOwn)
{
    CTextureImage builder, editor;
    ASSERT_TRUE(CPictureResource::Load(IDB_SPLASH_BUILDER, builder));
    ASSERT_TRUE(CPictureResource::Load(IDB_SPLASH_3D, editor));
    EXPECT_NE(builder.data, editor.data);
    ASSERT_TRUE(CPictureResource::Load(IDB_ABOUT_BUILDER, builder));
    ASSERT_TRUE(CPictureResource::Load(IDB_ABOUT_3D, editor));
    EXPECT_NE(builder.data, editor.data);
}

TEST(PictureResources, AnIdWithoutAPictureLoadsNothing)
{
    for (int id : {0, 128, 130, 276, 296, 299}) {
        CTextureImage image;
        image.sizeX = 7;
        EXPECT_FALSE(CPictureResource::Load(id, image)) << id;
        EXPECT_EQ(image.sizeX, 7) << id;
    }
}
