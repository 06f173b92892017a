// The document's option and help commands: back grid, fonts, target simulator, cylinder
// coordinates and the user manual.

#include "CommandIds.h"
#include "support/DocFixture.h"
#include "support/RecordingShellOpener.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <ostream>

using DocOptions = DocFixture;

TEST_F(DocOptions, BackGridFlipsTheGridOfThe2dViewAndRepaints)
{
    views.gridFlag = 1;
    EXPECT_TRUE(doc().OnCommand(ID_VIEW_BACK_GRID));
    EXPECT_EQ(views.gridFlag, 0);
    EXPECT_FALSE(doc().QueryCommand(ID_VIEW_BACK_GRID).checked);
    EXPECT_TRUE(doc().OnCommand(ID_VIEW_BACK_GRID));
    EXPECT_EQ(views.gridFlag, 1);
    EXPECT_TRUE(doc().QueryCommand(ID_VIEW_BACK_GRID).checked);
    EXPECT_EQ(views.hints, (std::vector<int>{0, 0}));

    // Without a 2-D view there is no grid to flip; the views still repaint.
    views.has2dView = false;
    views.hints.clear();
    EXPECT_TRUE(doc().OnCommand(ID_VIEW_BACK_GRID));
    EXPECT_EQ(views.gridFlag, 1);
    EXPECT_EQ(views.hints, std::vector<int>{0});
}

TEST_F(DocOptions, FontCommandsRunTheFontChoicesOfThe2dView)
{
    EXPECT_TRUE(doc().OnCommand(ID_OPTIONS_LAYER_INFO_FONT));
    EXPECT_TRUE(doc().OnCommand(ID_OPTIONS_PROMPT_FONT));
    EXPECT_EQ(views.calls, (std::vector<std::string>{"SetLayerInfoFont", "SetPromptFont"}));
    for (int id : {ID_OPTIONS_LAYER_INFO_FONT, ID_OPTIONS_PROMPT_FONT})
        EXPECT_TRUE(doc().QueryCommand(id).enabled) << id;

    views.calls.clear();
    views.has2dView = false;
    doc().OnCommand(ID_OPTIONS_LAYER_INFO_FONT);
    doc().OnCommand(ID_OPTIONS_PROMPT_FONT);
    EXPECT_TRUE(views.calls.empty());
}

namespace {

struct SimulatorCase {
    int command;
    int startTarget;
    int target;
};

void PrintTo(const SimulatorCase& c, std::ostream* os)
{
    *os << "command " << c.command << " from target " << c.startTarget;
}

class DocSimulatorChoice : public DocFixture, public ::testing::WithParamInterface<SimulatorCase> {};

}  // namespace

TEST_P(DocSimulatorChoice, ShowsTheRestartMessageAndChangesTheTargetOnly)
{
    const SimulatorCase& c = GetParam();
    doc().m_nTargetSimulator = c.startTarget;
    doc().m_nProductCode = c.startTarget;
    prompts.AnswerNext(IDOK);

    EXPECT_TRUE(doc().OnCommand(c.command));

    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"It will be valid after restart Tessaron!"});
    EXPECT_EQ(prompts.Shown_()[0].type & MB_TYPEMASK, unsigned(MB_OK));
    EXPECT_EQ(doc().m_nTargetSimulator, c.target);
    // The check mark moves at once; the deck writers keep the product code until the next start.
    EXPECT_EQ(doc().QueryCommand(ID_OPTIONS_CORVEX3D).checked, c.target == 1);
    EXPECT_EQ(doc().QueryCommand(ID_OPTIONS_LUMIVO3D).checked, c.target == 2);
    EXPECT_EQ(doc().GetProductCode(), c.startTarget);
    EXPECT_FALSE(doc().IsModified());
}

INSTANTIATE_TEST_SUITE_P(BothSimulators, DocSimulatorChoice,
                         ::testing::Values(SimulatorCase{ID_OPTIONS_LUMIVO3D, 1, 2},
                                           SimulatorCase{ID_OPTIONS_CORVEX3D, 2, 1},
                                           SimulatorCase{ID_OPTIONS_CORVEX3D, 1, 1}));

