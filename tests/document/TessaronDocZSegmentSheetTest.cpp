#include "CommandIds.h"
#include "EditCommandsFixture.h"

#include <gtest/gtest.h>

namespace {

// Four z-segments [0, 1], [1, 2], [2, 3], [3, 4], each one column {gaas, inp}; z-segment 2 current.
class ZSegmentSheet : public EditCommands {
protected:
    void SetUp() override
    {
        UseZSegments(4);
        for (int z = 0; z < 4; ++z) {
            AddColumn(z, {"gaas", "inp"});
            Seg(z).m_Params.m_dZFrom = z;
            Seg(z).m_Params.m_dZTo = z + 1.0;
        }
        doc().BuildSegInfoList();
        g_nCurZSeg = 2;
    }
    // Runs the command with a user who edits the images and presses OK.
    void Run(const std::function<void(LayerSheetRequest&)>& user)
    {
        AcceptNextSheetWith(user);
        doc().OnCommand(ID_ZSEG_PROPERTY);
    }
};

}  // namespace

TEST_F(ZSegmentSheet, MovingTheZEndMovesOnlyTheLaterZSegments)
{
    Select(1, 0, 1);
    Run([](LayerSheetRequest& request) {
        EXPECT_EQ(request.caption, "Modify Z Panels");
        EXPECT_FALSE(request.allPages);
        EXPECT_EQ(request.zSegmentPageIndex, 1);
        EXPECT_EQ(request.previousZEnd, 1.0);
        EXPECT_EQ(g_EditZSegment.m_Params.m_dZTo, 2.0);
        g_EditZSegment.m_Params.m_dZTo = 2.25;
        g_EditZSegment.m_Params.m_dAngle = 30.0;
        g_EditZSegment.m_Params.m_strTaperLink = "no";
        g_EditColumn.m_nTaperLine = 1;
    });
    EXPECT_EQ(Seg(0).m_Params.m_dZTo, 1.0);
    EXPECT_EQ(Seg(1).m_Params.m_dZTo, 2.25);
    EXPECT_EQ(Seg(2).m_Params.m_dZFrom, 2.25);
    EXPECT_EQ(Seg(3).m_Params.m_dZTo, 4.25);
    EXPECT_EQ(doc().m_SegInfoList.GetAt(3)->m_dZEnd, 4.25);
    EXPECT_EQ(Seg(1).m_Params.m_dAngle, 30.0);
    EXPECT_EQ(Seg(1).m_Params.m_strTaperLink, "no");
    EXPECT_EQ(Seg(1).GetColumn(0).m_nTaperLine, 1);
    EXPECT_EQ(Seg(1).m_nSelectedRow, 1);
    EXPECT_EQ(LayerAt(1, 0, 1).m_nSelected, 1);
    EXPECT_TRUE(doc().IsModified());
    EXPECT_EQ(views.hints, std::vector<int>{0});

    doc().OnEditUndo();
    EXPECT_EQ(Seg(3).m_Params.m_dZTo, 4.0);
}

TEST_F(ZSegmentSheet, WithoutASelectionTheSheetRunsOnASubstituteThatIsGivenBack)
{
    Run([this](LayerSheetRequest& request) {
        EXPECT_EQ(request.zSegmentPageIndex, 0);
        EXPECT_EQ(doc().m_nForcedSelection, 1);
        EXPECT_EQ(doc().m_nDrawingLock, 1);
        EXPECT_EQ(Seg(1).m_nSelectedRow, 0);
        EXPECT_FALSE(Enabled(ID_LAYER_MODIFY));
        g_EditColumn.m_nTaperLine = 1;
        g_EditZSegment.m_Params.m_nZPlanes = 1;
    });
    EXPECT_EQ(doc().m_nForcedSelection, 0);
    EXPECT_EQ(doc().m_nDrawingLock, 0);
    EXPECT_EQ(Seg(1).m_nSelectedRow, -1);
    EXPECT_EQ(Seg(1).m_nSelectedColumn, -1);
    EXPECT_EQ(Seg(1).GetColumn(0).m_nSelectedLayer, -1);
    EXPECT_EQ(Seg(1).GetColumn(0).m_nTaperLine, 0);
}

