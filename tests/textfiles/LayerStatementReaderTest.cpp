#include <gtest/gtest.h>

#include "LayerFileHarness.h"
#include "model/ProcessState.h"
#include "support/ScriptedPrompts.h"
#include "textfiles/LayerComments.h"
#include "textfiles/LayerStatementReader.h"

namespace {

class RidgeFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(h.LoadFixture("ridge_two_columns.layer"));
        ASSERT_EQ(1, h.Read(0));
    }
    const CZSegment& z() const { return h.zsegs[0]; }
    const CLayerRec& layer(int c, int r) const { return z().GetColumn(c).GetLayer(r); }

    LayerFileHarness h;
};

TEST_F(RidgeFixture, ZSegmentAndColumns)
{
    EXPECT_EQ(2, z().GetColumnCount());
    EXPECT_EQ(20, z().m_nColumnSlots);
    EXPECT_EQ(12.5, z().GetAngle());
    EXPECT_EQ(" Ridge laser test device", z().m_strHeaderComment[0]);
    EXPECT_EQ(" two columns, four rows", z().m_strHeaderComment[1]);

    struct Expect {
        int inUse;
        float width;
        int meshNum;
        float ratio;
        double shift;
        int xp1;
        const char* label;
        int location;
        double offset;
    };
    const Expect expected[] = {
        {4, 2.5f, 6, 1.2f, 0.0, 0, "ridge", 1, -9999.0},
        {4, 4.0f, 8, 0.8f, 0.5, 0, "trench", 4, 0.75},
    };
    for (int c = 0; c < 2; ++c) {
        SCOPED_TRACE(c);
        const CColumnRec& col = z().GetColumn(c);
        const Expect& e = expected[c];
        EXPECT_EQ(c, col.m_nColumnIndex);
        EXPECT_EQ(500, col.GetLayerSlots());
        EXPECT_EQ(e.inUse, col.GetLayersInUse());
        EXPECT_EQ(e.width, col.m_Size.m_fLowerWidth);
        EXPECT_EQ(e.meshNum, col.m_Mesh.m_nMeshNum);
        EXPECT_EQ(e.ratio, col.m_Mesh.m_fRatio);
        EXPECT_EQ(e.shift, col.m_Mesh.m_dShiftCenter);
        EXPECT_EQ(e.xp1, col.m_Mesh.m_nExtraLow);
        ASSERT_EQ(1u, col.m_Labels.size());
        EXPECT_EQ(e.label, col.m_Labels[0].m_strText);
        EXPECT_EQ(e.location, col.m_Labels[0].m_nLocation);
        EXPECT_EQ(e.offset, col.m_Labels[0].m_dOffset);
    }
}

TEST_F(RidgeFixture, ContactRanges)
{
    const CColumnContacts& first = z().GetColumn(0).m_Contacts;
    const CColumnContacts& second = z().GetColumn(1).m_Contacts;
    ASSERT_EQ(1, first.GetBottomCount());
    ASSERT_EQ(1, first.GetTopCount());
    ASSERT_EQ(1, second.GetBottomCount());
    EXPECT_EQ(0, second.GetTopCount());
    struct Expect {
        const CContactRange& range;
        float from, to;
        int number;
        const char* type;
        double barrier, workFunction;
    };
    const Expect expected[] = {
        {first.Bottom(0), 0.0f, 2.5f, 1, "ohmic", -9999.0, -9999.0},
        {second.Bottom(0), 0.5f, 3.0f, 2, "schottky", 0.8, -9999.0},
        {first.Top(0), 0.5f, 2.0f, 4, "", -9999.0, -9999.0},
    };
    for (const Expect& e : expected) {
        SCOPED_TRACE(e.number);
        EXPECT_EQ(e.from, e.range.m_fFrom);
        EXPECT_EQ(e.to, e.range.m_fTo);
        EXPECT_EQ(e.number, e.range.m_nContactNum);
        EXPECT_EQ(e.type, e.range.m_strType);
        EXPECT_EQ(e.barrier, e.range.m_dBarrier);
        EXPECT_EQ(e.workFunction, e.range.m_dWorkFunction);
        EXPECT_EQ(0, e.range.m_nLink);
    }
}