TEST_F(DocOptions, CylinderCoordinateFlipsResetsThe3dCameraAndMarksModified)
{
    ASSERT_EQ(doc().m_nCylinder, 0);
    doc().OnCommand(ID_OPTIONS_CYLINDER);
    EXPECT_EQ(doc().m_nCylinder, 1);
    EXPECT_TRUE(doc().QueryCommand(ID_OPTIONS_CYLINDER).checked);
    doc().SetModifiedFlag(false);
    doc().OnCommand(ID_OPTIONS_CYLINDER);
    EXPECT_EQ(doc().m_nCylinder, 0);
    EXPECT_FALSE(doc().QueryCommand(ID_OPTIONS_CYLINDER).checked);
    EXPECT_TRUE(doc().IsModified());
    EXPECT_EQ(views.calls, (std::vector<std::string>{"ZoomOrigin", "ZoomOrigin"}));

    // Without a 3-D view only the flag and the modified mark change.
    views.calls.clear();
    views.has3dView = false;
    doc().OnCommand(ID_OPTIONS_CYLINDER);
    EXPECT_EQ(doc().m_nCylinder, 1);
    EXPECT_TRUE(views.calls.empty());
}

namespace {

struct ManualCase {
    bool mode3d;
    const char* page;
    bool present;
};

void PrintTo(const ManualCase& c, std::ostream* os)
{
    *os << (c.mode3d ? "3-D editor, " : "layer builder, ") << (c.present ? "page present" : "page missing");
}

class DocUserManual : public DocFixture, public ::testing::WithParamInterface<ManualCase> {};

}  // namespace

TEST_P(DocUserManual, OpensThePageOfTheModeBelowTheProgramFolder)
{
    const ManualCase& c = GetParam();
    TempFolder folder;
    app.mode3d = c.mode3d;
    app.programFolder = folder.Path() + "/bin/";
    const std::string page = app.programFolder + c.page;
    if (c.present) {
        folder.Write(std::string("bin/") + c.page, "<html></html>");
    } else {
        prompts.AnswerNext(IDOK);
    }
    RecordingShellOpener opener;

    EXPECT_TRUE(doc().OnCommand(ID_HELP_USER_MANUAL));

    // A missing page is reported, and the default program is still asked to open it.
    EXPECT_EQ(prompts.Texts(), c.present ? std::vector<std::string>{} : std::vector<std::string>{"Can't find " + page});
    EXPECT_EQ(opener.opened, std::vector<std::string>{page});
}

INSTANTIATE_TEST_SUITE_P(BothModes, DocUserManual,
                         ::testing::Values(ManualCase{true, "HTML/TsnUserManual/Tessaron.html", true},
                                           ManualCase{false, "HTML/BrvUserManual/Brenvik.html", true},
                                           ManualCase{true, "HTML/TsnUserManual/Tessaron.html", false},
                                           ManualCase{false, "HTML/BrvUserManual/Brenvik.html", false}));

TEST_F(DocOptions, UserManualThatNoProgramOpensSaysWhy)
{
    TempFolder folder;
    app.programFolder = folder.Path() + "/";
    const std::string page = folder.Write("HTML/TsnUserManual/Tessaron.html", "<html></html>");
    RecordingShellOpener opener;
    opener.failure = "No program is set up to open it.";
    prompts.AnswerNext(IDOK);
    doc().OnUserManual();
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Can't open " + page + "\nNo program is set up to open it."});
    EXPECT_EQ(opener.opened, std::vector<std::string>{page});
}

TEST_F(DocOptions, UserManualFoundInAnotherCase)
{
    // Pages copied from a system that ignores case keep their spelling.
    TempFolder folder;
    app.programFolder = folder.Path() + "/";
    folder.Write("html/tsnusermanual/tessaron.HTML", "<html></html>");
    RecordingShellOpener opener;
    doc().OnUserManual();
    EXPECT_TRUE(prompts.Texts().empty());
    EXPECT_EQ(opener.opened.size(), 1u);
}

TEST_F(DocOptions, TheSpreadsheetCommandsAreTheDocuments)
{
    // The import and export commands are the document's; without the exchange to read or write
    // the workbook they show disabled.
    for (int id : {ID_FILE_IMPORT_EXCEL, ID_FILE_EXPORT_EXCEL, ID_FILE_EXPORT_OPEN_EXCEL}) {
        EXPECT_TRUE(doc().QueryCommand(id).handled) << id;
        EXPECT_FALSE(doc().QueryCommand(id).enabled) << id;
    }
}
