#include "support/FakeSheetRunner.h"

#include <gtest/gtest.h>

namespace {

template <typename Step, typename Request>
bool RunNext(std::deque<Step>& steps, Request& request, const char* what)
{
    if (steps.empty()) {
        ADD_FAILURE() << "unscripted " << what;
        return false;
    }
    Step step = std::move(steps.front());
    steps.pop_front();
    return step(request);
}

}  // namespace

bool FakeSheetRunner::RunLayerSheet(LayerSheetRequest& request)
{
    sheetsRun.push_back(request);
    return RunNext(m_sheets, request, "layer property sheet");
}

bool FakeSheetRunner::RunZSegPositionDlg(ZSegPositionRequest& request)
{
    positionDlgsRun.push_back(request);
    return RunNext(m_positions, request, "z-segment position dialog");
}

bool FakeSheetRunner::RunCutLineDlg(CutLineRequest& request)
{
    cutLineDlgsRun.push_back(request);
    return RunNext(m_cutLines, request, "cut line dialog");
}
