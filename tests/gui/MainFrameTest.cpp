// The main frame as the user meets it: menus, shortcuts, tool bar, status bar and closing.

#include "AppHarness.h"
#include "FrameCommands.h"
#include "CommandIds.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"
#include "support/FileBytes.h"
#include "app/MainFrame.h"
#include "model/ProcessState.h"
#include "document/TessaronDoc.h"

#include <gtest/gtest.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>
#include <wx/uiaction.h>

#include <sstream>

namespace {

// A menu bar written as "Title: label[id] | - | label[id] ..." per menu, one menu a line;
// shortcut texts stay in the labels after a tab, written here as "\t".
std::string Describe(wxMenuBar* bar)
{
    std::ostringstream s;
    for (size_t m = 0; m < bar->GetMenuCount(); ++m) {
        s << bar->GetMenuLabel(m).ToStdString() << ":";
        const wxMenuItemList& items = bar->GetMenu(m)->GetMenuItems();
        for (const wxMenuItem* item : items) {
            if (item->IsSeparator()) {
                s << " -";
                continue;
            }
            std::string label = item->GetItemLabel().ToStdString();
            const size_t tab = label.find('\t');
            if (tab != std::string::npos)
                label.replace(tab, 1, ",");
            s << " " << label << "[" << CommandIdOfWx(item->GetId()) << "]";
        }
        s << "\n";
    }
    return s.str();
}

const char* const kBuilderMenus =
    "&File: &New,Ctrl+N[57600] &Open...,Ctrl+O[57601] Close[57600] - &Save,Ctrl+S[57603] Save &As...[57604] - "
    "Import Excel[32890] Export Excel[32891] Export && Open Excel[32892] - Recent File[57616] - E&xit[57665]\n"
    "&Edit: &Undo,Ctrl+Z[57643] &Redo,Ctrl+Y[57644]\n"
    "&Layer: New &Layer,Ctrl+L[32772] Cu&t,Ctrl+X[32773] &Copy,Ctrl+C[32774] &Paste,Ctrl+V[32775] - "
    "&Paste Material only,Ctrl+M[32918] Paste toltal layer Material[32930] Paste toltal column Material[32931] - "
    "Mo&dify,Ctrl+D[32778]\n"
    "&Column: New Co&lumn,Alt+L[32780] Cu&t,Alt+X[32781] &Copy,Alt+C[32782] &Paste,Alt+V[32783]\n"
    "Mesh: Plot mesh[32912] Clear mesh[32913]\n"
    "Series: Series[32903]\n"
    "Insert: Insert hori line[32916] Insert verti line[32917]\n"
    "&Options: Zoom Origin[32835] - Only Zoom X[32875] Only Zoom Y[32876] Zoom Both X ,Y[32877] - "
    "Layer info. window font[32896] Next step prompt font[32895] - Set minimum spacing[32935]\n"
    "View: ToolBar[59392] StatusBar[59393] - Back Grid[32888] Layer Info[32889] - Prompt Window[32894]\n"
    "&Help: User manual[32893] - &About Layer...[57664]\n";

const char* const k3dMenus =
    "&File: &New,Ctrl+N[57600] &Open...,Ctrl+O[57601] Close[57600] - &Save,Ctrl+S[57603] Save &As...[57604] - "
    "Import Excel[32890] Export Excel[32891] Export && Open Excel[32892] - Recent File[57616] - E&xit[57665]\n"
    "&Edit: Undo[57643] Redo[57644]\n"
    "&Layer: New &Layer,Ctrl+L[32772] Cu&t,Ctrl+X[32773] &Copy,Ctrl+C[32774] &Paste,Ctrl+V[32775] - "
    "&Paste Material only,Ctrl+M[32918] Paste toltal layer Material[32930] Paste toltal column Material[32931] - "
    "Mo&dify,Ctrl+D[32778]\n"
    "&Column: New Co&lumn,Alt+L[32780] Cu&t,Alt+X[32781] &Copy,Alt+C[32782] &Paste,Alt+V[32783]\n"
    "Mesh: Plot current seg mesh[32912] Clear current seg mesh[32913] - Plot all seg mesh[32914] "
    "Clear all seg mesh[32915]\n"
    "Insert: Insert hori line[32916] Insert verti line[32917]\n"
    "Z-segmen&t: Current z-segment property[32869] New &z-segment,Alt+Z[32802] - Copy z-segment[32937] "
    "Paste z-segment[32938] - Copy z-segment  material[32934] Paste z-segment material[32936] "
    "&Delete z-segment,Alt+D[32818]\n"  // no z-segment to list: no separator either
    "&Options: Zoom Ori&gin,Alt+G[32835] - Only Zoom X (2D View)[32875] Only Zoom Y (2D View)[32876] "
    "Zoom Both X ,Y (2D View)[32877] - Move[32872] Rotation[32871] Zoom[32873] Zoom X (3D View)[32897] "
    "Zoom Y (3D View)[32898] Zoom Z (3D View)[32899] - Parallel View[32866] Perspective View[32867] "
    "View Point Distance[32870] - Layer info. window font[32896] Next step prompt font[32895] - Corvex3D[32901] "
    "Lumivo3D[32902] - Cylinder coordinate[32932] Set minimum spacing[32935]\n"
    "View: ToolBar[59392] StatusBar[59393] - Back Grid[32888] Layer Info[32889] - Promp Window[32894]\n"
    "&Help: User manual[32893] - &About Layer...[57664]\n";

std::string DescribeTools(wxToolBar* bar)
{
    std::ostringstream s;
    for (size_t i = 0; i < bar->GetToolsCount(); ++i) {
        const wxToolBarToolBase* tool = bar->GetToolByPos(int(i));
        if (tool->IsSeparator())
            s << "| ";
        else
            s << CommandIdOfWx(tool->GetId()) << " " << tool->GetShortHelp().ToStdString() << ", ";
    }
    return s.str();
}

const char* const kBuilderTools =
    "57600 New, 57601 Open, 57603 Save, | 57643 Undo, 57644 Redo, | 32780 New Column, 32781 Column Cut, "
    "32782 Column Copy, 32783 Column Paste, | 32772 New Layer, 32773 Layer Cut, 32774 Layer Copy, "
    "32775 Layer Paste, 32918 Paste Material only, | 32887 Move scene, 32784 Zoom In, 32790 Zoom Out, "
    "32835 Zoom Origin, ";

const char* const k3dTools =
    "57600 New, 57601 Open, 57603 Save, | 57643 Undo, 57644 Redo, | 32802 New z-segment, 32818 Delete z-segment, | "
    "32780 New Column, 32781 Column Cut, 32782 Column Copy, 32783 Column Paste, | 32772 New Layer, "
    "32773 Layer Cut, 32774 Layer Copy, 32775 Layer Paste, 32918 Paste Material only, | 32887 Move scene, "
    "32784 Zoom In, 32790 Zoom Out, 32835 Zoom Origin, | 32866 Parallel Projection, "
    "32867 Perspective Projection, 32870 Change Distance, ";

}  // namespace

