#include "sheets/ConditionStepDlg.h"
#include "sheets/SeriesConditionEditDlg.h"
#include "support/FakeDialogControls.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace {

struct OkCase {
    const char* name;
    std::map<int, std::string> typed;  // control texts changed from those the dialog opened with
    bool accepted;
    std::vector<std::string> messages;
};

void PrintTo(const OkCase& c, std::ostream* os) { *os << c.name; }

const char* const kSameValues = "Final value can't equal Initial value!";

}  // namespace

class ConditionStepOk : public ::testing::TestWithParam<OkCase> {};

TEST_P(ConditionStepOk, TakesTheSweepOrKeepsTheDialogOpenWithItsMessage)
{
    ScriptedPrompts prompts;
    prompts.AllowUnscripted();
    // The command opens the dialog on the value as the file has it, 5 steps, group 1.
    CConditionStepDlg dialog(2.5, 2.5, 5, 1);
    FakeDialogControls controls;
    dialog.OnInitDialog(controls);
    EXPECT_EQ(controls.texts[CConditionStepDlg::IDC_INITIAL], "2.5");
    EXPECT_EQ(controls.texts[CConditionStepDlg::IDC_STEP_NUMBER], "5");
    for (const auto& typed : GetParam().typed)
        controls.texts[typed.first] = typed.second;
    EXPECT_EQ(dialog.OnOK(controls), GetParam().accepted);
    EXPECT_EQ(prompts.Texts(), GetParam().messages);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConditionStepOk,
    ::testing::Values(OkCase{"unchanged", {}, false, {kSameValues}},
                      OkCase{"a final value", {{CConditionStepDlg::IDC_FINAL, "3"}}, true, {}},
                      OkCase{"one step",
                             {{CConditionStepDlg::IDC_FINAL, "3"}, {CConditionStepDlg::IDC_STEP_NUMBER, "1"}},
                             false,
                             {"Please enter an integer between 2 and 1000."}},
                      OkCase{"group 0",
                             {{CConditionStepDlg::IDC_FINAL, "3"}, {CConditionStepDlg::IDC_GROUP_ID, "0"}},
                             false,
                             {"Please enter an integer between 1 and 1000."}},
                      OkCase{"no number", {{CConditionStepDlg::IDC_FINAL, "x"}}, false, {"Please enter a number."}}));

TEST(SeriesConditionEditDlg, ChecksTheGroupBeforeTheStepNumberAndRefusesEqualValues)
{
    ScriptedPrompts prompts;
    prompts.AllowUnscripted();
    CSeriesConditionEditDlg dialog;
    dialog.m_strFileName = "dev/a.layer";
    dialog.m_nLine = 9;
    dialog.m_strVariable = "d";
    dialog.m_dInitial = 0.1;
    dialog.m_dFinal = 0.5;
    dialog.m_nStepNumber = 5;
    dialog.m_nGroupId = 1;
    FakeDialogControls controls;
    dialog.OnInitDialog(controls);
    EXPECT_EQ(controls.texts[CSeriesConditionEditDlg::IDC_FILE_NAME], "dev/a.layer");
    EXPECT_EQ(controls.texts[CSeriesConditionEditDlg::IDC_LINE], "9");
    EXPECT_EQ(controls.texts[CSeriesConditionEditDlg::IDC_INITIAL], "0.1");

    controls.texts[CSeriesConditionEditDlg::IDC_GROUP_ID] = "0";
    controls.texts[CSeriesConditionEditDlg::IDC_STEP_NUMBER] = "1";
    EXPECT_FALSE(dialog.OnOK(controls));
    controls.texts[CSeriesConditionEditDlg::IDC_GROUP_ID] = "2";
    controls.texts[CSeriesConditionEditDlg::IDC_STEP_NUMBER] = "3";
    controls.texts[CSeriesConditionEditDlg::IDC_FINAL] = "0.1";
    EXPECT_FALSE(dialog.OnOK(controls));
    controls.texts[CSeriesConditionEditDlg::IDC_FINAL] = "1.0000001";
    EXPECT_TRUE(dialog.OnOK(controls));
    EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{"Please enter an integer between 1 and 1000.", kSameValues}));
    // The values stay doubles.
    EXPECT_EQ(dialog.m_dFinal, 1.0000001);
    EXPECT_EQ(dialog.m_nGroupId, 2);
    EXPECT_EQ(dialog.m_nStepNumber, 3);
}
