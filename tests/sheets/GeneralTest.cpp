// The layer property sheet's opening and OK processing: what reaches the edit images, the three
// questions, and when the sheet counts as accepted.

#include "SheetFixture.h"

#include <gtest/gtest.h>

#include <ostream>

using Calls = std::vector<std::string>;

TEST_F(SheetFixture, ConstructionClearsTheContactUpdateMark)
{
    int mark = 1;
    request.contactUpdateMode = &mark;
    doc().m_nContactUpdateMode = 0;
    OpenSheet(3);
    EXPECT_EQ(mark, -1);
    EXPECT_EQ(doc().m_nContactUpdateMode, -1);
    EXPECT_EQ(sheet->m_bAccepted, 0);
    EXPECT_EQ(sheet->m_strCaption, "Modify Layer");
    EXPECT_EQ(sheet->m_strBanner, "Veltrane");
}

TEST_F(SheetFixture, OkWithTheSizePageCollectsItAndAcceptsWithPromptTwo)
{
    OpenSheet(2);
    sheet->m_SizePage.m_fHeight = 0.75f;
    sheet->m_SizePage.m_fWidth = 4.0f;
    EXPECT_TRUE(sheet->OnOkPressed());
    EXPECT_EQ(sheet->m_bAccepted, 1);
    EXPECT_EQ(window.calls, (Calls{"commit", "end ok"}));
    EXPECT_EQ(views.prompts, std::vector<int>{2});
    EXPECT_FLOAT_EQ(g_EditLayer.m_fHeight, 0.75f);
    EXPECT_FLOAT_EQ(g_EditLayer.m_fUpperWidth, 4.0f);
    EXPECT_FLOAT_EQ(g_EditLayer.m_fLowerWidth, 4.0f);
}

TEST_F(SheetFixture, PagesNeverShownLeaveTheEditImagesAsTheDocumentFilledThem)
{
    g_EditLayer.m_Mesh.m_fRatio = 1.5f;
    g_EditColumn.m_Mesh.m_fRatio = 1.25f;
    OpenSheet(1, {});
    // The column mesh page would start a new column at 3 and 2: it was never opened.
    sheet->m_ColumnMeshPage.m_nTotalXMesh = 3;
    sheet->m_ColumnMeshPage.m_nTotalYMesh = 2;
    sheet->m_SizePage.m_fHeight = 9.0f;
    EXPECT_TRUE(sheet->OnOkPressed());
    EXPECT_EQ(g_EditZSegment.m_nTotalXMesh, 40);
    EXPECT_EQ(g_EditZSegment.m_nTotalYMesh, 30);
    EXPECT_EQ(g_EditLayer.m_Mesh.m_nMeshNum, 4);
    EXPECT_FLOAT_EQ(g_EditLayer.m_Mesh.m_fRatio, 1.5f);
    EXPECT_FLOAT_EQ(g_EditColumn.m_Mesh.m_fRatio, 1.25f);
    EXPECT_FLOAT_EQ(g_EditLayer.m_fHeight, 1.0f);
    EXPECT_TRUE(handedBack.empty());
}

TEST_F(SheetFixture, TheColumnMeshPageStartsFromTheZSegmentsTotalsAndHandsItsOwnBack)
{
    OpenSheet(1, {CGeneral::COLUMN_MESH_PAGE, CGeneral::LAYER_MESH_PAGE});
    EXPECT_EQ(sheet->m_ColumnMeshPage.m_nTotalXMesh, 40);
    EXPECT_EQ(sheet->m_ColumnMeshPage.m_nTotalYMesh, 30);
    sheet->m_ColumnMeshPage.m_nTotalXMesh = 12;
    sheet->m_ColumnMeshPage.m_nMeshNum = 6;
    sheet->m_ColumnMeshPage.m_fRatio = 1.1f;
    sheet->m_LayerMeshPage.m_nMeshNum = 9;
    sheet->m_LayerMeshPage.m_fRatio = 0.9f;
    EXPECT_TRUE(sheet->OnOkPressed());
    EXPECT_EQ(g_EditZSegment.m_nTotalXMesh, 12);
    EXPECT_EQ(g_EditZSegment.m_nTotalYMesh, 30);
    EXPECT_EQ(g_EditColumn.m_Mesh.m_nMeshNum, 6);
    EXPECT_FLOAT_EQ(g_EditColumn.m_Mesh.m_fRatio, 1.1f);
    EXPECT_EQ(g_EditLayer.m_Mesh.m_nMeshNum, 9);
    EXPECT_FLOAT_EQ(g_EditLayer.m_Mesh.m_fRatio, 0.9f);
}

