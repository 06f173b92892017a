// Building a device in the running program: New Column and New Layer from the menus through the
// real layer property sheet (sizes typed into its boxes), saved and opened again to the same
// picture, short columns included; in the 3-D editor the commands' states on an empty document,
// New z-segment through the "New segment" sheet (its z range typed into the z-segment page) and
// the real z-segment position dialog (a ".layer" file it imports is reported on as an opened one
// is), and Delete z-segment.

#include "AppHarness.h"
#include "CommandIds.h"
#include "FrameCommands.h"
#include "ModalWindow.h"
#include "PanePixels.h"
#include "SheetInput.h"
#include "WindowInput.h"
#include "app/MainFrame.h"
#include "dialogs/GeneralSheet.h"
#include "dialogs/MacroParamWindow.h"
#include "dialogs/ZSegPositionWindow.h"
#include "document/TessaronDoc.h"
#include "model/ProcessState.h"
#include "sheets/LayerBulkActive.h"
#include "sheets/MacroParamDlg.h"
#include "sheets/ZSegPositionDlg.h"
#include "sheets/ZSegmentPage.h"
#include "views/GL2dView.h"
#include "views/PromptDlg.h"
#include "support/FileBytes.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>
#include <wx/bookctrl.h>
#include <wx/menu.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include <functional>
#include <memory>
#include <sstream>

namespace {

const char kMeshQuestion[] =
    "Your mesh_number default value is zero,so You\nMust input Total_Mesh_x and Total_Mesh_y value\nor you input a "
    "non_zero mesh number!";
const char kTooSmall[] = "Your input value must be bigger \nthan the previous one .\n";

// Runs a menu command whose modal window `user` acts on.
template <typename Window>
void RunWith(int id, std::function<void(Window&)> user)
{
    WhenModal<Window> watcher(std::move(user));
    EXPECT_TRUE(Frame()->RunCommand(id));
    EXPECT_TRUE(watcher.Seen()) << "command " << id;
}

// The sheet of New Column or New Layer: the height and width typed into the size page, the bulk
// material picked in the material page's list and committed with its first variable, then OK.
void RunBuildSheet(int id, const char* caption, const char* height, const char* width, const char* material,
                   const char* var1)
{
    RunWith<CGeneralSheet>(id, [caption, height, width, material, var1](CGeneralSheet& sheet) {
        EXPECT_EQ(sheet.GetTitle(), caption);
        Type(&sheet, 1000, height);
        Type(&sheet, 1002, width);
        ShowTab(sheet, "Material");
        Pick(Control<wxListBox>(&sheet, CLayerBulkActive::IDC_BULK_LIST), material);
        EXPECT_EQ(Text(&sheet, CLayerBulkActive::IDC_BULK_NAME), material);
        ClickInto<CMacroParamWindow>(&sheet, CLayerBulkActive::IDC_SHOW_BULK_PARAM,
                                     [var1](CMacroParamWindow& dialog) {
                                         Type(&dialog, CMacroParamDlg::IDC_VALUE1, var1);
                                         Click(&dialog, wxID_OK);
                                     });
        Click(&sheet, wxID_OK);
    });
}

// The sheet of New Column or New Layer with only the sizes typed.
void RunSizedSheet(int id, const char* caption, const char* height, const char* width)
{
    RunWith<CGeneralSheet>(id, [caption, height, width](CGeneralSheet& sheet) {
        EXPECT_EQ(sheet.GetTitle(), caption);
        Type(&sheet, 1000, height);
        Type(&sheet, 1002, width);
        Click(&sheet, wxID_OK);
    });
}

bool IsEnabled(int id)
{
    const wxMenuItem* item = Frame()->GetMenuBar()->FindItem(WxId(id));
    EXPECT_NE(item, nullptr) << "menu item " << id;
    return item && item->IsEnabled();
}

// Each column's layers as macro, height and widths.
std::string Device(const CTessaronDoc& doc)
{
    std::ostringstream text;
    const CZSegment& segment = doc.m_ZSegments.at(0);
    for (const CColumnRec& column : segment.GetColumns()) {
        text << "column\n";
        for (const CLayerRec& layer : column.GetLayers())
            text << "  " << layer.m_Material.m_Bulk.m_strName << " d=" << layer.m_fHeight
                 << " w=" << layer.m_fLowerWidth << ".." << layer.m_fUpperWidth << "\n";
    }
    return text.str();
}

// Each column's layers as macro and first variable.
std::string Materials(const CTessaronDoc& doc)
{
    std::ostringstream text;
    for (const CColumnRec& column : doc.m_ZSegments.at(0).GetColumns()) {
        for (const CLayerRec& layer : column.GetLayers())
            text << layer.m_Material.m_Bulk.m_strName << "(" << layer.m_Material.m_Bulk.m_dVar[0] << ") ";
        text << "| ";
    }
    return text.str();
}

// The 2-D view as the screen shows it, framed by Zoom Origin, below the next-step prompt window.
CPanePicture FramedPicture()
{
    EXPECT_TRUE(Frame()->RunCommand(ID_ZOOM_ORIGIN));
    CGL2dView* view = Frame()->GetGL2dView();
    if (CPromptDlg* prompt = view->GetPromptDlg())
        prompt->Hide();
    PumpEvents(100);
    view->Refresh(false);
    view->Update();
    PumpEvents(300);
    return PanePicture(view);
}

class BuildCommands : public ::testing::Test {
protected:
    BuildCommands() { ResetProcessState(); }
    ~BuildCommands() override
    {
        StopApp();
        ResetProcessState();
    }
    void Start(const char* program, const char* mode)
    {
        ASSERT_TRUE(StartApp(tree, program, {mode}));
        doc = TestApp().GetDocument();
    }

