// The doping page and the two mesh pages without their windows: their starting values in each
// edit mode, the doping type radios, what reaches the edit images at once (type text, values of a
// box the focus leaves, extra-mesh flags) and a value that does not read.

#include "model/ProcessState.h"
#include "sheets/CMesh.h"
#include "sheets/DataExchange.h"
#include "sheets/LayerDop.h"
#include "sheets/Mesh.h"
#include "support/FakeDialogControls.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

class Pages : public ::testing::Test {
protected:
    Pages() { ResetProcessState(); }
    ~Pages() override { ResetProcessState(); }

    template <typename Page>
    void Show(Page& page)
    {
        CDataExchange dx(controls, false);
        page.DoDataExchange(dx);
    }

    FakeDialogControls controls;
    ScriptedPrompts prompts;
};

struct DopingStart {
    int mode;
    const char* kind;
    int type;
    float concentration, tail;
    int nIndex;
    const char* layerKindAfter;
};

void PrintTo(const DopingStart& c, std::ostream* os) { *os << "mode " << c.mode << " '" << c.kind << "'"; }

class DopingPageStart : public Pages, public ::testing::WithParamInterface<DopingStart> {};

// The layer holds concentration 1e23, tail 0.05, n index 2 and a new-doping text.
const DopingStart kDopingStarts[] = {
    {1, "n", CLayerDop::NONE, 0.0f, 0.001f, 0, "none"},
    {2, "p", CLayerDop::NONE, 0.0f, 0.001f, 0, "none"},
    {3, "n", CLayerDop::N, 1e23f, 0.05f, 2, "n"},
    {3, "p", CLayerDop::P, 1e23f, 0.05f, 2, "p"},
    {3, "none", CLayerDop::NONE, 0.0f, 0.001f, 0, "none"},
    {3, "", CLayerDop::P, 1e23f, 0.05f, 2, ""},
    {3, "x", CLayerDop::P, 1e23f, 0.05f, 2, "x"},
};

}  // namespace