TEST_F(RidgeFixture, LayerMaterialsAndGeometry)
{
    struct Expect {
        int column, row;
        const char* bulk;
        double var1, var2;
        const char* active;
        const char* doping;
        float dopingValue;
        float height, upper, lower;
        float tail;
        int solveWave;
        const char* remark;
    };
    const Expect expected[] = {
        {0, 0, "gaas", 0, 0, "void macro", "n", 1e24f, 1.5f, 2.5f, 2.5f, 0.001f, 1, "$ substrate"},
        {1, 0, "gaas", 0, 0, "void macro", "n", 1e24f, 1.5f, 4.0f, 4.0f, 0.001f, 1, ""},
        {0, 1, "algaas_old_style", 0.3, 0, "void macro", "p", 2e23f, 1.0f, 2.5f, 2.5f, 0.001f, 1, ""},
        {1, 1, "sio2", 0, 0, "void macro", "none", 0.0f, 1.0f, 4.0f, 4.0f, 0.001f, 1, ""},
        {0, 2, "ingaas", 0, 0.01, "qw_gain", "none", 0.0f, 0.4f, 2.5f, 2.5f, 0.001f, 0, "$ with a grating beside it"},
        {1, 2, "mystery_alloy", 0, 0, "void macro", "none", 0.0f, 0.4f, 4.0f, 4.0f, 0.001f, 1, ""},
        {0, 3, "contact_old_style", 4, 0, "void macro", "none", 0.0f, 0.2f, 2.0f, 2.5f, 0.002f, 1, "$ contact layer"},
        {1, 3, "void macro", 0, 0, "void macro", "none", 0.0f, 0.2f, 4.0f, 4.0f, 0.002f, 1, ""},
    };
    for (const Expect& e : expected) {
        SCOPED_TRACE(testing::Message() << "column " << e.column << " row " << e.row);
        const CLayerRec& l = layer(e.column, e.row);
        EXPECT_EQ(e.column, l.m_nColumn);
        EXPECT_EQ(e.row, l.m_nRow);
        EXPECT_EQ(e.bulk, l.m_Material.m_Bulk.m_strName);
        EXPECT_DOUBLE_EQ(e.var1, l.m_Material.m_Bulk.m_dVar[0]);
        EXPECT_DOUBLE_EQ(e.var2, l.m_Material.m_Bulk.m_dVar[1]);
        EXPECT_EQ(e.active, l.m_Material.m_Active->m_strName);
        EXPECT_EQ(e.doping, l.m_Doping.m_strKind);
        EXPECT_FLOAT_EQ(e.dopingValue, l.m_Doping.m_fValue);
        EXPECT_FLOAT_EQ(e.height, l.m_fHeight);
        EXPECT_FLOAT_EQ(e.upper, l.m_fUpperWidth);
        EXPECT_FLOAT_EQ(e.lower, l.m_fLowerWidth);
        EXPECT_FLOAT_EQ(e.tail, l.m_Doping.m_fGaussianTail);
        EXPECT_EQ(e.solveWave, l.m_nSolveWave);
        EXPECT_EQ(e.remark, l.m_strMaterialComment);
        EXPECT_EQ("+y", l.m_Material.m_Grading->m_strDirection);
    }
    // The contact layer's contact values are its variables: number, type (0 ohmic), no barrier and
    // no work function.
    const double* contact = layer(0, 3).m_Material.m_Bulk.m_dVar;
    EXPECT_EQ((std::vector<double>{4, 0, -9999, -9999, -9999, -9999}), std::vector<double>(contact, contact + 6));
    // The graded core keeps its grading and its active macro's variables in the macro's order.
    const CLayerMaterial& core = layer(0, 2).m_Material;
    EXPECT_EQ(1, core.m_Grading->m_nGradeVar);
    EXPECT_FLOAT_EQ(0.1f, core.m_Grading->m_fGradeFrom);
    EXPECT_FLOAT_EQ(0.3f, core.m_Grading->m_fGradeTo);
    EXPECT_DOUBLE_EQ(8.0, core.m_Active->m_dVar[0]);
    EXPECT_DOUBLE_EQ(0.1, core.m_Active->m_dVar[1]);
}

TEST_F(RidgeFixture, VcselSectionsOfRowsAndDocument)
{
    ASSERT_EQ(1u, h.vcsel.size());
    const CVcselSection& listed = h.vcsel[0];
    EXPECT_EQ("dbr", listed.m_strVcselType);
    EXPECT_EQ("2layers", listed.m_strGratingModel);
    EXPECT_FLOAT_EQ(2.5f, listed.m_fSectionLoss);
    EXPECT_EQ(5, listed.m_nMeshPoints);

    for (int c = 0; c < 2; ++c) {
        SCOPED_TRACE(c);
        EXPECT_EQ(0, layer(c, 0).m_nVcselFlag);
        EXPECT_EQ("", layer(c, 0).m_Vcsel->m_strVcselType);
        // Row 1 stands after the section statement and takes its values.
        const CLayerRec& row1 = layer(c, 1);
        EXPECT_EQ(1, row1.m_nVcselFlag);
        EXPECT_EQ("dbr", row1.m_Vcsel->m_strVcselType);
        EXPECT_EQ("2layers", row1.m_Vcsel->m_strGratingModel);
        EXPECT_DOUBLE_EQ(1e-7, row1.m_Vcsel->m_dLayer[0]);
        EXPECT_FLOAT_EQ(3.5f, row1.m_Vcsel->m_fIndex[0]);
        EXPECT_DOUBLE_EQ(1.2e-7, row1.m_Vcsel->m_dLayer[1]);
        EXPECT_FLOAT_EQ(3.1f, row1.m_Vcsel->m_fIndex[1]);
        EXPECT_FLOAT_EQ(2.5f, row1.m_Vcsel->m_fSectionLoss);
        // Row 2 names the type but has no section statement of its own.
        const CLayerRec& row2 = layer(c, 2);
        EXPECT_EQ(1, row2.m_nVcselFlag);
        EXPECT_EQ("dbr", row2.m_Vcsel->m_strVcselType);
        EXPECT_EQ("1layer", row2.m_Vcsel->m_strGratingModel);
        EXPECT_EQ("no", row2.m_Vcsel->m_strActive);
    }
}

