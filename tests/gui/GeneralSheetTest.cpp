// The real layer property sheet run through the sheet runner: sizes typed into the size page,
// OK and Cancel, a refused value, the page's buttons and bars, the Enter key, the saved position,
// the numeric box's "Series" menu and the VCSEL type choice dialog.

#include "AppHarness.h"
#include "CommandIds.h"
#include "ModalWindow.h"
#include "WindowInput.h"
#include "app/MainFrame.h"
#include "dialogs/GeneralSheet.h"
#include "dialogs/SeriesEdit.h"
#include "dialogs/VcselTypeExistsDlg.h"
#include "dialogs/WxSheetRunner.h"
#include "document/TessaronDoc.h"
#include "sheets/General.h"
#include "support/DocFixture.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <wx/bookctrl.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/settings.h>
#include <wx/menu.h>
#include <wx/scrolbar.h>
#include <wx/stattext.h>
#include <wx/uiaction.h>

#include <functional>
#include <memory>

namespace {

CGeneralSheet* OpenSheet() { return OpenModal<CGeneralSheet>(); }

// Runs New Column through the document, as its menu item does; `user` acts on the sheet the
// command opens and must close it. True when the sheet was accepted (the column went in).
bool RunNewColumn(CTessaronDoc& doc, std::function<void(CGeneralSheet&)> user)
{
    wxTheApp->CallAfter([user] {
        CGeneralSheet* sheet = OpenSheet();
        if (!sheet) {
            ADD_FAILURE() << "no sheet open";
            return;
        }
        user(*sheet);
        if (sheet->IsModal()) {
            ADD_FAILURE() << "the sheet was left open";
            sheet->EndModal(wxID_CANCEL);
        }
    });
    const int before = doc.m_ZSegments.at(0).GetColumnCount();
    doc.OnCommand(ID_COLUMN_NEW);
    return doc.m_ZSegments.at(0).GetColumnCount() == before + 1;
}

// A device of one column of one GaAs layer, opened from its file; New Column then runs the real
// sheet for a second column, which starts 2.4 high and 6 wide.
class RealSheet : public DocFixture {
protected:
    RealSheet() : runner(doc())
    {
        SetSheetRunner(&runner);
        const std::string device = folder.Write("one_column.layer",
                                                "begin_layer\n"
                                                "column column_num=1 w=6 mesh_num=3 r=1\n"
                                                "layer_mater macro_name=gaas column_num=1\n"
                                                "layer d=2.4 n=3 r=1\n"
                                                "end_layer\n");
        EXPECT_TRUE(doc().OnOpenDocument(device));
        EXPECT_TRUE(prompts.Texts().empty());
        views.prompts.clear();
    }
    ~RealSheet() override { SetSheetRunner(nullptr); }

    // The device has no mesh totals and the new layer no mesh number: OK asks twice whether to
    // give the totals first, and the user says no.
    void AnswerTheMeshTotalQuestions()
    {
        prompts.AnswerNext(IDNO);
        prompts.AnswerNext(IDNO);
    }
    bool RunSheet(std::function<void(CGeneralSheet&)> user) { return RunNewColumn(doc(), std::move(user)); }
    // The layer of the column New Column put in (right of the first).
    const CLayerRec& NewLayer() { return doc().m_ZSegments.at(0).GetColumn(1).GetLayer(0); }

    TempFolder folder;
    CWxSheetRunner runner;
};

}  // namespace

