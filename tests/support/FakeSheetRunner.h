#pragma once
// A sheet runner for tests. Each run takes the next scripted step: a function that edits the
// edit block (or the request) as a user would and returns whether the user pressed OK. A run with
// nothing scripted fails the test and cancels. Installs itself for its lifetime.

#include "model/ContactRec.h"
#include "platform/SheetRunner.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

class FakeSheetRunner : public ISheetRunner {
public:
    using SheetStep = std::function<bool(LayerSheetRequest&)>;
    using PositionStep = std::function<bool(ZSegPositionRequest&)>;
    using CutLineStep = std::function<bool(CutLineRequest&)>;

    FakeSheetRunner() { SetSheetRunner(this); }
    ~FakeSheetRunner() override { SetSheetRunner(nullptr); }

    void OnNextSheet(SheetStep step) { m_sheets.push_back(std::move(step)); }
    void AcceptNextSheet() { OnNextSheet([](LayerSheetRequest&) { return true; }); }
    void CancelNextSheet() { OnNextSheet([](LayerSheetRequest&) { return false; }); }
    // The user edits the edit block and presses OK (the Contact page never shown).
    void AcceptNextSheet(std::function<void()> edit);
    // The user shows the Contact page, which hands these side-contact groups back, and presses OK.
    void AcceptNextSheetWithSideContacts(std::vector<CContactList> groups);
    void OnNextPositionDlg(PositionStep step) { m_positions.push_back(std::move(step)); }
    // The user enters From and To (and names a ".layer" file, or none) and presses OK.
    void AcceptNextPosition(double from, double to, const std::string& layerFile = "");
    void CancelNextPosition() { OnNextPositionDlg([](ZSegPositionRequest&) { return false; }); }
    void OnNextCutLineDlg(CutLineStep step) { m_cutLines.push_back(std::move(step)); }

    bool RunLayerSheet(LayerSheetRequest& request) override;
    bool RunZSegPositionDlg(ZSegPositionRequest& request) override;
    bool RunCutLineDlg(CutLineRequest& request) override;

    // The requests as the runner received them (before the step changed them).
    std::vector<LayerSheetRequest> sheetsRun;
    std::vector<ZSegPositionRequest> positionDlgsRun;
    std::vector<CutLineRequest> cutLineDlgsRun;

private:
    std::deque<SheetStep> m_sheets;
    std::deque<PositionStep> m_positions;
    std::deque<CutLineStep> m_cutLines;
};