TEST_F(RidgeFixture, GratingComposition)
{
    const CGratingComposRec& g = layer(1, 2).m_Grating;
    EXPECT_EQ(1, g.m_nPresent);
    EXPECT_EQ(1, g.m_nColumn);
    EXPECT_EQ("ingaas", g.m_strHiMacro);
    EXPECT_EQ("qw_gain", g.m_strHiActiveMacro);
    EXPECT_EQ("algaas", g.m_strLoMacro);
    EXPECT_EQ("qw_gain", g.m_strLoActiveMacro);
    EXPECT_DOUBLE_EQ(0.12, g.m_dHigh);
    EXPECT_DOUBLE_EQ(0.08, g.m_dLow);
    EXPECT_DOUBLE_EQ(0.0, g.m_dFall);
    EXPECT_DOUBLE_EQ(0.2, g.m_dHiVar[0]);
    EXPECT_DOUBLE_EQ(-9999.0, g.m_dHiVar[1]);
    EXPECT_DOUBLE_EQ(0.35, g.m_dLoVar[0]);
    EXPECT_DOUBLE_EQ(-9999.0, g.m_dHiAVar[0]);
    EXPECT_EQ(2, g.m_nGratingOrder);
    EXPECT_EQ(1, layer(1, 2).m_nEmbedded);
    EXPECT_EQ(0, layer(0, 2).m_Grating->m_nPresent);
}

TEST_F(RidgeFixture, SideContactsAndLayerLabels)
{
    ASSERT_EQ(2u, z().m_SideContacts.size());
    const CContactList& low = z().m_SideContacts[0];
    const CContactList& high = z().m_SideContacts[1];
    EXPECT_EQ(0, low.m_nRow);
    ASSERT_EQ(1, low.GetCount());
    EXPECT_EQ(0, low.m_Contacts[0].m_nSide);
    EXPECT_EQ(3, low.m_Contacts[0].m_nContactNum);
    EXPECT_FLOAT_EQ(1.5f, low.m_Contacts[0].m_fTo);
    EXPECT_EQ(3, high.m_nRow);
    ASSERT_EQ(1, high.GetCount());
    const CContactRec& right = high.m_Contacts[0];
    EXPECT_EQ(1, right.m_nSide);
    EXPECT_EQ("schottky", right.m_strType);
    EXPECT_DOUBLE_EQ(0.7, right.m_dBarrier);
    EXPECT_DOUBLE_EQ(4.1, right.m_dWorkFunction);

    for (int c = 0; c < 2; ++c) {
        SCOPED_TRACE(c);
        ASSERT_EQ(1u, layer(c, 0).m_Labels.size());
        EXPECT_EQ("substrate", layer(c, 0).m_Labels[0].m_strText);
        EXPECT_EQ(2, layer(c, 0).m_Labels[0].m_nLocation);
        ASSERT_EQ(1u, layer(c, 1).m_Labels.size());
        EXPECT_EQ("clad", layer(c, 1).m_Labels[0].m_strText);
        EXPECT_EQ(4, layer(c, 1).m_Labels[0].m_nLocation);
        EXPECT_DOUBLE_EQ(0.25, layer(c, 1).m_Labels[0].m_dOffset);
        EXPECT_TRUE(layer(c, 2).m_Labels.empty());
    }
}

