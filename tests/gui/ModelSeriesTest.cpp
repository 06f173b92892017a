// The model-based series in the running program, reached by command id as they stand in no menu:
// the width series through the item dialog and the series table, the bulk and active composition
// series through their dialog; each writes one saved file per value and leaves the open document
// exactly as it was.

#include "AppHarness.h"
#include "CommandIds.h"
#include "ModalWindow.h"
#include "app/MainFrame.h"
#include "dialogs/SeriComposDialog.h"
#include "dialogs/SeriesItemDialog.h"
#include "dialogs/SeriesTableDlg.h"
#include "document/TessaronDoc.h"
#include "model/ProcessState.h"
#include "series/ModelSeriesTable.h"
#include "sheets/SeriComposDlg.h"
#include "sheets/SeriesItemDlg.h"
#include "support/FileBytes.h"
#include "support/GoldenFile.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>
#include <wx/listctrl.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>

namespace {

std::string SeriesFixture(const std::string& name) { return std::string(TESSARON_FIXTURES) + "/series/" + name; }

class ModelSeriesCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = work.Write("dev.layer", FileBytes(SeriesFixture("dev.layer")));
        work.Write("notes.txt", "beside the device\n");
        ASSERT_TRUE(StartApp(tree, "brenvik", {"-2", root}));
        PumpEvents(300);
        doc = TestApp().GetDocument();
        doc->CheckPoint();  // an earlier edit's undo entry, which the series must keep
        doc->SetSelection(0, 0, 1);
    }
    void TearDown() override { StopApp(); }

    // What a save writes now, with the modified flag and the undo history.
    std::string Saved(const std::string& name)
    {
        EXPECT_TRUE(doc->SaveCurrentZsegmentLayerFile(scratch.File(name)));
        return scratch.Read(name) + (doc->IsModified() ? "|modified" : "|saved") + "|undo " +
               std::to_string(doc->UndoHistory().GetSnapshotCount()) + "/" +
               std::to_string(doc->UndoHistory().GetCursor()) + "|selection " +
               std::to_string(doc->m_ZSegments.at(0).m_nSelectedColumn) + "," +
               std::to_string(doc->m_ZSegments.at(0).m_nSelectedRow);
    }

    AppTree tree;
    TempFolder work;
    TempFolder scratch;
    ScriptedPrompts prompts;
    CTessaronDoc* doc = nullptr;
    std::string root;
};

}  // namespace

TEST_F(ModelSeriesCommands, TheWidthSeriesRunsThroughTheItemDialogAndTheTable)
{
    const std::string before = Saved("before.layer");

    // Nothing selected: the command is disabled and does not run.
    doc->SetSelection(-1, -1, -1);
    EXPECT_FALSE(Frame()->IsCommandEnabled(WxId(ID_SERI_COLUMN_WIDTH)));
    doc->SetSelection(0, 0, 1);
    EXPECT_TRUE(Frame()->IsCommandEnabled(WxId(ID_SERI_COLUMN_WIDTH)));

    prompts.AnswerNext(IDOK);
    RunWithModal<CSeriesItemDialog>(ID_SERI_COLUMN_WIDTH, [this](CSeriesItemDialog& dialog) {
        EXPECT_EQ(dialog.GetTitle(), "Series Item");
        EXPECT_EQ(Control<wxStaticText>(&dialog, CSeriesItemDlg::IDC_CAPTION)->GetLabel(), "width");
        EXPECT_EQ(Text(&dialog, CSeriesItemDlg::IDC_CURRENT), "2");
        EXPECT_FALSE(dialog.FindWindow(CSeriesItemDlg::IDC_STEP)->IsShown());
        // A new width variable starts with equal initial and final values: refused.
        Click(&dialog, wxID_OK);
        EXPECT_TRUE(dialog.IsModal());
        EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Initial value can not equal to final value!"});
        Type(&dialog, CSeriesItemDlg::IDC_FINAL, "3");
        Click(&dialog, wxID_OK);
    });

    CSeriesTableDlg* table = CSeriesTableDlg::s_pOpen;
    ASSERT_NE(table, nullptr);
    EXPECT_TRUE(table->IsShown());
    EXPECT_FALSE(table->IsModal());
    EXPECT_EQ(table->GetTitle(), "Series table");
    wxListCtrl* list = table->List();
    ASSERT_EQ(list->GetItemCount(), 1);
    EXPECT_EQ(list->GetItemText(0, 0), "width");
    EXPECT_EQ(list->GetItemText(0, 1), "2");
    EXPECT_EQ(list->GetItemText(0, 2), "3");
    EXPECT_EQ(list->GetItemText(0, 3), "Col:0, Layer:1");
    EXPECT_EQ(Text(table, CModelSeriesTable::IDC_VALUE_COUNT), "2");
    EXPECT_EQ(Text(table, CModelSeriesTable::IDC_NAME).rfind("width_2_3_", 0), 0u);

    Type(table, CModelSeriesTable::IDC_NAME, "widths");
    Type(table, CModelSeriesTable::IDC_VALUE_COUNT, "3");
    Click(table, wxID_OK);
    PumpEvents();
    EXPECT_EQ(CSeriesTableDlg::s_pOpen, nullptr);

    for (int i = 1; i <= 3; ++i) {
        const std::string folder = "projects/widths/" + std::to_string(i) + "/";
        ExpectGoldenFile(work.Read(folder + "dev.layer"), SeriesFixture("golden/width_" + std::to_string(i) + ".layer"));
        EXPECT_EQ(work.Read(folder + "notes.txt"), "beside the device\n");
    }
    EXPECT_EQ(prompts.Texts().size(), 1u);
    EXPECT_EQ(Saved("after.layer"), before);
}

