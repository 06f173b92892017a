#include "support/DocFixture.h"

#include <gtest/gtest.h>

namespace {

class MeshCheck : public DocFixture {
protected:
    // Two z-segments of two columns with two rows each, every count set to `count`.
    void Build(int count)
    {
        UseZSegments(2);
        for (int z = 0; z < 2; ++z) {
            for (int c = 0; c < 2; ++c) {
                CColumnRec& column = AddColumn(z, {"gaas", "inp"});
                column.m_Mesh.m_nMeshNum = count;
                column.Layer(0).m_Mesh.m_nMeshNum = count;
                column.Layer(1).m_Mesh.m_nMeshNum = count;
            }
        }
    }
};

}  // namespace

TEST_F(MeshCheck, SetCountsPassWithoutAQuestionAndAreRaisedToTheFloor)
{
    Build(2);
    EXPECT_TRUE(doc().ConfirmMeshesBeforeSave());
    EXPECT_TRUE(prompts.Texts().empty());
    EXPECT_EQ(LayerAt(1, 1, 1).m_Mesh.m_nMeshNum, 3);
    EXPECT_EQ(Seg(1).Column(1).m_Mesh.m_nMeshNum, 2);
}

TEST_F(MeshCheck, TheFirstMissingCountIsAskedAboutOnce)
{
    struct Case {
        const char* name;
        int zseg, column, row;  // row -1: the column count is missing
        int answer;
        bool expect;
        bool raised;
        const char* text;
    };
    const Case cases[] = {
        {"layer, yes", 1, 1, 1, IDYES, true, false,
         "Mesh for facet 2 layer 2 has not been set, Do you still wish to save?"},
        {"layer, no", 0, 0, 0, IDNO, false, false,
         "Mesh for facet 1 layer 1 has not been set, Do you still wish to save?"},
        {"column, yes", 1, 1, -1, IDYES, true, true,
         "Mesh for facet 2 col 2 has not been set, Do you still wish to save?"},
        {"column, no", 0, 1, -1, IDNO, false, false,
         "Mesh for facet 1 col 2 has not been set, Do you still wish to save?"},
    };
    for (const Case& c : cases) {
        Build(2);
        if (c.row >= 0)
            LayerAt(c.zseg, c.column, c.row).m_Mesh.m_nMeshNum = 1;
        else
            Seg(c.zseg).Column(c.column).m_Mesh.m_nMeshNum = 0;
        // A second missing count later on is never asked about.
        if (c.zseg == 0)
            LayerAt(1, 0, 0).m_Mesh.m_nMeshNum = 0;
        prompts.Clear();
        prompts.AnswerNext(c.answer);
        EXPECT_EQ(doc().ConfirmMeshesBeforeSave(), c.expect) << c.name;
        EXPECT_EQ(prompts.Texts(), std::vector<std::string>{c.text}) << c.name;
        EXPECT_EQ(prompts.Shown_()[0].type, unsigned(MB_YESNO));
        EXPECT_EQ(LayerAt(0, 0, 1).m_Mesh.m_nMeshNum, c.raised ? 3 : 2) << c.name;
    }
}

TEST_F(MeshCheck, FindersKeepTheFirstSmallestAndIgnoreEmptyZSegments)
{
    Build(5);
    LayerAt(0, 1, 0).m_Mesh.m_nMeshNum = 4;
    LayerAt(0, 0, 1).m_Mesh.m_nMeshNum = 4;
    int where = -7, smallest = 0;
    doc().FindMinLayerMesh(0, where, smallest);
    EXPECT_EQ(smallest, 4);
    EXPECT_EQ(where, 1);  // column 0 row 1 is met before column 1 row 0
    g_nZSegCount = 3;
    where = -7;
    doc().FindMinColumnMesh(2, where, smallest);
    EXPECT_EQ(smallest, 999);
    EXPECT_EQ(where, -7);
    EXPECT_TRUE(doc().ConfirmMeshesBeforeSave());
}

TEST_F(MeshCheck, TotalsAreNeededWhenACountIsUnset)
{
    Build(3);
    EXPECT_TRUE(doc().CheckZsegmentMeshTotals());
    LayerAt(1, 0, 1).m_Mesh.m_nMeshNum = 0;
    Seg(1).m_nTotalXMesh = 10;
    prompts.AnswerNext(IDOK);
    EXPECT_FALSE(doc().CheckZsegmentMeshTotals());
    ASSERT_EQ(prompts.Shown_().size(), 1u);
    EXPECT_EQ(prompts.Shown_()[0].text, "You need give a nonzero value to z-segment2 \nTotal_X_Mesh and Total_Y_Mesh!");
    EXPECT_EQ(prompts.Shown_()[0].caption, "Warning");
    EXPECT_EQ(prompts.Shown_()[0].type, unsigned(MB_OK | MB_ICONEXCLAMATION));
    Seg(1).m_nTotalYMesh = 10;
    EXPECT_TRUE(doc().CheckZsegmentMeshTotals());
    // Only the first column's layers count.
    LayerAt(1, 0, 1).m_Mesh.m_nMeshNum = 3;
    LayerAt(0, 1, 1).m_Mesh.m_nMeshNum = 0;
    EXPECT_TRUE(doc().CheckZsegmentMeshTotals());
}

TEST_F(MeshCheck, SideContactsAreClampedToTheirRowHeight)
{
    UseZSegments(1);
    AddColumn(0, {"void", "void"});
    AddColumn(0, {"gaas", "void"});
    LayerAt(0, 1, 0).m_fHeight = 2.0f;
    CContactList row0;
    row0.m_nRow = 0;
    row0.m_Contacts.resize(3);
    row0.m_Contacts[0].m_fFrom = 0.5f;
    row0.m_Contacts[0].m_fTo = 1.5f;
    row0.m_Contacts[1].m_nSide = 1;
    row0.m_Contacts[1].m_fFrom = 2.5f;
    row0.m_Contacts[1].m_fTo = 3.0f;
    row0.m_Contacts[2].m_nSide = 2;
    row0.m_Contacts[2].m_fTo = 3.0f;
    CContactList row1;
    row1.m_nRow = 1;
    row1.m_Contacts.resize(1);
    row1.m_Contacts[0].m_fTo = 9.0f;
    Seg(0).m_SideContacts = {row0, row1};

    g_nCurZSeg = 0;
    doc().ClampSideContactExtents();
    EXPECT_EQ(Seg(0).m_SideContacts[0].m_Contacts[1].m_fTo, 3.0f);

    g_nCurZSeg = 1;
    doc().ClampSideContactExtents();
    const std::vector<CContactRec>& got = Seg(0).m_SideContacts[0].m_Contacts;
    EXPECT_EQ(got[0].m_fFrom, 0.5f);
    EXPECT_EQ(got[0].m_fTo, 1.5f);
    EXPECT_EQ(got[1].m_fFrom, 2.0f);
    EXPECT_EQ(got[1].m_fTo, 2.0f);
    EXPECT_EQ(got[2].m_fTo, 3.0f);
    EXPECT_EQ(Seg(0).m_SideContacts[1].m_Contacts[0].m_fTo, 9.0f);
}
