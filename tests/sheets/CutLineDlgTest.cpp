#include "sheets/CutLineDlg.h"

#include "support/FakeDialogControls.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct Typed {
    const char* text;   // what the user typed
    double limit;
    bool accepted;
    const char* message;  // shown when refused
};

void PrintTo(const Typed& t, std::ostream* os) { *os << '"' << t.text << "\" below " << t.limit; }

class CutLineValue : public ::testing::TestWithParam<Typed> {
protected:
    ScriptedPrompts prompts;
    FakeDialogControls controls;
};

}  // namespace

TEST(CutLineDlg, OpensWithItsPromptRangeAndValue)
{
    FakeDialogControls controls;
    CCutLineDlg dialog;
    EXPECT_EQ(dialog.m_dLimit, 10000.0);
    EXPECT_EQ(dialog.m_bVertical, 0);
    dialog.m_dLimit = 2.5;
    dialog.OnInitDialog(controls);
    EXPECT_EQ(controls.texts[CCutLineDlg::IDC_PROMPT], "  set cut line value between 0 and layer heigth:");
    EXPECT_EQ(controls.texts[CCutLineDlg::IDC_RANGE], "From 0.0 to 2.50");
    EXPECT_EQ(controls.texts[CCutLineDlg::IDC_VALUE], "0");

    dialog.m_bVertical = 1;
    dialog.m_dLimit = -1.0;
    dialog.OnInitDialog(controls);
    EXPECT_EQ(controls.texts[CCutLineDlg::IDC_PROMPT], "  set cut line value between 0 and layer width:");
    EXPECT_EQ(controls.texts[CCutLineDlg::IDC_RANGE], "From 0.0 to -1.00");
}

TEST_P(CutLineValue, OkAcceptsOnlyAValueInsideTheLayer)
{
    const Typed& typed = GetParam();
    CCutLineDlg dialog;
    dialog.m_dLimit = typed.limit;
    controls.texts[CCutLineDlg::IDC_VALUE] = typed.text;
    if (!typed.accepted)
        prompts.AnswerNext(IDOK);
    EXPECT_EQ(dialog.OnOK(controls), typed.accepted);
    if (typed.accepted) {
        EXPECT_TRUE(prompts.Texts().empty());
        EXPECT_EQ(dialog.GetValue(), std::stod(typed.text));
    } else {
        EXPECT_EQ(prompts.Texts(), std::vector<std::string>{typed.message});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, CutLineValue,
    ::testing::Values(Typed{"2.4999", 2.5, true, ""}, Typed{"2.5", 2.5, false, "Input value is too big"},
                      Typed{"0", 2.5, false, "Please enter a number between 1e-020 and 100000."},
                      Typed{"-1", 2.5, false, "Please enter a number between 1e-020 and 100000."},
                      Typed{"100001", 1e6, false, "Please enter a number between 1e-020 and 100000."},
                      Typed{"100000", 1e6, true, ""}, Typed{"abc", 2.5, false, "Please enter a number."},
                      Typed{"1", -1.0, false, "Input value is too big"}));