TEST_F(RealSheet, SizesTypedIntoTheBoxesReachTheEditLayerOnOk)
{
    AnswerTheMeshTotalQuestions();
    const bool accepted = RunSheet([](CGeneralSheet& sheet) {
        EXPECT_EQ(sheet.GetTitle(), "New Column");
        EXPECT_EQ(sheet.GetBookCtrl()->GetSelection(), 0);
        EXPECT_EQ(sheet.GetBookCtrl()->GetPageText(0), " Size_Info");
        const size_t pages = sheet.GetBookCtrl()->GetPageCount();
        EXPECT_EQ(sheet.GetBookCtrl()->GetPageText(pages - 3), "DFB/DBR grating setting");
        EXPECT_EQ(sheet.GetBookCtrl()->GetPageText(pages - 2), "Vcsel");
        EXPECT_EQ(sheet.GetBookCtrl()->GetPageText(pages - 1), "Label Postion");
        EXPECT_EQ(Text(&sheet, 1000), "2.4");
        EXPECT_EQ(Text(&sheet, 1002), "6");
        EXPECT_EQ(Control<CSeriesEdit>(&sheet, 1000)->GetParamId(), 0);
        EXPECT_EQ(Control<CSeriesEdit>(&sheet, 1031)->GetParamId(), 3);
        EXPECT_EQ(Control<wxButton>(&sheet, 1143)->GetLabel(), "Convert To Irregular Graph");
        EXPECT_FALSE(Control<wxTextCtrl>(&sheet, 1030)->IsEnabled());
        Type(&sheet, 1000, "3.5");
        Type(&sheet, 1002, "4");
        Click(&sheet, wxID_OK);
    });
    EXPECT_TRUE(accepted);
    // The typed height reaches the edit layer; the new layer holds the height of its row, which
    // the first column gives and the file stores.
    EXPECT_FLOAT_EQ(g_EditLayer.m_fHeight, 3.5f);
    EXPECT_FLOAT_EQ(NewLayer().m_fHeight, 2.4f);
    EXPECT_FLOAT_EQ(NewLayer().m_fWidth, 4.0f);
    EXPECT_FLOAT_EQ(NewLayer().m_fUpperWidth, 4.0f);
    EXPECT_FLOAT_EQ(NewLayer().m_fLowerWidth, 4.0f);
    EXPECT_EQ(g_CurLayerParams.m_bHeightChanged, 1);
    EXPECT_EQ(g_CurLayerParams.m_bWidthChanged, 1);
    EXPECT_EQ(g_CurLayerParams.m_bUpperWidthChanged, 0);
    EXPECT_EQ(views.prompts, std::vector<int>{2});
}

TEST_F(RealSheet, CancelKeepsTheSizesButTheWaveEquationChoiceIsAlreadyMade)
{
    const bool accepted = RunSheet([](CGeneralSheet& sheet) {
        wxChoice* wave = Control<wxChoice>(&sheet, 1194);
        EXPECT_EQ(wave->GetStringSelection(), "yes");
        wave->SetSelection(0);
        wxCommandEvent chosen(wxEVT_CHOICE, 1194);
        chosen.SetEventObject(wave);
        chosen.SetInt(0);
        wave->GetEventHandler()->ProcessEvent(chosen);
        Type(&sheet, 1000, "9");
        Click(&sheet, wxID_CANCEL);
    });
    EXPECT_FALSE(accepted);
    EXPECT_EQ(doc().m_ZSegments.at(0).GetColumnCount(), 1);
    // The edit image still holds the sizes it started with, and the choice made before Cancel.
    EXPECT_FLOAT_EQ(g_EditLayer.m_fHeight, 2.4f);
    EXPECT_EQ(g_EditLayer.m_nSolveWave, 0);
    EXPECT_TRUE(views.prompts.empty());
}

TEST_F(RealSheet, ARefusedValueKeepsTheSheetOpen)
{
    prompts.AnswerNext(IDOK);
    const bool accepted = RunSheet([this](CGeneralSheet& sheet) {
        Type(&sheet, 1000, "0");
        Click(&sheet, wxID_OK);
        EXPECT_TRUE(sheet.IsModal());
        EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Please enter a number between 1e-005 and 1000."});
        Click(&sheet, wxID_CANCEL);
    });
    EXPECT_FALSE(accepted);
}

TEST_F(RealSheet, TheConvertButtonAndTheBarsWorkOnTheEdgeWidths)
{
    AnswerTheMeshTotalQuestions();
    const bool accepted = RunSheet([](CGeneralSheet& sheet) {
        Click(&sheet, 1143);
        EXPECT_EQ(Control<wxButton>(&sheet, 1143)->GetLabel(), "Convert To Regular Graph");
        EXPECT_FALSE(Control<wxTextCtrl>(&sheet, 1002)->IsEnabled());
        EXPECT_TRUE(Control<wxTextCtrl>(&sheet, 1031)->IsEnabled());
        wxScrollBar* lower = Control<wxScrollBar>(&sheet, 1140);
        EXPECT_EQ(lower->GetThumbPosition() + 1, 120);
        Type(&sheet, 1000, "1.5");
        wxScrollEvent step(wxEVT_SCROLL_LINEDOWN, 1140, lower->GetThumbPosition() + 1, wxHORIZONTAL);
        step.SetEventObject(lower);
        lower->GetEventHandler()->ProcessEvent(step);
        EXPECT_EQ(Text(&sheet, 1031), "6.05");
        EXPECT_EQ(Text(&sheet, 1000), "1.5");  // typed, not yet taken: left alone
        Type(&sheet, 1030, "5");
        Click(&sheet, wxID_OK);
    });
    EXPECT_TRUE(accepted);
    EXPECT_FLOAT_EQ(g_EditLayer.m_fHeight, 1.5f);
    EXPECT_FLOAT_EQ(NewLayer().m_fHeight, 2.4f);  // the row's height
    EXPECT_FLOAT_EQ(NewLayer().m_fUpperWidth, 5.0f);
    EXPECT_FLOAT_EQ(NewLayer().m_fLowerWidth, 6.05f);
    // Both edges were changed: the new layer's width follows its lower edge, and the marks are spent.
    EXPECT_FLOAT_EQ(NewLayer().m_fWidth, 6.05f);
    EXPECT_EQ(g_CurLayerParams.m_bLowerWidthChanged, 0);
    EXPECT_EQ(g_CurLayerParams.m_bUpperWidthChanged, 0);
}