TEST_P(DopingPageStart, FollowsTheEditModeAndTheLayersTypeText)
{
    const DopingStart& c = GetParam();
    CLayerDoping& doping = g_EditLayer.m_Doping;
    doping = {c.kind, 1e23f, 0.05f, 2, 0, "new_doping n=1"};
    g_nLayerEditMode = c.mode;
    CLayerDop page;
    EXPECT_EQ(page.m_nDopingType, c.type);
    EXPECT_FLOAT_EQ(page.m_fConcentration, c.concentration);
    EXPECT_FLOAT_EQ(page.m_fGaussTail, c.tail);
    EXPECT_EQ(page.m_nNNewDopingIndex, c.nIndex);
    EXPECT_EQ(page.m_strNewDoping, c.mode == 3 ? "new_doping n=1" : "");
    EXPECT_EQ(doping.m_strKind, c.layerKindAfter);
    if (c.mode != 3) {
        EXPECT_EQ(doping.m_fValue, 0.0f);
        EXPECT_EQ(doping.m_fGaussianTail, 0.001f);
        EXPECT_EQ(doping.m_nNNewDopingIndex, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, DopingPageStart, ::testing::ValuesIn(kDopingStarts));

TEST_F(Pages, DopingTypeRadiosSetTheTypeTextAtOnceAndTheBoxesThatCanBeEdited)
{
    g_nLayerEditMode = 3;
    g_EditLayer.m_Doping = {"none", 0.0f, 0.001f, 0, 0, ""};
    CLayerDop page;
    Show(page);
    EXPECT_EQ(controls.texts[CLayerDop::IDC_NONE], "1");
    EXPECT_TRUE(page.IsReadOnly(CLayerDop::IDC_CONCENTRATION));
    EXPECT_EQ(page.GetFocusControl(), 0);

    controls.texts[CLayerDop::IDC_CONCENTRATION] = "2e24";
    controls.texts[CLayerDop::IDC_P_INDEX] = "3";
    page.OnType(CLayerDop::P, controls);
    EXPECT_EQ(g_EditLayer.m_Doping.m_strKind, "p");
    EXPECT_FLOAT_EQ(page.m_fConcentration, 2e24f);
    EXPECT_EQ(page.m_nPNewDopingIndex, 3);
    EXPECT_EQ(g_EditLayer.m_Doping.m_fValue, 0.0f) << "numbers wait for OK";
    EXPECT_EQ(controls.texts[CLayerDop::IDC_P], "1");
    EXPECT_FALSE(page.IsReadOnly(CLayerDop::IDC_CONCENTRATION));
    EXPECT_FALSE(page.IsReadOnly(CLayerDop::IDC_P_INDEX));
    EXPECT_TRUE(page.IsReadOnly(CLayerDop::IDC_N_INDEX));
    EXPECT_EQ(page.GetFocusControl(), CLayerDop::IDC_CONCENTRATION);

    page.OnType(CLayerDop::NONE, controls);
    EXPECT_EQ(g_EditLayer.m_Doping.m_strKind, "none");
    EXPECT_EQ(page.m_fConcentration, 0.0f);
    EXPECT_EQ(page.m_nPNewDopingIndex, 0);
    EXPECT_EQ(controls.texts[CLayerDop::IDC_CONCENTRATION], "0");
    EXPECT_EQ(controls.texts[CLayerDop::IDC_GAUSS_TAIL], "0.001");

    page.OnType(CLayerDop::N, controls);
    EXPECT_EQ(page.m_nDopingType, CLayerDop::N);
    EXPECT_FLOAT_EQ(page.m_fGaussTail, 0.001f);
    EXPECT_FALSE(page.IsReadOnly(CLayerDop::IDC_N_INDEX));
}

TEST_F(Pages, ADopingValueThatDoesNotReadKeepsTheTypeAndTheNumbers)
{
    g_nLayerEditMode = 3;
    g_EditLayer.m_Doping = {"none", 0.0f, 0.001f, 0, 0, ""};
    CLayerDop page;
    Show(page);
    for (const char* bad : {"lots", "-1", "2e38x"}) {
        SCOPED_TRACE(bad);
        controls.texts[CLayerDop::IDC_CONCENTRATION] = bad;
        prompts.AnswerNext(IDOK);
        page.OnType(CLayerDop::N, controls);
        EXPECT_EQ(g_EditLayer.m_Doping.m_strKind, "none");
        EXPECT_EQ(page.m_nDopingType, CLayerDop::NONE);
        EXPECT_EQ(page.m_fConcentration, 0.0f);
    }
    EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{"Please enter a number.",
                                                         "Please enter a number between 0 and 1e+038.",
                                                         "Please enter a number."}));
}

// ---- mesh pages ----

struct MeshStart {
    int mode;
    // Layer page: the flags of the layer and the combo texts; column page: the combo texts.
    int layerExtraLower;
    const char* layerLowerText;
    const char* columnLeftText;
};

void PrintTo(const MeshStart& c, std::ostream* os) { *os << "mode " << c.mode; }

class MeshPagesStart : public Pages, public ::testing::WithParamInterface<MeshStart> {};

// Layer and column both carry extra mesh on their first edge; the z-segment totals are 40 and 30.
const MeshStart kMeshStarts[] = {
    {1, 0, "no", "no"},
    {2, 0, "no", "no"},
    {3, 1, "yes", "yes"},
};

TEST_P(MeshPagesStart, TakeTheImagesValuesAndTheZSegmentsTotals)
{
    const MeshStart& c = GetParam();
    g_nLayerEditMode = c.mode;
    g_EditLayer.m_Mesh = {7, 1.2f, 1, 0, 0.25};
    g_EditColumn.m_Mesh = {5, 0.8f, 1, 0, -0.5};
    g_EditZSegment.m_nTotalXMesh = 40;
    g_EditZSegment.m_nTotalYMesh = 30;
    CMesh layerPage;
    CCMesh columnPage;
    EXPECT_EQ(layerPage.m_nMeshNum, 7);
    EXPECT_FLOAT_EQ(layerPage.m_fRatio, 1.2f);
    EXPECT_EQ(layerPage.m_dShiftCenter, 0.25);
    EXPECT_EQ(layerPage.m_nExtraLower, c.layerExtraLower);
    EXPECT_EQ(g_EditLayer.m_Mesh.m_nExtraLow, c.layerExtraLower);
    EXPECT_EQ(layerPage.m_strExtraLower, c.layerLowerText);
    EXPECT_EQ(layerPage.m_strExtraUpper, "no");
    EXPECT_EQ(columnPage.m_nMeshNum, 5);
    EXPECT_FLOAT_EQ(columnPage.m_fRatio, 0.8f);
    EXPECT_EQ(columnPage.m_dShiftCenter, -0.5);
    EXPECT_EQ(columnPage.m_nExtraLeft, 1);
    EXPECT_EQ(columnPage.m_strExtraLeft, c.columnLeftText);
    EXPECT_EQ(columnPage.m_nTotalXMesh, 40);
    EXPECT_EQ(columnPage.m_nTotalYMesh, 30);
}

