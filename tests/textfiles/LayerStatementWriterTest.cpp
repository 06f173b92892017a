#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "LayerFileHarness.h"
#include "support/ScriptedPrompts.h"
#include "textfiles/LayerComments.h"
#include "textfiles/LayerStatementReader.h"
#include "textfiles/LayerStatementWriter.h"

namespace {

const char* const kFixtures[] = {"ridge_two_columns.layer", "three_columns_include.layer"};

// Every fixture, read and written again, gives the bytes of its golden file.
TEST(LayerStatementWriter, FixturesWriteTheirGoldenBytes)
{
    for (const char* name : kFixtures) {
        SCOPED_TRACE(name);
        ScriptedPrompts prompts;
        LayerFileHarness h;
        ASSERT_TRUE(h.LoadFixture(name));
        ASSERT_EQ(1, h.Read(0));
        EXPECT_EQ(FileBytes(kLayerFixtures + "golden/" + name), h.WriteText(0));
        EXPECT_TRUE(prompts.Texts().empty());
    }
}

// What the writer writes reads back into the same records.
TEST(LayerStatementWriter, ReadWriteReadGivesTheSameRecords)
{
    LayerFileHarness first;
    ASSERT_TRUE(first.LoadFixture("ridge_two_columns.layer"));
    ASSERT_EQ(1, first.Read(0));
    const std::string written = first.WriteText(0);

    LayerFileHarness second;
    ASSERT_TRUE(second.LoadText(written));
    ASSERT_EQ(1, second.Read(0));
    ExpectSameZSegment(first.zsegs[0], second.zsegs[0]);
    ASSERT_EQ(first.vcsel.size(), second.vcsel.size());
    EXPECT_EQ(written, second.WriteText(0));
}

// A short column is written with empty layers in the rows it lacks; once read back they are layers
// of their own, and from then on the text stays the same.
TEST(LayerStatementWriter, ShortColumnsSettleAfterOneSave)
{
    LayerFileHarness first;
    ASSERT_TRUE(first.LoadFixture("three_columns_include.layer"));
    ASSERT_EQ(1, first.Read(0));
    const std::string written = first.WriteText(0);

    LayerFileHarness second;
    ASSERT_TRUE(second.LoadText(written));
    ASSERT_EQ(1, second.Read(0));
    const CColumnRec& filled = second.zsegs[0].GetColumn(1);
    ASSERT_EQ(3, filled.GetLayersInUse());
    for (int row = 1; row < 3; ++row) {
        SCOPED_TRACE(row);
        const CLayerRec& filler = filled.GetLayer(row);
        EXPECT_EQ("void macro", filler.m_Material.m_Bulk.m_strName);
        EXPECT_EQ("none", filler.m_Doping.m_strKind);
        EXPECT_FLOAT_EQ(1.5f, filler.m_fLowerWidth);
        EXPECT_FLOAT_EQ(first.zsegs[0].GetColumn(0).GetLayer(row).m_fHeight, filler.m_fHeight);
    }
    EXPECT_EQ(written, second.WriteText(0));
}

// A z-segment whose columns hold nothing from earlier rows: the writer never reads a row below 0
// and writes the rows a column lacks from a fresh layer, not from what the column held before.
TEST(LayerStatementWriter, EmptyColumnTakesItsOwnWidthAndFreshFillers)
{
    LayerFileHarness h;
    CZSegment& z = h.zsegs[0];
    z.SetColumnCount(2);
    CColumnRec& full = z.Column(0);
    full.m_Size.m_fLowerWidth = 2.0f;
    full.SetLayerCount(500);
    full.SetLayersInUse(1);
    CLayerRec& only = full.Layer(0);
    only.m_fHeight = 1.0f;
    only.m_fUpperWidth = only.m_fLowerWidth = 2.0f;
    only.m_Mesh.m_nMeshNum = 3;
    only.m_Mesh.m_fRatio = 1.0f;
    only.m_Material.m_Bulk.m_strName = "gaas";
    only.m_Material.m_Active.Edit().m_strName = "void macro";
    only.m_Doping.m_strKind = "none";

    CColumnRec& empty = z.Column(1);
    empty.m_Size.m_fLowerWidth = 1.25f;
    empty.SetLayerCount(500);
    // Rows the column once had and lost must not come back.
    empty.SetLayersInUse(1);
    empty.Layer(0).m_Material.m_Bulk.m_strName = "stale";
    empty.Layer(0).m_Labels.push_back(CLabelRec{"stale", 0, -9999.0});
    empty.SetLayersInUse(0);

    const std::string text = h.WriteText(0);
    EXPECT_NE(std::string::npos, text.find("column column_num=2 w=1.25 mesh_num=0 r=0\r\n")) << text;
    EXPECT_NE(std::string::npos, text.find("layer_mater macro_name=void column_num=2 solve_wave=yes embedded_structure=0\r\n"))
        << text;
    EXPECT_NE(std::string::npos, text.find("layer d=1. n=3 r=1.\r\n")) << text;
    EXPECT_EQ(std::string::npos, text.find("stale")) << text;
    EXPECT_EQ(0, z.GetColumn(1).GetLayersInUse());
}

CLayerRec SizedLayer(float height, float upper, float lower)
{
    CLayerRec layer;
    layer.m_fHeight = height;
    layer.m_fUpperWidth = upper;
    layer.m_fLowerWidth = lower;
    layer.m_Material.m_Bulk.m_strName = "gaas";
    layer.m_Material.m_Active.Edit().m_strName = "void macro";
    layer.m_Doping.m_strKind = "none";
    return layer;
}

// Width parameters of the row statements, the reference column of two equally tall columns, and
// the unset barrier and work function of contact ranges.
TEST(LayerStatementWriter, RowWidthsReferenceColumnAndContactRanges)
{
    LayerFileHarness h;
    CZSegment& z = h.zsegs[0];
    z.SetColumnCount(2);
    CColumnRec& tapered = z.Column(0);
    tapered.SetLayersInUse(3);
    tapered.Layer(0) = SizedLayer(1.0f, 2.0f, 3.0f);
    tapered.Layer(1) = SizedLayer(2.0f, 3.0f, 3.0f);
    tapered.Layer(2) = SizedLayer(3.0f, 3.0f, 3.0f);
    CColumnRec& straight = z.Column(1);
    straight.SetLayersInUse(3);
    straight.Layer(0) = SizedLayer(5.0f, 4.0f, 4.0f);
    straight.Layer(1) = SizedLayer(6.0f, 4.5f, 4.5f);
    straight.Layer(2) = SizedLayer(7.0f, 4.0f, 4.0f);
    straight.Layer(2).m_Doping.m_fGaussianTail = 0.002f;

    CBottomContact workOnly;
    workOnly.m_fTo = 3.0f;
    workOnly.m_strType = "ohmic";
    workOnly.m_dBarrier = -9999.0;
    workOnly.m_dWorkFunction = 0.5;
    tapered.m_Contacts.AddBottom(workOnly);
    CBottomContact nearlyUnset;
    nearlyUnset.m_fTo = 4.0f;
    nearlyUnset.m_strType = "Ohmic";
    nearlyUnset.m_dBarrier = -9998.99995;
    straight.m_Contacts.AddBottom(nearlyUnset);

    const std::string text = h.WriteText(0);
    const char* const expected[] = {
        "bottom_contact column_num=1 from=0 to=3. contact_num=1 contact_type=ohmic &&\r\n   work_function=0.5\r\n"
        "bottom_contact column_num=2 from=0 to=4. contact_num=1\r\n",
        // The first column is the reference; a trapezoid gives both widths, the rectangle above it
        // its width, and a row back at the column's width nothing.
        "layer d=1. n=0 r=0 upper_w1=2. lower_w1=3.\r\n",
        "layer d=2. n=0 r=0 w1=3. upper_w2=4.5 lower_w2=4.5\r\n",
        "layer d=3. n=0 r=0\r\n",
    };
    for (const char* part : expected) EXPECT_NE(std::string::npos, text.find(part)) << part << "\n" << text;
    // Only the first column's layer gives the row its Gaussian tail.
    EXPECT_EQ(std::string::npos, text.find("gaussian_tail")) << text;
}

// The columns of a row mostly repeat one doping and one material; every column still gets the
// text of its own value when the values change, a zero and a negative zero included.
TEST(LayerStatementWriter, EachColumnOfARowGetsTheTextOfItsOwnValues)
{
    struct Column {
        float doping;
        double x;
        const char* dopingText;
        const char* xText;
    };
    const Column columns[] = {
        {1e17f, 0.2, "1.00e+017", "0.200000"},   {1e17f, 0.2, "1.00e+017", "0.200000"},
        {0.0f, 0.0, "0.00e+000", "0.000000"},    {-0.0f, -0.0, "-0.00e+000", "-0.000000"},
        {1e17f, 1e-7, "1.00e+017", "1e-007"},    {2.5e17f, 0.2, "2.50e+017", "0.200000"},
    };
    LayerFileHarness h;
    CZSegment& z = h.zsegs[0];
    const int count = static_cast<int>(std::size(columns));
    z.SetColumnCount(count);
    for (int c = 0; c < count; ++c) {
        CLayerRec layer = SizedLayer(1.0f, 2.0f, 2.0f);
        layer.m_Material.m_Bulk.m_strName = "ingaas";
        layer.m_Material.m_Bulk.m_dVar[0] = columns[c].x;
        layer.m_Material.m_Bulk.m_dVar[1] = 0.01;
        layer.m_Doping.m_strKind = "n";
        layer.m_Doping.m_fValue = columns[c].doping;
        z.Column(c).SetLayersInUse(1);
        z.Column(c).Layer(0) = layer;
    }

    h.Write(0);
    std::string layerParams;
    std::vector<std::string> xTexts;
    for (const CKeywordLine& line : h.lines.m_lines) {
        if (line.GetKeyword() == "layer") layerParams = line.FormatParams();
        if (line.GetKeyword() == "layer_mater") {
            xTexts.push_back(line.GetParam("var1"));
            EXPECT_EQ("0.010000", line.GetParam("var2"));
        }
    }
    ASSERT_EQ(static_cast<std::size_t>(count), xTexts.size());
    for (int c = 0; c < count; ++c) {
        SCOPED_TRACE(c);
        EXPECT_EQ(columns[c].xText, xTexts[static_cast<std::size_t>(c)]);
        const std::string doping = " n_doping" + std::to_string(c + 1) + "=" + columns[c].dopingText + " ";
        EXPECT_NE(std::string::npos, (layerParams + " ").find(doping)) << layerParams;
    }
}

TEST(LayerStatementWriter, ZSegmentWithoutColumns)
{
    LayerFileHarness h;
    CZSegment& z = h.zsegs[0];
    for (int i = 0; i < 5; ++i) z.m_strComments[i] = "$ block " + std::to_string(i) + "\n";
    z.SetAngle(-3.5);
    EXPECT_EQ("$ block 0\r\nbegin_layer\r\n$\r\nrotation angle=-3.5\r\n$ block 1\r\n$\r\n$ block 2\r\n"
              "$ block 3\r\n$\r\n$ block 4\r\nend_layer\r\n",
              h.WriteText(0));
}

}  // namespace
