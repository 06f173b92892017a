// Every text of the small windows is shown whole at the default font: the cut-line dialog's prompt
// and range lie inside their places and the dialog, and the next-step prompt window shows each of
// its prompts, in both modes, without scrolling.

#include "AppHarness.h"
#include "CommandIds.h"
#include "ModalWindow.h"
#include "app/MainFrame.h"
#include "dialogs/CutLineDialog.h"
#include "document/TessaronDoc.h"
#include "model/ProcessState.h"
#include "sheets/CutLineDlg.h"
#include "support/FileBytes.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"
#include "views/GL2dView.h"
#include "views/PromptDlg.h"

#include <gtest/gtest.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <string>

namespace {

class ClippedTexts : public ::testing::Test {
protected:
    AppTree tree;
    TempFolder work;
    ScriptedPrompts prompts;

    void Start(const std::string& program)
    {
        const std::string layer = std::string(TESSARON_FIXTURES) + "/layer/ridge_two_columns.layer";
        ASSERT_TRUE(StartApp(tree, program, {work.Write("ridge.layer", FileBytes(layer))}));
        Frame()->SetSize(20, 20, 800, 600);
        PumpEvents(400);
        ASSERT_GE(g_nZSegCount, 1);
    }
    void TearDown() override { StopApp(); }
};

// The label's text fits its control, and the control lies inside the dialog's client area.
void ExpectWholeText(wxDialog& dialog, int id)
{
    auto* text = dynamic_cast<wxStaticText*>(dialog.FindWindow(id));
    ASSERT_NE(text, nullptr) << id;
    const wxSize extent = text->GetTextExtent(text->GetLabel());
    const wxRect place = text->GetRect();
    EXPECT_LE(extent.x, place.width) << text->GetLabel();
    EXPECT_LE(extent.y, place.height) << text->GetLabel();
    EXPECT_TRUE(wxRect(dialog.GetClientSize()).Contains(place)) << text->GetLabel();
}

TEST_F(ClippedTexts, TheCutLineDialogShowsItsPromptAndRangeWhole)
{
    Start("brenvik");
    TestApp().GetDocument()->SetSelection(0, 0, 0);
    for (int command : {ID_INSERT_HORI_LINE, ID_INSERT_VERTI_LINE})
        RunWithModal<CCutLineDialog>(command, [](CCutLineDialog& dialog) {
            ExpectWholeText(dialog, CCutLineDlg::IDC_PROMPT);
            ExpectWholeText(dialog, CCutLineDlg::IDC_RANGE);
            dialog.EndModal(wxID_CANCEL);
        });
}

// Every prompt of the mode is shown with its last character inside the text box.
void ExpectEveryPromptWhole(CPromptDlg* window)
{
    ASSERT_NE(window, nullptr);
    wxTextCtrl* box = window->GetTextBox();
    for (int index = 0; index < 6; ++index) {
        window->ShowPrompt(index);
        window->Show();
        PumpEvents(200);
        const wxPoint last = box->PositionToCoords(box->GetLastPosition());
        ASSERT_NE(last, wxDefaultPosition) << index;
        EXPECT_LE(last.y + box->GetCharHeight(), box->GetClientSize().y) << "prompt " << index << ": "
                                                                           << box->GetValue();
    }
}

TEST_F(ClippedTexts, TheNextStepPromptWindowShowsEveryPromptWholeInTheLayerBuilder)
{
    Start("brenvik");
    ExpectEveryPromptWhole(Frame()->GetGL2dView()->GetPromptDlg());
}

TEST_F(ClippedTexts, TheNextStepPromptWindowShowsEveryPromptWholeInThe3dEditor)
{
    Start("tessaron");
    ExpectEveryPromptWhole(Frame()->GetGL2dView()->GetPromptDlg());
}

}  // namespace