TEST_F(SheetFixture, AValueThePageRefusesKeepsTheSheetOpenAndUnaccepted)
{
    MarkVcsel(0, 0, 1, Type("V1"));
    MarkVcsel(1, 0, 0, Type("V1"));
    g_EditLayer = LayerAt(0, 0, 1);
    OpenSheet(3, {CGeneral::SIZE_PAGE, CGeneral::VCSEL_PAGE});
    sheet->m_VcselPage.m_nVcselFlag = 0;
    window.commitAccepts = false;
    EXPECT_FALSE(sheet->OnOkPressed());
    EXPECT_EQ(sheet->m_bAccepted, 0);
    EXPECT_EQ(window.calls, Calls{"commit"});
    EXPECT_TRUE(views.prompts.empty());
    EXPECT_EQ(LayerAt(1, 0, 0).m_nVcselFlag, 1);  // nothing spread to the other layers of the type

    window.commitAccepts = true;
    EXPECT_TRUE(sheet->OnOkPressed());
    EXPECT_EQ(LayerAt(1, 0, 0).m_nVcselFlag, 0);
}

TEST_F(SheetFixture, ADopedLayerWithoutConcentrationOrTailAsksForThem)
{
    g_EditLayer.m_Doping.m_strKind = "n";
    g_EditLayer.m_Doping.m_fValue = 1e23f;
    OpenSheet(3, {CGeneral::SIZE_PAGE, CGeneral::DOPING_PAGE});
    sheet->m_DopingPage.m_fConcentration = 0.0f;
    sheet->m_DopingPage.m_fGaussTail = 0.0f;

    prompts.AnswerNext(IDYES);
    EXPECT_FALSE(sheet->OnOkPressed());
    EXPECT_EQ(window.calls, (Calls{"commit", "activate 2 1025"}));
    ASSERT_EQ(prompts.Shown_().size(), 1u);
    EXPECT_EQ(prompts.Shown_()[0].text, "You have not input the doping information.\nPlease input it.Input?");
    EXPECT_EQ(prompts.Shown_()[0].caption, "WARNNING");
    EXPECT_EQ(prompts.Shown_()[0].type, unsigned(MB_YESNO | MB_ICONSTOP));
    EXPECT_EQ(sheet->m_bAccepted, 0);
    EXPECT_FLOAT_EQ(g_EditLayer.m_Doping.m_fValue, 0.0f);  // what was collected stays collected

    prompts.AnswerNext(IDNO);
    EXPECT_TRUE(sheet->OnOkPressed());
    EXPECT_EQ(sheet->m_bAccepted, 1);
}

TEST_F(SheetFixture, AnUndopedOrSlightlyDopedLayerIsNotAskedAbout)
{
    for (float tail : {0.0f, 2e-6f}) {
        g_EditLayer.m_Doping.m_strKind = tail == 0.0f ? "none" : "p";
        g_EditLayer.m_Doping.m_fValue = 0.0f;
        g_EditLayer.m_Doping.m_fGaussianTail = tail;
        OpenSheet(3);
        EXPECT_TRUE(sheet->OnOkPressed()) << tail;
    }
}

