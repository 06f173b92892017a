// The grating page: what it shows of the seeded record, the parameter choices over the five slots
// of each macro, the order, the check on OK, and the index profile its window draws.

#include "SheetFixture.h"
#include "sheets/DataExchange.h"
#include "support/FakeDialogControls.h"

#include <gtest/gtest.h>

#include <ostream>

using Texts = std::vector<std::string>;
using Grating = CLayerGratingCompos;

namespace {

class GratingPage : public SheetFixture {
protected:
    GratingPage()
    {
        CGratingComposRec& record = g_EditLayer.m_Grating.Edit();
        record.m_nPresent = 1;
        record.m_strHiMacro = "gaas";
        record.m_strHiActiveMacro = "qw";
        record.m_strLoMacro = "algaas";
        record.m_strLoActiveMacro = "qw2";
        record.m_dHiVar[0] = 0.3;
        record.m_nColumn = 0;
    }
    Grating& Open()
    {
        OpenSheet(3, {CGeneral::SIZE_PAGE, CGeneral::GRATING_PAGE});
        return sheet->m_GratingPage;
    }
};

const double* Slots(const CGratingComposRec& record, Grating::Macro macro)
{
    const double* slots[] = {record.m_dHiVar, record.m_dHiAVar, record.m_dLoVar, record.m_dLoAVar};
    return slots[macro];
}

struct ProfileCase {
    const char* name;
    double distances[4];
    std::vector<Grating::Point> points;
};

void PrintTo(const ProfileCase& c, std::ostream* os) { *os << c.name; }

class AProfile : public ::testing::TestWithParam<ProfileCase> {};

}  // namespace

TEST_F(GratingPage, OpensWithTheRecordsValuesAndTheColumnCountedFromOne)
{
    g_EditLayer.m_Grating.Edit().m_dHigh = 0.2;
    g_EditLayer.m_Grating.Edit().m_dRise = 0.05;
    g_EditLayer.m_Grating.Edit().m_nGratingOrder = 2;
    Grating& page = Open();
    EXPECT_EQ(page.m_strName[Grating::HI_VAR], "gaas");
    EXPECT_EQ(page.m_strName[Grating::LO_AVAR], "qw2");
    EXPECT_DOUBLE_EQ(page.m_dValue[Grating::HI_VAR], 0.3);
    EXPECT_EQ(page.m_dValue[Grating::LO_VAR], kUnsetValue);
    EXPECT_EQ(page.m_nColumn, 1);
    EXPECT_EQ(page.m_nOrderSelection, 1);
    EXPECT_DOUBLE_EQ(page.m_dDistance[0], 0.2);
    EXPECT_DOUBLE_EQ(page.m_dDistance[3], 0.05);

    FakeDialogControls controls;
    CDataExchange show(controls, false);
    page.DoDataExchange(show);
    EXPECT_EQ(controls.texts[Grating::IDC_COLUMN], "1");
    EXPECT_EQ(controls.texts[Grating::IDC_HIGH], "0.2");
    EXPECT_EQ(controls.texts[Grating::IDC_HI_MACRO], "gaas");
    EXPECT_EQ(controls.texts[Grating::IDC_LO_VAR], "-9999");
}

TEST_F(GratingPage, AnOrderOtherThanOneOrTwoIsReportedShownAsOneAndKeptUntilChosen)
{
    g_EditLayer.m_Grating.Edit().m_nGratingOrder = 3;
    prompts.AnswerNext(IDOK);
    Grating& page = Open();
    EXPECT_EQ(prompts.Texts(), Texts{"Grating_order is not correct!"});
    EXPECT_EQ(page.m_nOrderSelection, 0);
    EXPECT_EQ(page.GetValues().m_nGratingOrder, 3);
    page.OnSelChangeOrder(1);
    EXPECT_EQ(page.GetValues().m_nGratingOrder, 2);
}

TEST_F(GratingPage, EachParameterChoiceKeepsItsFiveSlotsApart)
{
    for (Grating::Macro macro : {Grating::HI_VAR, Grating::HI_AVAR, Grating::LO_VAR, Grating::LO_AVAR}) {
        Grating& page = Open();
        page.m_dValue[macro] = 1.5;   // typed into slot 1
        page.OnSelChangeParam(macro, 2, true);
        EXPECT_EQ(page.m_dValue[macro], kUnsetValue) << macro;
        page.m_dValue[macro] = 2.5;   // typed into slot 3
        page.OnSelChangeParam(macro, 4, false);  // the boxes could not be read: slot 3 keeps its value
        EXPECT_EQ(page.m_nSlot[macro], 4);
        page.m_dValue[macro] = 4.5;   // typed into slot 5
        EXPECT_TRUE(page.CheckComplete());
        const CGratingComposRec kept = page.GetValues();
        const double* slots = Slots(kept, macro);
        EXPECT_DOUBLE_EQ(slots[0], 1.5) << macro;
        EXPECT_EQ(slots[2], kUnsetValue) << macro;
        EXPECT_DOUBLE_EQ(slots[4], 4.5) << macro;
        EXPECT_EQ(Grating::ParamEntries(macro).size(), 5u);
    }
    EXPECT_EQ(Grating::ParamEntries(Grating::LO_AVAR).back(), "lo_avar5");
    EXPECT_EQ(Grating::ParamEntries(Grating::HI_VAR).front(), "hi_var1");
}

