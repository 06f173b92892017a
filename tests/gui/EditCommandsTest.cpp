// The editing commands in the running program: the Layer, Column, Insert and Z-segment menus run
// the document's clipboards, modify, material paste, cut lines and z-segment commands, with the
// real layer property sheet and the real cut-line dialog.

#include "AppHarness.h"
#include "CommandIds.h"
#include "ModalWindow.h"
#include "app/MainFrame.h"
#include "dialogs/CutLineDialog.h"
#include "dialogs/GeneralSheet.h"
#include "document/TessaronDoc.h"
#include "model/ProcessState.h"
#include "sheets/CutLineDlg.h"
#include "sheets/DataExchange.h"
#include "sheets/ZSegmentPage.h"
#include "support/FileBytes.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>
#include <wx/bookctrl.h>
#include <wx/button.h>
#include <wx/menu.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <functional>

namespace {

std::string MenuText(int id)
{
    const wxMenuItem* item = Frame()->GetMenuBar()->FindItem(WxId(id));
    return item ? item->GetItemLabel().ToStdString() : "(no entry)";
}

// The ridge device (two columns of four rows) opened in the running program.
class EditMenus : public ::testing::Test {
protected:
    void Start(const std::string& program, const std::string& mode)
    {
        const std::string layer = std::string(TESSARON_FIXTURES) + "/layer/ridge_two_columns.layer";
        ASSERT_TRUE(StartApp(tree, program, {mode, work.Write("ridge.layer", FileBytes(layer))}));
        PumpEvents(300);
        doc = TestApp().GetDocument();
    }
    void TearDown() override { StopApp(); }

    CZSegment& Current() { return doc->m_ZSegments.at(g_nCurZSeg - 1); }
    std::string Bulk(int column, int row)
    {
        return Current().GetColumn(column).GetLayer(row).m_Material.m_Bulk.m_strName;
    }

    AppTree tree;
    TempFolder work;
    ScriptedPrompts prompts;
    CTessaronDoc* doc = nullptr;
};

}  // namespace

