// The contact parameter dialog without its window: seeding from a contact layer's four values,
// what its controls allow for each type and radio, OK's checks and the values handed back.

#include "sheets/ContactParamDlg.h"

#include "support/FakeDialogControls.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <ostream>

namespace {

using Record = std::array<double, 4>;
const double kNone = -9999.0;

Record Handed(const CContactParamDlg& dialog, Record start = {7, 7, 7, 7})
{
    dialog.GetToRecord(start.data());
    return start;
}

struct SeedCase {
    const char* name;
    Record record;
    int number;
    const char* type;
    double barrier, workFunction;
};

void PrintTo(const SeedCase& c, std::ostream* os) { *os << c.name; }

class SeedingTheDialog : public ::testing::TestWithParam<SeedCase> {};

const double kNaN = std::numeric_limits<double>::quiet_NaN();

const SeedCase kSeeds[] = {
    {"no contact number keeps the defaults", {0.0, 1.0, 0.8, 4.5}, 1, "ohmic", kNone, kNone},
    {"a schottky contact", {3.0, 1.0, 0.8, kNone}, 3, "schottky", 0.8, kNone},
    {"the number truncates", {5.9, 0.0, kNone, 4.5}, 5, "ohmic", kNone, 4.5},
    {"a type between the two keeps ohmic", {2.0, 0.5, kNone, kNone}, 2, "ohmic", kNone, kNone},
    {"a number beyond int is kept within it", {1e12, 1.0, kNone, kNone}, 2147483647, "schottky", kNone, kNone},
    {"NaN gives number 0", {kNaN, 0.0, kNone, kNone}, 0, "ohmic", kNone, kNone},
};

}  // namespace

TEST_P(SeedingTheDialog, TakesTheLayersValues)
{
    const SeedCase& c = GetParam();
    CContactParamDlg dialog;
    dialog.SetFromRecord(c.record.data());
    EXPECT_EQ(dialog.m_nContactNum, c.number);
    EXPECT_EQ(dialog.m_strType, c.type);
    EXPECT_EQ(dialog.m_dBarrier, c.barrier);
    EXPECT_EQ(dialog.m_dWorkFunction, c.workFunction);
}

INSTANTIATE_TEST_SUITE_P(Cases, SeedingTheDialog, ::testing::ValuesIn(kSeeds));

class ContactDialog : public ::testing::Test {
protected:
    // Opens the dialog seeded with `record`.
    void Open(Record record)
    {
        dialog.SetFromRecord(record.data());
        dialog.OnInitDialog(controls);
    }
    bool Enabled(int id) const { return dialog.IsControlEnabled(id); }

    CContactParamDlg dialog;
    FakeDialogControls controls;
    ScriptedPrompts prompts;
};

TEST_F(ContactDialog, AnOhmicContactDisablesBothValuesAndTheirRadios)
{
    Open({2.0, 0.0, kNone, kNone});
    EXPECT_EQ(dialog.m_nTypeSelection, 0);
    for (int id : {CContactParamDlg::IDC_BARRIER, CContactParamDlg::IDC_WORK_FUNCTION,
                   CContactParamDlg::IDC_BARRIER_GIVEN, CContactParamDlg::IDC_WORK_FUNCTION_GIVEN})
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_EQ(controls.texts[CContactParamDlg::IDC_CONTACT_NUM], "2");
    EXPECT_EQ(controls.texts[CContactParamDlg::IDC_BARRIER], "-9999");
}

TEST_F(ContactDialog, ASchottkyContactEnablesTheValueItsRadioChooses)
{
    Open({2.0, 1.0, kNone, kNone});
    EXPECT_EQ(dialog.m_nTypeSelection, 1);
    EXPECT_FALSE(dialog.m_bBarrierGiven) << "no barrier given: the work function's radio";
    EXPECT_TRUE(Enabled(CContactParamDlg::IDC_WORK_FUNCTION));
    EXPECT_FALSE(Enabled(CContactParamDlg::IDC_BARRIER));
    EXPECT_TRUE(Enabled(CContactParamDlg::IDC_BARRIER_GIVEN));

    dialog.OnBarrierGiven(controls, true);
    EXPECT_TRUE(Enabled(CContactParamDlg::IDC_BARRIER));
    EXPECT_FALSE(Enabled(CContactParamDlg::IDC_WORK_FUNCTION));
}

