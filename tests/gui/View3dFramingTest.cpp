// The 3-D view frames the device: opened on the example deck, and after Zoom Origin from the menu
// in either camera and in cylinder mode, the whole solid lies inside the pane - nothing but the
// grey background (and the axis labels' own colours) touches the pane's edge.

#include "AppHarness.h"
#include "CommandIds.h"
#include "PanePixels.h"
#include "app/MainFrame.h"
#include "model/ProcessState.h"
#include "support/FileBytes.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"
#include "views/GL2dView.h"
#include "views/GL3dView.h"
#include "views/PromptDlg.h"

#include <gtest/gtest.h>
#include <wx/uiaction.h>

#include <string>

namespace {

constexpr unsigned char kGrey = 140; // the 3-D background

// Pixels near the pane's edge that are neither background nor an axis arrow or label (pure blue,
// red and yellow): the device or its frame cut off by the pane.
size_t DeviceOnTheEdge(const CPanePicture& p, int band)
{
    size_t n = 0;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            if (x >= band && y >= band && x < p.width - band && y < p.height - band) continue;
            const unsigned char* c = &p.rgb[(size_t(y) * size_t(p.width) + size_t(x)) * 3];
            const bool grey = c[0] == kGrey && c[1] == kGrey && c[2] == kGrey;
            const bool axis = (c[0] == 0 && c[1] == 0 && c[2] == 255) || (c[0] == 255 && c[1] == 0 && c[2] == 0) ||
                              (c[0] == 255 && c[1] == 255 && c[2] == 0);
            n += !grey && !axis;
        }
    return n;
}

class View3dFraming : public ::testing::Test {
protected:
    AppTree tree;
    TempFolder work;
    ScriptedPrompts prompts;
    CGL3dView* view = nullptr;

    void SetUp() override
    {
        const std::string examples = std::string(TESSARON_FIXTURES) + "/../../examples/";
        for (const char* name : {"flare.sol", "flare1.layer", "flare2.layer", "flare3.layer", "flare1.gain",
                                 "flare2.gain", "flare3.gain"})
            work.Write(name, ExistingFileBytes(examples + name));
        ASSERT_TRUE(StartApp(tree, "tessaron", {work.File("flare.sol")}));
        Frame()->SetSize(240, 200, 1000, 700);
        PumpEvents(400);
        view = Frame()->GetGL3dView();
        ASSERT_NE(view, nullptr);
        ASSERT_EQ(g_nZSegCount, 3);
        // The next-step prompt window stands over the frame wherever an earlier test left it: the
        // screen is read below it.
        if (CPromptDlg* prompt = Frame()->GetGL2dView()->GetPromptDlg()) prompt->Hide();
        PumpEvents(100);
    }
    void TearDown() override { StopApp(); }

    CPanePicture Shot()
    {
        PumpEvents(100);
        view->Refresh(false);
        view->Update();
        PumpEvents(300);
        return PanePicture(view);
    }
    // Makes the 3-D view the active view, as a click into it does.
    void Activate()
    {
        wxUIActionSimulator sim;
        const wxSize s = view->GetClientSize();
        sim.MouseMove(view->ClientToScreen(wxPoint(s.x / 2, s.y / 2)));
        PumpEvents(50);
        view->SetFocus();
        PumpEvents(100);
        ASSERT_EQ(Frame()->GetActiveView(), view);
    }
    void ExpectWholeDeviceInside(const char* what)
    {
        const CPanePicture p = Shot();
        ASSERT_GT(p.width, 0) << what;
        EXPECT_GT(p.CountOther(kGrey, kGrey, kGrey), size_t(p.width * p.height / 20)) << what << ": the device shows";
        EXPECT_EQ(DeviceOnTheEdge(p, 3), 0u) << what << ": nothing of it cut off by the pane";
    }
};

TEST_F(View3dFraming, TheOpenedDeckAndZoomOriginShowTheWholeDeviceInBothCamerasAndInCylinderMode)
{
    ExpectWholeDeviceInside("opened");
    Activate();
    struct Step {
        const char* what;
        int command; // run before Zoom Origin
    } steps[] = {{"perspective", ID_VIEW_PERSPECTIVE},
                 {"parallel", ID_VIEW_PARALLEL},
                 {"cylinder, parallel", ID_OPTIONS_CYLINDER},
                 {"cylinder, perspective", ID_VIEW_PERSPECTIVE}};
    for (const Step& step : steps) {
        Frame()->RunCommand(step.command);
        // Turned and moved away first, so that Zoom Origin has something to do.
        view->State().tx += 50.0f;
        view->State().rotationY += 60.0f;
        view->SetProjection();
        Frame()->RunCommand(ID_ZOOM_ORIGIN);
        EXPECT_FLOAT_EQ(view->State().rotationY, 20.0f) << step.what;
        ExpectWholeDeviceInside(step.what);
    }
}

TEST_F(View3dFraming, ACameraAtItsStartStaysFittedWhenThePaneGrowsAndOneMovedByTheUserKeepsItsPlace)
{
    Frame()->SetSize(40, 100, 1200, 800);
    PumpEvents(400);
    ExpectWholeDeviceInside("the frame enlarged");

    Activate();
    Frame()->RunCommand(ID_ZOOM_IN);
    const CView3dState zoomed = view->State();
    Frame()->SetSize(240, 200, 1000, 700);
    PumpEvents(400);
    EXPECT_FLOAT_EQ(view->State().zoomX, zoomed.zoomX);
    EXPECT_FLOAT_EQ(view->State().tx, zoomed.tx);
    EXPECT_DOUBLE_EQ(view->State().dist, zoomed.dist);
}

}  // namespace
