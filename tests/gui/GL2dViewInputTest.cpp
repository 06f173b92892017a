// The 2-D view under the real mouse: clicks select layers, a drag marks its target and asks the
// frame to paste there, SHIFT pans and both buttons zoom; the hover box shows the layer under the
// mouse; the next-step prompt window shows the prompts of each mode and keeps its place, font and
// colour; the view's commands reach it.

#include "AppHarness.h"
#include "CommandIds.h"
#include "FrameCommands.h"
#include "View2dWindow.h"
#include "app/MainFrame.h"
#include "model/ProcessState.h"
#include "document/TessaronDoc.h"
#include "platform/Profile.h"
#include "render/PromptWindow.h"
#include "support/FakeAppServices.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"
#include "views/GL2dView.h"
#include "views/PromptDlg.h"

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const Rgb kRed{255, 0, 0};
const Rgb kBlack{0, 0, 0};
const Rgb kBoxGround{253, 253, 220};

// The fixture's layers: column 0 (x 0 to 4) and column 1 (x 4 to 7), row 0 from y 0 to 1.
constexpr float kColumn0X = 2.0f, kColumn1X = 5.5f, kRow0Y = 0.5f;
// Longer than the double-click time of the toolkit (400 ms by default).
constexpr int kDoubleClickPause = 700;

class ViewMouse : public ::testing::Test {
protected:
    FakeAppServices app{false}; // the layer builder: a right release opens no menu
    ViewWindow window;
    wxUIActionSimulator sim;

    CGL2dView& View() { return window.View(); }
    const CLayerRec& Layer(int column, int row) { return window.Doc().m_ZSegments[0].Column(column).Layer(row); }
    CClientPoint Client(float x, float y) { return View().ProjectPoint({x, y}); }
    // A point of the view beside every layer: near its top-right corner.
    CClientPoint Beside() { return {View().GetClientSize().x - 60, 40}; }
    wxPoint Screen(CClientPoint p) { return View().ClientToScreen(wxPoint(p.x, p.y)); }
    wxPoint Screen(float x, float y) { return Screen(Client(x, y)); }

    void MoveTo(const wxPoint& p)
    {
        sim.MouseMove(p);
        PumpEvents(50);
    }
    // Moves in four steps from where the mouse is to `to`.
    void DragTo(const wxPoint& from, const wxPoint& to)
    {
        for (int k = 1; k <= 4; ++k) MoveTo(from + (to - from) * k / 4);
    }
};

TEST_F(ViewMouse, AClickSelectsALayerAndADragMarksTheTargetAndSelectsItForThePaste)
{
    const wxPoint source = Screen(kColumn0X, kRow0Y), target = Screen(kColumn1X, kRow0Y);
    MoveTo(source);
    sim.MouseDown();
    PumpEvents(50);
    EXPECT_TRUE(window.Doc().m_bHasSelection);
    EXPECT_EQ(Layer(0, 0).m_nSelected, 1);

    DragTo(source, target);
    EXPECT_EQ(View().InputState().gesture, EGesture2d::LayerDrag);
    EXPECT_EQ(View().InputState().dropTarget, (CLayerRef{1, 0}));
    EXPECT_EQ(Layer(1, 0).m_nRed, 1);
    // The target is drawn red under the dragged rectangle's black frame.
    const CClientRect drag = View().InputState().dragRect;
    const int middle = (drag.top + drag.bottom) / 2;
    EXPECT_EQ(ViewPixel(&View(), {(drag.left + drag.right) / 2, middle}), kRed);
    EXPECT_EQ(ViewPixel(&View(), {drag.left, middle}), kBlack);
    EXPECT_EQ(ViewPixel(&View(), {drag.right - 1, middle}), kBlack);

    sim.MouseUp();
    PumpEvents(100);
    // Layer Copy went to the document, which selects the target for the Layer Paste that the
    // frame receives (the layer commands themselves are the document's).
    EXPECT_EQ(Layer(1, 0).m_nRed, 0);
    EXPECT_EQ(Layer(1, 0).m_nSelected, 1);
    EXPECT_EQ(Layer(0, 0).m_nSelected, 0);
    EXPECT_EQ(View().InputState().gesture, EGesture2d::Idle);
    EXPECT_EQ(ViewPixel(&View(), Client(kColumn1X, kRow0Y)), (Rgb{60, 60, 60})) << "selected: dark grey";
}

