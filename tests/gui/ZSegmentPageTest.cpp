// The "Z-segment" page in the running 3-D editor, reached through New z-segment and Current
// z-segment property: a device of three z-segments of different lengths built from File New, saved
// as a deck and opened again; the solution method, which a cancelled sheet leaves alone and an
// accepted one saves; a later z-segment edited by its lengths; the position dialog's file box.

#include "AppHarness.h"
#include "CommandIds.h"
#include "ModalWindow.h"
#include "app/MainFrame.h"
#include "dialogs/GeneralSheet.h"
#include "dialogs/ZSegPositionWindow.h"
#include "document/TessaronDoc.h"
#include "model/ProcessState.h"
#include "sheets/ZSegPositionDlg.h"
#include "sheets/ZSegmentPage.h"
#include "support/FileBytes.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>
#include <wx/bookctrl.h>
#include <wx/choice.h>

#include <functional>
#include <map>
#include <sstream>

namespace {

using Page = CZSegmentPage;

// Picks an entry of a drop-down list as the user would.
void Select(wxWindow* window, int id, int selection)
{
    auto* choice = Control<wxChoice>(window, id);
    choice->SetSelection(selection);
    wxCommandEvent chosen(wxEVT_CHOICE, id);
    chosen.SetEventObject(choice);
    chosen.SetInt(selection);
    choice->GetEventHandler()->ProcessEvent(chosen);
}

int Selection(wxWindow* window, int id) { return Control<wxChoice>(window, id)->GetSelection(); }

// The z range and planes of every z-segment in use, and the method.
std::string Ranges()
{
    std::ostringstream text;
    const CTessaronDoc* doc = TestApp().GetDocument();
    for (int i = 0; i < g_nZSegCount; ++i) {
        const CZSegmentParams& params = doc->m_ZSegments.at(i).m_Params;
        text << params.m_dZFrom << ".." << params.m_dZTo << " planes " << params.m_nZPlanes << "\n";
    }
    return text.str() + "method " + g_strIsolatedMethod;
}

class ZSegmentPageGui : public ::testing::Test {
protected:
    ZSegmentPageGui() { ResetProcessState(); }
    ~ZSegmentPageGui() override
    {
        StopApp();
        ResetProcessState();
    }
    void Start(const std::vector<std::string>& args = {"-3"})
    {
        ASSERT_TRUE(StartApp(tree, "tessaron", args));
        PumpEvents(100);
        doc = TestApp().GetDocument();
    }
    // File New and New z-segment through the "New segment" sheet with the range typed.
    void NewDevice(const char* from, const char* to)
    {
        EXPECT_TRUE(Frame()->RunCommand(ID_FILE_NEW));
        RunWithModal<CGeneralSheet>(ID_ZSEG_NEW, [from, to](CGeneralSheet& sheet) {
            EXPECT_EQ(sheet.GetTitle(), "New segment");
            EXPECT_EQ(sheet.GetBookCtrl()->GetPageText(0), "Z-segment");
            EXPECT_EQ(Text(&sheet, Page::IDC_FROM), "0");
            EXPECT_EQ(Text(&sheet, Page::IDC_TO), "0");
            EXPECT_FALSE(Control<wxChoice>(&sheet, Page::IDC_TAPER_LINE)->IsEnabled());
            Type(&sheet, Page::IDC_FROM, from);
            Type(&sheet, Page::IDC_TO, to);
            Click(&sheet, wxID_OK);
        });
    }
    // New z-segment after the current one, its position dialog accepted as it opens.
    void NewFurtherZSegment()
    {
        RunWithModal<CZSegPositionWindow>(ID_ZSEG_NEW, [](CZSegPositionWindow& dialog) { Click(&dialog, wxID_OK); });
    }
    // Current z-segment property with a user acting on the page.
    void EditCurrent(std::function<void(CGeneralSheet&)> user)
    {
        RunWithModal<CGeneralSheet>(ID_ZSEG_PROPERTY, [user](CGeneralSheet& sheet) {
            EXPECT_EQ(sheet.GetTitle(), "Modify Z Panels");
            user(sheet);
        });
    }
    void SaveAs(const std::string& path)
    {
        prompts.ChooseFileNext(path);
        EXPECT_TRUE(Frame()->RunCommand(ID_FILE_SAVE_AS));
        EXPECT_EQ(doc->GetPathName(), path);
        EXPECT_FALSE(doc->IsModified());
    }
    void Reopen(const std::string& path)
    {
        EXPECT_TRUE(Frame()->RunCommand(ID_FILE_NEW));
        EXPECT_EQ(g_nZSegCount, 0);
        prompts.ChooseFileNext(path);
        EXPECT_TRUE(Frame()->RunCommand(ID_FILE_OPEN));
        EXPECT_EQ(doc->GetPathName(), path);
    }
    std::map<std::string, std::string> Files(const std::vector<std::string>& names)
    {
        std::map<std::string, std::string> bytes;
        for (const std::string& name : names)
            bytes[name] = work.Read(name);
        return bytes;
    }