TEST_F(ContactDialog, OkWithTheBarrierChosenHandsBackTheBarrierOnly)
{
    Open({3.0, 1.0, 0.8, 4.5});
    EXPECT_TRUE(dialog.m_bBarrierGiven);
    EXPECT_TRUE(dialog.OnOK(controls));
    EXPECT_EQ(Handed(dialog), (Record{3.0, 1.0, 0.8, kNone}));
    EXPECT_EQ(controls.texts[CContactParamDlg::IDC_WORK_FUNCTION], "-9999");
}

TEST_F(ContactDialog, SwitchingToOhmicHandsBackNeitherValue)
{
    Open({3.0, 1.0, 0.8, kNone});
    controls.texts[CContactParamDlg::IDC_WORK_FUNCTION] = "4.1";
    dialog.OnTypeSelected(controls, 0);
    EXPECT_TRUE(dialog.OnOK(controls));
    EXPECT_EQ(Handed(dialog), (Record{3.0, 0.0, kNone, kNone}));
}

TEST_F(ContactDialog, TypedValuesAreReadOnOk)
{
    Open({3.0, 1.0, kNone, kNone});
    controls.texts[CContactParamDlg::IDC_CONTACT_NUM] = "12";
    controls.texts[CContactParamDlg::IDC_WORK_FUNCTION] = "4.75";
    EXPECT_TRUE(dialog.OnOK(controls));
    EXPECT_EQ(Handed(dialog), (Record{12.0, 1.0, kNone, 4.75}));
}

TEST_F(ContactDialog, BadValuesKeepTheDialogOpenWithTheirMessage)
{
    const struct {
        int id;
        const char* text;
        const char* message;
    } cases[] = {
        {CContactParamDlg::IDC_CONTACT_NUM, "0", "Please enter an integer between 1 and 100."},
        {CContactParamDlg::IDC_CONTACT_NUM, "101", "Please enter an integer between 1 and 100."},
        {CContactParamDlg::IDC_CONTACT_NUM, "two", "Please enter an integer."},
        {CContactParamDlg::IDC_BARRIER, "0.8eV", "Please enter a number."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        CContactParamDlg fresh;
        FakeDialogControls boxes;
        fresh.SetFromRecord(Record{3.0, 1.0, 0.8, kNone}.data());
        fresh.OnInitDialog(boxes);
        boxes.texts[c.id] = c.text;
        prompts.Clear();
        prompts.AnswerNext(IDOK);
        EXPECT_FALSE(fresh.OnOK(boxes));
        EXPECT_EQ(prompts.Texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(boxes.focused.back(), c.id);
    }
}

TEST_F(ContactDialog, ANumberOutOfRangeIsReportedAsTheDialogOpens)
{
    prompts.AnswerNext(IDOK);
    Open({150.0, 1.0, kNone, kNone});
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Please enter an integer between 1 and 100."});
    EXPECT_TRUE(Enabled(CContactParamDlg::IDC_BARRIER)) << "left as the template made them";
    EXPECT_TRUE(Enabled(CContactParamDlg::IDC_WORK_FUNCTION));
}

TEST_F(ContactDialog, ATypeTextOtherThanOhmicOrSchottkyIsRefused)
{
    Open({3.0, 1.0, kNone, kNone});
    controls.texts[CContactParamDlg::IDC_TYPE_TEXT] = "tunnel";
    prompts.AnswerNext(IDOK);
    EXPECT_FALSE(dialog.OnOK(controls));
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Contact type should be ohmic or schottky!"});
}