TEST(MainFrame, MenusToolBarAndStatusBarOfBothModes)
{
    const struct {
        const char* program;
        const char* menus;
        const char* tools;
    } cases[] = {{"brenvik", kBuilderMenus, kBuilderTools}, {"tessaron", k3dMenus, k3dTools}};
    AppTree tree;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program);
        ScriptedPrompts prompts;
        ASSERT_TRUE(StartApp(tree, c.program));
        CMainFrame* frame = Frame();
        EXPECT_EQ(Describe(frame->GetMenuBar()), c.menus);
        PumpEvents(300);  // the frame's timer swaps in the menu with pictures
        EXPECT_EQ(Describe(frame->GetMenuBar()), c.menus);
        EXPECT_TRUE(frame->GetMenuBar()->FindItem(WxId(ID_FILE_NEW))->GetBitmap().IsOk());
        EXPECT_FALSE(frame->GetMenuBar()->IsEnabled(WxId(ID_FILE_MRU_FILE1)));  // no recent file yet

        EXPECT_EQ(DescribeTools(frame->GetToolBar()), c.tools);
        const wxSize picture = frame->GetToolBar()->GetToolBitmapSize();
        EXPECT_EQ(picture, wxSize(16, 15));

        wxStatusBar* status = frame->GetStatusBar();
        ASSERT_EQ(status->GetFieldsCount(), 5);
        EXPECT_EQ(status->GetStatusText(0), "Ready");
        EXPECT_EQ(status->GetStatusText(1), "Prompt");
        for (int pane = 2; pane < 5; ++pane)
            EXPECT_TRUE(status->GetStatusText(pane).empty() || status->GetStatusText(pane) == "CAP" ||
                        status->GetStatusText(pane) == "NUM" || status->GetStatusText(pane) == "SCRL");
        StopApp();
    }
}