    AppTree tree;
    TempFolder work;
    ScriptedPrompts prompts;
    CTessaronDoc* doc = nullptr;
};

}  // namespace

TEST_F(BuildCommands, TheLayerBuilderBuildsTwoColumnsOfThreeLayersThatSaveAndOpenAgain)
{
    Start("brenvik", "-2");
    EXPECT_TRUE(Frame()->RunCommand(ID_FILE_NEW));
    UpdateMenus(Frame());
    EXPECT_TRUE(IsEnabled(ID_COLUMN_NEW));
    EXPECT_FALSE(IsEnabled(ID_LAYER_NEW));

    // The first sheet asks for the mesh totals the device does not have yet.
    prompts.AnswerNext(IDNO);
    prompts.AnswerNext(IDNO);
    RunBuildSheet(ID_COLUMN_NEW, "New Column", "1.5", "3", "gaas", "0");
    EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{kMeshQuestion, kMeshQuestion}));
    ASSERT_EQ(g_nZSegCount, 1);
    UpdateMenus(Frame());
    EXPECT_TRUE(IsEnabled(ID_LAYER_NEW));
    RunBuildSheet(ID_LAYER_NEW, "New Layer", "0.5", "3", "algaas", "0.3");
    RunBuildSheet(ID_LAYER_NEW, "New Layer", "0.25", "3", "gaas", "0.1");
    // The reference column of the next one: the substrate of the first, clicked in the view.
    ClickLayerAt(1.5f, 0.75f);
    ASSERT_EQ(doc->m_ZSegments[0].m_nSelectedColumn, 0);
    ASSERT_EQ(doc->m_ZSegments[0].m_nSelectedRow, 0);
    RunBuildSheet(ID_COLUMN_NEW, "New Column", "1.5", "2", "algaas", "0.2");
    RunBuildSheet(ID_LAYER_NEW, "New Layer", "0.5", "2", "ingaas", "0.1");
    RunSizedSheet(ID_LAYER_NEW, "New Layer", "0.25", "2");
    const std::string built = Device(*doc);
    EXPECT_EQ(built, "column\n"
                     "  gaas d=1.5 w=3..3\n"
                     "  algaas d=0.5 w=3..3\n"
                     "  gaas d=0.25 w=3..3\n"
                     "column\n"
                     "  algaas d=1.5 w=2..2\n"
                     "  ingaas d=0.5 w=2..2\n"
                     "  algaas d=0.25 w=2..2\n");
    EXPECT_EQ(Materials(*doc), "gaas(0) algaas(0.3) gaas(0.1) | algaas(0.2) ingaas(0.1) algaas(0) | ");
    EXPECT_EQ(doc->UndoHistory().GetSnapshotCount(), 6);
    EXPECT_EQ(prompts.Texts().size(), 2u);

    const std::string path = work.File("built.layer");
    prompts.ChooseFileNext(path);
    prompts.AnswerNext(IDYES);  // the mesh counts are not set: save all the same
    EXPECT_TRUE(Frame()->RunCommand(ID_FILE_SAVE_AS));
    EXPECT_EQ(prompts.Texts().back(), "Mesh for facet 1 layer 1 has not been set, Do you still wish to save?");
    EXPECT_FALSE(FileBytes(path).empty());
    EXPECT_FALSE(doc->IsModified());

    EXPECT_TRUE(Frame()->RunCommand(ID_FILE_NEW));
    EXPECT_EQ(g_nZSegCount, 0);
    prompts.ChooseFileNext(path);
    EXPECT_TRUE(Frame()->RunCommand(ID_FILE_OPEN));
    EXPECT_EQ(doc->GetPathName(), path);
    EXPECT_EQ(Device(*doc), built);
    EXPECT_EQ(Materials(*doc), "gaas(0) algaas(0.3) gaas(0.1) | algaas(0.2) ingaas(0.1) algaas(0) | ");
}

