#include "AppHarness.h"
#include "CommandIds.h"
#include "ModalWindow.h"
#include "SheetInput.h"
#include "app/MainFrame.h"
#include "dialogs/ConditionStepDialog.h"
#include "dialogs/GeneralSheet.h"
#include "dialogs/GridCtrlWnd.h"
#include "dialogs/LayerContactPanel.h"
#include "dialogs/SeriesConditionWindow.h"
#include "dialogs/SeriesEdit.h"
#include "dialogs/SheetPagePanel.h"
#include "document/TessaronDoc.h"
#include "series/SeriesConditionDlg.h"
#include "series/SeriesInfoFile.h"
#include "sheets/ConditionStepDlg.h"
#include "sheets/General.h"
#include "sheets/LayerContact.h"
#include "sheets/LayerDop.h"
#include "sheets/LayerSize.h"
#include "support/FileBytes.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>
#include <wx/bookctrl.h>
#include <wx/listctrl.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include <filesystem>

namespace {

// The series dialog's window when one is shown.
CSeriesConditionWindow* SeriesWindow()
{
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* series = dynamic_cast<CSeriesConditionWindow*>(window); series && series->IsShown())
            return series;
    return nullptr;
}

// The physical lines of a text, each with its line end.
std::vector<std::string> LinesOf(const std::string& bytes)
{
    std::vector<std::string> lines;
    for (std::size_t begin = 0; begin < bytes.size();) {
        std::size_t end = bytes.find('\n', begin);
        end = end == std::string::npos ? bytes.size() : end + 1;
        lines.push_back(bytes.substr(begin, end - begin));
        begin = end;
    }
    return lines;
}

class EditBoxSeriesGui : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::filesystem::path device = work.File("Runs/Device");
        std::filesystem::create_directories(device);
        std::filesystem::copy(TESSARON_FIXTURES "/series/Device", device, std::filesystem::copy_options::recursive);
        ASSERT_TRUE(StartApp(tree, "brenvik", {"-2", DevicePath()}));
        PumpEvents(300);
        doc = TestApp().GetDocument();
    }
    void TearDown() override { StopApp(); }

    std::string DeviceFolder() const { return work.File("Runs/Device/"); }
    std::string DevicePath() const { return DeviceFolder() + "Sweep.layer"; }

    // Modify Layer on (column, row): on the sheet's page the user right-clicks the box, chooses
    // "Series" from its menu, enters the final value, the step number and the group in the step
    // dialog and presses OK, then cancels the sheet.
    void SweepBox(int column, int row, int page, int box, const char* final, const char* steps, const char* group)
    {
        doc->SetSelection(0, column, row);
        RunWithModal<CGeneralSheet>(ID_LAYER_MODIFY, [&](CGeneralSheet& sheet) {
            CSheetPagePanel* panel = sheet.FindPagePanel(page);
            ASSERT_NE(panel, nullptr);
            sheet.GetBookCtrl()->SetSelection(sheet.GetBookCtrl()->FindPage(panel));
            PumpEvents(200);
            CSeriesEdit* edit = Control<CSeriesEdit>(panel, box);
            ASSERT_NE(edit, nullptr);
            ChooseSeriesAt(edit->ClientToScreen(wxPoint(5, 5)), final, steps, group);
            Click(&sheet, wxID_CANCEL);
        });
        PumpEvents(200);
    }

    // The same on a value cell of the Contact page's grid.
    void SweepContactCell(int column, int row, int gridRow, int gridCol, const char* final, const char* steps,
                          const char* group)
    {
        doc->SetSelection(0, column, row);
        RunWithModal<CGeneralSheet>(ID_LAYER_MODIFY, [&](CGeneralSheet& sheet) {
            ShowTab(sheet, "Contact");
            PumpEvents(200);
            auto* panel = dynamic_cast<CLayerContactPanel*>(sheet.FindPagePanel(CGeneral::CONTACT_PAGE));
            ASSERT_NE(panel, nullptr);
            CGridCtrlWnd* grid = panel->GetGridWindow();
            CGridRect rect;
            ASSERT_TRUE(grid->Grid().GetCellRect(gridRow, gridCol, rect));
            ChooseSeriesAt(grid->ClientToScreen(wxPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2)),
                           final, steps, group);
            Click(&sheet, wxID_CANCEL);
        });
        PumpEvents(200);
    }

    // A right click at the screen point, "Series" chosen from the menu with the keyboard, and the
    // step dialog filled in and accepted.
    void ChooseSeriesAt(const wxPoint& point, const char* final, const char* steps, const char* group)
    {
        wxUIActionSimulator sim;
        wxTimer choose;
        choose.Bind(wxEVT_TIMER, [&sim](wxTimerEvent&) {
            sim.Char(WXK_DOWN);
            sim.Char(WXK_RETURN);
        });
        bool stepAnswered = false;
        wxTimer answer;
        answer.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
            CConditionStepDialog* step = OpenModal<CConditionStepDialog>();
            if (!step || stepAnswered)
                return;
            stepAnswered = true;
            offeredInitial.push_back(Text(step, CConditionStepDlg::IDC_INITIAL));
            Type(step, CConditionStepDlg::IDC_FINAL, final);
            Type(step, CConditionStepDlg::IDC_STEP_NUMBER, steps);
            Type(step, CConditionStepDlg::IDC_GROUP_ID, group);
            Click(step, wxID_OK);
        });
        answer.Start(100);
        sim.MouseMove(point);
        PumpEvents(200);
        choose.StartOnce(400);
        sim.MouseClick(wxMOUSE_BTN_RIGHT);
        for (int i = 0; i < 40 && !stepAnswered; ++i)
            PumpEvents(100);
        answer.Stop();
        EXPECT_TRUE(stepAnswered);
        PumpEvents(200);
    }

    AppTree tree;
    TempFolder work;
    ScriptedPrompts prompts;
    CTessaronDoc* doc = nullptr;
    std::vector<std::string> offeredInitial;
};

}  // namespace

