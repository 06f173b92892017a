#include <gtest/gtest.h>

#include "LayerFileHarness.h"
#include "support/ScriptedPrompts.h"
#include "textfiles/LayerComments.h"
#include "textfiles/LayerStatementReader.h"

namespace {

std::string Repeat(const std::string& line, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i) text += line;
    return text;
}

const std::string kOneRow = "layer_mater macro_name=gaas column_num=1\nlayer d=1 n=2 r=1\n";

// Text that does not fit the records, or that was cut off, is refused and changes nothing.
TEST(LayerReaderRefusal, UnfitOrTruncatedTextLeavesTheZSegmentAsItWas)
{
    struct Case {
        const char* what;
        std::string text;
    };
    const Case cases[] = {
        {"21 columns", Repeat("column column_num=1 w=1\n", 21) + "layer d=1\n"},
        {"501 rows", "column column_num=1 w=1\n" + Repeat("layer d=1 n=1 r=1\n", 501)},
        {"9 bottom contacts", "column column_num=1 w=1\n" + Repeat("bottom_contact column_num=1 from=0 to=1\n", 9) + kOneRow},
        {"9 top contacts", "column column_num=1 w=1\n" + Repeat("top_contact column_num=1 from=0 to=1\n", 9) + kOneRow},
        {"no end_layer", "begin_layer\ncolumn column_num=1 w=1\n" + kOneRow},
        {"cut inside a row", "begin_layer\ncolumn column_num=1 w=1\n" + kOneRow +
                                 "layer_mater macro_name=gaas column_num=1\nend_layer\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedPrompts prompts;
        LayerFileHarness h;
        ASSERT_TRUE(h.LoadFixture("ridge_two_columns.layer"));
        ASSERT_EQ(1, h.Read(0));
        const CZSegment before = h.zsegs[0];
        const std::size_t sections = h.vcsel.size();
        ASSERT_TRUE(h.LoadText(c.text));
        EXPECT_EQ(0, h.Read(0));
        ExpectSameZSegment(before, h.zsegs[0]);
        EXPECT_EQ(sections, h.vcsel.size());
        EXPECT_TRUE(prompts.Texts().empty());
    }
}

TEST(LayerReaderRefusal, WhatStillFitsIsRead)
{
    LayerFileHarness h;
    ASSERT_TRUE(h.LoadText(Repeat("column column_num=1 w=1\n", 20) + "bottom_contact column_num=20 from=0 to=1\n" +
                           Repeat("bottom_contact column_num=1 from=0 to=1\n", 8)));
    ASSERT_EQ(1, h.Read(0));
    EXPECT_EQ(20, h.zsegs[0].GetColumnCount());
    EXPECT_EQ(8, h.zsegs[0].GetColumn(0).m_Contacts.GetBottomCount());
    EXPECT_EQ(1, h.zsegs[0].GetColumn(19).m_Contacts.GetBottomCount());
    // Neither "begin_layer" nor "end_layer": read like the same text with them.
    EXPECT_EQ(0, h.zsegs[0].GetColumn(0).GetLayersInUse());
}

TEST(LayerReader, NoColumnStatement)
{
    LayerFileHarness h;
    const std::string text = "layer_mater macro_name=contact column_num=1 contact_num=2\nlayer d=1\n";
    ASSERT_TRUE(h.LoadText(text));
    const std::string before = h.lines.StoreRawText();
    EXPECT_EQ(0, h.Read(0));
    EXPECT_EQ(0, h.zsegs[0].GetColumnCount());
    EXPECT_EQ(before, h.lines.StoreRawText());
}

TEST(LayerReader, ColumnsByOrderAndLayersInUse)
{
    LayerFileHarness h;
    ASSERT_TRUE(h.LoadText("column column_num=2 w=1\ncolumn column_num=1 w=2\n"
                           "layer_mater macro_name=a column_num=2\nlayer_mater column_num=2\n"
                           "layer_mater macro_name=b column_num=2\n" +
                           Repeat("layer d=1\n", 7)));
    ASSERT_EQ(1, h.Read(0));
    const CZSegment& z = h.zsegs[0];
    EXPECT_FLOAT_EQ(1.0f, z.GetColumn(0).m_Size.m_fLowerWidth);
    EXPECT_FLOAT_EQ(2.0f, z.GetColumn(1).m_Size.m_fLowerWidth);
    EXPECT_EQ(7, z.GetColumn(0).GetLayersInUse());
    EXPECT_EQ(2, z.GetColumn(1).GetLayersInUse());
}

TEST(LayerReader, ContactRangesLinkToThePreviousZSegment)
{
    LayerFileHarness h;
    h.ctx.zsegCount = 2;
    ASSERT_TRUE(h.LoadText("column column_num=1 w=1\nbottom_contact column_num=1 from=0 to=1 contact_num=3\n"
                           "layer d=1\nleft_contact from=0 to=1 contact_num=1\n"));
    ASSERT_EQ(1, h.Read(0));
    EXPECT_EQ(0, h.zsegs[0].GetColumn(0).m_Contacts.Bottom(0).m_nLink);
    EXPECT_EQ(0, h.zsegs[0].m_SideContacts[0].m_Contacts[0].m_nLink);

    ASSERT_TRUE(h.LoadText("column column_num=1 w=1\ncolumn column_num=2 w=1\n"
                           "bottom_contact column_num=1 from=0 to=1 contact_num=3\n"
                           "bottom_contact column_num=1 from=1 to=2 contact_num=3\n"
                           "bottom_contact column_num=2 from=0 to=1 contact_num=1\n"
                           "layer d=1\nleft_contact from=0 to=1\nright_contact from=0 to=1\n"));
    ASSERT_EQ(1, h.Read(1));
    const CZSegment& z = h.zsegs[1];
    EXPECT_EQ(1, z.GetColumn(0).m_Contacts.Bottom(0).m_nLink);
    EXPECT_EQ(0, z.GetColumn(0).m_Contacts.Bottom(1).m_nLink);  // no second range before
    EXPECT_EQ(0, z.GetColumn(1).m_Contacts.Bottom(0).m_nLink);  // no such column before
    const CContactRec& left = z.m_SideContacts[0].m_Contacts[0];
    EXPECT_EQ(1, left.m_nLink);
    EXPECT_EQ(0, left.m_nContactNum);
    EXPECT_EQ("", left.m_strType);
    EXPECT_EQ(0, z.m_SideContacts[0].m_Contacts[1].m_nLink);  // no right contact before
}

// A "column_num" that names no column of the z-segment has no column to carry its labels.
TEST(LayerReader, LabelsOfAColumnNumberWithoutColumnAreLeftOut)
{
    for (const char* number : {"0", "-1", "3", "99"}) {
        SCOPED_TRACE(number);
        LayerFileHarness h;
        ASSERT_TRUE(h.LoadText(std::string("column column_num=1 w=1\ncolumn_position label=a location=left\n"
                                           "column column_num=") +
                               number + " w=1\ncolumn_position label=b location=right\nlayer d=1\n"));
        ASSERT_EQ(1, h.Read(0));
        const CZSegment& z = h.zsegs[0];
        ASSERT_EQ(1u, z.GetColumn(0).m_Labels.size());
        EXPECT_EQ("a", z.GetColumn(0).m_Labels[0].m_strText);
        EXPECT_TRUE(z.GetColumn(1).m_Labels.empty());
    }
}

TEST(LayerReader, MacroNamesVariablesAndSymbols)
{
    struct Case {
        const char* statement;
        const char* bulk;
        std::vector<double> vars;
        const char* active;
    };
    const Case cases[] = {
        {"macro_name=contact_gold var1=2", "contact_gold_old_style", {2, -9999, -9999, -9999, -9999, -9999}, "void macro"},
        {"macro_name=mycontact var1=2", "mycontact_old_style", {2, 0, 0, 0, 0, 0}, "void macro"},
        {"macro_name=contact contact_num=2 contact_type=schottky", "contact_old_style",
         {2, 1, -9999, -9999, -9999, -9999}, "void macro"},
        {"macro_name=algaas active_macro=qw avar1=5", "algaas_old_style", {0, 0, 0, 0, 0, 0}, "qw_old_style"},
        {"macro_name=void", "void macro", {0, 0, 0, 0, 0, 0}, "void macro"},
        // Symbols put values into the order of the macro's definition.
        {"macro_name=ingaas var_symbol1=strain var1=3 var_symbol2=x var2=0.4", "ingaas", {0.4, 3, 0, 0, 0, 0}, "void macro"},
        // A macro the list does not know keeps the file's order.
        {"macro_name=other var_symbol1=strain var1=3", "other", {3, 0, 0, 0, 0, 0}, "void macro"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.statement);
        LayerFileHarness h;
        ASSERT_TRUE(h.LoadText(std::string("column column_num=1 w=1\nlayer_mater column_num=1 ") + c.statement +
                               "\nlayer d=1\n"));
        ASSERT_EQ(1, h.Read(0));
        const CLayerMaterial& m = h.zsegs[0].GetColumn(0).GetLayer(0).m_Material;
        EXPECT_EQ(c.bulk, m.m_Bulk.m_strName);
        EXPECT_EQ(c.vars, std::vector<double>(m.m_Bulk.m_dVar, m.m_Bulk.m_dVar + 6));
        EXPECT_EQ(c.active, m.m_Active->m_strName);
    }
}

TEST(LayerReader, DopingWidthsAndSections)
{
    LayerFileHarness h;
    ASSERT_TRUE(h.LoadText("column column_num=1 w=4\ncolumn column_num=2 w=4\n"
                           "vcsel_section vcsel_type=s1 mesh_points=1e2\n"
                           "layer_mater macro_name=a column_num=1 n_doping=1e24 p_doping=2e23 solve_wave=YES\n"
                           "layer_mater macro_name=a column_num=2 n_doping=1e24 p_doping=2e23\n"
                           "layer d=1 upper_w1=2 lower_w1=3 upper_w2=2 w2=5 p_doping2=5e22 vcsel_type=s1\n"));
    ASSERT_EQ(1, h.Read(0));
    const CLayerRec& first = h.zsegs[0].GetColumn(0).GetLayer(0);
    const CLayerRec& second = h.zsegs[0].GetColumn(1).GetLayer(0);
    EXPECT_EQ("n", first.m_Doping.m_strKind);
    EXPECT_FLOAT_EQ(1e24f, first.m_Doping.m_fValue);
    EXPECT_EQ("p", second.m_Doping.m_strKind);
    EXPECT_FLOAT_EQ(5e22f, second.m_Doping.m_fValue);
    EXPECT_EQ(0, first.m_nSolveWave);
    EXPECT_EQ((std::vector<float>{4, 2, 3}), (std::vector<float>{first.m_fWidth, first.m_fUpperWidth, first.m_fLowerWidth}));
    EXPECT_EQ((std::vector<float>{5, 5, 5}), (std::vector<float>{second.m_fWidth, second.m_fUpperWidth, second.m_fLowerWidth}));
    // Integer conversion on the layer, decimal conversion truncated in the document's list.
    EXPECT_EQ(1, first.m_Vcsel->m_nMeshPoints);
    ASSERT_EQ(1u, h.vcsel.size());
    EXPECT_EQ(100, h.vcsel[0].m_nMeshPoints);
    EXPECT_EQ("1layer", h.vcsel[0].m_strGratingModel);
    EXPECT_EQ("no", h.vcsel[0].m_strActive);
}

// A row's doping parameter belongs to the column its number names in whole: "n_doping12" is the
// doping of column 12, not of column 1.
TEST(LayerReader, DopingOfTwoDigitColumns)
{
    std::string text;
    for (int c = 1; c <= 12; ++c) text += "column column_num=" + std::to_string(c) + " w=1\n";
    for (int c = 1; c <= 12; ++c) text += "layer_mater macro_name=a column_num=" + std::to_string(c) + "\n";
    text += "layer d=1 n_doping12=5e22 p_doping2=1e23 n_doping11=2e22\n";
    LayerFileHarness h;
    ASSERT_TRUE(h.LoadText(text));
    ASSERT_EQ(1, h.Read(0));
    std::vector<std::string> kinds;
    for (int c = 0; c < 12; ++c) kinds.push_back(h.zsegs[0].GetColumn(c).GetLayer(0).m_Doping.m_strKind);
    EXPECT_EQ((std::vector<std::string>{"none", "p", "none", "none", "none", "none", "none", "none", "none", "none",
                                        "n", "n"}),
              kinds);
    EXPECT_FLOAT_EQ(2e22f, h.zsegs[0].GetColumn(10).GetLayer(0).m_Doping.m_fValue);
    EXPECT_FLOAT_EQ(5e22f, h.zsegs[0].GetColumn(11).GetLayer(0).m_Doping.m_fValue);
}

TEST(LayerReader, GratingAfterTheLastRowIsReported)
{
    ScriptedPrompts prompts;
    prompts.AnswerNext(IDOK);
    LayerFileHarness h;
    ASSERT_TRUE(h.LoadText("column column_num=1 w=1\nlayer_mater macro_name=a column_num=1\n"
                           "grating_compos column_num=1 hi_macro_name=a hi_active_macro=b lo_macro_name=c "
                           "lo_active_macro=d\nlayer d=1\n"
                           "grating_compos column_num=1 hi_macro_name=x\nrotation angle=1\nrotation angle=2\n"));
    ASSERT_EQ(1, h.Read(0));
    EXPECT_EQ(std::vector<std::string>{"Grating_compos is not correct!"}, prompts.Texts());
    const CGratingComposRec& g = h.zsegs[0].GetColumn(0).GetLayer(0).m_Grating;
    EXPECT_EQ("a", g.m_strHiMacro);
    EXPECT_DOUBLE_EQ(0.1, g.m_dHigh);
    EXPECT_EQ(1, g.m_nGratingOrder);
    EXPECT_EQ(2.0, h.zsegs[0].GetAngle());
}

}  // namespace