    AppTree tree;
    TempFolder work;
    ScriptedPrompts prompts;
    CTessaronDoc* doc = nullptr;
};

}  // namespace

TEST_F(ZSegmentPageGui, ThreeZSegmentsOfDifferentLengthsAreBuiltFromFileNewSavedAsADeckAndOpenedAgain)
{
    Start();
    prompts.AllowUnscripted();  // the mesh check before saving asks to save all the same
    NewDevice("0", "2");
    ASSERT_EQ(g_nZSegCount, 1);

    // The second: a copy after the first, then made 3 long by its To.
    NewFurtherZSegment();
    ASSERT_EQ(g_nZSegCount, 2);
    EditCurrent([](CGeneralSheet& sheet) {
        EXPECT_EQ(Text(&sheet, Page::IDC_FROM), "2");
        EXPECT_EQ(Text(&sheet, Page::IDC_TO), "4");
        EXPECT_EQ(Text(&sheet, Page::IDC_TAPER_LENGTH), "0") << "it starts where the first ends";
        Type(&sheet, Page::IDC_TO, "5");
        Click(&sheet, wxID_OK);
    });

    // The third: by lengths, a gap of 0.5 after the second and 1 long.
    NewFurtherZSegment();
    ASSERT_EQ(g_nZSegCount, 3);
    EditCurrent([](CGeneralSheet& sheet) {
        Choose(Control<wxRadioButton>(&sheet, Page::IDC_BY_LENGTHS));
        EXPECT_FALSE(Control<wxTextCtrl>(&sheet, Page::IDC_FROM)->IsEnabled());
        EXPECT_EQ(Text(&sheet, Page::IDC_SEGMENT_LENGTH), "3");
        Type(&sheet, Page::IDC_TAPER_LENGTH, "0.5");
        Type(&sheet, Page::IDC_SEGMENT_LENGTH, "1");
        Click(&sheet, wxID_OK);
    });
    const std::string built = Ranges();
    EXPECT_EQ(built, "0..2 planes 1\n2..5 planes 1\n5.5..6.5 planes 1\nmethod no");

    const std::string deck = work.File("three.sol");
    SaveAs(deck);
    for (const char* name : {"three.layer", "three2.layer", "three3.layer"})
        EXPECT_FALSE(work.Read(name).empty()) << name;
    Reopen(deck);
    EXPECT_EQ(Ranges(), built);
    EXPECT_EQ(doc->m_ZSegments.at(2).GetColumnCount(), 1);
}

TEST_F(ZSegmentPageGui, TheMethodChangesOnlyThroughOkAndTheDeckKeepsIt)
{
    Start();
    prompts.AllowUnscripted();
    NewDevice("0", "2");
    NewFurtherZSegment();

    // The flow method with 3 planes in the second z-segment.
    EditCurrent([](CGeneralSheet& sheet) {
        EXPECT_EQ(Selection(&sheet, Page::IDC_SOLUTION_METHOD), Page::ISOLATED_LAYER);
        Type(&sheet, Page::IDC_ZPLANES, "3");
        Click(&sheet, wxID_OK);
        EXPECT_TRUE(sheet.IsModal()) << "3 planes are refused under the isolated-layer method";
        Select(&sheet, Page::IDC_SOLUTION_METHOD, Page::FLOW);
        Click(&sheet, wxID_OK);
    });
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{Page::kTooManyIsolatedPlanes});
    const std::string flow = Ranges();
    EXPECT_EQ(flow, "0..2 planes 1\n2..4 planes 3\nmethod yes");

    // Chosen and cancelled: nothing changes, also when the next edit applies the method's rule.
    EditCurrent([](CGeneralSheet& sheet) {
        EXPECT_EQ(Selection(&sheet, Page::IDC_SOLUTION_METHOD), Page::FLOW);
        Select(&sheet, Page::IDC_SOLUTION_METHOD, Page::ISOLATED_LAYER);
        Type(&sheet, Page::IDC_ZPLANES, "1");
        Click(&sheet, wxID_CANCEL);
    });
    EXPECT_EQ(Ranges(), flow);
    doc->SetSelection(1, 0, 0);
    RunWithModal<CGeneralSheet>(ID_LAYER_NEW, [](CGeneralSheet& sheet) {
        EXPECT_EQ(sheet.GetTitle(), "New Layer");
        Click(&sheet, wxID_OK);
    });
    EXPECT_EQ(doc->m_ZSegments.at(1).GetColumn(0).GetLayersInUse(), 2);
    EXPECT_EQ(Ranges(), flow);

    const std::string deck = work.File("flow.sol");
    SaveAs(deck);
    const std::string written = work.Read("flow.sol");
    EXPECT_NE(written.find("3d_flow=yes"), std::string::npos) << written;
    Reopen(deck);
    EXPECT_EQ(Ranges(), flow);
}

