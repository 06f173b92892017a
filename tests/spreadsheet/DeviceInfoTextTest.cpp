// The hover box's lines for a layer of each kind, and how long lines are cut.

#include "spreadsheet/DeviceInfoText.h"

#include "support/DocFixture.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

class HoverLines : public DocFixture {
protected:
    CMacroList macros;

    void SetUp() override
    {
        macros.ParseMacroText("$  load_macro name=algaas mater=#m var1=#x var2=#y", "");
        macros.ParseMacroText("load_macro name=contact var1=#n var2=#t var3=#b var4=#w", "free-style");
        macros.ParseMacroText("get_active_layer name=gain1 var1=#w var2=#d", "free-style");
        doc().SetMacroList(&macros);
        UseZSegments(1);
        CColumnRec& column = AddColumn(0, {"contact", "void macro", "algaas_old_style", "gaas"});
        column.m_Mesh.m_nMeshNum = 10;
        column.m_Mesh.m_fRatio = 1.2f;
        CTopContact top;
        top.m_strType = "ohmic";
        top.m_fTo = 1.0f;
        column.m_Contacts.AddTop(top);

        CLayerRec& contact = column.Layer(0);
        contact.m_Material.m_Bulk.m_dVar[0] = 1;
        contact.m_Material.m_Bulk.m_dVar[2] = -9999;
        contact.m_Material.m_Bulk.m_dVar[3] = -9999;

        CLayerRec& graded = column.Layer(2);
        graded.m_fHeight = 0.5f;
        graded.m_fUpperWidth = 3.0f;
        graded.m_Material.m_Grading.Edit().m_nGradeVar = 1;
        graded.m_Material.m_Grading.Edit().m_fGradeFrom = 0.1f;
        graded.m_Material.m_Grading.Edit().m_fGradeTo = 0.3f;
        graded.m_Material.m_Active.Edit().m_strName = "gain1";
        graded.m_Material.m_Active.Edit().m_dVar[0] = 0.008;
        graded.m_Grating.Edit().m_nPresent = 1;

        CLayerRec& doped = column.Layer(3);
        doped.m_Doping.m_strKind = "n";
        doped.m_Doping.m_fValue = 1e18f;
        doped.m_Mesh.m_nMeshNum = 4;
        doped.m_Mesh.m_fRatio = 0.8f;
    }

    // The whole box for a row: column lines, the layer's own lines, the position, then padding.
    static Lines Box(int row, const Lines& layerLines)
    {
        Lines lines{"Column No.: 1", "Column width: 2.00", "Column mesh: 10,1.2", "Contact Top:ohmic, 0.0-1.0",
                    "Contact Bottom:void", "     ", "Layer No.: " + std::to_string(row + 1)};
        lines.insert(lines.end(), layerLines.begin(), layerLines.end());
        lines.push_back("        ");
        lines.push_back("Coordinate: (1.500, 2.250)");
        while (lines.size() < 18) lines.push_back("   ");
        return lines;
    }
};

struct KindCase {
    const char* kind;
    int row;
    Lines layerLines;
};

void PrintTo(const KindCase& c, std::ostream* os) { *os << c.kind; }

class HoverLinesOfEachKind : public HoverLines, public ::testing::WithParamInterface<KindCase> {};

TEST_P(HoverLinesOfEachKind, ShowTheColumnTheLayerAndThePosition)
{
    CDeviceInfoText text(doc());
    text.SetPosition(1.5f, 2.25f);
    Lines lines;
    ASSERT_TRUE(text.BuildLines(0, 0, GetParam().row, lines));
    EXPECT_EQ(lines, Box(GetParam().row, GetParam().layerLines));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, HoverLinesOfEachKind,
    ::testing::Values(
        KindCase{"contact", 0, {"Thickness:1", "Bulk_macro: contact, 1, 0,", "    -9999, -9999"}},
        KindCase{"empty", 1, {"Thickness:1", "Bulk_macro: void"}},
        KindCase{"graded", 2,
                 {"Thickness:0.5, 2, 3", "Bulk_macro: algaas,", "    0.1-0.3, 0", "Mild Active_macro: gain1,",
                  "    0.008, 0"}},
        KindCase{"doped", 3, {"Thickness:1", "Bulk_macro: gaas", "Doping: n,1.000000e+018", "Layer mesh: 4,0.8"}}),
    [](const ::testing::TestParamInfo<KindCase>& info) { return std::string(info.param.kind); });