TEST(MainFrame, ShortcutsSendTheirCommands)
{
    AppTree tree;
    for (const char* program : {"brenvik", "tessaron"}) {
        SCOPED_TRACE(program);
        ScriptedPrompts prompts;
        ASSERT_TRUE(StartApp(tree, program));
        CMainFrame* frame = Frame();
        wxUIActionSimulator sim;
        // Without a window manager the keyboard follows the pointer: put it over the view, with
        // the frame in a corner where the frames of tests running beside this one never lie.
        frame->SetSize(1000, 744, 280, 280);
        PumpEvents(200);
        wxWindow* view = frame->GetActiveView();
        sim.MouseMove(view->ClientToScreen(wxPoint(view->GetClientSize().x / 2, view->GetClientSize().y / 2)));
        frame->Raise();
        view->SetFocus();
        PumpEvents(300);
        CommandRecorder recorder;
        frame->PushEventHandler(&recorder);
        const struct {
            int key;
            int modifiers;
            int id;
        } keys[] = {
            {'N', wxMOD_CONTROL, ID_FILE_NEW}, {'O', wxMOD_CONTROL, ID_FILE_OPEN}, {'S', wxMOD_CONTROL, ID_FILE_SAVE},
            {'Z', wxMOD_CONTROL, ID_EDIT_UNDO}, {'Y', wxMOD_CONTROL, ID_EDIT_REDO}, {'L', wxMOD_CONTROL, ID_LAYER_NEW},
            {'X', wxMOD_CONTROL, ID_LAYER_CUT}, {WXK_DELETE, 0, ID_LAYER_CUT}, {'C', wxMOD_CONTROL, ID_LAYER_COPY},
            {'V', wxMOD_CONTROL, ID_LAYER_PASTE}, {'D', wxMOD_CONTROL, ID_LAYER_MODIFY},
            {'L', wxMOD_ALT, ID_COLUMN_NEW}, {'X', wxMOD_ALT, ID_COLUMN_CUT}, {WXK_DELETE, wxMOD_CONTROL, ID_COLUMN_CUT},
            {'C', wxMOD_ALT, ID_COLUMN_COPY}, {'V', wxMOD_ALT, ID_COLUMN_PASTE}, {'Z', wxMOD_ALT, ID_ZSEG_NEW},
            {'D', wxMOD_ALT, ID_ZSEG_DELETE}, {'G', wxMOD_ALT, ID_ZOOM_ORIGIN}, {'S', wxMOD_ALT, ID_ALT_S},
            {'C', wxMOD_SHIFT, ID_SHIFT_C}, {'M', wxMOD_ALT, ID_ALT_M}, {'I', wxMOD_ALT, ID_ALT_I},
            {'O', wxMOD_ALT, ID_ALT_O}, {'R', wxMOD_ALT, ID_ALT_R}, {'W', wxMOD_ALT, ID_ALT_W},
        };
        for (const auto& k : keys) {
            recorder.ids.clear();
            sim.Char(k.key, k.modifiers);
            PumpEvents(50);
            EXPECT_EQ(recorder.ids, std::vector<int>{k.id}) << "key " << k.key << " modifiers " << k.modifiers;
        }
        frame->PopEventHandler();
        StopApp();
    }
}

TEST(MainFrame, CloseCancelledAtTheSavePromptKeepsTheFrameOpen)
{
    AppTree tree;
    TempFolder work;
    ScriptedPrompts prompts;
    const std::string example = std::string(TESSARON_FIXTURES) + "/../../examples/ridge.layer";
    const std::string path = work.Write("ridge.layer", FileBytes(example));
    ASSERT_TRUE(StartApp(tree, "brenvik", {path}));
    // A layer copied and pasted through the Layer menu leaves a changed document.
    CTessaronDoc* doc = TestApp().GetDocument();
    doc->SetSelection(0, 0, 0);
    Frame()->RunCommand(ID_LAYER_COPY);
    Frame()->RunCommand(ID_LAYER_PASTE);
    ASSERT_TRUE(doc->IsModified());
    prompts.AnswerNext(IDCANCEL);
    Frame()->Close(false);
    PumpEvents();
    ASSERT_NE(Frame(), nullptr);
    EXPECT_EQ(Frame()->m_bClosing, 0);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Save changes to " + path + "?"});
    EXPECT_EQ(FileBytes(path), FileBytes(example)) << "nothing saved";
    StopApp();
}

TEST(MainFrame, MoveSceneTellsHowToScroll)
{
    AppTree tree;
    ScriptedPrompts prompts;
    ASSERT_TRUE(StartApp(tree, "tessaron"));  // the caption is the application's in both modes
    prompts.AnswerNext(IDOK);
    Frame()->RunCommand(ID_MOVE_SCENE);
    EXPECT_EQ(prompts.Texts(),
              std::vector<std::string>{"   Please press the shift key and move mouse \n to scroll layer scene!"});
    EXPECT_EQ(prompts.Shown_()[0].caption, "Brenvik");
    StopApp();
}

