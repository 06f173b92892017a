// The splash window: shown at start with the mode's picture, closed after half a second or by the
// first key or mouse-button press, which goes no further.

#include "AppHarness.h"
#include "FrameCommands.h"
#include "ScreenPixel.h"
#include "CommandIds.h"
#include "PictureResources.h"
#include "support/ScriptedPrompts.h"
#include "app/MainFrame.h"
#include "app/SplashWnd.h"

#include <gtest/gtest.h>
#include <memory>
#include <wx/display.h>
#include <wx/stopwatch.h>
#include <wx/uiaction.h>

namespace {

// Keeps the splash window of the starts in this scope up.
struct SplashKept {
    SplashKept() { KeepSplashOnStart(true); }
    ~SplashKept() { KeepSplashOnStart(false); }
};

// Pumps events until the splash window is gone or `limit` milliseconds have passed; the time it
// took.
long WaitForSplashToClose(const wxStopWatch& watch, long limit)
{
    while (CSplashWnd::c_pSplashWnd && watch.Time() < limit)
        PumpEvents(10);
    return watch.Time();
}

// Shows a splash window over the running frame, as start-up does.
CSplashWnd* ShowSplash()
{
    CSplashWnd::EnableSplashScreen(true);
    CSplashWnd::ShowSplashScreen(Frame());
    return CSplashWnd::c_pSplashWnd;
}

// Records the type of every event that reaches a window and lets it go on.
class EventTypeRecorder : public wxEvtHandler {
public:
    std::vector<wxEventType> types;
    bool TryBefore(wxEvent& event) override
    {
        types.push_back(event.GetEventType());
        return wxEvtHandler::TryBefore(event);
    }
};

}  // namespace

// A start shows the mode's picture centred on the screen. How long the start itself takes depends
// on the machine, and the half-second timer may run out before the first event is handled, so the
// painting and the timing are checked on a splash window shown over the running frame.
TEST(SplashWnd, ShowsTheModesPictureCentredOnTheScreenAndClosesAfterHalfASecond)
{
    const struct {
        const char* program;
        int picture;
    } cases[] = {{"brenvik", IDB_SPLASH_BUILDER}, {"tessaron", IDB_SPLASH_3D}};
    AppTree tree;
    SplashKept kept;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program);
        ScriptedPrompts prompts;
        ASSERT_TRUE(StartApp(tree, c.program));
        CSplashWnd* splash = CSplashWnd::c_pSplashWnd;
        ASSERT_NE(splash, nullptr);
        EXPECT_TRUE(splash->IsShown());
        EXPECT_EQ(CSplashWnd::PictureId(), c.picture);
        EXPECT_EQ(splash->GetPicture().GetSize(), wxSize(420, 315));
        EXPECT_EQ(splash->GetClientSize(), wxSize(420, 315));
        const wxRect screen = wxDisplay(0u).GetClientArea();
        const wxRect shown = splash->GetScreenRect();
        EXPECT_NEAR(shown.x + shown.width / 2, screen.x + screen.width / 2, 1);
        EXPECT_NEAR(shown.y + shown.height / 2, screen.y + screen.height / 2, 1);
        WaitForSplashToClose(wxStopWatch(), 5000);
        EXPECT_EQ(CSplashWnd::c_pSplashWnd, nullptr);

        // Over the running frame: above it, with its picture painted (read well within its time).
        wxStopWatch watch;
        splash = ShowSplash();
        ASSERT_NE(splash, nullptr);
        PumpEvents(50);
        ASSERT_EQ(CSplashWnd::c_pSplashWnd, splash) << "closed within 50 ms of being shown";
        const wxImage picture = splash->GetPicture().ConvertToImage();
        const wxPoint topLeft = splash->GetScreenRect().GetTopLeft();
        for (const wxPoint& p : {wxPoint(210, 40), wxPoint(200, 200), wxPoint(30, 290)})
            EXPECT_EQ(ScreenPixel(topLeft + p).GetAsString(wxC2S_CSS_SYNTAX).ToStdString(),
                      wxColour(picture.GetRed(p.x, p.y), picture.GetGreen(p.x, p.y), picture.GetBlue(p.x, p.y))
                          .GetAsString(wxC2S_CSS_SYNTAX)
                          .ToStdString())
                << "picture point " << p.x << ", " << p.y;

        // Mouse movement and painting leave it up; its own timer closes it.
        splash->Refresh();
        wxUIActionSimulator().MouseMove(topLeft.x + 5, topLeft.y + 5);
        PumpEvents();
        const long closedAfter = WaitForSplashToClose(watch, 5000);
        EXPECT_EQ(CSplashWnd::c_pSplashWnd, nullptr);
        EXPECT_GE(closedAfter, 500);
        StopApp();
    }
}