TEST_F(EditMenus, TheLayerAndColumnMenusCopyCutAndPaste)
{
    Start("brenvik", "-2");
    EXPECT_EQ(MenuText(ID_LAYER_PASTE_MATERIAL), "&Paste Material only\tCtrl+M");
    EXPECT_EQ(MenuText(ID_INSERT_VERTI_LINE), "Insert verti line");

    // Nothing selected: the copy is disabled and does not run.
    Frame()->RunCommand(ID_LAYER_COPY);
    EXPECT_EQ(g_nClipboardZSeg, 0);

    const std::string cladding = Bulk(0, 1);  // as the program's macro library names it
    doc->SetSelection(0, 0, 1);
    Frame()->RunCommand(ID_LAYER_COPY);
    Frame()->RunCommand(ID_LAYER_PASTE);
    EXPECT_EQ(Current().GetColumn(0).GetLayersInUse(), 5);
    EXPECT_EQ(Bulk(0, 2), cladding);
    EXPECT_EQ(Current().m_nSelectedRow, 2);

    Frame()->RunCommand(ID_COLUMN_COPY);
    Frame()->RunCommand(ID_COLUMN_PASTE);
    EXPECT_EQ(Current().GetColumnCount(), 3);
    EXPECT_EQ(Current().GetColumn(1).m_Labels.at(0).m_strText, "ridge1");

    Frame()->RunCommand(ID_EDIT_UNDO);
    EXPECT_EQ(Current().GetColumnCount(), 2);

    // The column copy emptied the layer clipboard: copy the cladding again.
    doc->SetSelection(0, 0, 1);
    Frame()->RunCommand(ID_LAYER_COPY);
    doc->SetSelection(0, 1, 0);
    Frame()->RunCommand(ID_LAYER_PASTE_ROW_MATERIAL);
    EXPECT_EQ(Bulk(0, 0), cladding);
    EXPECT_EQ(Bulk(1, 0), cladding);

    Frame()->RunCommand(ID_COLUMN_CUT);
    EXPECT_EQ(Current().GetColumnCount(), 1);
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(EditMenus, TheCutLineDialogAsksForAValueInsideTheLayer)
{
    Start("brenvik", "-2");
    doc->SetSelection(0, 0, 0);  // the substrate, 1.5 high
    prompts.AnswerNext(IDOK);
    RunWithModal<CCutLineDialog>(ID_INSERT_HORI_LINE, [this](CCutLineDialog& dialog) {
        EXPECT_EQ(dialog.GetTitle(), "Set cut line value");
        EXPECT_EQ(Control<wxStaticText>(&dialog, CCutLineDlg::IDC_PROMPT)->GetLabel(),
                  "  set cut line value between 0 and layer heigth:");
        EXPECT_EQ(Control<wxStaticText>(&dialog, CCutLineDlg::IDC_RANGE)->GetLabel(), "From 0.0 to 1.50");
        EXPECT_EQ(Text(&dialog, CCutLineDlg::IDC_VALUE), "0");
        Type(&dialog, CCutLineDlg::IDC_VALUE, "1.5");
        Click(&dialog, wxID_OK);
        EXPECT_TRUE(dialog.IsModal());
        EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Input value is too big"});
        Type(&dialog, CCutLineDlg::IDC_VALUE, "0.5");
        Click(&dialog, wxID_OK);
    });
    EXPECT_EQ(Current().GetColumn(0).GetLayersInUse(), 5);
    EXPECT_FLOAT_EQ(Current().GetColumn(0).GetLayer(0).m_fHeight, 0.5f);
    EXPECT_FLOAT_EQ(Current().GetColumn(1).GetLayer(1).m_fHeight, 1.0f);

    RunWithModal<CCutLineDialog>(ID_INSERT_VERTI_LINE, [](CCutLineDialog& dialog) {
        EXPECT_EQ(Control<wxStaticText>(&dialog, CCutLineDlg::IDC_RANGE)->GetLabel(), "From 0.0 to 2.00");
        Type(&dialog, CCutLineDlg::IDC_VALUE, "1");
        Click(&dialog, wxID_CANCEL);
    });
    EXPECT_EQ(Current().GetColumnCount(), 2);

    RunWithModal<CCutLineDialog>(ID_INSERT_VERTI_LINE, [](CCutLineDialog& dialog) {
        Type(&dialog, CCutLineDlg::IDC_VALUE, "1");
        Click(&dialog, wxID_OK);
    });
    EXPECT_EQ(Current().GetColumnCount(), 3);
    EXPECT_FLOAT_EQ(Current().GetColumn(1).GetLayer(0).m_fUpperWidth, 1.5f);
}

TEST_F(EditMenus, ModifyRunsTheLayerSheetOnTheSelectedLayer)
{
    Start("brenvik", "-2");
    doc->SetSelection(0, 1, 0);
    RunWithModal<CGeneralSheet>(ID_LAYER_MODIFY, [](CGeneralSheet& sheet) {
        EXPECT_EQ(sheet.GetTitle(), "Modify Layer");
        Type(&sheet, 1000, "2.25");
        Click(&sheet, wxID_OK);
    });
    EXPECT_FLOAT_EQ(Current().GetColumn(0).GetLayer(0).m_fHeight, 2.25f);
    EXPECT_FLOAT_EQ(Current().GetColumn(1).GetLayer(0).m_fHeight, 2.25f);

    RunWithModal<CGeneralSheet>(ID_LAYER_MODIFY, [](CGeneralSheet& sheet) {
        Type(&sheet, 1000, "3");
        Click(&sheet, wxID_CANCEL);
    });
    EXPECT_FLOAT_EQ(Current().GetColumn(1).GetLayer(0).m_fHeight, 2.25f);
}

TEST_F(EditMenus, TheZSegmentMenuCopiesAndEditsZSegments)
{
    Start("tessaron", "-3");
    EXPECT_EQ(MenuText(ID_ZSEG_COPY_MATERIAL), "Copy z-segment  material");
    Frame()->RunCommand(ID_ZSEG_COPY);
    Frame()->RunCommand(ID_ZSEG_PASTE);
    EXPECT_EQ(g_nZSegCount, 2);
    EXPECT_EQ(g_nCurZSeg, 2);
    EXPECT_EQ(doc->m_SegInfoList.GetCount(), 2);

    const double from = Current().m_Params.m_dZFrom;
    RunWithModal<CGeneralSheet>(ID_ZSEG_PROPERTY, [this, from](CGeneralSheet& sheet) {
        EXPECT_EQ(sheet.GetTitle(), "Modify Z Panels");
        EXPECT_EQ(doc->m_nForcedSelection, 1);
        EXPECT_EQ(Text(&sheet, CZSegmentPage::IDC_FROM), CDataExchange::DoubleText(from));
        Type(&sheet, CZSegmentPage::IDC_TO, CDataExchange::DoubleText(from + 2.5).c_str());
        Click(&sheet, wxID_OK);
    });
    EXPECT_EQ(Current().m_Params.m_dZTo, from + 2.5);
    EXPECT_EQ(doc->m_SegInfoList.GetAt(1)->m_dZEnd, from + 2.5);
    EXPECT_EQ(doc->m_nForcedSelection, 0);
    EXPECT_EQ(Current().m_nSelectedRow, -1);

    // Undo steps back over the sheet and then over the paste.
    Frame()->RunCommand(ID_EDIT_UNDO);
    EXPECT_EQ(g_nZSegCount, 2);
    Frame()->RunCommand(ID_EDIT_UNDO);
    EXPECT_EQ(g_nZSegCount, 1);
}
