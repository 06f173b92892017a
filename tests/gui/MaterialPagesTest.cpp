// The material, doping and mesh pages in the running program, through Modify Layer and New Column
// on a small device of two columns and two rows: the macro parameter dialog for macros of four
// and of seven variables, a grading set and a grading dialog cancelled, a contact layer made with
// the contact parameter dialog, doping and meshes typed, and what each choice leaves in the saved
// ".layer" file.

#include "AppHarness.h"
#include "CommandIds.h"
#include "SheetInput.h"
#include "app/MainFrame.h"
#include "dialogs/CompositionGradingWindow.h"
#include "dialogs/ContactParamWindow.h"
#include "dialogs/GeneralSheet.h"
#include "dialogs/MacroParamWindow.h"
#include "dialogs/SeriesEdit.h"
#include "document/TessaronDoc.h"
#include "model/ProcessState.h"
#include "sheets/CMesh.h"
#include "sheets/CompositionGradingDlg.h"
#include "sheets/ContactParamDlg.h"
#include "sheets/LayerBulkActive.h"
#include "sheets/LayerDop.h"
#include "sheets/MacroParamDlg.h"
#include "sheets/Mesh.h"
#include "support/FileBytes.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>

#include <functional>

namespace {

// Runs a menu command whose modal sheet `user` acts on.
void RunSheet(int id, std::function<void(CGeneralSheet&)> user)
{
    WhenModal<CGeneralSheet> watcher(std::move(user));
    EXPECT_TRUE(Frame()->RunCommand(id));
    EXPECT_TRUE(watcher.Seen()) << "command " << id;
}

void Choose(wxWindow* window, int radioId) { Choose(Control<wxRadioButton>(window, radioId)); }

bool Shown(wxWindow* window, int id) { return window->FindWindow(id)->IsShown(); }

class MaterialPages : public ::testing::Test {
protected:
    MaterialPages()
    {
        ResetProcessState();
        tree.Replace("more.mac", std::string(TESSARON_FIXTURES) + "/gui/wide_macros.mac");
        device = work.Write("device.layer", FileBytes(std::string(TESSARON_FIXTURES) + "/gui/materials.layer"));
        prompts.AllowUnscripted();
        EXPECT_TRUE(StartApp(tree, "brenvik", {"-2", device}));
        doc = TestApp().GetDocument();
    }
    ~MaterialPages() override
    {
        StopApp();
        ResetProcessState();
    }

    CLayerRec& Layer(int column, int row) { return doc->m_ZSegments.at(0).Column(column).Layer(row); }
    // Saves the device under `name` and returns the file's bytes.
    std::string SaveAs(const std::string& name)
    {
        prompts.ChooseFileNext(work.File(name));
        EXPECT_TRUE(Frame()->RunCommand(ID_FILE_SAVE_AS));
        return FileBytes(work.File(name));
    }
    // Opens a saved file again.
    void Reopen(const std::string& name)
    {
        EXPECT_TRUE(Frame()->RunCommand(ID_FILE_NEW));
        prompts.ChooseFileNext(work.File(name));
        EXPECT_TRUE(Frame()->RunCommand(ID_FILE_OPEN));
        ASSERT_EQ(g_nZSegCount, 1);
    }
    void Modify(int column, int row, std::function<void(CGeneralSheet&)> user)
    {
        doc->SetSelection(0, column, row);
        RunSheet(ID_LAYER_MODIFY, std::move(user));
    }

    AppTree tree;
    TempFolder work;
    ScriptedPrompts prompts;
    std::string device;
    CTessaronDoc* doc = nullptr;
};

}  // namespace

