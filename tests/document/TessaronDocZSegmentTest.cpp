// New and Delete z-segment through the document with the scripted sheet and position dialog: the
// 3-D editor's first z-segment through the "New segment" sheet, further z-segments copied or read
// from a file at the place the dialog gives, the z ranges of the following ones, the refusals, and
// Cancel, which leaves the device as it was.

#include "CommandIds.h"
#include "document/BuildCommandsFixture.h"
#include "support/FileBytes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const char kTooSmall[] = "Your input value must be bigger \nthan the previous one .\n";

class ZSegments : public BuildCommandsFixture {
protected:
    std::vector<std::pair<double, double>> Ranges()
    {
        std::vector<std::pair<double, double>> ranges;
        for (int z = 0; z < g_nZSegCount; ++z)
            ranges.emplace_back(Seg(z).m_Params.m_dZFrom, Seg(z).m_Params.m_dZTo);
        return ranges;
    }
    std::vector<std::pair<double, double>> SegInfoRanges()
    {
        std::vector<std::pair<double, double>> ranges;
        for (int i = 0; i < doc().m_SegInfoList.GetCount(); ++i)
            ranges.emplace_back(doc().m_SegInfoList.GetAt(i)->m_dZBegin, doc().m_SegInfoList.GetAt(i)->m_dZEnd);
        return ranges;
    }
    using Ranges_ = std::vector<std::pair<double, double>>;
};

}  // namespace

// ---------------------------------------------------------------------------------------------
// The first z-segment of the 3-D editor

TEST_F(ZSegments, TheDeviceEditorsFirstZSegmentComesFromTheNewSegmentSheet)
{
    g_EditZSegment.m_nTotalXMesh = 17;
    g_EditLayer.m_Material.m_Bulk.m_strName = "gaas";
    g_EditLayer.m_fHeight = 0.5f;
    sheets.AcceptNextSheet([] {
        EXPECT_EQ(g_nZSegCount, 1);
        EXPECT_EQ(g_nCurZSeg, 1);
        EXPECT_EQ(g_nLayerEditMode, 1);
        EXPECT_EQ(g_EditZSegment.m_Params.m_dZFrom, 0.0);
        EXPECT_EQ(g_EditZSegment.m_Params.m_dZTo, 0.0);
        EXPECT_EQ(g_EditZSegment.m_Params.m_nZPlanes, 1);
        EXPECT_FLOAT_EQ(g_EditLayer.m_fHeight, 2.4f);
        EXPECT_FLOAT_EQ(g_EditLayer.m_fWidth, 6.0f);
        EXPECT_EQ(g_EditLayer.m_nColumn, 0);
        g_EditZSegment.m_Params.m_dZTo = 2.0;
        g_EditZSegment.m_Params.m_dAngle = 30.0;
        g_EditZSegment.m_Params.m_strTaperLink = "no";
    });
    EXPECT_TRUE(doc().QueryCommand(ID_ZSEG_NEW).enabled);
    EXPECT_FALSE(doc().QueryCommand(ID_ZSEG_DELETE).enabled);
    Run(ID_ZSEG_NEW);

    ASSERT_EQ(sheets.sheetsRun.size(), 1u);
    EXPECT_EQ(sheets.sheetsRun[0].caption, "New segment");
    EXPECT_FALSE(sheets.sheetsRun[0].allPages);
    EXPECT_TRUE(sheets.positionDlgsRun.empty());
    EXPECT_EQ(g_nZSegCount, 1);
    EXPECT_EQ(doc().m_ZSegments.size(), 40u);
    EXPECT_EQ(Seg(0).m_nTotalXMesh, 3);
    EXPECT_EQ(Seg(0).m_nTotalYMesh, 2);
    EXPECT_EQ(Seg(0).m_Params.m_dZTo, 2.0);
    EXPECT_EQ(Seg(0).m_Params.m_dAngle, 30.0);
    EXPECT_EQ(Seg(0).m_Params.m_strTaperLink, "no");
    EXPECT_EQ(Seg(0).m_nColumnSlots, 15);
    ASSERT_EQ(Seg(0).GetColumnCount(), 1);
    EXPECT_EQ(Seg(0).GetColumn(0).GetLayerSlots(), 500);
    EXPECT_EQ(Seg(0).GetColumn(0).GetLayersInUse(), 1);
    EXPECT_EQ(Seg(0).GetColumn(0).GetLayer(0).m_Material.m_Bulk.m_strName, "gaas");
    EXPECT_EQ(Seg(0).m_nSelectedColumn, 0);
    EXPECT_EQ(Seg(0).m_nSelectedRow, 0);
    EXPECT_EQ(Seg(0).GetColumn(0).m_nSelectedLayer, 0);
    EXPECT_EQ(g_ColourUsage[0][0], 1) << "the pair comes from the chooser";
    EXPECT_EQ(SegInfoRanges(), (Ranges_{{0.0, 2.0}}));
    EXPECT_EQ(views.hints.front(), 1) << "the only z-segment got its first real extent";
    EXPECT_EQ(views.hints.back(), 0);
    EXPECT_EQ(UndoEntries(), 1);
    EXPECT_TRUE(doc().IsModified());
    EXPECT_TRUE(doc().QueryCommand(ID_ZSEG_DELETE).enabled);
}