TEST_F(ViewMouse, AClickOnTheSelectedLayerOrBesideTheLayersClearsTheSelection)
{
    // Clicks apart by more than the double-click time, so that each is a click of its own.
    const auto click = [this] {
        sim.MouseClick();
        PumpEvents(kDoubleClickPause);
    };
    MoveTo(Screen(kColumn0X, kRow0Y));
    click();
    ASSERT_TRUE(window.Doc().m_bHasSelection);
    click();
    EXPECT_FALSE(window.Doc().m_bHasSelection);
    click();
    ASSERT_TRUE(window.Doc().m_bHasSelection);
    MoveTo(Screen(Beside()));
    click();
    EXPECT_FALSE(window.Doc().m_bHasSelection);
}

TEST_F(ViewMouse, ADoubleClickSelectsTheLayerOnce)
{
    MoveTo(Screen(kColumn0X, kRow0Y));
    sim.MouseDblClick();
    PumpEvents(100);
    EXPECT_TRUE(window.Doc().m_bHasSelection);
    EXPECT_EQ(Layer(0, 0).m_nSelected, 1);
}

TEST_F(ViewMouse, AShiftDragPansTheDeviceWithTheMouse)
{
    const wxPoint from = Screen(Beside()) - wxPoint(100, 0);
    const CModelPoint grabbed = View().UnProjectPoint({Beside().x - 100, Beside().y});
    MoveTo(from);
    sim.KeyDown(WXK_SHIFT);
    sim.MouseDown();
    PumpEvents(50);
    DragTo(from, from + wxPoint(60, 90));
    sim.MouseUp();
    sim.KeyUp(WXK_SHIFT);
    PumpEvents(50);
    const wxPoint client = View().ScreenToClient(from + wxPoint(60, 90));
    const CModelPoint under = View().UnProjectPoint({client.x, client.y});
    EXPECT_NEAR(under.x, grabbed.x, 0.05);
    EXPECT_NEAR(under.y, grabbed.y, 0.05);
    EXPECT_FALSE(window.Doc().m_bHasSelection);
}

TEST_F(ViewMouse, BothButtonsZoomAndTheWheelChangesNothing)
{
    const float sx = View().State().sx;
    const wxPoint from = Screen(Beside()) + wxPoint(0, 100);
    MoveTo(from);
    sim.MouseDown(wxMOUSE_BTN_LEFT);
    PumpEvents(50);
    sim.MouseDown(wxMOUSE_BTN_RIGHT);
    PumpEvents(50);
    DragTo(from, from - wxPoint(0, 20));
    // The right button first: the zoom ends without a menu.
    sim.MouseUp(wxMOUSE_BTN_RIGHT);
    PumpEvents(50);
    sim.MouseUp(wxMOUSE_BTN_LEFT);
    PumpEvents(50);
    EXPECT_NEAR(View().State().sx, sx * 1.2f, sx * 0.03f);
    EXPECT_FLOAT_EQ(View().State().sy, View().State().sx);
    EXPECT_TRUE(View().InputState().contextMenuAllowed);

    const CView2dState before = View().State();
    wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
    wheel.m_wheelRotation = 120;
    wheel.m_wheelDelta = 120;
    wheel.SetPosition(wxPoint(50, 50));
    View().GetEventHandler()->ProcessEvent(wheel);
    PumpEvents(50);
    EXPECT_EQ(View().State().sx, before.sx);
    EXPECT_EQ(View().State().tx, before.tx);
    EXPECT_EQ(View().State().ty, before.ty);
}

