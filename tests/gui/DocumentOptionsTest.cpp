// The Options and Help commands as the user meets them in the menus of the running program:
// target simulator, cylinder coordinates, fonts, back grid, the user manual, and the spreadsheet
// commands that wait for the exchange.

#include "AppHarness.h"
#include "FrameCommands.h"
#include "CommandIds.h"
#include "support/RecordingShellOpener.h"
#include "support/ScriptedPrompts.h"
#include "app/MainFrame.h"
#include "document/TessaronDoc.h"
#include "views/GL2dView.h"
#include "views/PromptDlg.h"

#include <gtest/gtest.h>
#include <wx/menu.h>

#include <filesystem>

TEST(DocumentOptions, TargetSimulatorShowsTheRestartMessageAndMovesItsCheckMark)
{
    AppTree tree;
    ScriptedPrompts prompts;
    ASSERT_TRUE(StartApp(tree, "tessaron"));
    PumpEvents(300);
    CMainFrame* frame = Frame();
    CTessaronDoc* doc = TestApp().GetDocument();
    const int productCode = doc->GetProductCode();
    for (int id : {ID_OPTIONS_CORVEX3D, ID_OPTIONS_LUMIVO3D, ID_OPTIONS_CORVEX3D}) {
        SCOPED_TRACE(id);
        prompts.Clear();
        prompts.AnswerNext(IDOK);
        frame->RunCommand(id);
        EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"It will be valid after restart Tessaron!"});
        UpdateMenus(frame);
        EXPECT_EQ(frame->GetMenuBar()->IsChecked(WxId(ID_OPTIONS_CORVEX3D)), id == ID_OPTIONS_CORVEX3D);
        EXPECT_EQ(frame->GetMenuBar()->IsChecked(WxId(ID_OPTIONS_LUMIVO3D)), id == ID_OPTIONS_LUMIVO3D);
        EXPECT_EQ(doc->GetProductCode(), productCode);  // until the next start
    }
    StopApp();
    // The next start reads the simulator chosen last from the settings.
    EXPECT_EQ(ProfileStringFromFile("CTessaronDoc", "product"), "1");
}

TEST(DocumentOptions, CylinderCoordinateIsCheckedAndMarksTheDocumentModified)
{
    AppTree tree;
    ScriptedPrompts prompts;
    ASSERT_TRUE(StartApp(tree, "tessaron"));
    PumpEvents(300);
    CMainFrame* frame = Frame();
    CTessaronDoc* doc = TestApp().GetDocument();
    ASSERT_FALSE(doc->IsModified());
    for (int expected : {1, 0}) {
        frame->RunCommand(ID_OPTIONS_CYLINDER);
        EXPECT_EQ(doc->m_nCylinder, expected);
        UpdateMenus(frame);
        EXPECT_EQ(frame->GetMenuBar()->IsChecked(WxId(ID_OPTIONS_CYLINDER)), expected == 1);
    }
    EXPECT_TRUE(doc->IsModified());
    StopApp();
}