TEST_F(MaterialPages, TheParameterDialogShowsAsManyLabelledBoxesAsTheMacroHasUpToSix)
{
    Modify(0, 0, [](CGeneralSheet& sheet) {
        ShowTab(sheet, "Material");
        auto* list = Control<wxListBox>(&sheet, CLayerBulkActive::IDC_BULK_LIST);
        // "void", then the application's free-style bulk macros in its order.
        std::vector<std::string> expected{"void"};
        for (const std::string& name : TestApp().m_loadMacroIndex.m_names)
            if (name.find("_old_style") == std::string::npos)
                expected.push_back(name);
        std::vector<std::string> shown;
        for (const wxString& entry : list->GetStrings())
            shown.push_back(entry.ToStdString());
        EXPECT_EQ(shown, expected);
        EXPECT_NE(list->FindString("quad"), wxNOT_FOUND);
        Pick(list, "quad");
        ClickInto<CMacroParamWindow>(&sheet, CLayerBulkActive::IDC_SHOW_BULK_PARAM, [](CMacroParamWindow& dialog) {
            const char* labels[] = {"a", "b", "c", "d"};
            for (int i = 0; i < 6; ++i) {
                SCOPED_TRACE(i);
                EXPECT_EQ(Shown(&dialog, CMacroParamDlg::IDC_VALUE1 + i), i < 4);
                EXPECT_EQ(Shown(&dialog, CMacroParamDlg::IDC_LABEL1 + i), i < 4);
                if (i < 4) {
                    EXPECT_EQ(Control<wxStaticText>(&dialog, CMacroParamDlg::IDC_LABEL1 + i)->GetLabel(), labels[i]);
                }
                EXPECT_EQ(Text(&dialog, CMacroParamDlg::IDC_VALUE1 + i), "0") << "another macro starts from zeros";
                EXPECT_EQ(Control<CSeriesEdit>(&dialog, CMacroParamDlg::IDC_VALUE1 + i)->GetParamId(), 10 + i);
            }
            EXPECT_FALSE(Shown(&dialog, CMacroParamDlg::IDC_SIX_KEPT));
            for (int i = 0; i < 4; ++i)
                Type(&dialog, CMacroParamDlg::IDC_VALUE1 + i, std::to_string(i + 1).c_str());
            Click(&dialog, wxID_OK);
        });
        Pick(list, "heptad");
        ClickInto<CMacroParamWindow>(&sheet, CLayerBulkActive::IDC_SHOW_BULK_PARAM, [](CMacroParamWindow& dialog) {
            for (int i = 0; i < 6; ++i) {
                EXPECT_TRUE(Shown(&dialog, CMacroParamDlg::IDC_VALUE1 + i));
                EXPECT_EQ(Control<wxStaticText>(&dialog, CMacroParamDlg::IDC_LABEL1 + i)->GetLabel(),
                          "p" + std::to_string(i + 1));
            }
            EXPECT_TRUE(Shown(&dialog, CMacroParamDlg::IDC_SIX_KEPT));
            Click(&dialog, wxID_CANCEL);
        });
        Click(&sheet, wxID_OK);
    });
    EXPECT_EQ(Layer(0, 0).m_Material.m_Bulk.m_strName, "quad");
    EXPECT_EQ(Layer(0, 0).m_Material.m_Bulk.m_dVar[3], 4.0);
    SaveAs("quad.layer");
    Reopen("quad.layer");
    EXPECT_EQ(Layer(0, 0).m_Material.m_Bulk.m_strName, "quad");
    EXPECT_EQ(Layer(0, 0).m_Material.m_Bulk.m_dVar[1], 2.0);
}

TEST_F(MaterialPages, AGradingSetInTheDialogIsSavedAndAGradingCancelledChangesNothing)
{
    const std::string before = SaveAs("before.layer");
    Modify(0, 1, [](CGeneralSheet& sheet) {
        ShowTab(sheet, "Material");
        ChooseInto<CCompositionGradingWindow>(&sheet, CLayerBulkActive::IDC_GRADING_NONE + 2,
                                             [](CCompositionGradingWindow& dialog) {
                                                 Type(&dialog, CCompositionGradingDlg::IDC_FROM, "0.1");
                                                 Click(&dialog, wxID_CANCEL);
                                             });
        EXPECT_TRUE(Control<wxRadioButton>(&sheet, CLayerBulkActive::IDC_GRADING_NONE)->GetValue());
        Click(&sheet, wxID_OK);
    });
    EXPECT_EQ(SaveAs("cancelled.layer"), before);

    Modify(0, 1, [](CGeneralSheet& sheet) {
        ShowTab(sheet, "Material");
        ChooseInto<CCompositionGradingWindow>(&sheet, CLayerBulkActive::IDC_GRADING_NONE + 1,
                                             [](CCompositionGradingWindow& dialog) {
                                                 EXPECT_TRUE(Control<wxRadioButton>(&dialog, 1033)->GetValue());
                                                 EXPECT_EQ(Control<CSeriesEdit>(&dialog, CCompositionGradingDlg::IDC_FROM)->GetParamId(), 30);
                                                 EXPECT_EQ(Control<CSeriesEdit>(&dialog, CCompositionGradingDlg::IDC_TO)->GetParamId(), 31);
                                                 Type(&dialog, CCompositionGradingDlg::IDC_FROM, "0.1");
                                                 Type(&dialog, CCompositionGradingDlg::IDC_TO, "0.35");
                                                 Click(&dialog, wxID_OK);
                                             });
        Click(&sheet, wxID_OK);
    });
    const std::string graded = SaveAs("graded.layer");
    EXPECT_NE(graded.find("grade_var=1"), std::string::npos);
    Reopen("graded.layer");
    const CLayerGrading& grading = Layer(0, 1).m_Material.m_Grading;
    EXPECT_EQ(grading.m_nGradeVar, 1);
    EXPECT_FLOAT_EQ(grading.m_fGradeFrom, 0.1f);
    EXPECT_FLOAT_EQ(grading.m_fGradeTo, 0.35f);
}