TEST_F(RidgeFixture, CommentBlocksKeepEveryLineWhole)
{
    const std::string* blocks = z().m_strComments;
    EXPECT_EQ("$ Ridge laser test device\n$ two columns, four rows\n", blocks[CLayerComments::BeforeBegin]);
    EXPECT_EQ("$ columns of the ridge\n", blocks[CLayerComments::BeforeColumns]);
    EXPECT_EQ("$ bottom contacts\n", blocks[CLayerComments::BeforeBottomContacts]);
    EXPECT_EQ("$ top contacts\n", blocks[CLayerComments::BeforeTopContacts]);
    EXPECT_EQ("$ end of device\n", blocks[CLayerComments::BeforeEnd]);
    const char* rows[] = {"$ substrate\n", "$ lower cladding, cost $5 per wafer\n",
                          "$ graded core\n$ with a grating beside it\n", "$ contact layer\n"};
    for (int r = 0; r < 4; ++r) EXPECT_EQ(rows[r], layer(0, r).m_strComment) << r;

    std::string block = layer(0, 1).m_strComment;
    EXPECT_EQ("$ lower cladding, cost $5 per wafer", CLayerComments::PopCommentLine(block));
    EXPECT_EQ("", block);
}

TEST(LayerStatementReader, IncludedRowAndShortColumn)
{
    LayerFileHarness h;
    ASSERT_TRUE(h.LoadFixture("three_columns_include.layer"));
    ASSERT_EQ(1, h.Read(0));
    const CZSegment& z = h.zsegs[0];
    ASSERT_EQ(3, z.GetColumnCount());
    EXPECT_EQ(3, z.GetColumn(0).GetLayersInUse());
    EXPECT_EQ(1, z.GetColumn(1).GetLayersInUse());
    EXPECT_EQ(3, z.GetColumn(2).GetLayersInUse());
    // The row from the included file.
    const CLayerRec& included = z.GetColumn(2).GetLayer(1);
    EXPECT_EQ("inp", included.m_Material.m_Bulk.m_strName);
    EXPECT_EQ("n", included.m_Doping.m_strKind);
    EXPECT_FLOAT_EQ(3e23f, included.m_Doping.m_fValue);
    EXPECT_DOUBLE_EQ(0.2, included.m_Mesh.m_dShiftCenter);
    EXPECT_EQ("$ row 1 comes from the included file\n$ the middle row, kept in a file of its own\n",
              z.GetColumn(0).GetLayer(1).m_strComment);
    // Doping named on the layer statement for the second column; trapezoid, then widths back.
    EXPECT_EQ("p", z.GetColumn(1).GetLayer(0).m_Doping.m_strKind);
    EXPECT_FLOAT_EQ(2.5f, z.GetColumn(0).GetLayer(0).m_fUpperWidth);
    EXPECT_FLOAT_EQ(3.0f, z.GetColumn(0).GetLayer(0).m_fLowerWidth);
    EXPECT_FLOAT_EQ(3.0f, z.GetColumn(0).GetLayer(1).m_fUpperWidth);
    EXPECT_EQ("ingaasp_old_style", z.GetColumn(0).GetLayer(2).m_Material.m_Bulk.m_strName);
    // Two bottom ranges of the first column, one top range with a work function of the third.
    EXPECT_EQ(2, z.GetColumn(0).m_Contacts.GetBottomCount());
    ASSERT_EQ(1, z.GetColumn(2).m_Contacts.GetTopCount());
    EXPECT_DOUBLE_EQ(4.5, z.GetColumn(2).m_Contacts.Top(0).m_dWorkFunction);
    EXPECT_EQ(1, z.GetColumn(2).m_Mesh.m_nExtraHigh);
}

TEST(LayerStatementReader, HandsBackTheUpperWidthFlagAndLeavesTheEditBlockAlone)
{
    struct Case {
        const char* fixture;
        bool upperWidth;  // a row statement gives a column an "upper_w%d" of its own
    } cases[] = {{"ridge_two_columns.layer", true}, {"three_columns_include.layer", true}, {nullptr, false}};
    for (const Case& c : cases) {
        LayerFileHarness h;
        ASSERT_TRUE(c.fixture ? h.LoadFixture(c.fixture)
                              : h.LoadText("begin_layer\r\ncolumn column_num=1 w=2\r\n"
                                           "layer_mater macro_name=gaas\r\nlayer d=1\r\nend_layer\r\n"));
        const CCurLayerParams before = g_CurLayerParams;
        CLayerStatementReader reader(h.ctx);
        ASSERT_EQ(1, reader.ReadLayerStatements(0));
        EXPECT_EQ(reader.HasReadUpperWidth(), c.upperWidth) << (c.fixture ? c.fixture : "plain widths");
        EXPECT_EQ(g_CurLayerParams.m_bLowerWidthChanged, before.m_bLowerWidthChanged);
        EXPECT_EQ(g_CurLayerParams.m_bUpperWidthChanged, before.m_bUpperWidthChanged);
        EXPECT_EQ(g_CurLayerParams.m_bWidthChanged, before.m_bWidthChanged);
    }
}

}  // namespace