TEST_F(BuildCommands, AShortColumnAndALayerOnItLookTheSameAfterASaveAndAReopen)
{
    Start("brenvik", "-2");
    Frame()->SetSize(240, 200, 1000, 700);
    EXPECT_TRUE(Frame()->RunCommand(ID_FILE_NEW));
    prompts.AnswerNext(IDNO);
    prompts.AnswerNext(IDNO);
    RunBuildSheet(ID_COLUMN_NEW, "New Column", "1.5", "3", "gaas", "0");
    RunBuildSheet(ID_LAYER_NEW, "New Layer", "0.5", "3", "algaas", "0.3");
    RunBuildSheet(ID_LAYER_NEW, "New Layer", "0.25", "3", "ingaas", "0.1");
    // A column of one layer beside the first one's three: the rows above it are empty.
    ClickLayerAt(1.5f, 0.75f);
    RunBuildSheet(ID_COLUMN_NEW, "New Column", "1.5", "2", "algaas", "0.2");
    // A layer on the short column's own one, which is selected: its empty rows move up, and the
    // topmost goes.
    ASSERT_EQ(doc->m_ZSegments[0].m_nSelectedColumn, 1);
    ASSERT_EQ(doc->m_ZSegments[0].m_nSelectedRow, 0);
    RunBuildSheet(ID_LAYER_NEW, "New Layer", "0.5", "2", "gaas", "0.1");
    ClickLayerAt(-2.0f, -2.0f);  // beside every layer: nothing selected, as after an open
    const std::string built = Device(*doc);
    const CPanePicture edited = FramedPicture();
    ASSERT_GT(edited.width, 0);
    EXPECT_GT(edited.CountOther(255, 255, 255), size_t(edited.width * edited.height / 20));

    const std::string path = work.File("short.layer");
    prompts.ChooseFileNext(path);
    prompts.AnswerNext(IDYES);  // the mesh counts are not set: save all the same
    EXPECT_TRUE(Frame()->RunCommand(ID_FILE_SAVE_AS));
    EXPECT_TRUE(Frame()->RunCommand(ID_FILE_NEW));
    prompts.ChooseFileNext(path);
    EXPECT_TRUE(Frame()->RunCommand(ID_FILE_OPEN));
    EXPECT_EQ(doc->GetPathName(), path);
    EXPECT_EQ(Device(*doc), built);
    EXPECT_TRUE(FramedPicture().rgb == edited.rgb) << "the 2-D view shows the device it showed before the save";
}

TEST_F(BuildCommands, TheDeviceEditorBuildsAFirstZSegmentWithMaterialsPickedInTheSheet)
{
    Start("tessaron", "-3");
    EXPECT_TRUE(Frame()->RunCommand(ID_FILE_NEW));
    RunWith<CGeneralSheet>(ID_ZSEG_NEW, [](CGeneralSheet& sheet) {
        EXPECT_EQ(sheet.GetTitle(), "New segment");
        Click(&sheet, wxID_OK);
    });
    ASSERT_EQ(g_nZSegCount, 1);
    // The z-segment's first layer is a new layer of the default material, 2.4 high and 6 wide.
    EXPECT_EQ(Materials(*doc), "algaas(0) | ");

    RunBuildSheet(ID_LAYER_NEW, "New Layer", "0.5", "6", "gaas", "0.25");
    ClickLayerAt(3.0f, 1.2f);
    ASSERT_EQ(doc->m_ZSegments[0].m_nSelectedColumn, 0);
    ASSERT_EQ(doc->m_ZSegments[0].m_nSelectedRow, 0);
    RunBuildSheet(ID_COLUMN_NEW, "New Column", "2.4", "3", "ingaas", "0.4");
    RunBuildSheet(ID_LAYER_NEW, "New Layer", "0.5", "3", "algaas", "0.3");
    const std::string built = Device(*doc);
    EXPECT_EQ(built, "column\n"
                     "  algaas d=2.4 w=6..6\n"
                     "  gaas d=0.5 w=6..6\n"
                     "column\n"
                     "  ingaas d=2.4 w=3..3\n"
                     "  algaas d=0.5 w=3..3\n");
    EXPECT_EQ(Materials(*doc), "algaas(0) gaas(0.25) | ingaas(0.4) algaas(0.3) | ");

    const std::string path = work.File("built.sol");
    prompts.AllowUnscripted();
    prompts.ChooseFileNext(path);
    EXPECT_TRUE(Frame()->RunCommand(ID_FILE_SAVE_AS));
    EXPECT_FALSE(doc->IsModified());
    EXPECT_TRUE(Frame()->RunCommand(ID_FILE_NEW));
    EXPECT_EQ(g_nZSegCount, 0);
    prompts.ChooseFileNext(path);
    EXPECT_TRUE(Frame()->RunCommand(ID_FILE_OPEN));
    ASSERT_EQ(g_nZSegCount, 1);
    EXPECT_EQ(Device(*doc), built);
    EXPECT_EQ(Materials(*doc), "algaas(0) gaas(0.25) | ingaas(0.4) algaas(0.3) | ");
}