TEST_F(ZSegmentPageGui, ALaterZSegmentIsEditedByItsLengthsFromTheEndBeforeIt)
{
    const char* const files[] = {"taper.sol",   "taper1.layer", "taper1.gain", "taper1.doping", "taper2.layer",
                                 "taper2.gain", "taper2.mater", "taper3.layer"};
    for (const char* name : files)
        work.Write(name, FileBytes(std::string(TESSARON_FIXTURES) + "/sol/lumivo_len/" + name));
    prompts.AllowUnscripted();  // the mesh check before saving asks to save all the same
    Start({"-3", work.File("taper.sol")});
    const std::string opened = Ranges();
    ASSERT_EQ(opened, "0..10 planes 3\n12..17 planes 2\n20..24 planes 1\nmethod yes");
    SaveAs(work.File("saved.sol"));
    const std::vector<std::string> saved = {"saved.sol", "saved.layer", "saved2.layer", "saved3.layer"};
    const auto before = Files(saved);

    Frame()->RunCommand(kZsegmentMenuIds[1]);
    ASSERT_EQ(g_nCurZSeg, 2);
    EditCurrent([](CGeneralSheet& sheet) {
        Choose(Control<wxRadioButton>(&sheet, Page::IDC_BY_LENGTHS));
        EXPECT_EQ(Text(&sheet, Page::IDC_TAPER_LENGTH), "2") << "from the end of z-segment 1";
        EXPECT_EQ(Text(&sheet, Page::IDC_SEGMENT_LENGTH), "5");
        Click(&sheet, wxID_OK);
    });
    EXPECT_EQ(Ranges(), opened);
    EXPECT_TRUE(Frame()->RunCommand(ID_FILE_SAVE));
    EXPECT_EQ(Files(saved), before) << "accepted unchanged, the save is the same";

    EditCurrent([](CGeneralSheet& sheet) {
        Type(&sheet, Page::IDC_TAPER_LENGTH, "3");
        Click(&sheet, wxID_OK);
    });
    EXPECT_EQ(Ranges(), "0..10 planes 3\n13..18 planes 2\n21..25 planes 1\nmethod yes");
}

TEST_F(ZSegmentPageGui, ThePositionDialogTakesALongPathToAnExistingLayerFile)
{
    Start();
    NewDevice("0", "2");
    // A path of 200 characters: folders of 50 characters down to the file.
    const size_t relative = 200 - work.Path().size() - 1;
    std::string name;
    while (relative - name.size() > 60)
        name += std::string(50, 'f') + "/";
    name += std::string(relative - name.size() - 6, 'n') + ".layer";
    const std::string path = work.Write(name, FileBytes(std::string(TESSARON_FIXTURES) + "/layer/ridge_two_columns.layer"));
    ASSERT_EQ(path.size(), 200u);

    RunWithModal<CZSegPositionWindow>(ID_ZSEG_NEW, [&path](CZSegPositionWindow& dialog) {
        Tick(Control<wxCheckBox>(&dialog, CZSegPositionDlg::IDC_USE_EXISTING_FILE));
        Type(&dialog, CZSegPositionDlg::IDC_LAYER_FILE, path.c_str());
        EXPECT_EQ(Text(&dialog, CZSegPositionDlg::IDC_LAYER_FILE), path) << "the box takes all of it";
        Click(&dialog, wxID_OK);
    });
    EXPECT_TRUE(prompts.Texts().empty());
    ASSERT_EQ(g_nZSegCount, 2);
    EXPECT_EQ(doc->m_ZSegments[1].m_strLayerFile, path);
    EXPECT_EQ(doc->m_ZSegments[1].GetColumnCount(), 2);
}
