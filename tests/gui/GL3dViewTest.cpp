// The 3-D editor as the user meets it: opened on a ".layer" file or a deck, the frame shows the 2-D view
// beside the 3-D view; dragging with the mouse and the arrow keys turn, move and zoom the solid;
// the view's commands reach it while it is the active view.

#include "AppHarness.h"
#include "CommandIds.h"
#include "ScreenPixel.h"
#include "app/MainFrame.h"
#include "app/ViewSplitterWnd.h"
#include "dialogs/ViewPointDistanceDlg.h"
#include "model/ProcessState.h"
#include "document/TessaronDoc.h"
#include "support/FileBytes.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"
#include "views/GL2dView.h"
#include "views/GL3dView.h"

#include <gtest/gtest.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include <cstdlib>
#include <vector>

namespace {

const std::string kFixture = TESSARON_FIXTURES "/gui/tilted_stack.layer";

// What the screen shows of a window's client area, as RGB bytes.
std::vector<unsigned char> Screenshot(wxWindow* window)
{
    return ScreenRect(window->ClientToScreen(wxPoint(0, 0)), window->GetClientSize());
}

// Share of pixels that differ between two screenshots of the same size.
double Changed(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b)
{
    if (a.size() != b.size() || a.empty()) return 1.0;
    size_t differ = 0;
    for (size_t i = 0; i + 2 < a.size(); i += 3)
        differ += a[i] != b[i] || a[i + 1] != b[i + 1] || a[i + 2] != b[i + 2];
    return double(differ) / double(a.size() / 3);
}

// Pixels of exactly this grey (the 3-D background).
size_t CountGrey(const std::vector<unsigned char>& rgb, unsigned char grey)
{
    size_t n = 0;
    for (size_t i = 0; i + 2 < rgb.size(); i += 3) n += rgb[i] == grey && rgb[i + 1] == grey && rgb[i + 2] == grey;
    return n;
}

class View3dWindow : public ::testing::Test {
protected:
    AppTree tree;
    TempFolder work;
    std::string path;
    CGL3dView* view = nullptr;
    wxUIActionSimulator sim;

    // The program's command line and the z-segments the opened file holds.
    virtual std::vector<std::string> CommandLine()
    {
        path = work.Write("tilted_stack.layer", FileBytes(kFixture));
        return {path};
    }
    virtual int ZSegmentsOpened() const { return 1; }

    void SetUp() override
    {
        ASSERT_TRUE(StartApp(tree, "tessaron", CommandLine()));
        ASSERT_NE(Frame(), nullptr);
        // Without a window manager the keyboard follows the pointer; the frame stays in a corner
        // of its own.
        Frame()->SetSize(240, 200, 1000, 700);
        PumpEvents(400);
        view = Frame()->GetGL3dView();
        ASSERT_NE(view, nullptr);
        ASSERT_EQ(g_nZSegCount, ZSegmentsOpened());
    }
    void TearDown() override { StopApp(); }