TEST_F(ViewMouse, TheHoverBoxShowsTheLayerUnderTheMouseAndGoesBesideTheLayers)
{
    MoveTo(Screen(kColumn0X, kRow0Y));
    ASSERT_TRUE(View().GetInfoBox().IsShown());
    const std::vector<std::string>& lines = View().GetInfoBox().GetLines();
    ASSERT_GE(lines.size(), 18u);
    EXPECT_EQ(lines[0], "Column No.: 1");
    EXPECT_EQ(lines[1], "Column width: 4.00");
    EXPECT_EQ(lines[6], "Layer No.: 1");
    EXPECT_EQ(lines[8], "Bulk_macro: GaAs");
    // Drawn at the view's top-left corner, on its light yellow ground.
    const CInfoBoxLayout& box = View().GetInfoBox().GetLayout();
    EXPECT_GT(box.width, 100);
    EXPECT_GT(box.height, 18 * 8);
    EXPECT_EQ(ViewPixel(&View(), {box.width / 2, 2}), kBoxGround);
    EXPECT_EQ(ViewPixel(&View(), {box.width - 5, box.height - 5}), kBoxGround);

    MoveTo(Screen(Beside()));
    EXPECT_FALSE(View().GetInfoBox().IsShown());
    EXPECT_NE(ViewPixel(&View(), {box.width / 2, 2}), kBoxGround);

    // With the Layer Info option switched off through its command no box comes.
    ASSERT_EQ(View().m_nLayerInfo, 1);
    wxCommandEvent layerInfo(wxEVT_MENU, WxId(ID_VIEW_LAYER_INFO));
    View().GetEventHandler()->ProcessEvent(layerInfo);
    EXPECT_EQ(View().m_nLayerInfo, 0);
    MoveTo(Screen(kColumn1X, kRow0Y));
    EXPECT_FALSE(View().GetInfoBox().IsShown());
    View().GetEventHandler()->ProcessEvent(layerInfo);
    EXPECT_EQ(View().m_nLayerInfo, 1);
}

TEST(GL2dView, ThePromptFontWaitsForThePromptWindow)
{
    ScriptedPrompts prompts; // an unexpected font dialog fails the test
    CTessaronDoc doc;
    auto* frame = new wxFrame(nullptr, wxID_ANY, "2-D view");
    auto* view = new CGL2dView(frame, &doc);
    ASSERT_EQ(view->GetPromptDlg(), nullptr) << "made at the first timer tick";
    view->SetPromptFont();
    EXPECT_TRUE(prompts.FontDialogs().empty());
    frame->Destroy();
    PumpEvents(50);
}

TEST(GL2dView, ThePromptWindowKeepsItsPlaceFontAndColourInTheSettings)
{
    Profile().WriteProfileString("CPromptDlg", "left-top", "900, 40, 260, 150");
    Profile().WriteProfileString("CPromptDlg", "prompt-font", "DejaVu Serif, -11");
    Profile().WriteProfileString("CPromptDlg", "font-color", "32768");
    {
        ViewWindow window;
        CPromptDlg* prompt = window.View().GetPromptDlg();
        ASSERT_NE(prompt, nullptr);
        EXPECT_TRUE(prompt->IsShown());
        EXPECT_EQ(prompt->GetTitle(), "Next step prompt");
        EXPECT_EQ(prompt->GetScreenRect(), wxRect(900, 40, 260, 150));
        const wxFont font = prompt->GetTextBox()->GetFont();
        EXPECT_EQ(font.GetFaceName(), "DejaVu Serif");
        EXPECT_EQ(font.GetPointSize(), 11);
        EXPECT_EQ(prompt->GetTextBox()->GetForegroundColour(), wxColour(0, 128, 0));
        EXPECT_EQ(prompt->GetTextBox()->GetBackgroundColour(), wxColour(253, 253, 220));
        prompt->SetSize(880, 60, 280, 160);
        PumpEvents(50);
    }
    EXPECT_EQ(Profile().GetProfileString("CPromptDlg", "left-top"), "880, 60, 280, 160");
    EXPECT_EQ(Profile().GetProfileString("CPromptDlg", "prompt-font"), "DejaVu Serif, -11");
    EXPECT_EQ(Profile().GetProfileString("CPromptDlg", "font-color"), "32768");

    // A face name longer than the font record holds comes back cut; a place beyond the screen's
    // right edge is moved back onto it.
    Profile().WriteProfileString("CPromptDlg", "left-top", "1200, 60, 280, 160");
    Profile().WriteProfileString("CPromptDlg", "prompt-font", std::string(60, 'Q') + ", -9");
    {
        ViewWindow window;
        CPromptDlg* prompt = window.View().GetPromptDlg();
        ASSERT_NE(prompt, nullptr);
        EXPECT_EQ(prompt->m_font.faceName, std::string(31, 'Q'));
        EXPECT_EQ(prompt->GetScreenRect().GetRight() + 1, wxGetDisplaySize().x);
    }
    EXPECT_EQ(Profile().GetProfileString("CPromptDlg", "prompt-font"), std::string(31, 'Q') + ", -9");
    Profile().WriteProfileString("CPromptDlg", "prompt-font", "");
    Profile().WriteProfileString("CPromptDlg", "font-color", "");
}