TEST_F(MaterialPages, ContactInTheBulkListMakesAContactLayerAndTheContactsOfItsNumberFollow)
{
    Modify(0, 1, [](CGeneralSheet& sheet) {
        ShowTab(sheet, "Material");
        Pick(Control<wxListBox>(&sheet, CLayerBulkActive::IDC_BULK_LIST), "contact");
        ClickInto<CContactParamWindow>(&sheet, CLayerBulkActive::IDC_SHOW_BULK_PARAM, [](CContactParamWindow& dialog) {
            EXPECT_EQ(Text(&dialog, CContactParamDlg::IDC_CONTACT_NUM), "1");
            EXPECT_FALSE(Control<wxTextCtrl>(&dialog, CContactParamDlg::IDC_BARRIER)->IsEnabled());
            EXPECT_EQ(Control<CSeriesEdit>(&dialog, CContactParamDlg::IDC_BARRIER)->GetParamId(), 28);
            EXPECT_EQ(Control<CSeriesEdit>(&dialog, CContactParamDlg::IDC_WORK_FUNCTION)->GetParamId(), 29);
            Type(&dialog, CContactParamDlg::IDC_CONTACT_NUM, "2");
            auto* type = Control<wxComboBox>(&dialog, CContactParamDlg::IDC_TYPE);
            type->SetSelection(1);
            wxCommandEvent chosen(wxEVT_COMBOBOX, CContactParamDlg::IDC_TYPE);
            chosen.SetEventObject(type);
            chosen.SetInt(1);
            type->GetEventHandler()->ProcessEvent(chosen);
            Choose(&dialog, CContactParamDlg::IDC_BARRIER_GIVEN);
            EXPECT_TRUE(Control<wxTextCtrl>(&dialog, CContactParamDlg::IDC_BARRIER)->IsEnabled());
            Type(&dialog, CContactParamDlg::IDC_BARRIER, "0.8");
            Click(&dialog, wxID_OK);
        });
        Click(&sheet, wxID_OK);
    });
    const CMacroParamSet& made = Layer(0, 1).m_Material.m_Bulk;
    EXPECT_EQ(made.m_strName, "contact");
    EXPECT_EQ(made.m_dVar[0], 2.0);
    EXPECT_EQ(made.m_dVar[1], 1.0);
    EXPECT_EQ(made.m_dVar[2], 0.8);
    EXPECT_EQ(made.m_dVar[3], -9999.0);
    // The contact layer and the bottom range of number 2 take its type and barrier.
    EXPECT_EQ(Layer(1, 0).m_Material.m_Bulk.m_dVar[1], 1.0);
    EXPECT_EQ(Layer(1, 0).m_Material.m_Bulk.m_dVar[2], 0.8);
    const CBottomContact& range = doc->m_ZSegments[0].GetColumn(1).m_Contacts.GetBottoms().at(0);
    EXPECT_EQ(range.m_strType, "schottky");
    EXPECT_EQ(range.m_dBarrier, 0.8);
}

