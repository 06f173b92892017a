// The texts of layer, column, contact and macro data that cells and the hover box show.

#include "spreadsheet/DeviceSheetBase.h"

#include "model/ColumnRec.h"
#include "support/RecordBuilders.h"
#include "textfiles/MacroList.h"

#include <gtest/gtest.h>

namespace {

CColumnRec ColumnWithMesh(int count, float ratio, double shift)
{
    CColumnRec column;
    column.m_Mesh.m_nMeshNum = count;
    column.m_Mesh.m_fRatio = ratio;
    column.m_Mesh.m_dShiftCenter = shift;
    return column;
}

CTopContact Top(const char* type, float from, float to)
{
    CTopContact range;
    range.m_strType = type;
    range.m_fFrom = from;
    range.m_fTo = to;
    return range;
}

class MacroTexts : public ::testing::Test {
protected:
    CMacroList macros;
    CDeviceSheetBase sheet{&macros};

    void SetUp() override
    {
        macros.ParseMacroText("$  load_macro name=algaas mater=#m var1=#x var2=#y", "");
        macros.ParseMacroText("load_macro name=quat var1=#a var2=#b var3=#c", "free-style");
        macros.ParseMacroText("get_active_layer name=gain1 var1=#w var2=#d", "free-style");
        macros.ParseMacroText("load_macro name=wide var1=#a var2=#b var3=#c var4=#d var5=#e var6=#f var7=#g",
                              "free-style");
    }
    static CLayerRec Bulk(const std::string& name, std::initializer_list<double> values)
    {
        CLayerRec layer = MakeLayer(name);
        int k = 0;
        for (double v : values) layer.m_Material.m_Bulk.m_dVar[k++] = v;
        return layer;
    }
};

TEST(DeviceSheetBase, WidthListShowsTheEdgeWidthsOnlyWhenTheyDifferFromTheColumn)
{
    EXPECT_EQ(CDeviceSheetBase::FormatWidthList(2.0f, MakeLayer("gaas", 0.1f, 2.0f, 2.0f)), "0.1");
    EXPECT_EQ(CDeviceSheetBase::FormatWidthList(2.0f, MakeLayer("gaas", 0.1f, 2.0f, 3.0f)), "0.1, 2, 3");
    EXPECT_EQ(CDeviceSheetBase::FormatWidthList(2.0f, MakeLayer("gaas", 0.5f, 2.5f, 2.5f)), "0.5, 2.5, 2.5");
    // A difference of exactly the tolerance still counts as equal.
    EXPECT_EQ(CDeviceSheetBase::FormatWidthList(2.0f, MakeLayer("gaas", 1.0f, 2.0f, 2.0009f)), "1");
}

TEST(DeviceSheetBase, LayerWidthsTakeTheUpperWidthOfARectangle)
{
    CLayerRec layer = MakeLayer("gaas", 0.3f, 2.0f, 2.0f);
    layer.m_fWidth = 7.0f;
    float width = 0, thickness = 0;
    CDeviceSheetBase::GetLayerWidths(layer, width, thickness);
    EXPECT_FLOAT_EQ(width, 2.0f);
    EXPECT_FLOAT_EQ(thickness, 0.3f);
    layer.m_fUpperWidth = 3.0f;
    CDeviceSheetBase::GetLayerWidths(layer, width, thickness);
    EXPECT_FLOAT_EQ(width, 7.0f);
}

TEST(DeviceSheetBase, MeshTextsNeedACountAndShowTheShiftFromATenThousandthOn)
{
    EXPECT_EQ(CDeviceSheetBase::FormatColumnMesh(ColumnWithMesh(0, 1.2f, 0.5)), "");
    EXPECT_EQ(CDeviceSheetBase::FormatColumnMesh(ColumnWithMesh(-3, 1.2f, 0.5)), "");
    EXPECT_EQ(CDeviceSheetBase::FormatColumnMesh(ColumnWithMesh(10, 1.2f, 0.0)), "10,1.2");
    EXPECT_EQ(CDeviceSheetBase::FormatColumnMesh(ColumnWithMesh(10, 1.2f, 0.5)), "10,1.2,0.5");
    EXPECT_EQ(CDeviceSheetBase::FormatColumnMesh(ColumnWithMesh(10, 1.0f, 0.00005)), "10,1");
    CLayerRec layer = MakeLayer("gaas");
    layer.m_Mesh.m_nMeshNum = 4;
    layer.m_Mesh.m_fRatio = 0.8f;
    layer.m_Mesh.m_dShiftCenter = -0.25;
    EXPECT_EQ(CDeviceSheetBase::FormatLayerMesh(layer), "4,0.8,-0.25");
}

TEST(DeviceSheetBase, ContactTextsRunTheRangesTogetherOrSayVoid)
{
    CColumnRec column;
    EXPECT_EQ(CDeviceSheetBase::FormatTopContacts(column), "Contact Top:void");
    EXPECT_EQ(CDeviceSheetBase::FormatBottomContacts(column), "Contact Bottom:void");
    column.m_Contacts.AddTop(Top("ohmic", 0.0f, 1.25f));
    column.m_Contacts.AddTop(Top("schottky", 2.0f, 3.0f));
    CBottomContact bottom;
    bottom.m_strType = "ohmic";
    bottom.m_fTo = 2.0f;
    column.m_Contacts.AddBottom(bottom);
    EXPECT_EQ(CDeviceSheetBase::FormatTopContacts(column), "Contact Top:ohmic, 0.0-1.2schottky, 2.0-3.0");
    EXPECT_EQ(CDeviceSheetBase::FormatBottomContacts(column), "Contact Bottom:ohmic, 0.0-2.0");
}

TEST_F(MacroTexts, BulkMacroOfAnEmptyLayerIsEmpty)
{
    EXPECT_EQ(sheet.FormatBulkMacro(MakeLayer("void")), "");
    EXPECT_EQ(sheet.FormatBulkMacro(MakeLayer("void macro")), "");
    EXPECT_EQ(sheet.FormatBulkMacro(MakeLayer("void macro2")), "void2") << "only plain void is empty";
}

TEST_F(MacroTexts, BulkMacroShowsItsValuesUpToTheLastGivenOne)
{
    // A formatted zero reads 0, not 0.0, so it is kept.
    EXPECT_EQ(sheet.FormatBulkMacro(Bulk("algaas_old_style", {0.3, 0.0})), "algaas, 0.3, 0");
    EXPECT_EQ(sheet.FormatBulkMacro(Bulk("quat", {0.3, 0.5, 1.25})), "quat, 0.3, 0.5, 1.25");
    EXPECT_EQ(sheet.FormatBulkMacro(Bulk("unknown", {0.3, 0.5})), "unknown") << "no such macro: no values";
}

TEST_F(MacroTexts, AGradedValueReadsFromTo)
{
    CLayerRec layer = Bulk("algaas_old_style", {0.3, 0.0});
    layer.m_Material.m_Grading.Edit().m_nGradeVar = 1;
    layer.m_Material.m_Grading.Edit().m_fGradeFrom = 0.1f;
    layer.m_Material.m_Grading.Edit().m_fGradeTo = 0.3f;
    EXPECT_EQ(sheet.FormatBulkMacro(layer), "algaas, 0.1-0.3, 0");
    // Graded beyond the macro's values: the values between stay unformatted.
    layer = Bulk("unknown", {});
    layer.m_Material.m_Grading.Edit().m_nGradeVar = 3;
    layer.m_Material.m_Grading.Edit().m_fGradeFrom = 0.5f;
    EXPECT_EQ(sheet.FormatBulkMacro(layer), "unknown, 0.0, 0.0, 0.5-0");
}

TEST_F(MacroTexts, MoreThanSixValuesOrAGradeBeyondThemStayWithinTheSixValues)
{
    CLayerRec layer = Bulk("wide", {1, 2, 3, 4, 5, 6});
    EXPECT_EQ(sheet.FormatBulkMacro(layer), "wide, 1, 2, 3, 4, 5, 6");
    layer.m_Material.m_Grading.Edit().m_nGradeVar = 7;
    layer.m_Material.m_Grading.Edit().m_fGradeFrom = 0.5f;
    EXPECT_EQ(sheet.FormatBulkMacro(layer), "wide, 1, 2, 3, 4, 5, 6");
    layer.m_Material.m_Active.Edit().m_strName = "wide";
    EXPECT_EQ(sheet.FormatActiveMacro(layer), "wide, 0, 0, 0, 0, 0, 0");
}

TEST_F(MacroTexts, ActiveMacroShowsEveryValueOfItsMacro)
{
    CLayerRec layer = MakeLayer("gaas");
    EXPECT_EQ(sheet.FormatActiveMacro(layer), "") << "no active macro";
    layer.m_Material.m_Active.Edit().m_strName = "void macro";
    EXPECT_EQ(sheet.FormatActiveMacro(layer), "");
    layer.m_Material.m_Active.Edit().m_strName = "gain1";
    layer.m_Material.m_Active.Edit().m_dVar[0] = 0.008;
    EXPECT_EQ(sheet.FormatActiveMacro(layer), "gain1, 0.008, 0");
}

TEST(DeviceSheetBase, WithoutAMacroListNoMacroHasValues)
{
    CDeviceSheetBase sheet;
    CLayerRec layer = MakeLayer("algaas_old_style");
    layer.m_Material.m_Bulk.m_dVar[0] = 0.3;
    EXPECT_EQ(sheet.FormatBulkMacro(layer), "algaas");
}

} // namespace