// ---- the running program ----

class ProgramView : public ::testing::Test {
protected:
    AppTree tree;
    TempFolder work;
    wxUIActionSimulator sim;
    CGL2dView* view = nullptr;

    // Starts the program on the two-column fixture; the frame in a corner of its own.
    void Start(const char* program)
    {
        std::ifstream in(TESSARON_FIXTURES "/layer/ridge_two_columns.layer", std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        ASSERT_TRUE(StartApp(tree, program, {work.Write("ridge.layer", bytes.str())}));
        Frame()->SetSize(20, 20, 800, 600);
        PumpEvents(400);
        view = Frame()->GetGL2dView();
        ASSERT_NE(view, nullptr);
        ASSERT_GE(g_nZSegCount, 1);
        ASSERT_NE(view->GetPromptDlg(), nullptr);
    }
    // Starts the 3-D editor on the fixture deck of two z-segments.
    void StartOnDeck()
    {
        const std::string folder = TESSARON_FIXTURES "/sol/corvex_pos/";
        for (const std::string name : {"ridge.sol", "ridge1.layer", "ridge2.layer", "ridge1.gain", "ridge2.gain",
                                       "ridge1.doping", "ridge2.doping", "extra.doping", "ridge2.mater"}) {
            std::ifstream in(folder + name, std::ios::binary);
            std::stringstream bytes;
            bytes << in.rdbuf();
            work.Write(name, bytes.str());
        }
        ASSERT_TRUE(StartApp(tree, "tessaron", {"-3", work.File("ridge.sol")}));
        Frame()->SetSize(20, 20, 800, 600);
        PumpEvents(400);
        view = Frame()->GetGL2dView();
        ASSERT_NE(view, nullptr);
        ASSERT_EQ(g_nZSegCount, 2);
        ASSERT_EQ(g_nCurZSeg, 1);
    }
    void TearDown() override { StopApp(); }

    CZSegment& Segment() { return TestApp().GetDocument()->m_ZSegments[0]; }
    // The screen point at the centre of a layer of the current z-segment.
    wxPoint LayerCentre(int column, int row)
    {
        TestApp().GetDocument()->PrepareDrawing(true, view->GetContactBarThickness());
        const CLayerRec& layer = Segment().GetColumn(column).GetLayer(row);
        const CClientPoint p = view->ProjectPoint(
            {(layer.m_A.x + layer.m_B.x + layer.m_C.x + layer.m_D.x) / 4, (layer.m_A.y + layer.m_C.y) / 2});
        return view->ClientToScreen(wxPoint(p.x, p.y));
    }
    void MoveTo(const wxPoint& p)
    {
        sim.MouseMove(p);
        PumpEvents(50);
    }
    std::string Shown() { return view->GetPromptDlg()->GetShownText(); }
};

TEST_F(ProgramView, ARealMouseDragAsksTheFrameToPasteOnTheTargetAndARightClickToModify)
{
    Start("brenvik");
    CTessaronDoc& doc = *TestApp().GetDocument();
    ASSERT_EQ(Segment().GetColumn(0).GetLayersInUse(), 4);
    ASSERT_EQ(Segment().GetColumn(1).GetLayersInUse(), 4);
    ASSERT_FALSE(doc.UndoHistory().CanUndo());
    // The paste the drag asks for reaches the frame and runs there.
    CommandRecorder recorder;
    recorder.letRun = true;
    Frame()->PushEventHandler(&recorder);
    const wxPoint source = LayerCentre(0, 0), target = LayerCentre(1, 0);
    MoveTo(source);
    sim.MouseDown();
    PumpEvents(50);
    for (int k = 1; k <= 4; ++k) MoveTo(source + (target - source) * k / 4);
    sim.MouseUp();
    PumpEvents(100);
    EXPECT_EQ(recorder.ids, std::vector<int>{ID_LAYER_PASTE});
    // The substrate of column 0 copied above the target, the trench's substrate: the trench's
    // layers above it moved up a row, and the row its void top layer then stood alone in was
    // tidied away. Column 0 is as it was.
    const CColumnRec& trench = Segment().GetColumn(1);
    std::vector<std::string> names;
    for (int r = 0; r < trench.GetLayersInUse(); ++r) names.push_back(trench.GetLayer(r).m_Material.m_Bulk.m_strName);
    EXPECT_EQ(names, (std::vector<std::string>{"gaas", "gaas", "sio2", "mystery_alloy"}));
    EXPECT_TRUE(trench.GetLayer(1).m_Material == Segment().GetColumn(0).GetLayer(0).m_Material);
    EXPECT_EQ(Segment().GetColumn(0).GetLayersInUse(), 4);
    EXPECT_EQ(Segment().GetColumn(0).GetLayer(1).m_Material.m_Bulk.m_strName, "algaas_old_style");
    EXPECT_EQ(trench.GetLayer(0).m_nRed, 0) << "the drop mark is gone";
    EXPECT_EQ(Segment().m_nSelectedColumn, 1);
    EXPECT_EQ(Segment().m_nSelectedRow, 1) << "the pasted layer";
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.UndoHistory().CanUndo());
    EXPECT_EQ(Shown().rfind("a)Right-click to modify,", 0), 0u) << "the layer prompt";

