#include <gtest/gtest.h>

#include "LayerFileHarness.h"
#include "support/ParsedStatement.h"
#include "support/ScriptedPrompts.h"
#include "textfiles/GratingStatements.h"
#include "textfiles/LabelStatements.h"
#include "textfiles/LayerStatementWriter.h"
#include "textfiles/MaterialStatements.h"
#include "textfiles/SideContactStatements.h"
#include "textfiles/VcselSectionStatements.h"

namespace {

CLayerRec MaterialLayer(const std::string& bulk, const std::string& active = "void macro")
{
    CLayerRec layer;
    layer.m_Material.m_Bulk.m_strName = bulk;
    layer.m_Material.m_Active.Edit().m_strName = active;
    layer.m_Doping.m_strKind = "none";
    return layer;
}

TEST(LayerWriterStatements, LayerMaterParameters)
{
    struct Case {
        const char* what;
        CLayerRec layer;
        std::vector<std::string> messages;
        const char* expected;
    };
    CLayerRec graded = MaterialLayer("ingaas", "qw_gain");
    graded.m_Material.m_Grading.Edit().m_nGradeVar = 2;
    graded.m_Material.m_Grading.Edit().m_fGradeFrom = 0.5f;
    graded.m_Material.m_Grading.Edit().m_fGradeTo = 0.25f;
    graded.m_Material.m_Bulk.m_dVar[0] = 0.2;
    graded.m_Material.m_Active.Edit().m_dVar[0] = 8;
    graded.m_Material.m_Active.Edit().m_dVar[1] = 0.125;
    graded.m_nSolveWave = 0;
    graded.m_Doping.m_strKind = "p";
    graded.m_Doping.m_nPNewDopingIndex = 3;
    CLayerRec oldStyle = MaterialLayer("algaas_old_style", "qw_old_style");
    oldStyle.m_Material.m_Bulk.m_dVar[0] = 0.3;
    CLayerRec unknownGraded = MaterialLayer("mystery");
    unknownGraded.m_Material.m_Grading.Edit().m_nGradeVar = 1;
    const Case cases[] = {
        {"free-style with grading and active macro", graded, {},
         "layer_mater macro_name=ingaas column_num=2 var_symbol2=strain grade_var=2 grade_from=0.500000 "
         "grade_to=0.250000 var_symbol1=x var1=0.200000 active_macro=qw_gain avar_symbol1=width avar1=8.000000 "
         "avar_symbol2=depth avar2=0.125000 solve_wave=no embedded_structure=0 p_newdoping_index=3"},
        {"old style", oldStyle, {},
         "layer_mater macro_name=algaas column_num=2 var1=0.300000 active_macro=qw solve_wave=yes "
         "embedded_structure=0"},
        {"insulator and void", MaterialLayer("sio2", "void macro"), {},
         "layer_mater macro_name=sio2 insulator_macro=yes column_num=2 solve_wave=yes embedded_structure=0"},
        {"void macro name", MaterialLayer("void macro2"), {},
         "layer_mater macro_name=void2 column_num=2 solve_wave=yes embedded_structure=0"},
        // The missing symbol is reported, and left out rather than written empty.
        {"graded macro the list lacks", unknownGraded, {"Your bulk macro info. is not correct!"},
         "layer_mater macro_name=mystery column_num=2 grade_var=1 grade_from=0.000000 grade_to=0.000000 "
         "solve_wave=yes embedded_structure=0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedPrompts prompts;
        for (std::size_t i = 0; i < c.messages.size(); ++i) prompts.AnswerNext(IDOK);
        LayerFileHarness h;
        EXPECT_EQ(c.expected, CLayerStatementWriter(h.ctx).FormatLayerMater(c.layer, 1).FormatParams());
        EXPECT_EQ(c.messages, prompts.Texts());
    }
}

TEST(LayerWriterStatements, XlamVariableNearZeroIsLeftOut)
{
    LayerFileHarness h;
    h.macros.ParseMacroText("$  load_macro name=laser mater=#m var1=#x var2=#xlam var_symbol1=x var_symbol2=xlam",
                            "$ free-style\r\n");
    CLayerRec layer = MaterialLayer("laser");
    layer.m_Material.m_Bulk.m_dVar[0] = 0.1;
    layer.m_Material.m_Bulk.m_dVar[1] = 0.00005;
    EXPECT_EQ("layer_mater macro_name=laser column_num=1 var_symbol1=x var1=0.100000 solve_wave=yes embedded_structure=0",
              CLayerStatementWriter(h.ctx).FormatLayerMater(layer, 0).FormatParams());
    layer.m_Material.m_Bulk.m_dVar[1] = 1.3;
    EXPECT_EQ("layer_mater macro_name=laser column_num=1 var_symbol1=x var1=0.100000 var_symbol2=xlam var2=1.300000 "
              "solve_wave=yes embedded_structure=0",
              CLayerStatementWriter(h.ctx).FormatLayerMater(layer, 0).FormatParams());
}

// The statement of a contact layer, before its variables get their file names.
TEST(LayerWriterStatements, ContactLayerMacro)
{
    struct Case {
        const char* bulk;
        int result;
        const char* expected;  // "" for no statement
    };
    const Case cases[] = {
        {"contact", 1, "layer_mater macro_name=contact column_num=3 var1=2.000000 var2=1.000000 var3=0.700000 var4=4.100000"},
        {"contact_old_style", 1, "layer_mater macro_name=contact column_num=3 var1=2.000000 var2=1.000000 var3=0.700000 "
                                 "var4=4.100000"},
        {"contact_pair_old_style", 1, "layer_mater macro_name=contact column_num=3 var1=2.000000 var2=1.000000"},
        // Not in the macro list: no variables.
        {"contact_gold", 1, "layer_mater macro_name=contact column_num=3"},
        // A macro asking for more variables than a layer holds gets the six it has.
        {"contact_wide", 1, "layer_mater macro_name=contact column_num=3 var1=2.000000 var2=1.000000 var3=0.700000 "
                            "var4=4.100000 var5=5.000000 var6=6.000000"},
        {"mycontact", 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bulk);
        LayerFileHarness h;
        h.macros.ParseMacroText("$  load_macro name=contact_pair mater=#m var1=#n var2=#t", "$ old\r\n");
        h.macros.ParseMacroText("$  load_macro name=contact_wide mater=#m var1=#a var2=#b var3=#c var4=#d var5=#e "
                                "var6=#f var7=#g",
                                "$ free-style\r\n");
        CLayerRec layer = MaterialLayer(c.bulk);
        const double vars[6] = {2, 1, 0.7, 4.1, 5, 6};
        std::copy(vars, vars + 6, layer.m_Material.m_Bulk.m_dVar);
        EXPECT_EQ(c.result, CMaterialStatements(h.ctx).WriteLayerMacro(layer, 2));
        EXPECT_EQ(*c.expected ? 1 : 0, h.lines.GetCount());
        if (h.lines.GetCount() > 0) {
            EXPECT_EQ(c.expected, h.lines[0].FormatParams());
        }
    }
    for (const char* name : {"sio2", "tio2", "vacuum", "air", "sin", "alas_oxide", "fe_inp"})
        EXPECT_TRUE(CMaterialStatements::IsInsulatorMaterial(name)) << name;
    for (const char* name : {"SIO2", "sio2_old_style", "si", ""})
        EXPECT_FALSE(CMaterialStatements::IsInsulatorMaterial(name)) << name;
}

TEST(LayerWriterStatements, VcselSections)
{
    CVcselSection three;
    three.m_strVcselType = "dbr";
    three.m_strGratingModel = "3layers";
    three.m_dLayer[0] = 1e-6;
    three.m_fIndex[0] = 3.5f;
    three.m_fIndex[2] = 2.9f;
    CVcselSection single;
    single.m_strVcselType = "cav";
    single.m_strGratingModel = "1layer";
    single.m_fSectionLoss = 12.5f;
    single.m_nMeshPoints = 7;
    CVcselSection bare;
    bare.m_strVcselType = "gap";
    bare.m_strGratingModel = "1layer";
    const std::pair<CVcselSection, const char*> cases[] = {
        {three, "vcsel_section vcsel_type=dbr grating_model=3layers active=no layer1=1.000000e-006 index1=3.500000 "
                "layer3=0.000000e+000 index3=2.900000"},
        {single, "vcsel_section vcsel_type=cav grating_model=1layer active=no section_loss=12.500000 mesh_points=7"},
        {bare, "vcsel_section vcsel_type=gap grating_model=1layer active=no"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.second, CVcselSectionStatements::FormatSection(c.first).FormatParams());
}

// Each type's sections are written once, all of them in list order, before the first row whose
// first-column layer names the type; other columns' types write nothing.
TEST(LayerWriterStatements, VcselSectionsOncePerType)
{
    LayerFileHarness h;
    for (const char* type : {"dbr", "cav", "dbr"}) {
        CVcselSection section;
        section.m_strVcselType = type;
        section.m_strGratingModel = "1layer";
        section.m_nMeshPoints = static_cast<int>(h.vcsel.size()) + 1;
        h.vcsel.push_back(section);
    }
    CZSegment& z = h.zsegs[0];
    z.SetColumnCount(2);
    z.Column(0).SetLayersInUse(4);
    z.Column(1).SetLayersInUse(4);
    const char* firstColumn[] = {"dbr", "ghost", "dbr", ""};
    for (int row = 0; row < 4; ++row) z.Column(0).Layer(row).m_Vcsel.Edit().m_strVcselType = firstColumn[row];
    z.Column(1).Layer(3).m_Vcsel.Edit().m_strVcselType = "cav";

    const std::vector<std::vector<std::string>> expected = {
        {"vcsel_section vcsel_type=dbr grating_model=1layer active=no mesh_points=1",
         "vcsel_section vcsel_type=dbr grating_model=1layer active=no mesh_points=3"},
        {}, {}, {}};
    std::vector<std::string> written;
    for (int row = 0; row < 4; ++row) {
        SCOPED_TRACE(row);
        h.lines.RemoveAll();
        CVcselSectionStatements(h.ctx).WriteVcselSections(written, 0, row);
        std::vector<std::string> texts;
        for (const CKeywordLine& line : h.lines.m_lines) texts.push_back(line.FormatParams());
        EXPECT_EQ(expected[row], texts);
    }
    EXPECT_EQ((std::vector<std::string>{"dbr", "ghost"}), written);
}

TEST(LayerWriterStatements, SideContacts)
{
    CContactRec left;
    left.m_nSide = 0;
    left.m_fFrom = 0.5f;
    left.m_fTo = 1.25f;
    left.m_nContactNum = 2;
    left.m_strType = "schottky";
    left.m_dBarrier = 0.8;
    CContactRec right = left;
    right.m_nSide = 1;
    right.m_strType = "Ohmic";
    right.m_dBarrier = -10000.0;
    right.m_dWorkFunction = -9998.5;
    EXPECT_EQ("left_contact from=0.500000 to=1.250000 contact_num=2 contact_type=schottky barrier=0.800000",
              CSideContactStatements::FormatSideContact(left).FormatParams());
    EXPECT_EQ("right_contact from=0.500000 to=1.250000 contact_num=2 work_function=-9998.500000",
              CSideContactStatements::FormatSideContact(right).FormatParams());
}

TEST(LayerWriterStatements, GratingWithDefaults)
{
    LayerFileHarness h;
    CGratingComposRec rec;
    rec.m_nPresent = 1;
    rec.m_nColumn = 0;
    rec.m_strHiMacro = "ingaas";
    rec.m_strHiActiveMacro = "a";
    rec.m_strLoMacro = "b";
    rec.m_strLoActiveMacro = "c";
    rec.m_dHiVar[1] = -9999.05;
    rec.m_dLoVar[0] = -9998.8;
    EXPECT_TRUE(CGratingStatements::IsComplete(rec));
    EXPECT_EQ("grating_compos d_high=0.100000 d_low=0.100000 d_fall=0.000000 d_rise=0.000000 hi_macro_name=ingaas "
              "hi_active_macro=a lo_macro_name=b lo_var1=-9998.800000 lo_active_macro=c grating_order=1 column_num=1",
              CGratingStatements(h.ctx).FormatGratingCompos(rec, 0).FormatParams());
    rec.m_strLoActiveMacro.clear();
    EXPECT_FALSE(CGratingStatements::IsComplete(rec));
}

TEST(LayerWriterStatements, Labels)
{
    struct Case {
        bool column;
        CLabelRec label;
        const char* expected;  // "" for no statement
    };
    const Case cases[] = {
        {true, {"A", 3, 1.5}, "column_position label=A delta_x_from_left=1.500"},
        {true, {"B", 2, -9999.0}, "column_position label=B location=right"},
        {false, {"C", 0, -9999.0}, "layer_position label=C location=top"},
        {false, {"D", 4, 0.25}, "layer_position label=D delta_y_from_top=0.250"},
        {false, {"E", -1, -9999.0}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label.m_strText);
        CKeywordLine line;
        EXPECT_EQ(*c.expected != '\0', CLabelStatements::FormatLabelPosition(c.column, line, c.label));
        EXPECT_EQ(c.expected, line.FormatParams());
        if (*c.expected == '\0') continue;
        CLabelRec back;
        CLabelStatements::ParseLabelPosition(c.column, line, back);
        EXPECT_TRUE(back.IsSameLabel(c.label));
    }
    // A distance overrides a location word; an unknown word gives no location.
    CLabelRec parsed;
    CLabelStatements::ParseLabelPosition(false, Parsed("layer_position label=m location=middle delta_y_from_top=0.25"), parsed);
    EXPECT_EQ(4, parsed.m_nLocation);
    CLabelStatements::ParseLabelPosition(true, Parsed("column_position label=m location=center"), parsed);
    EXPECT_EQ(-1, parsed.m_nLocation);
}

}  // namespace
