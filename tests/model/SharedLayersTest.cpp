#include "model/SharedLayers.h"
#include "model/ZSegment.h"

#include "support/RecordBuilders.h"
#include "support/SameLayout.h"

#include <gtest/gtest.h>

#include <memory>

TEST(SharedLayers, AColumnCopiedForAWriteCopiesOnlyTheLayerWritten)
{
    CZSegment segment = MakeThreeColumnSegment();
    const CZSegment snapshot = segment;

    segment.Column(1).Layer(0).m_fHeight = 7.0f;
    ASSERT_NE(&segment.GetColumn(1), &snapshot.GetColumn(1));
    EXPECT_NE(&segment.GetColumn(1).GetLayer(0), &snapshot.GetColumn(1).GetLayer(0));
    EXPECT_EQ(&segment.GetColumn(1).GetLayer(1), &snapshot.GetColumn(1).GetLayer(1));
    EXPECT_FLOAT_EQ(segment.GetColumn(1).GetLayer(0).m_fHeight, 7.0f);
    EXPECT_FLOAT_EQ(snapshot.GetColumn(1).GetLayer(0).m_fHeight, 1.0f);

    // The layer still shared is copied when it is written in turn; the snapshot keeps its value.
    segment.Column(1).Layer(1).m_Material.m_Bulk.m_strName = "void";
    EXPECT_NE(&segment.GetColumn(1).GetLayer(1), &snapshot.GetColumn(1).GetLayer(1));
    EXPECT_EQ(snapshot.GetColumn(1).GetLayer(1).m_Material.m_Bulk.m_strName, "inp");

    // Once the column is the only holder of a layer, the layer is written in place.
    const CLayerRec* own = &segment.GetColumn(1).GetLayer(0);
    segment.Column(1).Layer(0).m_fHeight = 8.0f;
    EXPECT_EQ(&segment.GetColumn(1).GetLayer(0), own);
}

TEST(SharedLayers, AColumnCopyOfItsOwnHasLayersOfItsOwn)
{
    CColumnRec column = MakeColumn({MakeLayer("gaas", 1.0f, 2.0f), MakeLayer("inp", 0.5f, 2.0f)});
    CLayerRec& taken = column.Layer(0);
    const CColumnRec copy = column;
    taken.m_fHeight = 9.0f;
    EXPECT_FLOAT_EQ(column.GetLayer(0).m_fHeight, 9.0f);
    EXPECT_FLOAT_EQ(copy.GetLayer(0).m_fHeight, 1.0f);
    for (int r = 0; r < 2; ++r) {
        EXPECT_NE(&copy.GetLayer(r), &column.GetLayer(r)) << r;
        EXPECT_FALSE(copy.GetLayers().IsShared(static_cast<std::size_t>(r))) << r;
    }
}

TEST(SharedLayers, ALayoutCopiesOnlyTheLayersItMoves)
{
    CZSegment segment = MakeThreeColumnSegment();
    segment.LayoutColumns(false, 0.0f, 0.0, 0.0);
    const CZSegment snapshot = segment;

    // A wider top of column 0's upper layer shifts the upper row of the columns to its right; the
    // lower row stays where it was.
    segment.Column(0).Layer(1).m_fUpperWidth = 3.0f;
    segment.LayoutColumns(false, 0.0f, 0.0, 0.0);
    EXPECT_EQ(&segment.GetColumn(0).GetLayer(0), &snapshot.GetColumn(0).GetLayer(0));
    EXPECT_EQ(&segment.GetColumn(1).GetLayer(0), &snapshot.GetColumn(1).GetLayer(0));
    EXPECT_NE(&segment.GetColumn(1).GetLayer(1), &snapshot.GetColumn(1).GetLayer(1));
    EXPECT_FLOAT_EQ(segment.GetColumn(1).GetLayer(1).m_A.x - snapshot.GetColumn(1).GetLayer(1).m_A.x, 1.0f);
    EXPECT_FLOAT_EQ(snapshot.GetColumn(0).GetLayer(1).m_fUpperWidth, 2.0f);

    // The layout of the shared layers gives what a layout of unshared ones gives.
    CZSegment alone;
    for (const CColumnRec& column : segment.GetColumns()) {
        CColumnRec own;
        own.SetLayerCount(CColumnRec::kMaxLayers);
        for (const CLayerRec& layer : column.GetLayers())
            own.AppendLayer(layer);
        alone.AppendColumn(own);
    }
    alone.m_Params = segment.m_Params;
    segment.Column(0).Layer(0).m_fHeight = 2.0f;
    alone.Column(0).Layer(0).m_fHeight = 2.0f;
    segment.LayoutColumns(true, 0.75f, 1.0, 0.02);
    alone.LayoutColumns(true, 0.75f, 1.0, 0.02);
    ExpectSameLayout(segment, alone, 3, 2);
}

TEST(SharedLayers, ALayerSharedWithASnapshotOutlivesTheColumnItWasMadeWith)
{
    // The layers of a column live in one block: the snapshot's layers must stay whole when the
    // column that made the block drops and rewrites its own, and then goes altogether.
    auto column = std::make_unique<CColumnRec>(
        MakeColumn({MakeLayer("gaas", 1.0f), MakeLayer("inp", 0.5f), MakeLayer("alas", 0.25f)}));
    CColumnRec snapshot;
    {
        CSharedLayers::SharingScope sharing;
        snapshot = *column;
    }
    EXPECT_TRUE(snapshot.GetLayers().IsShared(1));
    column->RemoveLayer(2);
    column->Layer(0).m_fHeight = 4.0f;
    EXPECT_FALSE(snapshot.GetLayers().IsShared(0));
    EXPECT_TRUE(snapshot.GetLayers().IsShared(1));
    column.reset();

    EXPECT_FALSE(snapshot.GetLayers().IsShared(1));
    const float heights[] = {1.0f, 0.5f, 0.25f};
    const char* names[] = {"gaas", "inp", "alas"};
    for (int r = 0; r < 3; ++r) {
        EXPECT_FLOAT_EQ(snapshot.GetLayer(r).m_fHeight, heights[r]) << r;
        EXPECT_EQ(snapshot.GetLayer(r).m_Material.m_Bulk.m_strName, names[r]) << r;
    }
}
