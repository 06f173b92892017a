#pragma once
// The material page's dialogs for tests: each run records the dialog as it opened and answers
// with the next scripted step, which edits the dialog's members as a user would and returns
// whether the user pressed OK. A run with nothing scripted fails the test and cancels.

#include "sheets/CompositionGradingDlg.h"
#include "sheets/ContactParamDlg.h"
#include "sheets/MacroParamDlg.h"
#include "sheets/MaterialDialogs.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <vector>

class MaterialDialogsScript : public IMaterialDialogs {
public:
    template <typename Dialog>
    using Step = std::function<bool(Dialog&)>;

    bool RunMacroParamDlg(CMacroParamDlg& dialog) override { return Run(dialog, macroSteps, macroRuns); }
    bool RunGradingDlg(CCompositionGradingDlg& dialog) override { return Run(dialog, gradingSteps, gradingRuns); }
    bool RunContactParamDlg(CContactParamDlg& dialog) override { return Run(dialog, contactSteps, contactRuns); }

    std::deque<Step<CMacroParamDlg>> macroSteps;
    std::deque<Step<CCompositionGradingDlg>> gradingSteps;
    std::deque<Step<CContactParamDlg>> contactSteps;
    // The dialogs as they opened.
    std::vector<CMacroParamDlg> macroRuns;
    std::vector<CCompositionGradingDlg> gradingRuns;
    std::vector<CContactParamDlg> contactRuns;

private:
    template <typename Dialog>
    static bool Run(Dialog& dialog, std::deque<Step<Dialog>>& steps, std::vector<Dialog>& runs)
    {
        runs.push_back(dialog);
        if (steps.empty()) {
            ADD_FAILURE() << "unscripted dialog";
            return false;
        }
        const Step<Dialog> step = steps.front();
        steps.pop_front();
        return step(dialog);
    }
};
