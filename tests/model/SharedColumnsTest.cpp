#include "model/SharedColumns.h"
#include "model/ZSegment.h"

#include "support/RecordBuilders.h"
#include "support/SameLayout.h"

#include <gtest/gtest.h>

TEST(SharedColumns, ACopySharesEveryColumnUntilOneIsWritten)
{
    CZSegment segment = MakeThreeColumnSegment();
    const CZSegment snapshot = segment;
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(&segment.GetColumn(c), &snapshot.GetColumn(c)) << c;

    segment.Column(1).Layer(0).m_fHeight = 7.0f;
    EXPECT_EQ(&segment.GetColumn(0), &snapshot.GetColumn(0));
    EXPECT_NE(&segment.GetColumn(1), &snapshot.GetColumn(1));
    EXPECT_EQ(&segment.GetColumn(2), &snapshot.GetColumn(2));
    EXPECT_FLOAT_EQ(segment.GetColumn(1).GetLayer(0).m_fHeight, 7.0f);
    EXPECT_FLOAT_EQ(snapshot.GetColumn(1).GetLayer(0).m_fHeight, 1.0f);

    // Once it is the only holder, a column is written in place.
    CColumnRec* own = &segment.Column(1);
    segment.Column(1).Layer(1).m_fHeight = 8.0f;
    EXPECT_EQ(&segment.Column(1), own);
}

TEST(SharedColumns, InsertEraseAndResizeLeaveTheOtherCopyAsItWas)
{
    CZSegment segment = MakeThreeColumnSegment();
    const CZSegment snapshot = segment;
    segment.RemoveColumn(0);
    segment.InsertColumn(1, MakeColumn({MakeLayer("void")}));
    segment.SetColumnCount(5);
    ASSERT_EQ(segment.GetColumnCount(), 5);
    EXPECT_EQ(segment.GetColumn(0).GetLayer(0).m_Material.m_Bulk.m_strName, "inp");
    EXPECT_EQ(segment.GetColumn(1).GetLayer(0).m_Material.m_Bulk.m_strName, "void");
    EXPECT_EQ(segment.GetColumn(4).GetLayersInUse(), 0);
    ASSERT_EQ(snapshot.GetColumnCount(), 3);
    EXPECT_EQ(snapshot.GetColumn(0).GetLayer(0).m_Material.m_Bulk.m_strName, "gaas");

    std::vector<std::string> names;
    for (const CColumnRec& column : snapshot.GetColumns())
        names.push_back(column.GetLayer(0).m_Material.m_Bulk.m_strName);
    EXPECT_EQ(names, (std::vector<std::string>{"gaas", "inp", "algaas"}));
    EXPECT_EQ(snapshot.GetColumns().back().GetLayer(1).m_fHeight, 0.5f);
}

TEST(SharedColumns, ALayoutThatMovesNothingKeepsTheColumnsShared)
{
    CZSegment segment = MakeThreeColumnSegment();
    segment.LayoutColumns(false, 0.0f, 0.5, 0.01);
    const CZSegment snapshot = segment;

    segment.LayoutColumns(false, 0.0f, 0.5, 0.01);
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(&segment.GetColumn(c), &snapshot.GetColumn(c)) << c;

    // A taller first row of column 1 moves column 1 and, through its rows, column 2.
    segment.Column(1).Layer(0).m_fHeight = 4.0f;
    segment.Column(0).Layer(0).m_fHeight = 4.0f;
    segment.LayoutColumns(false, 0.0f, 0.5, 0.01);
    EXPECT_NE(&segment.GetColumn(2), &snapshot.GetColumn(2));
    EXPECT_FLOAT_EQ(segment.GetColumn(2).GetLayer(1).m_C.y, 4.0f);
    EXPECT_FLOAT_EQ(snapshot.GetColumn(2).GetLayer(1).m_C.y, 1.0f);

    // Every layout gives what a layout of unshared columns gives.
    CZSegment alone = segment;
    for (int c = 0; c < 3; ++c)
        alone.Column(c);  // copies: nothing of alone is shared any more
    const CZSegment before = segment;
    segment.LayoutColumns(true, 0.75f, 1.0, 0.02);
    alone.LayoutColumns(true, 0.75f, 1.0, 0.02);
    ExpectSameLayout(segment, alone, 3, 2);
    EXPECT_FLOAT_EQ(segment.GetColumn(0).GetLayer(1).m_A.y, 4.75f);
    EXPECT_FLOAT_EQ(before.GetColumn(0).GetLayer(1).m_A.y, 4.5f);
}