TEST_F(ZSegments, AFirstZSegmentWithoutExtentOnlyUpdatesTheViews)
{
    g_EditLayer.m_Material.m_Bulk.m_strName = "gaas";
    sheets.AcceptNextSheet();
    Run(ID_ZSEG_NEW);
    EXPECT_EQ(g_nZSegCount, 1);
    EXPECT_EQ(std::count(views.hints.begin(), views.hints.end(), 1), 0);
}

TEST_F(ZSegments, CancellingTheFirstSheetLeavesNoZSegmentAndNoUndoEntry)
{
    sheets.CancelNextSheet();
    Run(ID_ZSEG_NEW);
    EXPECT_EQ(g_nZSegCount, 0);
    EXPECT_EQ(g_nCurZSeg, 0);
    EXPECT_EQ(UndoEntries(), 0);
    EXPECT_EQ(doc().m_nLastSheetAccepted, 0);
    EXPECT_EQ(views.hints, std::vector<int>{0});
    EXPECT_TRUE(doc().IsModified());
    EXPECT_FALSE(doc().QueryCommand(ID_ZSEG_DELETE).enabled);
}

// ---------------------------------------------------------------------------------------------
// Further z-segments

TEST_F(ZSegments, ACopyGoesAfterTheCurrentZSegmentAndTheFollowingOnesMoveOn)
{
    OpenRidgeAsZSegments({{0.0, 1.0}, {1.0, 3.0}});
    Seg(1).Column(0).Layer(0).m_Material.m_Bulk.m_strName = "algaas";
    sheets.AcceptNextPosition(1.0, 1.5);
    Run(ID_ZSEG_NEW);

    ASSERT_EQ(sheets.positionDlgsRun.size(), 1u);
    EXPECT_EQ(sheets.positionDlgsRun[0].from, 1.0);
    EXPECT_EQ(sheets.positionDlgsRun[0].to, 1.0);
    EXPECT_EQ(sheets.positionDlgsRun[0].previousEnd, 1.0);
    EXPECT_TRUE(sheets.sheetsRun.empty());
    EXPECT_EQ(g_nZSegCount, 3);
    EXPECT_EQ(g_nCurZSeg, 2);
    EXPECT_EQ(doc().m_ZSegments.size(), 40u);
    // The new z-segment spans the previous one's length from its end, whatever the dialog said.
    EXPECT_EQ(Ranges(), (Ranges_{{0.0, 1.0}, {1.0, 2.0}, {2.0, 4.0}}));
    EXPECT_EQ(SegInfoRanges(), Ranges());
    EXPECT_EQ(Seg(1).GetColumnCount(), 2);
    EXPECT_EQ(Seg(1).m_Params.m_nZPlanes, 1);
    EXPECT_EQ(Seg(1).GetColumn(0).GetLayer(0).m_Material.m_Bulk.m_strName, "gaas");
    EXPECT_EQ(Seg(2).GetColumn(0).GetLayer(0).m_Material.m_Bulk.m_strName, "algaas");
    EXPECT_TRUE(Seg(1).m_Sections.empty());
    // Copied labels get names of their own.
    EXPECT_EQ(Seg(1).GetColumn(0).m_Labels.at(0).m_strText, "ridge1");
    EXPECT_EQ(Seg(0).GetColumn(0).m_Labels.at(0).m_strText, "ridge");
    // The colour usage counts the new z-segment's layers.
    EXPECT_EQ(ColourUses(), 8);
    EXPECT_EQ(doc().m_ZSegClipboard.GetColumnCount(), 2);
    EXPECT_EQ(doc().m_ZSegClipboard.m_nColumnSlots, 20);
    EXPECT_EQ(doc().m_MaterialSets.size(), 3u);
    EXPECT_EQ(UndoEntries(), 1);
    EXPECT_EQ(views.hints.back(), 0);
    EXPECT_TRUE(prompts.Texts().empty());
}