TEST_F(EditBoxSeriesGui, TwoBoxesOfTheRealSheetGenerateSixPointFoldersThatOpen)
{
    SweepBox(0, 0, CGeneral::SIZE_PAGE, CLayerSize::IDC_HEIGHT, "3", "3", "1");
    SweepBox(0, 1, CGeneral::DOPING_PAGE, CLayerDop::IDC_CONCENTRATION, "5e23", "2", "2");
    EXPECT_EQ(offeredInitial, (std::vector<std::string>{"2", "3e+023"}));
    CSeriesConditionWindow* window = SeriesWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetList()->GetItemCount(), 2);
    EXPECT_EQ(window->GetList()->GetItemText(0, 1), "d");
    EXPECT_EQ(window->GetList()->GetItemText(1, 1), "n_doping1");

    Type(window, CSeriesConditionDlg::IDC_SERIES_NAME, "Run");
    Click(window, wxID_OK);
    PumpEvents(300);
    EXPECT_EQ(SeriesWindow(), nullptr);
    EXPECT_TRUE(prompts.Texts().empty());
    EXPECT_EQ(FileBytes(SeriesInfoFile::PathIn(DeviceFolder())), "Delected");

    const std::vector<std::string> saved = LinesOf(FileBytes(DevicePath()));
    for (int p = 1; p <= 6; ++p) {
        SCOPED_TRACE(p);
        const std::string point = DeviceFolder() + "Projects/Run/" + std::to_string(p) + "/";
        const std::vector<std::string> lines = LinesOf(FileBytes(point + "Sweep.layer"));
        ASSERT_EQ(lines.size(), saved.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (i != 9) {
                EXPECT_EQ(lines[i], saved[i]);
            }
        }
        prompts.ChooseFileNext(point + "Sweep.layer");
        Frame()->RunCommand(ID_FILE_OPEN);
        doc = TestApp().GetDocument();
        ASSERT_EQ(doc->GetPathName(), point + "Sweep.layer");
        const CColumnRec& column = doc->m_ZSegments.at(0).GetColumn(0);
        EXPECT_FLOAT_EQ(column.GetLayer(0).m_fHeight, 2.0f + 0.5f * ((p - 1) / 2));
        EXPECT_FLOAT_EQ(column.GetLayer(1).m_Doping.m_fValue, 3e23f + 2e23f * ((p - 1) % 2));
    }
    EXPECT_FALSE(std::filesystem::exists(DeviceFolder() + "Projects/Run/7"));
}

TEST_F(EditBoxSeriesGui, AContactValueOfTheGridIsSweptLikeABox)
{
    // Row 1 of the grid is column 1's bottom contact, from 0 to 3.
    SweepContactCell(0, 0, 1, CLayerContact::TO, "4", "2", "1");
    EXPECT_EQ(offeredInitial, (std::vector<std::string>{"3"}));
    CSeriesConditionWindow* window = SeriesWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(window->GetList()->GetItemCount(), 1);
    EXPECT_EQ(window->GetList()->GetItemText(0, 1), "to");

    Type(window, CSeriesConditionDlg::IDC_SERIES_NAME, "Reach");
    Click(window, wxID_OK);
    PumpEvents(300);
    EXPECT_TRUE(prompts.Texts().empty());
    for (int p = 1; p <= 2; ++p) {
        SCOPED_TRACE(p);
        const std::string point = DeviceFolder() + "Projects/Reach/" + std::to_string(p) + "/Sweep.layer";
        const std::string text = FileBytes(point);
        EXPECT_NE(text.find(p == 1 ? "bottom_contact column_num=1 from=0 to=3 " : "bottom_contact column_num=1 from=0 to=4 "),
                  std::string::npos)
            << text;
    }
}