TEST_F(RealSheet, TheSheetOpensRightAlignedThenWhereItWasClosed)
{
    const wxSize screen = wxGetDisplaySize();
    wxRect first;
    RunSheet([&first](CGeneralSheet& sheet) {
        first = sheet.GetRect();
        sheet.Move(40, 50);
        Click(&sheet, wxID_CANCEL);
    });
    EXPECT_EQ(first.x + first.width, screen.x);
    EXPECT_EQ(profile.GetProfileString("CGenearlDlg", "left-top"), "40, 50");

    profile.WriteProfileString("CGenearlDlg", "left-top", "5000, 60");
    wxRect second;
    RunSheet([&second](CGeneralSheet& sheet) {
        second = sheet.GetRect();
        Click(&sheet, wxID_CANCEL);
    });
    EXPECT_EQ(second.x, screen.x - second.width);
    EXPECT_EQ(second.y, 60);
}

TEST_F(RealSheet, TheBannerStandsBetweenTheTabsAndTheOkButton)
{
    RunSheet([](CGeneralSheet& sheet) {
        const wxRect banner = sheet.GetBannerRect();
        const wxRect ok = Control<wxButton>(&sheet, wxID_OK)->GetRect();
        EXPECT_EQ(banner.x, sheet.GetBookCtrl()->GetRect().x);
        EXPECT_EQ(banner.GetRight() + 1, ok.x);
        EXPECT_EQ(banner.y, ok.y);
        EXPECT_EQ(banner.height, ok.height);
        EXPECT_GT(banner.width, 0);
        EXPECT_EQ(sheet.GetBannerFont().GetWeight(), wxFONTWEIGHT_BOLD);
        EXPECT_EQ(sheet.GetBannerFont().GetStyle(), wxFONTSTYLE_ITALIC);
        // What the screen shows there: the text's shadow colour on the dialog's background.
        sheet.Refresh();
        PumpEvents(300);
        const wxRect onScreen(sheet.ClientToScreen(banner.GetPosition()), banner.GetSize());
        wxBitmap shot(onScreen.width, onScreen.height);
        {
            wxScreenDC screen;
            wxMemoryDC memory(shot);
            memory.Blit(0, 0, onScreen.width, onScreen.height, &screen, onScreen.x, onScreen.y);
        }
        const wxImage image = shot.ConvertToImage();
        const wxColour shadow = wxSystemSettings::GetColour(wxSYS_COLOUR_3DSHADOW);
        int shadowPixels = 0;
        for (int y = 0; y < image.GetHeight(); ++y)
            for (int x = 0; x < image.GetWidth(); ++x)
                if (image.GetRed(x, y) == shadow.Red() && image.GetGreen(x, y) == shadow.Green() &&
                    image.GetBlue(x, y) == shadow.Blue())
                    ++shadowPixels;
        EXPECT_GT(shadowPixels, 20);
        Click(&sheet, wxID_CANCEL);
    });
}

TEST_F(RealSheet, TheEnterKeyDoesNotCloseTheSheet)
{
    const bool accepted = RunSheet([](CGeneralSheet& sheet) {
        wxTextCtrl* height = Control<wxTextCtrl>(&sheet, 1000);
        wxUIActionSimulator sim;
        sim.MouseMove(height->ClientToScreen(wxPoint(5, 5)));
        sheet.Raise();
        height->SetFocus();
        PumpEvents(300);
        sim.Char(WXK_RETURN);
        PumpEvents(300);
        EXPECT_TRUE(sheet.IsModal());
        Click(&sheet, wxID_CANCEL);
    });
    EXPECT_FALSE(accepted);
}