TEST_F(MaterialPages, DopingAndBothMeshesTypedAreSavedAndOpenAgain)
{
    Modify(0, 1, [](CGeneralSheet& sheet) {
        ShowTab(sheet, "Doping");
        EXPECT_TRUE(Control<wxRadioButton>(&sheet, CLayerDop::IDC_P)->GetValue());
        Choose(&sheet, CLayerDop::IDC_N);
        Type(&sheet, CLayerDop::IDC_CONCENTRATION, "3e24");
        // The numeric boxes of the three pages with their series ids.
        const std::pair<int, int> ids[] = {{CLayerDop::IDC_CONCENTRATION, 40}, {CLayerDop::IDC_GAUSS_TAIL, 41},
                                           {CCMesh::IDC_MESH_RATIO, 51}, {CMesh::IDC_MESH_RATIO, 61}};
        for (const auto& [box, id] : ids)
            EXPECT_EQ(Control<CSeriesEdit>(&sheet, box)->GetParamId(), id) << box;
        ShowTab(sheet, "Column_Mesh");
        Type(&sheet, CCMesh::IDC_MESH_NUMBER, "9");
        Type(&sheet, CCMesh::IDC_MESH_RATIO, "1.3");
        LeaveBox(&sheet, CCMesh::IDC_MESH_RATIO);
        EXPECT_FLOAT_EQ(g_EditColumn.m_Mesh.m_fRatio, 1.3f) << "in the edit image before OK";
        ShowTab(sheet, "Layer_Mesh");
        Type(&sheet, CMesh::IDC_MESH_NUMBER, "7");
        Type(&sheet, CMesh::IDC_MESH_RATIO, "0.9");
        Click(&sheet, wxID_OK);
    });
    SaveAs("typed.layer");
    Reopen("typed.layer");
    EXPECT_EQ(Layer(0, 1).m_Doping.m_strKind, "n");
    EXPECT_FLOAT_EQ(Layer(0, 1).m_Doping.m_fValue, 3e24f);
    EXPECT_EQ(doc->m_ZSegments[0].GetColumn(0).m_Mesh.m_nMeshNum, 9);
    EXPECT_FLOAT_EQ(doc->m_ZSegments[0].GetColumn(0).m_Mesh.m_fRatio, 1.3f);
    EXPECT_EQ(Layer(0, 1).m_Mesh.m_nMeshNum, 7);
    EXPECT_FLOAT_EQ(Layer(0, 1).m_Mesh.m_fRatio, 0.9f);
}

TEST_F(MaterialPages, ModifyWithOkOnEveryPageAndNoChangeSavesTheSameBytes)
{
    const std::string before = SaveAs("before.layer");
    for (int column : {0, 1}) {
        Modify(column, 0, [](CGeneralSheet& sheet) {
            for (const char* tab : {"Material", "Doping", "Column_Mesh", "Layer_Mesh", " Size_Info"})
                ShowTab(sheet, tab);
            Click(&sheet, wxID_OK);
            EXPECT_FALSE(sheet.IsModal());
        });
    }
    EXPECT_EQ(SaveAs("after.layer"), before);
}

TEST_F(MaterialPages, TheZSegmentsMeshTotalsSurviveNewColumnAndModify)
{
    EXPECT_TRUE(Frame()->RunCommand(ID_FILE_NEW));
    // The first column's sheet gives the device its totals; its mesh numbers stay unset.
    RunSheet(ID_COLUMN_NEW, [](CGeneralSheet& sheet) {
        ShowTab(sheet, "Column_Mesh");
        EXPECT_EQ(Text(&sheet, CCMesh::IDC_MESH_NUMBER), "0");
        Type(&sheet, CCMesh::IDC_TOTAL_X_MESH, "40");
        Type(&sheet, CCMesh::IDC_TOTAL_Y_MESH, "30");
        Click(&sheet, wxID_OK);
    });
    ASSERT_EQ(g_nZSegCount, 1);
    EXPECT_EQ(doc->m_ZSegments[0].m_nTotalXMesh, 40);
    RunSheet(ID_COLUMN_NEW, [](CGeneralSheet& sheet) { Click(&sheet, wxID_OK); });
    Modify(0, 0, [](CGeneralSheet& sheet) {
        ShowTab(sheet, "Column_Mesh");
        EXPECT_EQ(Text(&sheet, CCMesh::IDC_TOTAL_X_MESH), "40");
        EXPECT_EQ(Text(&sheet, CCMesh::IDC_TOTAL_Y_MESH), "30");
        Click(&sheet, wxID_OK);
    });
    EXPECT_EQ(doc->m_ZSegments[0].m_nTotalXMesh, 40);
    EXPECT_EQ(doc->m_ZSegments[0].m_nTotalYMesh, 30);
    // The save fills the unset mesh numbers from the totals.
    SaveAs("totals.layer");
    Reopen("totals.layer");
    const CZSegment& segment = doc->m_ZSegments[0];
    ASSERT_EQ(segment.GetColumnCount(), 2);
    EXPECT_EQ(segment.GetColumn(0).m_Mesh.m_nMeshNum + segment.GetColumn(1).m_Mesh.m_nMeshNum, 40);
    EXPECT_EQ(segment.GetColumn(0).GetLayer(0).m_Mesh.m_nMeshNum, 30);
}