INSTANTIATE_TEST_SUITE_P(Cases, MeshPagesStart, ::testing::ValuesIn(kMeshStarts));

TEST_F(Pages, AMeshBoxTheFocusLeavesPutsItsValueIntoTheImageAtOnce)
{
    g_nLayerEditMode = 3;
    g_EditColumn.m_Mesh = {5, 0.8f, 0, 0, 0.0};
    g_EditZSegment.m_nTotalXMesh = 40;
    CCMesh column;
    Show(column);
    controls.texts[CCMesh::IDC_MESH_RATIO] = "1.5";
    controls.texts[CCMesh::IDC_TOTAL_X_MESH] = "12";
    column.OnKillFocus(CCMesh::IDC_MESH_RATIO, controls);
    EXPECT_FLOAT_EQ(g_EditColumn.m_Mesh.m_fRatio, 1.5f);
    EXPECT_EQ(column.m_nTotalXMesh, 12);
    EXPECT_EQ(g_EditZSegment.m_nTotalXMesh, 40) << "the totals wait for OK";
    controls.texts[CCMesh::IDC_MESH_NUMBER] = "9";
    controls.texts[CCMesh::IDC_SHIFT_CENTER] = "0.75";
    column.OnKillFocus(CCMesh::IDC_TOTAL_X_MESH, controls);
    EXPECT_EQ(g_EditColumn.m_Mesh.m_nMeshNum, 5) << "only the box left goes";
    column.OnKillFocus(CCMesh::IDC_MESH_NUMBER, controls);
    column.OnKillFocus(CCMesh::IDC_SHIFT_CENTER, controls);
    EXPECT_EQ(g_EditColumn.m_Mesh.m_nMeshNum, 9);
    EXPECT_EQ(g_EditColumn.m_Mesh.m_dShiftCenter, 0.75);

    g_EditLayer.m_Mesh = {7, 1.2f, 0, 0, 0.0};
    CMesh layer;
    FakeDialogControls layerControls;
    CDataExchange show(layerControls, false);
    layer.DoDataExchange(show);
    layerControls.texts[CMesh::IDC_MESH_NUMBER] = "11";
    layer.OnKillFocus(CMesh::IDC_MESH_NUMBER, layerControls);
    EXPECT_EQ(g_EditLayer.m_Mesh.m_nMeshNum, 11);
    layer.OnCloseUp(CMesh::IDC_EXTRA_UPPER, "yes");
    EXPECT_EQ(g_EditLayer.m_Mesh.m_nExtraHigh, 1);
    EXPECT_EQ(layer.m_strExtraUpper, "yes");
}

TEST_F(Pages, AMeshValueThatDoesNotReadChangesNothing)
{
    g_nLayerEditMode = 3;
    g_EditLayer.m_Mesh = {7, 1.2f, 0, 0, 0.0};
    CMesh layer;
    Show(layer);
    controls.texts[CMesh::IDC_MESH_RATIO] = "1.4";
    controls.texts[CMesh::IDC_MESH_NUMBER] = "7.5";
    prompts.AnswerNext(IDOK);
    layer.OnKillFocus(CMesh::IDC_MESH_RATIO, controls);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Please enter an integer."});
    EXPECT_FLOAT_EQ(g_EditLayer.m_Mesh.m_fRatio, 1.2f);
    EXPECT_FLOAT_EQ(layer.m_fRatio, 1.2f);
    EXPECT_EQ(g_EditLayer.m_Mesh.m_nMeshNum, 7);
}
