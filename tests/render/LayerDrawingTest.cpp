#include "render/LayerDrawing.h"
#include "render/Scene2d.h"
#include "support/OffscreenGL.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

// A 4 x 1 layer from (0, 0) with a z range of 0 to 2, laid out as the document would.
CLayerRec MakeLayer(int colour)
{
    CLayerRec l;
    l.m_Material.m_Bulk.m_strName = "GaAs";
    l.m_nColour = colour;
    l.m_fHeight = 1;
    l.m_fWidth = l.m_fUpperWidth = l.m_fLowerWidth = 4;
    l.SetExtent(CPoint3f(0, 0, 0), 0, false, 0);
    l.m_fZFrom = 0;
    l.m_fZTo = 2;
    l.m_nZSeg = 0;
    l.m_wEdgeFlags = EDGE_LAST_ZSEG | EDGE_FIRST_ZSEG | EDGE_TOP_LAYER | EDGE_BOTTOM_LAYER | EDGE_LEFT_FACE |
                     EDGE_RIGHT_FACE;
    return l;
}

CRgb ReadPixelAt(const COffscreenGL& gl, double x, double y, double z)
{
    double model[16], proj[16], wx, wy, wz;
    int viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, proj);
    glGetIntegerv(GL_VIEWPORT, viewport);
    gluProject(x, y, z, model, proj, viewport, &wx, &wy, &wz);
    auto p = gl.Pixel(int(wx), int(wy));
    return {p[0], p[1], p[2]};
}

} // namespace

void PrintTo(const CRgb& c, std::ostream* os);

TEST(LayerDrawing, ThreeDPrismShadesTopAndSideFaces)
{
    COffscreenGL gl(400, 400);
    ASSERT_TRUE(gl.IsValid()) << gl.Error();
    SetupGL2d();
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-4, 6, -4, 6, -50, 50);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // Looking down on the top face and in on the right face.
    glRotatef(50, 1, 0, 0);
    glRotatef(-40, 0, 1, 0);

    const CLayerRec layer = MakeLayer(12); // (200, 0, 50)
    CLayerDrawOptions o;
    o.flat = false;
    o.noSides = false;
    o.currentZSeg = 1;
    DrawLayerGL(layer, o);
    glFinish();

    const CRgb colour{200, 0, 50};
    EXPECT_EQ(ReadPixelAt(gl, 2, 1, 1), (CRgb{154, 0, 38})) << "top face: channels x 0.77, truncated";
    EXPECT_EQ(ReadPixelAt(gl, 4, 0.5, 1), (CRgb{144, 0, 36})) << "right face: channels x 0.72";
    EXPECT_EQ(ReadPixelAt(gl, 2, 0.5, 2), colour) << "front face";
    EXPECT_FALSE(glIsEnabled(GL_STENCIL_TEST)) << "attributes restored";
    GLfloat width = 0;
    glGetFloatv(GL_LINE_WIDTH, &width);
    EXPECT_EQ(width, 1.0f);
}

TEST(LayerDrawing, ContactBarThicknessInThreeDIsAtLeastOneHundredth)
{
    COffscreenGL gl(200, 200);
    ASSERT_TRUE(gl.IsValid()) << gl.Error();
    SetupGL2d();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 4, 0.98, 1.02, -50, 50); // 0.04 units high: one hundredth is 50 pixels
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    CColumnRec column;
    column.SetLayerCount(CColumnRec::kMaxLayers);
    column.SetLayersInUse(1);
    column.Layer(0) = MakeLayer(3);
    CTopContact range;
    range.m_fFrom = 1;
    range.m_fTo = 3;
    column.m_Contacts.AddTop(range);

    for (float thickness : {0.0f, -1.0f, 0.005f}) {
        glClearColor(1, 1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        DrawTopContacts(column, thickness, 1.0f, true);
        glFinish();
        // From y 1 to 1.01: pixels 100 to 150 of the column at x 2.
        auto inside = gl.Pixel(100, 140);
        auto above = gl.Pixel(100, 160);
        EXPECT_EQ(inside[0], 0) << thickness;
        EXPECT_EQ(above[0], 255) << thickness;
    }
}

TEST(LayerDrawing, TexturesAreUploadedForTheImagesGiven)
{
    COffscreenGL gl(16, 16);
    ASSERT_TRUE(gl.IsValid()) << gl.Error();
    std::vector<unsigned char> pixels(8 * 4 * 3, 200);
    CTextureData images[kTextureNameCount];
    images[0] = {8, 4, pixels.data()};
    images[22] = {8, 4, pixels.data()};
    GLuint names[kTextureNameCount] = {};
    UploadTextures(images, names);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    for (int i : {0, 22}) {
        glBindTexture(GL_TEXTURE_2D, names[i]);
        GLint w = 0, h = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
        EXPECT_EQ(w, 8) << i;
        EXPECT_EQ(h, 4) << i;
    }
    glBindTexture(GL_TEXTURE_2D, names[5]);
    GLint w = -1;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
    EXPECT_EQ(w, 0) << "a name without an image keeps no image";
    for (int i = 0; i < kTextureNameCount; ++i) EXPECT_NE(names[i], 0u);
}