TEST_F(ModelSeriesCommands, TheCompositionSeriesRunThroughTheirDialog)
{
    const std::string before = Saved("before.layer");

    prompts.AnswerNext(IDOK);
    RunWithModal<CSeriComposDialog>(ID_SERI_BULK_COMPOS, [this](CSeriComposDialog& dialog) {
        EXPECT_EQ(dialog.GetTitle(), "Seri Compos");
        // myalloy has two parameters, x and y: rows 3 to 6 are hidden.
        EXPECT_EQ(Control<wxStaticText>(&dialog, CSeriComposDlg::kNameIds[0])->GetLabel(), "x");
        EXPECT_EQ(Control<wxStaticText>(&dialog, CSeriComposDlg::kNameIds[1])->GetLabel(), "y");
        EXPECT_TRUE(dialog.FindWindow(CSeriComposDlg::kRadioIds[1])->IsShown());
        EXPECT_FALSE(dialog.FindWindow(CSeriComposDlg::kRadioIds[2])->IsShown());
        EXPECT_FALSE(dialog.FindWindow(CSeriComposDlg::kFromIds[2])->IsShown());
        EXPECT_EQ(Text(&dialog, CSeriComposDlg::kFromIds[0]), "0.3");
        EXPECT_FALSE(dialog.FindWindow(CSeriComposDlg::kFromIds[1])->IsEnabled());

        Choose(Control<wxRadioButton>(&dialog, CSeriComposDlg::kRadioIds[1]));
        EXPECT_TRUE(dialog.FindWindow(CSeriComposDlg::kFromIds[1])->IsEnabled());
        EXPECT_FALSE(dialog.FindWindow(CSeriComposDlg::kFromIds[0])->IsEnabled());
        Type(&dialog, CSeriComposDlg::kFromIds[1], "0.1");
        Type(&dialog, CSeriComposDlg::kToIds[1], "0.3");
        Type(&dialog, CSeriComposDlg::kStepIds[1], "0.000005");
        Click(&dialog, wxID_OK);
        EXPECT_TRUE(dialog.IsModal());
        EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Step is too samll!"});
        Type(&dialog, CSeriComposDlg::kStepIds[1], "0.1");
        Click(&dialog, wxID_OK);
    });
    for (const char* value : {"0.1", "0.2", "0.3"}) {
        const std::string folder = std::string("projects/dev-Bulk-var2-/") + value + "/";
        ExpectGoldenFile(work.Read(folder + "dev.layer"), SeriesFixture(std::string("golden/bulk_var2_") + value + ".layer"));
        EXPECT_EQ(work.Read(folder + "notes.txt"), "beside the device\n");
    }

    RunWithModal<CSeriComposDialog>(ID_SERI_ACTIVE_COMPOS, [](CSeriComposDialog& dialog) {
        EXPECT_EQ(Control<wxStaticText>(&dialog, CSeriComposDlg::kNameIds[0])->GetLabel(), "w");
        EXPECT_FALSE(dialog.FindWindow(CSeriComposDlg::kRadioIds[1])->IsShown());
        Type(&dialog, CSeriComposDlg::kFromIds[0], "8");
        Type(&dialog, CSeriComposDlg::kToIds[0], "10");
        Type(&dialog, CSeriComposDlg::kStepIds[0], "2");
        Click(&dialog, wxID_OK);
    });
    ExpectGoldenFile(work.Read("projects/dev-Active-var1-/10/dev.layer"), SeriesFixture("golden/active_var1_10.layer"));
    EXPECT_TRUE(FileBytes(work.File("projects/dev-Active-var1-/8/dev.layer")).size() > 0);
    EXPECT_EQ(work.Read("series_infos.info"), "");

    // Cancelled: nothing is made.
    RunWithModal<CSeriComposDialog>(ID_SERI_ACTIVE_COMPOS, [](CSeriComposDialog& dialog) { Click(&dialog, wxID_CANCEL); });
    EXPECT_EQ(prompts.Texts().size(), 1u);
    EXPECT_EQ(Saved("after.layer"), before);
}