    wxPoint Centre() const
    {
        const wxSize s = view->GetClientSize();
        return view->ClientToScreen(wxPoint(s.x / 2, s.y / 2));
    }
    // The view as the screen shows it once it has drawn what it holds now.
    std::vector<unsigned char> Shot()
    {
        PumpEvents(100);
        view->Refresh(false);
        view->Update();
        PumpEvents(300);
        return Screenshot(view);
    }
    // A drag of dx, dy pixels from the view's centre with the given buttons held.
    void Drag(int dx, int dy, bool left, bool right)
    {
        const wxPoint from = Centre();
        sim.MouseMove(from);
        PumpEvents(50);
        if (left) sim.MouseDown(wxMOUSE_BTN_LEFT);
        PumpEvents(50);
        if (right) sim.MouseDown(wxMOUSE_BTN_RIGHT);
        PumpEvents(50);
        for (int k = 1; k <= 4; ++k) {
            sim.MouseMove(from + wxPoint(dx * k / 4, dy * k / 4));
            PumpEvents(50);
        }
        if (left) sim.MouseUp(wxMOUSE_BTN_LEFT);
        PumpEvents(50);
        if (right) sim.MouseUp(wxMOUSE_BTN_RIGHT);
        PumpEvents(100);
    }
    // Makes the 3-D view the active view, as a click into it does.
    void Activate()
    {
        sim.MouseMove(Centre());
        PumpEvents(50);
        view->SetFocus();
        PumpEvents(100);
        ASSERT_EQ(Frame()->GetActiveView(), view);
    }
};

TEST_F(View3dWindow, TheFrameShowsThe2dViewLeftAndThe3dViewRightAtTwoThirds)
{
    CViewSplitterWnd* splitter = Frame()->GetSplitter();
    ASSERT_NE(splitter, nullptr);
    EXPECT_TRUE(splitter->IsSplit());
    EXPECT_EQ(splitter->GetWindow1(), splitter->Pane(0));
    EXPECT_EQ(splitter->Pane(0)->GetView(), Frame()->GetGL2dView());
    EXPECT_EQ(splitter->Pane(1)->GetView(), view);
    EXPECT_TRUE(Frame()->GetGL2dView()->IsShownOnScreen());
    EXPECT_TRUE(view->IsShownOnScreen());
    EXPECT_EQ(splitter->GetSashPosition(), 2 * Frame()->GetClientSize().x / 3);

    // The 2-D pane is white with the device; the 3-D pane grey around the solid.
    const std::vector<unsigned char> left = Screenshot(Frame()->GetGL2dView());
    const std::vector<unsigned char> right = Screenshot(view);
    EXPECT_GT(CountGrey(right, 140), right.size() / 3 / 4) << "the 3-D background";
    EXPECT_LT(CountGrey(right, 140), right.size() / 3) << "and the device on it";
    EXPECT_EQ(CountGrey(left, 140), 0u);

    // A dragged splitter bar goes back to two thirds at the frame's next sizing.
    splitter->SetSashPosition(200);
    Frame()->SetSize(240, 200, 900, 700);
    PumpEvents(300);
    EXPECT_EQ(splitter->GetSashPosition(), 2 * Frame()->GetClientSize().x / 3);
}

TEST_F(View3dWindow, MouseDragsAndArrowKeysChangeThePicture)
{
    Activate();
    std::vector<unsigned char> before = Shot();
    const CView3dState start = view->State();

    Drag(60, 40, false, true); // turn
    std::vector<unsigned char> after = Shot();
    EXPECT_NE(view->State().rotationY, start.rotationY);
    EXPECT_GT(Changed(before, after), 0.01) << "rotate";

    before = after;
    Drag(-50, 30, true, false); // move
    after = Shot();
    EXPECT_NE(view->State().tx, start.tx);
    EXPECT_GT(Changed(before, after), 0.01) << "move";

    before = after;
    Drag(0, -40, true, true); // zoom
    after = Shot();
    EXPECT_GT(view->State().scaleX, 1.0f);
    EXPECT_GT(Changed(before, after), 0.01) << "zoom";

    before = after;
    sim.MouseMove(Centre());
    PumpEvents(50);
    const float turned = view->State().rotationY;
    for (int k = 0; k < 5; ++k) {
        sim.Char(WXK_LEFT);
        PumpEvents(100);
    }
    after = Shot();
    EXPECT_FLOAT_EQ(view->State().rotationY, turned - 10.0f);
    EXPECT_GT(Changed(before, after), 0.01) << "arrow keys";
}

// The 3-D editor opened on a deck of two z-segments with its companion files.
class View3dDeckWindow : public View3dWindow {
protected:
    std::vector<std::string> CommandLine() override
    {
        const std::string folder = TESSARON_FIXTURES "/sol/corvex_pos/";
        for (const std::string name : {"ridge.sol", "ridge1.layer", "ridge2.layer", "ridge1.gain", "ridge2.gain",
                                       "ridge1.doping", "ridge2.doping", "extra.doping", "ridge2.mater"})
            work.Write(name, FileBytes(folder + name));
        path = work.File("ridge.sol");
        return {"-3", path};
    }
    int ZSegmentsOpened() const override { return 2; }
};

TEST_F(View3dDeckWindow, ShowsBothPanesAndTheMouseAndArrowKeysTurnTheDeck)
{
    EXPECT_EQ(TestApp().GetDocument()->GetPathName(), path);
    EXPECT_TRUE(Frame()->GetSplitter()->IsSplit());
    EXPECT_TRUE(Frame()->GetGL2dView()->IsShownOnScreen());
    EXPECT_TRUE(view->IsShownOnScreen());

    Activate();
    std::vector<unsigned char> before = Shot();
    EXPECT_GT(CountGrey(before, 140), before.size() / 3 / 4) << "the 3-D background";
    EXPECT_LT(CountGrey(before, 140), before.size() / 3) << "and both z-segments on it";

    Drag(60, 40, false, true); // turn
    std::vector<unsigned char> after = Shot();
    EXPECT_GT(Changed(before, after), 0.01) << "rotate";
    before = after;
    Drag(-50, 30, true, false); // move
    after = Shot();
    EXPECT_GT(Changed(before, after), 0.01) << "move";
    before = after;
    Drag(0, -40, true, true); // zoom
    after = Shot();
    EXPECT_GT(Changed(before, after), 0.01) << "zoom";
    before = after;
    sim.MouseMove(Centre());
    PumpEvents(50);
    for (int k = 0; k < 5; ++k) {
        sim.Char(WXK_UP);
        PumpEvents(100);
    }
    after = Shot();
    EXPECT_GT(Changed(before, after), 0.01) << "arrow keys";
}

TEST_F(View3dWindow, TheViewsCommandsReachItWhileItIsTheActiveView)
{
    EXPECT_EQ(Frame()->GetActiveView(), Frame()->GetGL2dView()) << "the 2-D view starts active";
    Frame()->RunCommand(ID_VIEW_PARALLEL);
    EXPECT_FALSE(view->State().parallel) << "the 2-D view does not take it";
    Activate();
    EXPECT_TRUE(Frame()->GetSplitter()->Pane(1)->IsActive());
    EXPECT_FALSE(Frame()->GetSplitter()->Pane(0)->IsActive());

    ASSERT_TRUE(Frame()->IsCommandEnabled(WxId(ID_VIEW_PARALLEL)));
    Frame()->RunCommand(ID_VIEW_PARALLEL);
    EXPECT_TRUE(view->State().parallel);
    Frame()->RunCommand(ID_ZOOM_IN);
    EXPECT_FLOAT_EQ(view->State().zoomY, 1.5f);
    Frame()->RunCommand(ID_3D_ZOOM_Y);
    Frame()->RunCommand(ID_ZOOM_IN);
    EXPECT_FLOAT_EQ(view->State().zoomY, 1.5f) << "zoom Y switched off";
    EXPECT_FLOAT_EQ(view->State().zoomX, 2.25f);
    Frame()->RunCommand(ID_ZOOM_ORIGIN);
    EXPECT_FLOAT_EQ(view->State().zoomX, 1.0f);
    EXPECT_TRUE(view->State().parallel) << "the fit keeps the projection type";

    // "Paste z-segment material" is the document's, whichever view is active.
    const bool thin = view->State().thinLayers;
    Frame()->RunCommand(ID_ZSEG_PASTE_MATERIAL);
    EXPECT_EQ(view->State().thinLayers, thin);

    ScriptedPrompts prompts;
    prompts.AnswerNext(IDOK);
    Frame()->RunCommand(ID_3D_MOVE);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{
                                   "You can drag the left mouse key to move object.\n(This is for your information only)"});
}