TEST_F(ZSegmentSheet, AnEmptyZRangeHasOneZPlane)
{
    g_strIsolatedMethod = "yes";
    Seg(1).m_Params.m_nZPlanes = 3;
    Run([](LayerSheetRequest&) { g_EditZSegment.m_Params.m_dZTo = 0.5; });
    EXPECT_EQ(Seg(1).m_Params.m_dZFrom, 1.0);
    EXPECT_EQ(Seg(1).m_Params.m_dZTo, 1.0);
    EXPECT_EQ(Seg(1).m_Params.m_nZPlanes, 1);
}

TEST_F(ZSegmentSheet, AZFromBelowThePreviousEndIsRaisedToIt)
{
    Run([](LayerSheetRequest&) { g_EditZSegment.m_Params.m_dZFrom = 0.5; });
    EXPECT_EQ(Seg(1).m_Params.m_dZFrom, 1.0);
    EXPECT_EQ(Seg(1).m_Params.m_dZTo, 2.0);
}

TEST_F(ZSegmentSheet, CancelLeavesModelHistoryAndSelectionAsTheyWere)
{
    Select(1, 0, 0);
    sheets.OnNextSheet([](LayerSheetRequest&) {
        g_EditZSegment.m_Params.m_dZTo = 7.0;
        return false;
    });
    doc().OnCurrentZsegmentProperty();
    EXPECT_EQ(Seg(1).m_Params.m_dZTo, 2.0);
    EXPECT_FALSE(CanUndo());
    EXPECT_FALSE(doc().IsModified());
    EXPECT_EQ(Seg(1).m_nSelectedRow, 0);
    EXPECT_EQ(doc().m_nForcedSelection, 0);
}

TEST_F(ZSegmentSheet, TheFirstRealExtentOfTheOnlyZSegmentResetsTheViews)
{
    UseZSegments(1);
    AddColumn(0, {"gaas"});
    doc().BuildSegInfoList();
    Run([](LayerSheetRequest& request) {
        EXPECT_EQ(request.previousZEnd, 0.0);  // the first z-segment counts from z = 0
        g_EditZSegment.m_Params.m_dZTo = 3.0;
    });
    EXPECT_EQ(views.hints, (std::vector<int>{1, 0}));
    EXPECT_EQ(doc().m_SegInfoList.GetAt(0)->m_dZEnd, 3.0);
}

TEST_F(ZSegmentSheet, ThePageCountsTheTaperLengthFromTheEndBeforeOrFromZeroForTheFirst)
{
    Seg(0).m_Params.m_dZFrom = 0.5;
    g_nCurZSeg = 1;
    Run([](LayerSheetRequest& request) { EXPECT_EQ(request.previousZEnd, 0.0); });
    g_nCurZSeg = 3;
    Run([](LayerSheetRequest& request) { EXPECT_EQ(request.previousZEnd, 2.0); });
}

TEST_F(ZSegmentSheet, AnEmptySelectedLayerGivesItsRowAndTheSubstituteBack)
{
    // Column 0 holds only an empty layer; the substitute selection lands on it.
    UseZSegments(1);
    AddColumn(0, {"void"});
    AddColumn(0, {"gaas", "inp"});
    doc().BuildSegInfoList();
    Run([](LayerSheetRequest&) { g_EditZSegment.m_Params.m_dZTo = 0.5; });
    EXPECT_EQ(Seg(0).m_Params.m_dZTo, 0.5);
    EXPECT_EQ(doc().m_nForcedSelection, 0);
    EXPECT_EQ(Seg(0).m_nSelectedRow, -1);
    EXPECT_EQ(Bulks(0), (Device{{"void"}, {"gaas", "inp"}}));

    // A selected empty top row with nothing beside it goes.
    Seg(0).Column(1).Layer(1).m_Material.m_Bulk.m_strName = "void";
    Select(0, 1, 1);
    Run([](LayerSheetRequest&) {});
    EXPECT_EQ(Bulks(0), (Device{{"void"}, {"gaas"}}));
    EXPECT_EQ(Seg(0).m_nSelectedRow, 0);
    EXPECT_EQ(doc().m_nForcedSelection, 0);
}

TEST_F(ZSegmentSheet, AZSegmentWithoutLayersStillHasItsZValuesEdited)
{
    Seg(1).SetColumnCount(0);
    Run([](LayerSheetRequest&) { g_EditZSegment.m_Params.m_dZTo = 2.5; });
    EXPECT_EQ(Seg(1).m_Params.m_dZTo, 2.5);
    EXPECT_EQ(Seg(2).m_Params.m_dZTo, 3.5);
}
