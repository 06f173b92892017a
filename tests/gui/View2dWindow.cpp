#include "View2dWindow.h"

#include "AppHarness.h"
#include "render/DrawingFixture.h"
#include "views/GL2dView.h"
#include "views/PromptDlg.h"

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/sizer.h>
#include <wx/stopwatch.h>

namespace {

constexpr long kSettleLimitMs = 5000;

} // namespace

void PrintTo(const Rgb& c, std::ostream* os) { *os << "(" << c.r << ", " << c.g << ", " << c.b << ")"; }

Rgb ViewPixel(CGL2dView* view, CClientPoint p)
{
    unsigned char rgb[3] = {0, 0, 0};
    EXPECT_TRUE(view->ReadFramePixel(p, rgb));
    return {rgb[0], rgb[1], rgb[2]};
}

Rgb Colour(int index)
{
    unsigned char r = 0, g = 0, b = 0;
    MaterialIndexColour(index, r, g, b);
    return {r, g, b};
}

ViewWindow::ViewWindow()
{
    UseFixtureSegment(m_doc);
    m_frame = new wxFrame(nullptr, wxID_ANY, "2-D view", wxPoint(20, 20), wxSize(640, 480));
    m_view = new CGL2dView(m_frame, &m_doc);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(m_view, 1, wxEXPAND);
    m_frame->SetSizer(sizer);
    m_frame->Show();
    m_frame->Raise();
    // Settled: painted once, projected and fitted, its prompt window made (on a busy machine the
    // first paint can take longer than the view's first timer).
    wxStopWatch watch;
    do
        PumpEvents(50);
    while ((m_view->IsSetupPending() || !m_view->GetPromptDlg()) && watch.Time() < kSettleLimitMs);
    PumpEvents(100);
}

ViewWindow::~ViewWindow()
{
    // Off the screen at once: the next test's windows have the screen to themselves.
    m_frame->Hide();
    m_frame->Destroy();
    PumpEvents(100);
}

Rgb ViewWindow::ModelPixel(float x, float y) { return ViewPixel(m_view, m_view->ProjectPoint({x, y})); }
