// The two small dialogs of the model-based series without their windows: the range check of the
// item dialog and the rows, result and step check of the composition dialog.

#include "sheets/SeriComposDlg.h"
#include "sheets/SeriesItemDlg.h"
#include "support/FakeDialogControls.h"
#include "support/ScriptedPrompts.h"
#include "textfiles/MacroLibrary.h"
#include "textfiles/MacroList.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

struct RangeCase {
    double initial, final, step;
    int answer;  // to the more-than-10 question; 0 when none is asked
    bool accepted;
    std::string message;
};

void PrintTo(const RangeCase& c, std::ostream* os)
{
    *os << c.initial << " to " << c.final << " by " << c.step;
}

class SeriesRangeCheck : public ::testing::TestWithParam<RangeCase> {};

}  // namespace

TEST_P(SeriesRangeCheck, RefusesWithItsMessage)
{
    const RangeCase& c = GetParam();
    ScriptedPrompts prompts;
    if (!c.message.empty())
        prompts.AnswerNext(c.answer ? c.answer : IDOK);
    EXPECT_EQ(ValidateSeriesRange(c.initial, c.final, c.step), c.accepted);
    if (c.message.empty())
        EXPECT_TRUE(prompts.Texts().empty());
    else
        EXPECT_EQ(prompts.Texts(), std::vector<std::string>{c.message});
}

INSTANTIATE_TEST_SUITE_P(
    Series, SeriesRangeCheck,
    ::testing::Values(
        RangeCase{2, 2, 1, 0, false, "Initial value can not equal to final value!"},
        RangeCase{0, 2, 1, 0, false, "The initial value must greater than 0!"},
        RangeCase{1, -2, 1, 0, false, "The final must greater than 0!"},
        RangeCase{1, 2, 0, 0, false, "The step value can not equal to 0!"},
        RangeCase{1, 5, 1, 0, true, ""},
        RangeCase{0.5, 12, 1, IDOK, true, "more than 10 series points to be created, continue?  cancel?"},
        RangeCase{0.5, 12, 1, IDCANCEL, false, "more than 10 series points to be created, continue?  cancel?"}));

TEST(SeriesItemDlg, APointRangeOnlyNeedsItsEndAboveItsStart)
{
    ScriptedPrompts prompts;
    CSeriesItemDlg dialog;
    dialog.m_strCaption = "point1";
    FakeDialogControls controls;
    dialog.OnInitDialog(controls);
    controls.texts[CSeriesItemDlg::IDC_INITIAL] = "3";
    controls.texts[CSeriesItemDlg::IDC_FINAL] = "-1";
    prompts.AnswerNext(IDOK);
    EXPECT_FALSE(dialog.OnOK(controls));
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"The to value can not less than from value!"});
    controls.texts[CSeriesItemDlg::IDC_FINAL] = "3";
    EXPECT_TRUE(dialog.OnOK(controls));  // equal is fine for a point range
}

TEST(SeriComposDlg, ShowsTheMacrosParametersAndChecksTheStep)
{
    CMacroList macros;
    macros.ParseMacroText("$  load_macro name=alloy3 mater=#m var_symbol1=x var1=#x var_symbol2=y var2=#y "
                          "var_symbol3=z var3=#z",
                          "free-style");
    CSeriComposDlg dialog("alloy3");
    const double values[6] = {0.1, 0.2, 0.3, 0, 0, 0};
    dialog.SetRows(values, 6);
    dialog.FillRows(macros);
    ASSERT_EQ(dialog.m_nParamCount, 3);
    EXPECT_EQ(dialog.m_strNames[2], "z");
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(dialog.IsRowShown(k), k < 3) << k;
        EXPECT_EQ(dialog.IsNameShown(k), k < 3) << k;
    }

    FakeDialogControls controls;
    dialog.OnInitDialog(controls);
    EXPECT_EQ(controls.texts[CSeriComposDlg::kToIds[2]], "0.3");
    dialog.m_nSelectedRow = 2;
    controls.texts[CSeriComposDlg::kToIds[2]] = "0.5";
    ScriptedPrompts prompts;
    controls.texts[CSeriComposDlg::kStepIds[2]] = "0.000005";
    prompts.AnswerNext(IDOK);
    EXPECT_FALSE(dialog.OnOK(controls));
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Step is too samll!"});
    controls.texts[CSeriComposDlg::kStepIds[2]] = "0.00001";
    ASSERT_TRUE(dialog.OnOK(controls));
    int row = -1;
    double from = 0, to = 0, step = 0;
    dialog.GetRows(row, from, to, step);
    EXPECT_EQ(row, 2);
    EXPECT_EQ(from, 0.3);
    EXPECT_EQ(to, 0.5);
    EXPECT_EQ(step, 0.00001);
}
