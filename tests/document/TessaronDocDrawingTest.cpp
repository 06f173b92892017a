// The drawing data the document keeps up to date itself, after loads and edits, so the views only
// read the model while they paint.

#include "support/DocFixture.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using DocDrawing = DocFixture;

TEST_F(DocDrawing, EdgeFlagsFollowTheDeviceAsItNowStandsAndClearWhatNoLongerHolds)
{
    UseZSegments(2);
    AddColumn(0, {"gaas", "inp", "gaas"});
    AddColumn(0, {"gaas"});
    AddColumn(1, {"gaas"});
    doc().RefreshLayerEdges();
    EXPECT_EQ(LayerAt(0, 1, 0).m_wEdgeFlags, EDGE_FIRST_ZSEG | EDGE_BOTTOM_LAYER | EDGE_RIGHT_FACE | EDGE_TOP_LAYER);
    EXPECT_EQ(LayerAt(1, 0, 0).m_wEdgeFlags,
              EDGE_LAST_ZSEG | EDGE_BOTTOM_LAYER | EDGE_LEFT_FACE | EDGE_RIGHT_FACE | EDGE_TOP_LAYER);

    // Column 1 grows a layer: its row 0 is no longer the top, and row 1 of column 0 now has a
    // neighbour on its right. A third z-segment makes z-segment 2 an inner one.
    Seg(0).Column(1).AppendLayer(MakeLayer("inp"));
    g_nZSegCount = 3;
    AddColumn(2, {"gaas"});
    doc().RefreshLayerEdges();
    EXPECT_EQ(LayerAt(0, 1, 0).m_wEdgeFlags, EDGE_FIRST_ZSEG | EDGE_BOTTOM_LAYER | EDGE_RIGHT_FACE);
    EXPECT_EQ(LayerAt(0, 0, 1).m_wEdgeFlags, EDGE_FIRST_ZSEG | EDGE_LEFT_FACE);
    EXPECT_EQ(LayerAt(1, 0, 0).m_wEdgeFlags, EDGE_BOTTOM_LAYER | EDGE_LEFT_FACE | EDGE_RIGHT_FACE | EDGE_TOP_LAYER);
    EXPECT_EQ(LayerAt(0, 1, 1).m_nRow, 1);
    EXPECT_EQ(LayerAt(0, 1, 1).m_nColumn, 1);
    EXPECT_EQ(LayerAt(2, 0, 0).m_nZSeg, 2);
}

TEST_F(DocDrawing, EveryViewUpdateBringsTheEdgeFlagsUpToDateFirst)
{
    UseZSegments(1);
    AddColumn(0, {"gaas"});
    LayerAt(0, 0, 0).m_wEdgeFlags = 0;
    doc().UpdateAllViews(0);
    EXPECT_EQ(LayerAt(0, 0, 0).m_wEdgeFlags, 0x3f);
    ASSERT_EQ(views.hints.size(), 1u);
    EXPECT_EQ(views.hints[0], 0);
}

TEST_F(DocDrawing, AnOpenedLayerFileIsReadyToDraw)
{
    TempFolder folder;
    const std::string path =
        folder.Write("ridge.layer", FileBytes(TESSARON_FIXTURES "/layer/ridge_two_columns.layer"));
    prompts.AllowUnscripted();
    ASSERT_TRUE(doc().OnOpenDocument(path));
    ASSERT_EQ(g_nZSegCount, 1);
    const CZSegment& seg = Seg(0);
    for (int c = 0; c < seg.GetColumnCount(); ++c)
        for (int r = 0; r < seg.GetColumn(c).GetLayersInUse(); ++r) {
            const CLayerRec& l = seg.GetColumn(c).GetLayer(r);
            EXPECT_TRUE(l.m_wEdgeFlags & EDGE_LAST_ZSEG) << c << r;
            EXPECT_TRUE(l.m_wEdgeFlags & EDGE_FIRST_ZSEG) << c << r;
            EXPECT_EQ(bool(l.m_wEdgeFlags & EDGE_TOP_LAYER), r == seg.GetColumn(c).GetLayersInUse() - 1) << c << r;
            EXPECT_EQ(l.m_nColumn, c);
            EXPECT_EQ(l.m_nRow, r);
        }
}