// Both doping types name their kind and concentration; an undoped layer, however its kind is
// spelled, has no doping line at all.
TEST_F(HoverLines, TheDopingLineFollowsTheLayersDopingType)
{
    const struct {
        const char* kind;
        float value;
        const char* line;  // nullptr: no doping line
    } cases[] = {
        {"n", 1e18f, "Doping: n,1.000000e+018"},
        {"p", 2.5e17f, "Doping: p,2.500000e+017"},
        {"none", 3e16f, nullptr},
        {"", 3e16f, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        CLayerRec& doped = Seg(0).Column(0).Layer(3);
        doped.m_Doping.m_strKind = c.kind;
        doped.m_Doping.m_fValue = c.value;
        CDeviceInfoText text(doc());
        text.SetPosition(1.5f, 2.25f);
        Lines lines;
        ASSERT_TRUE(text.BuildLines(0, 0, 3, lines));
        Lines expected = {"Thickness:1", "Bulk_macro: gaas"};
        if (c.line)
            expected.push_back(c.line);
        expected.push_back("Layer mesh: 4,0.8");
        EXPECT_EQ(lines, Box(3, expected));
    }
}

TEST_F(HoverLines, AnActiveMacroWithoutAGratingHasThePlainLabel)
{
    Seg(0).Column(0).Layer(2).m_Grating.Edit().m_nPresent = 0;
    Lines lines;
    ASSERT_TRUE(CDeviceInfoText(doc()).BuildLines(0, 0, 2, lines));
    EXPECT_EQ(lines[10], "Active_macro: gain1, 0.008,");
    EXPECT_EQ(lines[11], "    0");
}

TEST_F(HoverLines, ALongBoxKeepsAllItsLines)
{
    CColumnRec& column = Seg(0).Column(0);
    for (int i = 0; i < 8; ++i) {
        CTopContact top;
        top.m_strType = "schottky";
        column.m_Contacts.AddTop(top);
    }
    Lines lines;
    ASSERT_TRUE(CDeviceInfoText(doc()).BuildLines(0, 0, 1, lines));
    EXPECT_GT(lines.size(), 18u);
    EXPECT_EQ(lines.back(), "Coordinate: (0.000, 0.000)");
}

TEST_F(HoverLines, NoLinesForALayerThatIsNotThere)
{
    Lines lines{"old"};
    CDeviceInfoText text(doc());
    EXPECT_FALSE(text.BuildLines(0, 0, 4, lines));
    EXPECT_FALSE(text.BuildLines(0, 1, 0, lines));
    EXPECT_FALSE(text.BuildLines(-1, 0, 0, lines));
    EXPECT_FALSE(text.BuildLines(40, 0, 0, lines));
    EXPECT_TRUE(lines.empty());
}

struct SplitCase {
    const char* text;
    Lines pieces;
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class SplitLongText : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitLongText, CutsAfterTheLastCommaOrSemicolonOfTwentySevenCharacters)
{
    EXPECT_EQ(CDeviceInfoText::SplitLongText(GetParam().text), GetParam().pieces);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitLongText,
    ::testing::Values(SplitCase{"", {""}}, SplitCase{"short", {"short"}},
                      SplitCase{"abcdefghijklmnopqrstuvwxyz0", {"abcdefghijklmnopqrstuvwxyz0"}},
                      // No ',' or ';' within the 27 characters: a hard cut after the 27th.
                      SplitCase{"abcdefghijklmnopqrstuvwxyz0123", {"abcdefghijklmnopqrstuvwxyz0", "123"}},
                      // A continuation that reaches 27 characters again is cut again.
                      SplitCase{"abc;defghijklmnopqrstuvwxyz0123", {"abc;", "   defghijklmnopqrstuvwxyz0", "123"}},
                      // The continuation already holds more than 27 characters: it is not cut again.
                      SplitCase{",abcdefghijklmnopqrstuvwxyz0123456789,x",
                                {",", "   abcdefghijklmnopqrstuvwxyz0123456789,x"}},
                      SplitCase{"a,b,c,d,e,f,g,h,i,j,k,l,m,n,o,p,q,r,s,t",
                                {"a,b,c,d,e,f,g,h,i,j,k,l,m,", "   n,o,p,q,r,s,t"}}));

} // namespace