    recorder.ids.clear();
    recorder.letRun = false;
    MoveTo(LayerCentre(0, 1));
    sim.MouseClick(wxMOUSE_BTN_RIGHT);
    PumpEvents(100);
    EXPECT_EQ(recorder.ids, std::vector<int>{ID_LAYER_MODIFY});
    EXPECT_EQ(Segment().m_nSelectedColumn, 0);
    EXPECT_EQ(Segment().m_nSelectedRow, 1);
    Frame()->PopEventHandler();

    // A click beside the device: the prompt for moving it.
    const wxPoint corner = view->ClientToScreen(wxPoint(5, view->GetClientSize().y - 5));
    MoveTo(corner);
    sim.MouseClick();
    PumpEvents(100);
    EXPECT_EQ(Shown(), "Drag to move the device,or press two buttons to zoom in or out ");
}

TEST_F(ProgramView, ARealCtrlDragMovesTheLayerAboveTheTargetItDroppedOn)
{
    Start("brenvik");
    CTessaronDoc& doc = *TestApp().GetDocument();
    // The trench's substrate dragged onto its grating layer, two rows up, with CTRL held.
    const wxPoint source = LayerCentre(1, 0), target = LayerCentre(1, 2);
    MoveTo(source);
    sim.KeyDown(WXK_CONTROL);
    sim.MouseDown();
    PumpEvents(50);
    for (int k = 1; k <= 4; ++k) MoveTo(source + (target - source) * k / 4);
    sim.MouseUp();
    sim.KeyUp(WXK_CONTROL);
    PumpEvents(100);
    // The cut moved the target down a row; the paste followed it, so the substrate now lies on
    // the grating layer and under the void top layer.
    const CColumnRec& trench = Segment().GetColumn(1);
    std::vector<std::string> names;
    for (int r = 0; r < trench.GetLayersInUse(); ++r) names.push_back(trench.GetLayer(r).m_Material.m_Bulk.m_strName);
    EXPECT_EQ(names, (std::vector<std::string>{"sio2", "mystery_alloy", "gaas", "void macro"}));
    EXPECT_EQ(Segment().GetColumn(0).GetLayersInUse(), 4);
    EXPECT_EQ(Segment().m_nSelectedColumn, 1);
    EXPECT_EQ(Segment().m_nSelectedRow, 2) << "the moved layer";

    // Cut and paste are one step each to undo.
    doc.OnCommand(ID_EDIT_UNDO);
    doc.OnCommand(ID_EDIT_UNDO);
    // Undo puts back the column the snapshot held: read it anew.
    const CColumnRec& restored = Segment().GetColumn(1);
    names.clear();
    for (int r = 0; r < restored.GetLayersInUse(); ++r)
        names.push_back(restored.GetLayer(r).m_Material.m_Bulk.m_strName);
    EXPECT_EQ(names, (std::vector<std::string>{"gaas", "sio2", "mystery_alloy", "void macro"}));
}

