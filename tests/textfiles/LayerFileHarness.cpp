#include "LayerFileHarness.h"


#include <gtest/gtest.h>

#include "platform/Archive.h"
#include "textfiles/LayerStatementReader.h"
#include "textfiles/LayerStatementWriter.h"

const std::string kLayerFixtures = TESSARON_FIXTURES "/layer/";

namespace {

const char kFrameOpen[] = "/************************************************ \r\n";
const char kFrameClose[] = "************************************************/ \r\n";

void AddMacro(CMacroList& list, const std::string& usage, bool freeStyle)
{
    std::string comment = kFrameOpen;
    if (freeStyle) comment += "   [free-style] \r\n";
    comment += usage + "\r\n" + kFrameClose;
    list.ParseMacroText(usage, comment);
}

}  // namespace

LayerFileHarness::LayerFileHarness()
    : zsegs(CZSegment::kMaxZSegments), ctx{zsegs, 1, lines, &copy, vcsel, macros}
{
    // Library macros: two free-style ones, an old-style one, and the built-in contact macro in both
    // forms; plus the old-style user macro the three-column fixture's "ingaasp" derives.
    AddMacro(macros, "$  load_macro name=ingaas mater=#m var1=#x var2=#strain var_symbol1=x var_symbol2=strain", true);
    AddMacro(macros, "$  get_active_layer name=qw_gain mater=#m var1=#width var2=#depth var_symbol1=width var_symbol2=depth", true);
    AddMacro(macros, "$  load_macro name=algaas mater=#m var1=#x", false);
    const std::string contact = "load_macro macro_name=contact mater=#m  var1=#contact_num var2=#contact_type  "
                                "var3=#barrier     var4=#work_function ";
    AddMacro(macros, contact, false);
    AddMacro(macros, contact + "var_symbol1=contact_num var_symbol2=contact_type    "
                               "var_symbol3=barrier var_symbol4=work_function", true);
    AddMacro(macros, "$  load_macro name=ingaasp mater=#m var1=#var1 var2=#var2", false);
}

bool LayerFileHarness::LoadText(const std::string& text, const std::string& name)
{
    lines.RemoveAll();
    loaded = CLoadContext();
    CArchive archive;
    archive.OpenLoadFromMemory(text, kLayerFixtures + name);
    const bool ok = lines.Serialize(archive, loaded);
    copy = lines;
    return ok;
}

bool LayerFileHarness::LoadFixture(const std::string& name)
{
    return LoadText(FileBytes(kLayerFixtures + name), name);
}

int LayerFileHarness::Read(int n)
{
    return CLayerStatementReader(ctx).ReadLayerStatements(n);
}

void LayerFileHarness::Write(int n)
{
    lines.RemoveAll();
    CLayerStatementWriter(ctx).WriteLayerStatements(n);
}

std::string LayerFileHarness::Render() const
{
    CKeywordLineList rendered = lines;
    for (CKeywordLine& line : rendered.m_lines) {
        line.RebuildText(ParamTextForm::canonical);
        line.WrapText();
    }
    return rendered.StoreRawText();
}

std::string LayerFileHarness::WriteText(int n)
{
    Write(n);
    return Render();
}

namespace {

#define EXPECT_FIELD(field) EXPECT_EQ(e.field, a.field) << where << #field

void ExpectSameMesh(const CMeshSettings& e, const CMeshSettings& a, const std::string& where)
{
    EXPECT_FIELD(m_nMeshNum);
    EXPECT_FIELD(m_fRatio);
    EXPECT_FIELD(m_nExtraLow);
    EXPECT_FIELD(m_nExtraHigh);
    EXPECT_FIELD(m_dShiftCenter);
}

void ExpectSameLabels(const std::vector<CLabelRec>& expected, const std::vector<CLabelRec>& actual,
                      const std::string& where)
{
    ASSERT_EQ(expected.size(), actual.size()) << where << "labels";
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const CLabelRec& e = expected[i];
        const CLabelRec& a = actual[i];
        EXPECT_FIELD(m_strText);
        EXPECT_FIELD(m_nLocation);
        EXPECT_FIELD(m_dOffset);
    }
}