TEST_F(SheetFixture, AnUnsetMeshWithTotalsBelowTwoAsksOncePerTotal)
{
    g_EditLayer.m_Mesh.m_nMeshNum = 0;
    g_EditZSegment.m_nTotalXMesh = 1;
    g_EditZSegment.m_nTotalYMesh = 0;
    OpenSheet(3);
    prompts.AnswerNext(IDNO);
    prompts.AnswerNext(IDYES);
    EXPECT_FALSE(sheet->OnOkPressed());
    EXPECT_EQ(window.calls, (Calls{"commit", "activate 4 1169"}));
    ASSERT_EQ(prompts.Shown_().size(), 2u);
    EXPECT_EQ(prompts.Shown_()[0].text, "Your mesh_number default value is zero,so You\nMust input Total_Mesh_x and "
                                        "Total_Mesh_y value\nor you input a non_zero mesh number!");
    EXPECT_EQ(prompts.Shown_()[0].type, unsigned(MB_YESNO | MB_ICONQUESTION));

    window.calls.clear();
    prompts.AnswerNext(IDYES);
    EXPECT_FALSE(sheet->OnOkPressed());
    EXPECT_EQ(window.calls, (Calls{"commit", "activate 4 1168"}));

    prompts.AnswerNext(IDNO);
    prompts.AnswerNext(IDNO);
    EXPECT_TRUE(sheet->OnOkPressed());
    EXPECT_EQ(g_EditZSegment.m_nTotalXMesh, 2);
    EXPECT_EQ(g_EditZSegment.m_nTotalYMesh, 2);
}

TEST_F(SheetFixture, AVcselLayerWithoutATypeNameIsAskedForOne)
{
    OpenSheet(3, {CGeneral::SIZE_PAGE, CGeneral::VCSEL_PAGE});
    sheet->m_VcselPage.m_nVcselFlag = 1;
    sheet->m_VcselPage.m_nCreateMode = CLayerVcsel::NEW_VCSEL;
    prompts.AnswerNext(IDYES);
    EXPECT_FALSE(sheet->OnOkPressed());
    EXPECT_EQ(window.calls, (Calls{"commit", "activate 7 1178"}));
    EXPECT_EQ(prompts.Texts(), Calls{"You have not input the vcsel type.\nPlease input it.Input?"});

    prompts.AnswerNext(IDNO);
    EXPECT_TRUE(sheet->OnOkPressed());
    EXPECT_EQ(sheet->m_VcselPage.m_nVcselFlag, 0);
    EXPECT_EQ(g_EditLayer.m_nVcselFlag, 0);
    EXPECT_TRUE(doc().m_VcselSections.empty());
}

TEST_F(SheetFixture, AContactLayerLeavesWithoutGradingOrGrating)
{
    g_EditLayer.m_Material.m_Bulk.m_strName = "contact_n";
    g_EditLayer.m_Material.m_Grading.Edit().m_nGradeVar = 2;
    g_EditLayer.m_Grating.Edit().m_nPresent = 1;
    g_EditLayer.m_Grating.Edit().m_strHiMacro = "gaas";
    g_EditLayer.m_Grating.Edit().m_strHiActiveMacro = "qw";
    g_EditLayer.m_Grating.Edit().m_strLoMacro = "algaas";
    g_EditLayer.m_Grating.Edit().m_strLoActiveMacro = "qw";
    OpenSheet(3, {CGeneral::SIZE_PAGE, CGeneral::GRATING_PAGE});
    EXPECT_TRUE(sheet->OnOkPressed());
    EXPECT_EQ(g_EditLayer.m_Material.m_Grading->m_nGradeVar, 0);
    EXPECT_EQ(g_EditLayer.m_Grating->m_nPresent, 0);
}

TEST_F(SheetFixture, EachEmptyGratingMacroNameIsWarnedAboutButOkGoesOn)
{
    g_EditLayer.m_Grating.Edit().m_nPresent = 1;
    g_EditLayer.m_Grating.Edit().m_strHiMacro = "  gaas ";
    g_EditLayer.m_Grating.Edit().m_strLoMacro = "   ";
    OpenSheet(3, {CGeneral::SIZE_PAGE, CGeneral::GRATING_PAGE});
    prompts.AnswerNext(IDOK);
    prompts.AnswerNext(IDOK);
    prompts.AnswerNext(IDOK);
    EXPECT_TRUE(sheet->OnOkPressed());
    EXPECT_EQ(prompts.Texts(), (Calls{"  You did not set hi_active_macro, \ngrating_compos will not be valid!",
                                      "  You did not set lo_macro_name, \ngrating_compos will not be valid!",
                                      "  You did not set lo_active_macro, \ngrating_compos will not be valid!"}));
    EXPECT_EQ(window.calls, (Calls{"read 6", "commit", "end ok"}));
    EXPECT_EQ(g_EditLayer.m_Grating->m_strHiMacro, "gaas");
}