TEST_F(ProgramView, ThePromptWindowShowsTheSixPromptsOfEachMode)
{
    for (const char* program : {"brenvik", "tessaron"}) {
        SCOPED_TRACE(program);
        Start(program);
        const bool builder = std::string(program) == "brenvik";
        EXPECT_TRUE(view->GetPromptDlg()->IsShown());
        EXPECT_EQ(view->GetPromptDlg()->GetCurrentPrompt(), 5) << "a file was opened";
        for (int i = 0; i < kPromptCount; ++i) {
            Frame()->ShowNextStepPrompt(i);
            PumpEvents(60);
            EXPECT_EQ(view->GetPromptDlg()->GetCurrentPrompt(), i);
            EXPECT_EQ(Shown(), PromptDisplayText(PromptTable(builder)[i])) << i;
            wxString expected = wxString::FromUTF8(Shown());
            expected.Replace("\r\n", "\n");
            EXPECT_EQ(view->GetPromptDlg()->GetTextBox()->GetValue(), expected) << i;
        }
        Frame()->ShowNextStepPrompt(2);
        PumpEvents(60);
        const std::string start = builder ? "a)Right-click to modify, \r\n\r\nb) Drag"
                                          : "a)Right-click to modify, \r\n\r\nb)Drag ";
        EXPECT_EQ(Shown().substr(0, start.size()), start);
        Frame()->ShowNextStepPrompt(5);
        PumpEvents(60);
        EXPECT_EQ(Shown(), "     Please choose a layer to edit.");
        // Without a z-segment (File New) every request shows prompt 0.
        Frame()->RunCommand(ID_FILE_NEW);
        PumpEvents(60);
        ASSERT_EQ(g_nZSegCount, 0);
        view->StartPrompt(3);
        PumpEvents(60);
        EXPECT_EQ(view->GetPromptDlg()->GetCurrentPrompt(), 0);
        StopApp();
    }
}