TEST_F(RealSheet, ARightClickRecordsTheBoxsIdAndTheSeriesCommandIsDisabledUntilSomeoneHandlesIt)
{
    g_nSeriesParamId = 77;
    RunSheet([](CGeneralSheet& sheet) {
        std::unique_ptr<wxMenu> menu(CSeriesEdit::CreateSeriesMenu());
        ASSERT_EQ(menu->GetMenuItemCount(), 1u);
        EXPECT_EQ(menu->FindItemByPosition(0)->GetItemLabelText(), "Series");
        EXPECT_EQ(menu->FindItemByPosition(0)->GetId(), WxId(ID_EDIT_BOX_SERIES));
        menu->UpdateUI(sheet.GetEventHandler());
        EXPECT_FALSE(menu->IsEnabled(WxId(ID_EDIT_BOX_SERIES)));

        // A real right click: the menu opens and a key press dismisses it without a choice.
        CSeriesEdit* width = Control<CSeriesEdit>(&sheet, 1002);
        wxUIActionSimulator sim;
        sim.MouseMove(width->ClientToScreen(wxPoint(5, 5)));
        PumpEvents(200);
        wxTimer dismiss;
        dismiss.Bind(wxEVT_TIMER, [&sim](wxTimerEvent&) { sim.Char(WXK_ESCAPE); });
        dismiss.StartOnce(300);
        sim.MouseClick(wxMOUSE_BTN_RIGHT);
        PumpEvents(800);
        EXPECT_EQ(g_nSeriesParamId, 1);
        Click(&sheet, wxID_CANCEL);
    });
}

TEST(VcselTypeExistsDlg, ExplainsTheThreeChoicesAndEndsWithTheOneChosen)
{
    const struct {
        int button;
        int choice;
    } cases[] = {{CVcselTypeExistsDlg::IDC_NEW_TEMPLET, CGeneral::IDC_NEW_TEMPLET},
                 {wxID_OK, IDOK},
                 {CVcselTypeExistsDlg::IDC_LOAD, CGeneral::IDC_LOAD},
                 {wxID_CANCEL, IDCANCEL}};
    for (const auto& c : cases) {
        CVcselTypeExistsDlg dialog(nullptr);
        EXPECT_EQ(dialog.GetTitle(), "Dialog");
        EXPECT_EQ(dialog.m_strMessage,
                  "Vcsel type already exists!\nPlease use a new type or overwrite the parameters' values of the "
                  "exisiting type.\n\n\"New Templet\" to use a new vcsel type\n\n\"Overwrite\" to overwrite the "
                  "parameters' values, this will apply to all the layers with the identical type;\n\n\"Load\" to use "
                  "the existing type's parameters;");
        EXPECT_NE(dialog.FindWindow(CVcselTypeExistsDlg::IDC_MESSAGE), nullptr);
        EXPECT_EQ(Control<wxButton>(&dialog, CVcselTypeExistsDlg::IDC_NEW_TEMPLET)->GetLabel(), "New Templet");
        EXPECT_EQ(Control<wxButton>(&dialog, wxID_OK)->GetLabel(), "Overwrite");
        EXPECT_EQ(Control<wxButton>(&dialog, CVcselTypeExistsDlg::IDC_LOAD)->GetLabel(), "Load");
        EXPECT_EQ(Control<wxButton>(&dialog, wxID_CANCEL)->GetLabel(), "Cancel");
        const int button = c.button;
        wxTheApp->CallAfter([&dialog, button] { Click(&dialog, button); });
        EXPECT_EQ(CVcselTypeExistsDlg::ChoiceOf(dialog.ShowModal()), c.choice) << c.button;
    }
}

TEST(GeneralSheetInTheProgram, TheProgramRunsTheRealSheetForTheDocument)
{
    AppTree tree;
    ScriptedPrompts prompts;
    ASSERT_TRUE(StartApp(tree, "brenvik"));
    // New Column from the menu runs the real sheet over the frame; the first column of a device
    // has no mesh totals yet, and the sheet asks about them twice.
    prompts.AnswerNext(IDNO);
    prompts.AnswerNext(IDNO);
    RunWithModal<CGeneralSheet>(ID_COLUMN_NEW, [](CGeneralSheet& sheet) {
        EXPECT_EQ(sheet.GetParent(), Frame());
        EXPECT_EQ(sheet.GetTitle(), "New Column");
        // The frame's document offers the series command.
        std::unique_ptr<wxMenu> menu(CSeriesEdit::CreateSeriesMenu());
        menu->UpdateUI(sheet.GetEventHandler());
        EXPECT_TRUE(menu->IsEnabled(WxId(ID_EDIT_BOX_SERIES)));
        Type(&sheet, 1000, "0.5");
        Click(&sheet, wxID_OK);
    });
    const CTessaronDoc& doc = *TestApp().GetDocument();
    ASSERT_EQ(g_nZSegCount, 1);
    ASSERT_EQ(doc.m_ZSegments[0].GetColumnCount(), 1);
    EXPECT_FLOAT_EQ(doc.m_ZSegments[0].GetColumn(0).GetLayer(0).m_fHeight, 0.5f);
    EXPECT_FALSE(ProfileStringFromFile("CGenearlDlg", "left-top").empty());
    StopApp();
}
