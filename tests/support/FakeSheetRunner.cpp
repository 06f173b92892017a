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

void FakeSheetRunner::AcceptNextSheet(std::function<void()> edit)
{
    OnNextSheet([edit](LayerSheetRequest&) {
        edit();
        return true;
    });
}

void FakeSheetRunner::AcceptNextSheetWithSideContacts(std::vector<CContactList> groups)
{
    OnNextSheet([groups](LayerSheetRequest& request) {
        if (request.contactGroups)
            *request.contactGroups = groups;
        request.contactGroupsFilled = true;
        return true;
    });
}

void FakeSheetRunner::AcceptNextPosition(double from, double to, const std::string& layerFile)
{
    OnNextPositionDlg([from, to, layerFile](ZSegPositionRequest& request) {
        request.from = from;
        request.to = to;
        request.layerFileName = layerFile;
        return true;
    });
}