TEST(SplashWnd, AStartByAnotherProgramShowsNone)
{
    AppTree tree;
    SplashKept kept;
    for (const char* flag : {"/Embedding", "-Automation", "-embedding"}) {
        SCOPED_TRACE(flag);
        ScriptedPrompts prompts;
        ASSERT_TRUE(StartApp(tree, "tessaron", {flag}));
        EXPECT_EQ(CSplashWnd::c_pSplashWnd, nullptr);
        EXPECT_EQ(Frame()->GetTitle().ToStdString(), "Untitled - Tessaron");  // no file named by the flag
        StopApp();
    }
}

TEST(SplashWnd, OnlyKeyAndButtonPressesCloseItAndTheyGoNoFurther)
{
    AppTree tree;
    ScriptedPrompts prompts;
    ASSERT_TRUE(StartApp(tree, "brenvik"));
    wxWindow* view = Frame()->GetActiveView();
    const struct {
        wxEventType type;
        bool closes;
    } cases[] = {
        {wxEVT_MOTION, false},     {wxEVT_KEY_UP, false},       {wxEVT_LEFT_UP, false},
        {wxEVT_MOUSEWHEEL, false}, {wxEVT_CHAR_HOOK, true},     {wxEVT_KEY_DOWN, true},
        {wxEVT_LEFT_DOWN, true},   {wxEVT_RIGHT_DOWN, true},    {wxEVT_MIDDLE_DOWN, true},
    };
    EventTypeRecorder recorder;
    view->PushEventHandler(&recorder);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        ASSERT_NE(ShowSplash(), nullptr);
        recorder.types.clear();
        std::unique_ptr<wxEvent> event;
        if (c.type == wxEVT_CHAR_HOOK || c.type == wxEVT_KEY_DOWN || c.type == wxEVT_KEY_UP)
            event = std::make_unique<wxKeyEvent>(c.type);
        else
            event = std::make_unique<wxMouseEvent>(c.type);
        event->SetEventObject(view);
        view->GetEventHandler()->ProcessEvent(*event);
        EXPECT_EQ(CSplashWnd::c_pSplashWnd == nullptr, c.closes);
        EXPECT_EQ(recorder.types.empty(), c.closes);
        if (CSplashWnd::c_pSplashWnd)
            CSplashWnd::c_pSplashWnd->HideSplashScreen();
        PumpEvents();
    }
    // With no splash window up, presses reach their windows.
    recorder.types.clear();
    wxMouseEvent press(wxEVT_LEFT_DOWN);
    view->GetEventHandler()->ProcessEvent(press);
    EXPECT_EQ(recorder.types, std::vector<wxEventType>{wxEVT_LEFT_DOWN});
    view->PopEventHandler();
    StopApp();
}

TEST(SplashWnd, AClickOnTheFrameOrAKeyClosesItAndDoesNothingElse)
{
    AppTree tree;
    ScriptedPrompts prompts;
    ASSERT_TRUE(StartApp(tree, "brenvik"));
    CMainFrame* frame = Frame();
    wxWindow* view = frame->GetActiveView();
    PumpEvents(200);
    // A point of the view well away from the splash window in the middle of the screen.
    const wxPoint corner = view->ClientToScreen(wxPoint(20, 20));
    wxUIActionSimulator sim;
    sim.MouseMove(corner);
    frame->Raise();
    view->SetFocus();
    PumpEvents(100);

    int clicks = 0;
    auto onClick = [&clicks](wxMouseEvent& event) {
        ++clicks;
        event.Skip();
    };
    view->Bind(wxEVT_LEFT_DOWN, onClick);
    ASSERT_NE(ShowSplash(), nullptr);
    sim.MouseClick();
    PumpEvents(50);
    EXPECT_EQ(CSplashWnd::c_pSplashWnd, nullptr);
    EXPECT_EQ(clicks, 0);
    // The next click, far enough away not to make a double click, is the view's again.
    sim.MouseMove(corner + wxPoint(30, 30));
    PumpEvents(50);
    sim.MouseClick();
    PumpEvents(50);
    EXPECT_EQ(clicks, 1);
    view->Unbind(wxEVT_LEFT_DOWN, onClick);

    CommandRecorder recorder;
    frame->PushEventHandler(&recorder);
    ASSERT_NE(ShowSplash(), nullptr);
    // Delete cuts the selected layer: not while it closes the splash window.
    sim.Char(WXK_DELETE);
    PumpEvents(50);
    EXPECT_EQ(CSplashWnd::c_pSplashWnd, nullptr);
    EXPECT_TRUE(recorder.ids.empty());
    sim.Char(WXK_DELETE);
    PumpEvents(50);
    EXPECT_EQ(recorder.ids, std::vector<int>{ID_LAYER_CUT});
    frame->PopEventHandler();
    StopApp();
}