TEST(MainFrame, OpenDialogOffersTheFilesOfTheMode)
{
    AppTree tree;
    const struct {
        const char* program;
        const char* filter;
    } cases[] = {{"brenvik", "Layer Files(*.layer)|*.layer||"},
                 {"tessaron", "3d Sol Files(*.sol)|*.sol|Layer Files(*.layer)|*.layer||"}};
    for (const auto& c : cases) {
        ScriptedPrompts prompts;
        ASSERT_TRUE(StartApp(tree, c.program));
        prompts.ChooseFileNext("");  // Cancel: nothing happens
        Frame()->RunCommand(ID_FILE_OPEN);
        ASSERT_EQ(prompts.FileDialogs().size(), 1u);
        EXPECT_TRUE(prompts.FileDialogs()[0].open);
        EXPECT_EQ(prompts.FileDialogs()[0].filter, c.filter);
        EXPECT_EQ(Frame()->GetTitle().ToStdString().rfind("Untitled - ", 0), 0u);
        StopApp();
    }
}

TEST(MainFrame, ViewCommandsShowAndHideTheBarsAndExitCloses)
{
    AppTree tree;
    ScriptedPrompts prompts;
    ASSERT_TRUE(StartApp(tree, "brenvik"));
    CMainFrame* frame = Frame();
    for (int id : {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR}) {
        wxWindow* bar = id == ID_VIEW_TOOLBAR ? static_cast<wxWindow*>(frame->GetToolBar())
                                              : static_cast<wxWindow*>(frame->GetStatusBar());
        frame->RunCommand(id);
        EXPECT_FALSE(bar->IsShown()) << id;
        frame->RunCommand(id);
        EXPECT_TRUE(bar->IsShown()) << id;
    }
    frame->RunCommand(ID_APP_EXIT);
    PumpEvents();
    EXPECT_EQ(Frame(), nullptr);
    StopApp();
}

TEST(MainFrame, CommandsNobodyHandlesAreDisabled)
{
    AppTree tree;
    ScriptedPrompts prompts;
    ASSERT_TRUE(StartApp(tree, "brenvik"));
    CMainFrame* frame = Frame();
    for (int id : {ID_SHIFT_C, ID_ALT_M, ID_ALT_I, ID_ALT_O, ID_ALT_R, ID_ALT_W})
        EXPECT_FALSE(frame->IsCommandEnabled(WxId(id))) << id;
    // Layer Info is the 2-D view's; Zoom In, also the view's, waits for a z-segment in use.
    for (int id : std::vector<int>{ID_FILE_NEW, ID_FILE_OPEN, ID_APP_EXIT, ID_MOVE_SCENE, ID_VIEW_LAYER_INFO,
                                   ID_VIEW_TOOLBAR})
        EXPECT_TRUE(frame->IsCommandEnabled(WxId(id))) << id;
    EXPECT_FALSE(frame->IsCommandEnabled(WxId(ID_ZOOM_IN)));
    StopApp();
}

namespace {

// The labels of a menu behind position `from`, "-" for a separator and "*" before a checked item.
std::vector<std::string> MenuTail(wxMenu* menu, size_t from)
{
    std::vector<std::string> tail;
    const wxMenuItemList& items = menu->GetMenuItems();
    for (size_t i = from; i < items.size(); ++i) {
        const wxMenuItem* item = items[i];
        if (item->IsSeparator())
            tail.push_back("-");
        else
            tail.push_back((item->IsCheckable() && item->IsChecked() ? "*" : "") + item->GetItemLabel().ToStdString());
    }
    return tail;
}

}  // namespace