TEST(DocumentOptions, LayerInfoAndPromptFontsAreChosenInTheFontDialog)
{
    AppTree tree;
    for (const char* program : {"brenvik", "tessaron"}) {
        SCOPED_TRACE(program);
        ScriptedPrompts prompts;
        ASSERT_TRUE(StartApp(tree, program));
        CMainFrame* frame = Frame();
        CGL2dView* view = frame->GetGL2dView();
        ASSERT_NE(view, nullptr);

        const FontChoice chosen{"DejaVu Sans", 11, true, false, 0x0000C000};
        prompts.ChooseFontNext(chosen);
        frame->RunCommand(ID_OPTIONS_LAYER_INFO_FONT);
        ASSERT_EQ(prompts.FontDialogs().size(), 1u);
        EXPECT_EQ(prompts.FontDialogs()[0].faceName, "Courier New");  // started from the box's font
        EXPECT_EQ(prompts.FontDialogs()[0].pointSize, 8);
        EXPECT_EQ(prompts.FontDialogs()[0].colour, 9u);
        EXPECT_EQ(view->GetInfoBox().m_font.faceName, "DejaVu Sans");
        EXPECT_EQ(view->GetInfoBox().m_font.pointSize, 11);
        EXPECT_TRUE(view->GetInfoBox().m_font.bold);
        EXPECT_EQ(view->GetInfoBox().m_font.colour, 0x0000C000u);

        // Cancel keeps the font.
        prompts.CancelFontNext();
        frame->RunCommand(ID_OPTIONS_LAYER_INFO_FONT);
        EXPECT_EQ(view->GetInfoBox().m_font.faceName, "DejaVu Sans");

        // The prompt window, made at the view's first timer tick, holds the prompt font: the dialog
        // starts from it and the window takes the choice. (Without the window there is no dialog:
        // GL2dView.ThePromptFontWaitsForThePromptWindow.)
        PumpEvents(100);
        ASSERT_NE(view->GetPromptDlg(), nullptr);
        prompts.ChooseFontNext(FontChoice{"DejaVu Serif", 12, false, true, 0x00FF0000});
        frame->RunCommand(ID_OPTIONS_PROMPT_FONT);
        ASSERT_EQ(prompts.FontDialogs().size(), 3u);
        EXPECT_EQ(prompts.FontDialogs()[2].faceName, "Arial");
        EXPECT_EQ(prompts.FontDialogs()[2].pointSize, 10);
        EXPECT_EQ(prompts.FontDialogs()[2].colour, 9u);
        EXPECT_EQ(view->GetPromptDlg()->m_font.faceName, "DejaVu Serif");
        EXPECT_EQ(view->GetPromptDlg()->m_font.colour, 0x00FF0000u);
        StopApp();
    }
}

TEST(DocumentOptions, BackGridFromTheViewMenuFlipsTheGrid)
{
    AppTree tree;
    ScriptedPrompts prompts;
    ASSERT_TRUE(StartApp(tree, "brenvik"));
    CMainFrame* frame = Frame();
    const int before = frame->GetGridFlag();
    frame->RunCommand(ID_VIEW_BACK_GRID);
    EXPECT_EQ(frame->GetGridFlag(), 1 - before);
    frame->RunCommand(ID_VIEW_BACK_GRID);
    EXPECT_EQ(frame->GetGridFlag(), before);
    StopApp();
}

TEST(DocumentOptions, UserManualOpensThePageOfTheModeBelowTheProgramsFolder)
{
    namespace fs = std::filesystem;
    const struct {
        const char* program;
        const char* page;
    } cases[] = {{"brenvik", "HTML/BrvUserManual/Brenvik.html"}, {"tessaron", "HTML/TsnUserManual/Tessaron.html"}};
    AppTree tree;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program);
        // The page the build staged, in the tree's program folder.
        const fs::path staged = fs::path(TESSARON_STAGE_DIR) / "bin" / c.page;
        ASSERT_TRUE(fs::exists(staged)) << staged;
        const fs::path page = fs::path(tree.Root()) / "bin" / c.page;
        fs::create_directories(page.parent_path());
        fs::copy_file(staged, page, fs::copy_options::overwrite_existing);

        ScriptedPrompts prompts;
        RecordingShellOpener opener;
        ASSERT_TRUE(StartApp(tree, c.program));
        EXPECT_TRUE(Frame()->IsCommandEnabled(WxId(ID_HELP_USER_MANUAL)));
        Frame()->RunCommand(ID_HELP_USER_MANUAL);
        EXPECT_TRUE(prompts.Texts().empty());
        EXPECT_EQ(opener.opened, std::vector<std::string>{page.string()});

        // Without the page: its message, and the default program is still asked.
        fs::remove(page);
        prompts.AnswerNext(IDOK);
        Frame()->RunCommand(ID_HELP_USER_MANUAL);
        EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Can't find " + page.string()});
        EXPECT_EQ(opener.opened.size(), 2u);
        StopApp();
    }
}

TEST(DocumentOptions, TheImportAndTheExportsAreEnabled)
{
    AppTree tree;
    ScriptedPrompts prompts;
    ASSERT_TRUE(StartApp(tree, "tessaron"));
    for (int id : {ID_FILE_IMPORT_EXCEL, ID_FILE_EXPORT_EXCEL, ID_FILE_EXPORT_OPEN_EXCEL})
        EXPECT_TRUE(Frame()->IsCommandEnabled(WxId(id))) << id;
    StopApp();
}