TEST_F(BuildCommands, CancelledSheetsLeaveTheLayerBuildersDeviceAsItWas)
{
    Start("brenvik", "-2");
    prompts.AnswerNext(IDNO);
    prompts.AnswerNext(IDNO);
    RunSizedSheet(ID_COLUMN_NEW, "New Column", "1.5", "3");
    const std::string built = Device(*doc);
    for (int id : {ID_COLUMN_NEW, ID_LAYER_NEW}) {
        RunWith<CGeneralSheet>(id, [](CGeneralSheet& sheet) {
            Type(&sheet, 1000, "9");
            Click(&sheet, wxID_CANCEL);
        });
        EXPECT_EQ(Device(*doc), built);
    }
    EXPECT_EQ(doc->UndoHistory().GetSnapshotCount(), 1);
}

TEST_F(BuildCommands, TheDeviceEditorStartsWithNewZSegmentAndAddsMoreThroughThePositionDialog)
{
    Start("tessaron", "-3");
    UpdateMenus(Frame());
    EXPECT_TRUE(IsEnabled(ID_ZSEG_NEW)) << "a 3-D device is started with it";
    EXPECT_FALSE(IsEnabled(ID_ZSEG_DELETE));
    EXPECT_FALSE(IsEnabled(ID_COLUMN_NEW));
    EXPECT_FALSE(IsEnabled(ID_LAYER_NEW));
    EXPECT_FALSE(IsEnabled(ID_ZSEG_PASTE_MATERIAL));

    RunWith<CGeneralSheet>(ID_ZSEG_NEW, [](CGeneralSheet& sheet) {
        EXPECT_EQ(sheet.GetTitle(), "New segment");
        Type(&sheet, CZSegmentPage::IDC_TO, "1.5");
        Click(&sheet, wxID_OK);
    });
    ASSERT_EQ(g_nZSegCount, 1);
    EXPECT_EQ(doc->m_ZSegments[0].m_Params.m_dZFrom, 0.0);
    EXPECT_EQ(doc->m_ZSegments[0].m_Params.m_dZTo, 1.5);
    EXPECT_EQ(doc->m_ZSegments[0].GetColumnCount(), 1);
    EXPECT_EQ(doc->m_ZSegments[0].m_nTotalXMesh, 3);
    UpdateMenus(Frame());
    EXPECT_TRUE(IsEnabled(ID_ZSEG_DELETE));
    EXPECT_TRUE(IsEnabled(ID_COLUMN_NEW));

    // A position before the end of z-segment 1 is refused; the dialog comes again and is cancelled.
    prompts.AnswerNext(IDOK);
    std::unique_ptr<WhenModal<CZSegPositionWindow>> second;
    RunWith<CZSegPositionWindow>(ID_ZSEG_NEW, [&second](CZSegPositionWindow& dialog) {
        EXPECT_EQ(dialog.GetTitle(), "z-segment Position");
        EXPECT_EQ(Text(&dialog, CZSegPositionDlg::IDC_FROM), "1.5");
        EXPECT_FALSE(Control<wxTextCtrl>(&dialog, CZSegPositionDlg::IDC_LAYER_FILE)->IsEnabled());
        Type(&dialog, CZSegPositionDlg::IDC_FROM, "-1");
        Click(&dialog, wxID_OK);
        second = std::make_unique<WhenModal<CZSegPositionWindow>>([](CZSegPositionWindow& again) {
            EXPECT_EQ(Text(&again, CZSegPositionDlg::IDC_FROM), "1.5") << "opened as it opened first";
            Click(&again, wxID_CANCEL);
        });
    });
    ASSERT_TRUE(second);
    EXPECT_TRUE(second->Seen());
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{kTooSmall});
    EXPECT_EQ(g_nZSegCount, 1);

    // By lengths, from a ".layer" file chosen with Import.
    const std::string layer =
        work.Write("ridge.layer", FileBytes(std::string(TESSARON_FIXTURES) + "/layer/ridge_two_columns.layer"));
    prompts.ChooseFileNext(layer);
    RunWith<CZSegPositionWindow>(ID_ZSEG_NEW, [&layer](CZSegPositionWindow& dialog) {
        Choose(Control<wxRadioButton>(&dialog, CZSegPositionDlg::IDC_BY_LENGTHS));
        EXPECT_FALSE(Control<wxTextCtrl>(&dialog, CZSegPositionDlg::IDC_FROM)->IsEnabled());
        EXPECT_TRUE(Control<wxTextCtrl>(&dialog, CZSegPositionDlg::IDC_TAPER_LENGTH)->IsEnabled());
        Type(&dialog, CZSegPositionDlg::IDC_TAPER_LENGTH, "0.5");
        Type(&dialog, CZSegPositionDlg::IDC_SEGMENT_LENGTH, "2");
        Tick(Control<wxCheckBox>(&dialog, CZSegPositionDlg::IDC_USE_EXISTING_FILE));
        EXPECT_TRUE(Control<wxButton>(&dialog, CZSegPositionDlg::IDC_IMPORT)->IsEnabled());
        Click(&dialog, CZSegPositionDlg::IDC_IMPORT);
        EXPECT_EQ(Text(&dialog, CZSegPositionDlg::IDC_LAYER_FILE), layer);
        Click(&dialog, wxID_OK);
        EXPECT_EQ(Text(&dialog, CZSegPositionDlg::IDC_FROM), "2");
        EXPECT_EQ(Text(&dialog, CZSegPositionDlg::IDC_TO), "4");
    });
    ASSERT_EQ(g_nZSegCount, 2);
    EXPECT_EQ(g_nCurZSeg, 2);
    EXPECT_EQ(doc->m_ZSegments[1].GetColumnCount(), 2);
    EXPECT_EQ(doc->m_ZSegments[1].m_strLayerFile, layer);
    EXPECT_TRUE(g_bZSegByLengths) << "the next dialog or z-segment page opens by lengths";

    EXPECT_TRUE(Frame()->RunCommand(ID_ZSEG_DELETE));
    EXPECT_EQ(g_nZSegCount, 1);
    EXPECT_EQ(g_nCurZSeg, 1);
    EXPECT_EQ(doc->m_ZSegments[0].GetColumnCount(), 1);
}