TEST(MainFrame, CheckMarksOfMenusAndToolButtonsFollowTheirRules)
{
    const std::string example = std::string(TESSARON_FIXTURES) + "/../../examples/ridge.layer";
    AppTree tree;
    for (const char* program : {"brenvik", "tessaron"}) {
        SCOPED_TRACE(program);
        ScriptedPrompts prompts;
        ASSERT_TRUE(StartApp(tree, program, {example}));
        PumpEvents(300);  // the menu with pictures replaces the first one
        CMainFrame* frame = Frame();
        wxMenuBar* bar = frame->GetMenuBar();
        for (int grid : {1, 0, 1}) {
            frame->SetGridFlag(grid);
            UpdateMenus(frame);
            EXPECT_EQ(bar->IsChecked(WxId(ID_VIEW_BACK_GRID)), grid == 1);
        }
        EXPECT_TRUE(bar->IsChecked(WxId(ID_VIEW_TOOLBAR)));
        // Every command whose rule may set a check mark can show one.
        for (int id : {ID_VIEW_BACK_GRID, ID_VIEW_LAYER_INFO, ID_VIEW_PROMPT_WINDOW, ID_ZOOM_ONLY_X, ID_ZOOM_ONLY_Y,
                       ID_ZOOM_BOTH, ID_OPTIONS_MIN_SPACING})
            EXPECT_TRUE(bar->FindItem(WxId(id))->IsCheckable()) << id;
        if (TestApp().Is3dMode()) {
            for (int id : {ID_VIEW_PARALLEL, ID_VIEW_PERSPECTIVE, ID_3D_ZOOM_X, ID_3D_ZOOM_Y, ID_3D_ZOOM_Z,
                           ID_OPTIONS_CORVEX3D, ID_OPTIONS_LUMIVO3D, ID_OPTIONS_CYLINDER})
                EXPECT_TRUE(bar->FindItem(WxId(id))->IsCheckable()) << id;
            for (int id : {ID_VIEW_PARALLEL, ID_VIEW_PERSPECTIVE})
                EXPECT_TRUE(frame->GetToolBar()->FindById(WxId(id))->CanBeToggled()) << id;
        }
        StopApp();
    }
}

TEST(MainFrame, ZsegmentMenuListsTheZsegmentsOfTheDevice)
{
    // The fixture deck of two z-segments.
    AppTree tree;
    TempFolder work;
    const std::string folder = std::string(TESSARON_FIXTURES) + "/sol/corvex_pos/";
    for (const std::string name : {"ridge.sol", "ridge1.layer", "ridge2.layer", "ridge1.gain", "ridge2.gain",
                                   "ridge1.doping", "ridge2.doping", "extra.doping", "ridge2.mater"})
        work.Write(name, FileBytes(folder + name));
    ScriptedPrompts prompts;
    ASSERT_TRUE(StartApp(tree, "tessaron", {"-3", work.File("ridge.sol")}));
    PumpEvents(300);
    CMainFrame* frame = Frame();
    wxMenuBar* bar = frame->GetMenuBar();
    wxMenu* zsegMenu = bar->GetMenu(bar->FindMenu("Z-segment"));
    ASSERT_NE(zsegMenu, nullptr);
    const auto open = [&] {
        PumpEvents();
        zsegMenu->UpdateUI(frame);
    };
    // Behind "Delete z-segment" (position 8): a separator, then one entry per z-segment in use.
    open();
    EXPECT_EQ(MenuTail(zsegMenu, 8),
              (std::vector<std::string>{"&Delete z-segment\tAlt+D", "-", "*z-segment1", "z-segment2"}));
    open();  // the entries are kept up to date, not added again
    EXPECT_EQ(MenuTail(zsegMenu, 8),
              (std::vector<std::string>{"&Delete z-segment\tAlt+D", "-", "*z-segment1", "z-segment2"}));
    // An entry runs the document's z-segment choice: the z-segment chosen becomes the current one.
    frame->RunCommand(kZsegmentMenuIds[1]);
    EXPECT_EQ(g_nCurZSeg, 2);
    open();
    EXPECT_EQ(MenuTail(zsegMenu, 8),
              (std::vector<std::string>{"&Delete z-segment\tAlt+D", "-", "z-segment1", "*z-segment2"}));
    frame->RunCommand(kZsegmentMenuIds[0]);
    EXPECT_EQ(g_nCurZSeg, 1);

    frame->RunCommand(ID_FILE_NEW);
    open();
    EXPECT_EQ(MenuTail(zsegMenu, 8), (std::vector<std::string>{"&Delete z-segment\tAlt+D"}));
    StopApp();
}

TEST(MainFrame, ZsegmentMenuWithoutZsegmentsEndsAtDeleteZsegment)
{
    // The menu as the resources give it has a separator behind "Delete z-segment": with no
    // z-segment to list it goes too.
    AppTree tree;
    ScriptedPrompts prompts;
    ASSERT_TRUE(StartApp(tree, "tessaron"));
    PumpEvents(300);
    wxMenuBar* bar = Frame()->GetMenuBar();
    wxMenu* zsegMenu = bar->GetMenu(bar->FindMenu("Z-segment"));
    ASSERT_NE(zsegMenu, nullptr);
    ASSERT_EQ(g_nZSegCount, 0);
    zsegMenu->UpdateUI(Frame());
    EXPECT_EQ(MenuTail(zsegMenu, 8), (std::vector<std::string>{"&Delete z-segment\tAlt+D"}));
    StopApp();
}