TEST_F(View3dWindow, TheRightClickMenuTogglesThinLayersAndListsTheZSegment)
{
    std::vector<CPopupItem3d> items = view->PopupItems();
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[3].text, "z-segment1");
    EXPECT_TRUE(items[3].checked);
    EXPECT_NE(items[0].id, WxId(ID_ZSEG_PASTE_MATERIAL));

    view->OnPopupCommand(items[0].id);
    EXPECT_TRUE(view->State().thinLayers);
    EXPECT_TRUE(view->PopupItems()[0].checked);
}

TEST_F(View3dWindow, AnUpdateWithHint1FitsTheCameraAgainAndKeepsTheProjectionType)
{
    view->State().parallel = true;
    view->State().rotationX = 60;
    view->State().zoomX = 3;
    TestApp().GetDocument()->UpdateAllViews(0);
    EXPECT_FLOAT_EQ(view->State().rotationX, 60.0f);
    TestApp().GetDocument()->UpdateAllViews(1);
    EXPECT_FLOAT_EQ(view->State().rotationX, 15.0f);
    EXPECT_FLOAT_EQ(view->State().zoomX, 1.0f);
    EXPECT_TRUE(view->State().parallel);
}

// The dialog's check, driven through its data exchange without showing it.
void ExpectDialogTakesWholeNumbersFrom30To100(wxWindow* parent)
{
    CViewPointDistanceDlg dialog(parent);
    dialog.SetValue(50);
    ASSERT_TRUE(dialog.DoDataExchange(false));
    EXPECT_EQ(dialog.Edit()->GetValue(), "50");
    const struct {
        const char* text;
        bool ok;
        const char* message;
    } cases[] = {{"70", true, nullptr},
                 {" 100 ", true, nullptr},
                 {"29", false, "Please enter an integer between 30 and 100."},
                 {"101", false, "Please enter an integer between 30 and 100."},
                 {"7x", false, "Please enter an integer."},
                 {"", false, "Please enter an integer."}};
    for (const auto& c : cases) {
        ScriptedPrompts prompts;
        prompts.AllowUnscripted();
        dialog.SetValue(50);
        dialog.Edit()->ChangeValue(c.text);
        EXPECT_EQ(dialog.DoDataExchange(true), c.ok) << c.text;
        EXPECT_EQ(dialog.GetValue(), c.ok ? std::atoi(c.text) : 50) << c.text;
        EXPECT_EQ(prompts.Texts(), c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{})
            << c.text;
    }
}

TEST(ViewPointDistanceDlg, TakesAWholeNumberFrom30To100)
{
    AppTree tree;
    ASSERT_TRUE(StartApp(tree, "tessaron"));
    ExpectDialogTakesWholeNumbersFrom30To100(Frame());
    StopApp();
}

} // namespace

// On a deck of two z-segments the menu's entries choose the z-segment clicked, not always the first.
TEST_F(View3dDeckWindow, TheRightClickMenuChoosesTheClickedZSegment)
{
    std::vector<CPopupItem3d> items = view->PopupItems();
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(items[3].text, "z-segment1");
    EXPECT_EQ(items[4].text, "z-segment2");
    EXPECT_TRUE(items[3].checked);
    EXPECT_FALSE(items[4].checked);

    view->OnPopupCommand(items[4].id);
    EXPECT_EQ(g_nCurZSeg, 2);
    EXPECT_TRUE(view->PopupItems()[4].checked);
    EXPECT_FALSE(view->PopupItems()[3].checked);
    view->OnPopupCommand(items[3].id);
    EXPECT_EQ(g_nCurZSeg, 1);
}