TEST_F(SheetFixture, AGratingPageThatCannotBeReadStopsTheOk)
{
    g_EditLayer.m_Grating.Edit().m_nPresent = 1;
    OpenSheet(3, {CGeneral::SIZE_PAGE, CGeneral::GRATING_PAGE});
    window.readAccepts = false;
    prompts.AnswerNext(IDOK);
    EXPECT_FALSE(sheet->OnOkPressed());
    EXPECT_EQ(prompts.Texts(), Calls{"Grating compos property page is not right!"});
    EXPECT_EQ(window.calls, Calls{"read 6"});
}

TEST_F(SheetFixture, TheLabelPageHandsBackTheLayerAndColumnLabels)
{
    g_EditLayer.m_Labels = {CLabelRec{"top", 0, kUnsetValue}};
    OpenSheet(3, {CGeneral::SIZE_PAGE, CGeneral::LABEL_PAGE});
    EXPECT_EQ(sheet->m_LabelPage.m_LayerLabels, g_EditLayer.m_Labels);
    sheet->m_LabelPage.m_LayerLabels.push_back(CLabelRec{"mid", 1, kUnsetValue});
    sheet->m_LabelPage.m_ColumnLabels = {CLabelRec{"left", 0, kUnsetValue}};
    EXPECT_TRUE(sheet->OnOkPressed());
    EXPECT_EQ(g_EditLayer.m_Labels.size(), 2u);
    ASSERT_EQ(g_EditColumn.m_Labels.size(), 1u);
    EXPECT_EQ(g_EditColumn.m_Labels[0].m_strText, "left");
}

TEST_F(SheetFixture, TheContactPageGetsTheSideContactsAndHandsThemBackOnlyWhenShown)
{
    CContactList group;
    group.m_nRow = 1;
    group.m_Contacts.resize(2);
    Seg(0).m_SideContacts = {group};
    OpenSheet(3, {CGeneral::SIZE_PAGE, CGeneral::CONTACT_PAGE});
    ASSERT_EQ(sheet->m_ContactPage.m_sideContacts.size(), 1u);
    EXPECT_EQ(sheet->m_ContactPage.m_nSideLayer, 1);
    sheet->m_ContactPage.m_sideContacts[0].m_Contacts.pop_back();
    EXPECT_TRUE(sheet->OnOkPressed());
    EXPECT_TRUE(request.contactGroupsFilled);
    ASSERT_EQ(handedBack.size(), 1u);
    EXPECT_EQ(handedBack[0].m_Contacts.size(), 1u);
    EXPECT_EQ(sheet->m_sideContacts[0].m_Contacts.size(), 1u);

    Seg(0).m_nSelectionKind = 0;
    handedBack.clear();
    request.contactGroupsFilled = false;
    OpenSheet(3);
    EXPECT_EQ(sheet->m_ContactPage.m_nSideLayer, 0);
    EXPECT_TRUE(sheet->OnOkPressed());
    EXPECT_TRUE(handedBack.empty());
    EXPECT_FALSE(request.contactGroupsFilled);
}

TEST_F(SheetFixture, TheZSegmentFormAcceptsWithoutCollectingLayerPages)
{
    OpenSheet(1, {}, false);
    sheet->m_SizePage.MarkInitialised();
    sheet->m_SizePage.m_fHeight = 8.0f;
    EXPECT_TRUE(sheet->OnOkPressed());
    EXPECT_EQ(sheet->m_bAccepted, 1);
    EXPECT_EQ(window.calls, (Calls{"commit", "end ok"}));
    EXPECT_FLOAT_EQ(g_EditLayer.m_fHeight, 1.0f);
    EXPECT_EQ(g_EditZSegment.m_nTotalXMesh, 40);
    EXPECT_EQ(views.prompts, std::vector<int>{2});
}

