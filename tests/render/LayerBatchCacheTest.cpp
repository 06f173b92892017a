// The 2-D scene's layer batches are kept between frames and built again only when the document's
// drawing revision moves on, which every update of the document does.

#include "render/LayerBatchCache.h"
#include "render/Scene2d.h"
#include "render/View2dState.h"
#include "DrawingFixture.h"
#include "support/OffscreenGL.h"

#include <gtest/gtest.h>

namespace {

class LayerBatchCache : public ::testing::Test {
protected:
    static constexpr int kWidth = 400, kHeight = 300;
    COffscreenGL gl{kWidth, kHeight};
    CView2dState view;
    CTessaronDoc doc;
    CZSegment& seg = UseFixtureSegment(doc);
    CLayerBatchCache cache;

    void SetUp() override
    {
        ASSERT_TRUE(gl.IsValid()) << gl.Error();
        SetupGL2d();
        SetProjection2d(view, kWidth, kHeight);
        doc.SetThinLayerHeight(2, true, view.contactBarThickness);
    }

    // A frame as the 2-D view paints it; the colour under model (2, 0.5), column 0 row 0.
    CRgb Paint(bool cached = true)
    {
        CScene2d scene;
        scene.segment = &seg;
        scene.currentZSeg = 1;
        scene.backGrid = false;
        scene.layerBatches = cached ? &cache : nullptr;
        scene.revision = doc.GetDrawingRevision();
        RenderScene2d(view, scene);
        glFinish();
        const CClientPoint p = ProjectPoint(view, {2, 0.5f});
        const auto rgb = gl.ClientPixel(p.x, p.y);
        return {rgb[0], rgb[1], rgb[2]};
    }
};

CRgb Colour(int index)
{
    CRgb c;
    MaterialIndexColour(index, c.r, c.g, c.b);
    return c;
}

TEST_F(LayerBatchCache, AFrameWithoutAnEditDrawsTheBatchItHas)
{
    EXPECT_EQ(Paint(), Colour(3));
    EXPECT_EQ(Paint(), Colour(3));
    EXPECT_EQ(cache.GetBuildCount(), 1);
    // A change the document has not been told of stays unseen; its update brings it in.
    seg.Column(0).Layer(0).m_nColour = 7;
    EXPECT_EQ(Paint(), Colour(3));
    EXPECT_EQ(cache.GetBuildCount(), 1);
    doc.UpdateAllViews(0);
    EXPECT_EQ(Paint(), Colour(7));
    EXPECT_EQ(cache.GetBuildCount(), 2);
    EXPECT_EQ(Paint(false), Colour(7)) << "the batch drawn for this frame alone shows the same";
}

}  // namespace