TEST_F(ProgramView, ThePromptWindowCommandHidesAndShowsItAndKeepsTheOption)
{
    Start("brenvik");
    CPromptDlg* prompt = view->GetPromptDlg();
    UpdateMenus(Frame());
    EXPECT_TRUE(Frame()->GetMenuBar()->IsChecked(WxId(ID_VIEW_PROMPT_WINDOW)));
    Frame()->RunCommand(ID_VIEW_PROMPT_WINDOW);
    EXPECT_FALSE(prompt->IsShown());
    EXPECT_EQ(view->m_nPromptWnd, 0);
    UpdateMenus(Frame());
    EXPECT_FALSE(Frame()->GetMenuBar()->IsChecked(WxId(ID_VIEW_PROMPT_WINDOW)));
    Frame()->RunCommand(ID_VIEW_PROMPT_WINDOW);
    EXPECT_TRUE(prompt->IsShown());
    Frame()->RunCommand(ID_VIEW_PROMPT_WINDOW);
    StopApp();
    EXPECT_EQ(ProfileStringFromFile("CGL2dView", "Layer_ViewPromptWnd"), "0");
    EXPECT_FALSE(ProfileStringFromFile("CPromptDlg", "left-top").empty());
    EXPECT_EQ(ProfileStringFromFile("CPromptDlg", "prompt-font"), "Arial, -10");
    EXPECT_EQ(ProfileStringFromFile("CMyToolTip", "prompt-font"), "Courier New, -8");
    EXPECT_EQ(ProfileStringFromFile("CMyToolTip", "font-color"), "9");
}

TEST_F(ProgramView, TheZoomAndLayerInfoCommandsReachTheView)
{
    Start("brenvik");
    Frame()->RunCommand(ID_ZOOM_ORIGIN); // fitted to the frame's present size
    const float sx = view->State().sx, sy = view->State().sy;
    Frame()->RunCommand(ID_ZOOM_IN);
    EXPECT_FLOAT_EQ(view->State().sx, sx * 1.5f);
    Frame()->RunCommand(ID_ZOOM_ONLY_Y);
    UpdateMenus(Frame());
    EXPECT_TRUE(Frame()->GetMenuBar()->IsChecked(WxId(ID_ZOOM_ONLY_Y)));
    EXPECT_FALSE(Frame()->GetMenuBar()->IsChecked(WxId(ID_ZOOM_BOTH)));
    Frame()->RunCommand(ID_ZOOM_OUT);
    EXPECT_FLOAT_EQ(view->State().sx, sx * 1.5f);
    EXPECT_FLOAT_EQ(view->State().sy, sy * 1.5f * 0.6666667f);
    Frame()->RunCommand(ID_ZOOM_BOTH);
    Frame()->RunCommand(ID_ZOOM_ORIGIN);
    EXPECT_NEAR(view->State().sx, sx, sx * 0.01f);

    const int info = view->m_nLayerInfo;
    Frame()->RunCommand(ID_VIEW_LAYER_INFO);
    EXPECT_EQ(view->m_nLayerInfo, 1 - info);
    const int spacing = view->m_nMinSpacing;
    Frame()->RunCommand(ID_OPTIONS_MIN_SPACING);
    EXPECT_EQ(view->m_nMinSpacing, 1 - spacing);

    // Without a z-segment (File New) the zoom commands are disabled.
    EXPECT_TRUE(Frame()->IsCommandEnabled(WxId(ID_ZOOM_IN)));
    Frame()->RunCommand(ID_FILE_NEW);
    ASSERT_EQ(g_nZSegCount, 0);
    EXPECT_FALSE(Frame()->IsCommandEnabled(WxId(ID_ZOOM_IN)));
    EXPECT_FALSE(Frame()->IsCommandEnabled(WxId(ID_ZOOM_OUT)));
}

TEST_F(ProgramView, TheZSegmentMenuOfThe3dEditorChoosesTheClickedZSegment)
{
    StartOnDeck();
    const std::vector<CPopupItem> items = view->PopupItems();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].text, "z-segment1");
    EXPECT_EQ(items[0].id, 200);
    EXPECT_TRUE(items[0].checked);
    EXPECT_EQ(items[1].text, "z-segment2");
    EXPECT_FALSE(items[1].checked);
    view->OnPopupCommand(items[1].id);
    EXPECT_EQ(g_nCurZSeg, 2);
    EXPECT_TRUE(view->PopupItems()[1].checked);
    view->OnPopupCommand(items[0].id);
    EXPECT_EQ(g_nCurZSeg, 1);
}

} // namespace