TEST_F(ZSegments, APositionBeforeThePreviousEndIsRefusedAndAskedAgain)
{
    OpenRidgeAsZSegments({{0.0, 1.0}});
    sheets.AcceptNextPosition(0.5, 2.0, "kept.layer");
    sheets.OnNextPositionDlg([](ZSegPositionRequest& request) {
        EXPECT_EQ(request.from, 1.0);
        EXPECT_EQ(request.to, 1.0);
        EXPECT_EQ(request.layerFileName, "kept.layer");
        request.layerFileName.clear();
        return true;  // From and To equal to the previous end are accepted
    });
    prompts.AnswerNext(IDOK);
    Run(ID_ZSEG_NEW);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{kTooSmall});
    EXPECT_EQ(sheets.positionDlgsRun.size(), 2u);
    EXPECT_EQ(g_nZSegCount, 2);
}

TEST_F(ZSegments, AToBeforeTheFromIsRefusedAndClosingTheMessageOtherwiseCancels)
{
    OpenRidgeAsZSegments({{0.0, 1.0}});
    sheets.AcceptNextPosition(1.5, 1.2);
    prompts.AnswerNext(IDCANCEL);
    Run(ID_ZSEG_NEW);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{kTooSmall});
    EXPECT_EQ(g_nZSegCount, 1);
    EXPECT_EQ(UndoEntries(), 0);
}

TEST_F(ZSegments, CancellingThePositionLeavesTheDeviceTheHistoryAndTheColoursAsTheyWere)
{
    OpenRidgeAsZSegments({{0.0, 1.0}, {1.0, 3.0}});
    doc().SetModifiedFlag(false);
    const std::string before = SavedDevice();
    const int uses = ColourUses();
    sheets.CancelNextPosition();
    Run(ID_ZSEG_NEW);
    EXPECT_EQ(SavedDevice(), before);
    EXPECT_EQ(g_nZSegCount, 2);
    EXPECT_EQ(g_nCurZSeg, 1);
    EXPECT_EQ(ColourUses(), uses);
    EXPECT_EQ(UndoEntries(), 0);
    EXPECT_EQ(SegInfoRanges(), (Ranges_{{0.0, 1.0}, {1.0, 3.0}}));
    // The template stays for a later "Paste z-segment material".
    EXPECT_EQ(doc().m_ZSegClipboard.GetColumnCount(), 2);
}

TEST_F(ZSegments, ALayerFileNamedInTheDialogIsReadAsTheNewZSegment)
{
    const std::string other = folder.Write("other.layer", ExistingFileBytes(kLayerFixtures + "three_columns_include.layer"));
    folder.Write("one_row.inc", ExistingFileBytes(kLayerFixtures + "one_row.inc"));
    OpenRidgeAsZSegments({{0.0, 1.0}, {1.0, 3.0}});
    sheets.AcceptNextPosition(1.0, 1.5, other);
    Run(ID_ZSEG_NEW);

    EXPECT_EQ(g_nZSegCount, 3);
    EXPECT_EQ(g_nCurZSeg, 2);
    EXPECT_EQ(Seg(1).GetColumnCount(), 3);
    EXPECT_EQ(Seg(1).m_strLayerFile, other);
    EXPECT_EQ(Ranges(), (Ranges_{{0.0, 1.0}, {1.0, 2.0}, {2.0, 4.0}}));
    const CSegInfo& record = *doc().m_SegInfoList.GetAt(1);
    EXPECT_EQ(record.m_nNamed, 1);
    EXPECT_EQ(record.m_MaterialSet.m_strIncludeFolder, folder.Path() + "/");
    EXPECT_FALSE(record.m_MaterialSet.m_Lines->GetCount() == 0);
    ASSERT_EQ(doc().m_MaterialSets.size(), 3u);
    EXPECT_EQ(doc().m_MaterialSets[1].m_strIncludeFolder, folder.Path() + "/");
    EXPECT_EQ(doc().m_bHasSelection, 0);
    // Every layer of every z-segment is counted again.
    int layers = 0;
    for (int z = 0; z < g_nZSegCount; ++z)
        for (const CColumnRec& column : Seg(z).GetColumns())
            layers += column.GetLayersInUse();
    EXPECT_EQ(ColourUses(), layers);
    EXPECT_EQ(app.calls.back(), "LoadLayerMacros " + other);
}

