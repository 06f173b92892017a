// Every number a ".layer" file holds comes back from a save as the value it was: a value that the
// file's "%f" text would change (1e-7 would read back as 0, 0.1234567 as 0.123457) is written in
// the shortest text that reads back exactly. (That every other value keeps the text it always had
// is what the golden files of the writer and the saves hold.)

#include "support/DocFixture.h"
#include "support/TempFolder.h"
#include "textfiles/MacroList.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct NumberCase {
    const char* text;  // as the file gives it
    double value;
};

void PrintTo(const NumberCase& c, std::ostream* os) { *os << c.text; }

const NumberCase kNumbers[] = {
    {"1e-7", 1e-7}, {"0.5", 0.5}, {"1234.5", 1234.5}, {"-2.5e-9", -2.5e-9}, {"0.1234567", 0.1234567},
};

// A column, its contact, a layer with both macros and a graded layer above it: the value stands in
// every number the writer formats.
std::string DeviceText(const std::string& v)
{
    return "begin_layer\n"
           "column column_num=1 w=" + v + " mesh_num=4 r=" + v + " shift_center=" + v + "\n"
           "bottom_contact column_num=1 from=" + v + " to=" + v + " contact_num=1 contact_type=schottky barrier=" + v +
           " work_function=" + v + "\n"
           "layer_mater macro_name=algaas column_num=1 var_symbol1=x var1=" + v +
           " active_macro=qw_gain avar_symbol1=w avar1=" + v + " avar_symbol2=d avar2=" + v + "\n"
           "layer d=" + v + " n=4 r=" + v + " shift_center=" + v + " upper_w1=2 lower_w1=" + v + "\n"
           "layer_mater macro_name=algaas column_num=1 grade_var=1 grade_from=" + v + " grade_to=" + v + "\n"
           "layer d=" + v + " n=4 r=1 lower_w1=" + v + " upper_w1=" + v + "\n"
           "end_layer\n";
}

class LayerNumbersSave : public DocFixture, public ::testing::WithParamInterface<NumberCase> {
protected:
    LayerNumbersSave()
    {
        macros.ParseMacroText("load_macro name=algaas var1=#x var_symbol1=x", "free-style");
        macros.ParseMacroText("get_active_layer name=qw_gain var1=#w var2=#d var_symbol1=w var_symbol2=d",
                              "free-style");
        doc().SetMacroList(&macros);
        app.mode3d = false;
    }

    CMacroList macros;
    TempFolder folder;
};

}  // namespace

TEST_P(LayerNumbersSave, AValueReadsBackAsItselfAfterASave)
{
    const NumberCase& c = GetParam();
    const float f = static_cast<float>(c.value);
    // A height or width below the least size is named when the file opens, and read all the same.
    prompts.AllowUnscripted();
    ASSERT_TRUE(doc().OnOpenDocument(folder.Write("dev.layer", DeviceText(c.text))));
    ASSERT_TRUE(doc().OnSaveDocument(folder.File("saved.layer")));
    ASSERT_TRUE(doc().OnOpenDocument(folder.File("saved.layer")));
    for (const std::string& text : prompts.Texts())
        EXPECT_EQ(text.rfind("Some values cannot be used as numbers:", 0), 0u) << text;

    const CColumnRec& column = Seg(0).GetColumn(0);
    EXPECT_EQ(column.m_Size.m_fLowerWidth, f);
    EXPECT_EQ(column.m_Mesh.m_fRatio, f);
    EXPECT_EQ(column.m_Mesh.m_dShiftCenter, c.value);
    ASSERT_EQ(column.m_Contacts.GetBottomCount(), 1);
    const CBottomContact& contact = column.m_Contacts.Bottom(0);
    EXPECT_EQ(contact.m_fFrom, f);
    EXPECT_EQ(contact.m_fTo, f);
    EXPECT_EQ(contact.m_dBarrier, c.value);
    EXPECT_EQ(contact.m_dWorkFunction, c.value);

    ASSERT_EQ(column.GetLayersInUse(), 2);
    const CLayerRec& layer = column.GetLayer(0);
    EXPECT_EQ(layer.m_fHeight, f);
    EXPECT_EQ(layer.m_Mesh.m_fRatio, f);
    EXPECT_EQ(layer.m_Mesh.m_dShiftCenter, c.value);
    EXPECT_EQ(layer.m_fLowerWidth, f);
    EXPECT_EQ(layer.m_Material.m_Bulk.m_dVar[0], c.value);
    EXPECT_EQ(layer.m_Material.m_Active->m_dVar[0], c.value);
    EXPECT_EQ(layer.m_Material.m_Active->m_dVar[1], c.value);

    const CLayerRec& graded = column.GetLayer(1);
    EXPECT_EQ(graded.m_fHeight, f);
    EXPECT_EQ(graded.m_fLowerWidth, f);
    EXPECT_EQ(graded.m_fUpperWidth, f);
    EXPECT_EQ(graded.m_Material.m_Grading->m_nGradeVar, 1);
    EXPECT_EQ(graded.m_Material.m_Grading->m_fGradeFrom, f);
    EXPECT_EQ(graded.m_Material.m_Grading->m_fGradeTo, f);
}

INSTANTIATE_TEST_SUITE_P(Values, LayerNumbersSave, ::testing::ValuesIn(kNumbers));