TEST_F(GratingPage, WithoutInputGratingComposOnlyTheCheckBoxIsEnabledAndOkTakesTheRecordAsItIs)
{
    g_EditLayer.m_Grating.Edit().m_nPresent = 0;
    Grating& page = Open();
    for (int id : Grating::InputControls())
        EXPECT_FALSE(page.IsControlEnabled(id)) << id;
    EXPECT_TRUE(page.IsControlEnabled(Grating::IDC_INPUT));
    EXPECT_FALSE(page.IsControlEnabled(Grating::IDC_COLUMN));
    page.m_strName[Grating::HI_VAR] = "";
    page.m_dDistance[0] = 7.0;
    EXPECT_TRUE(page.CheckComplete());
    EXPECT_EQ(page.GetValues().m_strHiMacro, "gaas");
    EXPECT_DOUBLE_EQ(page.GetValues().m_dHigh, 0.1);

    page.OnInputChanged(true);
    for (int id : Grating::InputControls())
        EXPECT_TRUE(page.IsControlEnabled(id)) << id;
    EXPECT_FALSE(page.IsControlEnabled(Grating::IDC_COLUMN));
}

TEST_F(GratingPage, OkTakesTheDistancesNamesSlotsAndOrderButNeverTheColumn)
{
    Grating& page = Open();
    FakeDialogControls controls;
    CDataExchange show(controls, false);
    page.DoDataExchange(show);
    controls.texts[Grating::IDC_HIGH] = "0.25";
    controls.texts[Grating::IDC_FALL] = "0.05";
    controls.texts[Grating::IDC_LOW] = "0.15";
    controls.texts[Grating::IDC_RISE] = "0.02";
    controls.texts[Grating::IDC_LO_MACRO] = " inp ";
    controls.texts[Grating::IDC_COLUMN] = "9";
    for (int slot : {2, 3, 4}) {
        CDataExchange read(controls, true);
        page.DoDataExchange(read);
        ASSERT_FALSE(read.Failed());
        page.OnSelChangeParam(Grating::LO_VAR, slot, true);
        controls.texts[Grating::IDC_LO_VAR] = std::to_string(slot + 1) + ".5";
    }
    CDataExchange read(controls, true);
    page.DoDataExchange(read);
    page.OnSelChangeOrder(1);
    EXPECT_TRUE(sheet->OnOkPressed());
    const CGratingComposRec& kept = g_EditLayer.m_Grating;
    EXPECT_DOUBLE_EQ(kept.m_dHigh, 0.25);
    EXPECT_DOUBLE_EQ(kept.m_dFall, 0.05);
    EXPECT_DOUBLE_EQ(kept.m_dLow, 0.15);
    EXPECT_DOUBLE_EQ(kept.m_dRise, 0.02);
    EXPECT_EQ(kept.m_strLoMacro, "inp");
    EXPECT_EQ(kept.m_dLoVar[0], kUnsetValue);
    EXPECT_DOUBLE_EQ(kept.m_dLoVar[2], 3.5);
    EXPECT_DOUBLE_EQ(kept.m_dLoVar[3], 4.5);
    EXPECT_DOUBLE_EQ(kept.m_dLoVar[4], 5.5);
    EXPECT_EQ(kept.m_nGratingOrder, 2);
    EXPECT_EQ(kept.m_nColumn, 0);
    EXPECT_DOUBLE_EQ(kept.m_dHiVar[0], 0.3);
}

TEST_F(GratingPage, ADistanceThatIsNoNumberStopsTheOk)
{
    Grating& page = Open();
    FakeDialogControls controls;
    CDataExchange show(controls, false);
    page.DoDataExchange(show);
    controls.texts[Grating::IDC_FALL] = "x";
    prompts.AnswerNext(IDOK);
    CDataExchange read(controls, true);
    page.DoDataExchange(read);
    EXPECT_TRUE(read.Failed());
    EXPECT_EQ(prompts.Texts(), Texts{"Please enter a number."});
    EXPECT_EQ(controls.focused, std::vector<int>{Grating::IDC_FALL});
}

TEST_P(AProfile, PutsEachPartWhereItsDistanceSays)
{
    EXPECT_EQ(Grating::GetProfile(GetParam().distances, 200, 100), GetParam().points);
}

// A 200 x 100 picture: the profile runs from x 20 to 180 between the high level at y 10 and the
// low level at y 90.
INSTANTIATE_TEST_SUITE_P(
    Distances, AProfile,
    ::testing::Values(
        ProfileCase{"FourEqualParts", {1, 1, 1, 1}, {{20, 10}, {60, 10}, {100, 90}, {140, 90}, {180, 10}}},
        ProfileCase{"SquareSteps", {0.1, 0, 0.3, 0}, {{20, 10}, {60, 10}, {60, 90}, {180, 90}, {180, 10}}},
        ProfileCase{"NegativeDistancesCountAsNone", {-1, 0.2, 0.2, 0}, {{20, 10}, {20, 10}, {100, 90}, {180, 90}, {180, 10}}},
        ProfileCase{"NoDistanceGivesTheSchematic", {0, 0, 0, 0}, {{20, 10}, {50, 90}, {150, 90}, {180, 10}}}));