TEST_F(ZSegments, AFileThatDoesNotReadGivesTheCopyAndLosesNoZSegment)
{
    OpenRidgeAsZSegments({{0.0, 1.0}, {1.0, 3.0}});
    const std::string broken = folder.Write("broken.layer", "begin_layer\r\nlayer d=1\r\n");
    sheets.AcceptNextPosition(1.0, 1.5);
    Run(ID_ZSEG_NEW);
    const std::string copied = SavedDevice();

    OpenRidgeAsZSegments({{0.0, 1.0}, {1.0, 3.0}});
    sheets.AcceptNextPosition(1.0, 1.5, broken);
    prompts.AnswerNext(IDOK);
    Run(ID_ZSEG_NEW);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"File data error!\n" + broken + ": it has no column statement."});
    EXPECT_EQ(g_nZSegCount, 3);
    EXPECT_EQ(SavedDevice(), copied);
}

TEST_F(ZSegments, AFileOfUnusableNumbersReadAsANewZSegmentIsReportedAsAnOpenReportsIt)
{
    // The same file opened and read as a new z-segment: the same message, after the z-segment is in.
    const std::string odd = folder.Write("odd.layer", "begin_layer\r\n"
                                                      "column column_num=1 w=wide mesh_num=4 r=1\r\n"
                                                      "layer_mater macro_name=gaas column_num=1\r\n"
                                                      "$ the only row\r\n"
                                                      "layer d=-1 n=4 r=1\r\n"
                                                      "end_layer\r\n");
    const std::string report = "Some values cannot be used as numbers:\n" + odd +
                               ", line 2: w=wide (not a number, read as 0)\n" + odd +
                               ", line 5: d=-1 (less than 0.00001)";
    prompts.AnswerNext(IDOK);
    ASSERT_TRUE(doc().OnOpenDocument(odd));
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{report});
    prompts.Clear();

    OpenRidgeAsZSegments({{0.0, 1.0}, {1.0, 3.0}});
    sheets.AcceptNextPosition(1.0, 1.5, odd);
    prompts.AnswerNext(IDOK);
    Run(ID_ZSEG_NEW);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{report});
    ASSERT_EQ(g_nZSegCount, 3);
    EXPECT_EQ(Seg(1).m_strLayerFile, odd);
    EXPECT_EQ(Seg(1).GetColumnCount(), 1);
    prompts.Clear();

    // A sound file and a copy say nothing.
    const std::string sound = folder.Write("sound.layer", ExistingFileBytes(ridgePath));
    for (const std::string& file : {sound, std::string()}) {
        OpenRidgeAsZSegments({{0.0, 1.0}, {1.0, 3.0}});
        sheets.AcceptNextPosition(1.0, 1.5, file);
        Run(ID_ZSEG_NEW);
        EXPECT_EQ(g_nZSegCount, 3);
        EXPECT_TRUE(prompts.Texts().empty()) << ::testing::PrintToString(prompts.Texts());
    }
}

TEST_F(ZSegments, AZSegmentOfManyColumnsIsCopiedWhole)
{
    OpenRidgeAsZSegments({{0.0, 1.0}});
    for (int c = 0; c < 20; ++c)
        AddColumn(0, {"gaas", "algaas"});
    sheets.AcceptNextPosition(1.0, 2.0);
    Run(ID_ZSEG_NEW);
    EXPECT_EQ(Seg(1).GetColumnCount(), 22);
    EXPECT_EQ(Seg(1).m_nColumnSlots, 22);
    EXPECT_EQ(Seg(1).GetColumn(21).GetLayer(1).m_Material.m_Bulk.m_strName, "algaas");
}

TEST_F(ZSegments, AFortyFirstZSegmentIsRefusedWithAMessage)
{
    OpenRidgeAsZSegments({{0.0, 1.0}});
    for (int z = 1; z < 40; ++z)
        Seg(z) = Seg(0);
    g_nZSegCount = 40;
    prompts.AnswerNext(IDOK);
    EXPECT_TRUE(doc().QueryCommand(ID_ZSEG_NEW).enabled);
    Run(ID_ZSEG_NEW);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{CZSegment::kFullDeviceMessage});
    EXPECT_TRUE(sheets.positionDlgsRun.empty());
    EXPECT_EQ(g_nZSegCount, 40);
    EXPECT_EQ(UndoEntries(), 0);
}

