#include "CommandIds.h"
#include "EditCommandsFixture.h"

#include <gtest/gtest.h>

namespace {

// Five z-segments of length 1 from z 0 on, named "dev1".."dev5"; z-segment n holds one column with
// the layer "zn" labelled "Ln" in colour n.
class ZSegmentClipboard : public EditCommands {
protected:
    void SetUp() override
    {
        UseZSegments(5);
        for (int z = 0; z < 5; ++z) {
            const std::string n = std::to_string(z + 1);
            CColumnRec& column = AddColumn(z, {"z" + n});
            column.m_Labels = {Label("C" + n)};
            column.Layer(0).m_Labels = {Label("L" + n)};
            Paint(column.Layer(0), z + 1, z + 1);
            Seg(z).m_Params.m_dZFrom = z;
            Seg(z).m_Params.m_dZTo = z + 1.0;
            Seg(z).m_strLayerFile = "dev" + n + ".layer";
        }
        doc().BuildSegInfoList();
    }
    std::string Only(int zseg) { return Seg(zseg).GetColumn(0).GetLayer(0).m_Material.m_Bulk.m_strName; }
};

}  // namespace

TEST_F(ZSegmentClipboard, PasteInsertsACopyOfTheRememberedZSegmentAfterTheCurrentOne)
{
    g_nCurZSeg = 2;
    doc().OnCommand(ID_ZSEG_COPY);
    EXPECT_EQ(g_nClipboardZSeg, 2);
    EXPECT_FALSE(CanUndo());
    g_nCurZSeg = 4;
    doc().OnCommand(ID_ZSEG_PASTE);

    ASSERT_EQ(g_nZSegCount, 6);
    EXPECT_EQ(g_nCurZSeg, 5);
    EXPECT_EQ(doc().m_ZSegments.size(), 40u);
    const std::vector<std::string> order = {"z1", "z2", "z3", "z4", "z2", "z5"};
    for (int z = 0; z < 6; ++z)
        EXPECT_EQ(Only(z), order[z]) << z;
    // The copy follows z-segment 4 with the length of z-segment 2; z-segment 6 moved along.
    EXPECT_EQ(Seg(4).m_Params.m_dZFrom, 4.0);
    EXPECT_EQ(Seg(4).m_Params.m_dZTo, 5.0);
    EXPECT_EQ(Seg(4).m_Params.m_nZPlanes, 1);
    EXPECT_TRUE(Seg(4).m_Sections.empty());
    EXPECT_EQ(Seg(5).m_Params.m_dZFrom, 5.0);
    EXPECT_EQ(Seg(5).m_Params.m_dZTo, 6.0);
    EXPECT_EQ(doc().m_SegInfoList.GetCount(), 6);
    // Its labels are renamed free; the usage counts only its layers.
    EXPECT_EQ(Texts(Seg(4).GetColumn(0).m_Labels), std::vector<std::string>{"C6"});
    EXPECT_EQ(Texts(Seg(4).GetColumn(0).GetLayer(0).m_Labels), std::vector<std::string>{"L6"});
    EXPECT_EQ(g_ColourUsage[2][2], 1);
    EXPECT_EQ(g_ColourUsage[1][1], 0);
    EXPECT_EQ(doc().m_ZSegClipboard.m_nColumnSlots, 20);
    EXPECT_TRUE(doc().IsModified());
    EXPECT_EQ(views.hints, std::vector<int>{0});

    doc().OnEditUndo();
    EXPECT_EQ(g_nZSegCount, 5);
    EXPECT_EQ(g_nCurZSeg, 4);
    EXPECT_EQ(Only(4), "z5");
    EXPECT_EQ(g_ColourUsage[1][1], 1);
}

TEST_F(ZSegmentClipboard, ACopyPastedAfterAnotherZSegmentStartsWhereThatOneEnds)
{
    Seg(2).m_Params.m_dZTo = 4.0;  // z-segment 3 is two long; those after it start later
    for (int z = 3; z < 5; ++z) {
        Seg(z).m_Params.m_dZFrom += 1.0;
        Seg(z).m_Params.m_dZTo += 1.0;
    }
    doc().BuildSegInfoList();
    g_nClipboardZSeg = 3;
    g_nCurZSeg = 1;
    doc().OnPasteZsegment();
    const std::vector<std::pair<double, double>> ranges = {{0, 1}, {1, 3}, {3, 4}, {4, 6}, {6, 7}, {7, 8}};
    for (int z = 0; z < 6; ++z) {
        EXPECT_EQ(Seg(z).m_Params.m_dZFrom, ranges[z].first) << z;
        EXPECT_EQ(Seg(z).m_Params.m_dZTo, ranges[z].second) << z;
    }
}