void ExpectSameRange(const CContactRange& e, const CContactRange& a, const std::string& where)
{
    EXPECT_FIELD(m_fFrom);
    EXPECT_FIELD(m_fTo);
    EXPECT_FIELD(m_nLink);
    EXPECT_FIELD(m_nContactNum);
    EXPECT_FIELD(m_strType);
    EXPECT_FIELD(m_dWorkFunction);
    EXPECT_FIELD(m_dBarrier);
}

void ExpectSameLayer(const CLayerRec& e, const CLayerRec& a, const std::string& where)
{
    EXPECT_FIELD(m_nColumn);
    EXPECT_FIELD(m_nRow);
    ExpectSameMesh(e.m_Mesh, a.m_Mesh, where);
    EXPECT_FIELD(m_fHeight);
    EXPECT_FIELD(m_fWidth);
    EXPECT_FIELD(m_fUpperWidth);
    EXPECT_FIELD(m_fLowerWidth);
    EXPECT_FIELD(m_Vcsel->m_strActive);
    EXPECT_FIELD(m_Vcsel->m_strGratingModel);
    EXPECT_FIELD(m_Vcsel->m_strVcselType);
    for (int i = 0; i < 9; ++i) {
        EXPECT_FIELD(m_Vcsel->m_fIndex[i]);
        EXPECT_FIELD(m_Vcsel->m_dLayer[i]);
    }
    EXPECT_FIELD(m_Vcsel->m_nMeshPoints);
    EXPECT_FIELD(m_Vcsel->m_fSectionLoss);
    EXPECT_FIELD(m_Vcsel->m_fSectionIndex);
    EXPECT_FIELD(m_nVcselFlag);
    EXPECT_EQ(e.m_VcselStatement->FormatParams(), a.m_VcselStatement->FormatParams()) << where << "VCSEL statement";
    EXPECT_FIELD(m_Material.m_Bulk.m_strName);
    EXPECT_FIELD(m_Material.m_Active->m_strName);
    EXPECT_FIELD(m_Material.m_strInsulatorFor);
    for (int i = 0; i < 6; ++i) {
        EXPECT_FIELD(m_Material.m_Bulk.m_dVar[i]);
        EXPECT_FIELD(m_Material.m_Active->m_dVar[i]);
    }
    EXPECT_FIELD(m_Material.m_Grading->m_nGradeVar);
    EXPECT_FIELD(m_Material.m_Grading->m_strDirection);
    EXPECT_FIELD(m_Material.m_Grading->m_fGradeFrom);
    EXPECT_FIELD(m_Material.m_Grading->m_fGradeTo);
    EXPECT_FIELD(m_Doping.m_strKind);
    EXPECT_FIELD(m_Doping.m_fValue);
    EXPECT_FIELD(m_Doping.m_fGaussianTail);
    EXPECT_FIELD(m_Doping.m_nNNewDopingIndex);
    EXPECT_FIELD(m_Doping.m_nPNewDopingIndex);
    EXPECT_FIELD(m_Doping.m_strNewDoping);
    EXPECT_FIELD(m_nSolveWave);
    EXPECT_FIELD(m_nEmbedded);
    EXPECT_FIELD(m_strMaterialComment);
    EXPECT_FIELD(m_strComment);
    const CGratingComposRec& ge = e.m_Grating;
    const CGratingComposRec& ga = a.m_Grating;
    EXPECT_EQ(ge.m_nPresent, ga.m_nPresent) << where << "grating";
    EXPECT_EQ(ge.m_strHiMacro, ga.m_strHiMacro) << where << "grating";
    EXPECT_EQ(ge.m_strHiActiveMacro, ga.m_strHiActiveMacro) << where << "grating";
    EXPECT_EQ(ge.m_strLoMacro, ga.m_strLoMacro) << where << "grating";
    EXPECT_EQ(ge.m_strLoActiveMacro, ga.m_strLoActiveMacro) << where << "grating";
    EXPECT_EQ(ge.m_dHigh, ga.m_dHigh) << where << "grating";
    EXPECT_EQ(ge.m_dFall, ga.m_dFall) << where << "grating";
    EXPECT_EQ(ge.m_dLow, ga.m_dLow) << where << "grating";
    EXPECT_EQ(ge.m_dRise, ga.m_dRise) << where << "grating";
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(ge.m_dHiVar[i], ga.m_dHiVar[i]) << where << "grating";
        EXPECT_EQ(ge.m_dHiAVar[i], ga.m_dHiAVar[i]) << where << "grating";
        EXPECT_EQ(ge.m_dLoVar[i], ga.m_dLoVar[i]) << where << "grating";
        EXPECT_EQ(ge.m_dLoAVar[i], ga.m_dLoAVar[i]) << where << "grating";
    }
    EXPECT_EQ(ge.m_nGratingOrder, ga.m_nGratingOrder) << where << "grating";
    EXPECT_EQ(ge.m_nColumn, ga.m_nColumn) << where << "grating";
    ExpectSameLabels(e.m_Labels, a.m_Labels, where);
}