TEST_F(ZSegments, WithoutACurrentZSegmentTheNewOneGoesAfterTheLast)
{
    OpenRidgeAsZSegments({{0.0, 1.0}, {1.0, 3.0}});
    g_nCurZSeg = 0;
    sheets.AcceptNextPosition(3.0, 4.0);
    Run(ID_ZSEG_NEW);
    EXPECT_EQ(sheets.positionDlgsRun.at(0).previousEnd, 3.0);
    EXPECT_EQ(Ranges(), (Ranges_{{0.0, 1.0}, {1.0, 3.0}, {3.0, 5.0}}));
    EXPECT_EQ(g_nCurZSeg, 3);
}

TEST_F(ZSegments, UndoTakesTheNewZSegmentAwayAgain)
{
    OpenRidgeAsZSegments({{0.0, 1.0}});
    const std::string before = SavedDevice();
    sheets.AcceptNextPosition(1.0, 2.0);
    Run(ID_ZSEG_NEW);
    ASSERT_EQ(g_nZSegCount, 2);
    Run(ID_EDIT_UNDO);
    EXPECT_EQ(g_nZSegCount, 1);
    EXPECT_EQ(SavedDevice(), before);
}

// ---------------------------------------------------------------------------------------------
// Delete z-segment

TEST_F(ZSegments, DeletingAMiddleZSegmentMakesTheNextOneCurrentUnderTheSameNumber)
{
    OpenRidgeAsZSegments({{0.0, 1.0}, {1.0, 3.0}, {3.0, 6.0}});
    Seg(2).Column(0).Layer(0).m_Material.m_Bulk.m_strName = "algaas";
    g_nCurZSeg = 2;
    const int uses = ColourUses();
    Run(ID_ZSEG_DELETE);
    EXPECT_EQ(g_nZSegCount, 2);
    EXPECT_EQ(g_nCurZSeg, 2);
    EXPECT_EQ(Seg(1).GetColumn(0).GetLayer(0).m_Material.m_Bulk.m_strName, "algaas");
    EXPECT_EQ(Ranges(), (Ranges_{{0.0, 1.0}, {1.0, 4.0}}));
    EXPECT_EQ(SegInfoRanges(), Ranges());
    EXPECT_EQ(ColourUses(), uses - 8);
    EXPECT_EQ(doc().m_MaterialSets.size(), 2u);
    EXPECT_EQ(UndoEntries(), 1);
    EXPECT_TRUE(doc().IsModified());
    EXPECT_EQ(views.hints, std::vector<int>{0});
    EXPECT_TRUE(prompts.Texts().empty()) << "no confirmation";
}

TEST_F(ZSegments, DeletingTheLastZSegmentMakesTheOneBeforeItCurrent)
{
    OpenRidgeAsZSegments({{0.0, 1.0}, {1.0, 3.0}, {3.0, 6.0}});
    g_nCurZSeg = 3;
    Run(ID_ZSEG_DELETE);
    EXPECT_EQ(g_nZSegCount, 2);
    EXPECT_EQ(g_nCurZSeg, 2);
    EXPECT_EQ(Ranges(), (Ranges_{{0.0, 1.0}, {1.0, 3.0}}));
}

TEST_F(ZSegments, DeletingTheOnlyZSegmentEmptiesTheDeviceAndTheBuilderStartsAgainWithNewColumn)
{
    app.mode3d = false;
    OpenRidge();
    Run(ID_ZSEG_DELETE);
    EXPECT_EQ(g_nZSegCount, 0);
    EXPECT_EQ(g_nCurZSeg, 0);
    EXPECT_EQ(ColourUses(), 0);
    EXPECT_FALSE(doc().QueryCommand(ID_ZSEG_DELETE).enabled);
    Run(ID_ZSEG_DELETE);
    EXPECT_EQ(UndoEntries(), 1);

    sheets.AcceptNextSheet([] { g_EditLayer.m_Material.m_Bulk.m_strName = "gaas"; });
    Run(ID_COLUMN_NEW);
    EXPECT_EQ(g_nZSegCount, 1);
    EXPECT_EQ(Seg(0).GetColumnCount(), 1);
    EXPECT_TRUE(Seg(0).m_strComments[COMMENT_BEFORE_BEGIN_LAYER].empty()) << "nothing of the deleted z-segment";
    EXPECT_EQ(sheets.sheetsRun.at(0).caption, "New Column");
}