TEST_F(ZSegmentClipboard, AColumnCopyAlsoRemembersItsZSegment)
{
    Select(2, 0, 0);
    doc().OnColumnCopy();
    g_nCurZSeg = 1;
    doc().OnPasteZsegment();
    EXPECT_EQ(Only(1), "z3");
    EXPECT_EQ(g_nCurZSeg, 2);
}

TEST_F(ZSegmentClipboard, PasteRefusesWithoutAValidZSegmentToCopy)
{
    const std::vector<std::pair<int, int>> cases = {{5, 0}, {5, 6}, {0, 1}};
    const std::vector<std::string> messages = {"Please selet a face to copy first!", "Copy face num is invalid!",
                                               "face num is zero!"};
    for (std::size_t i = 0; i < cases.size(); ++i) {
        g_nZSegCount = cases[i].first;
        g_nClipboardZSeg = cases[i].second;
        prompts.AnswerNext(IDOK);
        doc().OnPasteZsegment();
        EXPECT_EQ(prompts.Texts().back(), messages[i]);
    }
    EXPECT_FALSE(CanUndo());
    EXPECT_FALSE(doc().IsModified());
}

TEST_F(ZSegmentClipboard, ADeviceOf40ZSegmentsTakesNoMore)
{
    UseZSegments(40);
    g_nClipboardZSeg = 1;
    prompts.AnswerNext(IDOK);
    doc().OnPasteZsegment();
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{CZSegment::kFullDeviceMessage});
    EXPECT_EQ(g_nZSegCount, 40);
    EXPECT_FALSE(CanUndo());
}

TEST_F(ZSegmentClipboard, AZSegmentOfManyColumnsIsCopiedWhole)
{
    for (int c = 1; c < 25; ++c)
        AddColumn(0, {"w" + std::to_string(c)});
    g_nClipboardZSeg = 1;
    g_nCurZSeg = 5;
    doc().OnPasteZsegment();
    EXPECT_EQ(Seg(5).GetColumnCount(), 25);
    EXPECT_EQ(Seg(5).m_nColumnSlots, 25);
    EXPECT_EQ(Seg(5).GetColumn(24).GetLayer(0).m_Material.m_Bulk.m_strName, "w24");
}

TEST_F(ZSegmentClipboard, MaterialPasteKeepsTheZSegmentParametersAndTakesTheRest)
{
    g_nCurZSeg = 1;
    EXPECT_FALSE(Enabled(ID_ZSEG_PASTE_MATERIAL));
    Seg(0).m_Params.m_dAngle = 12.0;
    doc().OnCommand(ID_ZSEG_COPY_MATERIAL);
    EXPECT_FALSE(CanUndo());
    g_nCurZSeg = 3;
    Seg(2).m_Params.m_nZPlanes = 4;
    ASSERT_TRUE(Enabled(ID_ZSEG_PASTE_MATERIAL));
    doc().OnCommand(ID_ZSEG_PASTE_MATERIAL);

    EXPECT_EQ(Only(2), "z1");
    EXPECT_EQ(Seg(2).m_strLayerFile, "dev1.layer");
    EXPECT_EQ(Seg(2).m_Params.m_dZFrom, 2.0);
    EXPECT_EQ(Seg(2).m_Params.m_dZTo, 3.0);
    EXPECT_EQ(Seg(2).m_Params.m_nZPlanes, 4);
    EXPECT_EQ(Seg(2).m_Params.m_dAngle, 0.0);
    // The labels of z-segment 1 get the first names free now that "C3" and "L3" have gone.
    EXPECT_EQ(Texts(Seg(2).GetColumn(0).m_Labels), std::vector<std::string>{"C3"});
    EXPECT_EQ(Texts(Seg(2).GetColumn(0).GetLayer(0).m_Labels), std::vector<std::string>{"L3"});
    EXPECT_EQ(views.hints, std::vector<int>{0});

    doc().OnEditUndo();
    EXPECT_EQ(Only(2), "z3");
}