TEST_F(BuildCommands, ALayerFileOfUnusableNumbersImportedAsAZSegmentIsReportedOnOnceItIsIn)
{
    Start("tessaron", "-3");
    RunWith<CGeneralSheet>(ID_ZSEG_NEW, [](CGeneralSheet& sheet) {
        Type(&sheet, CZSegmentPage::IDC_TO, "1.5");
        Click(&sheet, wxID_OK);
    });
    ASSERT_EQ(g_nZSegCount, 1);

    const std::string odd = work.Write("odd.layer", "begin_layer\r\n"
                                                    "column column_num=1 w=wide mesh_num=4 r=1\r\n"
                                                    "layer_mater macro_name=gaas column_num=1\r\n"
                                                    "layer d=1 n=4 r=1\r\n"
                                                    "end_layer\r\n");
    prompts.ChooseFileNext(odd);
    prompts.AnswerNext(IDOK);
    RunWith<CZSegPositionWindow>(ID_ZSEG_NEW, [&odd](CZSegPositionWindow& dialog) {
        Type(&dialog, CZSegPositionDlg::IDC_TO, "3");
        Tick(Control<wxCheckBox>(&dialog, CZSegPositionDlg::IDC_USE_EXISTING_FILE));
        Click(&dialog, CZSegPositionDlg::IDC_IMPORT);
        EXPECT_EQ(Text(&dialog, CZSegPositionDlg::IDC_LAYER_FILE), odd);
        Click(&dialog, wxID_OK);
    });
    ASSERT_EQ(g_nZSegCount, 2);
    EXPECT_EQ(doc->m_ZSegments[1].m_strLayerFile, odd);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Some values cannot be used as numbers:\n" + odd +
                                                        ", line 2: w=wide (not a number, read as 0)"});
}