void ExpectSameColumn(const CColumnRec& e, const CColumnRec& a, const std::string& where)
{
    EXPECT_FIELD(m_nColumnIndex);
    EXPECT_EQ(e.GetLayerSlots(), a.GetLayerSlots()) << where;
    ASSERT_EQ(e.GetLayersInUse(), a.GetLayersInUse()) << where;
    EXPECT_FIELD(m_Size.m_fLowerWidth);
    ExpectSameMesh(e.m_Mesh, a.m_Mesh, where);
    ASSERT_EQ(e.m_Contacts.GetBottomCount(), a.m_Contacts.GetBottomCount()) << where;
    for (int i = 0; i < e.m_Contacts.GetBottomCount(); ++i)
        ExpectSameRange(e.m_Contacts.Bottom(i), a.m_Contacts.Bottom(i), where + "bottom ");
    ASSERT_EQ(e.m_Contacts.GetTopCount(), a.m_Contacts.GetTopCount()) << where;
    for (int i = 0; i < e.m_Contacts.GetTopCount(); ++i)
        ExpectSameRange(e.m_Contacts.Top(i), a.m_Contacts.Top(i), where + "top ");
    ExpectSameLabels(e.m_Labels, a.m_Labels, where);
    for (int row = 0; row < e.GetLayersInUse(); ++row)
        ExpectSameLayer(e.GetLayer(row), a.GetLayer(row), where + "row " + std::to_string(row) + ": ");
}

}  // namespace

void ExpectSameZSegment(const CZSegment& e, const CZSegment& a)
{
    const std::string where = "z-segment: ";
    ASSERT_EQ(e.GetColumnCount(), a.GetColumnCount());
    EXPECT_FIELD(m_nColumnSlots);
    EXPECT_FIELD(m_nTotalXMesh);
    EXPECT_FIELD(m_nTotalYMesh);
    for (int i = 0; i < 2; ++i) EXPECT_FIELD(m_strHeaderComment[i]);
    for (int i = 0; i < 5; ++i) EXPECT_FIELD(m_strComments[i]);
    EXPECT_EQ(e.GetAngle(), a.GetAngle());
    ASSERT_EQ(e.m_SideContacts.size(), a.m_SideContacts.size());
    for (std::size_t g = 0; g < e.m_SideContacts.size(); ++g) {
        const CContactList& ge = e.m_SideContacts[g];
        const CContactList& ga = a.m_SideContacts[g];
        EXPECT_EQ(ge.m_nRow, ga.m_nRow);
        ASSERT_EQ(ge.GetCount(), ga.GetCount());
        for (int i = 0; i < ge.GetCount(); ++i) {
            const CContactRec& e = ge.m_Contacts[i];
            const CContactRec& a = ga.m_Contacts[i];
            const std::string where = "side contact: ";
            EXPECT_FIELD(m_strType);
            EXPECT_FIELD(m_nSide);
            EXPECT_FIELD(m_fFrom);
            EXPECT_FIELD(m_fTo);
            EXPECT_FIELD(m_nLink);
            EXPECT_FIELD(m_nContactNum);
            EXPECT_FIELD(m_dWorkFunction);
            EXPECT_FIELD(m_dBarrier);
        }
    }
    for (int c = 0; c < e.GetColumnCount(); ++c)
        ExpectSameColumn(e.GetColumn(c), a.GetColumn(c), "column " + std::to_string(c) + ": ");
}