namespace {

// Comments before any statement of a group are all kept for the group, in order, and written back
// in front of its first statement; a lone "$" separator is not a comment.
TEST(LayerComments, GroupKeepsEveryBlockAndWritesItFirst)
{
    LayerFileHarness h;
    ASSERT_TRUE(h.LoadText("begin_layer\n$\n$ first column\ncolumn column_num=1 w=1\n$ second column\n"
                           "column column_num=2 w=1\n$ note\n$\nlayer d=1\nend_layer\n$ after the end\n"));
    ASSERT_EQ(1, h.Read(0));
    const CZSegment& z = h.zsegs[0];
    EXPECT_EQ("", z.m_strComments[CLayerComments::BeforeBegin]);
    EXPECT_EQ("$ first column\n$ second column\n", z.m_strComments[CLayerComments::BeforeColumns]);
    EXPECT_EQ("$ note\n$\n", z.GetColumn(0).GetLayer(0).m_strComment);
    EXPECT_EQ("", z.m_strComments[CLayerComments::BeforeEnd]);

    const std::string text = h.WriteText(0);
    EXPECT_NE(std::string::npos, text.find("$ first column\r\n$ second column\r\ncolumn column_num=1")) << text;
    EXPECT_NE(std::string::npos, text.find("$ note\r\n$\r\nlayer_mater")) << text;

    std::string block;
    EXPECT_EQ("", CLayerComments::PopCommentLine(block));
    block = "$ a\n$ b\n";
    EXPECT_EQ("$ a", CLayerComments::PopCommentLine(block));
    EXPECT_EQ("$ b", CLayerComments::PopCommentLine(block));
    EXPECT_EQ("", block);
}

}  // namespace

namespace {

// A "new_doping" statement after a layer's material statement travels with the layer, parameters
// included, and is written back right after it.
TEST(LayerReader, NewDopingStatementTravelsWithItsLayer)
{
    LayerFileHarness h;
    ASSERT_TRUE(h.LoadText("column column_num=1 w=1\nlayer_mater macro_name=a column_num=1 n_doping=1e24\n"
                           "new_doping_gauss peak=1e24 width=0.1\nlayer d=1 n=1 r=1\n"
                           "layer_mater macro_name=b column_num=1\nlayer d=2 n=1 r=1\n"));
    ASSERT_EQ(1, h.Read(0));
    EXPECT_EQ("new_doping_gauss peak=1e24 width=0.1", h.zsegs[0].GetColumn(0).GetLayer(0).m_Doping.m_strNewDoping);
    EXPECT_EQ("", h.zsegs[0].GetColumn(0).GetLayer(1).m_Doping.m_strNewDoping);
    const std::string text = h.WriteText(0);
    EXPECT_NE(std::string::npos,
              text.find("   n_newdoping_index=0\r\nnew_doping_gauss peak=1e24 width=0.1\r\nlayer d=1."))
        << text;
}

}  // namespace