TEST_F(SheetFixture, WithoutAZSegmentInUseThePromptIsTheFirstOne)
{
    g_nZSegCount = 0;
    OpenSheet(3);
    EXPECT_TRUE(sheet->OnOkPressed());
    EXPECT_EQ(views.prompts, std::vector<int>{0});
}

namespace {

struct PlacementCase {
    const char* name;
    const char* saved;
    int x, y;
};

void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.name; }

class SheetPlacement : public ::testing::TestWithParam<PlacementCase> {};

}  // namespace

// A 400 x 300 sheet at (50, 60) on a 1280 x 1024 screen.
TEST_P(SheetPlacement, FollowsTheSavedPlaceWithinTheScreen)
{
    int x = -1, y = -1;
    CGeneral::OpenPosition(GetParam().saved, 60, 400, 300, 1280, 1024, x, y);
    EXPECT_EQ(x, GetParam().x);
    EXPECT_EQ(y, GetParam().y);
}

INSTANTIATE_TEST_SUITE_P(Saved, SheetPlacement,
                         ::testing::Values(PlacementCase{"NothingSavedRightAligns", "", 880, 60},
                                           PlacementCase{"Unreadable", "left", 880, 60},
                                           PlacementCase{"Inside", "100, 200", 100, 200},
                                           PlacementCase{"PastTheRightEdge", "1000, 200", 880, 200},
                                           PlacementCase{"PastTheBottom", "100, 900", 100, 724},
                                           PlacementCase{"NegativeKept", "-20, -5", -20, -5}));

TEST_F(SheetFixture, ThePositionIsSavedAsLeftCommaTop)
{
    CGeneral::SavePosition(-3, 140);
    EXPECT_EQ(profile.GetProfileString("CGenearlDlg", "left-top"), "-3, 140");
    EXPECT_EQ(CGeneral::LoadSavedPosition(), "-3, 140");
}

TEST_F(SheetFixture, NewLayersStartUndopedWithoutExtraMeshAndWithAnEmptyVcselSection)
{
    g_EditLayer.m_Doping.m_strKind = "p";
    g_EditLayer.m_Doping.m_fValue = 5e23f;
    g_EditLayer.m_Mesh.m_nExtraLow = 1;
    g_EditLayer.m_nVcselFlag = 1;
    g_EditLayer.m_Vcsel = Type("V1");
    OpenSheet(2);
    EXPECT_EQ(g_EditLayer.m_Doping.m_strKind, "none");
    EXPECT_EQ(g_EditLayer.m_Doping.m_fValue, 0.0f);
    EXPECT_EQ(sheet->m_DopingPage.m_nDopingType, CLayerDop::NONE);
    EXPECT_EQ(g_EditLayer.m_Mesh.m_nExtraLow, 0);
    EXPECT_EQ(g_EditLayer.m_Vcsel->m_strVcselType, "");
    EXPECT_EQ(g_EditLayer.m_Vcsel->m_strGratingModel, "1layer");
    EXPECT_EQ(g_EditLayer.m_nVcselFlag, 1);
    EXPECT_EQ(sheet->m_strVcselTypeAtOpen, "");
}

TEST_F(SheetFixture, AModifiedLayerShowsItsOwnDoping)
{
    const struct {
        const char* kind;
        int type;
    } cases[] = {{"n", CLayerDop::N}, {"none", CLayerDop::NONE}, {"p", CLayerDop::P}, {"", CLayerDop::P}};
    for (const auto& c : cases) {
        g_EditLayer.m_Doping.m_strKind = c.kind;
        g_EditLayer.m_Doping.m_fValue = 2e24f;
        OpenSheet(3);
        EXPECT_EQ(sheet->m_DopingPage.m_nDopingType, c.type) << c.kind;
        EXPECT_EQ(sheet->m_DopingPage.m_fConcentration, c.type == CLayerDop::NONE ? 0.0f : 2e24f) << c.kind;
    }
}
